// Locking and unlocking files through the outside archiver.
#include "core/archiver.h"

#include "platform/platform.h"

namespace tv::archiver {
namespace {

std::string password_switch(std::string_view password) { return "-hp" + std::string(password); }

bool start(Platform& platform, const std::optional<std::vector<std::string>>& arguments)
{
    if (!arguments)
        return false;
    const std::string program = platform.program_folder() + std::string(kProgram);
    return platform.start_program_with_arguments(program, *arguments, Visibility::Shown);
}

} // namespace

bool acceptable_path(std::string_view path)
{
    return !path.empty() && path.find('"') == std::string_view::npos && path.front() != '-' && path.front() != '@';
}

std::optional<std::vector<std::string>> lock_arguments(std::string_view password, std::string_view archive,
                                                       std::string_view file)
{
    if (password.empty() || !acceptable_path(archive) || !acceptable_path(file))
        return std::nullopt;
    return std::vector<std::string>{"m", "-ep1", "-t", password_switch(password), "-df", "-m1",
                                    std::string(archive), std::string(file)};
}

std::optional<std::vector<std::string>> unlock_arguments(std::string_view password, std::string_view archive,
                                                         std::string_view folder)
{
    if (password.empty() || !acceptable_path(archive) || !acceptable_path(folder))
        return std::nullopt;
    return std::vector<std::string>{"x", password_switch(password), std::string(archive), std::string(folder)};
}

bool lock(Platform& platform, std::string_view password, std::string_view archive, std::string_view file)
{
    return start(platform, lock_arguments(password, archive, file));
}

bool unlock(Platform& platform, std::string_view password, std::string_view archive, std::string_view folder)
{
    return start(platform, unlock_arguments(password, archive, folder));
}

} // namespace tv::archiver
