#include "settings/settings_form.h"

#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/setform.h"
#include "core/settings_list.h"

#include <algorithm>

namespace tv {
namespace {

// The status bar holds the top edge of the desktop; the form opens below it.
constexpr int kBelowStatusBar = 190;

} // namespace

// The main loop, the mode engine and the status timer stop while the settings
// form is open and run again when it closes.
void SettingsForm::set_main_timers(bool running)
{
    app_.pyoil().Timer1.set_enabled(running);
    app_.ombrel().Timer1.set_enabled(running);
    app_.lifeform().Timer1.set_enabled(running);
}

void SettingsForm::open()
{
    Tsetform& form = app_.setform();
    set_main_timers(false);
    const Rect r = centred(app_.platform(), Tsetform::kWidth, Tsetform::kHeight);
    form.set_bounds(r.left, std::max(r.top, kBelowStatusBar), Tsetform::kWidth, Tsetform::kHeight);
    form.show();
    form.set_topmost(Topmost::Yes);
    app_.platform().set_foreground(form.hwnd());
    form.Timer1.set_enabled(true);
}

// The mouse companion is switched on when it is off as the form closes.
void SettingsForm::close(Write write)
{
    Tsetform& form = app_.setform();
    forget_position();
    form.Timer1.set_enabled(false);
    set_main_timers(true);
    if (!app_.FormMain().sbbl.checked()) {
        app_.FormMain().sbbl.set_checked(true);
        app_.pyoil().sbtt.click();
    }
    if (write == Write::Yes)
        settings::save_editable_copy(app_);
    edit_pending_ = false;
    form.focus(nullptr);
    pointed_item_ = -1;
    form.hide();
}

} // namespace tv
