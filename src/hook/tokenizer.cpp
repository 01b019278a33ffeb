#include "hook/tokenizer.h"

#include "platform/keys.h"

#include <cstdio>
#include <span>

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

Output one(Cell cell, std::string token) { return Output{{Delivery{cell, std::move(token)}}, Verdict::Pass, {}}; }

bool bit(const std::uint32_t (&bits)[8], int vk) { return (bits[vk / 32] & (1u << (vk % 32))) != 0; }
void set_bit(std::uint32_t (&bits)[8], int vk, bool on)
{
    if (on)
        bits[vk / 32] |= 1u << (vk % 32);
    else
        bits[vk / 32] &= ~(1u << (vk % 32));
}

std::string key_event_token(int vk, int state) { return "old--" + std::to_string(vk) + ".." + std::to_string(state); }

// One row of a key map (tokenizer.h): the key, the key sent instead (0: none),
// whether the key itself still reaches the applications, and its tokens.
struct KeyRow {
    int vk;
    int sends;
    bool passes;
    std::string_view press;
    std::string_view release;
};

using vk::kBack, vk::kDown, vk::kEnter, vk::kLeft, vk::kPageDown, vk::kPageUp, vk::kRight, vk::kSemicolon, vk::kUp;

constexpr KeyRow kSelectionMap[] = {
    {'A', '1', false, "key--49", "old--wr"}, {'S', '2', false, "key--50", "old--wr"},
    {'D', '3', false, "key--51", "old--wr"}, {'F', '4', false, "key--52", "old--wr"},
    {'G', '5', false, "key--53", "old--wr"}, {'Q', '6', false, "key--54", "old--wr"},
    {'W', '7', false, "key--55", "old--wr"}, {'E', '8', false, "key--56", "old--wr"},
    {'R', '9', false, "key--57", "old--wr"}, {'T', '0', false, "key--48", "old--wr"},
    {'H', kBack, false, "key--72", ""},      {'J', kPageDown, false, "key--74", ""},
    {'U', kPageUp, false, "key--85", ""},    {'L', kLeft, false, "key--76", ""},
    {'M', kLeft, false, "key--77", ""},      {kSemicolon, kRight, false, "key--ttkeep", "key--baup"},
    {'N', 0, false, "old--78..0", ""},       {kEnter, 0, false, "old--keepok", ""},
    {kSpace, 0, true, "key--wr32", "old--32..2"},
};

constexpr KeyRow kEditingMap[] = {
    {'N', 0, false, "old--78ret", ""},
    {'H', kBack, false, "old--8..0", "old--xx"},
    {'J', kPageDown, false, "old--34..0", "old--xx"},
    {'U', kPageUp, false, "old--33..0", "old--xx"},
    {'I', kUp, false, "old--38..0", "old--xx"},
    {'K', kDown, false, "old--40..0", "old--xx"},
    {'L', kLeft, false, "old--37..0", "old--xx"},
    {kSemicolon, kRight, false, "key--kx186", "old--xx"},
    {'B', 0, false, "", "key--shiftdown"},
    {'C', 0, false, "key--ctrlc", ""},
    {'V', 0, false, "key--ctrlv", ""},
    {'X', 0, false, "key--ctrlx", ""},
    {'Z', 0, false, "key--ctrlz", ""},
};

struct KeyMap {
    int flag;
    std::span<const KeyRow> rows;
};

// kept_by_ holds the map's index + 1; the picker's Caps Lock has its own mark.
constexpr KeyMap kMaps[] = {{kSelectionKeys, kSelectionMap}, {kEditingKeys, kEditingMap}};
constexpr std::uint8_t kKeptByPicker = 100;

const KeyRow* row_of(std::span<const KeyRow> rows, int vk)
{
    for (const KeyRow& row : rows)
        if (row.vk == vk)
            return &row;
    return nullptr;
}

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
        Output out;
        if (picker_chord(e, out) || translated(e, state, out))
            return out;
        const Verdict verdict = key_verdict(e, state);
        out = e.kind == RawKind::KeyDown ? key_down(e, state) : key_up(e, state);
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

bool Tokenizer::user_shift_held() const
{
    return bit(held_, kShift) || bit(held_, kLShift) || bit(held_, kRShift);
}

// Caps Lock while the user holds Shift: kept, press and release, without a
// token; the Shift release names the picker (key_up).
bool Tokenizer::picker_chord(const RawEvent& e, Output& out)
{
    const int vk = e.vk & 0xFF;
    if (vk != kCapsLock || e.injected)
        return false;
    if (e.kind == RawKind::KeyDown) {
        if (!user_shift_held() && kept_by_[vk] != kKeptByPicker)
            return false;
        picker_chord_ = true;
        set_bit(held_, vk, true);
        set_bit(passed_, vk, false);
        kept_by_[vk] = kKeptByPicker;
    } else {
        if (kept_by_[vk] != kKeptByPicker)
            return false;
        set_bit(held_, vk, false);
        kept_by_[vk] = 0;
    }
    lone_ctrl_ = false;
    out.verdict = Verdict::Suppress;
    return true;
}

// A key one of the maps in force takes (tokenizer.h): its tokens, the key sent
// instead, and the verdict, which its release shares. A key whose hold began
// before the map took over stays the application's until it is released.
bool Tokenizer::translated(const RawEvent& e, const HookState& state, Output& out)
{
    const int vk = e.vk & 0xFF;
    if (e.injected)
        return false;
    if (e.kind == RawKind::KeyUp) {
        const std::uint8_t by = kept_by_[vk];
        if (by == 0 || by > std::size(kMaps))
            return false;
        const KeyRow* row = row_of(kMaps[by - 1].rows, vk);
        out.verdict = bit(passed_, vk) ? Verdict::Pass : Verdict::Suppress;
        if (row && !row->release.empty())
            out.deliveries.push_back({Cell::Pyoil, std::string(row->release)});
        set_bit(held_, vk, false);
        set_bit(passed_, vk, false);
        kept_by_[vk] = 0;
        return true;
    }
    if (state.pad_open || (bit(held_, vk) && kept_by_[vk] == 0))
        return false;
    for (std::size_t m = 0; m < std::size(kMaps); ++m) {
        const KeyRow* row = (state.key_flags & kMaps[m].flag) != 0 ? row_of(kMaps[m].rows, vk) : nullptr;
        if (!row)
            continue;
        set_bit(held_, vk, true);
        set_bit(passed_, vk, row->passes);
        kept_by_[vk] = static_cast<std::uint8_t>(m + 1);
        lone_ctrl_ = false;
        out.verdict = row->passes ? Verdict::Pass : Verdict::Suppress;
        if (!row->press.empty())
            out.deliveries.push_back({Cell::Pyoil, std::string(row->press)});
        if (row->sends != 0)
            out.sends = {{row->sends, true}, {row->sends, false}};
        return true;
    }
    return false;
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

Output Tokenizer::key_down(const RawEvent& e, const HookState& state)
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
    const bool input_method = (state.key_flags & kInputMethodActive) != 0 && !state.pad_open;
    if (input_method && vk == kSemicolon)
        return one(Cell::Pyoil, "key--ttkeep");
    Output out = one(Cell::Pyoil, input_method && vk == kEscape ? "old--qq" : key_event_token(vk, 0));
    if (vk == kEscape)
        out.deliveries.push_back({Cell::SrfForm, std::string(kEscapePressed)});
    return out;
}

Output Tokenizer::key_up(const RawEvent& e, const HookState& state)
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
    const bool input_method = (state.key_flags & kInputMethodActive) != 0 && !state.pad_open;
    if (vk == kSpace && input_method)
        return one(Cell::Pyoil, key_event_token(kSpace, 2));
    if (is_character_key(vk))
        return {};
    if (is_windows_key(vk))
        return one(Cell::Pyoil, key_event_token(vk::kLWin, 2));
    if (is_left_alt(vk))
        return one(Cell::Pyoil, "old--18up");
    if (vk == kRAlt)
        return one(Cell::Pyoil, key_event_token(kAlt, 2));
    if (is_shift(vk)) {
        const bool picker = picker_chord_ && !user_shift_held();
        if (picker)
            picker_chord_ = false;
        return one(Cell::Pyoil, picker ? std::string(kShowPicker) : "old--16up");
    }
    if (input_method && vk == kSemicolon)
        return one(Cell::Pyoil, "key--baup");
    if (input_method && vk == kEnter && user_shift_held())
        return one(Cell::Pyoil, "old--retxx");
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
        if (e.button == RawButton::Left && (state.key_flags & kEditingKeys) != 0)
            out.deliveries.push_back({Cell::Pyoil, std::string(kLeavesEditKeyboard)});
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
