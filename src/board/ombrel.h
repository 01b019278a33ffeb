// The form `ombrel`: the internal browser. Its 40 ms timer runs the wheel-mode
// engine; its lists hold the pointer's movement history.
#pragma once

#include "board/cells.h"
#include "board/tick_cost.h"
#include "ui/form.h"

namespace tv {

// A wheel scroll `cmdautoscroll` left to the hook component (`ombrel.pending_wheel_scroll`):
// the pointer it remembered and the top and bottom of the window under it.
struct PendingWheelScroll {
    bool set = false;
    Point at;
    int top = 0;
    int bottom = 0;
};

class Tombrel : public ui::Form {
public:
    Tombrel(Platform&, ui::CellObserver*);
    // Runs `on_destroy` while the controls still exist: the run's end.
    ~Tombrel() override;

    // The mode engine's 40 ms timer; the main loop switches it on, the settings form off while open.
    ui::Timer Timer1;

    ui::Button Button41; // "返回" once the start command ran: the edge bar may be placed
    ui::Panel rtmenu;    // the right menu: while shown (left > 0) the mode is kept
    ui::Panel rflag;     // the right quick menu's flag ("xx right menu"); not written yet
    ui::Panel midmess;   // "mdown sys" when a middle press is prepared for the hook (cmdautoscroll); read outside
    // The movement history, newest first: x in LBox2, y in LBox3 (mode engine).
    ui::ListBox LBox2;
    ui::ListBox LBox3;
    // Commands of automatic scrolling and the browser pages, clicked from outside
    // the program: their captions are their names.
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

    // The right-button dispatch (the super right-click), clicked at the start
    // of every mode-engine tick.
    ui::Button right2;
    // Automatic scrolling of the page under the pointer, clicked by the wheel
    // dispatch in the auto wheel over a web page; automatic scrolling will be bound to them.
    ui::Button scrollup;
    ui::Button scrolldown;

    ui::Panel Panel41; // the automatic scroll's speed: "//" or "--//" + the speed (automatic scrolling)
    ui::Panel Panel39; // "pgup" once `cmddown` ran; read by no part yet
    // The browser's page list: the selected item is the chosen page; `cmdautoscroll` turns it.
    ui::ListBox ListBox1;
    // The browser's pages, one item each; the selected item is the active page
    // (`cmdautoscroll`, `cmdwindowselect`; the pages themselves are the browser's).
    ui::ListBox PageControl1;
    ui::Label Label33; // the page index before `cmdwindowselect`, "/" and the page count
    ui::Panel Panel23; // the hint line at the foot of the page panel
    ui::Button wfocus; // focus the active page; clicked when a pending wheel scroll completes; not bound yet

    AutoScroll auto_scroll = AutoScroll::Idle;
    // The last selecting movement was vertical: the edge indicator `Pan25`
    // shows (mode engine); `cmdup`/`cmddown` clear it beside a plain window.
    bool edge_flag = false;
    // Set by `cmdautoscroll` for the hook component, which presses the middle
    // button; the mode engine completes it at the next left press.
    PendingWheelScroll pending_wheel_scroll;
    // Quick commands: a click on `vykxcmd` runs the one `kxmm.Button1` names; a
    // click on `mmenu` opens the menu bar of the window under the task list.
    // `cmdlist` holds "function.txt" (loaded at creation): which commands are enabled.
    ui::Button vykxcmd;
    ui::Button mmenu;
    ui::ListBox cmdlist;
    ui::Panel oldwindowtitle; // the title of the window in front at the last super right-click

    // The address box and the address lists of the page panel, and the
    // commands the address commands click (the browser form binds them).
    ui::Edit Edit1;        // the address box; at start the first line of "url.txt" (address lists)
    ui::ListBox ListBox10; // the personal address list: "url.txt", loaded at creation, saved at the end of the run
    ui::ListBox ListBox8;  // the address file "vyknewurl.txt" another program handed over (engine tick)
    ui::Panel Panel29;     // the pending address: the address box's text at each hand-over; read by no part
    ui::Panel Panel5;      // the navigation panel's title as the engine tick last read it
    ui::Button Button1;    // open address: a new page for the address box's text
    ui::Button Button14;   // hide the browser
    ui::Button SpeedButton65; // the navigation layout: the navigation view fills the screen
    ui::Button SpeedButton68; // the help layout: the spare view fills the screen below the top bar
    ui::Button newslot;    // allocate a page slot for no request ("vyk://http")
    // The most recently allocated page slot (0 to 59). A hand-over without a
    // request adds one, wrapping from above 59 to 1.
    int slotPos = 0;
    std::function<void()> on_destroy; // the run's end: the personal address list is saved

    // The return window: the window in front at the last super right-click or
    // left press outside the program's own forms (right-button dispatch); the
    // quick commands "返回" and "关闭" return to it, `mmenu` sets it.
    Hwnd return_window = 0;
    // Where the right button was last pressed, or released for a super
    // right-click (right-button dispatch); `oldrightpos` is moved there too.
    Point right_press;
    TickCost mode_engine_cost; // what the mode engine's ticks cost, for the diagnostics dump
};

// The ten samples "0" to "9" both movement lists start with.
std::vector<std::string> first_movement_samples();

} // namespace tv
