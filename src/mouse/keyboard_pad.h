// The keyboard mouse pad (`kxm`): the keyboard drives the pointer.
//
// Caps Lock released twice opens the pad centred on the screen, topmost, with
// its 10 ms timer running; Caps Lock or N held closes it. The pointer sits 32
// pixels above and to the left of the pad's top-left corner and travels with
// it. Every 10 ms tick:
//   - the keyboard-event cell enters the key history and the caption of
//     `vykForm4` enters `kxm.ListBox2`;
//   - C, V, G or Space held parks the pad off the screen (its Left kept in
//     `oldleft`) so a click lands on what lies under the pointer;
//   - J, L, I, K held move the pad and the pointer 8 pixels (a parked pad comes
//     back first), wrapping at the screen's edges; the history's top becomes
//     "old--kkok";
//   - the arrow keys and S, F, E, D move them 2 pixels, unless a menu is on
//     top: then those keys belong to the menu;
//   - a typed key (the hook's press token on top of the history) acts once:
//     H closes the window under the pointer ("关闭"), Y holds the left button
//     down for a drag, Space clicks, M right-clicks, A G W X ; send the arrows
//     and Enter, T P cycle the tasks, O shows or hides the pad. Each writes its
//     mark over the history's top and the keyboard-event cell, so the same press
//     never acts twice however many ticks read it.
// With `FormMain.N2` unticked the pad keeps working with height 0.
#pragma once

#include "core/app.h"

#include <string>

namespace tv {

// The pad's corners cut round: for a window of `size`, the rows of the region
// (window coordinates) that keep every pixel whose centre lies within `radius`
// of its corner's circle centre. The radius is clamped to half the smaller
// side; 0 or less gives the whole rectangle.
WindowRegion rounded_region(Size size, int radius);
class Tkxm;
// The pad's window region: rounded_region at the pad's size and radius, for
// the DPI of the monitor it last opened on.
void round_pad_corners(Tkxm& pad);

// The hook's token for a press of `vk`: "key--" + code for letters, digits and
// Space, "old--" + code + "..0" for the other keys.
std::string press_token(int vk);

// Caps Lock released twice (the key history, newest first, "old--20up", any
// "old--" token, "old--20up", any "old--" token): the edit keyboard is on and
// the pad opens. Shift is released, Num Lock switched off (`kxm.Panel5`
// "on//off"), and the keyboard-event cell, `kxm.Panel4` and the caption of
// `modeform` become "key--cap", which also ends the gesture.
bool caps_lock_twice(App&);
void open_keyboard_pad(App&);
// Hide the pad, stop its timer, start the main loop's, the mode engine's and
// the status form's timers. Opening and closing tell the input hook
// (`pyoil.padtt`), which keeps the pad's keys from the applications while the
// pad is open.
void close_keyboard_pad(App&);

class KeyboardPad {
public:
    explicit KeyboardPad(App&);

    // At the form's creation: the help page and the rounded corners.
    void create();
    // `kxm.Timer1`, 10 ms, while the pad is open.
    void tick();
    // `kxm.Timer3`, 100 ms, always.
    void guard_tick();
    // `kxm.refresh`: something covers the pad (the task form is not shown):
    // the pad goes on top again where it is.
    void refresh();
    // `kxm.Button1`
    void round_corners();
    // close_keyboard_pad
    void close();

private:
    enum class Mark { None, Once, Task, Move };

    void take_histories();
    void answer_middle_release();
    void park_for_click();
    void held_movement_keys();
    void fine_movement_keys();
    void move(int dx, int dy);
    void typed_keys();
    Mark act_on(int vk);
    void close_window_under_pointer();
    void cycle_tasks(bool forward);
    void toggle_visibility();
    void mark(Mark, std::size_t entry);
    int shown_height() const;

    App& app_;
    Platform& platform_;
};

} // namespace tv
