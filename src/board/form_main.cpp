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
    : ui::Form(platform, {"FormMain", "TFormMain", "设置说明  12345678  12345678  ", parked_rect(platform, 100, 640, 508, kParkedLeftFormMain), Visibility::Hidden, Topmost::No, 0}, observer),
      srfbl(*this, "srfbl", ui::ControlKind::CheckBox, "Typamo", true),
      sbbl(*this, "sbbl", ui::ControlKind::CheckBox, "Glidamo", true),
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
      CheckBox1(*this, "CheckBox1", ui::ControlKind::CheckBox, "放到托盘区"),
      RadioButton1(*this, "RadioButton1", ui::ControlKind::RadioButton, "状态1", true),
      RadioButton2(*this, "RadioButton2", ui::ControlKind::RadioButton, "状态2"),
      Button1(*this, "Button1", "隐藏"), ToggleState1(*this, "ToggleState1"), Button2(*this, "Button2"),
      Button3(*this, "Button3"), Button4(*this, "Button4"), Button5(*this, "Button5"), Edit3(*this, "Edit3"),
      Edit4(*this, "Edit4"), Button6(*this, "Button6", "加密保存"), Button7(*this, "Button7", "解密使用"),
      Button9(*this, "Button9", "×"), CppWebBrowser1(*this, "CppWebBrowser1"), Label3(*this, "Label3", "帮助中心"),
      Label7(*this, "Label7", "帮助中心"), Label8(*this, "Label8", "<<"), Label9(*this, "Label9", ">>"),
      Label6(*this, "Label6", "上网"), Panel2(*this, "Panel2", "×  "), Panel4(*this, "Panel4", "×  "),
      Panel8(*this, "Panel8"), Panel7(*this, "Panel7"), GroupBox2(*this, "GroupBox2", "状态栏"),
      Button8(*this, "Button8", "设置..."), N11(*this, "N11", ui::ControlKind::MenuItem, "设置..."),
      N12(*this, "N12", ui::ControlKind::MenuItem, "暂停 (Ctrl+Alt+P)"),
      N13(*this, "N13", ui::ControlKind::MenuItem, "排除列表..."),
      N14(*this, "N14", ui::ControlKind::MenuItem, "浏览器"), N15(*this, "N15", ui::ControlKind::MenuItem, "页面列表"),
      Timer1(*this, "Timer1", 100, true),
      PopupMenu1(*this, {&Shutdown1, &N1, &N3, &ff1, &N4, &N5, &N6, &N7, &N2, &N8, &N9, &N10, &N12, &N13, &N14, &N15, &N11})
{
    Edit3.set_password(true);
    Edit4.set_password(true);
    lay_out();
}

TFormMain::~TFormMain()
{
    if (on_destroy)
        on_destroy();
}

// The help view on top; the options below it; the file panel at the bottom,
// its controls shown only with it. The start-page group stays hidden.
void TFormMain::lay_out()
{
    auto place = [](ui::Control& c, int left, int top, int width, int height, bool shown = true) {
        c.set_bounds(left, top, width, height);
        c.set_visible(shown);
    };
    place(Label3, 10, 4, 80, 22);
    place(Label8, 95, 4, 30, 22);
    place(Label9, 130, 4, 30, 22);
    place(Label6, 165, 4, 50, 22);
    place(Button8, 225, 4, 80, 22);
    place(Button1, 310, 4, 60, 22);
    place(Panel2, 596, 4, 30, 22);
    place(CppWebBrowser1, 10, 30, 616, 210);
    place(Panel8, 10, 244, 400, 20);
    place(Panel7, 420, 244, 206, 20);
    place(srfbl, 10, 270, 140, 22);
    place(sbbl, 160, 270, 140, 22);
    place(cdbl, 310, 270, 140, 22);
    place(N2qq, 460, 270, 140, 22);
    place(GroupBox2, 10, 298, 80, 22);
    place(smallid, 95, 298, 90, 22);
    place(midid, 190, 298, 90, 22);
    place(bigid, 285, 298, 90, 22);
    place(CheckBox1, 10, 326, 140, 22);
    place(RadioButton1, 160, 326, 90, 22);
    place(RadioButton2, 255, 326, 90, 22);
    place(Label7, 380, 326, 80, 22);
    for (ui::Check* c : {&helpid, &netid, &freeid})
        place(*c, 380, 298, 80, 22, false);
    place(outcmd, 10, 356, 580, 22, false);
    place(Button9, 596, 356, 30, 22, false);
    place(outpath, 10, 382, 616, 22, false);
    place(Edit3, 10, 408, 180, 22, false);
    place(Edit4, 200, 408, 180, 22, false);
    place(Button6, 390, 408, 110, 22, false);
    place(Button7, 510, 408, 116, 22, false);
    place(Panel4, 596, 440, 30, 22);
    outcmd.set_text("加密保存 / 解密使用: 输入两次口令");
}

void TFormMain::select_start_page(ui::Check& chosen) { select_one(chosen, {&helpid, &netid, &freeid}); }

void TFormMain::select_bar_size(ui::Check& chosen) { select_one(chosen, {&smallid, &midid, &bigid}); }

void TFormMain::show_near_top()
{
    set_bounds((platform().screen_size().width - width()) / 2, 100, width(), height());
    show();
}

} // namespace tv
