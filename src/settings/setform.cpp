#include "settings/setform.h"

#include "browser/ombrel.h"
#include "mouse/pyoil.h"
#include "statusbar/lifeform.h"

#include "settings/form_main.h"
#include "settings/settings_list.h"

#include <algorithm>

namespace tv {
namespace {

constexpr int kFormWidth = 600;
constexpr int kFormHeight = 470;
constexpr int kListLines = 27; // the whole settings list without scrolling
// The status bar holds the top edge of the desktop; the form opens below it.
constexpr int kBelowStatusBar = 190;

// The editable copy until start-up completion replaces it by the runtime list.
std::vector<std::string> default_items()
{
    return {
        "发行编号--0zl0",
        "发行导航--adcenter.htm",
        "发行首页--user.htm",
        "发行充值--helpfree1.htm",
        "充值点一--83/84",
        "充值点二--105/84",
        "发行标题--Tarvesk",
        "显示帮助--1",
        "显示浏览--1",
        "滚动偏移--16",
        "0507",
        "进入窗口--1",
        "Skarn种类--3",
        "个人首页--",
        "向上颜色--",
        "向下颜色--",
        "向左颜色--",
        "向右颜色--",
        "标题颜色--",
        "次数颜色--",
        "滚轮提示--",
        "右键提示--",
        "标记文件--",
        "菜单文件--",
        "标题文件--",
        "状态文件--",
        "背景文件--",
    };
}

// The movement samples start in distinct colours; the settings lines may change them.
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kGray = 0x808080;

// The main loop, the mode engine and the status timer stop while the settings
// form is open and run again when it closes.
void set_main_timers(App& app, bool running)
{
    app.pyoil().set_main_loop_running(running);
    app.ombrel().Timer1.set_enabled(running);
    app.lifeform().Timer1.set_enabled(running);
}

} // namespace

Tsetform::Tsetform(App& app)
    : AppForm(app, {"setform", "Tsetform", "设置", Rect::from_size(0, 0, kFormWidth, kFormHeight), Visibility::Hidden,
                    Topmost::No, 0}),
      ListBox1(*this, "ListBox1", default_items()), Edit1(*this, "Edit1"), Button1(*this, "Button1", "保存"),
      Button2(*this, "Button2", "返回"), cup(*this, "cup"), cdown(*this, "cdown"), cleft(*this, "cleft"),
      cright(*this, "cright"), ctitle(*this, "ctitle"), ctimes(*this, "ctimes"), cwheel(*this, "cwheel"),
      cmr(*this, "cmr"), mtitle(*this, "mtitle", "标题"), mtimes(*this, "mtimes", "次数"),
      mwheel(*this, "mwheel", "上滚=    下滚="), mmr(*this, "mmr", "右键＝"),
      cwheelid(*this, "cwheelid", ui::ControlKind::CheckBox, "自动", true),
      crightid(*this, "crightid", ui::ControlKind::CheckBox, "自动", true), movetip(*this, "movetip"),
      Panel1(*this, "Panel1"), Panel2(*this, "Panel2"), Panel3(*this, "Panel3"), Panel4(*this, "Panel4"),
      Panel5(*this, "Panel5"), Panel7(*this, "Panel7", "标志"), Panel8(*this, "Panel8", "菜单"),
      Panel10(*this, "Panel10", "状态栏"), Image6(*this, "Image6"),
      Timer1(*this, "Timer1", 100, false, [this] { preview_tick(); })
{
    cup.set_color(kGreen);
    cdown.set_color(kRed);
    cleft.set_color(kBlue);
    cright.set_color(kGray);
    forget_position();
    lay_out();
    wire();
    stop_main_timers = [this] { set_main_timers(app_, false); };
    restart_main_timers = [this] { set_main_timers(app_, true); };
    switch_mouse_companion = [this] {
        app_.FormMain().sbbl.set_checked(true);
        app_.pyoil().sbtt.click();
    };
}

// Samples lie under their labels: a later control is on top for hit-testing.
void Tsetform::lay_out()
{
    auto place = [](ui::Control& c, int left, int top, int width, int height) {
        c.set_bounds(left, top, width, height);
        c.show();
    };
    place(ListBox1, 10, 10, 300, kItemHeight * kListLines);
    place(Edit1, 320, 10, 270, 22);
    place(Button1, 320, 40, 80, 26);
    place(Button2, 410, 40, 80, 26);
    place(movetip, 320, 76, 270, 24);
    place(Panel1, 320, 106, 60, 22);
    place(Panel2, 390, 106, 45, 22);
    place(Panel3, 440, 106, 45, 22);
    place(Panel4, 490, 106, 45, 22);
    place(Panel5, 540, 106, 45, 22);
    place(cup, 320, 134, 60, 22);
    place(cdown, 390, 134, 60, 22);
    place(cleft, 460, 134, 60, 22);
    place(cright, 530, 134, 60, 22);
    place(ctitle, 320, 162, 130, 22);
    place(mtitle, 325, 165, 120, 16);
    place(ctimes, 460, 162, 130, 22);
    place(mtimes, 465, 165, 120, 16);
    place(cwheel, 320, 190, 190, 22);
    place(mwheel, 325, 193, 180, 16);
    place(cwheelid, 520, 190, 70, 22);
    place(cmr, 320, 218, 190, 22);
    place(mmr, 325, 221, 180, 16);
    place(crightid, 520, 218, 70, 22);
    place(Panel7, 320, 250, 80, 22);
    place(Panel8, 410, 250, 80, 22);
    place(Panel10, 500, 250, 90, 22);
    place(Image6, 320, 280, 120, 80);
}

void Tsetform::wire()
{
    ListBox1.on_press = [this](MouseButton) { press_item(); };
    Edit1.on_press = [this](MouseButton) {
        edit_focused_ = true;
        focus(&Edit1);
    };
    Edit1.on_key = [this](int) { edit_pending_ = true; };
    Button1.on_click = [this] { close_settings(Write::Yes); };
    Button2.on_click = [this] { close_settings(Write::No); };
    cwheelid.on_click = [this] { untick_to_fixed_colour(cwheelid, 20, mwheel); };
    crightid.on_click = [this] { untick_to_fixed_colour(crightid, 21, mmr); };
    Panel7.on_hover = [this] { show_hint("输入标志网页文件名"); };
    Panel8.on_hover = [this] { show_hint("输入菜单网页文件名"); };
    Panel10.on_hover = [this] { show_hint("输入状态网页文件名"); };
    Image6.on_hover = [this] { show_hint("输入背景文件名(.bpm格式)"); };
    Panel2.on_hover = [this] { colour_movetip_from_line(14); };
    Panel3.on_hover = [this] { colour_movetip_from_line(15); };
    Panel4.on_hover = [this] { colour_movetip_from_line(16); };
    Panel5.on_hover = [this] { colour_movetip_from_line(14); };
    Panel1.on_click = [this] { show_line14_in_panel1(); };
}

void Tsetform::open()
{
    if (stop_main_timers)
        stop_main_timers();
    const Rect r = centred(platform(), kFormWidth, kFormHeight);
    set_bounds(r.left, std::max(r.top, kBelowStatusBar), kFormWidth, kFormHeight);
    show();
    set_topmost(Topmost::Yes);
    platform().set_foreground(hwnd());
    Timer1.set_enabled(true);
}

void Tsetform::close_settings(Write write)
{
    forget_position();
    Timer1.set_enabled(false);
    if (restart_main_timers)
        restart_main_timers();
    if (!app_.FormMain().sbbl.checked() && switch_mouse_companion)
        switch_mouse_companion();
    if (write == Write::Yes)
        settings::save(platform(), ListBox1.items());
    edit_pending_ = false;
    edit_focused_ = false;
    focus(nullptr);
    pointed_item_ = -1;
    hide();
}

void Tsetform::show_line_colour(std::size_t line, std::uint32_t colour)
{
    if (ui::Panel* sample = sample_of_line(line))
        sample->set_color(colour);
    if (ui::Label* label = label_of_line(line))
        label->set_font_color(colour);
}

void Tsetform::fill_editable_copy_once(const std::vector<std::string>& runtime_items)
{
    if (editable_copy_filled_)
        return;
    editable_copy_filled_ = true;
    ListBox1.set_items(runtime_items);
}

void Tsetform::on_mouse_move(Point p)
{
    Form::on_mouse_move(p);
    const Rect list = ListBox1.bounds();
    if (!ListBox1.visible() || !list.contains(p))
        return;
    point_at_item((p.y - list.top) / kItemHeight);
}

void Tsetform::on_key(int vk, KeyAction action)
{
    if (action == KeyAction::Down && edit_focused_ && Edit1.on_key) {
        Edit1.on_key(vk);
        return;
    }
    Form::on_key(vk, action);
}

} // namespace tv
