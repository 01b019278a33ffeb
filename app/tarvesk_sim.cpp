// tarvesk-sim: runs Tarvesk on the simulated desktop from a scenario file and
// prints the trace (UTF-8).
//
//   tarvesk-sim SCENARIO [--screen WxH] [--record FILE]
//   tarvesk-sim --replay FILE
//
// --record writes the run's acting lines (start, windows, captions, input, the
// clock) to FILE, headed by the screen size; --replay runs such a recording on
// a screen of that size and prints the same trace. A bug report can carry the
// recording instead of the scenario that led to it.
#include "scenario.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tarvesk-sim SCENARIO [--screen WIDTHxHEIGHT] [--record FILE]\n"
    "       tarvesk-sim --replay FILE\n";
constexpr const char* kRecordingHeader = "# tarvesk-sim recording, screen ";

struct Options {
    std::string scenario;
    tv::Size screen{1024, 768};
    std::string record;
    bool replay = false;
};

std::optional<tv::Size> screen_size(const std::string& text)
{
    tv::Size size{};
    if (std::sscanf(text.c_str(), "%dx%d", &size.width, &size.height) != 2 || size.width <= 0 || size.height <= 0)
        return std::nullopt;
    return size;
}

std::optional<Options> options_of(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--screen" && has_value) {
            const auto size = screen_size(argv[++i]);
            if (!size)
                return std::nullopt;
            o.screen = *size;
        } else if (arg == "--record" && has_value) {
            o.record = argv[++i];
        } else if (arg == "--replay" && has_value && o.scenario.empty()) {
            o.scenario = argv[++i];
            o.replay = true;
        } else if (!arg.starts_with("--") && o.scenario.empty()) {
            o.scenario = arg;
        } else {
            return std::nullopt;
        }
    }
    if (o.scenario.empty() || (o.replay && !o.record.empty()))
        return std::nullopt;
    return o;
}

// A recording's screen, from its first line.
std::optional<tv::Size> recorded_screen(std::istream& script)
{
    std::string first;
    std::getline(script, first);
    script.seekg(0);
    if (!first.starts_with(kRecordingHeader))
        return std::nullopt;
    return screen_size(first.substr(std::string(kRecordingHeader).size()));
}

} // namespace

int main(int argc, char** argv)
{
    auto options = options_of(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    std::ifstream script(options->scenario);
    if (!script) {
        std::cerr << "cannot read " << options->scenario << '\n';
        return 2;
    }
    if (options->replay) {
        const auto screen = recorded_screen(script);
        if (!screen) {
            std::cerr << options->scenario << ": not a tarvesk-sim recording\n";
            return 2;
        }
        options->screen = *screen;
    }
    std::ofstream recording;
    tv::ScenarioRunner runner(std::cout, options->screen);
    if (!options->record.empty()) {
        recording.open(options->record, std::ios::binary | std::ios::trunc);
        if (!recording) {
            std::cerr << "cannot write " << options->record << '\n';
            return 2;
        }
        recording << kRecordingHeader << options->screen.width << 'x' << options->screen.height << '\n';
        runner.record_to(recording);
    }
    if (!runner.run(script)) {
        std::cerr << options->scenario << ": " << runner.error() << '\n';
        return 1;
    }
    return 0;
}
