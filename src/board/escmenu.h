// The form `escmenu`: the escape menu. Its caption is a cell: the input hook
// writes "buttonup" / "rbuttonup" on releases; the main loop's pop-up test
// turns it into "old--pop" or "?old--xxpop", Esc then opens the menu
// ("--escok").
#pragma once

#include "ui/form.h"

namespace tv {

class Tescmenu : public ui::Form {
public:
    Tescmenu(Platform&, ui::CellObserver*);

    // "菜单", or "下网" while the sibling browser's main window is shown (main
    // loop); "----" when a drag copied a selection to be opened as an address
    // (drag results), which the main loop takes.
    ui::Panel Panel8;
    ui::Edit Edit1; // the address the clipboard search opened
    ui::Edit Edit2;  // "备忘录 秘密日记" once Esc opened the menu
    ui::Panel plan;  // hidden when the right button parks the menu
};

} // namespace tv
