// The form `vykForm3`: navigation and favourites panel; its caption is the mouse-event cell.
#pragma once

#include "core/app_form.h"

namespace tv {

class TvykForm3 : public AppForm {
public:
    explicit TvykForm3(App&);
};

} // namespace tv
