// The form `rqmenu`: right quick menu.
#pragma once

#include "core/app_form.h"

namespace tv {

class Trqmenu : public AppForm {
public:
    explicit Trqmenu(App&);

    ui::ListBox ListBox2;
    // Lines 0 to 3 the classes around the pointer while line 4 reads "test";
    // line 5 the class under the pointer.
    ui::ListBox ListBox1;
    ui::Panel srfsel;   // "ready", "start", "end"
    ui::Button Button5; // a copy of the caption
};

} // namespace tv
