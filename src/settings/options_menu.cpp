#include "settings/options_menu.h"

#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/rqmenu.h"
#include "board/vykform3.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"
#include "platform/keys.h"

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

// On, the three wheels are named again ("mywheel": the mode engine chooses);
// off, only the normal wheel ("kk mywheel", as the main loop keeps it) and the
// browser form goes back behind, hidden.
void OptionsMenu::three_speed_wheel()
{
    TFormMain& form = app_.FormMain();
    toggle(form.N3);
    Tombrel& browser = app_.ombrel();
    park(app_.rqmenu());
    if (form.N3.checked()) {
        browser.Button41.set_text("");
        park(browser);
        park(app_.vykForm3());
        app_.lifeform().set_caption("mywheel");
        return;
    }
    app_.lifeform().set_caption("kk mywheel");
    input::press(app_.platform(), vk::kEscape);
    const Size screen = app_.platform().screen_size();
    browser.set_topmost(Topmost::No);
    browser.set_bounds(0, 0, screen.width, screen.height - 32);
    browser.hide();
    browser.Panel3.set_left(kParkedLeft);
    browser.rtmenu.set_left(kParkedLeft);
}

void OptionsMenu::show_messages()
{
    TFormMain& form = app_.FormMain();
    toggle(form.N8);
    app_.lifeform().messlistold.set_visible(form.N8.checked());
    if (form.N8.checked())
        app_.inputmode().show();
    else
        app_.inputmode().hide();
}

void OptionsMenu::restart_glidamo()
{
    TFormMain& form = app_.FormMain();
    form.sbbl.set_checked(true);
    app_.pyoil().sbtt.click();
    form.cdbl.set_checked(form.sbbl.checked());
}

void OptionsMenu::restart_typamo()
{
    app_.FormMain().srfbl.set_checked(true);
    app_.pyoil().srftt.click();
}

} // namespace tv
