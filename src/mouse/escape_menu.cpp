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
    const Rect place = centred(app.platform(), kEscapeMenuWidth, kEscapeMenuHeight);
    menu.set_bounds(place.left, place.top, kEscapeMenuWidth, kEscapeMenuHeight);
    menu.set_topmost(Topmost::Yes);
    menu.Edit2.set_text("备忘录 秘密日记");
    menu.set_caption("--escok");
    if (how.hide_browser)
        sibling::hide_browser(app);
    app.platform().set_cursor_pos({menu.left() + how.pointer.x, menu.top() + how.pointer.y});
}

} // namespace tv
