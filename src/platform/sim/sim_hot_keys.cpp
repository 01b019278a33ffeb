// The simulated desktop's hot keys (the real side: win32_hot_keys.cpp).
#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tv::sim {
namespace {

bool modifiers_held(const SimDesktop& desktop, std::uint32_t modifiers)
{
    auto held = [&](int either, int left, int right) {
        return desktop.key_down(either) || desktop.key_down(left) || desktop.key_down(right);
    };
    const bool alt = held(18, 164, 165);
    const bool ctrl = held(17, 162, 163);
    const bool shift = held(16, 160, 161);
    return alt == ((modifiers & kHotKeyAlt) != 0) && ctrl == ((modifiers & kHotKeyCtrl) != 0) &&
           shift == ((modifiers & kHotKeyShift) != 0);
}

} // namespace

bool SimDesktop::register_hot_key(Hwnd window, int id, std::uint32_t modifiers, int vk)
{
    if (!window_exists(window))
        return false;
    const bool taken = std::any_of(hot_keys_.begin(), hot_keys_.end(), [&](const HotKey& k) {
        return k.modifiers == modifiers && k.vk == vk;
    });
    if (taken)
        return false;
    hot_keys_.push_back({window, id, modifiers, vk});
    return true;
}

void SimDesktop::unregister_hot_key(Hwnd window, int id)
{
    std::erase_if(hot_keys_, [&](const HotKey& k) { return k.window == window && k.id == id; });
}

// A press the hook let through that is a registered hot key goes to its
// window, not to the window in front.
bool SimDesktop::take_hot_key(int vk)
{
    const std::vector<HotKey> keys = hot_keys_; // a handler may register or remove one
    for (const HotKey& key : keys) {
        if (key.vk != vk || !modifiers_held(*this, key.modifiers))
            continue;
        if (Window* w = find(key.window); w && w->events) {
            w->events->on_hot_key(key.id);
            return true;
        }
    }
    return false;
}

} // namespace tv::sim
