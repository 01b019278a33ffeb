// The status form's 100 ms timer: diagnostics, the two caption histories, the
// right release in a slow wheel, closing menus after the Windows key, the menu
// tip, the results of a drag, the address under the pointer, and keeping the
// bar on top of the desktop at (0, 0).
#pragma once

#include "core/app.h"

namespace tv {

class Tlifeform;

class StatusTimer {
public:
    explicit StatusTimer(App& app) : app_(app), platform_(app.platform()) {}

    // `lifeform.Timer1`.
    void tick();

private:
    void diagnostics();
    void ctrl_function_taken();
    void caption_histories();
    void right_release_in_slow_wheel();
    void menu_close_by_windows_key();
    void menu_tip();
    void drag_echo();
    void mirror_caption();
    void address_under_pointer();
    void candidate_window();
    void keep_bar_on_top();
    bool others_may_cover_bar() const;
    bool other_program_over_bar(Hwnd front) const;
    static void restack_bar_on_top(Tlifeform& bar);

    App& app_;
    Platform& platform_;
    int menu_close_flag_ = 0;
    // The released Windows key has already been answered with one Esc.
    bool windows_release_answered_ = false;
};

} // namespace tv
