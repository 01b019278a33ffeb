#include "platform/sim/sim_desktop.h"

#include "platform/address.h"

#include "platform/app_bar.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tv::sim {
namespace {

constexpr int kVkLButton = 1, kVkRButton = 2, kVkMButton = 4;
constexpr int kVkShift = 16, kVkCtrl = 17, kVkAlt = 18;
constexpr int kVkCapsLock = 20, kVkNumLock = 144, kVkScrollLock = 145;

int button_vk(MouseButton b)
{
    switch (b) {
    case MouseButton::Left: return kVkLButton;
    case MouseButton::Right: return kVkRButton;
    case MouseButton::Middle: return kVkMButton;
    }
    return 0;
}

hook::RawButton raw_button(MouseButton b)
{
    switch (b) {
    case MouseButton::Left: return hook::RawButton::Left;
    case MouseButton::Right: return hook::RawButton::Right;
    case MouseButton::Middle: return hook::RawButton::Middle;
    }
    return hook::RawButton::None;
}

// The generic code Windows also reports as down for a left/right-specific key.
int generic_vk(int vk)
{
    if (vk == 160 || vk == 161)
        return kVkShift;
    if (vk == 162 || vk == 163)
        return kVkCtrl;
    if (vk == 164 || vk == 165)
        return kVkAlt;
    return vk;
}

const char* mouse_name(MouseInput m)
{
    switch (m) {
    case MouseInput::Move: return "move";
    case MouseInput::LeftDown: return "leftdown";
    case MouseInput::LeftUp: return "leftup";
    case MouseInput::RightDown: return "rightdown";
    case MouseInput::RightUp: return "rightup";
    case MouseInput::MiddleDown: return "middledown";
    case MouseInput::MiddleUp: return "middleup";
    case MouseInput::Wheel: return "wheel";
    }
    return "?";
}

} // namespace

std::string InputRecord::describe() const
{
    char text[96];
    if (kind == Kind::Key)
        std::snprintf(text, sizeof text, "key %d %s", vk, action == KeyAction::Down ? "down" : "up");
    else if (mouse == MouseInput::Wheel)
        std::snprintf(text, sizeof text, "mouse wheel %d at %d,%d", data, at.x, at.y);
    else
        std::snprintf(text, sizeof text, "mouse %s at %d,%d", mouse_name(mouse), at.x, at.y);
    return text;
}

SimDesktop::SimDesktop(Size screen, std::string program_folder)
    : screen_(screen), program_folder_(std::move(program_folder))
{
    install_library("wrhk.dll", hook_library());
}

SimDesktop::~SimDesktop() = default;

// ---------------------------------------------------------------- windows

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
    if (find(h))
        posted_close_.push_back(h);
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

// ---------------------------------------------------------------- input

bool SimDesktop::key_down(int vk) const { return vk >= 0 && vk < 256 && down_[static_cast<std::size_t>(vk)]; }

std::array<std::uint8_t, 256> SimDesktop::keyboard_state() const
{
    std::array<std::uint8_t, 256> state{};
    for (std::size_t i = 0; i < state.size(); ++i)
        state[i] = static_cast<std::uint8_t>((down_[i] ? 0x80 : 0) | (toggled_[i] ? 1 : 0));
    return state;
}

void SimDesktop::set_key(int vk, bool down)
{
    if (vk < 0 || vk >= 256)
        return;
    const auto i = static_cast<std::size_t>(vk);
    const bool toggles = vk == kVkCapsLock || vk == kVkNumLock || vk == kVkScrollLock;
    if (toggles && down && !down_[i])
        toggled_[i] = !toggled_[i];
    down_[i] = down;
    const int generic = generic_vk(vk);
    if (generic != vk)
        down_[static_cast<std::size_t>(generic)] = down;
}

hook::RawEvent SimDesktop::raw(hook::RawKind kind) const
{
    hook::RawEvent e;
    e.kind = kind;
    e.x = cursor_.x;
    e.y = cursor_.y;
    e.time_ms = now_;
    return e;
}

void SimDesktop::feed_hook(const hook::RawEvent& e)
{
    const bool is_key = e.kind == hook::RawKind::KeyDown || e.kind == hook::RawKind::KeyUp;
    if (is_key ? !keyboard_hook_ : !mouse_hook_)
        return;
    hook::HookState state;
    state.right_button_owned = title(find_window("Tinputmode")) == "myright";
    const hook::Output out = tokenizer_.feed(e, state);
    for (const hook::Delivery& d : out.deliveries)
        set_title(find_window(hook::cell_class(d.cell)), d.token);
    last_verdict_ = out.verdict;
}

Hwnd SimDesktop::own_window_at(Point p) const
{
    Hwnd h = capture() ? capture() : window_from_point(p);
    while (parent(h))
        h = parent(h);
    const Window* w = find(h);
    return w && w->events ? h : 0;
}

void SimDesktop::user_move(Point p)
{
    cursor_ = p;
    feed_hook(raw(hook::RawKind::Move));
    const Hwnd h = own_window_at(p);
    if (hovered_ && hovered_ != h)
        if (Window* old = find(hovered_))
            old->events->on_mouse_leave();
    hovered_ = h;
    if (Window* w = find(h)) {
        const Point o = origin(h);
        w->events->on_mouse_move({p.x - o.x, p.y - o.y});
    }
}

void SimDesktop::deliver_button(MouseButton b, ButtonAction a)
{
    const Hwnd h = own_window_at(cursor_);
    if (Window* w = find(h)) {
        const Point o = origin(h);
        w->events->on_button(b, a, {cursor_.x - o.x, cursor_.y - o.y});
    }
}

void SimDesktop::user_button(MouseButton b, ButtonAction a)
{
    set_key(button_vk(b), a == ButtonAction::Down);
    hook::RawEvent e = raw(a == ButtonAction::Down ? hook::RawKind::ButtonDown : hook::RawKind::ButtonUp);
    e.button = raw_button(b);
    last_verdict_ = hook::Verdict::Pass;
    feed_hook(e);
    if (last_verdict_ == hook::Verdict::Pass)
        deliver_button(b, a);
}

void SimDesktop::user_wheel(int delta)
{
    hook::RawEvent e = raw(hook::RawKind::Wheel);
    e.wheel_delta = delta;
    feed_hook(e);
}

void SimDesktop::user_key(int vk, KeyAction a)
{
    set_key(vk, a == KeyAction::Down);
    hook::RawEvent e = raw(a == KeyAction::Down ? hook::RawKind::KeyDown : hook::RawKind::KeyUp);
    e.vk = vk;
    feed_hook(e);
    if (Window* w = find(foreground_); w && w->events)
        w->events->on_key(vk, a);
}

void SimDesktop::user_type(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
        const std::string_view character = text.substr(i, length);
        const int vk = character == "\b" ? 8 : length == 1 ? std::toupper(static_cast<unsigned char>(character[0])) : 229;
        user_key(vk, KeyAction::Down);
        if (Window* w = find(foreground_); w && w->events)
            w->events->on_char(character);
        user_key(vk, KeyAction::Up);
        i += length;
    }
}

void SimDesktop::record(InputRecord r)
{
    r.time_ms = now_;
    r.at = cursor_;
    r.foreground = foreground_;
    input_log_.push_back(r);
    if (on_input)
        on_input(input_log_.back());
}

void SimDesktop::send_key(int vk, KeyAction a)
{
    InputRecord r;
    r.kind = InputRecord::Kind::Key;
    r.vk = vk;
    r.action = a;
    record(r);
    set_key(vk, a == KeyAction::Down);
    hook::RawEvent e = raw(a == KeyAction::Down ? hook::RawKind::KeyDown : hook::RawKind::KeyUp);
    e.vk = vk;
    e.own = true;
    feed_hook(e);
}

void SimDesktop::send_mouse(MouseInput m, int data)
{
    InputRecord r;
    r.kind = InputRecord::Kind::Mouse;
    r.mouse = m;
    r.data = data;
    record(r);
    hook::RawEvent e = raw(hook::RawKind::Move);
    e.own = true;
    auto button = [&](MouseButton b, ButtonAction a) {
        set_key(button_vk(b), a == ButtonAction::Down);
        e.kind = a == ButtonAction::Down ? hook::RawKind::ButtonDown : hook::RawKind::ButtonUp;
        e.button = raw_button(b);
        feed_hook(e);
        deliver_button(b, a);
    };
    switch (m) {
    case MouseInput::LeftDown: button(MouseButton::Left, ButtonAction::Down); break;
    case MouseInput::LeftUp: button(MouseButton::Left, ButtonAction::Up); break;
    case MouseInput::RightDown: button(MouseButton::Right, ButtonAction::Down); break;
    case MouseInput::RightUp: button(MouseButton::Right, ButtonAction::Up); break;
    case MouseInput::MiddleDown: button(MouseButton::Middle, ButtonAction::Down); break;
    case MouseInput::MiddleUp: button(MouseButton::Middle, ButtonAction::Up); break;
    case MouseInput::Wheel:
        e.kind = hook::RawKind::Wheel;
        e.wheel_delta = data;
        feed_hook(e);
        break;
    case MouseInput::Move: break;
    }
}

void SimDesktop::set_cursor_pos(Point p)
{
    cursor_ = {std::clamp(p.x, 0, std::max(0, screen_.width - 1)), std::clamp(p.y, 0, std::max(0, screen_.height - 1))};
}

// ---------------------------------------------------------------- time

void SimDesktop::sleep_ms(int ms)
{
    if (ms > 0)
        now_ += static_cast<std::uint64_t>(ms);
}

TimerId SimDesktop::start_timer(int interval_ms, std::function<void()> on_tick)
{
    const TimerId id = next_timer_++;
    const int interval = std::max(1, interval_ms);
    timers_[id] = SimTimer{interval, now_ + static_cast<std::uint64_t>(interval), std::move(on_tick)};
    return id;
}

void SimDesktop::stop_timer(TimerId id) { timers_.erase(id); }

// Fires the earliest timer due by `until`; a timer that fell behind while a
// handler slept fires once, now, like a coalesced WM_TIMER.
bool SimDesktop::fire_next_timer(std::uint64_t until)
{
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.due <= until && (next == timers_.end() || it->second.due < next->second.due))
            next = it;
    if (next == timers_.end())
        return false;
    now_ = std::max(now_, next->second.due);
    next->second.due = now_ + static_cast<std::uint64_t>(next->second.interval);
    auto on_tick = next->second.on_tick; // the handler may stop or restart its own timer
    on_tick();
    return true;
}

void SimDesktop::advance(int ms)
{
    const std::uint64_t until = now_ + static_cast<std::uint64_t>(std::max(0, ms));
    pump_posted();
    while (fire_next_timer(until))
        pump_posted();
    now_ = std::max(now_, until);
}

// ---------------------------------------------------------------- process

void SimDesktop::message_box(std::string_view text, std::string_view caption, MessageBoxKind)
{
    message_boxes_.push_back({std::string(text), std::string(caption)});
}

void SimDesktop::quit(int exit_code)
{
    if (!quit_code_)
        quit_code_ = exit_code;
}

void SimDesktop::install_library(std::string name, SimLibrary library) { libraries_[std::move(name)] = std::move(library); }

void SimDesktop::remove_library(std::string_view name)
{
    if (auto it = libraries_.find(name); it != libraries_.end())
        libraries_.erase(it);
}

bool SimDesktop::library_loaded(std::string_view name) const
{
    return std::any_of(loaded_.begin(), loaded_.end(), [&](const auto& entry) { return entry.second == name; });
}

SimLibrary SimDesktop::hook_library()
{
    SimLibrary lib;
    lib.entries["SetHookmo"] = [this](const std::vector<std::intptr_t>& args) {
        mouse_hook_ = args.size() > 1 && args[1] != 0;
    };
    lib.entries["SetHookkb"] = [this](const std::vector<std::intptr_t>& args) {
        keyboard_hook_ = args.size() > 1 && args[1] != 0;
    };
    return lib;
}

LibraryId SimDesktop::load_library(std::string_view file_name)
{
    if (libraries_.find(file_name) == libraries_.end())
        return 0;
    const LibraryId id = next_library_++;
    loaded_[id] = std::string(file_name);
    return id;
}

EntryPoint SimDesktop::entry_point(LibraryId id, std::string_view name)
{
    auto loaded = loaded_.find(id);
    if (loaded == loaded_.end())
        return {};
    auto lib = libraries_.find(loaded->second);
    if (lib == libraries_.end())
        return {};
    auto entry = lib->second.entries.find(name);
    return entry == lib->second.entries.end() ? EntryPoint{} : entry->second;
}

void SimDesktop::free_library(LibraryId id) { loaded_.erase(id); }

bool SimDesktop::start_program(std::string_view path, Visibility v)
{
    started_.emplace_back(std::string(path), v);
    return true;
}

bool SimDesktop::open_address(std::string_view url)
{
    if (!is_web_address(url))
        return false;
    opened_.emplace_back(url);
    return true;
}

std::optional<std::uint32_t> SimDesktop::choose_colour(std::uint32_t)
{
    ++colour_dialogs_;
    if (colour_answers.empty())
        return std::nullopt;
    auto answer = colour_answers.front();
    colour_answers.pop_front();
    return answer;
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

// ---------------------------------------------------------------- files

std::optional<std::string> SimDesktop::read_file(std::string_view name) const
{
    auto it = files_.find(name);
    if (it == files_.end())
        return std::nullopt;
    return it->second;
}

bool SimDesktop::write_file_atomic(std::string_view name, std::string_view bytes)
{
    files_[std::string(name)] = std::string(bytes);
    return true;
}

void SimDesktop::remove_file(std::string_view name)
{
    if (auto it = files_.find(name); it != files_.end())
        files_.erase(it);
}

// ---- web views ----

WebViewId SimDesktop::create_web_view(Hwnd parent_window, const Rect& client, WebViewEvents* events)
{
    if (!web_views_available_ || !find(parent_window))
        return 0;
    const WebViewId id = next_web_view_++;
    web_views_[id] = SimWebView{parent_window, client, {}, {}, {}, true};
    web_view_events_[id] = events;
    return id;
}

SimWebView* SimDesktop::live_web_view(WebViewId id)
{
    auto it = web_views_.find(id);
    return it != web_views_.end() && it->second.alive ? &it->second : nullptr;
}

WebViewEvents* SimDesktop::web_view_events(WebViewId id) const
{
    auto it = web_view_events_.find(id);
    return it == web_view_events_.end() ? nullptr : it->second;
}

const SimWebView* SimDesktop::web_view(WebViewId id) const
{
    auto it = web_views_.find(id);
    return it == web_views_.end() ? nullptr : &it->second;
}

void SimDesktop::destroy_web_view(WebViewId id)
{
    if (SimWebView* view = live_web_view(id))
        view->alive = false;
    web_view_events_.erase(id);
}

void SimDesktop::end_web_views_of(Hwnd parent_window)
{
    for (auto& [id, view] : web_views_) {
        if (view.parent == parent_window)
            destroy_web_view(id);
    }
}

void SimDesktop::set_web_view_rect(WebViewId id, const Rect& client)
{
    if (SimWebView* view = live_web_view(id))
        view->rect = client;
}

void SimDesktop::navigate(WebViewId id, std::string_view url)
{
    if (SimWebView* view = live_web_view(id))
        view->navigations.emplace_back(url);
}

void SimDesktop::write_document(WebViewId id, std::string_view html)
{
    if (SimWebView* view = live_web_view(id))
        view->document.assign(html);
}

void SimDesktop::web_command(WebViewId id, WebCommand command)
{
    if (SimWebView* view = live_web_view(id))
        view->commands.push_back(command);
}

bool SimDesktop::fire_new_window(WebViewId id)
{
    bool cancel = false;
    if (WebViewEvents* events = web_view_events(id))
        events->on_new_window(cancel);
    return cancel;
}

void SimDesktop::fire_title_change(WebViewId id, std::string_view title)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_title_change(title);
}

void SimDesktop::fire_status_text(WebViewId id, std::string_view text)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_status_text_change(text);
}

void SimDesktop::fire_download_complete(WebViewId id)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_download_complete();
}

void SimDesktop::fire_document_complete(WebViewId id, std::string_view url)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_document_complete(url);
}

bool SimDesktop::fire_before_navigate(WebViewId id, std::string_view url)
{
    bool cancel = false;
    if (WebViewEvents* events = web_view_events(id))
        events->on_before_navigate(url, cancel);
    return cancel;
}

void SimDesktop::fire_navigate_complete(WebViewId id, std::string_view url)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_navigate_complete(url);
}

// ---- desktop toolbars ----

bool SimDesktop::register_app_bar(Hwnd h, std::uint32_t callback_message)
{
    if (!find(h))
        return false;
    auto [it, added] = app_bars_.try_emplace(h);
    if (added)
        it->second.callback_message = callback_message;
    return true;
}

void SimDesktop::place_app_bar(Hwnd h, AppBarEdge edge, const Rect& r)
{
    auto it = app_bars_.find(h);
    if (it == app_bars_.end() || !find(h))
        return;
    it->second.placed = true;
    it->second.edge = edge;
    it->second.rect = r;
    const Rect now = window_rect(h);
    set_window_rect(h, app_bar_window_rect(edge, r, {now.width(), now.height()}));
}

void SimDesktop::remove_app_bar(Hwnd h) { app_bars_.erase(h); }

std::optional<SimAppBar> SimDesktop::app_bar(Hwnd h) const
{
    auto it = app_bars_.find(h);
    return it == app_bars_.end() ? std::nullopt : std::optional<SimAppBar>(it->second);
}

} // namespace tv::sim
