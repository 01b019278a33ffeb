// The form `m3d`: the 3D mouse panel. Its caption is a cell: "old--pop" while the menu the right button opened in the normal wheel is up (the main loop writes it; the status timer shows the menu keys by it, the pop-up test reads it), "old--popxx" after a click. While it is shown (left >= 0) the mode engine selects no mode.
#pragma once

#include "ui/form.h"

namespace tv {

class Tm3d : public ui::Form {
public:
    Tm3d(Platform&, ui::CellObserver*);

    // The pad's 100 ms timer: on while the pad is open (the opening switches it on, closing off).
    ui::Timer Timer1;
};

} // namespace tv
