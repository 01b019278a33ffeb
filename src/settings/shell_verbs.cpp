#include "settings/shell_verbs.h"

#include "platform/platform.h"

namespace tv::shell_verbs {
namespace {

bool register_verb(Platform& p, std::string_view key, std::string_view caption, std::string_view program)
{
    const std::string command = std::string(key) + "\\command";
    return p.set_registry_default(key, caption) &&
           p.set_registry_default(command, command_line(p.program_folder(), program));
}

void remove_verb(Platform& p, std::string_view key)
{
    p.delete_registry_key(std::string(key) + "\\command");
    p.delete_registry_key(key);
}

} // namespace

std::string command_line(std::string_view program_folder, std::string_view program)
{
    std::string line = "\"";
    line.append(program_folder).append(program).append("\" \"%1\"");
    return line;
}

bool register_open(Platform& p) { return register_verb(p, kOpenKey, "轻松打开", "wordpad.exe"); }

bool register_lock(Platform& p) { return register_verb(p, kLockKey, "加密保存", "jmdata.exe"); }

void remove_open(Platform& p) { remove_verb(p, kOpenKey); }

void remove_lock(Platform& p) { remove_verb(p, kLockKey); }

} // namespace tv::shell_verbs
