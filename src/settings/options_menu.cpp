#include "settings/options_menu.h"

#include "board/form_main.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr int kHelpCursorDx = 300;
constexpr int kHelpCursorDy = 50;
constexpr int kKeyPadLeft = 20;

} // namespace

void OptionsMenu::close_program() { app_.pyoil().close(); }

void OptionsMenu::show_help()
{
    TFormMain& form = app_.FormMain();
    form.show_near_top();
    app_.platform().set_cursor_pos({form.left() + kHelpCursorDx, form.top() + kHelpCursorDy});
}

void OptionsMenu::toolbar_settings() { app_.lifeform().set_caption("mywheel"); }

// The sibling browser is told to place itself again.
void OptionsMenu::bar_size(ui::Button& size_command)
{
    size_command.click();
    sibling::send(app_, "newpos");
}

void OptionsMenu::show_key_pad() { app_.kxm().set_left(kKeyPadLeft); }

} // namespace tv
