// The colour preview of the settings form: while the form is open, moving the
// mouse colours `movetip` (and the hint samples whose "自动" box is ticked) with
// the colour of the movement's direction.
#include "settings/setform.h"

#include "settings/colour_names.h"
#include "settings/settings_list.h"

#include <cstdlib>

namespace tv {
namespace {

// A move of this many pixels or fewer along the dominant axis is no movement.
constexpr int kStillPixels = 3;
constexpr Point kNoPosition{-100, -100};

} // namespace

void Tsetform::forget_position() { last_position_ = kNoPosition; }

void Tsetform::preview_tick()
{
    const Point now = platform().cursor_pos();
    const int dx = now.x - last_position_.x;
    const int dy = now.y - last_position_.y;
    last_position_ = now;
    const bool horizontal = std::abs(dx) > std::abs(dy);
    if (std::abs(horizontal ? dx : dy) <= kStillPixels)
        return;
    const ui::Panel& direction = horizontal ? (dx > 0 ? cright : cleft) : (dy > 0 ? cdown : cup);
    const std::uint32_t colour = direction.color();
    movetip.set_color(colour);
    if (cwheelid.checked())
        mwheel.set_font_color(colour);
    if (crightid.checked())
        mmr.set_font_color(colour);
}

void Tsetform::colour_movetip_from_line(std::size_t line)
{
    if (const auto colour = settings::string_to_colour(settings::value(ListBox1, line)))
        movetip.set_color(*colour);
}

void Tsetform::show_line14_in_panel1()
{
    const std::string name = settings::value(ListBox1, settings::kFirstColourLine);
    Panel1.set_text(name);
    if (const auto colour = settings::string_to_colour(name))
        Panel1.set_color(*colour);
}

} // namespace tv
