#include "core/classify.h"

#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/vykform3.h"
#include "core/app.h"
#include "core/cell.h"

#include <algorithm>
#include <vector>

namespace tv::classify {
namespace {

constexpr int kNeighbourhoodDistance = 30;
constexpr std::string_view kNeighbourhoodJoiner = "//";

// The screen scan looks every 60 pixels across and every 120 pixels down.
constexpr int kScanStepX = 60;
constexpr int kScanStepY = 120;

// The state word at the head of the `TFormMain` caption.
constexpr long kStateWordBytes = 10;
constexpr std::string_view kStateWordCleared = "设置说明--";

constexpr int kListViewProbeX = 4, kListViewProbeBelowBar = 8;
constexpr int kTabSheetOffset = 140;

std::string first_bytes(std::string text, std::size_t limit)
{
    if (text.size() > limit)
        text.resize(limit);
    return text;
}

} // namespace

bool in_list(std::string_view text, ClassList list)
{
    return std::ranges::any_of(list, [text](std::string_view member) { return cell::is(text, member); });
}

bool is_web_page(std::string_view cls) { return in_list(cls, kWebPageClasses); }

bool scrolls_itself(std::string_view cls) { return in_list(cls, kSelfScrollingPageClasses); }

bool contains_any(std::string_view text, ClassList list)
{
    return std::ranges::any_of(list, [text](std::string_view member) { return cell::contains(text, member); });
}

std::string class_of(const Platform& p, Hwnd h)
{
    return h ? first_bytes(p.class_name(h), kClassBytes) : std::string();
}

std::string title_of(const Platform& p, Hwnd h)
{
    return h ? first_bytes(p.title(h), kTitleBytes) : std::string();
}

std::string class_at(const Platform& p, Point at) { return class_of(p, p.window_from_point(at)); }

Hwnd root_at(const Platform& p, Point at)
{
    Hwnd root = p.window_from_point(at);
    for (Hwnd up = root ? p.parent(root) : 0; up; up = p.parent(up))
        root = up;
    return root;
}

std::string foreground_class(const Platform& p) { return class_of(p, p.foreground_window()); }

std::string top_class(const Platform& p) { return class_of(p, p.top_window()); }

Hwnd window_below_top(const Platform& p)
{
    const Hwnd top = p.top_window();
    return top ? p.next_window(top) : 0;
}

std::string class_below_top(const Platform& p) { return class_of(p, window_below_top(p)); }

bool screen_has_class_by_probes(const Platform& p, std::string_view name)
{
    const Size screen = p.screen_size();
    for (int x = 0; x < screen.width; x += kScanStepX)
        for (int y = 0; y < screen.height; y += kScanStepY)
            if (class_at(p, {x, y}) == name)
                return true;
    return false;
}

ShownPlaces::ShownPlaces(const Platform& p, const std::function<bool(std::string_view)>& wanted)
{
    for (Hwnd h : p.shown_windows_of_class(wanted))
        places_.push_back(p.window_rect(h));
}

bool ShownPlaces::may_answer(Point at) const
{
    return std::ranges::any_of(places_, [at](const Rect& r) { return r.contains(at); });
}

// The window under a point is a shown window and the point lies in its
// rectangle: only the grid points inside a shown window of the class can
// answer yes, and those are probed as the full scan probes them.
bool screen_has_class(const Platform& p, std::string_view name)
{
    const auto same_class = [name](std::string_view cls) { return cls.substr(0, kClassBytes) == name; };
    const ShownPlaces places(p, same_class);
    if (places.none())
        return false;
    const auto candidate = [&places](Point at) { return places.may_answer(at); };
    const Size screen = p.screen_size();
    for (int x = 0; x < screen.width; x += kScanStepX)
        for (int y = 0; y < screen.height; y += kScanStepY)
            if (candidate({x, y}) && class_at(p, {x, y}) == name)
                return true;
    return false;
}

std::array<std::string, 4> classes_around(const Platform& p, Point c, int d)
{
    return {class_at(p, {c.x + d, c.y + d}), class_at(p, {c.x + d, c.y - d}), class_at(p, {c.x - d, c.y - d}),
            class_at(p, {c.x - d, c.y + d})};
}

std::string neighbourhood_classes(const Platform& p, Point cursor)
{
    const std::array<std::string, 4> classes = classes_around(p, cursor, kNeighbourhoodDistance);
    std::string joined = classes[0];
    for (std::size_t i = 1; i < classes.size(); ++i)
        joined.append(kNeighbourhoodJoiner).append(classes[i]);
    return joined;
}

bool cursor_inside(const Platform& p, Hwnd window, Point cursor)
{
    return window && p.is_child(window, p.window_from_point(cursor));
}

bool start_menu_marked(const Platform& p)
{
    return cell::contains(title_of(p, p.find_window(kFormMainClass)), kStartMenuMarker);
}

void clear_start_menu_marker(App& app)
{
    TFormMain& form = app.FormMain();
    const std::string caption = form.caption();
    if (!cell::contains(caption, kStartMenuMarker))
        return;
    form.set_caption(std::string(kStateWordCleared) + std::string(cell::from(caption, kStateWordBytes + 1)));
}

bool menu_on_top(const Platform& p) { return in_list(top_class(p), kMenuClasses); }

bool menu_open(const Platform& p) { return menu_on_top(p) || start_menu_marked(p); }

bool cursor_on_menu_item(const Platform& p, Point cursor) { return in_list(class_at(p, cursor), kMenuItemClasses); }

std::string popup_neighbourhood_text(const App& app, Point cursor)
{
    return neighbourhood_classes(app.platform(), cursor) + "--" + app.m3d().caption() + ".." + app.vykForm3().caption();
}

bool near_popup(const App& app, Point cursor)
{
    return contains_any(popup_neighbourhood_text(app, cursor), kPopupNeighbourhoodClasses);
}

bool all_own_forms_found(const App& app)
{
    const Platform& p = app.platform();
    const std::vector<ui::Form*> forms = app.forms();
    const auto own_form_there = [&](std::string_view cls) {
        return std::ranges::any_of(forms, [&](const ui::Form* f) {
            return f->class_name() == cls && f->hwnd() && p.window_exists(f->hwnd());
        });
    };
    return std::ranges::all_of(kOwnFormClasses,
                               [&](std::string_view cls) { return own_form_there(cls) || p.find_window(cls) != 0; });
}

bool lies_within(const Platform& p, Hwnd window, Hwnd outer)
{
    return window != 0 && (window == outer || p.is_child(outer, window));
}

Point list_view_probe_point(const App& app)
{
    return {kListViewProbeX, app.lifeform().height() + kListViewProbeBelowBar};
}

bool on_desktop_list_view(const App& app, Point at)
{
    const Platform& p = app.platform();
    const Hwnd probed = p.window_from_point(list_view_probe_point(app));
    return probed != 0 && class_of(p, probed) == kListViewClass && probed == p.window_from_point(at);
}

bool tab_sheet_below(const Platform& p, Point page_control)
{
    return class_at(p, {page_control.x + kTabSheetOffset, page_control.y + kTabSheetOffset}) == kTabSheetClass;
}

bool is_shell_window(const Platform& p, Hwnd h) { return h != 0 && in_list(class_of(p, h), kShellClasses); }

bool is_own_form(const App& app, Hwnd h)
{
    return h != 0 && std::ranges::any_of(app.forms(), [h](const ui::Form* f) { return f->hwnd() == h; });
}

Hwnd script_error_box(const Platform& p) { return p.find_window(kScriptErrorClass, kScriptErrorTitle); }

} // namespace tv::classify
