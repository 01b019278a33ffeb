#include "statusbar/lifeform.h"

namespace tv {

Tlifeform::Tlifeform(App& app)
    : AppForm(app, {"lifeform", "Tlifeform", "mywheel", Rect::from_size(0, 0, app.platform().screen_size().width, 180), Visibility::Shown, Topmost::Yes, 0}),
      Label1(*this, "Label1", "正常滚轮"),
      Label4(*this, "Label4"),
      Label8(*this, "Label8"),
      upmess(*this, "upmess"),
      downmess(*this, "downmess"),
      leftmess(*this, "leftmess"),
      rightmess(*this, "rightmess"),
      status(*this, "status"),
      Panel33(*this, "Panel33"),
      Panel34(*this, "Panel34"),
      Panel36(*this, "Panel36"),
      Panel38(*this, "Panel38"),
      Panel39(*this, "Panel39"),
      easydragid(*this, "easydragid"),
      dragflag(*this, "dragflag"),
      Button5(*this, "Button5"),
      Button6(*this, "Button6")
{
}

} // namespace tv
