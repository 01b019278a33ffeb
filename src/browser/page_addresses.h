// Texts of the browser's addresses: which pages are the program's own, the
// address part of an address-list line, search words as address text, and
// what a new page is sent to.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tv::page_address {

// A file address of a page inside the program folder ("file:///C:/Tarvesk/a.htm"
// or "file://C:\Tarvesk\a.htm" for the folder "C:\Tarvesk\"; letters in any
// case, %XX decoded); never one that climbs out with "..".
bool of_program_folder(std::string_view location, std::string_view program_folder);

// The address of a line of the personal address list: what follows the first
// "     --" (five spaces, two hyphens) of a page entry, else the whole line.
std::string of_entry(std::string_view line);

// Every byte but ASCII letters, digits and "-._~" as %XX.
std::string percent_encoded(std::string_view words);

// What a new page is sent to for a typed address: web and file addresses as
// they are, a bare host name as http; nullopt for any other scheme.
std::optional<std::string> to_open(std::string_view typed);

} // namespace tv::page_address
