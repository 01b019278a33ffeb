#include "ime/modeform.h"

namespace tv {

Tmodeform::Tmodeform(App& app)
    : AppForm(app, {"modeform", "Tmodeform", "modeform", Rect::from_size(app.platform().screen_size().width + 10, 0, 482, 24), Visibility::Hidden, Topmost::Yes, 0})
{
}

} // namespace tv
