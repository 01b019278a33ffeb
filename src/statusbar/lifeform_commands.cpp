// The status form's small commands and pointer handlers: the drag count, the
// restore command, mouse capture, the colour swatches, the options menu mark
// and the form count.
#include "statusbar/lifeform.h"

#include "ime/inputmode.h"
#include "settings/form_main.h"

#include <string>

namespace tv {
namespace {

constexpr int kDragCountEnd = 100;
constexpr int kRestoreLeft = 50;
constexpr int kRestoreLowerMargin = 50;

} // namespace

void Tlifeform::wire_small_commands()
{
    resetomb.on_click = [this] { restore_near_corner(); };
    Button5.on_click = [this] { platform().set_capture(hwnd()); };
    Button6.on_click = [this] { platform().release_capture(); };
    mup.on_click = [this] { choose_swatch_colour(mup); };
    mdown.on_click = [this] { choose_swatch_colour(mdown); };
    Panel25.on_click = [this] { Panel25.hide(); };
    srfboard.on_click = [this] { Panel25.hide(); };
    Label9.on_hover = [this] { pop_up_options_menu(); };
    Image5.on_press = [this](MouseButton) { show_form_count(); };
}

void Tlifeform::count_drag()
{
    ++drag_count_;
    app_.inputmode().dragmess.set_text("dt=" + std::to_string(drag_count_));
    if (drag_count_ >= kDragCountEnd) {
        drag_count_ = 0;
        Timer2.set_enabled(false);
    }
}

void Tlifeform::restore_near_corner()
{
    set_bounds(kRestoreLeft, screen().height - kRestoreLowerMargin, width(), height());
    show();
}

// Cancel keeps the swatch's colour.
void Tlifeform::choose_swatch_colour(ui::Control& swatch)
{
    if (const auto colour = platform().choose_colour(swatch.color()))
        swatch.set_color(*colour);
}

void Tlifeform::pop_up_options_menu()
{
    const Size s = screen();
    const Point centre{s.width / 2, s.height / 2};
    platform().set_cursor_pos(centre);
    app_.FormMain().PopupMenu1.popup(centre);
}

void Tlifeform::show_form_count()
{
    platform().message_box(std::to_string(app_.forms().size()) + "...forms", kApplicationTitle);
}

} // namespace tv
