// The two Explorer context-menu verbs of the run: "轻松打开" for every file
// (the text editor beside the program) and "加密保存" for every file-system
// object (the locking program beside it). They are registered for the current
// user (HKEY_CURRENT_USER\Software\Classes, which needs no administrator
// rights) when the options form is created and removed when the run ends.
// The command lines quote the program and the file, so a folder or a file
// name with blanks stays one path.
#pragma once

#include <string>
#include <string_view>

namespace tv {
class Platform;
}

namespace tv::shell_verbs {

inline constexpr std::string_view kOpenKey = "Software\\Classes\\*\\shell\\轻松打开";
inline constexpr std::string_view kLockKey = "Software\\Classes\\AllFilesystemObjects\\shell\\加密保存";

// `"<folder>program" "%1"`: the command a verb runs.
std::string command_line(std::string_view program_folder, std::string_view program);

bool register_open(Platform&);  // "轻松打开"
bool register_lock(Platform&);  // "加密保存"
void remove_open(Platform&);    // the command key, then the verb's key
void remove_lock(Platform&);

} // namespace tv::shell_verbs
