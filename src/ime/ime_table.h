// The class table "ime.txt": which composition-window class belongs to which
// input method. It is a list of items read in pairs, the beginning of an input
// method's description and then a piece of its composition window's class
// name, one item per line in the program folder.
//
// A pair with an empty (or blank) part would make "the class contains the
// piece" true for every window, so such pairs never count and are never
// written; an unpaired last item is dropped the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::ime {

inline constexpr const char* kTableFile = "ime.txt";

// The items that form whole pairs with no blank part, in their order.
std::vector<std::string> sound_pairs(const std::vector<std::string>& items);

// The table a file holds: its lines in pairs, bad pairs dropped.
std::vector<std::string> table_from_file(std::string_view bytes);

// What the file holds for a table: its sound pairs, CR LF after every line.
std::string file_text(const std::vector<std::string>& items);

// The class piece of the last sound pair whose prefix begins `description`;
// none when no pair matches.
std::optional<std::string> class_for(std::string_view description, const std::vector<std::string>& items);

// At most `limit` bytes of a CP936 text, never cutting a double-byte character in two.
std::string cut_bytes(std::string_view text, std::size_t limit);

} // namespace tv::ime
