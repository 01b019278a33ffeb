// Automatic scrolling's bindings: the browser form's scroll and page commands.
#include "wiring/wiring.h"

#include "board/ombrel.h"

namespace tv {

void Wiring::bind_auto_scroll(Tombrel& f)
{
    f.scrollup.on_click = [this] { auto_scrolling_.scroll_up(); };
    f.scrolldown.on_click = [this] { auto_scrolling_.scroll_down(); };
    f.cmdup.on_click = [this] { auto_scrolling_.step_up(); };
    f.cmddown.on_click = [this] { auto_scrolling_.step_down(); };
    f.cmdautoscroll.on_click = [this] { auto_scrolling_.wheel_notch(); };
    f.cmdwindowselect.on_click = [this] { auto_scrolling_.next_window(); };
    f.cmdvykform3proc.on_click = [this] { auto_scrolling_.next_navigation(); };
}

} // namespace tv
