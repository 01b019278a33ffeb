// The form `m3d`: 3D mouse panel; its caption is a cell.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tm3d : public AppForm {
public:
    explicit Tm3d(App&);
};

} // namespace tv
