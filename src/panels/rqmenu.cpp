#include "panels/rqmenu.h"

namespace tv {

Trqmenu::Trqmenu(App& app)
    : AppForm(app, {"rqmenu", "Trqmenu", "rqmenu", Rect::from_size(kParkedLeft, 0, 200, 300), Visibility::Hidden, Topmost::No, 0}),
      ListBox2(*this, "ListBox2")
{
}

} // namespace tv
