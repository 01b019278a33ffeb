// The options menu of `FormMain` (the tray icon's menu): what its items do.
// "显示信息" and the two restarts do nothing yet.
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

private:
    App& app_;
};

// A menu item that is a switch: "三速滚轮", "显示键盘控制中心".
inline void toggle(ui::Check& item) { item.set_checked(!item.checked()); }

} // namespace tv
