#include "board/kxmm.h"

namespace tv {

Tkxmm::Tkxmm(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"kxmm", "Tkxmm", "kxmm", Rect::from_size(0, 0, 200, 200), Visibility::Hidden, Topmost::No, 0}, observer),
      Button1(*this, "Button1"),
      Label10(*this, "Label10", "右键 上网")
{
}

} // namespace tv
