#include "board/srfform.h"

#include "board/places.h"

namespace tv {

TsrfForm::TsrfForm(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"srfForm", "TsrfForm", "srfForm", Rect::from_size(kParkedLeft, 0, 300, 200), Visibility::Hidden, Topmost::Yes, 0}, observer)
{
}

} // namespace tv
