// The form `regform`: holder of the program folder, the settings list and the
// command channel to the sibling browser. Its caption is the channel's outbox
// and inbox: the program writes commands ("newpos", "vyknewurl=...", ...), the
// sibling writes requests ("filecmd=...") that the main loop answers.
#pragma once

#include "ui/form.h"

namespace tv {

class Tregform : public ui::Form {
public:
    Tregform(Platform&, ui::CellObserver*);

    ui::Edit oldpath;     // the program folder, with a trailing backslash
    ui::ListBox ListBox2; // the settings list at run time, loaded from "发行软件.txt" at creation
    ui::Edit dy;          // the automatic scroll's speed in pixels (settings line 9)
    ui::Button cmdstart;  // the start command: the quick menu and navigation panel created, the bar's first words

    ui::Edit fx;          // the navigation page's address (settings line 1), set when the list loads
    // The settings file was there but could not be read at start (locked,
    // no access): this run never writes it, so the user's lines are not
    // replaced by defaults. Set by the settings list's loading.
    bool settings_unreadable = false;

    // The web button's last start of the sibling browser failed (no "ombrel.exe"
    // beside the program): addresses for it go to the default browser instead.
    // Set by the sibling channel when it starts or finds the sibling.
    bool sibling_missing = false;

    ui::Timer Timer1; // 30 ms, on from creation: runs the start command once and keeps the browser form parked
};

} // namespace tv
