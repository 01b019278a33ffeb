#include "board/form_main.h"

#include "board/places.h"

namespace tv {
namespace {

void select_one(ui::Check& chosen, std::initializer_list<ui::Check*> group)
{
    for (ui::Check* c : group)
        c->set_checked(c == &chosen);
}

} // namespace

TFormMain::TFormMain(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"FormMain", "TFormMain", "设置说明  12345678  12345678  ", Rect::from_size(kParkedLeftFormMain, 100, 640, 508), Visibility::Hidden, Topmost::No, 0}, observer),
      srfbl(*this, "srfbl", ui::ControlKind::MenuItem, "Typamo", true),
      sbbl(*this, "sbbl", ui::ControlKind::MenuItem, "Glidamo", true),
      cdbl(*this, "cdbl", ui::ControlKind::CheckBox, "快速菜单", false),
      N2qq(*this, "N2qq", ui::ControlKind::CheckBox, "快速右键", false),
      N3(*this, "N3", ui::ControlKind::MenuItem, "三速滚轮", true),
      N2(*this, "N2", ui::ControlKind::MenuItem, "显示键盘控制中心", true),
      helpid(*this, "helpid", ui::ControlKind::RadioButton, "显示帮助", true),
      netid(*this, "netid", ui::ControlKind::RadioButton, "上网", false),
      freeid(*this, "freeid", ui::ControlKind::RadioButton, "空白", false),
      smallid(*this, "smallid", ui::ControlKind::RadioButton, "小天", false),
      midid(*this, "midid", ui::ControlKind::RadioButton, "中天", false),
      bigid(*this, "bigid", ui::ControlKind::RadioButton, "大天", true),
      outpath(*this, "outpath"),
      outcmd(*this, "outcmd"),
      Shutdown1(*this, "Shutdown1", ui::ControlKind::MenuItem, "关闭"),
      N1(*this, "N1", ui::ControlKind::MenuItem, "帮助 "),
      ff1(*this, "ff1", ui::ControlKind::MenuItem, "工具栏设置"),
      N4(*this, "N4", ui::ControlKind::MenuItem, "大"),
      N5(*this, "N5", ui::ControlKind::MenuItem, "中"),
      N6(*this, "N6", ui::ControlKind::MenuItem, "小"),
      N7(*this, "N7", ui::ControlKind::MenuItem, "无"),
      N8(*this, "N8", ui::ControlKind::MenuItem, "显示信息"),
      N9(*this, "N9", ui::ControlKind::MenuItem, "重启【Glidamo】"),
      N10(*this, "N10", ui::ControlKind::MenuItem, "重启【Typamo】"),
      PopupMenu1(*this, {&Shutdown1, &N1, &N3, &ff1, &N4, &N5, &N6, &N7, &N2, &N8, &N9, &N10})
{
}

void TFormMain::select_start_page(ui::Check& chosen) { select_one(chosen, {&helpid, &netid, &freeid}); }

void TFormMain::select_bar_size(ui::Check& chosen) { select_one(chosen, {&smallid, &midid, &bigid}); }

void TFormMain::show_near_top()
{
    set_bounds((platform().screen_size().width - width()) / 2, 100, width(), height());
    show();
}

} // namespace tv
