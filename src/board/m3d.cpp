#include "board/m3d.h"

#include "board/places.h"

namespace tv {
namespace {

constexpr std::uint32_t kSilver = 0x00C0C0C0;
constexpr std::uint32_t kGreen = 0x00008000;
constexpr std::uint32_t kMaroon = 0x00000080;

// The strips' picture: a grey bar.
ui::Image::Pixel strip_picture(int, int) { return 0x00A0A0A0; }
// The close mark in the vertical slot: dark red.
ui::Image::Pixel close_picture(int, int) { return 0x00800000; }

void place(ui::Control& c, int left, int top, int width, int height, std::uint32_t color)
{
    c.set_bounds(left, top, width, height);
    c.set_color(color);
    c.show();
}

} // namespace

Tm3d::Tm3d(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"m3d", "Tm3d", "m3d", parked_rect(platform, 0, kSize, kSize), Visibility::Hidden, Topmost::Yes, 0}, observer),
      Panel13(*this, "Panel13"),
      Image22(*this, "Image22", 68, 12, strip_picture),
      Image21(*this, "Image21", 66, 12, strip_picture),
      Panel24(*this, "Panel24"),
      Panel18(*this, "Panel18"),
      Panel19(*this, "Panel19"),
      Image17(*this, "Image17", 9, 9, close_picture),
      Panel25(*this, "Panel25"),
      Label3(*this, "Label3"),
      Panel7(*this, "Panel7"),
      Panel14(*this, "Panel14"),
      Panel15(*this, "Panel15"),
      Panel6(*this, "Panel6"),
      Button2(*this, "Button2"),
      Timer1(*this, "Timer1", 100, false)
{
    place(Panel13, 0, 0, 137, 60, kSilver);
    place(Image22, -4, 1, 68, 12, kSilver);
    place(Image21, -4, 49, 66, 12, kSilver);
    place(Panel24, 1, 11, 9, 38, kGreen);
    place(Panel18, 9, 25, 41, 9, kSilver);
    place(Panel19, 25, 11, 9, 38, kSilver);
    place(Image17, Panel19.left() + 0, Panel19.top() + 15, 9, 9, kSilver);
    place(Panel25, 49, 12, 9, 37, kMaroon);
}

} // namespace tv
