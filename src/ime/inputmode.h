// The form `inputmode`: input-method state; its caption tells the hook whether the right button belongs to the wheel mode.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tinputmode : public AppForm {
public:
    explicit Tinputmode(App&);

    ui::ListBox ListBox4;
    ui::ListBox ListBox5;
    ui::Panel Panel5;
    ui::Panel Panel6;
    ui::Panel Panel12; // the status timer's menu-close flag and the class on top
    ui::Panel Panel13; // the status timer's key states: left Windows key, right button, Space
    ui::Panel imetip;
    ui::Panel pytip;
    ui::Panel dragmess;
};

} // namespace tv
