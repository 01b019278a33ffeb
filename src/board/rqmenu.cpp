#include "board/rqmenu.h"

#include "board/places.h"

namespace tv {
namespace {

constexpr ui::Image::Pixel kBackColour = 0x00C0D0E0;

void place(ui::Control& c, int left, int top, int width, int height)
{
    c.set_bounds(left, top, width, height);
    c.show();
}

} // namespace

Trqmenu::Trqmenu(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"rqmenu", "Trqmenu", "rqmenu", parked_rect(platform, 0, 200, 300), Visibility::Hidden, Topmost::No, 0}, observer),
      Panel1(*this, "Panel1"), Panel3(*this, "Panel3"),
      ListBox2(*this, "ListBox2"),
      ListBox1(*this, "ListBox1", std::vector<std::string>(6)),
      srfsel(*this, "srfsel"),
      Button5(*this, "Button5"),
      Image6(*this, "Image6", 40, 24, [](int, int) { return kBackColour; }),
      Label12(*this, "Label12")
{
    place(Panel1, 0, 0, 200, 300);
    place(Panel3, 0, 0, 200, 40);
    place(Image6, 4, 8, 40, 24);
    place(srfsel, 50, 8, 60, 24);
    place(Button5, 116, 8, 80, 24);
    place(ListBox2, 4, 45, 192, 120);
}

} // namespace tv
