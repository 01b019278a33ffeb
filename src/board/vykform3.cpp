#include "board/vykform3.h"

#include "board/places.h"

namespace tv {
namespace {

// A small red square.
ui::Image::Pixel marker_picture(int, int) { return 0xFF0000; }

} // namespace

TvykForm3::TvykForm3(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"vykForm3", "TvykForm3", "down/[[[38661280,1243372--", parked_rect(platform, 0, 300, 500), Visibility::Hidden, Topmost::No, 0}, observer),
      Panel1(*this, "Panel1"),
      hbar(*this, "hbar"),
      pagecmd(*this, "pagecmd"),
      scrollcmd(*this, "scrollcmd"),
      Image9(*this, "Image9", 9, 9, marker_picture),
      Button2(*this, "Button2"),
      vleft(*this, "vleft"),
      ttop(*this, "ttop"),
      tbot(*this, "tbot"),
      Edit2(*this, "Edit2", "输入新网址"),
      Button7(*this, "Button7"),
      CppWebBrowser3(*this, "CppWebBrowser3"),
      setlike(*this, "setlike"),
      Panel13(*this, "Panel13"),
      Panel14(*this, "Panel14", "×"),
      Panel15(*this, "Panel15"),
      FileListBox1(*this, "FileListBox1"),
      Label13(*this, "Label13", "导航-----"),
      Label22(*this, "Label22", "全部关闭"),
      Label16(*this, "Label16", "开始"),
      Panel16(*this, "Panel16", "×"),
      Button4(*this, "Button4", "next"),
      Button5(*this, "Button5", "prev"),
      ListBox3(*this, "ListBox3")
{
    lay_out();
}

// The main area lies at (-2, 19); the places below are the form's client
// coordinates. Cells and commands stay hidden.
void TvykForm3::lay_out()
{
    const struct {
        ui::Control& control;
        Rect place;
    } shown[] = {
        {Edit2, Rect::from_size(30, 30, 217, 24)},          {CppWebBrowser3, Rect::from_size(254, 27, 432, 417)},
        {Panel13, Rect::from_size(0, 0, 700, 19)},          {Panel14, Rect::from_size(676, 0, 19, 19)},
        {Panel15, Rect::from_size(20, 59, 10, 385)},        {FileListBox1, Rect::from_size(30, 59, 217, 385)},
        {Label13, Rect::from_size(30, 448, 100, 20)},       {Label22, Rect::from_size(140, 448, 100, 20)},
        {Label16, Rect::from_size(30, 474, 601, 20)},       {Panel16, Rect::from_size(676, 474, 19, 20)},
    };
    for (const auto& [control, place] : shown) {
        control.set_bounds(place.left, place.top, place.width(), place.height());
        control.show();
    }
}

} // namespace tv
