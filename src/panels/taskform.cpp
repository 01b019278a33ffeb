#include "panels/taskform.h"

#include "core/sibling_channel.h"

namespace tv {

Ttaskform::Ttaskform(App& app)
    : AppForm(app, {"taskform", "Ttaskform", "ystop wheel=...", Rect::from_size(0, 0, 640, 480), Visibility::Hidden, Topmost::No, 0}),
      pf4(*this, "pf4"),
      pf9(*this, "pf9")
{
    // The web button: the task list's own steps come with the task manager; the
    // sibling browser is brought up or started now.
    pf4.on_click = [this] { sibling::bring_up_or_start(app_); };
    pf9.on_click = [this] { app_.end_program(0); };
}

} // namespace tv
