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
//   the pad       whether the keyboard mouse pad is open: the program says so
//                 through the library's entry point SetHookPad(main form, 1 open
//                 / 0 closed) whenever the pad opens or closes. While it is open
//                 the tokenizer keeps the user's presses of A-Z, Space and ;
//                 and their releases from the applications (tokenizer.h); every
//                 other key, and every key a program sends, passes. Only key
//                 events read it.
//   kept keys     a kept key never reaches the system's key state, so the
//                 program asks the hook whether it is held: HookKeyHeld(vk) is
//                 the tokenizer's kept_held(vk), and the program's key_down
//                 is the system's key state or that.
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
//   wrhk.dll      InternalGetWindowText on this      puts the token into the library's
//                 process's "Tinputmode" window,     ring (token_handover.h) and posts
//                 into a buffer of 16 characters:    (never sends) the registered message
//                 no message to the UI thread,       "Tarvesk.HookToken" to the cell's
//                 and a longer caption is cut,       window of this process, wParam the
//                 so it never reads as "myright"     ticket, lParam 0; the window's own
//                                                    thread takes the token with the
//                                                    library's HookTakeToken(cell, ticket,
//                                                    buffer, size) and sets its title to
//                                                    it. A sent message would stall the
//                                                    hook thread while the UI thread
//                                                    sleeps, and Windows removes a slow
//                                                    hook.
//   simulated     title() of the first window of     the same hand-over, taken at once:
//   desktop       class "Tinputmode"                 set_title() on the first window of
//                                                    the cell's class
//
//   the key flags what the program says of the letters: the entry point
//                 SetHookKeys(main form, flags), flags of tokenizer.h
//                 (kSelectionKeys 1, kEditingKeys 2, kInputMethodActive 4),
//                 called by the main loop at the end of a tick whenever they
//                 changed. They choose the key maps (tokenizer.h). Key events
//                 and the left button's press read them.
//   standing      kStandAsideKeys (8): every key event passes untouched and
//   aside         leaves no token; kStandAsideButtons (16): the same for the
//                 buttons and the wheel. The program sets them while it is
//                 paused, while a full-screen program runs, and while the
//                 window in front (keys) or under the pointer (buttons, wheel)
//                 belongs to a program on its exclusion list. The tokenizer
//                 still sees the events, with nothing kept or mapped.
//   keys sent     a key a map translates is kept, and the keys the tokenizer
//   instead       names (Output::sends) go out as the program's own input
//                 after the event: they give no token and pass.
//
//   side          the key flags                      keys sent instead
//   ------------  ---------------------------------  -----------------------------------
//   wrhk.dll      an atomic SetHookKeys stores and   the callback queues them on the hook
//                 the callback loads                 thread and posts it an empty message;
//                                                    the thread sends the queue with
//                                                    SendInput once the callback has
//                                                    returned (never inside it)
//   simulated     a value its library's SetHookKeys  send_key() of each, at once, after
//   desktop       sets                               the event (logged as synthetic input)
//
//   side          the pad flag                       a kept key held
//   ------------  ---------------------------------  -----------------------------------
//   wrhk.dll      an atomic the entry point stores   the callback mirrors kept_held() of
//                 and the callback loads: no         the event's key into atomic bits
//                 message to the hook thread         that HookKeyHeld loads
//   simulated     a flag its library's SetHookPad    key_down() asks the tokenizer;
//   desktop       sets                               a kept key reaches no window
#pragma once

#include "hook/tokenizer.h"

#include <string>
#include <string_view>
#include <vector>

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
    // The keyboard mouse pad is open (the last SetHookPad said 1).
    virtual bool pad_open() = 0;
    // The key flags the last SetHookKeys gave (tokenizer.h); 0 before any.
    virtual int key_flags() { return 0; }
    // The same flags, read for standing aside (kStandAsideKeys, kStandAsideButtons)
    // by every key, button and wheel event; 0 before any.
    virtual int stand_aside_flags() { return 0; }
    // Sends the keys the tokenizer puts in place of a kept key, tagged as the
    // program's own input (kOwnInputTag), in order, after the event.
    virtual void send_keys(const std::vector<Stroke>&) {}
};

HookState state_from_caption(std::string_view caption);

// Whether the key flags tell the hook to stand aside for this event
// (kStandAsideKeys for keys, kStandAsideButtons for buttons and the wheel).
bool stands_aside(const RawEvent&, int key_flags);

// One event through the hook: reads the state the event needs (the caption for
// the right button, the pad flag for keys), feeds
// the tokenizer, delivers every token, and says whether the event goes on to
// the applications.
Verdict handle(Tokenizer&, const RawEvent&, HookDesk&);

} // namespace tv::hook
