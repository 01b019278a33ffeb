// The form `kxmm`: the small quick menu.
#pragma once

#include "ui/form.h"

namespace tv {

class Tkxmm : public ui::Form {
public:
    Tkxmm(Platform&, ui::CellObserver*);

    ui::Button Button1; // names the quick command to run
    // The command the right button runs while the menu is shown: its bytes 6 to 9
    // name it (the right-button dispatch reads them).
    ui::Label Label10;
};

} // namespace tv
