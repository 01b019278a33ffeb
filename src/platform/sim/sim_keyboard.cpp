// SimDesktop: the installed keyboard layouts, as a test lists them.
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
    return true;
}

} // namespace tv::sim
