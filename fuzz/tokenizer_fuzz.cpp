// The hook's tokenizer on any stream of raw events: no crash, and the rules
// that hold for every event hold (the program's own input passes and makes no
// token; no empty token is ever delivered).
#include "hook/tokenizer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// Seven bytes make one event: kind, key, button, wheel, x, y, flags.
tv::hook::RawEvent event_from(const std::uint8_t* b, std::uint64_t& clock)
{
    using namespace tv::hook;
    RawEvent e;
    e.kind = static_cast<RawKind>(b[0] % 6);
    e.vk = b[1];
    e.button = static_cast<RawButton>(b[2] % 4);
    e.wheel_delta = static_cast<signed char>(b[3]) * 8;
    e.x = b[4] * 8 - 64;
    e.y = b[5] * 6 - 64;
    clock += (b[6] >> 3) * 7;
    e.time_ms = clock;
    e.own = (b[6] & 1) != 0;
    e.injected = e.own || (b[6] & 2) != 0;
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    tv::hook::HookState state;
    state.right_button_owned = (data[0] & 1) != 0;
    state.pad_open = (data[0] & 2) != 0;
    tv::hook::Tokenizer tokenizer;
    std::uint64_t clock = 1000;
    for (std::size_t i = 1; i + 7 <= size; i += 7) {
        const tv::hook::RawEvent e = event_from(data + i, clock);
        const tv::hook::Output out = tokenizer.feed(e, state);
        for (const auto& delivery : out.deliveries)
            check(!delivery.token.empty());
        if (e.own)
            check(out.deliveries.empty() && out.verdict == tv::hook::Verdict::Pass);
        if (data[i] & 0x80) // the program changes its published state now and then
            state.pad_open = !state.pad_open;
    }
    return 0;
}
