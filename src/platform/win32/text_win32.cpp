// Text conversions on Windows: through UTF-16, with code page 936 at one end.
#include "platform/text.h"

#include "platform/win32/wide.h"

namespace tv {

std::string cp936_to_utf8(std::string_view cp936) { return win32::utf16_to_utf8(win32::widen(cp936)); }

std::string utf8_to_cp936(std::string_view utf8) { return win32::narrow(win32::utf8_to_utf16(utf8)); }

} // namespace tv
