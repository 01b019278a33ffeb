// The main form `pyoil`: owner of the input hook library, of the main loop's
// timers and of the keyboard-event cell.
//
// It stays hidden for the whole run. Its pictures shape its window (cyan-keyed
// pixels are cut away).
#pragma once

#include "board/tick_cost.h"
#include "ui/form.h"

#include <string_view>

namespace tv {

class Tpyoil : public ui::Form {
public:
    Tpyoil(Platform&, ui::CellObserver*);

    // Caption: the keyboard-event cell. The input hook writes the key tokens
    // ("key--65", "old--18up", ...); the main loop reads it into the key
    // history and overwrites it ("old--cap", "old--move", ...).

    ui::Image Image1; // the form's outline
    ui::Image Image3; // the overlay whose cut pixels `dispall` removes
    ui::Image Image4;    // a small plain picture; releasing it or Image1 closes (non-left) or folds the form
    ui::Label Label2; // the fuchsia start label; the main loop moves it away
    ui::Label Label4; // pressing it or Label7 moves the form and the key pad off the screen
    ui::Label Label5;
    ui::Label Label7; // command-line argument 1; "auto" ends the first tick early, then "ok auto"

    // Input-method composition classes; the chosen one is copied into Panel6.
    ui::ListBox ListBox3;
    ui::ListBox ListBox4; // installed input methods (`getsrf`, with `rqmenu.ListBox2`)
    ui::ListBox LBox2;    // the still counter's two position slots "x,y"
    ui::Panel Panel1;
    // The screen search's echo: "ff " + Panel1 after a hit in the last column
    // probed, "---- " otherwise; "---- " + Panel1 when a key arrives while this
    // form is not in front.
    ui::Panel Panel3;
    ui::Panel Panel6; // the composition class chosen in ListBox3
    ui::Panel Panel8; // the keyboard-event cell as the main loop last read it
    ui::Panel Panel9; // the same
    ui::Panel ddstr;  // "tt1" while a menu is open (main loop); shown in the diagnostics

    // Hidden command buttons other forms run.
    ui::Button dispall;  // shape the window by the overlay
    ui::Button Button2;  // shape by the outline, hide and park
    ui::Button getsrf;   // refresh the installed input methods (input-method companion; not bound yet)
    ui::Button srftt;    // switch the keyboard hook by `FormMain.srfbl`
    ui::Button sbtt;     // switch the mouse hook by `FormMain.sbbl`
    ui::Button padtt;    // tell the input hook whether the key pad is open (`kxm.Timer1` running); the pad clicks it
    ui::Button inputhz;  // input-method companion command; not bound yet
    ui::Button easydrag; // start an easy drag
    ui::Button Button1;  // close the program

    ui::Timer Timer1; // the main loop, 50 ms; the settings form stops it while open
    ui::Timer Timer2; // the still counter, 100 ms

    // Caption: "ctrlclick--ok" once a super right-click took a right release (right-button dispatch).
    ui::Panel ctrlmess;

    // The blind candidate selection's cells.
    // The latch list: not empty while the selection keys stay on (continuous
    // selection). ; adds "key--", a recording search adds the composition
    // window's class; N, the left button and a key while this form is not in
    // front clear it.
    ui::ListBox ListBox5;
    ui::Panel Panel7; // the composition window as last found: visible, enabled, handle, class, rectangle

    TickCost main_loop_cost; // what the main loop's ticks cost, for the diagnostics dump

    // Tell the input hook what the letters are now (selection keys, editing
    // keys, an input method active) when that changed; the main loop clicks it
    // at the end of every tick.
    ui::Button keystt;

    // Standing aside (the stand-aside check, `Timer3`, every 50 ms). While
    // paused, while a full-screen program runs, or while the window in front
    // or under the pointer belongs to a program on the exclusion list, the
    // input hook lets the events through untouched and gives no tokens.
    ui::Timer Timer3;    // the stand-aside check, 50 ms; switched on when the form is wired
    ui::Panel asideflags; // the hook's stand-aside flags in decimal ("0", "8", "16", "24"); `keystt` adds them
    // Why the program stands aside: "" (it acts), "pause", "full screen",
    // "exclude " + the listed name matched. "pause" and "full screen" stop
    // every timer that sends input (the main loop, the mode engine, the pads).
    ui::Panel asidewhy;
    static constexpr std::string_view kAsideFullScreen = "full screen";
    ui::Button pausett;  // command: pause, or resume when paused (the tray item and the hot key click it)
};

} // namespace tv
