// The browser's address commands: the private "vyk://" links of the program's
// own pages, carried out instead of being opened; the personal address list
// "url.txt"; and, on every tick of the browser form's engine, the addresses
// and commands the sibling browser and other programs hand over (the file
// "vyknewurl.txt", the "ystop" titles of the navigation panel's window).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv {

class App;
class Platform;

class AddressCommands {
public:
    AddressCommands(App& app, Platform& platform) : app_(app), platform_(platform) {}

    // The browser's new-window handler hands over its last link text when it
    // begins with "vyk"; the request stays cancelled.
    void scheme_command(std::string_view link_text);

    // "url.txt" beside the program into the personal list (`ombrel.ListBox10`),
    // its first line into the address box. A missing file leaves both alone; a
    // file that cannot be read, or is not text, is never written this run.
    void load_list();
    // The whole list back, atomically; an empty list writes an empty file.
    // False when nothing was written. At the run's end the browser form is
    // going away, so its list is handed over rather than looked up.
    bool save_list(const std::vector<std::string>& items);

    // The engine tick's share: the title commands, then the two hand-overs.
    void engine_tick();

private:
    void title_commands(std::string_view title);
    void page_panel_at_cursor();
    void file_handover();
    void title_handover(std::string_view title);
    void address_handed_over();
    std::string list_path() const;

    App& app_;
    Platform& platform_;
    bool list_writable_ = true;
};

} // namespace tv
