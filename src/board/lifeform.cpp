#include "board/lifeform.h"

#include "board/hint_template.h"

namespace tv {
namespace {

// A small navy square.
ui::Image::Pixel form_count_picture(int, int) { return 0x000080; }

} // namespace

Tlifeform::Tlifeform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"lifeform", "Tlifeform", "mywheel", Rect::from_size(0, 0, kFirstWidth, kFirstHeight),
                          Visibility::Hidden, Topmost::Yes, 0}, observer),
      Timer1(*this, "Timer1", 100, false), Timer2(*this, "Timer2", 10, false),
      Label1(*this, "Label1", "正常滚轮"), Label4(*this, "Label4"), Label8(*this, "Label8"), upmess(*this, "upmess"),
      downmess(*this, "downmess"), leftmess(*this, "leftmess"), rightmess(*this, "rightmess"),
      status(*this, "status"), Panel20(*this, "Panel20"), windmess(*this, "windmess"), Panel33(*this, "Panel33"),
      Panel34(*this, "Panel34"), Panel36(*this, "Panel36"), Panel37(*this, "Panel37"), Panel38(*this, "Panel38"),
      Panel39(*this, "Panel39"), Panel10(*this, "Panel10"), Panel24(*this, "Panel24"), Panel32(*this, "Panel32"),
      Panel40(*this, "Panel40"), easydragid(*this, "easydragid"), dragflag(*this, "dragflag"),
      srfboard(*this, "srfboard"), srftip1(*this, "srftip1"), srftip2(*this, "srftip2"), srftip3(*this, "srftip3"),
      menutip(*this, "menutip", "菜单快捷键:     E=↑  D=↓ S=←  F=→  空格=确认"), movebar(*this, "movebar"),
      Button5(*this, "Button5"), Button6(*this, "Button6"), Panel25(*this, "Panel25"), mup(*this, "mup"),
      mdown(*this, "mdown"), Label9(*this, "Label9", ">>"), Image5(*this, "Image5", 16, 16, form_count_picture),
      Panel26(*this, "Panel26"),
      messlistold(*this, "messlistold"), ListBox7(*this, "ListBox7"), ListBox8(*this, "ListBox8"),
      Panel35(*this, "Panel35"),
      ListBox5(*this, "ListBox5", hint::load_template(platform)),
      CppWebBrowser1(*this, "CppWebBrowser1"), CppWebBrowser2(*this, "CppWebBrowser2"),
      settopmess(*this, "settopmess"), Button1(*this, "Button1", "大天"), smallbar(*this, "smallbar", "中天"),
      tinybar(*this, "tinybar", "小天"), nobar(*this, "nobar"), Button3(*this, "Button3"),
      resetomb(*this, "resetomb"),
      inputmess(*this, "inputmess", "输入法"), hookwatch(*this, "hookwatch"), asidemess(*this, "asidemess")
{
    Panel20.set_bounds(0, 0, Panel20.width(), Panel20.height());
    windmess.set_bounds(0, 0, windmess.width(), windmess.height());
    srfboard.set_bounds(138, 4, 767, 24);
    srftip1.set_bounds(57, 2, 76, 20);
    srftip1.show();
    srftip2.hide();
    srftip3.hide();
    srftip2.set_text("A1 S2 D3 F4 G5    Q6 W7 E8 R9 T0   H← U上页 J下页");
    srftip3.set_text("M←  L→");
    inputmess.set_bounds(0, 2, 56, 20);
    inputmess.hide();
    movebar.set_bounds(0, 0, 40, 5);
    asidemess.set_bounds(0, 2, 134, 20);
    asidemess.hide();
}

// The desktop gets its top edge back when the bar goes.
Tlifeform::~Tlifeform() { platform().remove_app_bar(hwnd()); }

} // namespace tv
