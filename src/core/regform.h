// The form `regform`: holder of the program folder (`oldpath`), the settings
// list (`ListBox2`) and the command cell in its caption, the outbox and inbox
// of the sibling browser. Its 30 ms timer runs the start command once.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tregform : public AppForm {
public:
    explicit Tregform(App&);

    ui::Edit oldpath;   // the program folder, with a trailing backslash
    ui::ListBox ListBox2; // the settings list
    ui::Edit dy;        // auto-scroll speed in pixels
    ui::Button cmdstart;

private:
    void start_tick();
    void cmdstart_click();

    ui::Timer Timer1;
    bool started_ = false;
};

} // namespace tv
