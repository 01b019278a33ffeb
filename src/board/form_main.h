// The options form `FormMain`, with the tray icon's menu. Its caption's first
// ten bytes are a state word ("设置说明--", "开始菜单--"), then markers such as
// "超级菜单" and "超级右键" that other behaviours add and test.
#pragma once

#include "ui/form.h"
#include "ui/popup_menu.h"

namespace tv {

class TFormMain : public ui::Form {
public:
    TFormMain(Platform&, ui::CellObserver*);

    // The start-page group (helpid, netid, freeid) and the bar-size group
    // (smallid, midid, bigid): one button of each is selected.
    void select_start_page(ui::Check&);
    void select_bar_size(ui::Check&);
    // Top 100, centred horizontally, shown.
    void show_near_top();

    ui::Check srfbl; // "Typamo": the keyboard hook is on (`pyoil.srftt` reads it)
    ui::Check sbbl;  // "Glidamo": the mouse hook is on (`pyoil.sbtt` reads it)
    ui::Check cdbl;  // "快速菜单": the quick menu, ticked at start-up by settings line 23
    ui::Check N2qq;  // "快速右键": the quick right button; the mode engine's hints read it
    ui::Check N3;    // "三速滚轮": the three-speed wheel; off, only the normal wheel is named
    ui::Check N2;    // "显示键盘控制中心"
    ui::Check helpid;
    ui::Check netid; // the start page is the web: start-up runs "ee.bat"
    ui::Check freeid;
    ui::Check smallid; // the bar size start-up gives the status form
    ui::Check midid;
    ui::Check bigid;
    ui::Edit outpath; // a file the sibling browser asked to act on ("filecmd=")
    ui::Panel outcmd; // shown with it

    // The options menu (the tray icon's menu); N3 and N2 above are two of its items.
    ui::Check Shutdown1; // "关闭"
    ui::Check N1;        // "帮助 "
    ui::Check ff1;       // "工具栏设置"
    ui::Check N4;        // "大": bar sizes
    ui::Check N5;        // "中"
    ui::Check N6;        // "小"
    ui::Check N7;        // "无"
    ui::Check N8;        // "显示信息"
    ui::Check N9;        // "重启【Glidamo】"
    ui::Check N10;       // "重启【Typamo】"
    ui::PopupMenu PopupMenu1;
};

} // namespace tv
