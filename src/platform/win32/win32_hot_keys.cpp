// Standing aside: the shell's session state and the program's hot keys (the
// simulated side: sim_hot_keys.cpp).
#include "platform/win32/win32_platform.h"

#include <shellapi.h>

namespace tv::win32 {

UserNotificationState Win32Platform::user_notification_state() const
{
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(SHQueryUserNotificationState(&state)))
        return UserNotificationState::Unknown;
    const int value = static_cast<int>(state);
    if (value < 1 || value > 7)
        return UserNotificationState::Unknown;
    return static_cast<UserNotificationState>(value);
}

// The hot key repeats nothing while it is held (MOD_NOREPEAT): one press is
// one toggle.
bool Win32Platform::register_hot_key(Hwnd window, int id, std::uint32_t modifiers, int vk)
{
    const UINT mods = (modifiers & kHotKeyAlt ? MOD_ALT : 0) | (modifiers & kHotKeyCtrl ? MOD_CONTROL : 0) |
                      (modifiers & kHotKeyShift ? MOD_SHIFT : 0) | MOD_NOREPEAT;
    return RegisterHotKey(reinterpret_cast<HWND>(window), id, mods, static_cast<UINT>(vk)) != FALSE;
}

bool Win32Platform::take_hot_key(UINT message, WPARAM id, WindowEvents* events)
{
    if (message != WM_HOTKEY)
        return false;
    if (events) {
        try {
            events->on_hot_key(static_cast<int>(id));
        } catch (...) {
        }
    }
    return true;
}

void Win32Platform::unregister_hot_key(Hwnd window, int id) { UnregisterHotKey(reinterpret_cast<HWND>(window), id); }

} // namespace tv::win32
