// The per-tick work of the two pads and of the input-method search, on a
// desktop of 300 windows: the 3D mouse pad's tick (100 ms period) with the
// pointer on one of its slots, the keyboard mouse pad's tick (10 ms period)
// with J held, and the screen search for a composition window (every 20
// pixels across and 10 down, 52 x 77 probes at 1024 x 768) for a class that
// is nowhere, its worst case. "of_period" is the tick's share of its period.
#include "board/kxm.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "crowded_desktop.h"
#include "mouse/ime_window_search.h"
#include "platform/keys.h"

#include <benchmark/benchmark.h>

namespace {

using tv::bench::RunningProgram;

void report_share_of(benchmark::State& state, double period_seconds)
{
    state.counters["of_period"] = benchmark::Counter(
        period_seconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Opened as the quick wheel's right button opens it, the pointer on its upper slot.
void MousePadTick(benchmark::State& state)
{
    RunningProgram run({1024, 768});
    constexpr tv::Point at{400, 400};
    tv::Tm3d& pad = run.app.m3d();
    pad.show();
    pad.set_bounds(at.x, at.y, tv::Tm3d::kSize, tv::Tm3d::kSize);
    pad.Timer1.set_enabled(true);
    run.app.ombrel().Timer1.set_enabled(false);
    run.desk.user_move({at.x + 29, at.y + 15});
    const std::function<void()>& tick = pad.Timer1.on_timer;
    tick();
    if (!pad.Panel7.text().starts_with("///")) {
        state.SkipWithError("the pad's tick did not run");
        return;
    }
    for (auto _ : state)
        tick();
    report_share_of(state, 0.100);
}

// Caps Lock twice opens the pad; J held moves the pointer left on every tick.
void KeyboardPadTick(benchmark::State& state)
{
    RunningProgram run({1024, 768});
    for (int i = 0; i < 2; ++i) {
        run.desk.user_key(tv::vk::kCapsLock, tv::KeyAction::Down);
        run.desk.advance(60);
        run.desk.user_key(tv::vk::kCapsLock, tv::KeyAction::Up);
        run.desk.advance(60);
    }
    if (!run.app.kxm().Timer1.enabled()) {
        state.SkipWithError("the keyboard pad did not open");
        return;
    }
    run.desk.user_key('J', tv::KeyAction::Down);
    const std::function<void()>& tick = run.app.kxm().Timer1.on_timer;
    run.desk.set_cursor_pos({512, 384});
    tick();
    if (run.desk.cursor_pos() == tv::Point{512, 384}) {
        state.SkipWithError("J held did not move the pointer");
        return;
    }
    for (auto _ : state) {
        run.desk.set_cursor_pos({512, 384}); // never at the screen's edge
        tick();
    }
    report_share_of(state, 0.010);
}

void CompositionWindowSearch(benchmark::State& state)
{
    RunningProgram run({static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
    for (auto _ : state)
        benchmark::DoNotOptimize(tv::search_composition_window(run.app, "NoSuchComposition", false));
}

BENCHMARK(MousePadTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyboardPadTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(CompositionWindowSearch)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace
