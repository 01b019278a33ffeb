#include "core/elevation.h"

#include "board/lifeform.h"
#include "core/app.h"
#include "core/synthetic_input.h"

namespace tv::elevation {

namespace {

bool refuses_input(App& app, Hwnd window)
{
    if (!input_blocked(app.platform(), window))
        return false;
    app.lifeform().status.set_text(kNotice);
    return true;
}

} // namespace

bool front_refuses_input(App& app) { return refuses_input(app, app.platform().foreground_window()); }

bool pointed_window_refuses_input(App& app)
{
    const Platform& p = app.platform();
    return refuses_input(app, p.window_from_point(p.cursor_pos()));
}

void press_for_front(App& app, int vk)
{
    if (!front_refuses_input(app))
        input::press(app.platform(), vk);
}

} // namespace tv::elevation
