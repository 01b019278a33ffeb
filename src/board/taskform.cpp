#include "board/taskform.h"

namespace tv {
namespace {

constexpr int kBar = 20;          // the left and top bars
constexpr int kRowTop = 20;       // the command row under the top bar
constexpr int kButtonSide = 21;
constexpr int kListTop = 44;

void place_row(std::initializer_list<ui::Control*> row)
{
    int left = kBar;
    for (ui::Control* c : row) {
        c->set_bounds(left, kRowTop, kButtonSide, kButtonSide);
        c->show();
        left += kButtonSide;
    }
}

} // namespace

Ttaskform::Ttaskform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"taskform", "Ttaskform", "ystop wheel=...", Rect::from_size(0, 0, 640, 480), Visibility::Hidden, Topmost::No, 0}, observer),
      pf4(*this, "pf4", "网"),
      pf9(*this, "pf9", "×"),
      windtitle(*this, "windtitle"),
      windclass(*this, "windclass"),
      pftip(*this, "pftip"),
      pf1(*this, "pf1", "关"),
      pf2(*this, "pf2", "桌"),
      pf3(*this, "pf3", "开"),
      pf5(*this, "pf5", "中"),
      pf6(*this, "pf6", "小"),
      pf7(*this, "pf7", "大"),
      pf8(*this, "pf8", "？"),
      srfid(*this, "srfid", "输"),
      sbid(*this, "sbid", "鼠"),
      ListBox5(*this, "ListBox5"),
      ListBox10(*this, "ListBox10"),
      ListView1(*this, "ListView1"),
      ListBox3(*this, "ListBox3"),
      ListBox9(*this, "ListBox9"),
      Panel1(*this, "Panel1"),
      Panel2(*this, "Panel2"),
      Panel6(*this, "Panel6", "程序管理器"),
      Panel12(*this, "Panel12"),
      Panel5(*this, "Panel5"),
      Panel7(*this, "Panel7"),
      Panel17(*this, "Panel17", "-->"),
      Memo1(*this, "Memo1", "左键点击，转到所选程序\n上边兰条，打开当前菜单\n左边黑条，退出程序管理器\nF1关闭当前；F2关闭同名；\nF3关闭同类；F4关闭全部"),
      showad(*this, "showad"),
      Button1(*this, "Button1"),
      setlistview(*this, "setlistview"),
      Button6(*this, "Button6"),
      nexttask(*this, "nexttask"),
      prevtask(*this, "prevtask"),
      outdesk(*this, "outdesk"),
      Button2(*this, "Button2"),
      Button3(*this, "Button3", "hide"),
      Timer1(*this, "Timer1", 100, false)
{
    Panel6.set_bounds(0, 0, kBar, 480);
    Panel6.set_color(0x00000000);
    Panel6.set_font_color(0x00FFFFFF);
    Panel6.show();
    Panel2.set_bounds(kBar, 0, 235, kBar);
    Panel2.set_color(0x00C08040);
    Panel2.show();
    place_row({&pf1, &pf2, &pf3, &pf4, &pf5, &pf6, &pf7, &pf8, &pf9, &srfid, &sbid});
    ListView1.set_bounds(kBar, kListTop, 235, 480 - kListTop - kBar);
    ListView1.show();
    pftip.set_bounds(kBar, 480 - kBar, 235, kBar);
    pftip.show();
}

} // namespace tv
