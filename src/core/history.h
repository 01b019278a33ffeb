// History lists: the recent values of a busy cell, newest first.
#pragma once

#include "ui/control.h"

#include <string_view>

namespace tv::history {

// Inserts `value` at the top unless it equals the top entry; true when inserted.
bool push(ui::ListBox& list, std::string_view value);
// Once the list holds more than `limit` items it is cut back to its `keep` newest.
void trim(ui::ListBox& list, std::size_t limit, std::size_t keep);

} // namespace tv::history
