#include "board/ombrel.h"

#include "board/places.h"

namespace tv {
namespace {

constexpr std::uint32_t kEdgeBarGreen = 0x008000, kEdgeMarkBlue = 0xFF0000; // 0x00BBGGRR

} // namespace

std::vector<std::string> first_movement_samples()
{
    std::vector<std::string> items;
    for (int i = 0; i < 10; ++i)
        items.push_back(std::to_string(i));
    return items;
}

Tombrel::Tombrel(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"ombrel", "Tombrel", "myright", parked_rect(platform, 0, 800, 600), Visibility::Hidden, Topmost::No, 0}, observer),
      Timer1(*this, "Timer1", 40, false),
      Button41(*this, "Button41"),
      rtmenu(*this, "rtmenu"),
      rflag(*this, "rflag"),
      midmess(*this, "midmess"),
      LBox2(*this, "LBox2"),
      LBox3(*this, "LBox3"),
      cmdup(*this, "cmdup", "cmdup"),
      cmddown(*this, "cmddown", "cmddown"),
      cmdautoscroll(*this, "cmdautoscroll", "cmdautoscroll"),
      cmdwindowselect(*this, "cmdwindowselect", "cmdwindowselect"),
      cmdvykform3proc(*this, "cmdvykform3proc", "cmdvykform3proc"),
      Pan25(*this, "Pan25"),
      hbar(*this, "hbar"),
      Panel3(*this, "Panel3"),
      oldrightpos(*this, "oldrightpos"),
      right2(*this, "right2"),
      scrollup(*this, "scrollup"),
      scrolldown(*this, "scrolldown"),
      Panel41(*this, "Panel41"),
      Panel39(*this, "Panel39"),
      ListBox1(*this, "ListBox1"),
      PageControl1(*this, "PageControl1"),
      Label33(*this, "Label33"),
      Panel23(*this, "Panel23"),
      wfocus(*this, "wfocus"),
      vykxcmd(*this, "vykxcmd"),
      mmenu(*this, "mmenu"),
      cmdlist(*this, "cmdlist"),
      oldwindowtitle(*this, "oldwindowtitle"),
      ListBox8(*this, "ListBox8"),
      Panel29(*this, "Panel29"),
      Panel5(*this, "Panel5"),
      SpeedButton65(*this, "SpeedButton65", "导航"),
      SpeedButton68(*this, "SpeedButton68"),
      Button1(*this, "Button1"),
      Button14(*this, "Button14", "退出"),
      cmdshowbrowser(*this, "cmdshowbrowser", "cmdshowbrowser"),
      cmdnewslot(*this, "cmdnewslot", "cmdnewslot"),
      cmdpages(*this, "cmdpages", "cmdpages"),
      pagecheck(*this, "pagecheck", "pagecheck"),
      Edit1(*this, "Edit1"),
      ListBox10(*this, "ListBox10"),
      FileListBox1(*this, "FileListBox1"),
      Edit6(*this, "Edit6"),
      Label1(*this, "Label1"),
      Panel44(*this, "Panel44"),
      Panel6(*this, "Panel6"),
      Panel8(*this, "Panel8"),
      Panel9(*this, "Panel9"),
      Panel10(*this, "Panel10", "↑↓"),
      Panel14(*this, "Panel14", "O"),
      SpeedButton63(*this, "SpeedButton63", "< >"),
      SpeedButton64(*this, "SpeedButton64", "转到"),
      SpeedButton1(*this, "SpeedButton1", "X"),
      SpeedButton3(*this, "SpeedButton3", "收藏"),
      SpeedButton67(*this, "SpeedButton67", "导航"),
      SpeedButton2(*this, "SpeedButton2", "屏蔽"),
      SpeedButton6(*this, "SpeedButton6"),
      Button19(*this, "Button19", "保存"),
      Button22(*this, "Button22", "停止"),
      Button21(*this, "Button21", " X"),
      Button8(*this, "Button8", "__"),
      Button38(*this, "Button38"),
      ListBox11(*this, "ListBox11"),
      Button10(*this, "Button10"),
      wheelmess(*this, "wheelmess"),
      topStrip(*this, "topStrip"),
      bottomStrip(*this, "bottomStrip"),
      CppWebBrowser1(*this, "CppWebBrowser1"),
      CppWebBrowser2(*this, "CppWebBrowser2"),
      cweb(*this, "cweb"),
      CppWebBrowser6(*this, "CppWebBrowser6"),
      Panel12(*this, "Panel12")
{
    platform.set_ex_style(hwnd(), platform.ex_style(hwnd()) | kExToolWindow);
    LBox2.set_items(first_movement_samples());
    LBox3.set_items(first_movement_samples());
    Pan25.set_color(kEdgeBarGreen);
    hbar.set_color(kEdgeMarkBlue);
    hbar.set_bounds(0, 0, 9, 18);
}

Tombrel::~Tombrel()
{
    if (on_destroy)
        on_destroy();
}

} // namespace tv
