// Forms and window probes: creating the program's windows, routing their
// messages to the toolkit, and the questions the rules ask about any window.
#include "platform/win32/win32_platform.h"

#include "hook/token_handover.h"
#include "platform/win32/hook_token.h"
#include "platform/win32/wide.h"

#include <windowsx.h>

#include <algorithm>

namespace tv::win32 {
namespace {

HWND to_hwnd(Hwnd h) { return reinterpret_cast<HWND>(h); }
Hwnd from_hwnd(HWND h) { return reinterpret_cast<Hwnd>(h); }

// A handle that names a window now; every query on anything else answers empty.
HWND live(Hwnd h)
{
    HWND w = to_hwnd(h);
    return w && IsWindow(w) ? w : nullptr;
}

// Windows of other threads are arranged without waiting for them: a hung
// program must not stall the UI thread.
bool on_this_thread(HWND w) { return GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId(); }

Point client_point(LPARAM lp) { return Point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

// A handler's failure ends that event only, as the toolkit's timers do.
template <class Call> void deliver(WindowEvents* events, Call call)
{
    if (!events)
        return;
    try {
        call(*events);
    } catch (...) {
    }
}

std::optional<std::pair<MouseButton, ButtonAction>> button_of(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return std::pair{MouseButton::Left, ButtonAction::Down};
    case WM_LBUTTONUP: return std::pair{MouseButton::Left, ButtonAction::Up};
    case WM_RBUTTONDOWN: return std::pair{MouseButton::Right, ButtonAction::Down};
    case WM_RBUTTONUP: return std::pair{MouseButton::Right, ButtonAction::Up};
    case WM_MBUTTONDOWN: return std::pair{MouseButton::Middle, ButtonAction::Down};
    case WM_MBUTTONUP: return std::pair{MouseButton::Middle, ButtonAction::Up};
    default: return std::nullopt;
    }
}

void track_mouse_leave(HWND w)
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = w;
    TrackMouseEvent(&track);
}

// The stored title of a window of another thread or program, read without a
// message so a hung owner cannot stall the reader.
std::wstring stored_title(HWND w)
{
    std::wstring text(256, L'\0');
    constexpr std::size_t kLongest = std::size_t{1} << 22;
    for (;;) {
        const int got = InternalGetWindowText(w, text.data(), static_cast<int>(text.size()));
        if (got < 0)
            return {};
        if (static_cast<std::size_t>(got) + 1 < text.size() || text.size() >= kLongest) {
            text.resize(static_cast<std::size_t>(got));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

std::wstring own_title(HWND w)
{
    const int length = GetWindowTextLengthW(w);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(w, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::clamp(got, 0, length)));
    return text;
}

// The rectangles combined by exclusive-or, in window coordinates.
HRGN build_region(const WindowRegion& region)
{
    const Rect& first = region.xor_rects.front();
    HRGN result = CreateRectRgn(first.left, first.top, first.right, first.bottom);
    if (!result)
        return nullptr;
    for (std::size_t i = 1; i < region.xor_rects.size(); ++i) {
        const Rect& r = region.xor_rects[i];
        HRGN piece = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        if (!piece)
            continue;
        CombineRgn(result, result, piece, RGN_XOR);
        DeleteObject(piece);
    }
    return result;
}

BOOL CALLBACK collect_window(HWND w, LPARAM list)
{
    reinterpret_cast<std::vector<Hwnd>*>(list)->push_back(from_hwnd(w));
    return TRUE;
}

using ClassWanted = std::function<bool(std::string_view)>;

bool class_satisfies(HWND w, const ClassWanted& wanted)
{
    wchar_t name[256] = {};
    const int got = GetClassNameW(w, name, 256);
    return got > 0 && wanted(narrow(std::wstring_view(name, static_cast<std::size_t>(got))));
}

// A bound on the windows one search walks: a window list that keeps changing
// under the walk cannot hold it for long.
constexpr int kMostWindowsWalked = 20000;

// The shown windows below a shown window, walked down through shown windows
// only: a hidden window's children are never shown, so they are not read. A
// child's own style tells whether it is shown, its parent being shown; under
// Wine each question about another program's window is a round trip to the
// server, and a hidden child costs two (the next window and its style) where
// enumerating every child would cost three (the next, its class, its children).
void collect_shown_children_of_class(HWND parent, const ClassWanted& wanted, std::vector<Hwnd>& found)
{
    std::vector<HWND> first_children{GetWindow(parent, GW_CHILD)}; // of shown windows still to walk
    int walked = 0;
    while (!first_children.empty()) {
        HWND w = first_children.back();
        first_children.pop_back();
        for (; w && walked < kMostWindowsWalked; w = GetWindow(w, GW_HWNDNEXT)) {
            ++walked;
            if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE))
                continue;
            if (class_satisfies(w, wanted))
                found.push_back(from_hwnd(w));
            if (HWND child = GetWindow(w, GW_CHILD))
                first_children.push_back(child);
        }
    }
}

} // namespace

// ---- the platform's own windows ----

Win32Platform::Win32Platform()
    : instance_(GetModuleHandleW(nullptr)), hook_token_message_(RegisterWindowMessageW(kHookTokenMessageName)),
      give_back_foreground_message_(RegisterWindowMessageW(L"Tarvesk.GiveBackForeground"))
{
    register_service_class();
    application_window_ = create_service_window(L"TarveskApplication", L"", nullptr);
    diagnostics_window_ = create_service_window(L"TarveskDiagnostics", L"Tarvesk diagnostics", nullptr);
    timer_window_ = create_service_window(L"TarveskTimers", L"", HWND_MESSAGE);
    remove_leftover_temporaries();
}

Win32Platform::~Win32Platform()
{
    for (auto& [id, tick] : timers_)
        KillTimer(timer_window_, id);
    timers_.clear();
    while (!forms_.empty())
        destroy_window(from_hwnd(forms_.begin()->first));
    for (HWND w : {timer_window_, diagnostics_window_, application_window_}) {
        if (!w)
            continue;
        SetWindowLongPtrW(w, GWLP_USERDATA, 0);
        DestroyWindow(w);
    }
}

void Win32Platform::register_service_class()
{
    for (const wchar_t* name : {L"TarveskApplication", L"TarveskDiagnostics", L"TarveskTimers"}) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Win32Platform::service_window_proc;
        wc.hInstance = instance_;
        wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1)); // the task bar's button of the application window
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
}

HWND Win32Platform::create_service_window(const wchar_t* class_name, const wchar_t* title, HWND parent)
{
    return CreateWindowExW(0, class_name, title, WS_POPUP, 0, 0, 0, 0, parent, nullptr, instance_, this);
}

LRESULT CALLBACK Win32Platform::service_window_proc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* platform = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (!platform)
        return DefWindowProcW(w, message, wp, lp);
    return platform->service_message(w, message, wp, lp);
}

LRESULT Win32Platform::service_message(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_TIMER:
        if (w == timer_window_) {
            fire_timer(wp);
            return 0;
        }
        break;
    case WM_COPYDATA:
        if (w == diagnostics_window_)
            return answer_diagnostics_request(wp, reinterpret_cast<const COPYDATASTRUCT*>(lp));
        return FALSE;
    case WM_CLOSE:
        // These windows live as long as the program; a close from outside is ignored.
        return 0;
    default: break;
    }
    return DefWindowProcW(w, message, wp, lp);
}

void Win32Platform::set_application_ex_style(std::uint32_t style)
{
    if (application_window_)
        SetWindowLongPtrW(application_window_, GWL_EXSTYLE, static_cast<LONG_PTR>(style));
}

void Win32Platform::set_application_title(std::string_view title)
{
    if (application_window_)
        SetWindowTextW(application_window_, widen(title).c_str());
}

// ---- forms ----

bool Win32Platform::register_form_class(const std::wstring& class_name)
{
    if (form_classes_.count(class_name))
        return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Win32Platform::form_window_proc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = class_name.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    form_classes_.insert(class_name);
    return true;
}

Hwnd Win32Platform::create_window(const WindowSpec& wanted, WindowEvents* events)
{
    const std::wstring class_name = widen(wanted.class_name);
    if (class_name.empty() || class_name.size() > 255 || !register_form_class(class_name))
        return 0;
    HWND parent = nullptr;
    if (wanted.parent && !(parent = live(wanted.parent)))
        return 0;
    const DWORD style = parent ? (WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN) : (WS_POPUP | WS_CLIPCHILDREN);
    const DWORD ex_style = wanted.ex_style | (wanted.topmost == Topmost::Yes ? WS_EX_TOPMOST : 0);
    auto record = std::make_unique<FormWindow>();
    record->platform = this;
    const Rect& r = wanted.rect;
    // Top-level forms are owned by the application window, as a desktop
    // program's forms are: an owned window has no taskbar button of its own.
    HWND owner = parent ? parent : application_window_;
    HWND w = CreateWindowExW(ex_style, class_name.c_str(), widen(wanted.title).c_str(), style, r.left, r.top,
                             std::max(r.width(), 0), std::max(r.height(), 0), owner, nullptr, instance_, record.get());
    if (!w)
        return 0;
    // Events start after creation: the form is still being constructed.
    record->events = events;
    forms_[w] = std::move(record);
    if (!parent && wanted.style) {
        // Set after creation, as a form's style is: created with the
        // overlapped style the window would be given a caption.
        SetWindowLongPtrW(w, GWL_STYLE, static_cast<LONG_PTR>(wanted.style & ~DWORD{WS_VISIBLE}));
        SetWindowPos(w, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (wanted.visibility == Visibility::Shown)
        ShowWindow(w, SW_SHOWNOACTIVATE);
    return from_hwnd(w);
}

void Win32Platform::destroy_window(Hwnd h)
{
    auto it = forms_.find(to_hwnd(h));
    if (it == forms_.end())
        return;
    HWND w = it->first;
    SetWindowLongPtrW(w, GWLP_USERDATA, 0);
    forms_.erase(it);
    DestroyWindow(w);
}

LRESULT CALLBACK Win32Platform::form_window_proc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (!form || !form->platform)
        return DefWindowProcW(w, message, wp, lp);
    return form->platform->form_message(*form, w, message, wp, lp);
}

// The program's registered messages: a token from the input hook, and the
// foreground given back after a pop-up menu.
bool Win32Platform::take_registered_message(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (message == 0)
        return false;
    if (message == hook_token_message_) {
        take_hook_token(w, wp, lp);
        return true;
    }
    if (message == give_back_foreground_message_) {
        give_back_foreground(w, reinterpret_cast<HWND>(wp));
        return true;
    }
    return false;
}

LRESULT Win32Platform::form_message(FormWindow& form, HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    if (take_registered_message(w, message, wp, lp))
        return 0;
    WindowEvents* events = form.events;
    if (take_tray_message(w, message, lp, events) || take_hot_key(message, wp, events))
        return 0;
    if (auto button = button_of(message)) {
        deliver(events, [&](WindowEvents& e) { e.on_button(button->first, button->second, client_point(lp)); });
        return 0;
    }
    if (message == WM_DISPLAYCHANGE || message == WM_SETTINGCHANGE || message == WM_DPICHANGED)
        forget_display_sizes(); // and on to DefWindowProc
    switch (message) {
    case WM_MOUSEMOVE:
        if (!form.tracking_leave) {
            track_mouse_leave(w);
            form.tracking_leave = true;
        }
        deliver(events, [&](WindowEvents& e) { e.on_mouse_move(client_point(lp)); });
        return 0;
    case WM_MOUSELEAVE:
        form.tracking_leave = false;
        deliver(events, [](WindowEvents& e) { e.on_mouse_leave(); });
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        const KeyAction action = message == WM_KEYDOWN ? KeyAction::Down : KeyAction::Up;
        deliver(events, [&](WindowEvents& e) { e.on_key(static_cast<int>(wp), action); });
        return 0;
    }
    case WM_CHAR: {
        // One UTF-16 unit; a surrogate half carries no character of code page 936.
        const auto unit = static_cast<wchar_t>(wp);
        if (unit >= 0xD800 && unit <= 0xDFFF)
            return 0;
        const std::string typed = narrow(std::wstring_view(&unit, 1));
        deliver(events, [&](WindowEvents& e) { e.on_char(typed); });
        return 0;
    }
    case WM_CLOSE:
        // The toolkit decides what closing means; the window itself stays.
        deliver(events, [](WindowEvents& e) { e.on_close_request(); });
        return 0;
    case WM_SETTEXT: {
        // Whoever writes (the program, the hook's token, another process), a
        // title that really changed is told, as on every backend.
        const std::wstring before = stored_title(w);
        const LRESULT result = DefWindowProcW(w, message, wp, lp);
        if (stored_title(w) != before)
            deliver(events, [](WindowEvents& e) { e.on_title_changed(); });
        return result;
    }
    case WM_PAINT:
        paint(w, events);
        deliver(events, [](WindowEvents& e) { e.on_paint(); });
        return 0;
    default: break;
    }
    return DefWindowProcW(w, message, wp, lp);
}

// The first installed face of a few that have both Latin and Chinese letters;
// empty (the font mapper's choice by character set) when none is there.
const std::wstring& Win32Platform::chinese_font_face(HDC dc)
{
    if (font_face_checked_)
        return font_face_;
    font_face_checked_ = true;
    for (const wchar_t* face : {L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei", L"Noto Sans CJK SC"}) {
        LOGFONTW wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
        auto found = [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
            *reinterpret_cast<bool*>(seen) = true;
            return 0;
        };
        bool seen = false;
        EnumFontFamiliesExW(dc, &wanted, found, reinterpret_cast<LPARAM>(&seen), 0);
        if (seen) {
            font_face_ = face;
            break;
        }
    }
    return font_face_;
}

// A font that has the Chinese characters: asked for by character set, so the
// font mapper picks what the system has.
HFONT Win32Platform::create_text_font(HDC dc, bool strike_out, int height)
{
    return CreateFontW(-std::clamp(height, 6, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, strike_out ? TRUE : FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       chinese_font_face(dc).c_str());
}

// BeginPaint erases with the class brush; then the toolkit's controls, each a
// filled rectangle with its text.
void Win32Platform::paint(HWND w, WindowEvents* events)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    if (!dc)
        return;
    const std::vector<PaintItem> items = events ? events->paint_items() : std::vector<PaintItem>{};
    SetBkMode(dc, TRANSPARENT);
    // One form's items share its DPI and so the height of its text.
    const int font_height = items.empty() ? PaintItem{}.font_height : items.front().font_height;
    HFONT font = create_text_font(dc, false, font_height);
    HFONT struck_font = nullptr; // made when a struck-out text is first drawn
    HGDIOBJ old_font = font ? SelectObject(dc, font) : nullptr;
    for (const PaintItem& item : items) {
        RECT r{item.rect.left, item.rect.top, item.rect.right, item.rect.bottom};
        if (HBRUSH brush = CreateSolidBrush(item.color)) {
            FillRect(dc, &r, brush);
            DeleteObject(brush);
        }
        if (item.icon) {
            DrawIconEx(dc, r.left + 2, r.top + 1, reinterpret_cast<HICON>(item.icon), 16, 16, 0, nullptr, DI_NORMAL);
            r.left += 20;
        }
        if (item.text.empty())
            continue;
        if (item.strike_out && !struck_font)
            struck_font = create_text_font(dc, true, font_height);
        if (font)
            SelectObject(dc, item.strike_out && struck_font ? struck_font : font);
        SetTextColor(dc, item.font_color);
        std::wstring text = widen(item.text);
        const UINT format = text.find(L'\n') == std::wstring::npos ? DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS : DT_TOP;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_LEFT | DT_NOPREFIX);
    }
    if (font) {
        SelectObject(dc, old_font);
        DeleteObject(font);
    }
    if (struck_font)
        DeleteObject(struck_font);
    EndPaint(w, &ps);
}

// A token from wrhk.dll's hook thread (see hook/hook_contract.h): the message
// names a ticket, and the library gives the token of that ticket for this
// window's cell (hook/token_handover.h). A message another program forges
// names a number, nothing this side would read or free.
void Win32Platform::take_hook_token(HWND w, WPARAM ticket, LPARAM)
{
    using HookTakeTokenEntry = int(WINAPI*)(int cell, unsigned long long ticket, char* buffer, int size);
    auto entry = reinterpret_cast<HookTakeTokenEntry>(reinterpret_cast<void*>(hook_library_entry("HookTakeToken")));
    wchar_t class_name[64] = {};
    const int length = GetClassNameW(w, class_name, static_cast<int>(std::size(class_name)));
    const std::optional<hook::Cell> cell = hook::cell_of_class(narrow(std::wstring_view(class_name, std::max(length, 0))));
    if (!entry || !cell)
        return;
    char token[hook::TokenHandover::kTokenBytes];
    const int bytes = entry(static_cast<int>(*cell), ticket, token, static_cast<int>(sizeof token));
    if (bytes >= 0 && static_cast<std::size_t>(bytes) <= sizeof token)
        SetWindowTextW(w, widen(std::string_view(token, static_cast<std::size_t>(bytes))).c_str());
}

// ---- probes and arrangement ----

bool Win32Platform::window_exists(Hwnd h) const { return live(h) != nullptr; }

Hwnd Win32Platform::find_window(std::string_view class_name, std::optional<std::string_view> title) const
{
    const std::wstring wide_class = widen(class_name);
    const bool any_title = !title || title->empty();
    const std::wstring wide_title = any_title ? std::wstring() : widen(*title);
    return from_hwnd(FindWindowW(wide_class.empty() ? nullptr : wide_class.c_str(),
                                 any_title ? nullptr : wide_title.c_str()));
}

Hwnd Win32Platform::window_from_point(Point p) const { return from_hwnd(WindowFromPoint(POINT{p.x, p.y})); }

std::string Win32Platform::class_name(Hwnd h) const
{
    HWND w = live(h);
    if (!w)
        return {};
    wchar_t name[256] = {};
    const int got = GetClassNameW(w, name, 256);
    return got > 0 ? narrow(std::wstring_view(name, static_cast<std::size_t>(got))) : std::string();
}

std::string Win32Platform::title(Hwnd h) const
{
    HWND w = live(h);
    if (!w)
        return {};
    return narrow(on_this_thread(w) ? own_title(w) : stored_title(w));
}

void Win32Platform::set_title(Hwnd h, std::string_view text)
{
    HWND w = live(h);
    if (!w)
        return;
    const std::wstring wide = widen(text);
    if (on_this_thread(w)) {
        SetWindowTextW(w, wide.c_str());
        return;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                        500, &ignored);
}

Rect Win32Platform::window_rect(Hwnd h) const
{
    HWND w = live(h);
    RECT r{};
    if (!w || !GetWindowRect(w, &r))
        return {};
    return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32Platform::set_window_rect(Hwnd h, const Rect& r)
{
    HWND w = live(h);
    if (!w)
        return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!on_this_thread(w))
        flags |= SWP_ASYNCWINDOWPOS;
    SetWindowPos(w, nullptr, r.left, r.top, std::max(r.width(), 0), std::max(r.height(), 0), flags);
}

bool Win32Platform::is_visible(Hwnd h) const
{
    HWND w = live(h);
    return w && IsWindowVisible(w);
}

void Win32Platform::show_window(Hwnd h, Visibility v)
{
    HWND w = live(h);
    if (!w)
        return;
    const int command = v == Visibility::Shown ? SW_SHOWNOACTIVATE : SW_HIDE;
    if (on_this_thread(w))
        ShowWindow(w, command);
    else
        ShowWindowAsync(w, command);
}

void Win32Platform::restore_window(Hwnd h)
{
    HWND w = live(h);
    if (!w)
        return;
    if (on_this_thread(w))
        ShowWindow(w, SW_RESTORE);
    else
        ShowWindowAsync(w, SW_RESTORE);
}

bool Win32Platform::is_iconic(Hwnd h) const
{
    HWND w = live(h);
    return w && IsIconic(w);
}

void Win32Platform::set_topmost(Hwnd h, Topmost t)
{
    HWND w = live(h);
    if (!w)
        return;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (!on_this_thread(w))
        flags |= SWP_ASYNCWINDOWPOS;
    SetWindowPos(w, t == Topmost::Yes ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

std::uint32_t Win32Platform::window_process_id(Hwnd h) const
{
    HWND w = live(h);
    DWORD process_id = 0;
    if (w)
        GetWindowThreadProcessId(w, &process_id);
    return process_id;
}

Hwnd Win32Platform::parent(Hwnd h) const
{
    HWND w = live(h);
    return w ? from_hwnd(GetParent(w)) : 0;
}

bool Win32Platform::is_child(Hwnd parent, Hwnd child) const
{
    HWND p = live(parent);
    HWND c = live(child);
    return p && c && IsChild(p, c);
}

Hwnd Win32Platform::top_window() const { return from_hwnd(GetTopWindow(nullptr)); }

Hwnd Win32Platform::next_window(Hwnd h) const
{
    HWND w = live(h);
    return w ? from_hwnd(GetWindow(w, GW_HWNDNEXT)) : 0;
}

std::vector<Hwnd> Win32Platform::top_level_windows() const
{
    std::vector<Hwnd> windows;
    EnumWindows(&collect_window, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The children of a hidden top-level window are never shown: they are not read.
std::vector<Hwnd> Win32Platform::shown_windows_of_class(const ClassWanted& wanted) const
{
    std::vector<Hwnd> found;
    for (Hwnd top : top_level_windows()) {
        HWND w = to_hwnd(top);
        // Its parent is the desktop: its own style tells whether it is shown.
        if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE))
            continue;
        if (class_satisfies(w, wanted))
            found.push_back(top);
        collect_shown_children_of_class(w, wanted, found);
    }
    return found;
}

Hwnd Win32Platform::foreground_window() const { return from_hwnd(GetForegroundWindow()); }

void Win32Platform::set_foreground(Hwnd h)
{
    if (HWND w = live(h))
        SetForegroundWindow(w);
}

void Win32Platform::post_close(Hwnd h)
{
    if (HWND w = live(h))
        PostMessageW(w, WM_CLOSE, 0, 0);
}

void Win32Platform::post_wheel(Hwnd h, int delta, Point at)
{
    if (HWND w = live(h))
        PostMessageW(w, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))),
                     MAKELPARAM(static_cast<WORD>(static_cast<short>(at.x)), static_cast<WORD>(static_cast<short>(at.y))));
}

std::uint32_t Win32Platform::ex_style(Hwnd h) const
{
    HWND w = live(h);
    return w ? static_cast<std::uint32_t>(GetWindowLongPtrW(w, GWL_EXSTYLE)) : 0;
}

void Win32Platform::set_ex_style(Hwnd h, std::uint32_t style)
{
    HWND w = live(h);
    if (!w)
        return;
    SetWindowLongPtrW(w, GWL_EXSTYLE, static_cast<LONG_PTR>(style));
    // A changed frame style takes effect only when the frame is recalculated.
    UINT flags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (!on_this_thread(w))
        flags |= SWP_ASYNCWINDOWPOS;
    SetWindowPos(w, nullptr, 0, 0, 0, 0, flags);
}

void Win32Platform::set_window_region(Hwnd h, const WindowRegion& region)
{
    HWND w = live(h);
    if (!w)
        return;
    if (region.xor_rects.empty()) {
        SetWindowRgn(w, nullptr, TRUE);
        return;
    }
    HRGN shape = build_region(region);
    // The window owns the region once it is set; until then it is ours to free.
    if (shape && !SetWindowRgn(w, shape, TRUE))
        DeleteObject(shape);
}

void Win32Platform::invalidate(Hwnd h)
{
    if (HWND w = live(h))
        InvalidateRect(w, nullptr, TRUE);
}

// The menu took the foreground only to close on a click elsewhere: the
// user's keys (and the keys the program sends for them) belong to the window
// that was in front. Given back only while the menu's owner still has it.
void Win32Platform::give_back_foreground(HWND menu_owner, HWND before)
{
    if (GetForegroundWindow() == menu_owner && IsWindow(before) && IsWindowVisible(before))
        SetForegroundWindow(before);
}

std::optional<std::size_t> Win32Platform::popup_menu(Hwnd owner, const std::vector<MenuEntry>& items, Point at)
{
    HWND w = live(owner);
    HMENU menu = CreatePopupMenu();
    if (!w || !menu || items.empty()) {
        if (menu)
            DestroyMenu(menu);
        return std::nullopt;
    }
    // Item identifiers start at 1: TrackPopupMenu answers 0 for a dismissed menu.
    for (std::size_t i = 0; i < items.size(); ++i)
        AppendMenuW(menu, MF_STRING | (items[i].checked ? MF_CHECKED : MF_UNCHECKED), i + 1,
                    widen(items[i].caption).c_str());
    // Without the foreground the menu would not close on a click elsewhere.
    HWND before = GetForegroundWindow();
    SetForegroundWindow(w);
    ++modal_depth_;
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y,
                                       0, w, nullptr);
    --modal_depth_;
    PostMessageW(w, WM_NULL, 0, 0);
    // Posted: it arrives after the chosen item's work, which may show a form.
    if (before && before != w && give_back_foreground_message_)
        PostMessageW(w, give_back_foreground_message_, reinterpret_cast<WPARAM>(before), 0);
    DestroyMenu(menu);
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > items.size())
        return std::nullopt;
    return static_cast<std::size_t>(chosen - 1);
}

void Win32Platform::set_capture(Hwnd h)
{
    if (HWND w = live(h))
        SetCapture(w);
}

void Win32Platform::release_capture() { ReleaseCapture(); }

Hwnd Win32Platform::capture() const { return from_hwnd(GetCapture()); }

} // namespace tv::win32
