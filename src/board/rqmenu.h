// The form `rqmenu`: the right quick menu. Its caption is a cell the mode
// engine writes from the keys held: "32tt" (Shift, or Space after Shift),
// "xx32tt" (a letter).
#pragma once

#include "ui/form.h"

namespace tv {

class Trqmenu : public ui::Form {
public:
    Trqmenu(Platform&, ui::CellObserver*);

    // The background panels: moving onto them (or the form) parks the menu and returns;
    // they come first, so the items lie on top of them.
    ui::Panel Panel1;
    ui::Panel Panel3;
    // The installed keyboard layouts, in the system's order (`pyoil.getsrf`):
    // an input method's description, or "英文输入法"; a press activates one.
    ui::ListBox ListBox2;
    // Lines 0 to 3 the classes around the pointer while line 4 reads "test";
    // line 5 the class under the pointer (mode engine, every tick).
    ui::ListBox ListBox1;
    ui::Panel srfsel;   // "ready" (Shift), "start" (then Space), "end" (a letter); a click folds the menu
    ui::Button Button5; // a copy of the caption; a click refreshes the layout list
    ui::Image Image6;  // back
    ui::Label Label12; // the wheel's name: "三速滚轮" after back

    static constexpr int kItemHeight = 16;
};

} // namespace tv
