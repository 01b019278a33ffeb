// What the diagnostics dump reports of a periodic handler's cost: the tick
// count, the average, the longest tick and which one it was, and the 99th
// percentile of the latest ticks, each tick's cost taken on the platform's
// clock around the handler.
#include "board/tick_cost.h"
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tv::test {
namespace {

struct CostRun {
    int ticks = 0;
    int ms = 0; // each tick's cost
};

struct TickCostRow {
    const char* what;
    std::vector<CostRun> runs; // in order
    const char* line;
};

void PrintTo(const TickCostRow& row, std::ostream* os) { *os << row.what; }

class TickCostLine : public ::testing::TestWithParam<TickCostRow> {};

TEST_P(TickCostLine, ReportsTicksAverageLongestAndPercentile)
{
    sim::SimDesktop desk;
    TickCost cost;
    for (const CostRun& run : GetParam().runs)
        for (int i = 0; i < run.ticks; ++i)
            cost.measure(desk, [&desk, &run] { desk.sleep_ms(run.ms); });
    EXPECT_EQ(cost.line("engine"), GetParam().line);
}

std::vector<CostRun> one_to_hundred_ms()
{
    std::vector<CostRun> runs;
    for (int ms = 100; ms >= 1; --ms)
        runs.push_back({1, ms});
    return runs;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TickCostLine,
    ::testing::Values(
        TickCostRow{"no tick yet", {}, "timing engine ticks=0 average_us=0 max_us=0 p99_us=0 max_tick=0"},
        TickCostRow{"one tick", {{1, 7}}, "timing engine ticks=1 average_us=7000 max_us=7000 p99_us=7000 max_tick=1"},
        TickCostRow{"a hundred different ticks, slowest first", one_to_hundred_ms(),
                    "timing engine ticks=100 average_us=50500 max_us=100000 p99_us=99000 max_tick=1"},
        TickCostRow{"two slow ticks in two hundred stay above the percentile", {{2, 10}, {198, 1}},
                    "timing engine ticks=200 average_us=1090 max_us=10000 p99_us=1000 max_tick=1"},
        TickCostRow{"three slow ticks in two hundred reach it", {{197, 1}, {3, 10}},
                    "timing engine ticks=200 average_us=1135 max_us=10000 p99_us=10000 max_tick=198"},
        TickCostRow{"slow ticks older than the latest 4096 leave the percentile, not the longest", {{904, 500}, {4096, 1}},
                    "timing engine ticks=5000 average_us=91219 max_us=500000 p99_us=1000 max_tick=1"}));

} // namespace
} // namespace tv::test
