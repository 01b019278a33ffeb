// The options menu of `FormMain`: what each of its items does.
#include "settings/form_main.h"

#include "core/regform.h"
#include "mouse/kxm.h"
#include "mouse/pyoil.h"
#include "statusbar/lifeform.h"

namespace tv {
namespace {

constexpr int kHelpCursorDx = 300;
constexpr int kHelpCursorDy = 50;
constexpr int kKeyPadLeft = 20;

void toggle(ui::Check& item) { item.set_checked(!item.checked()); }

} // namespace

void TFormMain::wire_menu()
{
    Shutdown1.on_click = [this] { app_.pyoil().close(); };
    N1.on_click = [this] {
        show_near_top();
        platform().set_cursor_pos({left() + kHelpCursorDx, top() + kHelpCursorDy});
    };
    N3.on_click = [this] { toggle(N3); };
    N2.on_click = [this] { toggle(N2); };
    ff1.on_click = [this] { app_.lifeform().set_caption("mywheel"); };
    N4.on_click = [this] { run_bar_size(app_.lifeform().Button1); };
    N5.on_click = [this] { run_bar_size(app_.lifeform().smallbar); };
    N6.on_click = [this] { run_bar_size(app_.lifeform().tinybar); };
    N7.on_click = [this] { app_.kxm().set_left(kKeyPadLeft); };
}

// The size commands of the status bar; the sibling browser is told to place
// itself again.
void TFormMain::run_bar_size(ui::Button& size_command)
{
    size_command.click();
    app_.regform().set_caption("newpos");
}

} // namespace tv
