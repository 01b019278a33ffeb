// The hook watchdog: a hook the system removed is found by a probe it does not
// hear, set again and counted; a live hook, or one the user switched off, is
// left alone.
#include "hook/hook_watchdog.h"
#include "sim_app.h"

#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

namespace tv::hook {
namespace {

using Step = HookWatchdog::Step;

// One thing that happens to the watched hook, at a time in ms.
struct Happening {
    enum What { Installed, SwitchedOff, Heard, Check } what;
    std::uint64_t at;
    std::uint64_t last_input = 0; // Check: the system's newest input
    Step expected = Step::Nothing; // Check
};

struct WatchCase {
    const char* name;
    std::vector<Happening> happenings;
    unsigned recoveries;
};

void PrintTo(const WatchCase& row, std::ostream* os) { *os << row.name; }

class Watchdog : public ::testing::TestWithParam<WatchCase> {};

TEST_P(Watchdog, ProbesOnUnheardInputAndReinstallsOnAnUnheardProbe)
{
    for (HookKind kind : {HookKind::Mouse, HookKind::Keyboard}) {
        HookWatchdog watchdog;
        const HookKind other = kind == HookKind::Mouse ? HookKind::Keyboard : HookKind::Mouse;
        watchdog.installed(other, 0);
        std::size_t n = 0;
        for (const Happening& h : GetParam().happenings) {
            ++n;
            switch (h.what) {
            case Happening::Installed: watchdog.installed(kind, h.at); break;
            case Happening::SwitchedOff: watchdog.switched_off(kind); break;
            case Happening::Heard: watchdog.heard(kind, h.at); break;
            case Happening::Check: EXPECT_EQ(watchdog.check(kind, h.at, h.last_input), h.expected) << "step " << n; break;
            }
        }
        EXPECT_EQ(watchdog.recoveries(kind), GetParam().recoveries);
        EXPECT_EQ(watchdog.recoveries(other), 0u) << "the other hook is watched on its own";
    }
}

constexpr std::uint64_t kQuiet = HookWatchdog::kQuietMs;

INSTANTIATE_TEST_SUITE_P(
    HookWatchdog, Watchdog,
    ::testing::Values(
        WatchCase{"no input since the hook was set", {{Happening::Installed, 100}, {Happening::Check, 2000, 50}}, 0},
        WatchCase{"input the hook heard",
                  {{Happening::Installed, 0}, {Happening::Heard, 1500}, {Happening::Check, 2000, 1500}},
                  0},
        WatchCase{"input just within the quiet time",
                  {{Happening::Installed, 0}, {Happening::Heard, 1000}, {Happening::Check, 2000, 1000 + kQuiet}},
                  0},
        WatchCase{"unheard input, the probe heard",
                  {{Happening::Installed, 0},
                   {Happening::Check, 2000, 1000 + kQuiet + 1, Step::Probe},
                   {Happening::Heard, 2000},
                   {Happening::Check, 4000, 2000},
                   {Happening::Check, 6000, 2000}},
                  0},
        WatchCase{"unheard input, the probe unheard",
                  {{Happening::Installed, 0},
                   {Happening::Check, 2000, 1500, Step::Probe},
                   {Happening::Check, 4000, 2000, Step::Reinstall},
                   {Happening::Installed, 4000},
                   {Happening::Check, 6000, 3900}},
                  1},
        WatchCase{"removed twice",
                  {{Happening::Installed, 0},
                   {Happening::Check, 2000, 1500, Step::Probe},
                   {Happening::Check, 4000, 2000, Step::Reinstall},
                   {Happening::Installed, 4000},
                   {Happening::Check, 6000, 5000, Step::Probe},
                   {Happening::Heard, 5999},
                   {Happening::Check, 8000, 6000, Step::Reinstall}},
                  2},
        WatchCase{"switched off",
                  {{Happening::Installed, 0}, {Happening::SwitchedOff, 100}, {Happening::Check, 2000, 1900}},
                  0},
        WatchCase{"switched off while probing",
                  {{Happening::Installed, 0},
                   {Happening::Check, 2000, 1500, Step::Probe},
                   {Happening::SwitchedOff, 2100},
                   {Happening::Check, 4000, 3900}},
                  0},
        WatchCase{"a probe never carries over a new installation",
                  {{Happening::Installed, 0},
                   {Happening::Check, 2000, 1500, Step::Probe},
                   {Happening::Installed, 2100},
                   {Happening::Check, 4000, 2000}},
                  0}));

} // namespace
} // namespace tv::hook

namespace tv::test {
namespace {

// A hook on the desktop and the raw input that makes a token of it.
struct DroppedHook {
    const char* name;
    hook::HookKind kind;
    std::function<void(sim::SimDesktop&)> input;
    const char* cell_class;
    const char* token;
    const char* shown; // the status form's hookwatch panel afterwards
};

void PrintTo(const DroppedHook& row, std::ostream* os) { *os << row.name; }

class HookWatchdogOnTheDesk : public SimApp, public ::testing::WithParamInterface<DroppedHook> {};

TEST_P(HookWatchdogOnTheDesk, FindsADroppedHookAndSetsItAgain)
{
    const DroppedHook& row = GetParam();
    start();
    desk.advance(500);
    desk.drop_hook(row.kind);
    row.input(desk);
    EXPECT_NE(caption(row.cell_class), row.token) << "no token while the hook is gone";

    desk.advance(2 * static_cast<int>(hook::HookWatchdog::kCheckPeriodMs) + 100);
    EXPECT_FALSE(desk.hook_dropped(row.kind));
    row.input(desk);
    EXPECT_EQ(caption(row.cell_class), row.token);
    desk.advance(200);
    EXPECT_EQ(app->lifeform().hookwatch.text(), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    HookWatchdog, HookWatchdogOnTheDesk,
    ::testing::Values(
        DroppedHook{"mouse", hook::HookKind::Mouse, [](sim::SimDesktop& d) { d.user_wheel(120); }, "TvykForm3",
                    "ystop wheel=///", "hook recoveries: mouse 1, keyboard 0"},
        DroppedHook{"keyboard", hook::HookKind::Keyboard,
                    [](sim::SimDesktop& d) {
                        d.user_key('A', KeyAction::Down);
                        d.user_key('A', KeyAction::Up);
                    },
                    "Tpyoil", "key--65", "hook recoveries: mouse 0, keyboard 1"}));

// Twenty seconds of one kind of input at a time: the other hook is probed
// while it hears nothing, and neither is ever taken for gone.
TEST_F(HookWatchdogOnTheDesk, LiveHooksAreLeftAlone)
{
    start();
    for (int i = 0; i < 100; ++i) {
        desk.user_move({100 + i, 300});
        desk.advance(100);
    }
    for (int i = 0; i < 100; ++i) {
        desk.user_key(vk::kShift, i % 2 ? KeyAction::Up : KeyAction::Down);
        desk.advance(100);
    }
    EXPECT_EQ(desk.hook_recoveries().mouse, 0u);
    EXPECT_EQ(desk.hook_recoveries().keyboard, 0u);
    EXPECT_EQ(app->lifeform().hookwatch.text(), "hook recoveries: mouse 0, keyboard 0");
}

// The keyboard hook the user switched off on the options form stays off
// whatever is typed: the watchdog watches only hooks that are on.
TEST_F(HookWatchdogOnTheDesk, AHookSwitchedOffStaysOff)
{
    start();
    app->FormMain().srfbl.set_checked(false);
    app->pyoil().srftt.click();
    ASSERT_FALSE(desk.keyboard_hook_on());
    for (int i = 0; i < 60; ++i) {
        desk.user_key('A', i % 2 ? KeyAction::Up : KeyAction::Down);
        desk.advance(100);
    }
    EXPECT_FALSE(desk.keyboard_hook_on());
    EXPECT_EQ(desk.hook_recoveries().keyboard, 0u);
}

} // namespace
} // namespace tv::test
