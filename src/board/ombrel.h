// The form `ombrel`: the internal browser. Its 40 ms timer runs the wheel-mode
// engine; its lists hold the pointer's movement history.
#pragma once

#include "board/cells.h"
#include "board/tick_cost.h"
#include "ui/form.h"
#include "ui/web_view.h"

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
    ui::ListBox ListBox8;  // the address file "vyknewurl.txt" another program handed over (engine tick)
    ui::Panel Panel29;     // the pending address: the address box's text at each hand-over; read by no part
    ui::Panel Panel5;      // the navigation panel's title as the engine tick last read it
    ui::Button SpeedButton65; // the navigation layout: the navigation view fills the screen
    ui::Button SpeedButton68; // the help layout: the spare view fills the screen below the top bar
    // The most recently allocated page slot (0 to 59): the page slots count on
    // it; a hand-over without a request adds one, wrapping from above 59 to 1.
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

    // ---- the browser: page area, strips and the page panel `Panel3` ----
    // The page area is `PageControl1` above: its bounds are the area, its
    // items the pages' captions in order, its selection the active page; it is
    // never drawn (the pages' views are), so it takes no pointer from the panel.
    // Commands, clicked by the panel and from outside the browser:
    ui::Button Button1;       // open address: the text of `Edit1` (after a ";") in a new page slot
    ui::Button Button14;      // "退出": hide the browser form
    ui::Button cmdshowbrowser; // show the browser form over the screen; clicked by whoever opens the browser
    ui::Button cmdnewslot;    // a new, active page slot that no request fills (the "vyk://http" link)
    ui::Button cmdpages;      // the page switcher: rebuild the page list and open the panel centred
    ui::Button pagecheck;     // the mode engine's browser housekeeping: pop-up check, empty pages, strips
    ui::Edit Edit1;           // the address box; at start the first line of "url.txt" (address lists)
    ui::ListBox ListBox10;    // the personal address list "url.txt" (loaded at creation, saved at the end of the
                              // run); hidden until the address box or "转到" is touched
    ui::ListBox FileListBox1; // the favourites' file names; hidden until "收藏" is touched
    ui::Edit Edit6;           // the status text last reported by a page
    ui::Label Label1;         // the last status text that began with "http://"
    ui::Panel Panel44;        // diagnostic: a failed page in the list ("1"/"0"), "//", the number of lines
    ui::Panel Panel6;         // on the top bar: a release closes the active page (the page list stays)
    ui::Panel Panel8;         // the thin strip along the panel's top: pointing at it hides the panel
    ui::Panel Panel9;         // the small floating bar with `Panel10` and `Panel14`
    ui::Panel Panel10;        // "↑↓": the scroll pad (Page Down / Page Up in the window at x 990)
    ui::Panel Panel14;        // "O": opens the small page panel at the pointer
    ui::Button SpeedButton63; // "< >": back / forward
    ui::Button SpeedButton64; // "转到": go / search
    ui::Button SpeedButton1;  // "X": close the page / hide the panel
    ui::Button SpeedButton3;  // "收藏": favourites
    ui::Button SpeedButton67; // "导航": new page
    ui::Button SpeedButton2;  // "屏蔽" while pop-ups are blocked, "开放" while allowed
    ui::Button SpeedButton6;  // the page area's layout: full / framed
    ui::Button Button19;      // "保存": save the page / keep the address
    ui::Button Button22;      // "停止": stop / reload
    ui::Button Button21;      // " X": end the program
    ui::Button Button8;       // "__": hide the panel
    ui::Button Button38;      // the panel's anchor: the pointer goes there when the switcher opens
    ui::ListBox ListBox11;    // the pop-up check's scratch list: one line per page, non-empty for a pop-up
    ui::Button Button10;      // the help command: on the engine's next tick the strips are laid out and an address opens
    ui::Panel wheelmess;      // the wheel hint panel; away from the screen's top, opening an address frames the pages
    // The strips above and below the page area and the form's spare views.
    ui::WebView topStrip;
    ui::WebView bottomStrip;
    ui::WebView CppWebBrowser1;
    ui::WebView CppWebBrowser2;
    ui::WebView cweb;
    // The navigation layout's view (`SpeedButton65`), and the form's top bar
    // that the help and navigation layouts put their view below.
    ui::WebView CppWebBrowser6;
    ui::Panel Panel12;
};

// The ten samples "0" to "9" both movement lists start with.
std::vector<std::string> first_movement_samples();

} // namespace tv
