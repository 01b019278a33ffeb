// The main loop: the 50 ms tick of the main form and its 100 ms still counter.
//
// Each tick reads the cells the input hook, the sibling browser and the other
// forms wrote, acts, and overwrites what it consumed. The sections that belong
// to other behaviours (the wheel dispatch, the input-method companion, the edit
// keyboard) are hand-over points: they run where the tick's order puts them.
#pragma once

#include "core/app.h"
#include "core/startup.h"
#include "core/tick_cost.h"
#include "mouse/key_history.h"

#include <functional>

namespace tv {

// The sections of the tick that other behaviours fill; an empty one is skipped.
struct MainLoopSections {
    // The rest of a tick whose mouse-event cell holds a wheel notch; consumes it.
    std::function<void()> wheel_dispatch;
    // Space held: the input-method window's anchor follows it.
    std::function<void()> ime_anchor;
    // The input-method picker opens ("key--show ime").
    std::function<void()> open_picker;
    // The blind-selection reset and the selection bar text (no-wheel path).
    std::function<void()> blind_state_reset;
    // The edit-keyboard rules and the continuous-selection rules, around the
    // key history update.
    std::function<void()> edit_keyboard_rules;
    std::function<void()> continuous_selection_rules;
    // The Caps Lock rules of the edit keyboard.
    std::function<void()> caps_lock_rules;
    // The left button went down: the input-method window is forgotten.
    std::function<void()> forget_ime_window;
    // The input-method rules that end the tick.
    std::function<void()> input_method_rules;
    // The mouse stood still two seconds: the selection board may show again.
    std::function<void()> mouse_still;
};

class MainLoop {
public:
    explicit MainLoop(App&);

    void tick();
    void still_tick();

    const TickCost& tick_cost() const { return tick_cost_; }

    MainLoopSections sections;
    Hwnd point_window() const { return point_window_; }
    int still_count() const { return still_count_; }

private:
    void run_tick();
    bool clipboard_search();
    void leave_web_switch();
    void right_release_parks_escape_menu();
    void click_after_menu_warning();
    void popup_test_after_release();
    void right_button_parks_escape_menu();
    void escape_opens_escape_menu();
    void right_in_normal_wheel();
    void keep_engines_running();
    void file_command_from_sibling();
    void picker_request();
    void diagnostics();
    void title_repair();
    void double_ctrl_starts_easy_drag();
    void menu_housekeeping();
    void startup_and_settings();
    bool no_wheel_path();
    bool key_gestures();
    void alt_then_windows_second_chance();
    void left_button();
    void run(const std::function<void()>& section) const;

    App& app_;
    Platform& platform_;
    KeyHistory history_;
    std::string title_value_;
    StartupCompletion startup_;
    Point cursor_;
    Hwnd point_window_ = 0;
    bool left_pressed_[2] = {false, false};
    std::string ime_description_;
    int still_count_ = 0;
    int still_toggle_ = 0;
    TickCost tick_cost_;
};

} // namespace tv
