// SimDesktop: the shell: starting programs, opening addresses, the colour dialog.
#include "platform/sim/sim_desktop.h"

#include "platform/address.h"

#include <algorithm>

namespace tv::sim {

bool SimDesktop::start_program(std::string_view path, Visibility v)
{
    if (std::find(missing_programs.begin(), missing_programs.end(), path) != missing_programs.end())
        return false;
    started_.emplace_back(std::string(path), v);
    return true;
}

bool SimDesktop::start_program_with_arguments(std::string_view path, const std::vector<std::string>& arguments,
                                              Visibility v)
{
    if (std::find(missing_programs.begin(), missing_programs.end(), path) != missing_programs.end())
        return false;
    started_with_arguments_.push_back({std::string(path), arguments, v});
    return true;
}

bool SimDesktop::open_address(std::string_view url)
{
    if (!is_web_address(url))
        return false;
    opened_.emplace_back(url);
    return true;
}

bool SimDesktop::open_program_file(std::string_view file_name)
{
    if (file_name.empty() || file_name.find_first_of("\\/:") != std::string_view::npos)
        return false;
    opened_files_.emplace_back(file_name);
    return true;
}

std::optional<std::uint32_t> SimDesktop::choose_colour(std::uint32_t)
{
    ++colour_dialogs_;
    if (colour_answers.empty())
        return std::nullopt;
    auto answer = colour_answers.front();
    colour_answers.pop_front();
    return answer;
}

} // namespace tv::sim
