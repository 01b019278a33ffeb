// SimDesktop: the installed keyboard layouts, as a test lists them, the
// layout each window's thread uses, and the icons inside files.
#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tv::sim {
namespace {

const SimDesktop::SimKeyboardLayout* find_layout(const std::vector<SimDesktop::SimKeyboardLayout>& list,
                                                 KeyboardLayout handle)
{
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& l) { return l.handle == handle; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

std::vector<KeyboardLayout> SimDesktop::keyboard_layouts(std::size_t at_most) const
{
    std::vector<KeyboardLayout> handles;
    for (const auto& layout : installed_layouts) {
        if (handles.size() >= at_most)
            break;
        handles.push_back(layout.handle);
    }
    return handles;
}

bool SimDesktop::is_input_method(KeyboardLayout handle) const
{
    const auto* layout = find_layout(installed_layouts, handle);
    return layout && layout->input_method;
}

std::string SimDesktop::input_method_description(KeyboardLayout handle) const
{
    const auto* layout = find_layout(installed_layouts, handle);
    return layout && layout->input_method ? layout->description : std::string();
}

bool SimDesktop::activate_keyboard_layout(KeyboardLayout handle, std::uint32_t flags)
{
    if (!find_layout(installed_layouts, handle))
        return false;
    activated_layouts_.emplace_back(handle, flags);
    program_layout_ = handle;
    return true;
}

KeyboardLayout SimDesktop::window_keyboard_layout(Hwnd w) const
{
    if (!window_exists(w))
        return 0;
    if (auto it = window_layouts_.find(w); it != window_layouts_.end())
        return it->second;
    if (process_of(w) == kOwnProcess && program_layout_ != 0)
        return program_layout_;
    return installed_layouts.empty() ? 0 : installed_layouts.front().handle;
}

std::string SimDesktop::input_method_file_name(KeyboardLayout handle) const
{
    const auto* layout = find_layout(installed_layouts, handle);
    return layout && layout->input_method ? layout->file_name : std::string();
}

std::uintptr_t SimDesktop::extract_icon(std::string_view path, int index)
{
    auto it = files_icon_counts_.find(path);
    if (it == files_icon_counts_.end() || index < 0 || index >= it->second)
        return 0;
    const std::uintptr_t icon = next_icon_++;
    live_icons_[icon] = std::string(path);
    return icon;
}

Hwnd SimDesktop::default_ime_window(Hwnd w) const
{
    const auto it = default_ime_windows_.find(w);
    return window_exists(w) && it != default_ime_windows_.end() ? it->second : 0;
}

} // namespace tv::sim
