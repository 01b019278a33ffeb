// Win32Platform: the notification-area icon (Shell_NotifyIconW) and the
// current user's registry.
#include "platform/win32/win32_platform.h"
#include "platform/win32/wide.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace tv::win32 {
namespace {

HWND as_hwnd(Hwnd h) { return reinterpret_cast<HWND>(h); }

// The program's two tray pictures: its own icon (resource 1 of the program
// file; the system's application icon without it) and the information icon.
HICON tray_picture(int picture)
{
    if (picture != 0)
        return LoadIconW(nullptr, IDI_INFORMATION);
    const int size = GetSystemMetrics(SM_CXSMICON);
    auto own = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED));
    return own ? own : LoadIconW(nullptr, IDI_APPLICATION);
}

NOTIFYICONDATAW icon_data(HWND w, UINT id)
{
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = w;
    data.uID = id;
    return data;
}

} // namespace

bool Win32Platform::set_tray_icon(Hwnd h, const TrayIcon& icon)
{
    HWND w = as_hwnd(h);
    if (!IsWindow(w))
        return false;
    NOTIFYICONDATAW data = icon_data(w, icon.id);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = icon.callback_message;
    data.hIcon = tray_picture(icon.picture);
    const std::wstring tip = widen(icon.tip);
    wcsncpy(data.szTip, tip.c_str(), std::size(data.szTip) - 1);
    tray_callbacks_[w] = icon.callback_message;
    const bool shown = tray_icons_.contains({w, icon.id});
    const bool done = Shell_NotifyIconW(shown ? NIM_MODIFY : NIM_ADD, &data) != FALSE;
    if (done)
        tray_icons_.insert({w, icon.id});
    return done;
}

void Win32Platform::remove_tray_icon(Hwnd h, std::uint32_t id)
{
    HWND w = as_hwnd(h);
    NOTIFYICONDATAW data = icon_data(w, id);
    Shell_NotifyIconW(NIM_DELETE, &data);
    tray_icons_.erase({w, id});
}

bool Win32Platform::take_tray_message(HWND w, UINT message, LPARAM lp, WindowEvents* events)
{
    auto tray = tray_callbacks_.find(w);
    if (tray == tray_callbacks_.end() || message != tray->second)
        return false;
    // A handler's failure ends that event only, as for every other event.
    try {
        if (events)
            events->on_tray_message(static_cast<std::uint32_t>(LOWORD(lp)));
    } catch (...) {
    }
    return true;
}

bool Win32Platform::set_registry_default(std::string_view key, std::string_view value)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, widen(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring text = widen_path(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

bool Win32Platform::delete_registry_key(std::string_view key)
{
    return RegDeleteKeyW(HKEY_CURRENT_USER, widen(key).c_str()) == ERROR_SUCCESS;
}

} // namespace tv::win32
