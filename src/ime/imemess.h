// The form `imemess`: small stay-on-top form mirroring the input-method state.
#pragma once

#include "core/app_form.h"

namespace tv {

class Timemess : public AppForm {
public:
    explicit Timemess(App&);
};

} // namespace tv
