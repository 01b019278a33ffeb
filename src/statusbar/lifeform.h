// The form `lifeform`: the status and hint bar at the top of the desktop and
// the home of many cells of the state board.
#pragma once

#include "core/app_form.h"
#include "ui/web_view.h"

namespace tv {

class Tlifeform : public AppForm {
public:
    explicit Tlifeform(App&);

    // The 100 ms status timer; the main loop switches it on with the mode engine.
    ui::Timer Timer1;

    ui::Label Label1; // the wheel mode name
    ui::Label Label4;
    ui::Label Label8; // the title
    ui::Panel upmess;
    ui::Panel downmess;
    ui::Panel leftmess;
    ui::Panel rightmess;
    ui::Panel status;
    ui::Panel Panel33;
    ui::Panel Panel34;
    ui::Panel Panel36;
    ui::Panel Panel38;
    ui::Panel Panel39;
    ui::Panel easydragid;
    ui::Panel dragflag;
    ui::Panel srfboard; // the selection board
    ui::Panel movebar;  // the move handle of the tiny bar
    ui::Button Button5;
    ui::Button Button6;
    ui::Panel Panel26;         // "find tb" / "xx find tb": the taskbar toolbar is on screen
    ui::ListBox messlistold;   // the mode engine's diagnostic lines

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

private:
    void status_tick();
    void rebuild_hint_bar();
    void set_bar_height(int height, bool handle_shown);
};

} // namespace tv
