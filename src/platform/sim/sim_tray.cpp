// SimDesktop: the notification area and the current user's registry.
#include "platform/sim/sim_desktop.h"

#include <algorithm>

namespace tv::sim {

std::optional<TrayIcon> SimDesktop::tray_icon(Hwnd w, std::uint32_t id) const
{
    auto it = tray_icons_.find({w, id});
    return it == tray_icons_.end() ? std::nullopt : std::optional<TrayIcon>(it->second);
}

bool SimDesktop::set_tray_icon(Hwnd w, const TrayIcon& icon)
{
    if (!window_exists(w))
        return false;
    tray_icons_[{w, icon.id}] = icon;
    return true;
}

void SimDesktop::remove_tray_icon(Hwnd w, std::uint32_t id) { tray_icons_.erase({w, id}); }

void SimDesktop::user_tray(Hwnd w, std::uint32_t id, std::uint32_t mouse_message)
{
    if (!tray_icon(w, id))
        return;
    if (const Window* window = find(w); window && window->events)
        window->events->on_tray_message(mouse_message);
}

bool SimDesktop::set_registry_default(std::string_view key, std::string_view value)
{
    if (registry_read_only || key.empty())
        return false;
    registry_[std::string(key)] = std::string(value);
    return true;
}

// A key with subkeys stays, as RegDeleteKey leaves it.
bool SimDesktop::delete_registry_key(std::string_view key)
{
    auto it = registry_.find(key);
    if (registry_read_only || it == registry_.end())
        return false;
    const std::string prefix = std::string(key) + "\\";
    const bool has_subkeys = std::any_of(registry_.begin(), registry_.end(),
                                         [&](const auto& entry) { return entry.first.starts_with(prefix); });
    if (has_subkeys)
        return false;
    registry_.erase(it);
    return true;
}

} // namespace tv::sim
