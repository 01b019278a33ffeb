// Where a desktop toolbar's window goes once the shell has reserved its place.
//
// Both backends move the window the same way: into the band along the docked
// edge of the reserved rectangle, as long as that edge and as thick as the
// window already is (never thicker than the reservation). The reservation may
// be a little thicker than the bar so that maximised windows keep clear of it.
#pragma once

#include "platform/geometry.h"
#include "platform/platform.h"

#include <algorithm>

namespace tv {

inline Rect app_bar_window_rect(AppBarEdge edge, const Rect& reserved, Size window)
{
    const int tall = std::clamp(window.height, 0, std::max(0, reserved.height()));
    const int wide = std::clamp(window.width, 0, std::max(0, reserved.width()));
    switch (edge) {
    case AppBarEdge::Top: return {reserved.left, reserved.top, reserved.right, reserved.top + tall};
    case AppBarEdge::Bottom: return {reserved.left, reserved.bottom - tall, reserved.right, reserved.bottom};
    case AppBarEdge::Left: return {reserved.left, reserved.top, reserved.left + wide, reserved.bottom};
    case AppBarEdge::Right: return {reserved.right - wide, reserved.top, reserved.right, reserved.bottom};
    }
    return reserved;
}

} // namespace tv
