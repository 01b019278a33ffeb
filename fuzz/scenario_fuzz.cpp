// Scenario scripts of any bytes, run on the simulated desktop: every line is
// either understood or refused, and the program under it never crashes. The
// virtual clock is kept to a few seconds per input so one input stays quick.
#include "scenario.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

namespace {

constexpr long kLongestAdvanceMs = 10'000;
constexpr int kMostLines = 64;

// The milliseconds an "advance" line asks for; 0 for any other line.
long advance_of(std::string_view line)
{
    const auto words = tv::scenario_words(line);
    if (words.size() != 2 || words[0] != "advance")
        return 0;
    long ms = 0;
    const auto [end, error] = std::from_chars(words[1].data(), words[1].data() + words[1].size(), ms);
    return error == std::errc() ? ms : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    std::ostringstream trace;
    tv::ScenarioRunner runner(trace);
    long advanced = 0;
    int lines = 0;
    std::size_t at = 0;
    while (at < script.size() && lines++ < kMostLines) {
        const std::size_t end = std::min(script.find('\n', at), script.size());
        const std::string_view line = script.substr(at, end - at);
        at = end + 1;
        const long ms = advance_of(line);
        advanced += ms > 0 ? ms : 0;
        if (advanced > kLongestAdvanceMs)
            break;
        (void)runner.run_line(line);
    }
    return 0;
}
