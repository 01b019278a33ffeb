#include "board/kxmm.h"

namespace tv {
namespace {

constexpr ui::Image::Pixel kItemColour = 0x00D8E8F8;

ui::Image::Pixel item_colour(int, int) { return kItemColour; }

void place(ui::Control& c, int left, int top, int width, int height)
{
    c.set_bounds(left, top, width, height);
    c.show();
}

} // namespace

Tkxmm::Tkxmm(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"kxmm", "Tkxmm", "kxmm", Rect::from_size(0, 0, kWidth, kHeight), Visibility::Hidden, Topmost::No, 0}, observer),
      Button1(*this, "Button1"),
      Label10(*this, "Label10", "右键 上网"),
      Image19(*this, "Image19", 32, 32, item_colour), Label27(*this, "Label27", "任务"),
      Image1(*this, "Image1", 32, 32, item_colour), Label1(*this, "Label1", "桌面"),
      Image21(*this, "Image21", 32, 32, item_colour), Image2(*this, "Image2", 16, 32, item_colour),
      Label23(*this, "Label23", "开始"), Image22(*this, "Image22", 24, 24, item_colour),
      Label29(*this, "Label29", ">>"), Image20(*this, "Image20", 100, 24, item_colour)
{
    place(Image19, 30, 20, 32, 32);
    place(Label27, 30, 54, 40, 16);
    place(Image1, 80, 20, 32, 32);
    place(Label1, 80, 54, 40, 16);
    place(Image21, 130, 20, 32, 32);
    place(Image2, 162, 20, 16, 32);
    place(Label23, 130, 54, 40, 16);
    place(Image22, 190, 40, 24, 24);
    place(Label29, 192, 66, 24, 16);
    place(Image20, 70, 84, 100, 24);
    place(Label10, 70, 88, 100, 16);
}

} // namespace tv
