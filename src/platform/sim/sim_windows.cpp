// SimDesktop: the window tree (classes, titles, rectangles, visibility, Z order
// with its topmost band, parents, foreground), posted close requests, regions,
// capture and pop-up menus.
#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tv::sim {

SimDesktop::SimDesktop(Size screen, std::string program_folder)
    : screen_(screen), program_folder_(std::move(program_folder))
{
    install_library("wrhk.dll", hook_library());
}

SimDesktop::~SimDesktop() = default;

SimDesktop::Window* SimDesktop::find(Hwnd h)
{
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimDesktop::Window* SimDesktop::find(Hwnd h) const
{
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<Hwnd>& SimDesktop::siblings_of(const Window& w)
{
    Window* p = find(w.parent);
    return p ? p->children : z_order_;
}

const std::vector<Hwnd>& SimDesktop::siblings_of(const Window& w) const
{
    const Window* p = find(w.parent);
    return p ? p->children : z_order_;
}

Hwnd SimDesktop::insert_window(Window w)
{
    const Hwnd h = next_hwnd_;
    next_hwnd_ += 4;
    auto& placed = windows_[h] = std::move(w);
    auto& siblings = siblings_of(placed);
    siblings.insert(siblings.begin(), h);
    raise(h);
    return h;
}

void SimDesktop::raise(Hwnd h)
{
    Window* w = find(h);
    if (!w)
        return;
    auto& siblings = siblings_of(*w);
    std::erase(siblings, h);
    auto first_of_band = siblings.begin();
    if (!w->topmost)
        first_of_band = std::find_if(siblings.begin(), siblings.end(), [this](Hwnd s) { return !find(s)->topmost; });
    siblings.insert(first_of_band, h);
}

Hwnd SimDesktop::create_window(const WindowSpec& wanted, WindowEvents* events)
{
    Window w;
    w.class_name = wanted.class_name;
    w.title = wanted.title;
    w.rect = wanted.rect;
    w.visible = wanted.visibility == Visibility::Shown;
    w.topmost = wanted.topmost == Topmost::Yes;
    w.ex_style = wanted.ex_style | (w.topmost ? std::uint32_t{kExTopmost} : 0u);
    w.parent = find(wanted.parent) ? wanted.parent : 0;
    if (!w.parent)
        w.style = wanted.style & ~std::uint32_t{kStyleVisible};
    w.events = events;
    w.process = kOwnProcess;
    return insert_window(std::move(w));
}

Hwnd SimDesktop::add_window(std::string_view class_name, std::string_view title, Rect rect, Visibility visibility,
                            Topmost topmost, Hwnd parent)
{
    Window w;
    w.class_name = class_name;
    w.title = title;
    w.rect = rect;
    w.visible = visibility == Visibility::Shown;
    w.topmost = topmost == Topmost::Yes;
    w.ex_style = w.topmost ? std::uint32_t{kExTopmost} : 0u;
    w.parent = find(parent) ? parent : 0;
    return insert_window(std::move(w));
}

void SimDesktop::destroy_window(Hwnd h)
{
    Window* w = find(h);
    if (!w)
        return;
    for (Hwnd child : std::vector<Hwnd>(w->children))
        destroy_window(child);
    // A web view and a desktop toolbar end with their window.
    end_web_views_of(h);
    app_bars_.erase(h);
    std::erase(siblings_of(*w), h);
    if (foreground_ == h)
        foreground_ = 0;
    if (hovered_ == h)
        hovered_ = 0;
    windows_.erase(h);
}

bool SimDesktop::window_exists(Hwnd h) const { return find(h) != nullptr; }

std::uint32_t SimDesktop::process_of(Hwnd h) const
{
    const Window* w = find(h);
    return w ? w->process : 0;
}

Hwnd SimDesktop::find_window(std::string_view class_name, std::optional<std::string_view> title) const
{
    for (Hwnd h : z_order_) {
        const Window& w = *find(h);
        if (w.class_name == class_name && (!title || w.title == *title))
            return h;
    }
    return 0;
}

Point SimDesktop::origin(Hwnd h) const
{
    Point p;
    for (const Window* w = find(h); w; w = find(w->parent)) {
        p.x += w->rect.left;
        p.y += w->rect.top;
    }
    return p;
}

Hwnd SimDesktop::deepest_at(Hwnd h, Point screen) const
{
    const Window& w = *find(h);
    for (Hwnd c : w.children) {
        const Window& child = *find(c);
        const Point o = origin(c);
        if (child.visible && Rect::from_size(o.x, o.y, child.rect.width(), child.rect.height()).contains(screen))
            return deepest_at(c, screen);
    }
    return h;
}

Hwnd SimDesktop::window_from_point(Point p) const
{
    for (Hwnd h : z_order_) {
        const Window& w = *find(h);
        if (!w.visible || w.iconic || !w.rect.contains(p))
            continue;
        if (w.region && !w.region->contains({p.x - w.rect.left, p.y - w.rect.top}))
            continue;
        return deepest_at(h, p);
    }
    return 0;
}

std::string SimDesktop::class_name(Hwnd h) const
{
    const Window* w = find(h);
    return w ? w->class_name : std::string();
}

std::string SimDesktop::title(Hwnd h) const
{
    const Window* w = find(h);
    return w ? w->title : std::string();
}

void SimDesktop::set_title(Hwnd h, std::string_view text)
{
    Window* w = find(h);
    if (!w || w->title == text)
        return;
    w->title.assign(text);
    if (w->events)
        w->events->on_title_changed();
}

Rect SimDesktop::window_rect(Hwnd h) const
{
    const Window* w = find(h);
    if (!w)
        return {};
    const Point o = origin(h);
    return Rect::from_size(o.x, o.y, w->rect.width(), w->rect.height());
}

void SimDesktop::set_window_rect(Hwnd h, const Rect& r)
{
    Window* w = find(h);
    if (!w)
        return;
    const Point parent_origin = w->parent ? origin(w->parent) : Point{};
    w->rect = Rect::from_size(r.left - parent_origin.x, r.top - parent_origin.y, std::max(0, r.width()),
                              std::max(0, r.height()));
}

bool SimDesktop::is_visible(Hwnd h) const
{
    const Window* w = find(h);
    for (; w; w = find(w->parent))
        if (!w->visible)
            return false;
    return find(h) != nullptr;
}

void SimDesktop::show_window(Hwnd h, Visibility v)
{
    if (Window* w = find(h))
        w->visible = v == Visibility::Shown;
}

void SimDesktop::restore_window(Hwnd h)
{
    if (Window* w = find(h)) {
        w->iconic = false;
        w->visible = true;
    }
}

void SimDesktop::minimise(Hwnd h)
{
    if (Window* w = find(h))
        w->iconic = true;
}

bool SimDesktop::is_iconic(Hwnd h) const
{
    const Window* w = find(h);
    return w && w->iconic;
}

void SimDesktop::set_topmost(Hwnd h, Topmost t)
{
    Window* w = find(h);
    if (!w)
        return;
    w->topmost = t == Topmost::Yes;
    w->ex_style = w->topmost ? (w->ex_style | kExTopmost) : (w->ex_style & ~kExTopmost);
    raise(h);
}

Hwnd SimDesktop::parent(Hwnd h) const
{
    const Window* w = find(h);
    return w ? w->parent : 0;
}

bool SimDesktop::is_child(Hwnd parent_window, Hwnd child) const
{
    if (!find(parent_window))
        return false;
    for (Hwnd p = parent(child); p; p = parent(p))
        if (p == parent_window)
            return true;
    return false;
}

Hwnd SimDesktop::top_window() const { return z_order_.empty() ? 0 : z_order_.front(); }

Hwnd SimDesktop::next_window(Hwnd h) const
{
    const Window* w = find(h);
    if (!w)
        return 0;
    const auto& siblings = siblings_of(*w);
    auto it = std::find(siblings.begin(), siblings.end(), h);
    return it == siblings.end() || std::next(it) == siblings.end() ? 0 : *std::next(it);
}

std::vector<Hwnd> SimDesktop::top_level_windows() const { return z_order_; }

std::vector<Hwnd> SimDesktop::shown_windows_of_class(const std::function<bool(std::string_view)>& wanted) const
{
    std::vector<Hwnd> found;
    std::vector<Hwnd> shown;
    for (Hwnd h : z_order_)
        if (find(h)->visible)
            shown.push_back(h);
    while (!shown.empty()) {
        const Window& w = *find(shown.back());
        if (wanted(w.class_name))
            found.push_back(shown.back());
        shown.pop_back();
        for (Hwnd c : w.children)
            if (find(c)->visible)
                shown.push_back(c);
    }
    return found;
}

Hwnd SimDesktop::foreground_window() const { return foreground_; }

void SimDesktop::set_foreground(Hwnd h)
{
    Hwnd root = h;
    while (parent(root))
        root = parent(root);
    if (!find(root))
        return;
    foreground_ = root;
    raise(root);
}

void SimDesktop::post_close(Hwnd h)
{
    if (!find(h))
        return;
    posted_close_.push_back(h);
    posted_closes_.push_back(h);
}

void SimDesktop::post_wheel(Hwnd h, int delta, Point at)
{
    if (find(h))
        posted_wheels_.push_back({h, delta, at});
}

void SimDesktop::pump_posted()
{
    while (!posted_close_.empty()) {
        const Hwnd h = posted_close_.front();
        posted_close_.pop_front();
        Window* w = find(h);
        if (!w)
            continue;
        if (w->events)
            w->events->on_close_request();
        else
            destroy_window(h); // another program's window closes itself
    }
}

std::uint32_t SimDesktop::ex_style(Hwnd h) const
{
    const Window* w = find(h);
    return w ? w->ex_style : 0;
}

std::uint32_t SimDesktop::window_style(Hwnd h) const
{
    const Window* w = find(h);
    if (!w)
        return 0;
    return w->style | (w->visible ? std::uint32_t{kStyleVisible} : 0u);
}

void SimDesktop::set_ex_style(Hwnd h, std::uint32_t style)
{
    if (Window* w = find(h))
        w->ex_style = style;
}

void SimDesktop::set_window_region(Hwnd h, const WindowRegion& region)
{
    if (Window* w = find(h))
        w->region = region.xor_rects.empty() ? std::nullopt : std::optional<WindowRegion>(region);
}

const WindowRegion* SimDesktop::region(Hwnd h) const
{
    const Window* w = find(h);
    return w && w->region ? &*w->region : nullptr;
}

std::optional<std::size_t> SimDesktop::popup_menu(Hwnd owner, const std::vector<MenuEntry>& items, Point at)
{
    menus_.push_back({owner, items, at});
    if (menu_answers.empty())
        return std::nullopt;
    auto answer = menu_answers.front();
    menu_answers.pop_front();
    if (answer && *answer >= items.size())
        return std::nullopt;
    return answer;
}

} // namespace tv::sim
