#include "wiring/wiring.h"

#include "board/form_main.h"
#include "board/pyoil.h"

namespace tv {

// The check starts on its first tick, once every form is there; its timer is
// registered before the main loop's, so a pause kept from the last run holds
// from the main loop's first tick.
void Wiring::bind_stand_aside(Tpyoil& f)
{
    f.Timer3.on_timer = [this, started = false]() mutable {
        if (!started) {
            started = true;
            stand_aside_.start();
            return;
        }
        stand_aside_.tick();
    };
    f.pausett.on_click = [this] { stand_aside_.toggle_pause(); };
    f.on_hot = [&f](int id) {
        if (id == StandAside::kPauseHotKeyId)
            f.pausett.click();
    };
    f.Timer3.set_enabled(true);
}

void Wiring::bind_stand_aside_menu(TFormMain& f)
{
    f.N12.on_click = [this] { app_.pyoil().pausett.click(); };
    f.N13.on_click = [this] { stand_aside_.open_list(); };
}

} // namespace tv
