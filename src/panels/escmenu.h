// The form `escmenu`: escape menu; its caption and Panel8 are cells.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tescmenu : public AppForm {
public:
    explicit Tescmenu(App&);

    ui::Panel Panel8;
    ui::Edit Edit1;
    ui::Edit Edit2;
    ui::Panel plan;
};

} // namespace tv
