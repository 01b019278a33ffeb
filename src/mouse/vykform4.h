// The form `vykForm4`: small hidden form whose caption is a command cell of the keyboard mouse pad.
#pragma once

#include "core/app_form.h"

namespace tv {

class TvykForm4 : public AppForm {
public:
    explicit TvykForm4(App&);
};

} // namespace tv
