#include "settings/setform.h"

namespace tv {

Tsetform::Tsetform(App& app)
    : AppForm(app, {"setform", "Tsetform", "设置", Rect::from_size(0, 0, 500, 400), Visibility::Hidden, Topmost::No, 0}),
      ListBox1(*this, "ListBox1")
{
}

} // namespace tv
