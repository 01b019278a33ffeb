// The form `lifeform`: the status and hint bar docked at the top of the
// desktop, and the home of many cells of the state board.
//
// Its caption is the mode-token cell the sibling browser reads: "mywheel" at
// start, a mode's token from the mode engine ("mywheeltask", "mywheel0",
// "mywheelslow", "mywheelquick"), "kk mywheel" while the three-speed wheel is off.
#pragma once

#include "ui/form.h"
#include "ui/web_view.h"

namespace tv {

class Tlifeform : public ui::Form {
public:
    Tlifeform(Platform&, ui::CellObserver*);
    ~Tlifeform() override;

    // The size the form is created with, until its bar heights size it.
    static constexpr int kFirstWidth = 64;
    static constexpr int kFirstHeight = 90;

    // The 100 ms status timer; the main loop switches it on with the mode engine.
    ui::Timer Timer1;
    // The 10 ms drag count, off at creation: "dt=" + count in `inputmode.dragmess`
    // while it runs, up to 100, then it stops by itself.
    ui::Timer Timer2;

    ui::Label Label1; // the mode cell: the wheel mode's name (mode engine; the wheel dispatch reads it)
    ui::Label Label4;
    ui::Label Label8; // the release title (settings line 6), written at start-up completion
    ui::Panel upmess;    // the wheel-up hint (mode engine)
    ui::Panel downmess;  // the wheel-down hint
    ui::Panel leftmess;  // the left-button hint
    ui::Panel rightmess; // the right-button hint
    ui::Panel status;    // the last notch's direction and action, e.g. "///..hh" (wheel dispatch)
    ui::Panel Panel20;   // Panel20 and windmess sit at (0, 0) of the bar
    ui::Panel windmess;
    ui::Panel Panel33; // the still counter (main loop)
    ui::Panel Panel34; // the main loop's diagnostics line
    ui::Panel Panel36; // a copy of the caption of `m3d` (main loop)
    ui::Panel Panel37; // a mirror of the form's caption (status timer)
    ui::Panel Panel38; // the last notch's direction + "..wwww" (wheel dispatch)
    ui::Panel Panel39; // the neighbourhood text of the last pop-up test (main loop)
    ui::Panel Panel10; // an address to open on the next left press (status timer)
    ui::Panel Panel24; // "ff cand" / "no cand": a candidate window of the phonetic input method
    ui::Panel Panel32; // the last status text of the web views: the address under the mouse
    ui::Panel Panel40; // the platform name
    ui::Panel easydragid; // "ctrl function" after a copy-and-search; a left press makes it "okctrl function"
    ui::Panel dragflag;   // "drag up" when the key pad's drag ended; "xx drag up" / "qq drag up" once handled
    ui::Panel srfboard; // the selection board
    ui::Panel srftip1;  // selection tips: srftip1 shows while the keyboard cell is not a "key--" one,
    ui::Panel srftip2;  // srftip2 and srftip3 while it is (input-method companion)
    ui::Panel srftip3;
    ui::Panel menutip;  // the menu keys, shown while a menu opened by the right button is up
    ui::Panel movebar;  // the move handle of the tiny bar; the bar's colour is the direction's
    ui::Button Button5; // "rbutton": the last right press inside the program's own windows;
                        // as a command it captures the mouse for the form
    ui::Button Button6; // releases the mouse
    ui::Panel Panel25;  // the auto bar; a click on it or on srfboard hides it
    ui::Panel mup;      // colour swatches: a click chooses their colour
    ui::Panel mdown;
    ui::Label Label9;   // ">>": pointing at it pops up the options menu
    ui::Image Image5;   // a press tells how many forms there are
    ui::Panel Panel26;         // "find tb" / "xx find tb": the taskbar toolbar is on screen (mode engine)
    ui::ListBox messlistold;   // the mode engine's diagnostic lines
    ui::ListBox ListBox7;      // the captions of `vykForm3`, newest first (status timer)
    ui::ListBox ListBox8;      // the captions of `vykForm4`, newest first (status timer)
    // The page-end probe (mode engine): "end--" or "not end--" + the probed row,
    // written only when it changes between the two; "okend--" once it stopped a scroll.
    ui::Panel Panel35;
    // The drag count `Timer2` last wrote; whoever switches `Timer2` on sets it
    // to 0 first, so the count starts again from 1.
    int drag_count = 0;

    ui::ListBox ListBox5; // the hint-bar template, one HTML line per item
    // The two web views: CppWebBrowser2 shows the hint bar, CppWebBrowser1 the
    // page below it.
    ui::WebView CppWebBrowser1;
    ui::WebView CppWebBrowser2;

    // Commands.
    ui::Button settopmess; // rebuild the hint bar from the template
    ui::Button Button1;    // large bar
    ui::Button smallbar;   // middle bar
    ui::Button tinybar;    // small bar
    ui::Button nobar;      // no width, off the desktop toolbar
    ui::Button Button3;    // off the desktop toolbar
    ui::Button resetomb;   // the form back in a normal state near the lower left corner

    // Shown while an input method is active (blind selection, every tick).
    ui::Panel inputmess;

    // How often the input hook's watchdog set a hook again after the system
    // removed it: "hook recoveries: mouse N, keyboard N" (status timer).
    ui::Panel hookwatch;
    // What the program stands aside for ("已暂停", "全屏程序", "排除 " + the
    // listed name), shown at the bar's left end while it does (stand-aside check).
    ui::Panel asidemess;
};

} // namespace tv
