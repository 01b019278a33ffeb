#include "ui/popup_menu.h"

#include "ui/form.h"

namespace tv::ui {

void PopupMenu::popup(Point at) const
{
    std::vector<MenuEntry> entries;
    entries.reserve(items_.size());
    for (const Check* item : items_)
        entries.push_back({item->text(), item->checked()});
    const auto chosen = owner_.platform().popup_menu(owner_.hwnd(), entries, at);
    if (chosen && *chosen < items_.size())
        items_[*chosen]->click();
}

} // namespace tv::ui
