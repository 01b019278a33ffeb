#include "core/auto_scroll.h"

#include "board/ombrel.h"
#include "core/app.h"

namespace tv {

bool auto_scroll_running(const App& app) { return app.ombrel().auto_scroll != AutoScroll::Idle; }

void end_auto_scroll(App& app)
{
    Tombrel& browser = app.ombrel();
    browser.auto_scroll = AutoScroll::Idle;
    app.platform().set_cursor_pos({browser.oldrightpos.left(), browser.oldrightpos.top()});
}

} // namespace tv
