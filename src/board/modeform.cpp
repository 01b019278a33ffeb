#include "board/modeform.h"

#include "board/places.h"

namespace tv {

Tmodeform::Tmodeform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"modeform", "Tmodeform", "modeform", Rect::from_size(platform.screen_size().width + 10, 0, 482, 24), Visibility::Hidden, Topmost::Yes, 0}, observer)
{
}

} // namespace tv
