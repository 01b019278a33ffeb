// One tick of the wheel-mode engine (40 ms period) on a desktop of 300
// windows. Every tick scans the screen for the taskbar toolbar; with none on
// the screen the scan examines every grid point, its worst case. A selecting
// tick (the pointer moved since the last one) also writes the mode and its
// hints and rebuilds the hint bar; a still tick only samples and does its duties.
// "of_period" is the tick's share of the 40 ms period, printed with SI
// prefixes (1.5m is 0.0015, 0.15 %).
#include "board/form_main.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "crowded_desktop.h"
#include "wiring/program.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kPeriodSeconds = 0.040;

struct RunningEngine {
    explicit RunningEngine(tv::Size screen) : desk(screen), program(desk, {}), app(program.app())
    {
        tv::bench::crowd(desk, screen);
        program.create_forms();
        desk.advance(200); // start command and start-up completion
        app.FormMain().hide();
        app.FormMain().set_left(tv::kParkedLeftFormMain);
        centre = {screen.width / 2, screen.height / 2};
        desk.user_move(centre);
    }
    tv::sim::SimDesktop desk;
    tv::Program program;
    tv::App& app;
    tv::Point centre;
};

void report_share_of_period(benchmark::State& state)
{
    state.counters["of_period"] = benchmark::Counter(
        kPeriodSeconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

tv::Size screen_of(const benchmark::State& state)
{
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

// The pointer goes left and right by 30 pixels between ticks: every tick
// selects the task or the normal wheel and its wheel line differs from the last.
void ModeEngineSelectingTick(benchmark::State& state)
{
    RunningEngine run(screen_of(state));
    // The timer's handler: the mode engine's tick.
    const std::function<void()>& tick = run.app.ombrel().Timer1.on_timer;
    bool left = false;
    for (auto _ : state) {
        left = !left;
        run.desk.set_cursor_pos({run.centre.x + (left ? -30 : 0), run.centre.y});
        tick();
    }
    report_share_of_period(state);
}

void ModeEngineStillTick(benchmark::State& state)
{
    RunningEngine run(screen_of(state));
    // The timer's handler: the mode engine's tick.
    const std::function<void()>& tick = run.app.ombrel().Timer1.on_timer;
    for (auto _ : state)
        tick();
    report_share_of_period(state);
}

BENCHMARK(ModeEngineSelectingTick)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(ModeEngineStillTick)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
