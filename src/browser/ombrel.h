// The form `ombrel`: internal browser and wheel-mode engine.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tombrel : public AppForm {
public:
    explicit Tombrel(App&);

    // The mode engine's 40 ms timer; the main loop switches it on.
    ui::Timer Timer1;

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

private:
    void mode_engine_tick();
};

} // namespace tv
