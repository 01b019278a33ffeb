#include "board/vykform3.h"

#include "board/places.h"

namespace tv {

TvykForm3::TvykForm3(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"vykForm3", "TvykForm3", "down/[[[38661280,1243372--", Rect::from_size(kParkedLeft, 0, 300, 500), Visibility::Hidden, Topmost::No, 0}, observer),
      Panel1(*this, "Panel1"),
      hbar(*this, "hbar"),
      pagecmd(*this, "pagecmd"),
      scrollcmd(*this, "scrollcmd"),
      Edit2(*this, "Edit2"),
      Button7(*this, "Button7"),
      CppWebBrowser3(*this, "CppWebBrowser3"),
      setlike(*this, "setlike")
{
}

} // namespace tv
