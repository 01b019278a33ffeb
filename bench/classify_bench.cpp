// The screen scan for the taskbar toolbar runs on every mode-engine tick (40 ms),
// on a desktop crowded with windows: for a class that is nowhere on the screen
// (probing every grid point finds nothing, the scan probes none) and for a
// toolbar at the bottom that the crowd covers in part.
#include "core/classify.h"
#include "crowded_desktop.h"

#include <benchmark/benchmark.h>

namespace {

void ScreenScanForAnAbsentClass(benchmark::State& state)
{
    const tv::Size screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    tv::sim::SimDesktop desk(screen);
    tv::bench::crowd(desk, screen);
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::classify::screen_has_class(desk, tv::classify::kTaskbarToolbarClass));
}

// The same answer from probing every grid point, as the scan did before it
// looked only inside the windows of the class.
void ScreenScanByProbesForAnAbsentClass(benchmark::State& state)
{
    const tv::Size screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    tv::sim::SimDesktop desk(screen);
    tv::bench::crowd(desk, screen);
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::classify::screen_has_class_by_probes(desk, tv::classify::kTaskbarToolbarClass));
}

// A taskbar toolbar along the bottom row of grid points, under the crowd.
void ScreenScanForABottomToolbar(benchmark::State& state)
{
    const tv::Size screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    tv::sim::SimDesktop desk(screen);
    desk.add_window(tv::classify::kTaskbarToolbarClass, "", tv::Rect::from_size(0, screen.height - 50, screen.width, 50));
    tv::bench::crowd(desk, screen);
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::classify::screen_has_class(desk, tv::classify::kTaskbarToolbarClass));
}

BENCHMARK(ScreenScanForAnAbsentClass)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenScanByProbesForAnAbsentClass)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(ScreenScanForABottomToolbar)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
