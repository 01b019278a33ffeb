// Opening the escape menu, by Esc, a right release or a quick command: 720 x
// 560, centred and topmost, with the pointer on it.
#pragma once

#include "core/app.h"

#include <string_view>

namespace tv {

struct EscapeMenuOpening {
    std::string_view panel8;  // the menu's leave-web switch: "菜单" or "下网"; empty: as it is
    Point pointer;            // where the pointer goes, from the menu's top-left
    bool hide_browser = false; // the sibling's browser is told to hide ("vykcmdhideie")
};

void open_escape_menu(App&, const EscapeMenuOpening&);

} // namespace tv
