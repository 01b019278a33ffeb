// The hint bar's template (`lifeform.ListBox5`): one HTML line per item, read
// from "topmess.htm" beside the program or built in. Its line numbers are in
// board/cells.h.
#pragma once

#include "board/cells.h"
#include "platform/platform.h"

#include <string>
#include <vector>

namespace tv::hint {

// The built-in seventeen lines, used when "topmess.htm" is missing or empty.
std::vector<std::string> built_in_template();
// The template file's lines, completed by the built-in lines a short file lacks.
std::vector<std::string> load_template(const Platform&);
// The document written into the hint view: all items joined by line breaks.
std::string document(const std::vector<std::string>& items);

} // namespace tv::hint
