// The form `kxm`: keyboard mouse pad; holds the key history (ListBox1, newest first).
#pragma once

#include "core/app_form.h"

#include <functional>

namespace tv {

class Tkxm : public AppForm {
public:
    explicit Tkxm(App&);

    ui::ListBox ListBox1;
    ui::ListBox ListBox2;
    ui::Panel Panel1;
    ui::Panel Panel4;
    ui::Panel Panel5;
    ui::Panel Panel6;
    ui::Panel Panel7;
    ui::Panel Panel17;
    ui::Panel pyoilcap;
    ui::Check quickmenu;

    // The pad's 10 ms work while it is open. Hand-over: the keyboard mouse pad
    // fills `pad_work`; the mode engine stops the timer when Caps Lock or N is held.
    std::function<void()> pad_work;
    ui::Timer Timer1;
};

} // namespace tv
