// One tick of the wheel-mode engine (40 ms period) on a desktop of 300
// windows. Every tick scans the screen for the taskbar toolbar; with none on
// the screen the scan examines every grid point, its worst case. A selecting
// tick (the pointer moved since the last one) also writes the mode and its
// hints and rebuilds the hint bar; a still tick only samples and does its duties.
// "of_period" is the tick's share of the 40 ms period, printed with SI
// prefixes (1.5m is 0.0015, 0.15 %).
#include "browser/ombrel.h"
#include "core/app.h"
#include "crowded_desktop.h"
#include "settings/form_main.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kPeriodSeconds = 0.040;

struct RunningEngine {
    explicit RunningEngine(tv::Size screen) : desk(screen), app(desk, {})
    {
        tv::bench::crowd(desk, screen);
        app.create_forms();
        desk.advance(200); // start command and start-up completion
        app.FormMain().hide();
        app.FormMain().set_left(tv::kParkedLeftFormMain);
        centre = {screen.width / 2, screen.height / 2};
        desk.user_move(centre);
    }
    tv::sim::SimDesktop desk;
    tv::App app;
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
    tv::ModeEngine& engine = run.app.ombrel().mode_engine;
    bool left = false;
    for (auto _ : state) {
        left = !left;
        run.desk.set_cursor_pos({run.centre.x + (left ? -30 : 0), run.centre.y});
        engine.tick();
    }
    report_share_of_period(state);
}

void ModeEngineStillTick(benchmark::State& state)
{
    RunningEngine run(screen_of(state));
    tv::ModeEngine& engine = run.app.ombrel().mode_engine;
    for (auto _ : state)
        engine.tick();
    report_share_of_period(state);
}

BENCHMARK(ModeEngineSelectingTick)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
BENCHMARK(ModeEngineStillTick)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
