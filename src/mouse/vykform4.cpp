#include "mouse/vykform4.h"

namespace tv {

TvykForm4::TvykForm4(App& app)
    : AppForm(app, {"vykForm4", "TvykForm4", "vykForm4", Rect::from_size(0, 0, 100, 40), Visibility::Hidden, Topmost::No, 0}),
      ListBox1(*this, "ListBox1", std::vector<std::string>(2))
{
}

} // namespace tv
