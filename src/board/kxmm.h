// The form `kxmm`: the small quick menu.
#pragma once

#include "ui/form.h"

namespace tv {

class Tkxmm : public ui::Form {
public:
    Tkxmm(Platform&, ui::CellObserver*);

    ui::Button Button1; // names the quick command to run
};

} // namespace tv
