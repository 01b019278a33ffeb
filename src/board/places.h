// Where a form is: shown, parked or centred. A parked form keeps its window
// but lies off the screen, and counts as hidden for every test of a left edge.
#pragma once

#include "ui/form.h"

namespace tv {

// Left edges that mean "parked".
inline constexpr int kParkedLeft = -2000;
inline constexpr int kParkedLeftFormMain = -1234;

// A rectangle of the given size centred on the screen.
inline Rect centred(const Platform& p, int width, int height)
{
    const Size s = p.screen_size();
    return Rect::from_size((s.width - width) / 2, (s.height - height) / 2, width, height);
}

// Hides a form by moving its left edge off the screen.
inline void park(ui::Form& form, int left = kParkedLeft) { form.set_left(left); }
// A left edge of 0 or more counts as shown for every test of a left edge.
inline bool left_shows(const ui::Form& form) { return form.left() >= 0; }

} // namespace tv
