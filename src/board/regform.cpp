#include "board/regform.h"

#include "board/places.h"

namespace tv {

Tregform::Tregform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"regform", "Tregform", "regform", parked_rect(platform, 0, 300, 200), Visibility::Hidden,
                          Topmost::No, 0}, observer),
      oldpath(*this, "oldpath", platform.program_folder()), ListBox2(*this, "ListBox2"), dy(*this, "dy"),
      cmdstart(*this, "cmdstart"), fx(*this, "fx"), Timer1(*this, "Timer1", 30, true)
{
}

} // namespace tv
