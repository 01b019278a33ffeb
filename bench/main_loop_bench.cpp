// One main-loop tick (50 ms period) and one still-counter tick (100 ms) of the
// running program, on a desktop of 300 windows, the pointer over one of them.
#include "board/pyoil.h"
#include "crowded_desktop.h"

#include <benchmark/benchmark.h>

namespace {

using tv::bench::RunningProgram;

void MainLoopTick(benchmark::State& state)
{
    RunningProgram run({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
    const std::function<void()>& tick = run.app.pyoil().Timer1.on_timer;
    for (auto _ : state)
        tick();
}

void StillCounterTick(benchmark::State& state)
{
    RunningProgram run({1024, 768});
    const std::function<void()>& tick = run.app.pyoil().Timer2.on_timer;
    for (auto _ : state)
        tick();
}

BENCHMARK(MainLoopTick)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(StillCounterTick)->Unit(benchmark::kMicrosecond);

} // namespace
