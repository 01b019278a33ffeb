// The form `srfForm`: the input-method picker.
#pragma once

#include "ui/form.h"

namespace tv {

class TsrfForm : public ui::Form {
public:
    TsrfForm(Platform&, ui::CellObserver*);
};

} // namespace tv
