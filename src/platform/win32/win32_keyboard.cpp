// Keyboard layouts and input methods: the installed layouts, whether each is
// an input method, its description and module, activating one, and the layout
// a window's thread uses.
#include "platform/win32/win32_platform.h"

#include "platform/win32/wide.h"

#include <imm.h>

namespace tv::win32 {
namespace {

constexpr int kDescriptionChars = 100;
constexpr UINT kFileNameChars = MAX_PATH;

HKL to_hkl(KeyboardLayout layout) { return reinterpret_cast<HKL>(layout); }

} // namespace

std::vector<KeyboardLayout> Win32Platform::keyboard_layouts(std::size_t at_most) const
{
    const int count = GetKeyboardLayoutList(0, nullptr);
    if (count <= 0 || at_most == 0)
        return {};
    std::vector<HKL> handles(static_cast<std::size_t>(count));
    const int got = GetKeyboardLayoutList(count, handles.data());
    handles.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    std::vector<KeyboardLayout> layouts;
    for (HKL h : handles) {
        if (layouts.size() >= at_most)
            break;
        layouts.push_back(reinterpret_cast<KeyboardLayout>(h));
    }
    return layouts;
}

bool Win32Platform::is_input_method(KeyboardLayout layout) const { return ImmIsIME(to_hkl(layout)) != FALSE; }

std::string Win32Platform::input_method_description(KeyboardLayout layout) const
{
    wchar_t text[kDescriptionChars + 1] = {};
    const UINT got = ImmGetDescriptionW(to_hkl(layout), text, kDescriptionChars);
    const std::size_t length = got > kDescriptionChars ? kDescriptionChars : got;
    return narrow(std::wstring_view(text, length));
}

bool Win32Platform::activate_keyboard_layout(KeyboardLayout layout, std::uint32_t flags)
{
    return ActivateKeyboardLayout(to_hkl(layout), flags) != nullptr;
}

KeyboardLayout Win32Platform::window_keyboard_layout(Hwnd w) const
{
    HWND window = reinterpret_cast<HWND>(w);
    if (!window || !IsWindow(window))
        return 0;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread == 0)
        return 0;
    return reinterpret_cast<KeyboardLayout>(GetKeyboardLayout(thread));
}

std::string Win32Platform::input_method_file_name(KeyboardLayout layout) const
{
    wchar_t text[kFileNameChars + 1] = {};
    const UINT got = ImmGetIMEFileNameW(to_hkl(layout), text, kFileNameChars);
    const std::size_t length = got > kFileNameChars ? kFileNameChars : got;
    return narrow(std::wstring_view(text, length));
}

std::string Win32Platform::system_folder() const
{
    wchar_t text[MAX_PATH + 1] = {};
    const UINT got = GetSystemDirectoryW(text, MAX_PATH);
    if (got == 0 || got > MAX_PATH)
        return {};
    std::string folder = narrow(std::wstring_view(text, got));
    if (!folder.ends_with('\\'))
        folder += '\\';
    return folder;
}

Hwnd Win32Platform::default_ime_window(Hwnd w) const
{
    HWND window = reinterpret_cast<HWND>(w);
    if (!window || !IsWindow(window))
        return 0;
    return reinterpret_cast<Hwnd>(ImmGetDefaultIMEWnd(window));
}

bool Win32Platform::is_enabled(Hwnd w) const
{
    HWND window = reinterpret_cast<HWND>(w);
    return window && IsWindow(window) && IsWindowEnabled(window) != FALSE;
}

} // namespace tv::win32
