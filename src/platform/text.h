// Text in Tarvesk is bytes in code page 936. This header checks that the
// compiler writes narrow literals that way, and holds the conversions used at
// the edges (UTF-8 for Linux output and file names, UTF-16 on Windows).
#pragma once

#include <string>
#include <string_view>

// A build without -finput-charset=UTF-8 -fexec-charset=CP936 stops here.
static_assert(sizeof("滚") == 3, "narrow literals must be code page 936: build with -fexec-charset=CP936");

namespace tv {

// CP936 bytes to UTF-8. Bytes that are not valid CP936 become U+FFFD; never fails.
std::string cp936_to_utf8(std::string_view cp936);
// UTF-8 to CP936. Characters without a CP936 form become '?'; never fails.
std::string utf8_to_cp936(std::string_view utf8);

} // namespace tv
