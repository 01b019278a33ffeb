// The form `ombrel`: internal browser and wheel-mode engine.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tombrel : public AppForm {
public:
    explicit Tombrel(App&);

    ui::Button Button41;
    ui::Panel rtmenu;
    ui::Panel rflag;
    ui::Panel midmess;
    ui::ListBox LBox2;
    ui::ListBox LBox3;
    ui::Button cmdup;
    ui::Button cmddown;
    ui::Button cmdautoscroll;
    ui::Button cmdwindowselect;
    ui::Button cmdvykform3proc;
};

} // namespace tv
