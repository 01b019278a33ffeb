// Start-up completion: run by the main loop on every tick; the first tick at
// which all eleven main windows exist applies the settings, shows the options
// form and sizes the bar. Guards make each effect happen once per run.
#pragma once

#include "core/app.h"

#include <string>

namespace tv {

class StartupCompletion {
public:
    // `title_value` receives the release title (settings line 6) when it is applied.
    StartupCompletion(App& app, std::string& title_value) : app_(app), title_(title_value) {}

    // Returns true while all eleven main windows exist.
    bool run();

private:
    void complete_once();
    void apply_start_page(const std::string& entry_line, const std::string& bar_size);
    void show_options_form();
    void size_the_bar();
    void apply_quick_switches();

    App& app_;
    std::string& title_;
    bool net_started_ = false;
    bool options_shown_ = false;
    bool small_bar_ = false, middle_bar_ = false, large_bar_ = false;
    bool quick_switches_ = false;
};

// Reads the title again from the settings, places the status form's web views
// and writes the title into the hint template: shared by start-up completion
// and the main loop's title repair.
std::string apply_release_title(App&, std::string_view suffix);

} // namespace tv
