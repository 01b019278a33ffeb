// The process: program folder, message loop, message boxes, libraries and the
// diagnostics channel.
#include "platform/win32/win32_platform.h"

#include "platform/win32/service_requests.h"
#include "platform/win32/wide.h"

#include <tlhelp32.h>

#include <algorithm>

namespace tv::win32 {
namespace {

std::wstring module_path(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    constexpr std::size_t kLongest = 32768;
    for (;;) {
        const DWORD got = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0)
            return {};
        if (got < path.size() || path.size() >= kLongest) {
            path.resize(std::min<std::size_t>(got, path.size()));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

using StdcallEntry = std::intptr_t(WINAPI*)(std::intptr_t, std::intptr_t, std::intptr_t);

// True while the code at `address` still belongs to a loaded module: an entry
// point kept after its library was freed then does nothing instead of crashing.
bool still_loaded(const void* address)
{
    HMODULE module = nullptr;
    return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCWSTR>(address), &module) != 0;
}

} // namespace

std::wstring full_path(const std::wstring& name)
{
    const DWORD need = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (need == 0)
        return {};
    std::wstring path(need, L'\0');
    const DWORD got = GetFullPathNameW(name.c_str(), need, path.data(), nullptr);
    if (got == 0 || got >= need)
        return {};
    path.resize(got);
    return path;
}

std::wstring program_folder_path()
{
    const std::wstring path = module_path(nullptr);
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring widen_path(std::string_view cp936)
{
    struct Alias {
        std::wstring text; // the folder as its CP936 name reads back; empty when faithful
        std::wstring real;
    };
    static const Alias alias = [] {
        std::wstring real = program_folder_path();
        std::wstring text = widen(narrow(real));
        return text == real ? Alias{} : Alias{std::move(text), std::move(real)};
    }();
    std::wstring wide = widen(cp936);
    if (alias.text.empty())
        return wide;
    for (std::size_t at = wide.find(alias.text); at != std::wstring::npos;
         at = wide.find(alias.text, at + alias.real.size()))
        wide.replace(at, alias.text.size(), alias.real);
    return wide;
}

std::string Win32Platform::program_folder() const { return narrow(program_folder_path()); }

SystemVersion Win32Platform::system_version() const
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info))
        return {};
    return {static_cast<int>(info.dwPlatformId), static_cast<int>(info.dwMajorVersion),
            static_cast<int>(info.dwMinorVersion), static_cast<int>(info.dwBuildNumber & 0xFFFF)};
}

void Win32Platform::set_current_folder(std::string_view folder)
{
    if (!folder.empty())
        SetCurrentDirectoryW(widen_path(folder).c_str());
}

void Win32Platform::message_box(std::string_view text, std::string_view caption, MessageBoxKind)
{
    ++modal_depth_;
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    --modal_depth_;
}

int Win32Platform::run_message_loop()
{
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 0;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Platform::quit(int exit_code) { PostQuitMessage(exit_code); }

LibraryId Win32Platform::load_library(std::string_view file_name)
{
    if (file_name.empty())
        return 0;
    // Only the file in the current folder: a library of the same name elsewhere
    // on the search path is not the program's.
    const std::wstring path = full_path(widen_path(file_name));
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return 0;
    DWORD old_mode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_mode);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetThreadErrorMode(old_mode, nullptr);
    if (!module)
        return 0;
    libraries_.insert(module);
    return reinterpret_cast<LibraryId>(module);
}

EntryPoint Win32Platform::entry_point(LibraryId library, std::string_view name)
{
    auto module = reinterpret_cast<HMODULE>(library);
    if (!libraries_.count(module) || name.empty() || name.find('\0') != std::string_view::npos)
        return {};
    FARPROC proc = GetProcAddress(module, std::string(name).c_str());
    if (!proc)
        return {};
    // x64 passes the first integer arguments in registers whatever their
    // number, so one three-argument form serves the two- and three-argument
    // entry points; missing arguments are 0.
    auto entry = reinterpret_cast<StdcallEntry>(reinterpret_cast<void*>(proc));
    return [entry](const std::vector<std::intptr_t>& args) {
        std::intptr_t a[3] = {};
        std::copy_n(args.begin(), std::min<std::size_t>(args.size(), 3), a);
        if (still_loaded(reinterpret_cast<const void*>(entry)))
            entry(a[0], a[1], a[2]);
    };
}

void Win32Platform::free_library(LibraryId library)
{
    auto module = reinterpret_cast<HMODULE>(library);
    if (libraries_.erase(module))
        FreeLibrary(module);
}

void Win32Platform::set_diagnostics_source(std::function<std::string()> utf8_dump)
{
    diagnostics_source_ = std::move(utf8_dump);
}

// Another process asks for the dump (service_requests.h); it is sent back to
// the requester's window, never written to a file the request names.
LRESULT Win32Platform::answer_diagnostics_request(WPARAM requester, const COPYDATASTRUCT* request)
{
    if (!request || request->dwData != kDiagnosticsRequest || !diagnostics_source_)
        return FALSE;
    std::string dump;
    try {
        dump = diagnostics_source_();
    } catch (...) {
        return FALSE;
    }
    return send_service_answer(requester, diagnostics_window_, kDiagnosticsAnswer, dump) ? TRUE : FALSE;
}

namespace {

// The executable name of a process, from a process snapshot; empty when gone.
std::wstring executable_name(DWORD process_id)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return {};
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    std::wstring name;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == process_id) {
            name = entry.szExeFile;
            break;
        }
    }
    CloseHandle(snapshot);
    return name;
}

// The module of the process whose file part is the executable's name: its full path.
std::optional<std::wstring> module_named(DWORD process_id, const std::wstring& exe)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, process_id);
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    std::wstring path;
    for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module)) {
        if (_wcsicmp(module.szModule, exe.c_str()) == 0) {
            path = module.szExePath;
            break;
        }
    }
    CloseHandle(snapshot);
    return path;
}

} // namespace

std::string Win32Platform::process_image_path(std::uint32_t process_id) const
{
    const std::wstring exe = executable_name(process_id);
    if (exe.empty())
        return {};
    const std::optional<std::wstring> path = module_named(process_id, exe);
    if (path && !path->empty())
        return narrow(*path);
    // No module list (another bitness, no access): ask the process itself.
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id)) {
        std::wstring full(1024, L'\0');
        DWORD size = static_cast<DWORD>(full.size());
        const BOOL ok = QueryFullProcessImageNameW(process, 0, full.data(), &size);
        CloseHandle(process);
        if (ok && size > 0)
            return narrow(std::wstring_view(full.data(), size));
    }
    return narrow(exe);
}

} // namespace tv::win32
