// The form `lifeform`: the status and hint bar at the top of the desktop and
// the home of many cells of the state board.
//
// Its behaviour lives beside it, one file per behaviour: the bar heights and
// the desktop toolbar (bar_heights.cpp), the hint bar and the rules of the two
// web views (hint_views.cpp), the application's right-press filter
// (right_press_filter.cpp), the 100 ms status timer (status_timer.cpp, with
// the drag results in drag_results.cpp) and the small commands and pointer
// handlers (lifeform_commands.cpp).
#pragma once

#include "core/app_form.h"
#include "statusbar/status_timer.h"
#include "ui/web_view.h"

namespace tv {

// Whether a bar height shows the move handle `movebar`.
enum class MoveHandle { Hidden, Shown };

class Tlifeform : public AppForm {
public:
    explicit Tlifeform(App&);
    ~Tlifeform() override;

    // The 100 ms status timer; the main loop switches it on with the mode engine.
    ui::Timer Timer1;
    // The 10 ms drag count, off at creation: "dt=" + count in `inputmode.dragmess`
    // while it runs, up to 100, then it stops by itself.
    ui::Timer Timer2;

    ui::Label Label1; // the wheel mode name
    ui::Label Label4;
    ui::Label Label8; // the title
    ui::Panel upmess;
    ui::Panel downmess;
    ui::Panel leftmess;
    ui::Panel rightmess;
    ui::Panel status;
    ui::Panel Panel20;
    ui::Panel windmess;
    ui::Panel Panel33;
    ui::Panel Panel34;
    ui::Panel Panel36;
    ui::Panel Panel37; // a mirror of the form's caption
    ui::Panel Panel38;
    ui::Panel Panel39;
    ui::Panel Panel10; // an address to open
    ui::Panel Panel24; // "ff cand" / "no cand": a candidate window of the phonetic input method
    ui::Panel Panel32; // the last status text of the web views: the address under the mouse
    ui::Panel Panel40; // the platform name
    ui::Panel easydragid;
    ui::Panel dragflag;
    ui::Panel srfboard; // the selection board
    ui::Panel srftip1;
    ui::Panel srftip2;
    ui::Panel srftip3;
    ui::Panel menutip;  // the menu keys, shown while a menu opened by the right button is up
    ui::Panel movebar;  // the move handle of the tiny bar
    ui::Button Button5; // "rbutton": the last right press inside the program's own windows;
                        // as a command it captures the mouse for the form
    ui::Button Button6; // releases the mouse
    ui::Panel Panel25;
    ui::Panel mup;      // colour swatches: a click chooses their colour
    ui::Panel mdown;
    ui::Label Label9;   // ">>": pointing at it pops up the options menu
    ui::Image Image5;   // a press tells how many forms there are
    ui::Panel Panel26;         // "find tb" / "xx find tb": the taskbar toolbar is on screen
    ui::ListBox messlistold;   // the mode engine's diagnostic lines
    ui::ListBox ListBox7;      // the captions of `vykForm3`, newest first
    ui::ListBox ListBox8;      // the captions of `vykForm4`, newest first

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

    // The application's message filter: true when the message is handled and
    // must not reach the form it was meant for.
    bool application_message(MouseButton, ButtonAction);

private:
    // Creation.
    void place_panels();
    void open_pages();
    std::string program_folder() const;

    // Bar heights and the desktop toolbar.
    void large_bar();
    void set_bar_height(int height, MoveHandle);
    void dock_at_top();
    void no_bar();
    void undock();

    // The hint bar and the two web views.
    void wire_web_view(ui::WebView&);
    void rebuild_hint_bar();
    void show_hint_labels();
    void status_text_changed(std::string_view text);
    void new_window_requested(bool& cancel);

    // The small commands and pointer handlers (lifeform_commands.cpp).
    void wire_small_commands();
    void count_drag();
    void restore_near_corner();
    void choose_swatch_colour(ui::Control& swatch);
    void pop_up_options_menu();
    void show_form_count();

    int drag_count_ = 0;

    StatusTimer status_timer_;
};

} // namespace tv
