// What the program may hand to the user's default browser when the sibling
// browser is not there: web addresses only. Typed or copied text is either an
// http(s) address, taken as it is, or search words, which go behind a search
// prefix percent-encoded (as UTF-8) so that no character of them can end the
// query or the address. Anything that names a scheme or a path ("file:",
// "javascript:", "C:\...", "\\server\...") is refused: no text from a page, a
// selection or the clipboard can open a local file or start a program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tv::web {

// The search prefix used when the settings list names none (or names one that
// is not an http(s) address).
inline constexpr std::string_view kDefaultSearchPrefix = "https://www.baidu.com/s?ie=utf-8&wd=";

// Longest address handed to the shell (the shell's own limit for an address).
inline constexpr std::size_t kLongestAddress = 2048;

// Every byte of the UTF-8 form of a CP936 text that is not an unreserved
// character (letters, digits, "-", ".", "_", "~") as "%XX". Bytes that are
// not CP936 become U+FFFD first.
std::string percent_encoded(std::string_view cp936);

// The search prefix a settings value gives: the value when it is an http(s)
// address, otherwise the default.
std::string search_prefix(std::string_view setting);

// The address for the default browser: an http(s) text as it is (blanks and
// other bytes an address cannot hold are encoded); other text as search words
// behind `prefix`. None for empty text, a scheme other than http(s), a path,
// or an address longer than kLongestAddress.
std::optional<std::string> default_browser_address(std::string_view text, std::string_view prefix);

} // namespace tv::web
