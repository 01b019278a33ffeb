// The edit keyboard's bar: pointing at its key map puts it out of the way.
#include "board/modeform.h"
#include "wiring/wiring.h"

namespace tv {

void Wiring::created(Tmodeform& f)
{
    f.Label2.on_hover = [this] { main_loop_.edit_keyboard().key_map_pointed(); };
}

} // namespace tv
