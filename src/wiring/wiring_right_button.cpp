// The browser form's right-button dispatch and quick commands.
#include "wiring/wiring.h"

#include "board/ombrel.h"

namespace tv {

void Wiring::bind_right_button(Tombrel& f)
{
    f.right2.on_click = [this] { right_button_.dispatch(); };
    f.vykxcmd.on_click = [this] { quick_commands_.run(); };
    f.mmenu.on_click = [this] { quick_commands_.open_menu_bar(); };
    quick_commands_.load_command_list();
}

} // namespace tv
