// The form `srfForm`: input-method picker.
#pragma once

#include "core/app_form.h"

namespace tv {

class TsrfForm : public AppForm {
public:
    explicit TsrfForm(App&);
};

} // namespace tv
