// The form `taskform`: the task manager. While it is shown over a hidden
// navigation panel the main loop leaves the mode engine as it is; a shown task
// form at start-up takes the options form's place.
#pragma once

#include "ui/form.h"

namespace tv {

class Ttaskform : public ui::Form {
public:
    Ttaskform(Platform&, ui::CellObserver*);

    ui::Button pf4; // the web button: brings up or starts the sibling browser
    ui::Button pf9; // ends the program
    // The window under the last right press: its title and class (right-button dispatch).
    ui::Panel windtitle;
    ui::Panel windclass;
    ui::Panel pftip; // what "关闭" would close, written by the quick command "任务"
    // Foreground cycling through the task list (the task manager binds them;
    // the keyboard mouse pad's T and P click them).
    ui::Button nexttask;
    ui::Button prevtask;
};

} // namespace tv
