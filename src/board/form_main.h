// The options form `FormMain`, with the tray icon's menu. Its caption's first
// ten bytes are a state word ("设置说明--", "开始菜单--"), then markers such as
// "超级菜单" and "超级右键" that other behaviours add and test.
#pragma once

#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/web_view.h"

#include <functional>

namespace tv {

class TFormMain : public ui::Form {
public:
    TFormMain(Platform&, ui::CellObserver*);
    // Runs `on_destroy` while the controls still exist: the run's end.
    ~TFormMain() override;

    static constexpr std::uint32_t kTrayIconId = 1006;
    static constexpr std::uint32_t kTrayMessage = 0x8064;
    static constexpr int kCreatedHeight = 508;

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

    // The notification-area icon: shown while `CheckBox1` is ticked, with the
    // first picture while "状态1" is selected, else the second.
    ui::Check CheckBox1;    // "放到托盘区"
    ui::Check RadioButton1; // "状态1"
    ui::Check RadioButton2; // "状态2"
    ui::Button Button1;     // "隐藏": hides the form; enabled only while the icon is shown
    ui::Button ToggleState1; // command: swaps "状态1" and "状态2"
    // The Explorer verbs: commands that register and remove them.
    ui::Button Button2; // registers "轻松打开" (and, through Button4, "加密保存")
    ui::Button Button3; // removes both verbs: on closing and at the run's end
    ui::Button Button4; // registers "加密保存"
    ui::Button Button5; // removes "加密保存"
    // The file command panel `outcmd` (shown with the path in `outpath`).
    ui::Edit Edit3;    // the password
    ui::Edit Edit4;    // the password again
    ui::Button Button6; // "加密保存"
    ui::Button Button7; // "解密使用"
    ui::Button Button9; // "×": hides the panel
    // The help view and its links.
    ui::WebView CppWebBrowser1;
    ui::Label Label3; // "帮助中心"
    ui::Label Label7; // "帮助中心"
    ui::Label Label8; // "<<": back
    ui::Label Label9; // ">>": forward
    ui::Label Label6; // "上网": the task manager's web button
    ui::Panel Panel2; // "×  ": pointing at it hides the form
    ui::Panel Panel4; // "×  "
    ui::Panel Panel8; // the help view's status text (the link under the pointer)
    ui::Panel Panel7; // the same, copied every 100 ms by `Timer1`
    ui::Panel GroupBox2; // "状态栏": the caption of the bar-size group
    // The settings form, from the options form and from the tray menu.
    ui::Button Button8; // "设置..."
    ui::Check N11;      // "设置..." (menu item)
    // Standing aside, from the tray menu, before "设置..." (which stays last):
    // N12 pauses and resumes (ticked while paused; the stand-aside check keeps
    // the tick), N13 opens the exclusion list "exclude.txt" in the user's editor.
    ui::Check N12; // "暂停 (Ctrl+Alt+P)"
    ui::Check N13; // "排除列表..."
    // The companion browser form, from the tray menu: N14 shows it over the
    // screen (`ombrel.cmdshowbrowser`), N15 opens its page switcher (`cmdpages`).
    ui::Check N14; // "浏览器"
    ui::Check N15; // "页面列表"
    ui::Timer Timer1;   // 100 ms: the status text mirror, the file panel's controls follow `outcmd`
    // The file panel's controls, shown and hidden with it.
    std::vector<ui::Control*> file_panel_controls() { return {&outpath, &Edit3, &Edit4, &Button6, &Button7, &Button9}; }

    std::function<void()> on_destroy;

    ui::PopupMenu PopupMenu1;

private:
    void lay_out();
};

} // namespace tv
