// One main-loop tick (50 ms period) and one still-counter tick (100 ms) of the
// running program, on a desktop of 300 windows, the pointer over one of them.
#include "core/app.h"
#include "crowded_desktop.h"
#include "mouse/pyoil.h"

#include <benchmark/benchmark.h>

namespace {

struct RunningProgram {
    explicit RunningProgram(tv::Size screen) : desk(screen), app(desk, {})
    {
        tv::bench::crowd(desk, screen);
        app.create_forms();
        desk.user_move({screen.width / 2, screen.height / 2});
        desk.advance(200); // start command and start-up completion
    }
    tv::sim::SimDesktop desk;
    tv::App app;
};

void MainLoopTick(benchmark::State& state)
{
    RunningProgram run({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
    tv::MainLoop& loop = run.app.pyoil().main_loop;
    for (auto _ : state)
        loop.tick();
}

void StillCounterTick(benchmark::State& state)
{
    RunningProgram run({1024, 768});
    tv::MainLoop& loop = run.app.pyoil().main_loop;
    for (auto _ : state)
        loop.still_tick();
}

BENCHMARK(MainLoopTick)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(StillCounterTick)->Unit(benchmark::kMicrosecond);

} // namespace
