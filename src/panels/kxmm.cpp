#include "panels/kxmm.h"

namespace tv {

Tkxmm::Tkxmm(App& app)
    : AppForm(app, {"kxmm", "Tkxmm", "kxmm", Rect::from_size(0, 0, 200, 200), Visibility::Hidden, Topmost::No, 0}),
      Button1(*this, "Button1")
{
}

} // namespace tv
