#include "board/taskform.h"

namespace tv {

Ttaskform::Ttaskform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"taskform", "Ttaskform", "ystop wheel=...", Rect::from_size(0, 0, 640, 480), Visibility::Hidden, Topmost::No, 0}, observer),
      pf4(*this, "pf4"),
      pf9(*this, "pf9"),
      windtitle(*this, "windtitle"),
      windclass(*this, "windclass"),
      pftip(*this, "pftip"),
      nexttask(*this, "nexttask"),
      prevtask(*this, "prevtask")
{
}

} // namespace tv
