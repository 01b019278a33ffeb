// SimDesktop: desktop toolbars and the rectangles they reserve.
#include "platform/sim/sim_desktop.h"

#include "platform/app_bar.h"

namespace tv::sim {

bool SimDesktop::register_app_bar(Hwnd h, std::uint32_t callback_message)
{
    if (!find(h))
        return false;
    auto [it, added] = app_bars_.try_emplace(h);
    if (added)
        it->second.callback_message = callback_message;
    return true;
}

void SimDesktop::place_app_bar(Hwnd h, AppBarEdge edge, const Rect& r)
{
    auto it = app_bars_.find(h);
    if (it == app_bars_.end() || !find(h))
        return;
    it->second.placed = true;
    it->second.edge = edge;
    it->second.rect = r;
    const Rect now = window_rect(h);
    set_window_rect(h, app_bar_window_rect(edge, r, {now.width(), now.height()}));
}

void SimDesktop::remove_app_bar(Hwnd h) { app_bars_.erase(h); }

std::optional<SimAppBar> SimDesktop::app_bar(Hwnd h) const
{
    auto it = app_bars_.find(h);
    return it == app_bars_.end() ? std::nullopt : std::optional<SimAppBar>(it->second);
}

} // namespace tv::sim
