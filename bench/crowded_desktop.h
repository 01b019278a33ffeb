// A desktop crowded with other programs' windows, for the benchmarks.
#pragma once

#include "platform/sim/sim_desktop.h"
#include "wiring/program.h"

#include <string>

namespace tv::bench {

inline constexpr int kCrowdWindows = 300;

// Overlapping windows in a cascade, every tenth with two children, none of
// them a toolbar.
inline void crowd(sim::SimDesktop& desk, Size screen)
{
    for (int i = 0; i < kCrowdWindows; ++i) {
        const int left = (i * 37) % (screen.width - 200);
        const int top = (i * 53) % (screen.height - 150);
        const Hwnd h = desk.add_window("AppWindow" + std::to_string(i % 17), "", Rect::from_size(left, top, 200, 150));
        if (i % 10 == 0) {
            desk.add_window("Edit", "", Rect::from_size(5, 25, 190, 100), Visibility::Shown, Topmost::No, h);
            desk.add_window("msctls_statusbar32", "", Rect::from_size(0, 130, 200, 20), Visibility::Shown,
                            Topmost::No, h);
        }
    }
}

// The program running on a crowded desktop, past its start, the pointer at the
// screen's centre.
struct RunningProgram {
    explicit RunningProgram(Size screen) : desk(screen), program(desk, {}), app(program.app())
    {
        crowd(desk, screen);
        program.create_forms();
        desk.user_move({screen.width / 2, screen.height / 2});
        desk.advance(200); // start command and start-up completion
    }
    sim::SimDesktop desk;
    Program program;
    App& app;
};

} // namespace tv::bench
