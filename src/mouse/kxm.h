// The form `kxm`: keyboard mouse pad; holds the key history (ListBox1, newest first).
#pragma once

#include "core/app_form.h"

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
};

} // namespace tv
