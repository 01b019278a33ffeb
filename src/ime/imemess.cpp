#include "ime/imemess.h"

namespace tv {

Timemess::Timemess(App& app)
    : AppForm(app, {"imemess", "Timemess", "imemess", Rect::from_size(0, 0, 200, 24), Visibility::Hidden, Topmost::Yes, 0})
{
}

} // namespace tv
