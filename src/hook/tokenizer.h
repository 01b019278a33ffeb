// The input hook's tokenizer: raw key and mouse events in, state-board tokens out.
//
// Pure code, shared by wrhk.dll (fed by the low-level hooks) and by the simulated
// desktop (fed by the scenario's raw input), so one piece of code turns events
// into tokens everywhere. It knows nothing of windows: it says which cell gets
// which token, and whether the event goes on to the applications.
//
// The mapping (one row per rule; a cell is the caption of the form named):
//
//   event                                  cell        token
//   -------------------------------------  ----------  ----------------------------------
//   left Alt down (first, not repeats)     pyoil       "18down"
//   left Alt up                            pyoil       "old--18up"
//   right Alt down / up                    pyoil       "old--18..0" / "old--18..2"
//   Windows key down (left or right) / up  pyoil       "91down" / "old--91..2"
//   Shift down (first) / up                pyoil       "old--16down" / "old--16up"
//   Caps Lock down (first) / up            pyoil       "old--20..0" / "old--20up" (the press
//                                                      parts two releases in the history)
//   Ctrl tapped alone, released            pyoil       "old--17up", or "old--17up2" when it is
//                                                      the second lone tap within 400 ms
//   letter A-Z, digit 0-9, Space down      pyoil       "key--" + code
//   any other key down / up                pyoil       "old--" + code + "..0" / "..2"
//   Esc down (first, not repeats)          srfForm     "esc down" (kEscapePressed), after the
//                                                      pyoil token above
//   (Ctrl down, letter/digit/Space up, auto-repeats of
//    modifiers and of non-character keys: no token)
//
//   left/right/middle button down          vykForm3    "down/" + button + "//" + x + "," + y
//                                                      (button: "left", "right", "middle")
//   left button down, editing keys on      pyoil       "old--ret" first (kLeavesEditKeyboard)
//   wheel notch                            vykForm3    "ystop wheel=///" up, "ystop wheel=..." down,
//                                                      then "mdown" when the middle button was
//                                                      pressed since the last notch or other
//                                                      button press (kNotchAfterMiddlePress)
//   right button up                        vykForm3    "rightup"
//                                          escmenu     "rbuttonup"
//   left or middle button up               escmenu     "buttonup"
//   middle button up                       vykForm4    "mkeyscroll"
//   move                                   (none: the program samples the cursor itself)
//
// Standing aside (kStandAsideKeys, kStandAsideButtons of SetHookKeys): the
// events they name pass untouched and give no token; the tokenizer is still fed
// them with no state, so it knows what is held (hook_contract.h).
//
// The keys the program gives another meaning: SetHookKeys publishes its key
// flags (kSelectionKeys, kEditingKeys, kInputMethodActive); while the key
// mouse pad is open the pad's own rules below win and none of this applies.
// A key "sent instead" is kept from the applications (press, repeats and
// release) and the hook sends the other key in its place, tagged as the
// program's own input, once per press and per auto-repeat. The maps are
// searched in this order; the first one in force that has the key wins.
//
// Selection keys (kSelectionKeys: a candidate selection is going on in an
// input method), the maps "A1 S2 D3 F4 G5 Q6 W7 E8 R9 T0 H← U上页 J下页 M← L→"
// and "H=回删 J=下页 U=上页 N=返回 L=← ;=→":
//
//   key            sent instead     token on the press    token on the release
//   -------------  ---------------  --------------------  --------------------
//   A S D F G      1 2 3 4 5        "key--49" ... "53"    "old--wr"
//   Q W E R T      6 7 8 9 0        "key--54" ... "48"    "old--wr"
//   H              Backspace        "key--72"             -
//   J / U          Page Down / Up   "key--74" / "key--85" -
//   L / M          Left             "key--76" / "key--77" -
//   ;              Right            "key--ttkeep"         "key--baup"
//   N              nothing          "old--78..0"          -
//   Enter          nothing          "old--keepok"         -
//   Space          (passes)         "key--wr32"           "old--32..2"
//
// Editing keys (kEditingKeys: the edit keyboard is on), the map "N 退出 H删除
// B按下<Shift> J下页 U上页 I↑ K↓ L← ;→ V粘贴 Z撤消" and, with Shift held by it,
// "C复制 X剪切". The program answers the "key--" command tokens (copy, paste,
// cut, undo, Shift) and leaves the mode on "old--78ret":
//
//   key            sent instead     token on the press    token on the release
//   -------------  ---------------  --------------------  --------------------
//   N              nothing          "old--78ret"          -
//   H              Backspace        "old--8..0"           "old--xx"
//   J / U          Page Down / Up   "old--34..0" / "33"   "old--xx"
//   I / K          Up / Down        "old--38..0" / "40"   "old--xx"
//   L / ;          Left / Right     "old--37..0" / "key--kx186"  "old--xx"
//   B              nothing          -                     "key--shiftdown"
//   C / V          nothing          "key--ctrlc" / "key--ctrlv"  -
//   X / Z          nothing          "key--ctrlx" / "key--ctrlz"  -
//
// Every other key types normally in both maps. "old--xx" never enters the key
// history: it only moves the cell off the press token.
//
// With an input method active (kInputMethodActive) and the pad closed, for the
// keys no map took:
//
//   ; down / up                            pyoil       "key--ttkeep" / "key--baup" (two
//                                                      presses read "key--baup", "key--ttkeep"
//                                                      twice in the history, however short)
//   Space up                               pyoil       "old--32..2"
//   Enter up while the user holds Shift    pyoil       "old--retxx"
//   Esc down (first)                       pyoil       "old--qq" (the Esc latch as always)
//
// The input-method picker: Caps Lock pressed while the user holds Shift is kept
// (press and release: the Caps Lock light does not change, and the history gets
// no "old--20up"); the release of that Shift gives "key--show ime" instead of
// "old--16up". In every mode, the pad's too.
//
// The notch's suffix tells the wheel dispatch that an application may be
// scrolling by the middle button the user pressed; the direction stays at byte
// 13 and the token still starts with "ystop wheel=". Only the notch that
// follows the press carries it: a second notch, or a left or right press in
// between, clears it (the first notch's middle clicks ended that scrolling).
// The Esc token is a latch: it stays in its cell until the main loop's next tick
// consumes it, so a tap shorter than one tick still counts (hook_contract.h).
//
// Pass or keep (suppress): everything passes, except
//   - the right button's press and release while the right button belongs to
//     the wheel mode (the caption of `inputmode` is "myright"); the
//     right-button dispatch acts instead of the application's context menu.
//     The release always gets its press's verdict;
//   - while the keyboard mouse pad is open, the user's presses of the pad's
//     keys (kept_while_pad_open: A-Z, Space, ;) and their releases: the pad
//     acts on them and the application in front must not type them. Their
//     tokens are the same as with the pad closed. A program's keys
//     (`injected`) always pass. A release is kept only when no press of its
//     hold passed, so an application that saw a key go down also sees it go
//     up, and a key held across the pad's closing passes from its next press.
//     While a kept key is down, kept_held() says so: the system's key state
//     never saw it, and the pad still reads it as held.
// How the hook reads that state and delivers the tokens: hook_contract.h.
//
// The program's own synthetic input (tagged with kOwnInputTag in the event's
// extra information) produces no token and always passes: the keys and clicks
// the program sends must not come back as the user's gestures (its own Ctrl+C
// would read as a Ctrl tap, its own wheel notch would be dispatched again).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv::hook {

// dwExtraInfo of every key and mouse event the program itself sends ("TVKS").
inline constexpr std::uintptr_t kOwnInputTag = 0x54564B53;

enum class Cell { Pyoil, VykForm3, Escmenu, VykForm4, SrfForm };

// The suffix of a notch's token after a middle press (see the table).
inline constexpr std::string_view kNotchAfterMiddlePress = "mdown";
// The Esc latch (the caption of `srfForm`): the hook writes it on an Esc press.
inline constexpr std::string_view kEscapePressed = "esc down";

// The window class that holds each cell, found by FindWindow.
const char* cell_class(Cell);

struct Delivery {
    Cell cell;
    std::string token;
    friend bool operator==(const Delivery&, const Delivery&) = default;
};

enum class Verdict { Pass, Suppress };

// One key event the hook sends in place of a kept key (a press or a release).
struct Stroke {
    int vk = 0;
    bool down = true;
    friend bool operator==(const Stroke&, const Stroke&) = default;
};

struct Output {
    std::vector<Delivery> deliveries;
    Verdict verdict = Verdict::Pass;
    std::vector<Stroke> sends; // sent after the event, as the program's own input
};

// The key flags of SetHookKeys (see the table).
inline constexpr int kSelectionKeys = 1;    // letters select candidates
inline constexpr int kEditingKeys = 2;      // letters are the edit keyboard's keys
inline constexpr int kInputMethodActive = 4; // an input method is active in front
inline constexpr int kStandAsideKeys = 8;     // every key passes untouched, no token (hook_contract.h)
inline constexpr int kStandAsideButtons = 16; // every button and notch passes untouched, no token
// The token of the picker gesture (Shift held, Caps Lock).
inline constexpr std::string_view kShowPicker = "key--show ime";
// A left press while the editing keys are on: the edit keyboard ends, however
// short the click (the main loop's own test of the button reads it only while
// it is down at a tick).
inline constexpr std::string_view kLeavesEditKeyboard = "old--ret";

enum class RawKind { KeyDown, KeyUp, ButtonDown, ButtonUp, Wheel, Move };
enum class RawButton { None, Left, Right, Middle };

// One event as a low-level hook sees it. Virtual-key codes are the
// left/right-specific ones where Windows reports them (VK_LMENU 164, ...).
struct RawEvent {
    RawKind kind = RawKind::Move;
    int vk = 0;                       // keys
    RawButton button = RawButton::None; // buttons
    int wheel_delta = 0;              // wheel: positive is away from the user (up)
    int x = 0, y = 0;                 // pointer, screen coordinates
    std::uint64_t time_ms = 0;
    bool own = false;                 // carries kOwnInputTag
    bool injected = false;            // sent by a program (LLKHF_INJECTED); own input is injected too
};

// What the program publishes for the hook to read.
struct HookState {
    bool right_button_owned = false; // the caption of `inputmode` is "myright"
    bool pad_open = false;           // the keyboard mouse pad is open (SetHookPad)
    int key_flags = 0;               // kSelectionKeys | kEditingKeys | kInputMethodActive (SetHookKeys)
};

// The keys the hook keeps from the applications while the pad is open.
bool kept_while_pad_open(int vk);

class Tokenizer {
public:
    Output feed(const RawEvent&, const HookState&);
    // `vk` is down and every press of this hold was kept from the applications.
    bool kept_held(int vk) const;

private:
    Verdict key_verdict(const RawEvent&, const HookState&);
    Output key_down(const RawEvent&, const HookState&);
    Output key_up(const RawEvent&, const HookState&);
    bool translated(const RawEvent&, const HookState&, Output&);
    bool picker_chord(const RawEvent&, Output&);
    bool user_shift_held() const;
    Output button(const RawEvent&, const HookState&);
    Output notch(const RawEvent&);

    std::uint32_t held_[8] = {}; // keys currently down, one bit per code (auto-repeat filter)
    std::uint32_t passed_[8] = {}; // keys down of which a press reached the applications
    bool lone_ctrl_ = false;       // Ctrl is down and no other key came since
    std::uint64_t last_ctrl_tap_ms_ = 0;
    bool last_ctrl_tap_was_second_ = true;
    bool right_suppressed_ = false; // the verdict of the last right press
    bool middle_pressed_ = false;   // since the last notch or other button press
    // Which map kept each held key (0: none; a kept key's release reads its press's row).
    std::uint8_t kept_by_[256] = {};
    bool picker_chord_ = false;     // Caps Lock came while the user held Shift
};

} // namespace tv::hook
