// The main loop's picker section: "key--show ime" opens the input-method
// picker at the bottom right of the screen, in front, its list taking the keys.
#include "mouse/main_loop.h"

#include "board/places.h"
#include "board/srfform.h"

namespace tv {

void MainLoop::open_picker()
{
    TsrfForm& picker = app_.srfForm();
    const Rect front = platform_.window_rect(platform_.foreground_window());
    picker.oldp.set_bounds(front.left + 3, front.top + 3, picker.oldp.width(), picker.oldp.height());
    // At the bottom right of the monitor that holds the pointer, sized for its DPI.
    const Monitor monitor = pointer_monitor(platform_);
    const int width = scaled(TsrfForm::kWidth, monitor.dpi), height = scaled(TsrfForm::kHeight, monitor.dpi);
    place_on_monitor(picker, monitor,
                     Rect::from_size(monitor.rect.right - width - 10, monitor.rect.bottom - height - 50, width, height));
    picker.set_topmost(Topmost::Yes);
    picker.show();
    platform_.set_foreground(picker.hwnd());
    picker.focus(&picker.ListView1);
}

} // namespace tv
