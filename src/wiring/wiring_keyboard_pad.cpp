// The keyboard mouse pad's bindings.
#include "wiring/wiring.h"

#include "board/kxm.h"

namespace tv {

void Wiring::keyboard_pad_tick() { keyboard_pad_.tick(); }

void Wiring::bind_keyboard_pad(Tkxm& f)
{
    f.Timer3.on_timer = [this] { keyboard_pad_.guard_tick(); };
    f.refresh.on_click = [this] { keyboard_pad_.refresh(); };
    f.Button1.on_click = [this] { keyboard_pad_.round_corners(); };
    // The help page opens no window of its own.
    f.CppWebBrowser1.NewWindow2 = [](bool& cancel) { cancel = true; };
    keyboard_pad_.create();
}

} // namespace tv
