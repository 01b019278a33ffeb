#include "platform/atomic_save.h"

namespace tv {
namespace {

template <class Step> StepResult with_retries(SaveSteps& steps, Step step)
{
    StepResult result = StepResult::Failed;
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        result = step();
        if (result != StepResult::Busy)
            return result;
        if (attempt + 1 < kSaveAttempts)
            steps.pause_before_retry();
    }
    return result;
}

} // namespace

bool save_whole_file(SaveSteps& steps, std::string_view bytes)
{
    const bool saved = with_retries(steps, [&] { return steps.write_temporary(bytes); }) == StepResult::Done &&
                       with_retries(steps, [&] { return steps.replace_target(); }) == StepResult::Done;
    if (!saved)
        steps.remove_temporary();
    return saved;
}

} // namespace tv
