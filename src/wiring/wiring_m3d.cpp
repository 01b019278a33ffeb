// The 3D mouse pad's bindings.
#include "wiring/wiring.h"

#include "board/m3d.h"

namespace tv {

void Wiring::created(Tm3d& f)
{
    f.Timer1.on_timer = [this] { mouse_pad_.tick(); };
    f.on_pointer_moved = [this](Point p) { mouse_pad_.pointer_moved(p); };
    for (ui::Control* part : std::initializer_list<ui::Control*>{&f.Panel13, &f.Panel24, &f.Panel18, &f.Panel19, &f.Image17, &f.Panel25})
        part->on_press = [this, part](MouseButton b) { mouse_pad_.part_pressed(*part, b); };
    f.Panel25.on_release = [this](MouseButton b) { mouse_pad_.auto_bar_released(b); };
}

} // namespace tv
