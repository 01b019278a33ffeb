// A whole-file save that survives faults: the bytes go to a temporary file
// beside the target, which is flushed and closed and then takes the target's
// place in one step. Whatever step fails, the target holds the old file or the
// new one whole, and the temporary file is gone.
//
// Another program (a virus scanner, an indexer, an editor) may hold either
// file for a moment; a step that reports Busy is tried again after a pause, a
// few times, before the save gives up.
//
// Portable: each backend supplies the steps (the simulated desktop can fail
// any of them on purpose); the order, the retries and the clean-up are here.
#pragma once

#include <string_view>

namespace tv {

enum class StepResult { Done, Busy, Failed };

// The steps of saving one target file; the steps object knows the target and
// names its temporary file (the target's name + kTemporarySuffix).
class SaveSteps {
public:
    virtual ~SaveSteps() = default;
    // Creates (or truncates) the temporary file, writes every byte, flushes
    // and closes it. May leave a partial temporary file when it fails.
    virtual StepResult write_temporary(std::string_view bytes) = 0;
    // Puts the temporary file in the target's place in one step (the target
    // may or may not exist yet).
    virtual StepResult replace_target() = 0;
    // Removes the temporary file if it is there.
    virtual void remove_temporary() = 0;
    // Waits before another attempt.
    virtual void pause_before_retry() = 0;
};

inline constexpr std::string_view kTemporarySuffix = ".tvtmp";

// How many times a Busy step is attempted in all.
inline constexpr int kSaveAttempts = 10;

// True when the target now holds `bytes`.
bool save_whole_file(SaveSteps& steps, std::string_view bytes);

} // namespace tv
