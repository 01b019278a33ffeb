// The options menu of `FormMain` (the tray icon's menu): what its items do.
#pragma once

#include "core/app.h"

namespace tv {

class OptionsMenu {
public:
    explicit OptionsMenu(App& app) : app_(app) {}

    void close_program();       // "关闭"
    void show_help();           // "帮助 "
    void toolbar_settings();    // "工具栏设置"
    void bar_size(ui::Button& size_command); // "大", "中", "小": a size command of the status bar
    void show_key_pad();        // "无"
    void three_speed_wheel();   // "三速滚轮": the tick changes, then the wheel modes follow it
    void show_messages();       // "显示信息": the status form's message lines and the input-mode form
    void restart_glidamo();     // "重启【Glidamo】"
    void restart_typamo();      // "重启【Typamo】"

private:
    App& app_;
};

// A menu item that is a switch: "三速滚轮", "显示键盘控制中心".
inline void toggle(ui::Check& item) { item.set_checked(!item.checked()); }

} // namespace tv
