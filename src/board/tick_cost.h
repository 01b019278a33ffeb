// What a periodic handler costs, measured on the platform's fine clock; the
// diagnostics dump reports it for the benchmark scripts.
#pragma once

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace tv {

struct TickCost {
    std::uint64_t ticks = 0;
    std::uint64_t total_us = 0;
    std::uint64_t max_us = 0;
    std::uint64_t max_tick = 0; // which tick was the longest, counting from 1

    // The costs of the latest ticks, for the percentile (a fixed ring: a long
    // run keeps the same memory).
    static constexpr std::size_t kRecent = 4096;
    std::array<std::uint32_t, kRecent> recent_us{};

    std::uint64_t average_us() const { return ticks ? total_us / ticks : 0; }

    // The cost that 99 % of the latest ticks stayed within.
    std::uint64_t p99_us() const
    {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(ticks, kRecent));
        if (n == 0)
            return 0;
        std::array<std::uint32_t, kRecent> sorted = recent_us;
        const std::size_t rank = std::min(n - 1, (n * 99 + 99) / 100 - 1);
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(rank),
                         sorted.begin() + static_cast<std::ptrdiff_t>(n));
        return sorted[rank];
    }

    // Runs one tick and adds its cost.
    template <class Tick> void measure(const Platform& p, Tick&& tick)
    {
        const std::uint64_t start = p.precise_us();
        tick();
        const std::uint64_t cost = p.precise_us() - start;
        recent_us[ticks % kRecent] = static_cast<std::uint32_t>(std::min<std::uint64_t>(cost, UINT32_MAX));
        ++ticks;
        total_us += cost;
        if (cost > max_us || ticks == 1) {
            max_us = cost;
            max_tick = ticks;
        }
    }

    // "timing NAME ticks=N average_us=A max_us=M p99_us=P max_tick=T"
    std::string line(const char* name) const
    {
        return std::string("timing ") + name + " ticks=" + std::to_string(ticks) +
               " average_us=" + std::to_string(average_us()) + " max_us=" + std::to_string(max_us) +
               " p99_us=" + std::to_string(p99_us()) + " max_tick=" + std::to_string(max_tick);
    }
};

} // namespace tv
