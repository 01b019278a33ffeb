// SimDesktop: the cursor and key state, raw user input (through the hook when
// it is on, then to the program's windows) and the synthetic input the program
// sends, which is logged and fed back through the hook as Windows would.
#include "platform/sim/sim_desktop.h"

#include "hook/hook_contract.h"
#include "platform/keys.h"
#include "platform/monitors.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tv::sim {
namespace {


int button_vk(MouseButton b)
{
    switch (b) {
    case MouseButton::Left: return vk::kLButton;
    case MouseButton::Right: return vk::kRButton;
    case MouseButton::Middle: return vk::kMButton;
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
        return vk::kShift;
    if (vk == 162 || vk == 163)
        return vk::kCtrl;
    if (vk == 164 || vk == 165)
        return vk::kAlt;
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

// The simulated desktop's side of the hook contract: the caption and the cells
// are its own windows' titles, set at once.
class SimHookDesk final : public hook::HookDesk {
public:
    explicit SimHookDesk(SimDesktop& desktop) : desktop_(desktop) {}

    std::string state_caption() override { return desktop_.title(desktop_.find_window(hook::kStateWindowClass)); }

    void deliver(hook::Cell cell, std::string_view token) override { desktop_.hand_over(cell, token); }

    bool pad_open() override { return desktop_.hook_pad_open(); }

    int key_flags() override { return desktop_.hook_key_flags(); }
    int stand_aside_flags() override { return desktop_.hook_key_flags(); }

    // Sent once the event is through (feed_hook), as wrhk.dll sends them once
    // its callback has returned.
    void send_keys(const std::vector<hook::Stroke>& strokes) override
    {
        sends.insert(sends.end(), strokes.begin(), strokes.end());
    }

    std::vector<hook::Stroke> sends;

private:
    SimDesktop& desktop_;
};

} // namespace

std::string InputRecord::describe() const
{
    char text[96];
    if (kind == Kind::Key)
        std::snprintf(text, sizeof text, "key %d %s", vk, action == KeyAction::Down ? "down" : "up");
    else if (mouse == MouseInput::Wheel)
        std::snprintf(text, sizeof text, "mouse wheel %d at %d,%d", data, at.x, at.y);
    else if (mouse == MouseInput::Move)
        std::snprintf(text, sizeof text, "mouse move by %d,%d at %d,%d", by.x, by.y, at.x, at.y);
    else
        std::snprintf(text, sizeof text, "mouse %s at %d,%d", mouse_name(mouse), at.x, at.y);
    return text;
}

// The system's key state, or a key the hook keeps from the applications and
// the program asks the hook about (HookKeyHeld).
bool SimDesktop::key_down(int vk) const
{
    if (vk < 0 || vk >= 256)
        return false;
    return down_[static_cast<std::size_t>(vk)] || (keyboard_hook_ && tokenizer_.kept_held(vk));
}

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
    const bool toggles = vk == vk::kCapsLock || vk == vk::kNumLock || vk == vk::kScrollLock;
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
    last_input_ms_ = now_;
    const bool is_key = e.kind == hook::RawKind::KeyDown || e.kind == hook::RawKind::KeyUp;
    const hook::HookKind kind = is_key ? hook::HookKind::Keyboard : hook::HookKind::Mouse;
    if (!(is_key ? keyboard_hook_ : mouse_hook_) || hook_dropped(kind))
        return;
    hook_watchdog_.heard(kind, now_);
    SimHookDesk desk(*this);
    const hook::Verdict verdict = hook::handle(tokenizer_, e, desk);
    for (const hook::Stroke& stroke : desk.sends)
        send_key(stroke.vk, stroke.down ? KeyAction::Down : KeyAction::Up);
    last_verdict_ = verdict;
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

// A key the hook keeps reaches neither the system's key state nor any window.
bool SimDesktop::user_key_passes(int vk, KeyAction a)
{
    hook::RawEvent e = raw(a == KeyAction::Down ? hook::RawKind::KeyDown : hook::RawKind::KeyUp);
    e.vk = vk;
    last_verdict_ = hook::Verdict::Pass;
    feed_hook(e);
    const bool passes = last_verdict_ == hook::Verdict::Pass;
    if (passes || a == KeyAction::Up)
        set_key(vk, a == KeyAction::Down);
    if (!passes)
        return false;
    if (a == KeyAction::Down && take_hot_key(vk))
        return true;
    received_keys_.push_back({foreground_, vk, a});
    if (Window* w = find(foreground_); w && w->events)
        w->events->on_key(vk, a);
    return true;
}

void SimDesktop::user_key(int vk, KeyAction a) { user_key_passes(vk, a); }

void SimDesktop::user_type(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = static_cast<unsigned char>(text[i]) >= 0x81 && i + 1 < text.size() ? 2 : 1;
        const std::string_view character = text.substr(i, length);
        const int vk = character == "\b" ? 8 : length == 1 ? std::toupper(static_cast<unsigned char>(character[0])) : 229;
        const bool passes = user_key_passes(vk, KeyAction::Down);
        if (Window* w = find(foreground_); passes && w && w->events)
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
    e.injected = true;
    last_verdict_ = hook::Verdict::Pass;
    feed_hook(e);
    if (last_verdict_ == hook::Verdict::Pass)
        received_keys_.push_back({foreground_, vk, a});
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
    e.injected = true;
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

// The pointer moves by exactly (dx, dy), staying on the screen: logged where it
// starts, seen by the hook as the program's own move, and told to the
// program's window under it.
void SimDesktop::move_cursor_by(int dx, int dy)
{
    InputRecord r;
    r.kind = InputRecord::Kind::Mouse;
    r.mouse = MouseInput::Move;
    r.by = {dx, dy};
    record(r);
    set_cursor_pos({cursor_.x + dx, cursor_.y + dy});
    hook::RawEvent e = raw(hook::RawKind::Move);
    e.own = true;
    e.injected = true;
    feed_hook(e);
    if (Window* w = find(own_window_at(cursor_))) {
        const Point o = origin(own_window_at(cursor_));
        w->events->on_mouse_move({cursor_.x - o.x, cursor_.y - o.y});
    }
}

std::optional<std::uint32_t> SimDesktop::screen_pixel(Point p) const
{
    const std::vector<Monitor> all = monitors();
    if (std::none_of(all.begin(), all.end(), [p](const Monitor& m) { return m.rect.contains(p); }))
        return std::nullopt;
    const auto painted = painted_.find({p.x, p.y});
    return painted != painted_.end() ? painted->second : screen_colour_;
}

void SimDesktop::set_cursor_pos(Point p)
{
    // The pointer stays on the monitor nearest to where it was sent.
    const Rect r = monitor_at(*this, p).rect;
    cursor_ = {std::clamp(p.x, r.left, std::max(r.left, r.right - 1)), std::clamp(p.y, r.top, std::max(r.top, r.bottom - 1))};
}

std::vector<Monitor> SimDesktop::monitors() const
{
    if (!monitors_.empty())
        return monitors_;
    return Platform::monitors();
}

void SimDesktop::forget_records()
{
    input_log_.clear();
    received_keys_.clear();
    message_boxes_.clear();
    posted_wheels_.clear();
    posted_closes_.clear();
    started_with_arguments_.clear();
    opened_.clear();
    opened_files_.clear();
    menus_.clear();
    for (auto& [id, view] : web_views_) {
        view.navigations.clear();
        view.commands.clear();
    }
}

} // namespace tv::sim

namespace tv::sim {

// ---- the hook's token hand-over and its watchdog (hook/token_handover.h,
// hook/hook_watchdog.h) ----

void SimDesktop::hand_over(hook::Cell cell, std::string_view token)
{
    last_hook_ticket_ = hook_tokens_.put(cell, token);
    post_hook_ticket(find_window(hook::cell_class(cell)), last_hook_ticket_);
}

// The window's own side: only a window that holds a cell takes a token.
void SimDesktop::post_hook_ticket(Hwnd h, std::uint64_t ticket)
{
    const std::optional<hook::Cell> cell = hook::cell_of_class(class_name(h));
    if (!cell)
        return;
    if (std::optional<std::string> token = hook_tokens_.take(ticket, *cell))
        set_title(h, *token);
}

void SimDesktop::drop_hook(hook::HookKind kind) { hook_dropped_[kind == hook::HookKind::Mouse ? 0 : 1] = true; }

// The library's side of its entry points: a hook switched on is a fresh one,
// and the watchdog's check runs from the first one on.
void SimDesktop::switch_hook(hook::HookKind kind, bool on)
{
    (kind == hook::HookKind::Mouse ? mouse_hook_ : keyboard_hook_) = on;
    hook_dropped_[kind == hook::HookKind::Mouse ? 0 : 1] = false;
    if (on)
        hook_watchdog_.installed(kind, now_);
    else
        hook_watchdog_.switched_off(kind);
    if (on && !hook_watchdog_timer_)
        hook_watchdog_timer_ = start_timer(static_cast<int>(hook::HookWatchdog::kCheckPeriodMs), [this] { watch_hooks(); });
}

// A probe is input like any other; a live hook hears it and keeps it, so it
// reaches no window and the input log never shows it.
void SimDesktop::watch_hooks()
{
    for (hook::HookKind kind : {hook::HookKind::Mouse, hook::HookKind::Keyboard}) {
        switch (hook_watchdog_.check(kind, now_, last_input_ms_)) {
        case hook::HookWatchdog::Step::Nothing: break;
        case hook::HookWatchdog::Step::Probe:
            last_input_ms_ = now_;
            if (!hook_dropped(kind))
                hook_watchdog_.heard(kind, now_);
            break;
        case hook::HookWatchdog::Step::Reinstall:
            hook_dropped_[kind == hook::HookKind::Mouse ? 0 : 1] = false;
            hook_watchdog_.installed(kind, now_);
            break;
        }
    }
}

Platform::HookRecoveries SimDesktop::hook_recoveries() const
{
    if (!library_loaded("wrhk.dll"))
        return {};
    return {hook_watchdog_.recoveries(hook::HookKind::Mouse), hook_watchdog_.recoveries(hook::HookKind::Keyboard)};
}

} // namespace tv::sim
