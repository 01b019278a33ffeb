#include "board/imemess.h"

#include "board/places.h"

namespace tv {

Timemess::Timemess(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"imemess", "Timemess", "imemess", Rect::from_size(0, 0, 200, 24), Visibility::Hidden, Topmost::Yes, 0}, observer)
{
}

} // namespace tv
