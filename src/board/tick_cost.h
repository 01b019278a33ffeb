// What a periodic handler costs, measured on the platform's fine clock; the
// diagnostics dump reports it for the benchmark scripts.
#pragma once

#include "platform/platform.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace tv {

struct TickCost {
    std::uint64_t ticks = 0;
    std::uint64_t total_us = 0;
    std::uint64_t max_us = 0;

    std::uint64_t average_us() const { return ticks ? total_us / ticks : 0; }

    // Runs one tick and adds its cost.
    template <class Tick> void measure(const Platform& p, Tick&& tick)
    {
        const std::uint64_t start = p.precise_us();
        tick();
        const std::uint64_t cost = p.precise_us() - start;
        ++ticks;
        total_us += cost;
        max_us = std::max(max_us, cost);
    }

    // "timing NAME ticks=N average_us=A max_us=M"
    std::string line(const char* name) const
    {
        return std::string("timing ") + name + " ticks=" + std::to_string(ticks) +
               " average_us=" + std::to_string(average_us()) + " max_us=" + std::to_string(max_us);
    }
};

} // namespace tv
