// The wheel dispatch: what one wheel notch does in the current wheel mode.
//
// The main loop hands over the rest of a tick whose mouse-event cell (the
// caption of `vykForm3`) starts with "ystop wheel="; the dispatch consumes the
// token, ends an application's own middle-button scrolling where it may run
// (after the user's middle press, told in the token, or during the program's
// own automatic scrolling),
// and acts by the mode cell (`lifeform.Label1`): the task wheel switches
// browser pages or sends Left/Right, the quick wheel pages, the auto wheel
// sends Up/Down or scrolls a web page automatically. The normal wheel and the
// values a right-button action leaves ("ok自动滚轮", "ok滚轮") do nothing: the
// notch reaches the application unchanged.
#pragma once

#include "core/app.h"

namespace tv {

void dispatch_wheel_notch(App&);

} // namespace tv
