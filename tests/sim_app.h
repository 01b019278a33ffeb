// A fixture for scenario tests: the program running on a simulated desktop.
#pragma once

#include "platform/sim/sim_desktop.h"
#include "wiring/program.h"

#include <gtest/gtest.h>

#include <memory>

namespace tv::test {

// A UTF-8 text written in a test (narrow literals are CP936), for scenario scripts and traces.
inline std::string utf8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

class SimApp : public ::testing::Test {
protected:
    void start(std::vector<std::string> args = {})
    {
        program = std::make_unique<Program>(desk, std::move(args));
        app = &program->app();
        program->create_forms();
    }
    Hwnd window(std::string_view cls) const { return desk.find_window(cls); }
    std::string caption(std::string_view cls) const { return desk.title(window(cls)); }
    void set_caption(std::string_view cls, std::string_view text) { desk.set_title(window(cls), text); }

    sim::SimDesktop desk;
    std::unique_ptr<Program> program;
    App* app = nullptr;
};

} // namespace tv::test
