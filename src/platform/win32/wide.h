// Text at the Windows edge: the program's CP936 bytes to and from the UTF-16
// that the W API speaks, and UTF-8 for files other programs read.
//
// Used by the Win32 backend and by wrhk.dll. None of these fails: bytes that
// are not CP936 become U+FFFD, characters without a CP936 form become '?', and
// texts of any length are converted in pieces the API can take.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tv::win32 {

std::wstring widen(std::string_view cp936);
std::string narrow(std::wstring_view utf16);

std::wstring utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::wstring_view utf16);

// The NUL-terminated UTF-16 text at the start of a buffer another process sent
// (WM_COPYDATA): empty when the buffer holds no terminating NUL.
std::wstring wide_text_in(const void* data, std::size_t bytes);

} // namespace tv::win32
