// The browser form's scroll and page commands that outside components click
// by their captions: `cmdup`, `cmddown`, `cmdautoscroll`, `cmdwindowselect`,
// `cmdvykform3proc`.
#include "mouse/auto_scroll.h"

#include "board/ombrel.h"
#include "board/places.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"

#include <algorithm>

namespace tv {
namespace {

constexpr std::string_view kRichEditClass = "RichEdit20A";
constexpr int kNoGrab = -1;
constexpr int kNotchSpeed = 10;
constexpr int kBrowserShownSpeed = 14;
constexpr int kWebPageInset = 28;
constexpr int kDocumentInset = 32;
constexpr int kBrowserShownInset = 8;
constexpr int kFirstGrabX = 2;   // a grab point left of this is not pressed on
// A window 105 pixels high scrolls one pixel per step.
constexpr int kSpeedPerHeight = 10, kHeightUnit = 1050;
constexpr int kMarkerStep = 40, kMarkerTop = 100, kMarkerRestart = 299;
constexpr int kButtonNearLeft = 10;
constexpr std::string_view kPageListHint = "左键转到所选窗口；右键关闭所选窗口";

// An index moved past either end of a list of `count` items comes in at the
// other end; no index at all (-1) in an empty list.
int wrapped(int index, std::size_t count)
{
    const int n = static_cast<int>(count);
    if (n <= 0)
        return -1;
    if (index < 0)
        return n - 1;
    return index >= n ? 0 : index;
}

// The same index in another list, kept inside it.
int clamped(int index, std::size_t count)
{
    const int n = static_cast<int>(count);
    return n <= 0 || index < 0 ? -1 : std::min(index, n - 1);
}

bool notch_is_up(const App& app)
{
    return cell::piece(app.vykForm3().caption(), token::kNotchDirectionAt, 3) == token::kWheelUp;
}

} // namespace

void AutoScrolling::step_up() { step(Way::Up); }

void AutoScrolling::step_down() { step(Way::Down); }

// With the edge flag the step scrolls automatically (the edge mark shown) or
// pages; without it, one arrow. Beside a plain window with the mark shown the
// flag is dropped first.
void AutoScrolling::step(Way way)
{
    Platform& p = app_.platform();
    Tombrel& browser = app_.ombrel();
    const bool up = way == Way::Up;
    if (!up)
        browser.Panel39.set_text("pgup");
    const std::string cls = classify::class_at(p, p.cursor_pos());
    if (!classify::scrolls_itself(cls) && cls != classify::kWordPageClass && browser.hbar.visible())
        browser.edge_flag = false;
    if (browser.edge_flag && browser.hbar.visible())
        (up ? browser.scrollup : browser.scrolldown).click();
    else if (browser.edge_flag)
        input::press(p, up ? vk::kPageUp : vk::kPageDown);
    else
        input::press(p, up ? vk::kUp : vk::kDown);
}

void AutoScrolling::wheel_notch()
{
    Platform& p = app_.platform();
    const Hwnd front = p.foreground_window();
    const Hwnd window = classify::root_at(p, p.cursor_pos());
    if (front != window && classify::lies_within(p, window, front) && !left_shows(app_.ombrel()))
        p.set_foreground(window);
    const bool up = notch_is_up(app_);
    if (turn_browser_pages(up) || pointer_on_navigation_panel())
        return;
    scroll_window(up, window);
}

// The browser form shown with its navigation panel: the notch chooses the
// browser's page instead ("///" one back, anything else one forward).
bool AutoScrolling::turn_browser_pages(bool up)
{
    Tombrel& browser = app_.ombrel();
    if (!left_shows(browser) || browser.Panel3.left() <= 0)
        return false;
    app_.vykForm3().set_caption("qqystop wheel=xxxx");
    sibling::send(app_, up ? "vyknext" : "vykprev");
    ui::ListBox& list = browser.ListBox1;
    const int chosen = wrapped(list.item_index() + (up ? -1 : 1), list.count());
    list.select(chosen);
    if (chosen >= 0)
        browser.PageControl1.select(clamped(chosen, browser.PageControl1.count()));
    browser.Panel23.set_text(kPageListHint);
    return true;
}

bool AutoScrolling::pointer_on_navigation_panel() const
{
    const Platform& p = app_.platform();
    const Tombrel& browser = app_.ombrel();
    const Point at = p.cursor_pos();
    if (!classify::lies_within(p, p.window_from_point(at), browser.hwnd()))
        return false;
    return browser.Panel3.bounds().contains({at.x - browser.left(), at.y - browser.top()});
}

// Over a system menu an arrow; with the left button held a one-pixel nudge;
// over a word-processor page only the display; elsewhere the grab point and
// the speed by the window's height for the hook component.
void AutoScrolling::scroll_window(bool up, Hwnd window)
{
    Platform& p = app_.platform();
    Tombrel& browser = app_.ombrel();
    speed_ = up ? -kNotchSpeed : kNotchSpeed;
    app_.vykForm3().set_caption("ystop=xx--wheel");
    if (classify::top_class(p) == classify::kSystemMenuClass) {
        input::press(p, speed_ <= 0 ? vk::kUp : vk::kDown);
        return;
    }
    if (p.key_down(vk::kLButton)) {
        p.move_cursor_by(0, up ? -1 : 1);
        return;
    }
    const Target target{window ? p.window_rect(window) : Rect{}, classify::class_at(p, p.cursor_pos())};
    int grab = classify::scrolls_itself(target.cls) ? target.root.right - kWebPageInset : kNoGrab;
    browser.Panel41.set_text("//" + std::to_string(speed_));
    if (target.cls == classify::kWordPageClass || target.cls == kRichEditClass)
        grab = target.root.right - kDocumentInset;
    if (target.cls == classify::kWordPageClass)
        return;
    speed_ = target.root.height() * kSpeedPerHeight / kHeightUnit * (up ? -1 : 1);
    browser.Panel41.set_text("--//" + std::to_string(speed_));
    leave_to_hook(up, window, target, grab);
}

// The pending wheel scroll, and "mdown sys" when the pointer is on the grab point.
void AutoScrolling::leave_to_hook(bool up, Hwnd window, const Target& target, int grab)
{
    Platform& p = app_.platform();
    Tombrel& browser = app_.ombrel();
    PendingWheelScroll& pending = browser.pending_wheel_scroll;
    if (grab == kNoGrab) {
        pending = {true, p.cursor_pos(), target.root.top, target.root.bottom};
        return;
    }
    if (grab < kFirstGrabX)
        return;
    if (left_shows(browser)) {
        speed_ = up ? -kBrowserShownSpeed : kBrowserShownSpeed;
        grab = p.screen_size().width - kBrowserShownInset;
    }
    if (grab > kFirstGrabX)
        p.set_cursor_pos({grab, p.cursor_pos().y});
    pending = {true, p.cursor_pos(), target.root.top, target.root.bottom};
    p.set_foreground(window);
    p.sleep_ms(20);
    browser.midmess.set_text("mdown sys");
}

void AutoScrolling::next_window()
{
    Tombrel& browser = app_.ombrel();
    sibling::send(app_, "vyknext");
    ui::ListBox& pages = browser.PageControl1;
    const int before = pages.item_index();
    if (pages.count() > 0)
        pages.select(wrapped(before + 1, pages.count()));
    browser.Label33.set_text(std::to_string(before) + "/" + std::to_string(pages.count()));
    app_.vykForm3().set_caption("xxystop wheel");
}

void AutoScrolling::next_navigation()
{
    TvykForm3& navigation = app_.vykForm3();
    navigation.set_caption("ttystop wheel");
    sibling::send(app_, "vyknext");
    const int marker = navigation.Image9.top() - kMarkerStep;
    navigation.Image9.set_top(marker < kMarkerTop ? kMarkerRestart : marker);
    const ui::Button& button = navigation.Button2;
    if (button.left() <= kButtonNearLeft) {
        navigation.vleft.set_left(navigation.vleft.left() - button.top() / 8);
    } else {
        navigation.ttop.set_top(navigation.ttop.top() - button.left() / 10);
        navigation.tbot.set_top(navigation.tbot.top() - button.left() / 8);
    }
}

} // namespace tv
