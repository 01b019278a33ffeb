// The synthetic key and mouse sequences the program sends.
#pragma once

#include "platform/keys.h"
#include "platform/platform.h"

namespace tv::input {

// A key-down and key-up event of `vk`.
void press(Platform&, int vk);
// Ctrl down, `vk` down, `vk` up, Ctrl up.
void ctrl_plus(Platform&, int vk);
// A button-down and button-up event at the pointer.
void click(Platform&, MouseButton);
// Shift down, 10 ms, left click, Shift up, 10 ms, Ctrl+C: copies a selection
// that ends at the pointer.
void shift_click_copy(Platform&);

} // namespace tv::input
