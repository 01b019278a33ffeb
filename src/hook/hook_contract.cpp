#include "hook/hook_contract.h"

namespace tv::hook {

HookState state_from_caption(std::string_view caption)
{
    HookState state;
    state.right_button_owned = caption == kRightButtonOwned;
    return state;
}

Verdict handle(Tokenizer& tokenizer, const RawEvent& event, HookDesk& desk)
{
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
