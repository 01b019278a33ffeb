// The hint bar's template: one HTML line per item. The program writes only the
// title (item 9), the wheel hint (item 11) and the button hint (item 13).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv::hint {

inline constexpr std::size_t kCountLine = 7;
inline constexpr std::size_t kTitleLine = 9;
inline constexpr std::size_t kWheelLine = 11;
inline constexpr std::size_t kButtonLine = 13;
inline constexpr const char* kTemplateFile = "topmess.htm";

// The built-in seventeen lines, used when "topmess.htm" is missing.
std::vector<std::string> built_in_template();
// The lines of a template file (CR LF, LF or CR line ends); empty input gives no lines.
std::vector<std::string> template_lines(std::string_view file_bytes);
// The document written into the hint view: all items joined by line breaks.
std::string document(const std::vector<std::string>& items);

} // namespace tv::hint
