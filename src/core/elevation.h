// Elevated windows: Windows silently drops the input a program sends to a
// window of a process that runs elevated (as administrator) unless the program
// runs elevated itself. The program never asks for elevation; it tells the
// user instead of acting as if the key was sent.
#pragma once

#include "platform/platform.h"

namespace tv {
class App;
}

namespace tv::elevation {

// The status bar's notice in place of the action's echo.
inline constexpr const char* kNotice = "管理员窗口：按键未发送";

// Whether input sent to `window` would be dropped: its process runs elevated
// (as far as its token can be read) and the program does not.
inline bool input_blocked(const Platform& p, Hwnd window)
{
    if (!window || p.own_elevation() == Elevation::Elevated)
        return false;
    return p.process_elevation(p.window_process_id(window)) == Elevation::Elevated;
}

// Before keys or clicks go to the window in front: whether Windows would drop
// them. If so the status bar shows the notice in place of the action's echo,
// and the caller sends nothing.
bool front_refuses_input(App& app);
// A key-down and key-up of `vk` for the window in front, unless it refuses input.
void press_for_front(App& app, int vk);
// Before a click at the pointer: whether the window there would drop it (then the notice).
bool pointed_window_refuses_input(App& app);

} // namespace tv::elevation
