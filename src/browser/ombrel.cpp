#include "browser/ombrel.h"

namespace tv {

Tombrel::Tombrel(App& app)
    : AppForm(app, {"ombrel", "Tombrel", "myright", Rect::from_size(kParkedLeft, 0, 800, 600), Visibility::Hidden, Topmost::No, 0}),
      Timer1(*this, "Timer1", 40, false, [this] { mode_engine_tick(); }),
      Button41(*this, "Button41"),
      rtmenu(*this, "rtmenu"),
      rflag(*this, "rflag"),
      midmess(*this, "midmess"),
      LBox2(*this, "LBox2"),
      LBox3(*this, "LBox3"),
      cmdup(*this, "cmdup", "cmdup"),
      cmddown(*this, "cmddown", "cmddown"),
      cmdautoscroll(*this, "cmdautoscroll", "cmdautoscroll"),
      cmdwindowselect(*this, "cmdwindowselect", "cmdwindowselect"),
      cmdvykform3proc(*this, "cmdvykform3proc", "cmdvykform3proc")
{
    platform().set_ex_style(hwnd(), platform().ex_style(hwnd()) | kExToolWindow);
}

void Tombrel::mode_engine_tick()
{
    // The wheel modes are selected here; the engine lands with the wheel modes
    // and the status bar, and its timer already runs from start-up completion.
}

} // namespace tv
