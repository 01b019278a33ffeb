// The form `inputmode`: input-method state. Its caption tells the input hook
// whether the right button belongs to the wheel mode ("myright", written by the
// mode engine on a vertical or leftward movement) or to the application
// ("xx myright", on a rightward one).
#pragma once

#include "ui/form.h"

namespace tv {

class Tinputmode : public ui::Form {
public:
    Tinputmode(Platform&, ui::CellObserver*);

    ui::ListBox ListBox4; // a mirror of the key history (`kxm.ListBox1`); the status timer reads line 1
    ui::ListBox ListBox5;
    ui::Panel Panel5;   // Panel5, imetip, pytip: the input-method companion's cells; not written yet
    ui::Panel Panel6;   // the input method's description; the main loop reads it every tick
    ui::Panel Panel12;  // the status timer's menu-close flag and the class on top
    ui::Panel Panel13;  // the status timer's key states: left Windows key, right button, Space
    ui::Panel imetip;
    ui::Panel pytip;    // "searchime": a request to find the input method
    ui::Panel dragmess; // drag echo: "dt=" + the drag count, "alt2", "ss"/"qqss"
};

} // namespace tv
