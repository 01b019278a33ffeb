// The edit keyboard: while it is on, the input hook makes letters editing keys
// (the map on the bar `modeform`: N leaves, H deletes, B holds Shift down for a
// selection, J/U page, I/K/L/; move the caret, C/V/X/Z copy, paste, cut, undo).
//
// Caps Lock released twice turns it on with the keyboard mouse pad (the pad's
// opening); while the pad is open its keys are the pad's, and the bar waits
// off the screen. Caps Lock closes the pad and leaves the edit keyboard on: the
// letters are then its keys, the bar shows them, and N, a left click, copy or
// paste end it. The main loop runs rules() once per tick, before the key
// history takes the keyboard-event cell:
//   - the hook's command tokens in the keyboard-event cell:
//       "key--ctrlc"/"key--ctrlv": the cells `kxm.Panel4`, `kxm.Panel18`, the
//         caption of `modeform` and the keyboard-event cell read
//         "old--ctrlcok"/"old--ctrlvok", Ctrl+C/Ctrl+V goes to the window in
//         front, and the edit keyboard is left;
//       "key--ctrlx"/"key--ctrlz": the three cells "old--ctrlxok"/"old--ctrlzok",
//         Ctrl+X/Ctrl+Z, then "key--cok": the edit keyboard stays on;
//       "key--shiftdown" (B released) while B is not held: "key--shiftdownok";
//         Shift goes down and the bar is 48 high, or, if Shift is down, up and 24;
//       "old--78ret" (N) or "old--ret" (the hook's word for a left press):
//         the edit keyboard is left, the keyboard-event cell reads "old--newch";
//       "key--78" (N while the key pad has the letters, which closes the pad):
//         the same;
//   - the bar goes back to 24 high when Shift is up;
//   - "old--cap" in the caption of `modeform` while the bar is out: the three
//     cells read "old--cap" and the bar goes off the screen;
//   - while on ("key--cap" in `kxm.Panel4`) with the pad closed, any "old--"
//     token of the hook but Caps Lock's and N's becomes "key--mode//"; with the Microsoft Pinyin input
//     method and a blind state other than 1 the rest of the tick is skipped.
// Whenever the edit keyboard is left, a Shift it holds down is released.
// The mode is on while the caption of `modeform` starts with "key--" ("key--cap",
// "key--cok", "key--shiftdownok").
#pragma once

#include "core/app.h"

#include <string_view>

namespace tv {

class EditKeyboard {
public:
    explicit EditKeyboard(App&);

    // False when the rest of the tick is skipped.
    bool rules();
    // Caps Lock released twice turned the edit keyboard on.
    void entered();
    // The left button is down (the main loop has written "old--cap"): a Shift
    // the edit keyboard holds goes up.
    void left_button_down();
    // The pointer is over the bar's key map: the bar and the main form get out
    // of the way.
    void key_map_pointed();

    // On: the caption of `modeform` starts with "key--".
    static bool on(App&);

private:
    bool command_tokens();
    void copy_or_paste(std::string_view done, int letter);
    void cut_or_undo(std::string_view done, int letter);
    void toggle_shift();
    void leave();
    void release_shift();
    void leave_by_cell();
    bool hook_tokens_while_on();
    void place_bar();
    void set_cells(std::string_view token, bool with_keyboard_cell = true);
    int parked_left() const;

    App& app_;
    Platform& platform_;
    bool holds_shift_ = false; // Shift is down because "key--shiftdown" pressed it
    bool bar_wanted_ = false;  // the bar is to come up once the pad is closed
};

} // namespace tv
