// The screen scan for the taskbar toolbar runs on every mode-engine tick (40 ms):
// its worst case is a class that is nowhere on the screen, so every grid point is
// examined, on a desktop crowded with windows.
#include "mouse/classify.h"
#include "platform/sim/sim_desktop.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWindows = 300;

// Overlapping windows in a cascade, every tenth with two children, none of
// them a toolbar.
void crowd(tv::sim::SimDesktop& desk, tv::Size screen)
{
    for (int i = 0; i < kWindows; ++i) {
        const int left = (i * 37) % (screen.width - 200);
        const int top = (i * 53) % (screen.height - 150);
        const tv::Hwnd h = desk.add_window("AppWindow" + std::to_string(i % 17), "", tv::Rect::from_size(left, top, 200, 150));
        if (i % 10 == 0) {
            desk.add_window("Edit", "", tv::Rect::from_size(5, 25, 190, 100), tv::Visibility::Shown, tv::Topmost::No, h);
            desk.add_window("msctls_statusbar32", "", tv::Rect::from_size(0, 130, 200, 20), tv::Visibility::Shown,
                            tv::Topmost::No, h);
        }
    }
}

void ScreenScanForAnAbsentClass(benchmark::State& state)
{
    const tv::Size screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    tv::sim::SimDesktop desk(screen);
    crowd(desk, screen);
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::classify::screen_has_class(desk, tv::classify::kTaskbarToolbarClass));
}

BENCHMARK(ScreenScanForAnAbsentClass)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
