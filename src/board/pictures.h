// The main form's pictures. Pixels whose green and blue are both 255 (red does
// not matter) are "cut": shaping a window from a picture removes them.
#pragma once

#include "platform/platform.h"
#include "ui/control.h"

namespace tv {

inline constexpr int kMainPictureWidth = 284;
inline constexpr int kMainPictureHeight = 234;

ui::Image::Pixel main_picture(int x, int y);    // rounded corners cut
ui::Image::Pixel overlay_picture(int x, int y); // wider corners cut, in white
ui::Image::Pixel plain_picture(int x, int y);   // nothing cut

bool is_cut_pixel(ui::Image::Pixel);

// The rectangle of `frame` minus every cut pixel of `mask`, each pixel removed
// by exclusive-or (runs of pixels on one row are removed as one rectangle).
WindowRegion cut_region(const ui::Image& frame, const ui::Image& mask);

} // namespace tv
