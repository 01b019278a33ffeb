// The tests every reader of the state board uses on a cell's text.
//
// Texts are CP936 bytes; positions and lengths count bytes from 1, so a
// Chinese character takes two positions. No test ever reads out of range: a
// piece beyond the end is shorter or empty, as the board's readers expect.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tv::cell {

inline bool is(std::string_view text, std::string_view token) { return text == token; }
inline bool starts_with(std::string_view text, std::string_view prefix) { return text.starts_with(prefix); }
inline bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The bytes from 1-based position `pos`, at most `len` of them.
std::string_view piece(std::string_view text, long pos, long len);
// Everything from 1-based position `pos` on (the value of a settings line is from(line, 11)).
std::string_view from(std::string_view text, long pos);
// The 1-based position of `part` in `text`, 0 when absent.
long position(std::string_view text, std::string_view part);
// A piece read as a plain decimal integer (optional sign); empty when it is not one.
std::optional<long> number(std::string_view text, long pos, long len);
std::optional<long> number(std::string_view text);

// Spoils a token so it fails its prefix test: "xx" + "ystop wheel" = "xxystop wheel".
inline std::string spoiled(std::string_view marker, std::string_view token) { return std::string(marker) + std::string(token); }

} // namespace tv::cell
