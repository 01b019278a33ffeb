// The status form's small commands and pointer handlers: the drag count, the
// restore command, mouse capture, the colour swatches, the options menu mark
// and the form count.
#include "statusbar/status_form.h"

#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/lifeform.h"

#include <string>

namespace tv {
namespace {

constexpr int kDragCountEnd = 100;
constexpr int kRestoreLeft = 50;
constexpr int kRestoreLowerMargin = 50;

} // namespace

// The count lives on the board, so whoever switches the timer on can start it again.
void StatusForm::count_drag()
{
    Tlifeform& bar = app_.lifeform();
    ++bar.drag_count;
    app_.inputmode().dragmess.set_text("dt=" + std::to_string(bar.drag_count));
    if (bar.drag_count >= kDragCountEnd) {
        bar.drag_count = 0;
        bar.Timer2.set_enabled(false);
    }
}

void StatusForm::restore_near_corner()
{
    Tlifeform& form = app_.lifeform();
    form.set_bounds(kRestoreLeft, screen().height - kRestoreLowerMargin, form.width(), form.height());
    form.show();
}

void StatusForm::capture_mouse() { app_.platform().set_capture(app_.lifeform().hwnd()); }

void StatusForm::release_mouse() { app_.platform().release_capture(); }

// Cancel keeps the swatch's colour.
void StatusForm::choose_swatch_colour(ui::Control& swatch)
{
    if (const auto colour = app_.platform().choose_colour(swatch.color()))
        swatch.set_color(*colour);
}

void StatusForm::hide_panel25() { app_.lifeform().Panel25.hide(); }

void StatusForm::pop_up_options_menu()
{
    const Size s = screen();
    const Point centre{s.width / 2, s.height / 2};
    app_.platform().set_cursor_pos(centre);
    app_.FormMain().PopupMenu1.popup(centre);
}

void StatusForm::show_form_count()
{
    app_.platform().message_box(std::to_string(app_.forms().size()) + "...forms", kApplicationTitle);
}

} // namespace tv
