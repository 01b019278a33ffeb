// The whole program: the App with its forms, and the behaviours bound to them.
// The one place that puts the program together; only the entries in app/ (and
// the tests, which run the program the same way) include it.
#pragma once

#include "core/app.h"
#include "platform/tick_snapshot.h"

#include <memory>
#include <string>
#include <vector>

namespace tv {

class Wiring;

class Program {
public:
    // args: the command line without the program name (argument 1 is args[0]).
    Program(Platform&, std::vector<std::string> args, ui::CellObserver* observer = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the forms in roster order, each bound as it is created.
    void create_forms();
    // The whole entry sequence: create, run the message loop, return the exit code.
    int run();

    App& app() const { return *app_; }

private:
    // Every read the program makes goes through the snapshot: a timer's tick
    // asks the window system each question once.
    std::unique_ptr<TickSnapshot> snapshot_;
    std::unique_ptr<App> app_;
    std::unique_ptr<Wiring> wiring_;
};

} // namespace tv
