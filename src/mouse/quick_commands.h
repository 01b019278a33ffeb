// The quick command executor: one-word commands several panels offer.
//
// A caller names the command in `kxmm.Button1` and clicks `ombrel.vykxcmd`. A
// command runs only when "function.txt" of the program folder enables it: the
// first two characters of its line 0 are a decimal count N, and a line among
// lines 1 to N - 1 that begins with the requested name followed by "()"
// enables that name. Five names are built in: "返回" (back to the return
// window) and "关闭" (close the window under the task list, or the return
// window when more follows, as in "关闭/上网"), tested by their first two
// characters; "开始" (the Start menu), "桌面" (the desktop) and "任务" (the task
// menu), tested whole. Any other name does nothing, even when enabled.
//
// `ombrel.mmenu` opens the menu bar of the window under the task list.
#pragma once

#include "core/app.h"

#include <optional>
#include <string_view>

namespace tv {

class QuickCommands {
public:
    explicit QuickCommands(App&);

    // At the browser form's creation: "function.txt" into `ombrel.cmdlist`;
    // a missing file leaves the list empty.
    void load_command_list();
    // `ombrel.vykxcmd`
    void run();
    // `ombrel.mmenu`
    void open_menu_bar();

private:
    enum class Command { Return, Close, Start, Desktop, Task };

    std::optional<Command> enabled_command(std::string_view name) const;
    void return_to_window();
    void close_window(std::string_view name);
    void open_start_menu();
    void show_desktop();
    void open_task_menu();
    void note_window(Hwnd);
    bool closable(Hwnd) const;
    Hwnd window_under_task_list() const;

    App& app_;
    Platform& platform_;
};

} // namespace tv
