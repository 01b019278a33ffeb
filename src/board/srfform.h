// The form `srfForm`: the input-method picker. Its caption is the Esc latch:
// the input hook writes "esc down" when the user presses Esc, and the main
// loop's next tick consumes it ("esc ok"), so an Esc tap shorter than a tick
// still opens the escape menu (the hook's contract, hook/hook_contract.h).
//
// The picker lists the installed input methods with their icons; the arrow
// keys and Space, or a press on an entry, switch the keyboard layout. It is
// created parked, lists at once and takes the icons 100 ms later; the main
// loop shows it on "key--show ime"; the user closes it by its close box or Esc.
#pragma once

#include "ui/form.h"

namespace tv {

class TsrfForm : public ui::Form {
public:
    TsrfForm(Platform&, ui::CellObserver*);

    // One entry per installed input method: its description and its module's icon.
    ui::ListView ListView1;
    ui::ListBox ListBox4; // the entries' descriptions, in the list view's order; a press switches too
    ui::ListBox ListBox1; // the entries' module file names ("PINTLGNT.IME")
    ui::Edit Memo1;       // Space typed here lists the input methods again
    ui::Button Button1;   // list the input methods again
    ui::Button Button2;   // take the entries' icons again
    ui::Panel Panel1;     // the selected entry's index (keys in the list view)
    ui::Panel Panel3;     // the selected entry's caption
    // A marker the main loop moves to the foreground window's corner (+3, +3)
    // as it opens the picker: where the user was typing.
    ui::Panel oldp;
    ui::Timer Timer1; // 100 ms after listing, once: the icons
    // The forms' windows have no frame, so the picker carries its own close
    // box at the top right; a click on it hides the picker.
    ui::Label closebox;

    static constexpr int kWidth = 300;
    static constexpr int kHeight = 480;
    static constexpr int kItemHeight = 16;
};

} // namespace tv
