// The form `kxmm`: small quick menu; Button1 names the quick command to run.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tkxmm : public AppForm {
public:
    explicit Tkxmm(App&);

    ui::Button Button1;
};

} // namespace tv
