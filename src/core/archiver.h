// The outside archiver that locks files away with a password: "rar.exe" in
// the program folder. Locking moves a file into an archive whose file data and
// names are encrypted (the plain file is deleted once archived, the archive is
// tested, no folders are stored, fastest compression); unlocking extracts it.
//
// The archiver is started directly with each of password, archive and file as
// its own argument: no command interpreter, so a password with blanks, quotes,
// & or % stays one password. Nothing waits for the archiver or reads its result.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {
class Platform;
}

namespace tv::archiver {

inline constexpr std::string_view kProgram = "rar.exe";

// A path that can be handed over: not empty, no quote, and not read by the
// archiver as a switch ("-") or a list file ("@").
bool acceptable_path(std::string_view path);

// The arguments that lock `file` into `archive`, or nothing when a path is not
// acceptable or the password is empty (the archiver would stop and ask).
std::optional<std::vector<std::string>> lock_arguments(std::string_view password, std::string_view archive,
                                                       std::string_view file);
// The arguments that extract `archive` into `folder` (ending with a backslash).
std::optional<std::vector<std::string>> unlock_arguments(std::string_view password, std::string_view archive,
                                                         std::string_view folder);

// Start the archiver of the program folder, shown, without waiting; false when
// the arguments are refused or it does not start.
bool lock(Platform&, std::string_view password, std::string_view archive, std::string_view file);
bool unlock(Platform&, std::string_view password, std::string_view archive, std::string_view folder);

} // namespace tv::archiver
