// The main loop's blind-selection sections: each hands its place in the tick
// to the blind candidate selection.
#include "mouse/main_loop.h"

namespace tv {

void MainLoop::ime_anchor_follows_space() { blind_.anchor_follows_space(); }
void MainLoop::blind_state_reset() { blind_.reset_state(); }
void MainLoop::continuous_selection_rules() { blind_.continuous_selection(); }
void MainLoop::forget_ime_window() { blind_.forget_window(); }
void MainLoop::input_method_rules() { blind_.end_of_tick(); }
void MainLoop::mouse_still() { blind_.mouse_still(); }

} // namespace tv
