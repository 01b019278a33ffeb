#include "board/kxm.h"

#include "board/places.h"

namespace tv {

Tkxm::Tkxm(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"kxm", "Tkxm", "kxm", centred(platform, 284, 173), Visibility::Hidden, Topmost::No, 0}, observer),
      ListBox1(*this, "ListBox1"),
      ListBox2(*this, "ListBox2", std::vector<std::string>(10)),
      Panel1(*this, "Panel1"),
      Panel4(*this, "Panel4"),
      Panel5(*this, "Panel5"),
      Panel6(*this, "Panel6"),
      Panel7(*this, "Panel7"),
      Panel17(*this, "Panel17"),
      pyoilcap(*this, "pyoilcap"),
      quickmenu(*this, "quickmenu", ui::ControlKind::CheckBox, "", false),
      Timer1(*this, "Timer1", 10, false),
      Panel19(*this, "Panel19"),
      Timer3(*this, "Timer3", 100, true),
      refresh(*this, "refresh"),
      Button1(*this, "Button1"),
      Edit2(*this, "Edit2", "20"),
      oldleft(*this, "oldleft"),
      CppWebBrowser1(*this, "CppWebBrowser1"),
      Panel18(*this, "Panel18")
{
}

} // namespace tv
