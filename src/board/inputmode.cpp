#include "board/inputmode.h"

namespace tv {

Tinputmode::Tinputmode(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"inputmode", "Tinputmode", "inputmode", Rect::from_size(0, 0, 300, 200), Visibility::Hidden, Topmost::No, 0}, observer),
      ListBox4(*this, "ListBox4"),
      ListBox5(*this, "ListBox5"),
      Panel5(*this, "Panel5"),
      Panel6(*this, "Panel6"),
      Panel12(*this, "Panel12"),
      Panel13(*this, "Panel13"),
      imetip(*this, "imetip"),
      pytip(*this, "pytip"),
      dragmess(*this, "dragmess")
{
}

} // namespace tv
