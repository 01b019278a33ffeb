// The form `srfForm`: the input-method picker. Its caption is the Esc latch:
// the input hook writes "esc down" when the user presses Esc, and the main
// loop's next tick consumes it ("esc ok"), so an Esc tap shorter than a tick
// still opens the escape menu (the hook's contract, hook/hook_contract.h).
#pragma once

#include "ui/form.h"

namespace tv {

class TsrfForm : public ui::Form {
public:
    TsrfForm(Platform&, ui::CellObserver*);
};

} // namespace tv
