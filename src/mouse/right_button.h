// The right-button dispatch (`ombrel.right2`), run at the start of every
// mode-engine tick: the super right-click.
//
// While the right button is held it records where it was pressed and over
// which window; while the left button is held it remembers the window in front
// as the return window. A right release the hook reported ("rightup" in the
// mouse-event cell) is consumed ("xx rightup ok") and acts by the wheel mode:
// the auto wheel presses Enter (with the sibling browser in front it asks the
// browser to close the page instead), the quick wheel opens the 3D pad at the
// pointer, the task wheel opens the task menu (or, with the sibling browser in
// front, the escape menu to leave the web), the normal wheel leaves the release
// to the application. A release not taken so (one of the program's settings
// forms or the pad in front) still presses Enter on an open menu while the
// navigation panel is shown. While the pad is shown the release is left alone:
// the pad's own timer answers it.
#pragma once

#include "core/app.h"

#include <string>

namespace tv {

class RightButton {
public:
    explicit RightButton(App&);

    // `ombrel.right2`
    void dispatch();

private:
    void record_right_press(Point);
    void remember_return_window();
    bool takes_release() const;
    void super_right_click(Point);
    void take_release(Point);
    void auto_wheel_release();
    void quick_wheel_release(Point);
    void task_wheel_release();
    void leave_web_menu();
    void enter_on_menu();
    void open_pad(Point);
    bool in_front(const ui::Form&) const;

    App& app_;
    Platform& platform_;
    std::string top_class_; // the top window's class as the dispatch began
    bool home_address_given_ = false; // once per run
};

} // namespace tv
