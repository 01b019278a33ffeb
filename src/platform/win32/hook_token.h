// The registered message by which wrhk.dll's hook thread hands a token to the
// window that holds its cell, and which that window's own thread takes
// (Win32Platform::take_hook_token): wParam is the token's ticket, and the
// library's HookTakeToken gives the token (hook/token_handover.h). What the
// message carries and why it is posted, never sent, is part of the hook
// contract: hook/hook_contract.h.
#pragma once

namespace tv::win32 {

inline constexpr const wchar_t* kHookTokenMessageName = L"Tarvesk.HookToken";

} // namespace tv::win32
