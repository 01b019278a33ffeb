#include "hook/tokenizer.h"

#include "platform/keys.h"

#include <cstdio>

namespace tv::hook {
namespace {

using vk::kAlt, vk::kCapsLock, vk::kCtrl, vk::kEscape, vk::kShift, vk::kSpace;
using vk::kLWin, vk::kRWin;
using vk::kLAlt, vk::kLCtrl, vk::kLShift, vk::kRAlt, vk::kRCtrl, vk::kRShift;
constexpr std::uint64_t kDoubleCtrlWindowMs = 400;

bool is_shift(int vk) { return vk == kShift || vk == kLShift || vk == kRShift; }
bool is_ctrl(int vk) { return vk == kCtrl || vk == kLCtrl || vk == kRCtrl; }
bool is_left_alt(int vk) { return vk == kAlt || vk == kLAlt; }
bool is_windows_key(int vk) { return vk == kLWin || vk == kRWin; }
bool is_character_key(int vk) { return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == kSpace; }

Output one(Cell cell, std::string token) { return Output{{Delivery{cell, std::move(token)}}, Verdict::Pass}; }

bool bit(const std::uint32_t (&bits)[8], int vk) { return (bits[vk / 32] & (1u << (vk % 32))) != 0; }
void set_bit(std::uint32_t (&bits)[8], int vk, bool on)
{
    if (on)
        bits[vk / 32] |= 1u << (vk % 32);
    else
        bits[vk / 32] &= ~(1u << (vk % 32));
}

std::string key_event_token(int vk, int state) { return "old--" + std::to_string(vk) + ".." + std::to_string(state); }

const char* button_name(RawButton b)
{
    switch (b) {
    case RawButton::Left: return "left";
    case RawButton::Right: return "right";
    case RawButton::Middle: return "middle";
    case RawButton::None: break;
    }
    return "none";
}

} // namespace

const char* cell_class(Cell cell)
{
    switch (cell) {
    case Cell::Pyoil: return "Tpyoil";
    case Cell::VykForm3: return "TvykForm3";
    case Cell::Escmenu: return "Tescmenu";
    case Cell::VykForm4: return "TvykForm4";
    case Cell::SrfForm: return "TsrfForm";
    }
    return "";
}

bool kept_while_pad_open(int vk) { return (vk >= 'A' && vk <= 'Z') || vk == kSpace || vk == vk::kSemicolon; }

Output Tokenizer::feed(const RawEvent& e, const HookState& state)
{
    if (e.own)
        return {};
    switch (e.kind) {
    case RawKind::KeyDown:
    case RawKind::KeyUp: {
        const Verdict verdict = key_verdict(e, state);
        Output out = e.kind == RawKind::KeyDown ? key_down(e) : key_up(e);
        out.verdict = verdict;
        return out;
    }
    case RawKind::ButtonDown:
    case RawKind::ButtonUp: return button(e, state);
    case RawKind::Wheel: return notch(e);
    case RawKind::Move: break;
    }
    return {};
}

bool Tokenizer::kept_held(int vk) const
{
    return vk >= 0 && vk < 256 && bit(held_, vk) && !bit(passed_, vk);
}

// Reads the key's hold before key_down or key_up records the event.
Verdict Tokenizer::key_verdict(const RawEvent& e, const HookState& state)
{
    const int vk = e.vk & 0xFF;
    if (e.kind == RawKind::KeyUp) {
        const bool kept = kept_held(vk);
        set_bit(passed_, vk, false);
        return kept ? Verdict::Suppress : Verdict::Pass;
    }
    if (!bit(held_, vk))
        set_bit(passed_, vk, false); // a new hold
    if (state.pad_open && !e.injected && kept_while_pad_open(vk))
        return Verdict::Suppress;
    set_bit(passed_, vk, true);
    return Verdict::Pass;
}

Output Tokenizer::key_down(const RawEvent& e)
{
    const int vk = e.vk & 0xFF;
    const bool repeat = held_[vk / 32] & (1u << (vk % 32));
    held_[vk / 32] |= 1u << (vk % 32);

    if (is_ctrl(vk)) {
        if (!repeat)
            lone_ctrl_ = true;
        return {};
    }
    lone_ctrl_ = false;
    if (is_character_key(vk))
        return one(Cell::Pyoil, "key--" + std::to_string(vk));
    if (repeat)
        return {};
    if (is_left_alt(vk))
        return one(Cell::Pyoil, "18down");
    if (vk == kRAlt)
        return one(Cell::Pyoil, key_event_token(kAlt, 0));
    if (is_windows_key(vk))
        return one(Cell::Pyoil, "91down");
    if (is_shift(vk))
        return one(Cell::Pyoil, "old--16down");
    Output out = one(Cell::Pyoil, key_event_token(vk, 0));
    if (vk == kEscape)
        out.deliveries.push_back({Cell::SrfForm, std::string(kEscapePressed)});
    return out;
}

Output Tokenizer::key_up(const RawEvent& e)
{
    const int vk = e.vk & 0xFF;
    held_[vk / 32] &= ~(1u << (vk % 32));

    if (is_ctrl(vk)) {
        if (!lone_ctrl_)
            return {};
        lone_ctrl_ = false;
        const bool second = !last_ctrl_tap_was_second_ && e.time_ms - last_ctrl_tap_ms_ <= kDoubleCtrlWindowMs;
        last_ctrl_tap_ms_ = e.time_ms;
        last_ctrl_tap_was_second_ = second;
        return one(Cell::Pyoil, second ? "old--17up2" : "old--17up");
    }
    lone_ctrl_ = false;
    if (is_character_key(vk) || is_windows_key(vk))
        return {};
    if (is_left_alt(vk))
        return one(Cell::Pyoil, "old--18up");
    if (vk == kRAlt)
        return one(Cell::Pyoil, key_event_token(kAlt, 2));
    if (is_shift(vk))
        return one(Cell::Pyoil, "old--16up");
    if (vk == kCapsLock)
        return one(Cell::Pyoil, "old--20up");
    return one(Cell::Pyoil, key_event_token(vk, 2));
}

Output Tokenizer::notch(const RawEvent& e)
{
    std::string token = e.wheel_delta > 0 ? "ystop wheel=///" : "ystop wheel=...";
    if (middle_pressed_)
        token += kNotchAfterMiddlePress;
    middle_pressed_ = false;
    return one(Cell::VykForm3, std::move(token));
}

Output Tokenizer::button(const RawEvent& e, const HookState& state)
{
    lone_ctrl_ = false;
    Output out;
    const bool right = e.button == RawButton::Right;
    if (e.kind == RawKind::ButtonDown) {
        middle_pressed_ = e.button == RawButton::Middle;
        char where[48];
        std::snprintf(where, sizeof where, "//%d,%d", e.x, e.y);
        out.deliveries.push_back({Cell::VykForm3, std::string("down/") + button_name(e.button) + where});
    } else if (right) {
        out.deliveries.push_back({Cell::VykForm3, "rightup"});
        out.deliveries.push_back({Cell::Escmenu, "rbuttonup"});
    } else {
        out.deliveries.push_back({Cell::Escmenu, "buttonup"});
        if (e.button == RawButton::Middle)
            out.deliveries.push_back({Cell::VykForm4, "mkeyscroll"});
    }
    // The release follows its press, so the application never sees half a click.
    if (right && e.kind == RawKind::ButtonDown)
        right_suppressed_ = state.right_button_owned;
    if (right && right_suppressed_)
        out.verdict = Verdict::Suppress;
    return out;
}

} // namespace tv::hook
