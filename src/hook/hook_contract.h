// The hook contract: what the input hook reads from the program, and how the
// tokens it makes reach the program.
//
// Pure code, like the tokenizer, and shared the same way: wrhk.dll and the
// simulated desktop each implement HookDesk for their own windows, and both
// run every event through handle(), so the contract is written once.
//
//   step          what the contract says
//   ------------  ------------------------------------------------------------------
//   the state     the caption of the program's window of class "Tinputmode"
//                 (kStateWindowClass): "myright" (kRightButtonOwned) gives the right
//                 button to the wheel mode, and the tokenizer suppresses its press
//                 and release; any other caption lets them pass ("xx myright",
//                 kRightButtonToApplication, is what the program writes when it
//                 gives the button back; no window reads as an empty caption).
//                 Only right-button events read it.
//   the tokens    the tokenizer's (tokenizer.h): every one is delivered, in order
//   a delivery    the token becomes the caption of the program's window of the
//                 cell's class (cell_class); with no such window it is dropped
//   the Esc latch "esc down" (kEscapePressed) in the caption of "TsrfForm" is a
//                 press the program has not seen yet. The program consumes it
//                 by overwriting it ("esc ok") in the handler that reads it: the
//                 caption is set on the window's own thread, between two
//                 handlers, so a press is seen by exactly one main-loop tick and
//                 a consumed one never counts again
//
//   side          reads the state                    delivers a token
//   ------------  ---------------------------------  -----------------------------------
//   wrhk.dll      InternalGetWindowText on this      posts (never sends) the registered
//                 process's "Tinputmode" window,     message "Tarvesk.HookToken" to the
//                 into a buffer of 16 characters:    cell's window of this process:
//                 no message to the UI thread,       wParam is the token's length in
//                 and a longer caption is cut,       bytes, lParam a NUL-terminated CP936
//                 so it never reads as "myright"     copy from HeapAlloc(GetProcessHeap(),
//                                                    ...); the window's own thread sets
//                                                    its title to the token and frees the
//                                                    copy with HeapFree. A sent message
//                                                    would stall the hook thread while
//                                                    the UI thread sleeps, and Windows
//                                                    removes a slow hook.
//   simulated     title() of the first window of     set_title() on the first window of
//   desktop       class "Tinputmode"                 the cell's class, at once
#pragma once

#include "hook/tokenizer.h"

#include <string>
#include <string_view>

namespace tv::hook {

// The class of the window whose caption is the state the program publishes.
inline constexpr std::string_view kStateWindowClass = "Tinputmode";
// The state window's caption while the right button belongs to the wheel mode.
inline constexpr std::string_view kRightButtonOwned = "myright";
// The state window's caption while the right button belongs to the application.
inline constexpr std::string_view kRightButtonToApplication = "xx myright";

// One side's view of the program's windows, as the hook needs it.
class HookDesk {
public:
    virtual ~HookDesk() = default;
    // The caption of the state window; empty when there is no such window.
    virtual std::string state_caption() = 0;
    // Makes `token` the caption of the window that holds `cell`.
    virtual void deliver(Cell, std::string_view token) = 0;
};

HookState state_from_caption(std::string_view caption);

// One event through the hook: reads the state when the event needs it, feeds
// the tokenizer, delivers every token, and says whether the event goes on to
// the applications.
Verdict handle(Tokenizer&, const RawEvent&, HookDesk&);

} // namespace tv::hook
