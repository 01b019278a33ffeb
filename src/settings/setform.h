// The form `setform`: settings form.
#pragma once

#include "core/app_form.h"

namespace tv {

class Tsetform : public AppForm {
public:
    explicit Tsetform(App&);

    ui::ListBox ListBox1;
};

} // namespace tv
