#include "board/setform.h"

#include "board/cells.h"

#include <array>

namespace tv {
namespace {

constexpr int kListLines = 27; // the whole settings list without scrolling

} // namespace

// The editable copy until start-up completion replaces it by the runtime list.
std::vector<std::string> Tsetform::default_items()
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

namespace {

// The movement samples start in distinct colours; the settings lines may change them.
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kGray = 0x808080;

bool is_colour_line(std::size_t line)
{
    return line >= settings::kFirstColourLine && line <= settings::kLastColourLine;
}

} // namespace

Tsetform::Tsetform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"setform", "Tsetform", "设置", Rect::from_size(0, 0, kWidth, kHeight), Visibility::Hidden,
                          Topmost::No, 0}, observer),
      ListBox1(*this, "ListBox1", default_items()), Edit1(*this, "Edit1"), Button1(*this, "Button1", "保存"),
      Button2(*this, "Button2", "返回"), cmdopen(*this, "cmdopen"), cup(*this, "cup"), cdown(*this, "cdown"), cleft(*this, "cleft"),
      cright(*this, "cright"), ctitle(*this, "ctitle"), ctimes(*this, "ctimes"), cwheel(*this, "cwheel"),
      cmr(*this, "cmr"), mtitle(*this, "mtitle", "标题"), mtimes(*this, "mtimes", "次数"),
      mwheel(*this, "mwheel", "上滚=    下滚="), mmr(*this, "mmr", "右键＝"),
      cwheelid(*this, "cwheelid", ui::ControlKind::CheckBox, "自动", true),
      crightid(*this, "crightid", ui::ControlKind::CheckBox, "自动", true), movetip(*this, "movetip"),
      Panel1(*this, "Panel1"), Panel2(*this, "Panel2"), Panel3(*this, "Panel3"), Panel4(*this, "Panel4"),
      Panel5(*this, "Panel5"), Panel7(*this, "Panel7", "标志"), Panel8(*this, "Panel8", "菜单"),
      Panel10(*this, "Panel10", "状态栏"), Image6(*this, "Image6"), Timer1(*this, "Timer1", 100, false)
{
    cup.set_color(kGreen);
    cdown.set_color(kRed);
    cleft.set_color(kBlue);
    cright.set_color(kGray);
    lay_out();
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

ui::Panel* Tsetform::sample_of_line(std::size_t line)
{
    const std::array<ui::Panel*, 8> samples{&cup, &cdown, &cleft, &cright, &ctitle, &ctimes, &cwheel, &cmr};
    return is_colour_line(line) ? samples[line - settings::kFirstColourLine] : nullptr;
}

ui::Label* Tsetform::label_of_line(std::size_t line)
{
    const std::array<ui::Label*, 4> labels{&mtitle, &mtimes, &mwheel, &mmr};
    return line >= settings::kFirstLabelColourLine && line <= settings::kLastColourLine
               ? labels[line - settings::kFirstLabelColourLine]
               : nullptr;
}

} // namespace tv
