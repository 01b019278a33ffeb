// The browser's part of the engine tick: the browser form checks its pages for
// pop-ups and empty pages and repairs its strips (`ombrel.pagecheck`).
#include "board/ombrel.h"
#include "mouse/mode_engine.h"

namespace tv {

void ModeEngine::browser_housekeeping() { app_.ombrel().pagecheck.click(); }

} // namespace tv
