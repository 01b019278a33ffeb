#include "browser/ombrel.h"

namespace tv {

Tombrel::Tombrel(App& app)
    : AppForm(app, {"ombrel", "Tombrel", "myright", Rect::from_size(kParkedLeft, 0, 800, 600), Visibility::Hidden, Topmost::No, 0}),
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
}

} // namespace tv
