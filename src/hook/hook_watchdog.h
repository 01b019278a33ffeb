// The hook watchdog: Windows removes a low-level hook without a word when its
// callback once takes longer than the system allows, and the program would go
// deaf to the mouse or the keyboard. Each hook, mouse and keyboard, is watched
// on its own, every check (kCheckPeriodMs) on the hook's thread:
//
//   what the check sees                           what it does
//   --------------------------------------------  -----------------------------------
//   the hook is off                               nothing
//   the system had input more than kQuietMs       Probe: sends one event of the
//   after the hook last heard an event            hook's kind, tagged kProbeTag, that
//                                                 the hook keeps from everyone
//   the probe of the last check was not heard     Reinstall: sets the hook again and
//                                                 counts one recovery
//   the probe of the last check was heard         nothing: the hook only had nothing
//                                                 of its kind to hear
//
// Any event the hook hears, the probe or the user's, counts as heard. The
// probes are a zero mouse move and the release of a key no keyboard has
// (kProbeKey): should they reach an application, nothing happens there.
#pragma once

#include <array>
#include <cstdint>

namespace tv::hook {

enum class HookKind { Mouse, Keyboard };

// The extra information of a probe event; the program's own input carries kOwnInputTag.
inline constexpr std::uintptr_t kProbeTag = 0x5456574B;
// The key code of the keyboard probe: reserved, no key sends it.
inline constexpr int kProbeKey = 0x07;

class HookWatchdog {
public:
    static constexpr std::uint64_t kCheckPeriodMs = 2000;
    static constexpr std::uint64_t kQuietMs = 250;

    enum class Step { Nothing, Probe, Reinstall };

    // The hook was set (or set again): it starts out heard.
    void installed(HookKind kind, std::uint64_t now_ms)
    {
        Watch& w = watch(kind);
        w.on = true;
        w.heard_ms = now_ms;
        w.probing = false;
    }

    void switched_off(HookKind kind) { watch(kind).on = false; }

    void heard(HookKind kind, std::uint64_t now_ms) { watch(kind).heard_ms = now_ms; }

    // One check; `last_input_ms` is when the system last had input of any kind.
    // After Reinstall the caller sets the hook again and calls installed().
    Step check(HookKind kind, std::uint64_t now_ms, std::uint64_t last_input_ms)
    {
        Watch& w = watch(kind);
        if (!w.on)
            return Step::Nothing;
        if (w.probing) {
            w.probing = false;
            if (w.heard_ms >= w.probe_ms)
                return Step::Nothing;
            ++w.recoveries;
            return Step::Reinstall;
        }
        if (last_input_ms <= w.heard_ms + kQuietMs)
            return Step::Nothing;
        w.probing = true;
        w.probe_ms = now_ms;
        return Step::Probe;
    }

    unsigned recoveries(HookKind kind) const { return watches_[index(kind)].recoveries; }

private:
    struct Watch {
        bool on = false;
        bool probing = false;
        std::uint64_t heard_ms = 0;
        std::uint64_t probe_ms = 0;
        unsigned recoveries = 0;
    };

    static std::size_t index(HookKind kind) { return kind == HookKind::Mouse ? 0 : 1; }
    Watch& watch(HookKind kind) { return watches_[index(kind)]; }

    std::array<Watch, 2> watches_{};
};

} // namespace tv::hook
