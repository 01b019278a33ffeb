// target: an ordinary application window that records the input it receives.
//
//   target LOG [SECONDS [page|toolbar]]
//
// Shows a window of class "TarveskTarget" titled "target", brings it to the
// foreground and appends one line per input message to LOG, flushed at once:
//   keydown VK / keyup VK / syskeydown VK / syskeyup VK   (virtual-key code)
//   wheel DELTA                                            (WM_MOUSEWHEEL)
//   lbuttondown / lbuttonup / rbuttondown / ... / mbuttonup
// With "page", a child window of the web control's class
// ("Internet Explorer_Server") fills the window and logs its middle button
// with the screen point: "page mbuttondown X,Y", "page mbuttonup X,Y".
// With "toolbar", a child window of the taskbar toolbar's class
// ("ToolbarWindow32") fills the window instead.
// Ends on WM_CLOSE or after SECONDS (default 60).
#include "peer.h"

#include <memory>

namespace {

std::unique_ptr<peer::LineLog> input_log;

struct Logged {
    UINT msg;
    const char* name;
};

constexpr Logged kKeys[] = {
    {WM_KEYDOWN, "keydown"}, {WM_KEYUP, "keyup"}, {WM_SYSKEYDOWN, "syskeydown"}, {WM_SYSKEYUP, "syskeyup"}};

constexpr Logged kButtons[] = {
    {WM_LBUTTONDOWN, "lbuttondown"}, {WM_LBUTTONUP, "lbuttonup"}, {WM_RBUTTONDOWN, "rbuttondown"},
    {WM_RBUTTONUP, "rbuttonup"},     {WM_MBUTTONDOWN, "mbuttondown"}, {WM_MBUTTONUP, "mbuttonup"},
};

// The line for an input message, or empty for any other message.
std::string describe(UINT msg, WPARAM w)
{
    for (const Logged& k : kKeys)
        if (k.msg == msg)
            return std::string(k.name) + ' ' + std::to_string(w);
    for (const Logged& b : kButtons)
        if (b.msg == msg)
            return b.name;
    if (msg == WM_MOUSEWHEEL)
        return "wheel " + std::to_string(GET_WHEEL_DELTA_WPARAM(w));
    return {};
}

LRESULT CALLBACK window_proc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    if (const std::string line = describe(msg, w); !line.empty())
        input_log->line(line);
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(h, msg, w, l);
}

LRESULT CALLBACK page_proc(HWND h, UINT msg, WPARAM w, LPARAM l)
{
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP) {
        POINT p{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
        ClientToScreen(h, &p);
        input_log->line(std::string(msg == WM_MBUTTONDOWN ? "page mbuttondown " : "page mbuttonup ") +
                        std::to_string(p.x) + "," + std::to_string(p.y));
    }
    return DefWindowProcW(h, msg, w, l);
}

void add_child(HWND window, const wchar_t* class_name, WNDPROC proc)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = class_name;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    RECT client{};
    GetClientRect(window, &client);
    CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, client.bottom, window,
                    nullptr, wc.hInstance, nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: target LOG [SECONDS]\n", stderr);
        return 2;
    }
    input_log = std::make_unique<peer::LineLog>(argv[1]);
    if (!*input_log)
        return 1;
    // At the bottom of a 1024x768 screen: clear of the status bar that Tarvesk
    // docks at the top and of its settings form in the middle.
    HWND window = peer::create_window(L"TarveskTarget", L"target", window_proc, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      {20, 630, 1004, 760});
    if (!window)
        return 1;
    if (argc > 3 && std::wstring(argv[3]) == L"page")
        add_child(window, L"Internet Explorer_Server", page_proc);
    if (argc > 3 && std::wstring(argv[3]) == L"toolbar")
        add_child(window, L"ToolbarWindow32", DefWindowProcW);
    SetForegroundWindow(window);
    SetFocus(window);
    return peer::run_message_loop(peer::seconds_arg(argc, argv, 2, 60));
}
