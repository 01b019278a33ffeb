// Automatic scrolling: a page scrolls by itself after one wheel notch or one
// command, until the user clicks. The program does not scroll windows itself;
// it borrows the application's own middle-button scrolling: it presses the
// middle button on the right-hand part of the target window and moves the
// pointer a few pixels up or down from there, so the application keeps
// scrolling at a speed that grows with that offset. A left click ends it and
// puts the pointer back on its anchor (the mode engine's tick, with the page-end
// probe: mode_engine_auto_scroll.cpp).
//
// The commands are the hidden buttons of the browser form `ombrel`:
// `scrollup`/`scrolldown` (the wheel dispatch clicks them over a web page) and
// `cmdup`, `cmddown`, `cmdautoscroll`, `cmdwindowselect`, `cmdvykform3proc`,
// which outside components find by their captions and click. The state and the
// anchor are on the board (`ombrel.auto_scroll`, `ombrel.oldrightpos`).
#pragma once

#include "core/app.h"

#include <string>

namespace tv {

class AutoScrolling {
public:
    explicit AutoScrolling(App& app) : app_(app) {}

    // Starting (auto_scroll.cpp).
    void scroll_up();   // `scrollup`
    void scroll_down(); // `scrolldown`

    // The commands (scroll_commands.cpp).
    void step_up();         // `cmdup`: one step up in the current wheel mode
    void step_down();       // `cmddown`
    void wheel_notch();     // `cmdautoscroll`: one wheel notch for the window under the pointer
    void next_window();     // `cmdwindowselect`: the browser's next page
    void next_navigation(); // `cmdvykform3proc`: the navigation form's next mark

private:
    enum class Way { Up, Down };
    struct Target {
        Rect root;       // the root window at the pointer
        std::string cls; // the class at the pointer
    };

    void start(Way);
    int grab_x(Way, const Target&) const;
    void set_speed(Way, const Target&);
    void restart_drag_count();

    void step(Way);
    bool turn_browser_pages(bool up);
    bool pointer_on_navigation_panel() const;
    void scroll_window(bool up, Hwnd window);
    void leave_to_hook(bool up, Hwnd window, const Target&, int grab);

    App& app_;
    // The scroll's speed in pixels, negative upwards; the speed display shows
    // the one before when a scroll starts.
    int speed_ = 0;
};

} // namespace tv
