// The form `vykForm3`: the navigation and favourites panel. Its caption is the
// mouse-event cell: the input hook writes "down/BUTTON//x,y", "ystop wheel=///"
// or "ystop wheel=..." (then "mdown" after a middle press), "rightup"; the wheel dispatch consumes a notch (""),
// the status timer answers "rightup ok" ("xx right"), the drag results spoil
// it ("xx search"); the sibling browser reads it ("vykcmdshowie").
#pragma once

#include "ui/form.h"
#include "ui/web_view.h"

namespace tv {

class TvykForm3 : public ui::Form {
public:
    TvykForm3(Platform&, ui::CellObserver*);

    ui::Panel Panel1;    // the pointer position, x "//" y (mode engine)
    ui::Panel hbar;      // shown in the auto wheel
    ui::Panel pagecmd;   // shown in the quick wheel: the wheel pages
    ui::Panel scrollcmd; // shown in the auto wheel: the wheel scrolls
    // Marks `cmdvykform3proc` moves on each "next": the marker climbs 40 pixels
    // (below 100 back to 299); by where `Button2` stands, `vleft` moves left or
    // `ttop` and `tbot` move up.
    ui::Image Image9;
    ui::Button Button2;
    ui::Panel vleft;
    ui::Panel ttop;
    ui::Panel tbot;
    // The address box (design text "输入新网址"): Enter sends its text to the
    // sibling; also an address the sibling handed over ("url=...") at a
    // task-wheel right release, and the panel's acknowledgements ("down-- ok").
    ui::Edit Edit2;
    ui::Button Button7;  // its caption: the home address (settings line 2), set once per run by the right button
    ui::WebView CppWebBrowser3; // the panel's page view
    ui::Button setlike;  // the favourites' command; the quick command "任务" clicks it

    // The panel's own face (shown at 100, 100, 700 x 500 by the escape menu).
    // The form's bare body is its main area: hovering it writes "old--xxpop"
    // into the caption of `m3d`, pressing it opens the task manager.
    ui::Panel Panel13;      // the top bar
    ui::Panel Panel14;      // "×" on the top bar: hover goes to the task bar
    ui::Panel Panel15;      // the bar left of the favourites: a right press closes every page of the sibling
    // The favourites: file names of the user's favourites folder
    // (`favourites_folder`), filled by `setlike`; hover selects, a press or
    // Enter sends the chosen favourite's address to the sibling browser.
    ui::ListBox FileListBox1;
    ui::Label Label13;      // "导航-----": hover hides the sibling and goes to the task bar
    ui::Label Label22;      // "全部关闭": hover or press closes every page of the sibling
    ui::Label Label16;      // "开始": the panel's hint line
    ui::Panel Panel16;      // "×" at the foot: hover goes to the task bar
    ui::Button Button4;     // "next": outbox "vyknext"
    ui::Button Button5;     // "prev": outbox "vykprev"
    ui::ListBox ListBox3;   // the lines of the favourite file last read
    // The folder `FileListBox1` lists (the desktop folder's parent + "\Favorites");
    // empty until `setlike` ran or when the shell knows no desktop folder.
    std::string favourites_folder;
    static constexpr int kItemHeight = 16; // one line of `FileListBox1`

private:
    void lay_out();
};

} // namespace tv
