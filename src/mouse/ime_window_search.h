// The screen search for an input method's composition window: a grid of probes
// over the whole screen, every 20 pixels across and 10 down, asking which window
// is at each point and whether its class holds a piece of a class name.
#pragma once

#include "core/app.h"

#include <string_view>

namespace tv {

// The probe grid's steps, in pixels.
inline constexpr int kSearchStepX = 20;
inline constexpr int kSearchStepY = 10;

// Scans the screen column by column, top to bottom; a column stops at its
// first window whose class contains `class_piece`. Returns the window found in
// the right-most column that has one, or 0. With `record`, the class of every
// column's hit is added to the latch list (`pyoil.ListBox5`). `pyoil.Panel3`
// tells the last probe's outcome: "ff " + `pyoil.Panel1` after a hit, "---- "
// after a miss. An empty piece matches nothing.
Hwnd search_composition_window(App&, std::string_view class_piece, bool record);

} // namespace tv
