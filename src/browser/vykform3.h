// The form `vykForm3`: navigation and favourites panel; its caption is the mouse-event cell.
#pragma once

#include "core/app_form.h"

namespace tv {

class TvykForm3 : public AppForm {
public:
    explicit TvykForm3(App&);

    ui::Panel Panel1;    // the pointer position, x "//" y
    ui::Panel hbar;      // shown in the auto wheel
    ui::Panel pagecmd;   // shown in the quick wheel: the wheel pages
    ui::Panel scrollcmd; // shown in the auto wheel: the wheel scrolls
};

} // namespace tv
