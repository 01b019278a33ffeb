#include "board/vykform3.h"

#include "board/places.h"

namespace tv {
namespace {

// A small red square.
ui::Image::Pixel marker_picture(int, int) { return 0xFF0000; }

} // namespace

TvykForm3::TvykForm3(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"vykForm3", "TvykForm3", "down/[[[38661280,1243372--", Rect::from_size(kParkedLeft, 0, 300, 500), Visibility::Hidden, Topmost::No, 0}, observer),
      Panel1(*this, "Panel1"),
      hbar(*this, "hbar"),
      pagecmd(*this, "pagecmd"),
      scrollcmd(*this, "scrollcmd"),
      Image9(*this, "Image9", 9, 9, marker_picture),
      Button2(*this, "Button2"),
      vleft(*this, "vleft"),
      ttop(*this, "ttop"),
      tbot(*this, "tbot"),
      Edit2(*this, "Edit2"),
      Button7(*this, "Button7"),
      CppWebBrowser3(*this, "CppWebBrowser3"),
      setlike(*this, "setlike")
{
}

} // namespace tv
