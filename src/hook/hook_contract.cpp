#include "hook/hook_contract.h"

namespace tv::hook {

HookState state_from_caption(std::string_view caption)
{
    HookState state;
    state.right_button_owned = caption == kRightButtonOwned;
    return state;
}

// The program stands aside for this event: it passes untouched and leaves no
// token. The tokenizer still follows it, with nothing kept or mapped, so the
// keys and buttons held meanwhile are known when the program acts again.
bool stands_aside(const RawEvent& event, int flags)
{
    switch (event.kind) {
    case RawKind::KeyDown:
    case RawKind::KeyUp: return (flags & kStandAsideKeys) != 0;
    case RawKind::ButtonDown:
    case RawKind::ButtonUp:
    case RawKind::Wheel: return (flags & kStandAsideButtons) != 0;
    case RawKind::Move: break;
    }
    return false;
}

Verdict handle(Tokenizer& tokenizer, const RawEvent& event, HookDesk& desk)
{
    if (event.kind != RawKind::Move && stands_aside(event, desk.stand_aside_flags())) {
        tokenizer.feed(event, HookState{});
        return Verdict::Pass;
    }
    // Only the right button's verdict depends on the caption; every other
    // event spares the hook the window lookup.
    HookState state;
    if (event.button == RawButton::Right)
        state = state_from_caption(desk.state_caption());
    if (event.button == RawButton::Left && event.kind == RawKind::ButtonDown)
        state.key_flags = desk.key_flags();
    if (event.kind == RawKind::KeyDown || event.kind == RawKind::KeyUp) {
        state.pad_open = desk.pad_open();
        state.key_flags = desk.key_flags();
    }
    const Output out = tokenizer.feed(event, state);
    for (const Delivery& delivery : out.deliveries)
        desk.deliver(delivery.cell, delivery.token);
    if (!out.sends.empty())
        desk.send_keys(out.sends);
    return out.verdict;
}

} // namespace tv::hook
