// The form `imemess`: a small stay-on-top form mirroring the input-method state.
#pragma once

#include "ui/form.h"

namespace tv {

class Timemess : public ui::Form {
public:
    Timemess(Platform&, ui::CellObserver*);
};

} // namespace tv
