// Lines of a text file: the settings list and the hint template are read and
// written with these. Reading accepts CR LF, a lone LF and a lone CR; writing
// always ends every line with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv {

// The lines of a file; a last line without an end is a line too, and empty
// input gives no lines.
std::vector<std::string> split_lines(std::string_view bytes);
// Every line followed by CR LF.
std::string join_crlf(const std::vector<std::string>& lines);

} // namespace tv
