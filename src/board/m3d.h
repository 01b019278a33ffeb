// The form `m3d`: the 3D mouse panel. Its caption is a cell: "old--pop" while the menu the right button opened in the normal wheel is up (the main loop writes it; the status timer shows the menu keys by it, the pop-up test reads it), "old--popxx" after a click. While it is shown (left >= 0) the mode engine selects no mode.
//
// The pad is 64 x 64 pixels, topmost at the pointer; only `Panel13` and the parts
// on it lie inside the window. The pad's behaviour (src/mouse/mouse_pad.h) acts on
// the target window just above and to the left of it. Parts are declared in
// their stacking order, later ones on top: the pictures lie under the panels
// (as pictures do under windowed controls), the vertical slot over the
// horizontal one, and `Image17` (a child of `Panel19` at 0, 15) over its slot.
#pragma once

#include "ui/form.h"

namespace tv {

class Tm3d : public ui::Form {
public:
    Tm3d(Platform&, ui::CellObserver*);

    static constexpr int kSize = 64; // the open pad's width and height

    // The background, silver: its upper half chooses a wheel notch up, its lower half one down.
    ui::Panel Panel13;
    ui::Image Image22; // the top strip: pointing at it closes the pad
    ui::Image Image21; // the bottom strip: the same
    ui::Panel Panel24; // the page bar, green: Page Up in its upper half, Page Down in its lower
    ui::Panel Panel18; // the horizontal slot: Left / Right, or the sibling browser's pages
    ui::Panel Panel19; // the vertical slot: Up / Down
    ui::Image Image17; // in the vertical slot: a left press closes the pad
    ui::Panel Panel25; // the auto bar, maroon: automatic scrolling down (left) or up (right)

    // Outside the window: the pad's diagnostics (its timer writes them).
    ui::Label Label3;   // the mouse-event cell as the last tick saw it
    ui::Panel Panel7;   // "///" and the tick count
    ui::Panel Panel14;  // the class of the target window
    ui::Panel Panel15;  // the class of the root target
    ui::Panel Panel6;   // the class of the foreground window
    ui::Button Button2; // "ok..//" while the pad is the desktop's top window, "err..reset" when it had to re-assert itself

    // The pad's 100 ms timer: on while the pad is open (the opening switches it on, closing off).
    ui::Timer Timer1;
};

} // namespace tv
