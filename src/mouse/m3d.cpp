#include "mouse/m3d.h"

namespace tv {

Tm3d::Tm3d(App& app)
    : AppForm(app, {"m3d", "Tm3d", "m3d", Rect::from_size(kParkedLeft, 0, 64, 64), Visibility::Hidden, Topmost::Yes, 0})
{
}

} // namespace tv
