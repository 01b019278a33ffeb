#include "board/vykform4.h"

namespace tv {

TvykForm4::TvykForm4(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"vykForm4", "TvykForm4", "vykForm4", Rect::from_size(0, 0, 100, 40), Visibility::Hidden, Topmost::No, 0}, observer),
      ListBox1(*this, "ListBox1", std::vector<std::string>(2))
{
}

} // namespace tv
