#include "board/pictures.h"

namespace tv {
namespace {

constexpr ui::Image::Pixel kCyan = 0x00FFFF;
constexpr ui::Image::Pixel kWhite = 0xFFFFFF;
constexpr ui::Image::Pixel kBody = 0x2060A0;

// True outside a quarter circle of radius r in each corner of the picture.
bool outside_rounded_corner(int x, int y, int r)
{
    const int cx = x < r ? r : x >= kMainPictureWidth - r ? kMainPictureWidth - r - 1 : x;
    const int cy = y < r ? r : y >= kMainPictureHeight - r ? kMainPictureHeight - r - 1 : y;
    const int dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy > r * r;
}

} // namespace

ui::Image::Pixel main_picture(int x, int y) { return outside_rounded_corner(x, y, 12) ? kCyan : kBody; }
ui::Image::Pixel overlay_picture(int x, int y) { return outside_rounded_corner(x, y, 20) ? kWhite : kBody; }
ui::Image::Pixel plain_picture(int, int) { return kBody; }

bool is_cut_pixel(ui::Image::Pixel p) { return (p & 0x00FF00) == 0x00FF00 && (p & 0x0000FF) == 0x0000FF; }

WindowRegion cut_region(const ui::Image& frame, const ui::Image& mask)
{
    WindowRegion region;
    region.xor_rects.push_back(Rect::from_size(0, 0, frame.picture_width(), frame.picture_height()));
    for (int y = 0; y < mask.picture_height(); ++y) {
        int run_start = -1;
        for (int x = 0; x <= mask.picture_width(); ++x) {
            const bool cut = x < mask.picture_width() && is_cut_pixel(mask.pixel(x, y));
            if (cut && run_start < 0)
                run_start = x;
            if (!cut && run_start >= 0) {
                region.xor_rects.push_back(Rect{run_start, y, x, y + 1});
                run_start = -1;
            }
        }
    }
    return region;
}

} // namespace tv
