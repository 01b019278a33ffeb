// Easy drag: the program presses the left button for the user, who then only
// moves the mouse; the user's next real click ends the drag.
#pragma once

#include "core/app.h"

namespace tv {

void start_easy_drag(App&);

} // namespace tv
