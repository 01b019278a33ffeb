// SimDesktop: files, kept in memory by name.
#include "platform/sim/sim_desktop.h"

#include "platform/atomic_save.h"

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

// The save's steps on the in-memory files, with the injected fault.
class SimSaveSteps : public SaveSteps {
public:
    SimSaveSteps(SimDesktop& desktop, std::string_view target)
        : desktop_(desktop), target_(target), temporary_(target_ + std::string(kTemporarySuffix))
    {
    }
    StepResult write_temporary(std::string_view bytes) override
    {
        if (busy(SimDesktop::SaveFault::TemporaryBusy))
            return StepResult::Busy;
        if (fails(SimDesktop::SaveFault::CreateFails))
            return StepResult::Failed;
        if (fails(SimDesktop::SaveFault::WriteCutShort)) {
            desktop_.files_[temporary_] = std::string(bytes.substr(0, bytes.size() / 2));
            return StepResult::Failed;
        }
        desktop_.files_[temporary_] = std::string(bytes);
        return StepResult::Done;
    }
    StepResult replace_target() override
    {
        if (desktop_.locked_files.contains(target_) || busy(SimDesktop::SaveFault::TargetBusy))
            return StepResult::Busy;
        if (fails(SimDesktop::SaveFault::ReplaceFails))
            return StepResult::Failed;
        auto node = desktop_.files_.extract(temporary_);
        if (node.empty())
            return StepResult::Failed;
        desktop_.files_[target_] = std::move(node.mapped());
        return StepResult::Done;
    }
    void remove_temporary() override { desktop_.remove_file(temporary_); }
    void pause_before_retry() override { ++desktop_.save_retry_pauses_; }

private:
    bool fails(SimDesktop::SaveFault fault)
    {
        if (desktop_.save_fault_ != fault)
            return false;
        desktop_.save_fault_ = SimDesktop::SaveFault::None;
        return true;
    }
    bool busy(SimDesktop::SaveFault fault)
    {
        if (desktop_.save_fault_ != fault)
            return false;
        if (--desktop_.save_fault_attempts_ <= 0)
            desktop_.save_fault_ = SimDesktop::SaveFault::None;
        return true;
    }

    SimDesktop& desktop_;
    std::string target_;
    std::string temporary_;
};

bool SimDesktop::write_file_atomic(std::string_view name, std::string_view bytes)
{
    if (name.empty())
        return false;
    SimSaveSteps steps(*this, name);
    return save_whole_file(steps, bytes);
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
