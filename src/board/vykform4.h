// The form `vykForm4`: small and hidden. Its caption is a command cell of the
// keyboard mouse pad and of drags: the input hook writes "mkeyscroll" on a
// middle release, easy drag "down/...down/" while it holds the button, the drag
// results "xx drag up" / "qq drag" once a drag is taken or dropped.
#pragma once

#include "ui/form.h"

namespace tv {

class TvykForm4 : public ui::Form {
public:
    TvykForm4(Platform&, ui::CellObserver*);

    ui::ListBox ListBox1; // line 0 the class on top; line 1 the class below a tooltip (mode engine)
};

} // namespace tv
