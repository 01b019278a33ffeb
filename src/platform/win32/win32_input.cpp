// Input, screen, clock and timers.
#include "platform/win32/win32_platform.h"

#include "hook/tokenizer.h"

#include <algorithm>

namespace tv::win32 {
namespace {

bool is_key_code(int vk) { return vk > 0 && vk < 256; }

using HookKeyHeldEntry = BOOL(WINAPI*)(int);

// The input hook keeps some keys from the applications (the keyboard mouse
// pad's, while it is open), and the system's key state then never shows them:
// the loaded wrhk.dll says whether such a key is held. Its entry point is
// looked up once the library is loaded; the library stays for the whole run,
// and one without the entry point keeps no keys.
bool hook_keeps_held(int vk)
{
    static HookKeyHeldEntry entry = nullptr;
    static bool looked_up = false;
    if (!looked_up) {
        HMODULE hook = GetModuleHandleW(L"wrhk.dll");
        if (!hook)
            return false;
        entry = reinterpret_cast<HookKeyHeldEntry>(reinterpret_cast<void*>(GetProcAddress(hook, "HookKeyHeld")));
        looked_up = true;
    }
    return entry && entry(vk) != FALSE;
}

} // namespace

FARPROC hook_library_entry(const char* name)
{
    HMODULE hook = GetModuleHandleW(L"wrhk.dll");
    return hook ? GetProcAddress(hook, name) : nullptr;
}

// The library counts what its watchdog did (hook/hook_watchdog.h): HookRecoveries(0 mouse, 1 keyboard).
Platform::HookRecoveries Win32Platform::hook_recoveries() const
{
    using HookRecoveriesEntry = int(WINAPI*)(int);
    auto entry = reinterpret_cast<HookRecoveriesEntry>(reinterpret_cast<void*>(hook_library_entry("HookRecoveries")));
    if (!entry)
        return {};
    return {static_cast<unsigned>(std::max(entry(0), 0)), static_cast<unsigned>(std::max(entry(1), 0))};
}

Point Win32Platform::cursor_pos() const
{
    POINT p{};
    if (!GetCursorPos(&p))
        return {};
    return Point{p.x, p.y};
}

void Win32Platform::set_cursor_pos(Point p) { SetCursorPos(p.x, p.y); }

bool Win32Platform::key_down(int vk) const
{
    return is_key_code(vk) && ((GetAsyncKeyState(vk) & 0x8000) != 0 || hook_keeps_held(vk));
}

std::array<std::uint8_t, 256> Win32Platform::keyboard_state() const
{
    std::array<std::uint8_t, 256> state{};
    if (!GetKeyboardState(state.data()))
        state.fill(0);
    return state;
}

// The program's own events carry kOwnInputTag so that wrhk.dll does not read
// them back as the user's gestures.
void Win32Platform::send_key(int vk, KeyAction action)
{
    if (!is_key_code(vk))
        return;
    keybd_event(static_cast<BYTE>(vk), 0, action == KeyAction::Up ? KEYEVENTF_KEYUP : 0, hook::kOwnInputTag);
}

void Win32Platform::send_mouse(MouseInput input, int data)
{
    mouse_event(static_cast<DWORD>(input), 0, 0, static_cast<DWORD>(data), hook::kOwnInputTag);
}

// SetCursorPos rather than a relative mouse_event: that one is scaled by the
// pointer speed settings, and Wine takes the X pointer's place back at once.
void Win32Platform::move_cursor_by(int dx, int dy)
{
    POINT p{};
    if (GetCursorPos(&p))
        SetCursorPos(p.x + dx, p.y + dy);
}

Size Win32Platform::screen_size() const
{
    if (!screen_size_)
        screen_size_ = Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return *screen_size_;
}

void Win32Platform::forget_display_sizes()
{
    screen_size_.reset();
    virtual_screen_.reset();
}

std::optional<std::uint32_t> Win32Platform::screen_pixel(Point p) const
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return std::nullopt;
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    if (colour == CLR_INVALID)
        return std::nullopt;
    return static_cast<std::uint32_t>(colour);
}

namespace {

// One column of the screen copied into a 32-bit bitmap: one read of the
// screen, where GetPixel reads it once per pixel. Rows outside the screen
// stay unread.
void copy_screen_column(HDC screen, Point top, int first, int last, std::vector<std::optional<std::uint32_t>>& pixels)
{
    HDC memory = CreateCompatibleDC(screen);
    if (!memory)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = -(last - first); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    if (HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        if (bits && BitBlt(memory, 0, 0, 1, last - first, screen, top.x, first, SRCCOPY)) {
            GdiFlush();
            const auto* rows = static_cast<const std::uint32_t*>(bits); // 0x00RRGGBB each
            for (int y = first; y < last; ++y) {
                const std::uint32_t v = rows[y - first];
                pixels[static_cast<std::size_t>(y - top.y)] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
}

} // namespace

std::vector<std::optional<std::uint32_t>> Win32Platform::screen_column(Point top, int count) const
{
    std::vector<std::optional<std::uint32_t>> pixels(static_cast<std::size_t>(std::max(count, 0)));
    const Rect screen = virtual_screen();
    const int first = std::max(top.y, screen.top);
    const int last = std::min(top.y + std::max(count, 0), screen.bottom);
    if (top.x < screen.left || top.x >= screen.right || first >= last)
        return pixels;
    if (HDC dc = GetDC(nullptr)) {
        copy_screen_column(dc, top, first, last, pixels);
        ReleaseDC(nullptr, dc);
    }
    return pixels;
}

int Win32Platform::scroll_arrow_height() const { return GetSystemMetrics(SM_CYVSCROLL); }

std::uint64_t Win32Platform::now_ms() const { return GetTickCount64(); }

std::uint64_t Win32Platform::precise_us() const
{
    LARGE_INTEGER frequency, count;
    if (!QueryPerformanceFrequency(&frequency) || !QueryPerformanceCounter(&count) || frequency.QuadPart == 0)
        return now_ms() * 1000;
    return static_cast<std::uint64_t>(count.QuadPart / frequency.QuadPart * 1000000 +
                                      count.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart);
}

void Win32Platform::sleep_ms(int ms) { Sleep(static_cast<DWORD>(std::max(ms, 0))); }

TimerId Win32Platform::start_timer(int interval_ms, std::function<void()> on_tick)
{
    if (!on_tick || !timer_window_)
        return 0;
    TimerId id = last_timer_id_;
    do
        ++id;
    while (id == 0 || timers_.count(id));
    const UINT interval = static_cast<UINT>(std::clamp(interval_ms, int{USER_TIMER_MINIMUM}, 0x7FFFFFFF));
    if (!SetTimer(timer_window_, id, interval, nullptr))
        return 0;
    last_timer_id_ = id;
    timers_[id] = std::make_shared<std::function<void()>>(std::move(on_tick));
    return id;
}

void Win32Platform::stop_timer(TimerId id)
{
    if (timers_.erase(id))
        KillTimer(timer_window_, id);
}

void Win32Platform::fire_timer(UINT_PTR id)
{
    if (modal_depth_ > 0)
        return;
    auto it = timers_.find(static_cast<TimerId>(id));
    if (it == timers_.end())
        return;
    // Held by a copy: the handler may stop its own timer.
    const auto tick = it->second;
    try {
        (*tick)();
    } catch (...) {
    }
}

} // namespace tv::win32
