// The form `modeform`: edit keyboard strip.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tmodeform : public AppForm {
public:
    explicit Tmodeform(App&);
};

} // namespace tv
