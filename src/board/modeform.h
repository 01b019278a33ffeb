// The form `modeform`: the edit keyboard strip. Its caption is a cell: the main loop writes "old--cap" and moves the strip off the screen when the left button goes down.
#pragma once

#include "ui/form.h"

namespace tv {

class Tmodeform : public ui::Form {
public:
    Tmodeform(Platform&, ui::CellObserver*);
};

} // namespace tv
