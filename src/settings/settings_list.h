// The settings list "发行软件.txt": one setting per line beside the program,
// held at run time in `regform.ListBox2` and, for editing, in `setform.ListBox1`.
//
// Lines are addressed by number, never by key. A line is a key of four
// double-byte characters and "--" (10 bytes), then the value: everything from
// byte 11 on. A line of at most 10 bytes has no value, and a missing line
// reads as empty, so every switch of a missing or short file is off.
#pragma once

#include "platform/platform.h"
#include "ui/control.h"

#include <string>
#include <string_view>
#include <vector>

namespace tv {
class App;
class Tregform;
} // namespace tv

namespace tv::settings {

inline constexpr const char* kFileName = "发行软件.txt";

// The bytes of a line before its value: the key and "--".
inline constexpr std::size_t kKeyBytes = 10;

// Line numbers other parts read.
inline constexpr std::size_t kScrollStepLine = 9;
inline constexpr std::size_t kFirstColourLine = 14;
inline constexpr std::size_t kLastColourLine = 21;

// Bytes 11 onward of item `line`; empty when the item is missing or has at most 10 bytes.
std::string value(const ui::ListBox& list, std::size_t line);

// The items of a file: lines end with CR LF, a lone LF or a lone CR; a last
// line without an end is an item too.
std::vector<std::string> parse(std::string_view file_bytes);
// The file of some items: CR LF after every item.
std::string serialise(const std::vector<std::string>& items);

// Fills the runtime list from the file when it exists (else leaves it empty)
// and sets the auto-scroll speed `regform.dy` from line 9.
void load_runtime_list(App&);
// The same for a `regform` still being created (the App does not hold it yet).
void load_runtime_list(Platform&, Tregform&);

// Writes the whole list to the file, atomically. False when the write failed.
bool save(Platform&, const std::vector<std::string>& items);

// Gives the settings form's sample panels and labels the colours of lines
// 14 to 21 of the runtime list; an empty or unreadable value keeps the sample's
// colour. Cheap and never touches the disk: the main loop runs it every tick.
void apply_colour_lines(App&);

// Replaces the editable copy (`setform.ListBox1`) by the runtime list. This
// happens once per run, at start-up completion; later calls leave the copy
// alone so that the two copies stay independent afterwards.
void refresh_editable_copy(App&);

} // namespace tv::settings
