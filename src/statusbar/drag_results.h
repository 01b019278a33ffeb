// The end of a drag decides what happens to the selection: the key held or
// the mouse event at that moment pastes, copies and searches, or cuts; a
// wheel notch drops the drag.
//
// A drag has ended when `dragflag` reads "drag up" (the key pad's drag) or
// when the newest caption of `vykForm4` is "down/...down/" (an easy drag,
// which holds the button for the user until a key or a click ends it).
#pragma once

#include "core/app.h"

namespace tv {

enum class AfterDrag { Continue, EndTick };

AfterDrag act_on_drag_end(App&);

} // namespace tv
