// The form `modeform`: the edit keyboard's bar, "编辑键盘" and its key map.
//
// Caption: the edit-mode cell. "key--cap" while the edit keyboard is on (the
// input hook then makes the letters editing keys), "old--cap" when it is off;
// after a command "old--ctrlcok", "old--ctrlvok", "old--ctrlxok",
// "old--ctrlzok", "key--cok", "key--shiftdownok". The edit keyboard (main
// loop) writes it; the main loop writes "old--cap" when the left button goes
// down; the main form reads it for the hook's key flags.
//
// The bar is 482 wide, 24 high, or 48 while the edit keyboard holds Shift down
// for a selection (the second line, `Label3`, then shows). Off, it waits at
// left = screen width + 10.
#pragma once

#include "ui/form.h"

namespace tv {

class Tmodeform : public ui::Form {
public:
    Tmodeform(Platform&, ui::CellObserver*);

    ui::Label Label1; // "编辑键盘"
    ui::Label Label2; // the key map; pointing at it puts the bar away (edit keyboard)
    ui::Label Label3; // the key map while Shift is held (second line)
};

} // namespace tv
