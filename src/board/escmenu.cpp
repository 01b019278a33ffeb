#include "board/escmenu.h"

#include "board/places.h"

namespace tv {

Tescmenu::Tescmenu(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"escmenu", "Tescmenu", "old--downok", centred(platform, 729, 541), Visibility::Hidden, Topmost::No, 0}, observer),
      Panel8(*this, "Panel8", "菜单"),
      Edit1(*this, "Edit1"),
      Edit2(*this, "Edit2"),
      plan(*this, "plan")
{
}

} // namespace tv
