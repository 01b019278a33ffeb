// The browser's address commands: the private "vyk://" links of the program's
// own pages, carried out instead of being opened.
#pragma once

#include <string_view>

namespace tv {

class App;
class Platform;

class AddressCommands {
public:
    AddressCommands(App& app, Platform& platform) : app_(app), platform_(platform) {}

    // The browser's new-window handler hands over its last link text when it
    // begins with "vyk"; the request stays cancelled.
    void scheme_command(std::string_view link_text);

private:
    App& app_;
    Platform& platform_;
};

} // namespace tv
