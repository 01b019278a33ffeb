// The settings list "发行软件.txt": one setting per line beside the program,
// held at run time in `regform.ListBox2` and, for editing, in `setform.ListBox1`.
//
// Lines are addressed by number (board/cells.h names the ones other parts
// read), never by key. A line is a key of four double-byte characters and "--"
// (10 bytes), then the value: everything from byte 11 on. A line of at most 10
// bytes has no value, and a missing line reads as empty, so every switch of a
// missing or short file is off.
#pragma once

#include "board/cells.h"
#include "platform/platform.h"
#include "ui/control.h"

#include <string>
#include <string_view>
#include <vector>

namespace tv {
class App;
class Tsetform;
} // namespace tv

namespace tv::settings {

// Bytes 11 onward of item `line`; empty when the item is missing or has at most 10 bytes.
std::string value(const ui::ListBox& list, std::size_t line);

// The bytes of an item's key with its "--": 10 for the usual four double-byte
// characters, 11 for the nine-byte key "Skarn种类"; a line whose "--" does not
// follow a key of 8 or 9 bytes counts as a 10-byte key.
std::size_t key_bytes(std::string_view item);

// Fills the runtime list from the file when it exists (else leaves it empty)
// and sets the auto-scroll speed `regform.dy` from line 9 and the navigation
// page `regform.fx` from line 1.
void load_runtime_list(App&);

// Writes the whole list to the file, CR LF after every line, atomically.
// False when the write failed.
bool save(Platform&, const std::vector<std::string>& items);

// Store line n: replaces item `line` of the runtime list by `item`. A shorter
// list (a missing or cut file) is first filled with the default lines up to
// line n, so the item lands on its own line. True when the list changed.
bool store_line(App&, std::size_t line, std::string_view item);

// Writes the runtime list to the file. False when the write failed, and
// always false in a run whose start found the file there but unreadable.
bool save_runtime_list(App&);

// What the settings form's "保存" does: the editable copy becomes the runtime
// list too, so a later save of the runtime list keeps the form's edits; then
// the file is written.
bool save_editable_copy(App&);

// The sample of a colour line (14 to 21) on the settings form takes the
// colour; for lines 18 to 21 the text of its sample label too. Other lines are ignored.
void show_line_colour(Tsetform&, std::size_t line, std::uint32_t colour);

// Gives the settings form's sample panels and labels the colours of lines
// 14 to 21 of the runtime list; an empty or unreadable value keeps the sample's
// colour. Cheap and never touches the disk: the main loop runs it every tick.
void apply_colour_lines(App&);

// Replaces the editable copy (`setform.ListBox1`) by the runtime list. This
// happens once per run, at start-up completion; later calls leave the copy
// alone so that the two copies stay independent afterwards.
void refresh_editable_copy(App&);

} // namespace tv::settings
