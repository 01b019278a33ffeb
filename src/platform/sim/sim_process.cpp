// SimDesktop: the program's process: message boxes, quitting, the loader
// with its simulated wrhk.dll, and the fake processes and icons of other programs.
#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tv::sim {

void SimDesktop::message_box(std::string_view text, std::string_view caption, MessageBoxKind)
{
    message_boxes_.push_back({std::string(text), std::string(caption)});
}

void SimDesktop::quit(int exit_code)
{
    if (!quit_code_)
        quit_code_ = exit_code;
}

void SimDesktop::install_library(std::string name, SimLibrary library) { libraries_[std::move(name)] = std::move(library); }

void SimDesktop::remove_library(std::string_view name)
{
    if (auto it = libraries_.find(name); it != libraries_.end())
        libraries_.erase(it);
}

bool SimDesktop::library_loaded(std::string_view name) const
{
    return std::any_of(loaded_.begin(), loaded_.end(), [&](const auto& entry) { return entry.second == name; });
}

SimLibrary SimDesktop::hook_library()
{
    SimLibrary lib;
    lib.entries["SetHookmo"] = [this](const std::vector<std::intptr_t>& args) {
        switch_hook(hook::HookKind::Mouse, args.size() > 1 && args[1] != 0);
    };
    lib.entries["SetHookkb"] = [this](const std::vector<std::intptr_t>& args) {
        switch_hook(hook::HookKind::Keyboard, args.size() > 1 && args[1] != 0);
    };
    lib.entries["SetHookPad"] = [this](const std::vector<std::intptr_t>& args) {
        hook_pad_open_ = args.size() > 1 && args[1] != 0;
    };
    lib.entries["SetHookKeys"] = [this](const std::vector<std::intptr_t>& args) {
        hook_key_flags_ = args.size() > 1 ? static_cast<int>(args[1]) : 0;
    };
    return lib;
}

LibraryId SimDesktop::load_library(std::string_view file_name)
{
    if (libraries_.find(file_name) == libraries_.end())
        return 0;
    const LibraryId id = next_library_++;
    loaded_[id] = std::string(file_name);
    return id;
}

EntryPoint SimDesktop::entry_point(LibraryId id, std::string_view name)
{
    auto loaded = loaded_.find(id);
    if (loaded == loaded_.end())
        return {};
    auto lib = libraries_.find(loaded->second);
    if (lib == libraries_.end())
        return {};
    auto entry = lib->second.entries.find(name);
    return entry == lib->second.entries.end() ? EntryPoint{} : entry->second;
}

void SimDesktop::free_library(LibraryId id) { loaded_.erase(id); }

void SimDesktop::set_process(Hwnd h, std::uint32_t process_id)
{
    if (Window* w = find(h))
        w->process = process_id;
}

void SimDesktop::set_image_path(std::uint32_t process_id, std::string path)
{
    image_paths_[process_id] = std::move(path);
}

std::uint32_t SimDesktop::window_process_id(Hwnd h) const
{
    if (on_process_query)
        on_process_query(h);
    return process_of(h);
}

std::string SimDesktop::process_image_path(std::uint32_t process_id) const
{
    auto it = image_paths_.find(process_id);
    return it == image_paths_.end() ? std::string() : it->second;
}

std::uintptr_t SimDesktop::file_icon(std::string_view path)
{
    if (files_with_icons_.find(path) == files_with_icons_.end())
        return 0;
    const std::uintptr_t icon = next_icon_++;
    live_icons_[icon] = std::string(path);
    return icon;
}

} // namespace tv::sim

namespace tv::sim {

Elevation SimDesktop::process_elevation(std::uint32_t process_id) const
{
    if (process_id == 0)
        return Elevation::Unknown;
    if (process_id == kOwnProcess)
        return own_elevation_;
    const auto it = elevations_.find(process_id);
    return it != elevations_.end() ? it->second : Elevation::Limited;
}

} // namespace tv::sim
