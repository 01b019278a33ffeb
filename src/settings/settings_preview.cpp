// The colour preview of the settings form: while the form is open, moving the
// mouse colours `movetip` (and the hint samples whose "自动" box is ticked) with
// the colour of the movement's direction.
#include "settings/settings_form.h"

#include "board/setform.h"
#include "core/colour_names.h"
#include "core/settings_list.h"

#include <cstdlib>

namespace tv {
namespace {

// A move of this many pixels or fewer along the dominant axis is no movement.
constexpr int kStillPixels = 3;
constexpr Point kNoPosition{-100, -100};

} // namespace

void SettingsForm::forget_position() { last_position_ = kNoPosition; }

void SettingsForm::preview_tick()
{
    Tsetform& form = app_.setform();
    const Point now = app_.platform().cursor_pos();
    const int dx = now.x - last_position_.x;
    const int dy = now.y - last_position_.y;
    last_position_ = now;
    const bool horizontal = std::abs(dx) > std::abs(dy);
    if (std::abs(horizontal ? dx : dy) <= kStillPixels)
        return;
    const ui::Panel& direction = horizontal ? (dx > 0 ? form.cright : form.cleft) : (dy > 0 ? form.cdown : form.cup);
    const std::uint32_t colour = direction.color();
    form.movetip.set_color(colour);
    if (form.cwheelid.checked())
        form.mwheel.set_font_color(colour);
    if (form.crightid.checked())
        form.mmr.set_font_color(colour);
}

void SettingsForm::colour_movetip_from_line(std::size_t line)
{
    Tsetform& form = app_.setform();
    if (const auto colour = settings::string_to_colour(settings::value(form.ListBox1, line)))
        form.movetip.set_color(*colour);
}

// Panel2 to Panel4 show the colours of lines 14 to 16; Panel5 that of line 14 again.
void SettingsForm::colour_sample_pointed(const ui::Control& sample)
{
    const Tsetform& form = app_.setform();
    if (&sample == &form.Panel2 || &sample == &form.Panel5)
        colour_movetip_from_line(14);
    else if (&sample == &form.Panel3)
        colour_movetip_from_line(15);
    else if (&sample == &form.Panel4)
        colour_movetip_from_line(16);
}

void SettingsForm::show_line14_in_panel1()
{
    Tsetform& form = app_.setform();
    const std::string name = settings::value(form.ListBox1, settings::kFirstColourLine);
    form.Panel1.set_text(name);
    if (const auto colour = settings::string_to_colour(name))
        form.Panel1.set_color(*colour);
}

} // namespace tv
