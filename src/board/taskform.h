// The form `taskform`: the task manager. While it is shown over a hidden
// navigation panel the main loop leaves the mode engine as it is; a shown task
// form at start-up takes the options form's place.
//
// The entry lists are parallel: item i of `ListBox5`, `ListBox10` and
// `ListView1` (and of the task manager's handle and process-id arrays) belong
// to one listed window; whoever removes an entry removes index i from all.
#pragma once

#include "ui/form.h"

namespace tv {

class Ttaskform : public ui::Form {
public:
    Ttaskform(Platform&, ui::CellObserver*);

    ui::Button pf4; // the web button: brings up or starts the sibling browser
    ui::Button pf9; // ends the program
    // The window under the last right press: its title and class (right-button dispatch).
    ui::Panel windtitle;
    ui::Panel windclass;
    // The hint of the command button under the pointer (what "关闭" would close,
    // also written by the quick command "任务"); after a key release in the
    // list, that key's code.
    ui::Panel pftip;

    // ---- the command row (read and clicked by the escape menu too) ----
    ui::Button pf1; // "关": close the window behind the form
    ui::Button pf2; // "桌": the desktop
    ui::Button pf3; // "开": the Start menu
    ui::Button pf5; // "中": middle bar
    ui::Button pf6; // "小": small bar
    ui::Button pf7; // "大": large bar
    ui::Button pf8; // "？": the options form
    ui::Button srfid; // "输": the keyboard companion on/off; struck out while off
    ui::Button sbid;  // "鼠": the mouse companion on/off; struck out while off

    // ---- the entry lists (task manager) ----
    ui::ListBox ListBox5;  // entry titles: the title, 96 spaces and "-"
    ui::ListBox ListBox10; // entry program paths ("" when not found)
    ui::ListView ListView1; // one item per entry: its title and program icon
    ui::ListBox ListBox3;  // diagnostics: process id, title, class, "///", extended style
    ui::ListBox ListBox9;  // diagnostics: title "==" process id "//" path
    ui::Panel Panel1;      // scan progress

    // ---- bars and hover targets ----
    ui::Panel Panel2;  // the top bar: hint text; hovering opens the current menu
    ui::Panel Panel6;  // the left bar "程序管理器": hovering leaves the task manager
    ui::Panel Panel12; // leaves the task manager too
    ui::Panel Panel5;  // hovering: the status form's Button6 says "close window"
    ui::Panel Panel7;  // hovering: "desktop"
    ui::Panel Panel17; // "-->": a press shows the form large
    ui::Panel Memo1;   // the help text

    // ---- commands (hidden buttons) ----
    ui::Button showad;      // open: refresh, icons, 255 x 480 centred, with the escape menu
    ui::Button Button1;     // refresh the list
    ui::Button setlistview; // load the icons
    ui::Button Button6;     // remove the entry whose index is its caption
    ui::Button nexttask;    // the next listed window to the front (task wheel, key pad)
    ui::Button prevtask;    // the previous one
    ui::Button outdesk;     // main timers on again, form hidden
    ui::Button Button2;     // the form to the front
    ui::Button Button3;     // "hide"

    ui::Timer Timer1; // the preview: 100 ms while the form is open
};

} // namespace tv
