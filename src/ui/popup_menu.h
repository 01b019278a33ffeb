// A form's pop-up menu: its items are the form's menu-item controls, so their
// captions and check marks are cells like any other.
#pragma once

#include "ui/control.h"

#include <vector>

namespace tv::ui {

class Form;

class PopupMenu {
public:
    PopupMenu(Form& owner, std::vector<Check*> items) : owner_(owner), items_(std::move(items)) {}

    // Shows the menu at a screen point and waits for the user; the chosen
    // item is clicked, a dismissed menu does nothing.
    void popup(Point at) const;

    const std::vector<Check*>& items() const { return items_; }

private:
    Form& owner_;
    std::vector<Check*> items_;
};

} // namespace tv::ui
