// SimDesktop: files, kept in memory by name.
#include "platform/sim/sim_desktop.h"

namespace tv::sim {

std::optional<std::string> SimDesktop::read_file(std::string_view name) const
{
    auto it = files_.find(name);
    if (it == files_.end() || locked_files.contains(name))
        return std::nullopt;
    return it->second;
}

FileContent SimDesktop::read_file_status(std::string_view name) const
{
    auto it = files_.find(name);
    if (it == files_.end())
        return {FileStatus::Absent, {}};
    if (locked_files.contains(name))
        return {FileStatus::Unreadable, {}};
    return {FileStatus::Read, it->second};
}

FileContent SimDesktop::take_file(std::string_view name)
{
    FileContent content = read_file_status(name);
    if (content.status == FileStatus::Read)
        files_.erase(files_.find(name));
    return content;
}

bool SimDesktop::write_file_atomic(std::string_view name, std::string_view bytes)
{
    files_[std::string(name)] = std::string(bytes);
    return true;
}

std::vector<std::string> SimDesktop::folder_files(std::string_view folder) const
{
    std::vector<std::string> names;
    if (folder.empty())
        return names;
    const std::string prefix = std::string(folder) + "\\";
    for (const auto& [name, bytes] : files_) {
        if (!name.starts_with(prefix))
            continue;
        const std::string rest = name.substr(prefix.size());
        if (!rest.empty() && rest.find('\\') == std::string::npos)
            names.push_back(rest);
    }
    return names; // the map keeps them sorted
}

void SimDesktop::remove_file(std::string_view name)
{
    if (auto it = files_.find(name); it != files_.end())
        files_.erase(it);
}

} // namespace tv::sim
