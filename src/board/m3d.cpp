#include "board/m3d.h"

#include "board/places.h"

namespace tv {

Tm3d::Tm3d(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"m3d", "Tm3d", "m3d", Rect::from_size(kParkedLeft, 0, 64, 64), Visibility::Hidden, Topmost::Yes, 0}, observer),
      Timer1(*this, "Timer1", 100, false)
{
}

} // namespace tv
