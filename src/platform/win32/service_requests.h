// Requests to the program's hidden service windows (the diagnostics window and
// the hook's statistics window), sent by other processes as WM_COPYDATA.
//
// A request names no file and no path: the service sends its answer back, as
// WM_COPYDATA of the answer kind, to the window the requester passed in wParam
// (the convention of WM_COPYDATA), while the requester still waits in its
// SendMessage. The requester writes the answer wherever it likes; the program
// itself writes nothing on anyone's behalf. A wParam that is not a window gets
// no answer and the request answers FALSE.
//
//   request            dwData   answer dwData   answer bytes
//   -----------------  -------  --------------  ------------------------------
//   diagnostics dump   "TVDG"   "TVDA"          the dump, UTF-8
//   hook statistics    "TVHS"   "TVHA"          "events N\nmedian_us ..\nmax_us ..\n"
//   statistics reset   "TVHR"   (none)          -
//
// Header-only: the program, wrhk.dll and the test peers share it.
#pragma once

#include <windows.h>

#include <string_view>

namespace tv::win32 {

inline constexpr ULONG_PTR kDiagnosticsRequest = 0x54564447; // "TVDG"
inline constexpr ULONG_PTR kDiagnosticsAnswer = 0x54564441;  // "TVDA"
inline constexpr ULONG_PTR kHookStatsRequest = 0x54564853;   // "TVHS"
inline constexpr ULONG_PTR kHookStatsReset = 0x54564852;     // "TVHR"
inline constexpr ULONG_PTR kHookStatsAnswer = 0x54564841;    // "TVHA"

// How long a service waits for the requester to take its answer. Short: the
// hook's statistics window shares the hook's thread, and a hook that stalls
// too long is removed by the system.
inline constexpr UINT kAnswerTimeoutMs = 100;

// Sends `bytes` to the requester's window; true when it took them.
inline bool send_service_answer(WPARAM requester, HWND from, ULONG_PTR kind, std::string_view bytes)
{
    const HWND to = reinterpret_cast<HWND>(requester);
    if (!to || !IsWindow(to) || bytes.size() > 0x7fffffffu)
        return false;
    COPYDATASTRUCT data = {};
    data.dwData = kind;
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = const_cast<char*>(bytes.data());
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) != 0 &&
           result == TRUE;
}

} // namespace tv::win32
