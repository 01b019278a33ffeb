// SimDesktop: files, kept in memory by name.
#include "platform/sim/sim_desktop.h"

namespace tv::sim {

std::optional<std::string> SimDesktop::read_file(std::string_view name) const
{
    auto it = files_.find(name);
    if (it == files_.end())
        return std::nullopt;
    return it->second;
}

bool SimDesktop::write_file_atomic(std::string_view name, std::string_view bytes)
{
    files_[std::string(name)] = std::string(bytes);
    return true;
}

void SimDesktop::remove_file(std::string_view name)
{
    if (auto it = files_.find(name); it != files_.end())
        files_.erase(it);
}

} // namespace tv::sim
