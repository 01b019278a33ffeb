// The application's message filter: a right press (WM_RBUTTONDOWN) anywhere in
// the program's own windows is only remembered in `Button5`; no form reacts to
// it, so the right button's meaning stays with the wheel mode. Releases and
// the wheel go on to the forms.
#include "statusbar/status_form.h"

#include "board/lifeform.h"

namespace tv {

bool StatusForm::application_message(MouseButton button, ButtonAction action)
{
    if (button != MouseButton::Right || action != ButtonAction::Down)
        return false;
    app_.lifeform().Button5.set_text("rbutton");
    return true;
}

} // namespace tv
