// The start command of `regform`: its 30 ms timer runs it once, after every
// form exists. It creates the right quick menu and the navigation panel
// parked, gives the status bar its first words and the options form its help
// page, and from then on keeps the browser form parked while `regform` is not.
#pragma once

#include "core/app.h"

namespace tv {

class StartCommand {
public:
    explicit StartCommand(App& app) : app_(app) {}

    // `regform.Timer1`.
    void tick();
    // `regform.cmdstart`.
    void run();

private:
    // Hand-over: the options form's help page (its own web view) comes with the
    // tray and shell form; until then the form keeps its place and state.
    void show_options_help() {}

    App& app_;
    bool started_ = false;
};

} // namespace tv
