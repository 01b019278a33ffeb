// The clipboard, starting other programs, the colour dialog and program icons.
#include "platform/win32/win32_platform.h"

#include "platform/address.h"
#include "platform/command_line.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

#include <commdlg.h>

#include <cwchar>

namespace tv::win32 {
namespace {

constexpr int kClipboardAttempts = 5;
constexpr DWORD kClipboardPauseMs = 10;

// Another program may hold the clipboard for a moment.
bool open_clipboard()
{
    for (int i = 0; i < kClipboardAttempts; ++i) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(kClipboardPauseMs);
    }
    return false;
}

// The text of a clipboard block, never reading past the block's end even when
// its owner left out the terminating NUL.
std::string text_of(HANDLE block)
{
    const auto* text = static_cast<const wchar_t*>(GlobalLock(block));
    if (!text)
        return {};
    const std::size_t units = GlobalSize(block) / sizeof(wchar_t);
    const std::string result = narrow(std::wstring_view(text, wcsnlen(text, units)));
    GlobalUnlock(block);
    return result;
}

bool is_batch_file(const std::wstring& path)
{
    const std::size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos)
        return false;
    const std::wstring_view extension = std::wstring_view(path).substr(dot);
    return _wcsicmp(extension.data(), L".bat") == 0 || _wcsicmp(extension.data(), L".cmd") == 0;
}

std::wstring command_interpreter()
{
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(system, length) + L"\\cmd.exe";
}

std::wstring folder_of(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

} // namespace

std::optional<std::string> Win32Platform::clipboard_text()
{
    if (!open_clipboard())
        return std::nullopt;
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    std::string text = block ? text_of(block) : std::string();
    CloseClipboard();
    return text;
}

namespace {

// Starts `application` with `command_line` (which repeats the program as its
// first argument) in the program's own folder, without waiting.
bool launch(const std::wstring& application, std::wstring command_line, const std::wstring& folder,
            Visibility visibility)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = visibility == Visibility::Shown ? SW_SHOWNORMAL : SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// The full path of a program file that is there and names itself plainly.
std::wstring existing_program(std::string_view path)
{
    if (path.empty())
        return {};
    const std::wstring program = full_path(widen_path(path));
    if (program.empty() || program.find(L'"') != std::wstring::npos ||
        GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    return program;
}

} // namespace

// The program file is named explicitly and takes no arguments; a batch file
// (the fixed one of the program folder) needs the command interpreter, which
// gets nothing but the quoted path.
bool Win32Platform::start_program(std::string_view path, Visibility visibility)
{
    const std::wstring program = existing_program(path);
    if (program.empty())
        return false;
    std::wstring application = program;
    std::wstring command_line = L"\"" + program + L"\"";
    if (is_batch_file(program)) {
        application = command_interpreter();
        if (application.empty())
            return false;
        command_line = L"cmd.exe /d /c \"" + command_line + L"\"";
    }
    return launch(application, command_line, folder_of(program), visibility);
}

// Every argument is quoted on its own, in UTF-16, by the rules the started
// program's start-up code reads them with. A batch file is refused: the command
// interpreter would read & and % in the arguments.
bool Win32Platform::start_program_with_arguments(std::string_view path, const std::vector<std::string>& arguments,
                                                 Visibility visibility)
{
    const std::wstring program = existing_program(path);
    if (program.empty() || is_batch_file(program))
        return false;
    std::vector<std::wstring> words{program};
    for (const std::string& argument : arguments)
        words.push_back(widen_path(argument));
    return launch(program, windows_command_line(words), folder_of(program), visibility);
}

bool Win32Platform::open_address(std::string_view url)
{
    if (!is_web_address(url))
        return false;
    const std::wstring address = widen(url);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

// Only a bare name of a file that is there: nothing from outside chooses what opens.
bool Win32Platform::open_program_file(std::string_view file_name)
{
    if (file_name.empty() || file_name.find_first_of("\\/:") != std::string_view::npos)
        return false;
    const std::wstring path = program_folder_path() + widen(file_name);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

std::optional<Rect> Win32Platform::taskbar_rect() const
{
    APPBARDATA data{};
    data.cbSize = sizeof data;
    if (!SHAppBarMessage(ABM_GETTASKBARPOS, &data))
        return std::nullopt;
    return Rect{data.rc.left, data.rc.top, data.rc.right, data.rc.bottom};
}

std::optional<std::uint32_t> Win32Platform::choose_colour(std::uint32_t initial)
{
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.rgbResult = static_cast<COLORREF>(initial & 0x00FFFFFF);
    dialog.lpCustColors = custom_colours_.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog))
        return std::nullopt;
    return static_cast<std::uint32_t>(dialog.rgbResult & 0x00FFFFFF);
}

std::uintptr_t Win32Platform::file_icon(std::string_view path)
{
    if (path.empty())
        return 0;
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(widen_path(path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        return 0;
    return reinterpret_cast<std::uintptr_t>(info.hIcon);
}

void Win32Platform::free_icon(std::uintptr_t icon)
{
    if (icon)
        DestroyIcon(reinterpret_cast<HICON>(icon));
}

// ExtractIcon answers 1 for a file that is not a program, library or icon file.
std::uintptr_t Win32Platform::extract_icon(std::string_view path, int index)
{
    if (path.empty() || index < 0)
        return 0;
    HICON icon = ExtractIconW(GetModuleHandleW(nullptr), widen_path(path).c_str(), static_cast<UINT>(index));
    if (reinterpret_cast<std::uintptr_t>(icon) <= 1)
        return 0;
    return reinterpret_cast<std::uintptr_t>(icon);
}

} // namespace tv::win32
