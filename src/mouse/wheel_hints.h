// The hints that tell the user what the wheel and the right button do in each
// wheel mode: the mode engine writes them into the status form's labels and
// the hint template.
#pragma once

#include "board/cells.h"

#include <string_view>

namespace tv::wheel {

// The hints of one mode. Where the table gives two button texts, the first is
// shown while the quick right button (`FormMain.N2qq`) is ticked, the second
// ("Ctrl＝") while it is not.
struct Hints {
    std::string_view up;
    std::string_view down;
    std::string_view right_quick;
    std::string_view right_ctrl;
    std::string_view wheel_line;       // line 11 of the hint template
    std::string_view button_line_quick; // line 13
    std::string_view button_line_ctrl;
};

// Which window is in front decides the hints: the sibling browser has its own.
enum class InFront { OtherWindow, SiblingBrowser };

// The hints of a mode; the normal wheel has one row for every window.
const Hints& hints_of(Mode, InFront);

} // namespace tv::wheel
