// The screen scan for the taskbar toolbar runs on every mode-engine tick (40 ms):
// its worst case is a class that is nowhere on the screen, so every grid point is
// examined, on a desktop crowded with windows.
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

BENCHMARK(ScreenScanForAnAbsentClass)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
