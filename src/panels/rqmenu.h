// The form `rqmenu`: right quick menu.
#pragma once

#include "core/app_form.h"

namespace tv {

class Trqmenu : public AppForm {
public:
    explicit Trqmenu(App&);

    ui::ListBox ListBox2;
};

} // namespace tv
