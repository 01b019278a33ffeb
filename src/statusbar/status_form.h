// What the status form `lifeform` does. At creation it opens its two web
// views, shows the hint labels when there is no web control, and docks as a
// large bar at the top of the desktop. Beside it, one file per behaviour: the
// bar heights and the desktop toolbar (bar_heights.cpp), the hint bar and the
// rules of the two web views (hint_views.cpp), the application's right-press
// filter (right_press_filter.cpp) and the small commands and pointer handlers
// (status_form_commands.cpp). The 100 ms status timer is status_timer.h.
#pragma once

#include "core/app.h"

#include <string>
#include <string_view>

namespace tv {

// Whether a bar height shows the move handle `movebar`.
enum class MoveHandle { Hidden, Shown };

class StatusForm {
public:
    explicit StatusForm(App& app) : app_(app) {}

    void create();

    // Bar heights and the desktop toolbar.
    void large_bar();                          // `Button1`
    void set_bar_height(int height, MoveHandle); // `smallbar`, `tinybar`
    void no_bar();                             // `nobar`
    void undock();                             // `Button3`

    // The hint bar and the two web views.
    void rebuild_hint_bar();                   // `settopmess`
    void status_text_changed(std::string_view text);
    void new_window_requested(bool& cancel);

    // The application's message filter: true when the message is handled and
    // must not reach the form it was meant for.
    bool application_message(MouseButton, ButtonAction);

    // The small commands and pointer handlers.
    void count_drag();                         // `Timer2`
    void restore_near_corner();                // `resetomb`
    void capture_mouse();                      // `Button5`
    void release_mouse();                      // `Button6`
    void choose_swatch_colour(ui::Control& swatch); // `mup`, `mdown`
    void hide_panel25();                       // `Panel25`, `srfboard`
    void pop_up_options_menu();                // pointing at `Label9`
    void show_form_count();                    // a press on `Image5`

private:
    void open_pages();
    void show_hint_labels();
    void dock_at_top();
    std::string program_folder() const;
    Size screen() const { return app_.platform().screen_size(); }

    App& app_;
};

} // namespace tv
