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
    ui::Edit Edit2;      // an address the sibling browser handed over ("url=...") at a task-wheel right release
    ui::Button Button7;  // its caption: the home address (settings line 2), set once per run by the right button
    ui::WebView CppWebBrowser3; // the panel's page view
    ui::Button setlike;  // the favourites' command; the quick command "任务" clicks it
};

} // namespace tv
