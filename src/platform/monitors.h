// Which monitor holds a point, and pixel sizes scaled to a monitor's DPI.
#pragma once

#include "platform/platform.h"

namespace tv {

// The DPI at which the program's pixel sizes are given.
inline constexpr int kBaseDpi = 96;

// A size in pixels at 96 DPI, on a monitor of `dpi` (rounded to the nearest pixel).
inline int scaled(int pixels, int dpi) { return (pixels * dpi + (pixels >= 0 ? kBaseDpi / 2 : -kBaseDpi / 2)) / kBaseDpi; }

// The monitor that holds a point; the nearest one when none does (the
// pointer can rest on no monitor only for a moment).
inline Monitor monitor_at(const Platform& p, Point at)
{
    const std::vector<Monitor> all = p.monitors();
    Monitor best = all.empty() ? Monitor{} : all.front();
    long long best_distance = -1;
    for (const Monitor& m : all) {
        const long long dx = at.x < m.rect.left ? m.rect.left - at.x : (at.x >= m.rect.right ? at.x - m.rect.right + 1 : 0);
        const long long dy = at.y < m.rect.top ? m.rect.top - at.y : (at.y >= m.rect.bottom ? at.y - m.rect.bottom + 1 : 0);
        const long long distance = dx * dx + dy * dy;
        if (best_distance < 0 || distance < best_distance) {
            best = m;
            best_distance = distance;
        }
    }
    return best;
}

// The monitor that holds the pointer.
inline Monitor pointer_monitor(const Platform& p) { return monitor_at(p, p.cursor_pos()); }

} // namespace tv
