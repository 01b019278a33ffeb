#include "panels/taskform.h"

namespace tv {

Ttaskform::Ttaskform(App& app)
    : AppForm(app, {"taskform", "Ttaskform", "ystop wheel=...", Rect::from_size(0, 0, 640, 480), Visibility::Hidden, Topmost::No, 0}),
      pf4(*this, "pf4"),
      pf9(*this, "pf9")
{
}

} // namespace tv
