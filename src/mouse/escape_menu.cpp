#include "mouse/escape_menu.h"

#include "board/escmenu.h"
#include "board/places.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr int kEscapeMenuWidth = 720, kEscapeMenuHeight = 560;

} // namespace

void open_escape_menu(App& app, const EscapeMenuOpening& how)
{
    Tescmenu& menu = app.escmenu();
    if (!how.panel8.empty())
        menu.Panel8.set_text(how.panel8);
    menu.show();
    const Platform& p = app.platform();
    place_on_monitor(menu, pointer_monitor(p), centred_on_pointer_monitor(p, kEscapeMenuWidth, kEscapeMenuHeight));
    menu.set_topmost(Topmost::Yes);
    menu.Edit2.set_text("备忘录 秘密日记");
    menu.set_caption("--escok");
    if (how.hide_browser)
        sibling::hide_browser(app);
    app.platform().set_cursor_pos(menu.screen_point(how.pointer));
}

} // namespace tv
