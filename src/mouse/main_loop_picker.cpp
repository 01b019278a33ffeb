// The main loop's picker section: "key--show ime" opens the input-method
// picker at the bottom right of the screen, in front, its list taking the keys.
#include "mouse/main_loop.h"

#include "board/srfform.h"

namespace tv {

void MainLoop::open_picker()
{
    TsrfForm& picker = app_.srfForm();
    const Rect front = platform_.window_rect(platform_.foreground_window());
    picker.oldp.set_bounds(front.left + 3, front.top + 3, picker.oldp.width(), picker.oldp.height());
    const Size screen = platform_.screen_size();
    picker.set_bounds(screen.width - picker.width() - 10, screen.height - picker.height() - 50, picker.width(),
                      picker.height());
    picker.set_topmost(Topmost::Yes);
    picker.show();
    platform_.set_foreground(picker.hwnd());
    picker.focus(&picker.ListView1);
}

} // namespace tv
