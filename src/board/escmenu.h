// The form `escmenu`: the escape menu. Its caption is a cell: the input hook
// writes "buttonup" / "rbuttonup" on releases; the main loop's pop-up test
// turns it into "old--pop" or "?old--xxpop", Esc then opens the menu
// ("--escok").
#pragma once

#include "ui/form.h"
#include "ui/web_view.h"

#include <array>

namespace tv {

class Tescmenu : public ui::Form {
public:
    Tescmenu(Platform&, ui::CellObserver*);

    // The frames first: later controls lie on top of them.
    // The three web views: preview, news and the local page whose hovered links are previewed.
    ui::WebView CppWebBrowser2;
    ui::WebView CppWebBrowser3;
    ui::WebView CppWebBrowser1;
    // Stands in the views' place when the platform has no web control.
    ui::Label noweb;
    ui::Panel Panel4;  // the control strip (hover hides the quick bar, and the personal centre below Edit2)
    ui::Panel Panel17; // the command row's frame
    ui::Panel Panel3;  // the hint line's fixed texts
    // "菜单", or "下网" while the sibling browser's main window is shown (main
    // loop); "----" when a drag copied a selection to be opened as an address
    // (drag results), which the main loop takes.
    ui::Panel Panel8;
    ui::Edit Edit1; // the search box; also the address the clipboard search opened
    ui::Edit Edit2;  // the note entry box: "备忘录 秘密日记" once Esc opened the menu
    ui::Panel plan;  // the personal centre (notes and diary); hidden when the right button parks the menu

    ui::Label Label6;  // the hint line: what the hovered command-row item does
    ui::Label Memo2;   // the area names, one character per line
    ui::Button BitBtn1; // search
    ui::Panel Panel6;   // "绝技": shows the quick bar
    // Hover strips: Panel5 / Panel11 go to the task bar, Panel7 / Panel12 open the navigation panel.
    ui::Panel Panel5;
    ui::Panel Panel11;
    ui::Panel Panel7;
    ui::Panel Panel12;
    ui::Panel Panel1;  // the local page view's last status text
    ui::Panel Panel2;  // the preview view's current address (Timer1)
    ui::Panel Panel10; // the preview and news views' last status text
    // The command row: one-character items that click the task form's commands of the same names.
    ui::Panel pf1, pf2, pf3, pf4, pf5, pf6, pf7, srfid, sbid, pf8, pf9;
    // The quick bar of help pages, hidden until `Panel6` is hovered.
    ui::Panel quickbar;
    std::array<ui::Button, 10> quickbar_buttons;
    // The personal centre's contents, shown with `plan`.
    ui::ListBox ListBox1; // the notes, one per line, kept in "plan.txt"
    ui::Edit Memo1;       // the diary, lines separated by CR LF
    ui::Edit MaskEdit1;   // the diary password (typed characters shown as stars)
    ui::Button decrypt;   // "解密"
    ui::Button encrypt;   // "加密"
    ui::Label passlabel;  // "日记密码"
    ui::Button closeplan; // "关闭个人信息中心"
    ui::Button openriji;  // "打开"
    ui::Button saveriji;  // "保存"
    ui::Edit outpath;     // the last file the personal centre used (hidden)
    ui::Label plantip;    // "F1 复制 F3粘贴 F4删除 回车＝加入"
    ui::Timer Timer1;     // 100 ms, always running

    // The command row in order, with the hint each shows.
    std::array<ui::Panel*, 11> command_row();
    // Shows or hides the personal centre with its contents; the preview and news
    // views (windows of their own) step aside while it is shown.
    void show_plan(bool shown);
    bool plan_shown() const { return plan.visible(); }
    void show_quickbar(bool shown);

private:
    void lay_out();
};

} // namespace tv
