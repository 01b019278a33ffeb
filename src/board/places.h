// Where a form is: shown, parked or centred. A parked form keeps its window
// but lies off the screen, and counts as hidden for every test of a left edge.
//
// With several monitors the screen is the virtual screen, the union of them
// all: a monitor left of the primary one lies at negative coordinates. A form
// is parked `base` pixels (-2000, or -1234 for the options form) left of the
// virtual screen's left edge, so no monitor ever shows it; a left edge on the
// virtual screen or right of it counts as shown. With the primary monitor
// alone these are exactly -2000, -1234 and "a left edge of 0 or more".
#pragma once

#include "platform/monitors.h"
#include "ui/form.h"

namespace tv {

// Left edges that mean "parked", with the primary monitor alone.
inline constexpr int kParkedLeft = -2000;
inline constexpr int kParkedLeftFormMain = -1234;

// A rectangle of the given size centred on the (primary) screen.
inline Rect centred(const Platform& p, int width, int height)
{
    const Size s = p.screen_size();
    return Rect::from_size((s.width - width) / 2, (s.height - height) / 2, width, height);
}

// A form's size given in pixels at 96 DPI, scaled to the DPI of the monitor
// that holds the pointer and centred on that monitor: where a form opens
// "centred on the screen".
inline Rect centred_on_pointer_monitor(const Platform& p, int width, int height)
{
    const Monitor m = pointer_monitor(p);
    const int w = scaled(width, m.dpi), h = scaled(height, m.dpi);
    return Rect::from_size(m.rect.left + (m.rect.width() - w) / 2, m.rect.top + (m.rect.height() - h) / 2, w, h);
}

// Puts a form at a rectangle on a monitor (sized for its DPI, as
// centred_on_pointer_monitor gives it); the form's controls scale with that DPI.
inline void place_on_monitor(ui::Form& form, const Monitor& m, const Rect& r)
{
    form.set_dpi(m.dpi);
    form.set_bounds(r.left, r.top, r.width(), r.height());
}

// The left edge that parks a form (see above).
inline int parked_left(const Platform& p, int base = kParkedLeft) { return base + std::min(0, p.virtual_screen().left); }
// A rectangle at a parked left edge.
inline Rect parked_rect(const Platform& p, int top, int width, int height, int base = kParkedLeft)
{
    return Rect::from_size(parked_left(p, base), top, width, height);
}

// A left edge `margin` pixels right of every monitor (the primary screen's
// width + margin with the primary monitor alone): moved there, a form is off
// the right edge of the screen.
inline int right_of_screens(const Platform& p, int margin)
{
    return std::max(p.screen_size().width, p.virtual_screen().right) + margin;
}

// Hides a form by moving its left edge off every monitor.
inline void park(ui::Form& form, int base = kParkedLeft) { form.set_left(parked_left(form.platform(), base)); }
// Whether a form lies exactly where park(form, base) puts it.
inline bool parked_at(const ui::Form& form, int base = kParkedLeft)
{
    return form.left() == parked_left(form.platform(), base);
}
// A left edge on the virtual screen or right of it counts as shown for every
// test of a left edge; a parked one never does.
inline bool left_shows(const ui::Form& form) { return form.left() >= form.platform().virtual_screen().left; }
// Shown, and not at the virtual screen's very left edge (the tests that need a
// left edge of at least 1).
inline bool left_shows_past_edge(const ui::Form& form) { return form.left() > form.platform().virtual_screen().left; }

} // namespace tv
