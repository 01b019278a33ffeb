// The form `ombrel`: internal browser and wheel-mode engine.
#pragma once

#include "core/app_form.h"
#include "mouse/auto_scroll_state.h"
#include "core/tick_cost.h"
#include "mouse/mode_engine.h"

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

    // The edge indicator: a green bar at the right screen edge while the last
    // selecting movement was vertical, with the blue mark `hbar` inside.
    ui::Panel Pan25;
    ui::Panel hbar;
    ui::Panel Panel3;      // the navigation panel: while shown the wheel turns the browser's pages
    ui::Panel oldrightpos; // its position: the last right press, the anchor of an automatic scroll

    // The right-button dispatch, clicked at the start of every mode-engine
    // tick. Hand-over: the super right-click fills its click handler; until
    // then the click does nothing.
    ui::Button right2;
    // Automatic scrolling of the page under the pointer, clicked by the wheel
    // dispatch in the auto wheel over a web page. Hand-over: automatic
    // scrolling fills their click handlers; until then a click does nothing.
    ui::Button scrollup;
    ui::Button scrolldown;

    AutoScroll auto_scroll = AutoScroll::Idle;
    ModeEngine mode_engine;
    TickCost mode_engine_cost;

private:
    void mode_engine_tick();
};

} // namespace tv
