// The key history: the recent distinct values of the keyboard-event cell,
// newest first, in `kxm.ListBox1` with a mirror in `inputmode.ListBox4`.
// Every change goes to both lists.
#pragma once

#include "core/app.h"

#include <array>
#include <string>

namespace tv {

class KeyHistory {
public:
    explicit KeyHistory(App& app) : app_(app) {}

    std::string entry(std::size_t i) const;
    std::array<std::string, 4> first_four() const;
    void set_entry(std::size_t i, std::string_view value);
    void insert_top(std::string_view value);

    // Once per tick: the keyboard-event cell enters the history when it differs
    // from the top; holding ; makes a second entry; past ten entries the history
    // is cut back to its four newest.
    void take_keyboard_cell();

private:
    App& app_;
};

} // namespace tv
