// probe: looks at and pokes the windows of other programs by window class, the
// way a sibling program or a user's tool would. One subcommand per call:
//
//   probe caption CLASS                  print the window's caption
//   probe rect CLASS                     print "left top right bottom"
//   probe visible CLASS                  print 1 or 0
//   probe setcaption CLASS TEXT          replace the caption
//   probe close CLASS                    post WM_CLOSE
//   probe place CLASS X Y W H            hide the window, then show it topmost at that rectangle, not activated
//   probe wait CLASS SECONDS             wait until the window exists
//   probe waitvisible CLASS SECONDS      wait until the window exists and is visible
//   probe waitcaption CLASS TEXT SECONDS wait until the caption is TEXT (prints the last caption)
//   probe watch SECONDS CLASS...         print "watching", then for SECONDS "CLASS<TAB>caption"
//                                        for the first and every later caption of each window
//                                        (polled every 2 ms), so that a token that lives for one
//                                        timer tick is still seen
//   probe dump PATH                      ask Tarvesk for its diagnostics dump, written to PATH
//   probe dialog SECONDS                 wait for a message box, print its text, dismiss it
//   probe hookstats reset|PATH           reset the hook's cost statistics, or write them to PATH
//   probe stall CLASS MS                 suspend the thread of the window for MS milliseconds;
//                                        prints "stalled" when it begins
//   probe forged dump|hookstats PATH     send a request naming PATH instead of an answer window;
//                                        prints "refused N" when no file appeared there
//   probe list                           print every top-level window: class, visible, caption
//   probe childtext CLASS CHILDCLASS     print the text of the window's first child of CHILDCLASS
//                                        (WM_GETTEXT, so an edit control gives its contents)
//   probe setclipboard TEXT              put TEXT on the clipboard as Unicode text
//   probe clipboard                      print the clipboard's Unicode text
//   probe topmost CLASS                  print 1 when the window is topmost, else 0
//   probe foreground                     print the class of the foreground window
//   probe trayicon CLASS ID              print 1 when the shell's notification area holds the
//                                        window's icon ID (an empty NIM_MODIFY succeeds), else 0
//   probe post CLASS MESSAGE WPARAM LPARAM  post a message to the window (numbers in decimal)
//   probe hookticket CLASS WPARAM LPARAM    post the hook's registered token message to the
//                                        window, as another program could (numbers in decimal)
//
// Output is UTF-8. Exit code 0: done; 1: the window (or the wanted state) was
// not found in time; 2: bad command line.
#include "peer.h"
#include "platform/win32/hook_token.h"
#include "platform/win32/service_requests.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

enum Exit { kOk = 0, kNotFound = 1, kUsage = 2 };

using namespace tv::win32; // the service requests and their answers

using Args = std::vector<std::wstring>;
using peer::class_name;
using peer::print;
using peer::window_text;

HWND find(const std::wstring& cls)
{
    if (HWND h = FindWindowW(cls.c_str(), nullptr))
        return h;
    return FindWindowExW(HWND_MESSAGE, nullptr, cls.c_str(), nullptr);
}

// Asks `ready` every few milliseconds until it holds or `seconds` have passed.
bool poll(double seconds, const std::function<bool()>& ready)
{
    const ULONGLONG end = GetTickCount64() + ULONGLONG(seconds * 1000);
    for (;;) {
        if (ready())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(5);
    }
}

// The answer a service sends back while the probe waits in its request.
struct Answer {
    ULONG_PTR kind = 0;
    std::string bytes;
    bool arrived = false;
};
Answer g_answer;

LRESULT CALLBACK answer_window_proc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (message != WM_COPYDATA)
        return DefWindowProcW(w, message, wp, lp);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    g_answer.kind = data->dwData;
    g_answer.bytes.assign(static_cast<const char*>(data->lpData), data->cbData);
    g_answer.arrived = true;
    return TRUE;
}

// A message-only window the services answer to.
HWND answer_window()
{
    static HWND window = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = answer_window_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarveskProbeAnswer";
        RegisterClassW(&wc);
        return CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

// Sends WM_COPYDATA with the probe's answer window in wParam and explains on
// stderr what went wrong; true when the receiver answered TRUE.
bool send_copydata(HWND to, ULONG_PTR request)
{
    COPYDATASTRUCT data = {};
    data.dwData = request;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(answer_window()), reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, 10000, &answer)) {
        std::fputs("probe: no answer to WM_COPYDATA\n", stderr);
        return false;
    }
    if (answer != TRUE)
        std::fprintf(stderr, "probe: WM_COPYDATA answered %llu\n", static_cast<unsigned long long>(answer));
    return answer == TRUE;
}

// Asks a service for its answer of `kind` and writes it to `path`.
bool request_file(HWND to, ULONG_PTR request, ULONG_PTR kind, const std::wstring& path)
{
    DeleteFileW(path.c_str());
    g_answer = {};
    if (!send_copydata(to, request))
        return false;
    if (!g_answer.arrived || g_answer.kind != kind) {
        std::fputs("probe: answered TRUE but sent nothing back\n", stderr);
        return false;
    }
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out)
        return false;
    const bool written = std::fwrite(g_answer.bytes.data(), 1, g_answer.bytes.size(), out) == g_answer.bytes.size();
    return std::fclose(out) == 0 && written;
}

// Calls `each` for every top-level window; stops when it returns false.
void for_each_top_level(const std::function<bool(HWND)>& each)
{
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL { return (*reinterpret_cast<const std::function<bool(HWND)>*>(p))(h); },
        reinterpret_cast<LPARAM>(&each));
}

void for_each_child(HWND parent, const std::function<void(HWND)>& each)
{
    EnumChildWindows(
        parent,
        [](HWND h, LPARAM p) -> BOOL {
            (*reinterpret_cast<const std::function<void(HWND)>*>(p))(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&each));
}

HWND find_message_box()
{
    HWND found = nullptr;
    for_each_top_level([&](HWND h) {
        if (class_name(h) != L"#32770" || !IsWindowVisible(h))
            return true;
        found = h;
        return false;
    });
    return found;
}

// The message of a message box: its longest static text (the icon is a static too).
std::wstring message_text(HWND box)
{
    std::wstring text;
    for_each_child(box, [&](HWND child) {
        if (class_name(child) != L"Static")
            return;
        std::wstring t = window_text(child);
        if (t.size() > text.size())
            text = std::move(t);
    });
    return text;
}

// Presses the box's first button the way a click would: WM_COMMAND with its id.
void dismiss(HWND box)
{
    HWND button = nullptr;
    for_each_child(box, [&](HWND child) {
        if (!button && class_name(child) == L"Button")
            button = child;
    });
    const int id = button ? GetDlgCtrlID(button) : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// --- subcommands: each gets the arguments after its name ---

int caption(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    print(window_text(h));
    return kOk;
}

int rect(const Args& a)
{
    HWND h = find(a[0]);
    RECT r;
    if (!h || !GetWindowRect(h, &r))
        return kNotFound;
    print(std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right) + ' ' +
          std::to_string(r.bottom));
    return kOk;
}

int visible(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    print(IsWindowVisible(h) ? "1" : "0");
    return kOk;
}

int setcaption(const Args& a)
{
    HWND h = find(a[0]);
    DWORD_PTR ignored;
    if (!h || !SendMessageTimeoutW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[1].c_str()), SMTO_ABORTIFHUNG,
                                   5000, &ignored))
        return kNotFound;
    return kOk;
}

int close_window(const Args& a)
{
    HWND h = find(a[0]);
    return h && PostMessageW(h, WM_CLOSE, 0, 0) ? kOk : kNotFound;
}

int place(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    const int x = _wtoi(a[1].c_str()), y = _wtoi(a[2].c_str()), w = _wtoi(a[3].c_str()), ht = _wtoi(a[4].c_str());
    // Hidden first: shown again, Wine maps it above every other window, even
    // one of another program that was raised since.
    SetWindowPos(h, HWND_TOPMOST, x, y, w, ht, SWP_HIDEWINDOW | SWP_NOACTIVATE);
    return SetWindowPos(h, HWND_TOPMOST, x, y, w, ht, SWP_SHOWWINDOW | SWP_NOACTIVATE) ? kOk : kNotFound;
}

int wait(const Args& a)
{
    return poll(_wtof(a[1].c_str()), [&] { return find(a[0]) != nullptr; }) ? kOk : kNotFound;
}

// Any top-level window of the class counts: a pop-up menu's class may also
// name a hidden menu window of another program (the tray menu's, once used).
bool some_window_visible(const std::wstring& cls)
{
    for (HWND h = FindWindowExW(nullptr, nullptr, cls.c_str(), nullptr); h;
         h = FindWindowExW(nullptr, h, cls.c_str(), nullptr))
        if (IsWindowVisible(h))
            return true;
    return IsWindowVisible(find(cls)) != FALSE;
}

int waitvisible(const Args& a)
{
    return poll(_wtof(a[1].c_str()), [&] { return some_window_visible(a[0]); }) ? kOk : kNotFound;
}

int waitcaption(const Args& a)
{
    std::wstring last;
    const bool seen = poll(_wtof(a[2].c_str()), [&] {
        HWND h = find(a[0]);
        last = h ? window_text(h) : L"";
        return h && last == a[1];
    });
    print(last);
    return seen ? kOk : kNotFound;
}

int watch(const Args& a)
{
    const std::vector<std::wstring> classes(a.begin() + 1, a.end());
    std::vector<std::wstring> last(classes.size());
    std::vector<bool> seen(classes.size(), false);
    const ULONGLONG end = GetTickCount64() + ULONGLONG(_wtof(a[0].c_str()) * 1000);
    print("watching");
    while (GetTickCount64() < end) {
        for (std::size_t i = 0; i < classes.size(); ++i) {
            HWND h = find(classes[i]);
            if (!h)
                continue;
            std::wstring now = window_text(h);
            if (seen[i] && now == last[i])
                continue;
            seen[i] = true;
            last[i] = std::move(now);
            print(classes[i] + L'\t' + last[i]);
        }
        Sleep(2);
    }
    return kOk;
}

// The hidden window of a request service, or null with the reason on stderr.
HWND find_service(const wchar_t* cls)
{
    HWND h = find(cls);
    if (!h)
        std::fprintf(stderr, "probe: no %ls window\n", cls);
    return h;
}

int dump(const Args& a)
{
    HWND h = find_service(L"TarveskDiagnostics");
    return h && request_file(h, kDiagnosticsRequest, kDiagnosticsAnswer, a[0]) ? kOk : kNotFound;
}

int dialog(const Args& a)
{
    HWND box = nullptr;
    if (!poll(_wtof(a[0].c_str()), [&] { return (box = find_message_box()) != nullptr; }))
        return kNotFound;
    print(message_text(box));
    dismiss(box);
    return poll(5, [&] { return !IsWindow(box); }) ? kOk : kNotFound;
}

// A request in the old form, a path in place of an answer window: a service
// that writes it has an open door. Found when the file is not there afterwards.
int forged(const Args& a)
{
    HWND h = find_service(a[0] == L"dump" ? L"TarveskDiagnostics" : L"TarveskHookStats");
    if (!h)
        return kNotFound;
    const std::wstring& path = a[1];
    DeleteFileW(path.c_str());
    COPYDATASTRUCT data = {};
    data.dwData = a[0] == L"dump" ? kDiagnosticsRequest : kHookStatsRequest;
    data.cbData = DWORD((path.size() + 1) * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(path.c_str());
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(h, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &answer);
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        std::fputs("probe: the service wrote the file the request named\n", stderr);
        return kNotFound;
    }
    print(L"refused " + std::to_wstring(answer));
    return kOk;
}

// Suspends the thread that owns the window for MS milliseconds: a program
// whose UI thread hangs. Prints "stalled" when the stall begins.
int stall(const Args& a)
{
    HWND h = find(a[0]);
    const DWORD thread_id = h ? GetWindowThreadProcessId(h, nullptr) : 0;
    HANDLE thread = thread_id ? OpenThread(THREAD_SUSPEND_RESUME, FALSE, thread_id) : nullptr;
    if (!thread)
        return kNotFound;
    if (SuspendThread(thread) == static_cast<DWORD>(-1)) {
        CloseHandle(thread);
        return kNotFound;
    }
    print(L"stalled");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(_wtoi(a[1].c_str())));
    ResumeThread(thread);
    CloseHandle(thread);
    return kOk;
}

int hookstats(const Args& a)
{
    HWND h = find_service(L"TarveskHookStats");
    if (!h)
        return kNotFound;
    if (a[0] == L"reset")
        return send_copydata(h, kHookStatsReset) ? kOk : kNotFound;
    return request_file(h, kHookStatsRequest, kHookStatsAnswer, a[0]) ? kOk : kNotFound;
}

int list(const Args&)
{
    for_each_top_level([](HWND h) {
        print(class_name(h) + L'\t' + (IsWindowVisible(h) ? L'1' : L'0') + L'\t' + window_text(h));
        return true;
    });
    return kOk;
}

int topmost(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    print((GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) ? "1" : "0");
    return kOk;
}

// "styles CLASS": the window style and the extended style, in hex.
int styles(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    char text[40];
    std::snprintf(text, sizeof text, "%08lx %08lx", static_cast<unsigned long>(GetWindowLongPtrW(h, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongPtrW(h, GWL_EXSTYLE)));
    print(std::string(text));
    return kOk;
}

int foreground(const Args&)
{
    HWND h = GetForegroundWindow();
    if (!h)
        return kNotFound;
    print(class_name(h));
    return kOk;
}

// Whether the system's key state has `vk` down (GetAsyncKeyState): "1" or "0".
int asynckey(const Args& a)
{
    print((GetAsyncKeyState(_wtoi(a[0].c_str())) & 0x8000) != 0 ? "1" : "0");
    return kOk;
}

int childtext(const Args& a)
{
    HWND parent = find(a[0]);
    HWND child = parent ? FindWindowExW(parent, nullptr, a[1].c_str(), nullptr) : nullptr;
    DWORD_PTR length = 0;
    if (!child || !SendMessageTimeoutW(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return kNotFound;
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             5000, &copied))
        return kNotFound;
    text.resize(std::min<std::size_t>(copied, length));
    print(text);
    return kOk;
}

int setclipboard(const Args& a)
{
    const std::size_t bytes = (a[0].size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return kNotFound;
    std::memcpy(GlobalLock(memory), a[0].c_str(), bytes);
    GlobalUnlock(memory);
    if (!poll(2, [] { return OpenClipboard(nullptr) != FALSE; })) {
        GlobalFree(memory);
        return kNotFound;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!set)
        GlobalFree(memory);
    return set ? kOk : kNotFound;
}

int clipboard(const Args&)
{
    if (!poll(2, [] { return OpenClipboard(nullptr) != FALSE; }))
        return kNotFound;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text) {
        print(std::wstring(text));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text ? kOk : kNotFound;
}

int trayicon(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = h;
    data.uID = static_cast<UINT>(_wtoi(a[1].c_str()));
    const bool there = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    print(there ? "1" : "0");
    return kOk;
}

int post(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    const auto message = static_cast<UINT>(_wtoi(a[1].c_str()));
    return PostMessageW(h, message, static_cast<WPARAM>(_wtoi(a[2].c_str())), static_cast<LPARAM>(_wtoi(a[3].c_str())))
               ? kOk
               : kNotFound;
}

// The hook's token message, as any program on the desktop can post it.
int hookticket(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    const UINT message = RegisterWindowMessageW(tv::win32::kHookTokenMessageName);
    const auto wp = static_cast<WPARAM>(_wcstoui64(a[1].c_str(), nullptr, 10));
    const auto lp = static_cast<LPARAM>(_wcstoui64(a[2].c_str(), nullptr, 10));
    return message && PostMessageW(h, message, wp, lp) ? kOk : kNotFound;
}

BOOL CALLBACK print_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        std::printf("%ld %ld %ld %ld%s\n", r.left, r.top, r.right, r.bottom,
                    (info.dwFlags & MONITORINFOF_PRIMARY) ? " primary" : "");
    }
    return TRUE;
}

// Every display monitor the system reports, one line each: left top right bottom [primary].
int monitors(const Args&)
{
    EnumDisplayMonitors(nullptr, nullptr, print_monitor, 0);
    std::fflush(stdout);
    return kOk;
}

// The DPI awareness of a window found by class: 0 unaware, 1 system, 2 per monitor.
int awareness(const Args& a)
{
    HWND h = find(a[0]);
    if (!h)
        return kNotFound;
    std::printf("%d\n", static_cast<int>(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(h))));
    std::fflush(stdout);
    return kOk;
}

// Changes the primary display's resolution (the virtual desktop's size under Wine).
int resolution(const Args& a)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(_wtoi(a[0].c_str()));
    mode.dmPelsHeight = static_cast<DWORD>(_wtoi(a[1].c_str()));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    std::printf("%ld\n", result);
    std::fflush(stdout);
    return result == DISP_CHANGE_SUCCESSFUL ? kOk : kNotFound;
}

struct Subcommand {
    const wchar_t* name;
    std::size_t min_args, max_args;
    int (*run)(const Args&);
};

constexpr Subcommand kSubcommands[] = {
    {L"caption", 1, 1, caption},
    {L"rect", 1, 1, rect},
    {L"visible", 1, 1, visible},
    {L"setcaption", 2, 2, setcaption},
    {L"close", 1, 1, close_window},
    {L"place", 5, 5, place},
    {L"wait", 2, 2, wait},
    {L"waitvisible", 2, 2, waitvisible},
    {L"waitcaption", 3, 3, waitcaption},
    {L"watch", 2, 32, watch},
    {L"dump", 1, 1, dump},
    {L"dialog", 1, 1, dialog},
    {L"hookstats", 1, 1, hookstats},
    {L"forged", 2, 2, forged},
    {L"stall", 2, 2, stall},
    {L"list", 0, 0, list},
    {L"childtext", 2, 2, childtext},
    {L"setclipboard", 1, 1, setclipboard},
    {L"clipboard", 0, 0, clipboard},
    {L"topmost", 1, 1, topmost},
    {L"styles", 1, 1, styles},
    {L"foreground", 0, 0, foreground},
    {L"trayicon", 2, 2, trayicon},
    {L"post", 4, 4, post},
    {L"asynckey", 1, 1, asynckey},
    {L"hookticket", 3, 3, hookticket},
    {L"monitors", 0, 0, monitors},
    {L"awareness", 1, 1, awareness},
    {L"resolution", 2, 2, resolution},
};

} // namespace

int wmain(int argc, wchar_t** argv)
{
    _setmode(_fileno(stdout), _O_BINARY); // UTF-8 bytes out as they are, lines end in LF
    if (argc >= 2) {
        const Args args(argv + 2, argv + argc);
        for (const Subcommand& s : kSubcommands)
            if (argv[1] == std::wstring_view(s.name) && args.size() >= s.min_args && args.size() <= s.max_args)
                return s.run(args);
    }
    std::fputs("usage: probe caption|rect|visible|close CLASS; setcaption CLASS TEXT; place CLASS X Y W H;\n"
               "       wait CLASS SECONDS;\n"
               "       waitvisible CLASS SECONDS; waitcaption CLASS TEXT SECONDS; watch SECONDS CLASS...;\n"
               "       dump PATH; dialog SECONDS; hookstats reset|PATH; forged dump|hookstats PATH; stall CLASS MS; list; topmost CLASS; foreground;\n"
               "       childtext CLASS CHILDCLASS; setclipboard TEXT; clipboard; trayicon CLASS ID;\n"
               "       post CLASS MESSAGE WPARAM LPARAM; asynckey VK; hookticket CLASS WPARAM LPARAM;\n"
               "       monitors; awareness CLASS; resolution WIDTH HEIGHT\n",
               stderr);
    return kUsage;
}
