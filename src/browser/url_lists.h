// The browser's address texts: the personal address list "url.txt", the
// favourites folder and its shortcut files, and the private-scheme links of
// the program's own pages. Pure functions of bytes; the callers read and
// write the files.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::urls {

inline constexpr const char* kListFile = "url.txt";
inline constexpr const char* kHandoverFile = "vyknewurl.txt";
// Between a page entry's title and its address.
inline constexpr std::string_view kEntrySeparator = "     --";

// The lines of a text file (CR LF or LF); a last line break adds no empty line.
std::vector<std::string> lines_of(std::string_view bytes);
// What "url.txt" holds for a list: every line followed by CR LF; empty for an empty list.
std::string list_file_text(const std::vector<std::string>& lines);
// Text files hold no NUL byte: a file with one is something else, kept as it is.
bool is_text(std::string_view bytes);

// The address of a line of the list: after the first "     --" of a page
// entry (title, separator, address), otherwise the whole line.
std::string_view entry_address(std::string_view line);

// The favourites folder: the desktop folder cut at its last backslash, then
// "\Favorites" ("C:\Desktop" -> "C:\Favorites"). None for a desktop folder
// without a backslash.
std::optional<std::string> favourites_folder(std::string_view desktop);

// The address of an Internet shortcut file: the value of its "URL=" line (the
// key in any case, blanks around key and value dropped). Empty when it has none.
std::string shortcut_address(std::string_view bytes);

// The go button's search (released with a button other than the left):
// `prefix` (the configured search address, web::search_prefix of settings
// line 28) + the words percent-encoded + "&".
std::string go_search_address(std::string_view prefix, std::string_view words);

// What a private-scheme link asks for.
enum class SchemeCommand {
    Nothing,   // "vyk://bbs", "vyk://close", a number with no command, a bad number
    Exit,      // "vyk://exit": the program ends
    Help,      // "vyk://help": the program ends and the browser form closes
    NewSlot,   // "vyk://http...": a new empty page slot
    StartPage, // characters 4 to 6 read as 2: the configured start page opens
    Hide,      // characters 4 to 6 read as 3: the browser hides
};
// Tested in the table's order on the first n characters; otherwise the
// characters 4 to 6 are read as a decimal number (letters fail the reading).
SchemeCommand scheme_command_of(std::string_view link_text);

} // namespace tv::urls
