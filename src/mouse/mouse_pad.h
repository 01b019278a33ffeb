// The 3D mouse pad (`m3d`): a 64 x 64 topmost pad at the pointer that acts on
// the target window, the window just above and to the left of it.
//
// Pointing at a part chooses a function and writes its hints into the status
// form; a left press performs it (arrow and page keys, a wheel notch posted to
// the target, the sibling browser's pages, automatic scrolling); a right
// release performs its second action on the next tick of the pad's timer. The
// pad keeps itself on top and closes when the pointer touches a strip.
//
// The opening belongs to the quick wheel's right button: it shows the pad
// topmost at the pointer and switches `m3d.Timer1` on.
#pragma once

#include "core/app.h"

#include <string>

namespace tv {

// The pad's automatic scrolling speed: the speed setting, negated upwards; in a
// word-processor page ("_WwG") 10 becomes 1 and the speed is multiplied by a
// factor from the target's height (down 8, 11, 15; up 6, 8, 10 for heights
// below 400, below 600 and above; a negative height gives height x 10 / 600).
int pad_scroll_speed(int setting, bool upwards, bool word_page, int target_height);

class MousePad {
public:
    explicit MousePad(App&);

    // `m3d.on_pointer_moved`: the part under the pointer chooses the function.
    void pointer_moved(Point client);
    // A part's left press (the press point is the form's pointer).
    void part_pressed(const ui::Control& part, MouseButton);
    // `Panel25`'s release: the left button pressed there starts scrolling down.
    void auto_bar_released(MouseButton);
    // `m3d.Timer1`, 100 ms.
    void tick();
    // Hide and park the pad, stop its timer, start the main loop's, the mode
    // engine's and the status form's timers.
    void close();

    // What pointing at a part chooses and tells (defined with the table of parts).
    struct Choice;

private:
    void choose(const Choice&);
    void write_button_line(std::string_view line);
    void press_slot_or_bar(const ui::Control& part, Point rel);
    void post_wheel(int delta);
    bool take_target_for_press();
    void bring_target_to_front();
    Point target_point() const;

    void right_release();
    void take_targets();
    void stop_scroll_on_left_click();
    void diagnostics();
    void stay_on_top();
    void start_auto_scroll(bool upwards);
    void release_middle_outside_word_page();

    App& app_;
    Platform& platform_;
    std::string function_; // "up", "down", "left", "right", "pageup", "pagedown", "wheel", "autoup"; "" before the first move
    int key_ = 0;
    int wheel_delta_ = 0;
    Hwnd target_ = 0;      // the point window at the target point, taken on every tick
    Hwnd root_target_ = 0; // its root, taken on a tick while the left button is held
    bool scrolling_ = false; // an automatic scroll started from the pad runs
    Point anchor_;           // where the pointer was when it started
    long ticks_ = 0;
    bool auto_bar_pressed_ = false; // the left button went down on the auto bar and is not up yet
};

} // namespace tv
