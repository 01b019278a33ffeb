// Display monitors with their DPI, and the token elevation of processes.
#include "platform/win32/win32_platform.h"

#include <algorithm>

namespace tv::win32 {
namespace {

Rect to_rect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// GetDpiForMonitor lives in shcore.dll from Windows 8.1 on; without it every
// monitor has the system's DPI.
int monitor_dpi(HMONITOR monitor)
{
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto get_dpi = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");
        return shcore ? reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    constexpr int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    if (get_dpi && SUCCEEDED(get_dpi(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
    monitors.push_back(Monitor{to_rect(info.rcMonitor), to_rect(info.rcWork), monitor_dpi(monitor),
                               (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

Elevation token_elevation(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return Elevation::Unknown;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const BOOL ok = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    if (!ok)
        return Elevation::Unknown;
    return elevation.TokenIsElevated ? Elevation::Elevated : Elevation::Limited;
}

} // namespace

std::vector<Monitor> Win32Platform::monitors() const
{
    std::vector<Monitor> list;
    EnumDisplayMonitors(nullptr, nullptr, add_monitor, reinterpret_cast<LPARAM>(&list));
    std::stable_partition(list.begin(), list.end(), [](const Monitor& m) { return m.primary; });
    if (list.empty())
        return Platform::monitors();
    return list;
}

Rect Win32Platform::virtual_screen() const
{
    if (!virtual_screen_)
        virtual_screen_ = Rect::from_size(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    return *virtual_screen_;
}

Elevation Win32Platform::process_elevation(std::uint32_t process_id) const
{
    if (process_id == 0)
        return Elevation::Unknown;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
    if (!process)
        return Elevation::Unknown;
    const Elevation e = token_elevation(process);
    CloseHandle(process);
    return e;
}

Elevation Win32Platform::own_elevation() const { return token_elevation(GetCurrentProcess()); }

} // namespace tv::win32
