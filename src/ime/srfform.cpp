#include "ime/srfform.h"

namespace tv {

TsrfForm::TsrfForm(App& app)
    : AppForm(app, {"srfForm", "TsrfForm", "srfForm", Rect::from_size(kParkedLeft, 0, 300, 200), Visibility::Hidden, Topmost::Yes, 0})
{
}

} // namespace tv
