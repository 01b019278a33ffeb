// SimDesktop: the virtual clock and the timers it fires.
#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tv::sim {

void SimDesktop::sleep_ms(int ms)
{
    if (ms > 0)
        now_ += static_cast<std::uint64_t>(ms);
}

TimerId SimDesktop::start_timer(int interval_ms, std::function<void()> on_tick)
{
    const TimerId id = next_timer_++;
    const int interval = std::max(1, interval_ms);
    timers_[id] = SimTimer{interval, now_ + static_cast<std::uint64_t>(interval), std::move(on_tick)};
    return id;
}

void SimDesktop::stop_timer(TimerId id) { timers_.erase(id); }

// Fires the earliest timer due by `until`; a timer that fell behind while a
// handler slept fires once, now, like a coalesced WM_TIMER.
bool SimDesktop::fire_next_timer(std::uint64_t until)
{
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.due <= until && (next == timers_.end() || it->second.due < next->second.due))
            next = it;
    if (next == timers_.end())
        return false;
    now_ = std::max(now_, next->second.due);
    next->second.due = now_ + static_cast<std::uint64_t>(next->second.interval);
    auto on_tick = next->second.on_tick; // the handler may stop or restart its own timer
    on_tick();
    return true;
}

void SimDesktop::advance(int ms)
{
    const std::uint64_t until = now_ + static_cast<std::uint64_t>(std::max(0, ms));
    pump_posted();
    while (fire_next_timer(until))
        pump_posted();
    now_ = std::max(now_, until);
}

} // namespace tv::sim
