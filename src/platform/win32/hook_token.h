// How wrhk.dll's hook thread hands a token to the window that holds its cell.
//
// The hook thread must never send a message (a sent message blocks it while the
// UI thread sleeps, and a slow hook is removed by Windows), so it posts this
// registered message to the cell's window: wParam is the token's length in
// bytes, lParam a NUL-terminated CP936 copy allocated with
// HeapAlloc(GetProcessHeap(), ...). The window sets its own title to the token
// and frees the copy with HeapFree(GetProcessHeap(), 0, ...). Only windows of
// the DLL's own process receive it: a heap pointer means nothing elsewhere.
#pragma once

namespace tv::win32 {

inline constexpr const wchar_t* kHookTokenMessageName = L"Tarvesk.HookToken";

} // namespace tv::win32
