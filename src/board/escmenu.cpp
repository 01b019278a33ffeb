#include "board/escmenu.h"

#include "board/places.h"

namespace tv {
namespace {

constexpr const char* kQuickbarCaptions[] = {"复制", "粘贴", "删除", "搜索", "鼠标", "打字", "导航", "菜单", "资源管理器", "个人中心"};

void place(ui::Control& c, int left, int top, int width, int height, bool shown = true)
{
    c.set_bounds(left, top, width, height);
    c.set_visible(shown);
}

} // namespace

Tescmenu::Tescmenu(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"escmenu", "Tescmenu", "old--downok", centred(platform, 729, 541), Visibility::Hidden, Topmost::No, 0}, observer),
      CppWebBrowser2(*this, "CppWebBrowser2"), CppWebBrowser3(*this, "CppWebBrowser3"),
      CppWebBrowser1(*this, "CppWebBrowser1"), noweb(*this, "noweb", "网页控件不可用：预览、新闻和本地页面无法显示"),
      Panel4(*this, "Panel4"), Panel17(*this, "Panel17"),
      Panel3(*this, "Panel3", "右键返回 Esc搜索  F1记事   F2加入首页"),
      Panel8(*this, "Panel8", "菜单"),
      Edit1(*this, "Edit1", "搜索上网"),
      Edit2(*this, "Edit2", "备忘录 秘密日记"),
      plan(*this, "plan"),
      Label6(*this, "Label6", "-----"),
      Memo2(*this, "Memo2", "预\r\n览\r\n新\r\n闻\r\n搜\r\n索\r\n控\r\n制\r\n导\r\n航\r\n提\r\n示"),
      BitBtn1(*this, "BitBtn1", "搜索"), Panel6(*this, "Panel6", "绝技"), Panel5(*this, "Panel5"),
      Panel11(*this, "Panel11"), Panel7(*this, "Panel7"), Panel12(*this, "Panel12"), Panel1(*this, "Panel1"),
      Panel2(*this, "Panel2"), Panel10(*this, "Panel10"), pf1(*this, "pf1", "关"), pf2(*this, "pf2", "桌"),
      pf3(*this, "pf3", "开"), pf4(*this, "pf4", "网"), pf5(*this, "pf5", "中"), pf6(*this, "pf6", "小"),
      pf7(*this, "pf7", "大"), srfid(*this, "srfid", "输"), sbid(*this, "sbid", "鼠"), pf8(*this, "pf8", "？"),
      pf9(*this, "pf9", "×"), quickbar(*this, "quickbar"),
      quickbar_buttons{ui::Button(*this, "qb1", kQuickbarCaptions[0]), ui::Button(*this, "qb2", kQuickbarCaptions[1]),
                       ui::Button(*this, "qb3", kQuickbarCaptions[2]), ui::Button(*this, "qb4", kQuickbarCaptions[3]),
                       ui::Button(*this, "qb5", kQuickbarCaptions[4]), ui::Button(*this, "qb6", kQuickbarCaptions[5]),
                       ui::Button(*this, "qb7", kQuickbarCaptions[6]), ui::Button(*this, "qb8", kQuickbarCaptions[7]),
                       ui::Button(*this, "qb9", kQuickbarCaptions[8]), ui::Button(*this, "qb10", kQuickbarCaptions[9])},
      ListBox1(*this, "ListBox1"), Memo1(*this, "Memo1", "秘密日记"), MaskEdit1(*this, "MaskEdit1"),
      decrypt(*this, "decrypt", "解密"), encrypt(*this, "encrypt", "加密"), passlabel(*this, "passlabel", "日记密码"),
      closeplan(*this, "closeplan", "关闭个人信息中心"), openriji(*this, "openriji", "打开"),
      saveriji(*this, "saveriji", "保存"), outpath(*this, "outpath"),
      plantip(*this, "plantip", "F1 复制 F3粘贴 F4删除 回车＝加入"), Timer1(*this, "Timer1", 100, true)
{
    lay_out();
}

std::array<ui::Panel*, 11> Tescmenu::command_row()
{
    return {&pf1, &pf2, &pf3, &pf4, &pf5, &pf6, &pf7, &srfid, &sbid, &pf8, &pf9};
}

void Tescmenu::lay_out()
{
    place(CppWebBrowser2, 8, 7, 681, 113);
    place(CppWebBrowser3, 8, 120, 681, 156);
    place(noweb, 8, 7, 681, 24, false);
    place(Panel4, 6, 276, 683, 70);
    place(Panel8, 12, 286, 40, 24);
    place(Edit1, 60, 286, 110, 22);
    place(BitBtn1, 172, 286, 40, 22);
    place(Panel17, 225, 286, 235, 31);
    int x = 227;
    for (ui::Panel* item : command_row()) {
        place(*item, x, 289, 19, 24);
        x += 21;
    }
    place(Edit2, 470, 286, 130, 22);
    place(Panel6, 610, 286, 40, 24);
    place(Panel11, 12, 336, 30, 5);
    place(Panel12, 650, 336, 29, 5);
    place(CppWebBrowser1, 7, 346, 681, 141);
    place(Panel3, 6, 487, 683, 41);
    place(Label6, 12, 490, 300, 18);
    place(Memo2, 690, 7, 26, 521);
    place(Panel5, 6, 528, 30, 5);
    place(Panel7, 660, 528, 29, 5);
    place(Panel1, 6, 533, 340, 18);
    place(Panel2, 350, 533, 200, 18);
    place(Panel10, 554, 533, 160, 18);
    place(quickbar, 72, 346, 521, 31, false);
    x = 74;
    for (ui::Button& b : quickbar_buttons) {
        const int width = b.text().size() > 4 ? 70 : 44;
        place(b, x, 349, width, 25, false);
        x += width + 2;
    }
    place(plan, 16, 8, 665, 265, false);
    place(ListBox1, 22, 14, 250, 250, false);
    place(Memo1, 280, 14, 395, 190, false);
    place(passlabel, 280, 210, 60, 20, false);
    place(MaskEdit1, 342, 210, 100, 20, false);
    place(decrypt, 448, 208, 50, 24, false);
    place(encrypt, 502, 208, 50, 24, false);
    place(openriji, 556, 208, 50, 24, false);
    place(saveriji, 610, 208, 50, 24, false);
    place(closeplan, 280, 238, 130, 24, false);
    place(plantip, 420, 242, 255, 20, false);
    place(outpath, 0, 0, 0, 0, false);
}

void Tescmenu::show_plan(bool shown)
{
    for (ui::Control* c : std::initializer_list<ui::Control*>{&plan, &ListBox1, &Memo1, &passlabel, &MaskEdit1, &decrypt,
                                                             &encrypt, &openriji, &saveriji, &closeplan, &plantip})
        c->set_visible(shown);
    for (ui::WebView* view : {&CppWebBrowser2, &CppWebBrowser3})
        view->set_visible(!shown);
    if (shown) {
        CppWebBrowser2.set_bounds(8, 7, 0, 0);
        CppWebBrowser3.set_bounds(8, 120, 0, 0);
    } else {
        CppWebBrowser2.set_bounds(8, 7, 681, 113);
        CppWebBrowser3.set_bounds(8, 120, 681, 156);
    }
    if (CppWebBrowser2.created())
        CppWebBrowser2.sync_bounds();
    if (CppWebBrowser3.created())
        CppWebBrowser3.sync_bounds();
}

void Tescmenu::show_quickbar(bool shown)
{
    quickbar.set_visible(shown);
    for (ui::Button& b : quickbar_buttons)
        b.set_visible(shown);
}

} // namespace tv
