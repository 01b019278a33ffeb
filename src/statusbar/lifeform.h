// The form `lifeform`: status and hint bar at the top of the desktop.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tlifeform : public AppForm {
public:
    explicit Tlifeform(App&);

    ui::Label Label1;
    ui::Label Label4;
    ui::Label Label8;
    ui::Panel upmess;
    ui::Panel downmess;
    ui::Panel leftmess;
    ui::Panel rightmess;
    ui::Panel status;
    ui::Panel Panel33;
    ui::Panel Panel34;
    ui::Panel Panel36;
    ui::Panel Panel38;
    ui::Panel Panel39;
    ui::Panel easydragid;
    ui::Panel dragflag;
    ui::Button Button5;
    ui::Button Button6;
};

} // namespace tv
