#include "platform/platform.h"

namespace tv {

bool WindowRegion::contains(Point p) const
{
    if (xor_rects.empty())
        return true;
    bool inside = false;
    for (const Rect& r : xor_rects)
        if (r.contains(p))
            inside = !inside;
    return inside;
}

} // namespace tv
