// The form `vykForm4`: small hidden form whose caption is a command cell of the keyboard mouse pad.
#pragma once

#include "core/app_form.h"

namespace tv {

class TvykForm4 : public AppForm {
public:
    explicit TvykForm4(App&);

    ui::ListBox ListBox1; // line 0 the class on top; line 1 the class below a tooltip
};

} // namespace tv
