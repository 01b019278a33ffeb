// Scenarios: small text scripts that run the whole program on the simulated
// desktop, for reproducing a behaviour without Windows.
//
//   start [ARG...]          start the program (argument 1 is "auto" for example);
//                           the first other line starts it without arguments
//   no-library NAME         before start: the library is not beside the program
//   window CLASS TITLE X Y W H   another program's window (TITLE may be "quoted")
//   move X Y | wheel up|down | button left|right|middle down|up | click left|right
//   key CODE down|up | key CODE  (down and up)
//   advance MS              let the virtual clock run
//   caption CLASS TEXT      another program sets a window's caption
//   expect CLASS TEXT       stop with an error unless the caption is TEXT
//   dump                    print the diagnostics dump
//
// A recording (tarvesk-sim --record) is a scenario of the acting lines alone.
//
// The trace lists every caption and cell change and every synthetic key or
// mouse event, with virtual timestamps, in UTF-8.
#pragma once

#include "platform/sim/sim_desktop.h"
#include "wiring/program.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace tv {

class ScenarioRunner : public ui::CellObserver {
public:
    explicit ScenarioRunner(std::ostream& trace, Size screen = {1024, 768});
    ~ScenarioRunner() override;

    // Runs one line; false (with a message in error()) when it is not understood
    // or an expectation failed.
    bool run_line(std::string_view utf8_line);
    // Runs every line; stops at the first failure.
    bool run(std::istream& script);
    const std::string& error() const { return error_; }

    // From now on every line that acts on the desktop (start, library, window,
    // caption, input, clock), implicit start included, is written to `out` as a
    // scenario line: the recording replays to the same trace. Expectations,
    // dumps and comments are left out.
    void record_to(std::ostream& out) { recording_ = &out; }

    sim::SimDesktop& desktop() { return desktop_; }
    App* app() { return app_; }

    void cell_changed(const ui::Form&, const ui::Control*) override;

private:
    struct Line {
        std::string_view text;
        std::vector<std::string> words; // the verb first
    };
    struct Verb;
    static const Verb* verb_named(std::string_view name);

    bool start(std::vector<std::string> args);
    void record(const std::vector<std::string>& words);
    bool fail(std::string message);
    bool not_understood(const Line&);
    void stamp();

    // One handler per verb of the language above; each gets a line whose word
    // count its verb takes.
    bool verb_start(const Line&);
    bool verb_no_library(const Line&);
    bool verb_advance(const Line&);
    bool verb_move(const Line&);
    bool verb_wheel(const Line&);
    bool verb_button(const Line&);
    bool verb_click(const Line&);
    bool verb_key(const Line&);
    bool verb_window(const Line&);
    bool verb_caption(const Line&);
    bool verb_expect(const Line&);
    bool verb_dump(const Line&);

    std::ostream& trace_;
    sim::SimDesktop desktop_;
    std::unique_ptr<Program> program_;
    App* app_ = nullptr;
    std::string error_;
    std::ostream* recording_ = nullptr;
};

// Splits a line into words; "double quoted" words may hold spaces.
std::vector<std::string> scenario_words(std::string_view line);

} // namespace tv
