// The form `rqmenu`: the right quick menu. Its caption is a cell the mode
// engine writes from the keys held: "32tt" (Shift, or Space after Shift),
// "xx32tt" (a letter).
#pragma once

#include "ui/form.h"

namespace tv {

class Trqmenu : public ui::Form {
public:
    Trqmenu(Platform&, ui::CellObserver*);

    ui::ListBox ListBox2; // the installed keyboard layouts (`pyoil.getsrf`)
    // Lines 0 to 3 the classes around the pointer while line 4 reads "test";
    // line 5 the class under the pointer (mode engine, every tick).
    ui::ListBox ListBox1;
    ui::Panel srfsel;   // "ready" (Shift), "start" (then Space), "end" (a letter)
    ui::Button Button5; // a copy of the caption
};

} // namespace tv
