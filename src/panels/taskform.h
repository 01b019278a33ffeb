// The form `taskform`: task manager.
#pragma once

#include "core/app_form.h"

namespace tv {

class Ttaskform : public AppForm {
public:
    explicit Ttaskform(App&);

    ui::Button pf4;
    ui::Button pf9;
};

} // namespace tv
