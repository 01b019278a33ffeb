// Whether an automatic scroll is running. The browser form keeps the state
// (`ombrel.auto_scroll`) and the anchor (the position of its panel
// `oldrightpos`); the scroll commands start it, a left click or the page-end
// probe ends it, and the wheel-mode engine selects no mode while it runs.
#pragma once

namespace tv {

class App;

bool auto_scroll_running(const App&);
// State idle, and the pointer back on the anchor where the scroll started.
void end_auto_scroll(App&);

} // namespace tv
