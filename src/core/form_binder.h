// What the program's top binds to each form as the roster creates it: the
// behaviours behind its timers, commands and handlers, and its creation steps.
// The App calls `created` right after each form exists, in roster order; a
// creation that ends the program (the hook library failed) stops the roster.
#pragma once

#include "platform/platform.h"

namespace tv {

class Tpyoil;
class TFormMain;
class Tkxm;
class Tmodeform;
class Tregform;
class Tinputmode;
class TvykForm3;
class Tombrel;
class Trqmenu;
class Ttaskform;
class Tkxmm;
class Tlifeform;
class Tsetform;
class Tm3d;
class TsrfForm;
class TvykForm4;
class Timemess;
class Tescmenu;

class FormBinder {
public:
    virtual ~FormBinder() = default;

    virtual void created(Tpyoil&) = 0;
    virtual void created(TFormMain&) = 0;
    virtual void created(Tkxm&) = 0;
    virtual void created(Tmodeform&) = 0;
    virtual void created(Tregform&) = 0;
    virtual void created(Tinputmode&) = 0;
    virtual void created(TvykForm3&) = 0;
    virtual void created(Tombrel&) = 0;
    virtual void created(Trqmenu&) = 0;
    virtual void created(Ttaskform&) = 0;
    virtual void created(Tkxmm&) = 0;
    virtual void created(Tlifeform&) = 0;
    virtual void created(Tsetform&) = 0;
    virtual void created(Tm3d&) = 0;
    virtual void created(TsrfForm&) = 0;
    virtual void created(TvykForm4&) = 0;
    virtual void created(Timemess&) = 0;
    virtual void created(Tescmenu&) = 0;

    // The application's message filter: every form's button messages come here
    // first; true means handled, and no control sees the message.
    virtual bool application_message(MouseButton, ButtonAction) = 0;
};

} // namespace tv
