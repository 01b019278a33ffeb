#include "mouse/easy_drag.h"

#include "board/cells.h"
#include "board/pyoil.h"
#include "board/vykform4.h"
#include "mouse/key_history.h"

namespace tv {

void start_easy_drag(App& app)
{
    Platform& p = app.platform();
    p.send_mouse(MouseInput::LeftUp);
    p.send_mouse(MouseInput::LeftDown);
    app.vykForm4().set_caption(token::kEasyDragHeld);
    // The Ctrl presses that started the drag are not used again.
    KeyHistory(app).set_entry(0, "old--ok1");
    app.pyoil().set_caption("old--ok1");
}

} // namespace tv
