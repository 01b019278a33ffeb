// wrhk.dll: the input hook component.
//
// Global mouse and keyboard events reach Tarvesk only through this library. It
// installs low-level hooks (WH_MOUSE_LL, WH_KEYBOARD_LL) on a thread of its own
// with its own message loop, so the UI thread, whose handlers sleep for up to
// 100 ms, is never in the path of an input event; Windows silently removes a
// hook whose callback is slow. The callback normalises the event, runs the
// shared tokenizer (tokenizer.h) through the hook contract (hook_contract.h):
// it reads the program's state from a caption without a message and posts each
// token to the window that holds its cell; it never sends a message, never
// blocks and never touches the disk.
//
// The hook thread also owns a hidden "TarveskHookStats" window: the callback
// records its own cost, and another process may ask for a summary by
// WM_COPYDATA ("TVHS", answered to the requester's window: service_requests.h) or reset it ("TVHR").
// Its timer runs the watchdog (hook_watchdog.h), which sets a hook again that
// Windows removed; the program reads the count through HookRecoveries.
//
// Tokens cross to the program's thread through a ring this library owns
// (token_handover.h): the window gets a ticket and takes the token with
// HookTakeToken. The keys sent in place of a kept key wait in the hook
// thread's own queue until the callback has returned. No message carries an
// address, so none that another program forges can make this process read or
// free memory.
//
// Everything below the entry points lives on the hook thread, except the few
// values that start it and the atomics the program's thread touches: the pad
// flag (SetHookPad), the key flags (SetHookKeys) and the keys the hook keeps
// held (HookKeyHeld); a DLL
// keeps its hook state in statics.
#include "hook/hook_contract.h"
#include "hook/hook_watchdog.h"
#include "hook/token_handover.h"
#include "hook/tokenizer.h"
#include "platform/win32/hook_token.h"
#include "platform/win32/service_requests.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

using tv::hook::Cell;
using tv::hook::HookKind;
using tv::hook::HookWatchdog;
using tv::hook::RawButton;
using tv::hook::RawEvent;
using tv::hook::RawKind;
using tv::hook::Verdict;

// Thread messages the entry points post to the hook thread; wParam 1 is on, 0 off.
constexpr UINT kSwitchMouseHook = WM_APP + 1;
constexpr UINT kSwitchKeyboardHook = WM_APP + 2;
// The callback queued keys to send instead of a kept key (g_pending_strokes);
// the hook thread sends them once the callback has returned. The message
// carries nothing: a forged one only sends queued keys a moment early.
constexpr UINT kSendStrokes = WM_APP + 3;
// The entry points wait this long for the hook thread, so that a hook is known
// to be set when they return, and never longer.
constexpr DWORD kAnswerWaitMs = 1000;


constexpr UINT_PTR kWatchdogTimer = 1;
constexpr UINT kWatchdogPeriodMs = static_cast<UINT>(HookWatchdog::kCheckPeriodMs);
// The most keys waiting to be sent; a tap of a translated key queues two.
constexpr std::size_t kMaxPendingStrokes = 64;

constexpr const wchar_t* kStatsClass = L"TarveskHookStats";
// InternalGetWindowText reads at most this many characters of the state
// window's caption, the terminating NUL included.
constexpr int kStateCaptionChars = 16;
constexpr UINT kCodePage936 = 936;

// ---- starting the hook thread (touched by the entry points) ----

HMODULE g_module = nullptr;
INIT_ONCE g_start_once = INIT_ONCE_STATIC_INIT;
DWORD g_thread_id = 0;
HANDLE g_answered = nullptr; // auto-reset: the hook thread carried out a switch

// ---- the hook thread's own state ----

struct Hooks {
    HHOOK mouse = nullptr;
    HHOOK keyboard = nullptr;
};

Hooks g_hooks;
HookWatchdog g_watchdog;
tv::hook::Stroke g_pending_strokes[kMaxPendingStrokes];
std::size_t g_pending_count = 0;
tv::hook::Tokenizer g_tokenizer;
UINT g_token_message = 0;
HWND g_cell_windows[static_cast<std::size_t>(Cell::SrfForm) + 1] = {}; // one per cell
HWND g_input_mode_window = nullptr;

// ---- shared with the program's thread ----

// The keyboard mouse pad is open: the callback keeps the pad's keys.
std::atomic<bool> g_pad_open{false};
// The key flags of SetHookKeys: which key maps are in force (tokenizer.h).
std::atomic<int> g_key_flags{0};
// The keys the hook keeps from the applications while they are held, one bit
// per code: the system's key state never sees them.
std::atomic<std::uint32_t> g_kept_keys[8] = {};
// Tokens on their way to the program's windows: the hook thread puts, the
// program's thread takes (HookTakeToken).
tv::hook::TokenHandover g_tokens;
// The watchdog's recoveries, mouse and keyboard, for HookRecoveries.
std::atomic<int> g_recoveries[2] = {};
// For the watchdog's tests: hooks (1 mouse, 2 keyboard) the next check
// removes behind the watchdog's back, as Windows removes a slow hook.
std::atomic<int> g_drop_for_test{0};

void mirror_kept_key(int vk)
{
    const int code = vk & 0xFF;
    const std::uint32_t mask = 1u << (code % 32);
    if (g_tokenizer.kept_held(code))
        g_kept_keys[code / 32].fetch_or(mask, std::memory_order_relaxed);
    else
        g_kept_keys[code / 32].fetch_and(~mask, std::memory_order_relaxed);
}

void forget_kept_keys()
{
    for (auto& bits : g_kept_keys)
        bits.store(0, std::memory_order_relaxed);
}

// The callback's cost over the last kSize events, in performance-counter ticks.
class CostRing {
public:
    static constexpr std::size_t kSize = 4096;

    void record(LONGLONG ticks)
    {
        ticks_[next_] = ticks;
        next_ = (next_ + 1) % kSize;
        ++count_;
    }
    void reset()
    {
        next_ = 0;
        count_ = 0;
    }
    unsigned long long count() const { return count_; }
    std::size_t retained() const { return static_cast<std::size_t>(std::min<unsigned long long>(count_, kSize)); }
    // Since the last reset the retained values fill the ring from its start.
    const LONGLONG* values() const { return ticks_; }

private:
    LONGLONG ticks_[kSize] = {};
    std::size_t next_ = 0;
    unsigned long long count_ = 0;
};

CostRing g_costs;

class CostMeter {
public:
    CostMeter() { QueryPerformanceCounter(&start_); }
    CostMeter(const CostMeter&) = delete;
    CostMeter& operator=(const CostMeter&) = delete;
    ~CostMeter()
    {
        LARGE_INTEGER end;
        QueryPerformanceCounter(&end);
        g_costs.record(end.QuadPart - start_.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

// ---- finding the cells ----

// The window of `class_name` that belongs to this process: a ticket names a
// token in this process's ring and means nothing to any other program.
HWND find_own_window(const wchar_t* class_name)
{
    const DWORD self = GetCurrentProcessId();
    for (HWND w = FindWindowExW(nullptr, nullptr, class_name, nullptr); w;
         w = FindWindowExW(nullptr, w, class_name, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == self)
            return w;
    }
    return nullptr;
}

HWND cell_window(Cell cell)
{
    const auto index = static_cast<std::size_t>(cell);
    if (index >= std::size(g_cell_windows))
        return nullptr;
    HWND& cached = g_cell_windows[index];
    if (!cached || !IsWindow(cached))
        cached = find_own_window(tv::win32::widen(tv::hook::cell_class(cell)).c_str());
    return cached;
}

// ---- the hook contract on Windows (hook_contract.h) ----

class HookWindows final : public tv::hook::HookDesk {
public:
    // InternalGetWindowText reads the caption without a message to the UI
    // thread. The conversion does no best-fit mapping, so no other caption
    // reads as the state's.
    std::string state_caption() override
    {
        if (!g_input_mode_window || !IsWindow(g_input_mode_window))
            g_input_mode_window = find_own_window(tv::win32::widen(tv::hook::kStateWindowClass).c_str());
        if (!g_input_mode_window)
            return {};
        wchar_t caption[kStateCaptionChars] = {};
        const int length = InternalGetWindowText(g_input_mode_window, caption, kStateCaptionChars);
        if (length <= 0)
            return {};
        char text[2 * kStateCaptionChars];
        const int bytes = WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, caption, length, text,
                                              static_cast<int>(sizeof text), "?", nullptr);
        return std::string(text, static_cast<std::size_t>(std::max(bytes, 0)));
    }

    void deliver(Cell cell, std::string_view token) override
    {
        HWND target = cell_window(cell);
        if (!target || !g_token_message)
            return;
        PostMessageW(target, g_token_message, static_cast<WPARAM>(g_tokens.put(cell, token)), 0);
    }

    bool pad_open() override { return g_pad_open.load(std::memory_order_relaxed); }

    int key_flags() override { return g_key_flags.load(std::memory_order_relaxed); }
    int stand_aside_flags() override { return g_key_flags.load(std::memory_order_relaxed); }

    // SendInput inside the callback would run the hooks again before this
    // event is through; the hook thread sends them once it has returned.
    void send_keys(const std::vector<tv::hook::Stroke>& strokes) override
    {
        const std::size_t room = kMaxPendingStrokes - g_pending_count;
        const std::size_t count = std::min(strokes.size(), room);
        std::copy_n(strokes.begin(), count, g_pending_strokes + g_pending_count);
        g_pending_count += count;
        if (count > 0)
            PostThreadMessageW(GetCurrentThreadId(), kSendStrokes, 0, 0);
    }
};

// The keys that move the caret and the page are the extended ones, not the
// number pad's.
bool extended_key(int vk) { return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE; }

// Sends every queued key, in order; the queue is empty afterwards.
void send_pending_strokes()
{
    INPUT inputs[kMaxPendingStrokes] = {};
    const std::size_t count = g_pending_count;
    for (std::size_t i = 0; i < count; ++i) {
        const tv::hook::Stroke& stroke = g_pending_strokes[i];
        KEYBDINPUT& k = inputs[i].ki;
        inputs[i].type = INPUT_KEYBOARD;
        k.wVk = static_cast<WORD>(stroke.vk);
        k.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(stroke.vk), MAPVK_VK_TO_VSC));
        k.dwFlags = (stroke.down ? 0 : KEYEVENTF_KEYUP) | (extended_key(stroke.vk) ? KEYEVENTF_EXTENDEDKEY : 0);
        k.dwExtraInfo = tv::hook::kOwnInputTag;
    }
    g_pending_count = 0;
    if (count > 0)
        SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT));
}

Verdict dispatch(const RawEvent& event)
{
    try {
        HookWindows desk;
        return tv::hook::handle(g_tokenizer, event, desk);
    } catch (...) {
        // Out of memory: the event passes untouched.
        return Verdict::Pass;
    }
}

// ---- normalising events ----

// The event's 32-bit tick widened to the 64-bit clock the tokenizer counts in.
std::uint64_t event_time_ms(DWORD event_tick)
{
    const ULONGLONG now = GetTickCount64();
    const auto age = static_cast<LONG>(static_cast<DWORD>(now) - event_tick);
    if (age < 0 || static_cast<ULONGLONG>(age) > now)
        return now;
    return now - static_cast<ULONGLONG>(age);
}

void set_button(RawEvent& e, RawKind kind, RawButton button)
{
    e.kind = kind;
    e.button = button;
}

bool to_mouse_event(WPARAM message, const MSLLHOOKSTRUCT& m, RawEvent& e)
{
    e.x = m.pt.x;
    e.y = m.pt.y;
    e.time_ms = event_time_ms(m.time);
    e.own = m.dwExtraInfo == tv::hook::kOwnInputTag;
    e.injected = (m.flags & LLMHF_INJECTED) != 0;
    switch (message) {
    case WM_MOUSEMOVE: e.kind = RawKind::Move; return true;
    case WM_MOUSEWHEEL:
        e.kind = RawKind::Wheel;
        e.wheel_delta = static_cast<short>(HIWORD(m.mouseData));
        return true;
    case WM_LBUTTONDOWN: set_button(e, RawKind::ButtonDown, RawButton::Left); return true;
    case WM_LBUTTONUP: set_button(e, RawKind::ButtonUp, RawButton::Left); return true;
    case WM_RBUTTONDOWN: set_button(e, RawKind::ButtonDown, RawButton::Right); return true;
    case WM_RBUTTONUP: set_button(e, RawKind::ButtonUp, RawButton::Right); return true;
    case WM_MBUTTONDOWN: set_button(e, RawKind::ButtonDown, RawButton::Middle); return true;
    case WM_MBUTTONUP: set_button(e, RawKind::ButtonUp, RawButton::Middle); return true;
    default: return false; // side buttons, horizontal wheel: no token
    }
}

RawEvent to_key_event(const KBDLLHOOKSTRUCT& k)
{
    RawEvent e;
    e.kind = (k.flags & LLKHF_UP) ? RawKind::KeyUp : RawKind::KeyDown;
    e.vk = static_cast<int>(k.vkCode);
    e.time_ms = event_time_ms(k.time);
    e.own = k.dwExtraInfo == tv::hook::kOwnInputTag;
    e.injected = (k.flags & LLKHF_INJECTED) != 0;
    return e;
}

LRESULT pass_on(int code, WPARAM wp, LPARAM lp) { return CallNextHookEx(nullptr, code, wp, lp); }

// Both callbacks: tell the watchdog the hook heard an event, keep its probe
// from everyone, measure the work, turn the event into tokens, and pass it on
// unless the tokenizer keeps it from the applications; `after` sees the
// handled event.
template <class Convert, class After>
LRESULT run_hook(HookKind kind, ULONG_PTR extra, int code, WPARAM wp, LPARAM lp, Convert convert, After after)
{
    if (code != HC_ACTION || !lp)
        return pass_on(code, wp, lp);
    g_watchdog.heard(kind, GetTickCount64());
    if (extra == tv::hook::kProbeTag)
        return 1;
    Verdict verdict = Verdict::Pass;
    {
        CostMeter meter;
        RawEvent event;
        if (convert(event)) {
            verdict = dispatch(event);
            after(event);
        }
    }
    return verdict == Verdict::Suppress ? 1 : pass_on(code, wp, lp);
}

ULONG_PTR extra_info_of_mouse(int code, LPARAM lp)
{
    return code == HC_ACTION && lp ? reinterpret_cast<const MSLLHOOKSTRUCT*>(lp)->dwExtraInfo : 0;
}

ULONG_PTR extra_info_of_key(int code, LPARAM lp)
{
    return code == HC_ACTION && lp ? reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp)->dwExtraInfo : 0;
}

LRESULT CALLBACK mouse_hook(int code, WPARAM wp, LPARAM lp)
{
    return run_hook(HookKind::Mouse, extra_info_of_mouse(code, lp), code, wp, lp, [&](RawEvent& event) {
        return to_mouse_event(wp, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lp), event);
    }, [](const RawEvent&) {});
}

LRESULT CALLBACK keyboard_hook(int code, WPARAM wp, LPARAM lp)
{
    return run_hook(HookKind::Keyboard, extra_info_of_key(code, lp), code, wp, lp, [&](RawEvent& event) {
        event = to_key_event(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp));
        return true;
    }, [](const RawEvent& event) { mirror_kept_key(event.vk); });
}

// ---- switching hooks (on the hook thread) ----

void switch_hook(HHOOK& slot, int kind, HOOKPROC proc, bool on)
{
    const HookKind watched = kind == WH_MOUSE_LL ? HookKind::Mouse : HookKind::Keyboard;
    if (on && !slot) {
        slot = SetWindowsHookExW(kind, proc, g_module, 0);
        if (slot)
            g_watchdog.installed(watched, GetTickCount64());
    } else if (!on && slot) {
        UnhookWindowsHookEx(slot);
        slot = nullptr;
        g_watchdog.switched_off(watched);
    }
}

// The new hook is set before the old one goes, so no event slips between.
void reinstall(HHOOK& slot, int kind, HOOKPROC proc)
{
    HHOOK fresh = SetWindowsHookExW(kind, proc, g_module, 0);
    if (!fresh)
        return;
    UnhookWindowsHookEx(slot);
    slot = fresh;
}

// A probe the hook, when it is alive, hears and keeps (hook_watchdog.h).
void send_probe(HookKind kind)
{
    INPUT input = {};
    if (kind == HookKind::Mouse) {
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_MOVE; // by 0, 0
        input.mi.dwExtraInfo = tv::hook::kProbeTag;
    } else {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(tv::hook::kProbeKey);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        input.ki.dwExtraInfo = tv::hook::kProbeTag;
    }
    SendInput(1, &input, sizeof input);
}

void watch_hook(HookKind kind, HHOOK& slot, int id, HOOKPROC proc, std::uint64_t last_input_ms)
{
    switch (g_watchdog.check(kind, GetTickCount64(), last_input_ms)) {
    case HookWatchdog::Step::Nothing: break;
    case HookWatchdog::Step::Probe: send_probe(kind); break;
    case HookWatchdog::Step::Reinstall:
        reinstall(slot, id, proc);
        g_watchdog.installed(kind, GetTickCount64());
        g_recoveries[kind == HookKind::Mouse ? 0 : 1].store(static_cast<int>(g_watchdog.recoveries(kind)));
        break;
    }
}

// What Windows does to a slow hook, on a test's request: the hook goes, and
// only the watchdog may notice.
void drop_hooks_for_test()
{
    const int drop = g_drop_for_test.exchange(0);
    if ((drop & 1) && g_hooks.mouse)
        UnhookWindowsHookEx(g_hooks.mouse);
    if ((drop & 2) && g_hooks.keyboard)
        UnhookWindowsHookEx(g_hooks.keyboard);
}

// Windows removes a slow hook without a word; the watchdog watches each hook
// against the system's last-input time (hook_watchdog.h).
void check_hooks_alive()
{
    drop_hooks_for_test();
    LASTINPUTINFO last{};
    last.cbSize = sizeof last;
    if (!GetLastInputInfo(&last))
        return;
    const std::uint64_t last_input_ms = event_time_ms(last.dwTime);
    watch_hook(HookKind::Mouse, g_hooks.mouse, WH_MOUSE_LL, &mouse_hook, last_input_ms);
    watch_hook(HookKind::Keyboard, g_hooks.keyboard, WH_KEYBOARD_LL, &keyboard_hook, last_input_ms);
}

bool take_switch_request(const MSG& message)
{
    const bool on = message.wParam != 0;
    if (message.message == kSwitchMouseHook)
        switch_hook(g_hooks.mouse, WH_MOUSE_LL, &mouse_hook, on);
    else if (message.message == kSwitchKeyboardHook) {
        switch_hook(g_hooks.keyboard, WH_KEYBOARD_LL, &keyboard_hook, on);
        if (!on)
            forget_kept_keys(); // no release will come through a hook that is off
    }
    else
        return false;
    SetEvent(g_answered);
    return true;
}

// ---- the cost report ----

double ticks_to_us(double ticks)
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart > 0 ? ticks * 1e6 / static_cast<double>(frequency.QuadPart) : 0.0;
}

void format_cost_report(char* text, std::size_t size)
{
    static LONGLONG sorted[CostRing::kSize];
    const std::size_t n = g_costs.retained();
    std::copy_n(g_costs.values(), n, sorted);
    std::sort(sorted, sorted + n);
    double median = 0.0;
    double max = 0.0;
    if (n > 0) {
        median = n % 2 ? static_cast<double>(sorted[n / 2])
                       : (static_cast<double>(sorted[n / 2 - 1]) + static_cast<double>(sorted[n / 2])) / 2.0;
        max = static_cast<double>(sorted[n - 1]);
    }
    std::snprintf(text, size, "events %llu\nmedian_us %.2f\nmax_us %.2f\nrecoveries_mouse %d\nrecoveries_keyboard %d\n",
                  g_costs.count(), ticks_to_us(median), ticks_to_us(max), g_recoveries[0].load(), g_recoveries[1].load());
}

// The statistics go back to the requester's window (service_requests.h); the
// library writes no file on anyone's behalf.
LRESULT answer_stats_request(HWND self, WPARAM requester, const COPYDATASTRUCT* request)
{
    using namespace tv::win32;
    if (!request)
        return FALSE;
    if (request->dwData == kHookStatsReset) {
        g_costs.reset();
        return TRUE;
    }
    if (request->dwData != kHookStatsRequest)
        return FALSE;
    char report[256];
    format_cost_report(report, sizeof report);
    return send_service_answer(requester, self, kHookStatsAnswer, report) ? TRUE : FALSE;
}

LRESULT CALLBACK stats_window_proc(HWND w, UINT message, WPARAM wp, LPARAM lp)
{
    switch (message) {
    case WM_COPYDATA: return answer_stats_request(w, wp, reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_TIMER:
        if (wp == kWatchdogTimer)
            check_hooks_alive();
        return 0;
    case WM_CLOSE: return 0; // lives as long as the hook thread
    default: return DefWindowProcW(w, message, wp, lp);
    }
}

HWND create_stats_window()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &stats_window_proc;
    wc.hInstance = g_module;
    wc.lpszClassName = kStatsClass;
    RegisterClassExW(&wc);
    return CreateWindowExW(0, kStatsClass, L"Tarvesk hook statistics", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           g_module, nullptr);
}

// ---- the hook thread ----

DWORD WINAPI hook_thread_main(void* ready)
{
    MSG message;
    // The queue exists before anyone is told the thread is ready to be posted to.
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    g_token_message = RegisterWindowMessageW(tv::win32::kHookTokenMessageName);
    if (HWND stats = create_stats_window())
        SetTimer(stats, kWatchdogTimer, kWatchdogPeriodMs, nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && take_switch_request(message))
            continue;
        if (!message.hwnd && message.message == kSendStrokes) {
            send_pending_strokes();
            continue;
        }
        DispatchMessageW(&message);
    }
    switch_hook(g_hooks.mouse, WH_MOUSE_LL, &mouse_hook, false);
    switch_hook(g_hooks.keyboard, WH_KEYBOARD_LL, &keyboard_hook, false);
    return 0;
}

BOOL CALLBACK start_hook_thread(INIT_ONCE*, void*, void**)
{
    // The program may free the library while the hook thread still runs its
    // code; pinned, the library stays until the process ends.
    HMODULE pinned = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&hook_thread_main), &pinned);
    if (!g_answered)
        g_answered = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!g_answered || !ready) {
        if (ready)
            CloseHandle(ready);
        return FALSE;
    }
    HANDLE thread = CreateThread(nullptr, 0, &hook_thread_main, ready, 0, &g_thread_id);
    if (!thread) {
        CloseHandle(ready);
        return FALSE;
    }
    WaitForSingleObject(ready, kAnswerWaitMs);
    // The thread keeps `ready` only until it signals it; a thread that is slower
    // than the wait still finds the event alive, so it is left open.
    CloseHandle(thread);
    return TRUE;
}

BOOL ask_hook_thread(UINT request, bool on)
{
    if (!InitOnceExecuteOnce(&g_start_once, &start_hook_thread, nullptr, nullptr))
        return FALSE;
    ResetEvent(g_answered);
    if (!PostThreadMessageW(g_thread_id, request, on ? 1 : 0, 0))
        return FALSE;
    return WaitForSingleObject(g_answered, kAnswerWaitMs) == WAIT_OBJECT_0;
}

} // namespace

// Switches the mouse hook on (1) or off (0). The main form's handle is not
// needed: the cells are found by their window classes.
extern "C" BOOL WINAPI SetHookmo(HWND /*main_form*/, int on) { return ask_hook_thread(kSwitchMouseHook, on != 0); }

// Switches the keyboard hook on (1) or off (0). Every mode gives the same
// events; the program always asks for 3.
extern "C" BOOL WINAPI SetHookkb(HWND /*main_form*/, int on, int /*mode*/)
{
    return ask_hook_thread(kSwitchKeyboardHook, on != 0);
}

// The keyboard mouse pad opened (1) or closed (0): while it is open the hook
// keeps the pad's keys from the applications (hook_contract.h). Takes effect
// from the next event; no message to the hook thread.
extern "C" BOOL WINAPI SetHookPad(HWND /*main_form*/, int open)
{
    g_pad_open.store(open != 0, std::memory_order_relaxed);
    return TRUE;
}

// What the program says of the letters (tokenizer.h: 1 selection keys, 2
// editing keys, 4 an input method is active) and where it stands aside (8 the
// keys, 16 the buttons and the wheel: they pass untouched, hook_contract.h).
// Takes effect from the next event; no message to the hook thread.
extern "C" BOOL WINAPI SetHookKeys(HWND /*main_form*/, int flags)
{
    g_key_flags.store(flags, std::memory_order_relaxed);
    return TRUE;
}

// Whether the hook keeps `vk` from the applications and it is held: the
// system's key state does not show such a key.
extern "C" BOOL WINAPI HookKeyHeld(int vk)
{
    if (vk < 0 || vk >= 256)
        return FALSE;
    return (g_kept_keys[vk / 32].load(std::memory_order_relaxed) & (1u << (vk % 32))) != 0 ? TRUE : FALSE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, void*)
{
    // Thread notifications stay on: the static C++ runtime relies on them.
    if (reason == DLL_PROCESS_ATTACH)
        g_module = module;
    return TRUE;
}

// The token of `ticket` for the window that holds `cell` (token_handover.h),
// copied into `buffer`: its length in bytes, or -1 when the ticket gives
// nothing (never issued, overwritten, of another cell, or already taken).
extern "C" int WINAPI HookTakeToken(int cell, unsigned long long ticket, char* buffer, int size)
{
    if (cell < 0 || static_cast<std::size_t>(cell) >= tv::hook::kCellCount || !buffer || size < 0)
        return -1;
    const std::optional<std::string> token = g_tokens.take(ticket, static_cast<Cell>(cell));
    if (!token || token->size() > static_cast<std::size_t>(size))
        return -1;
    std::memcpy(buffer, token->data(), token->size());
    return static_cast<int>(token->size());
}

// How many times the watchdog set the mouse (0) or keyboard (1) hook again
// after Windows removed it.
extern "C" int WINAPI HookRecoveries(int kind)
{
    return kind == 0 || kind == 1 ? g_recoveries[kind].load() : 0;
}

// For the watchdog's tests only: the next check first removes the hooks named
// (1 mouse, 2 keyboard) behind the watchdog's back, as Windows removes a slow one.
extern "C" BOOL WINAPI HookTestDrop(int hooks)
{
    g_drop_for_test.fetch_or(hooks & 3);
    return TRUE;
}
