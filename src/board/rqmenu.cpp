#include "board/rqmenu.h"

#include "board/places.h"

namespace tv {

Trqmenu::Trqmenu(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"rqmenu", "Trqmenu", "rqmenu", Rect::from_size(kParkedLeft, 0, 200, 300), Visibility::Hidden, Topmost::No, 0}, observer),
      ListBox2(*this, "ListBox2"),
      ListBox1(*this, "ListBox1", std::vector<std::string>(6)),
      srfsel(*this, "srfsel"),
      Button5(*this, "Button5")
{
}

} // namespace tv
