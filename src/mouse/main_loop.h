// The main loop: the 50 ms tick of the main form and its 100 ms still counter.
//
// Each tick reads the cells the input hook, the sibling browser and the other
// forms wrote, acts, and overwrites what it consumed. A tick whose mouse-event
// cell holds a wheel notch ends in the wheel dispatch. The places where the
// input-method companion and the edit keyboard will act are named below; they
// do nothing yet.
#pragma once

#include "core/app.h"
#include "core/startup.h"
#include "mouse/blind_selection.h"
#include "mouse/edit_keyboard.h"
#include "mouse/key_history.h"

namespace tv {

class MainLoop {
public:
    explicit MainLoop(App&);

    // `pyoil.Timer1`, 50 ms; what it costs goes to `pyoil.main_loop_cost`.
    void tick();
    // `pyoil.Timer2`, 100 ms: counts how long the pointer stands still.
    void still_tick();
    // The edit keyboard, whose rules run in the tick; its bar's pointer handler.
    EditKeyboard& edit_keyboard() { return edit_keyboard_; }

private:
    // The input-method companion and the edit keyboard act here; of these only the picker opens so far.
    void ime_anchor_follows_space();           // Space held: the input-method window's anchor follows it
    void open_picker();                        // "key--show ime": the input-method picker opens (main_loop_picker.cpp)
    void blind_state_reset();                  // the blind selection's reset and the selection bar text
    bool edit_keyboard_rules();                // before the key history takes the keyboard cell; false ends the tick
    void continuous_selection_rules();         // after it
    void caps_lock_rules();                    // Caps Lock released twice opens the keyboard mouse pad
    void forget_ime_window();                  // the left button went down
    void input_method_rules();                 // the rules that end the tick
    void mouse_still();                        // the pointer stood still two seconds: the selection board may show

    void run_tick();
    bool clipboard_search();
    void leave_web_switch();
    void right_release_parks_escape_menu();
    void click_after_menu_warning();
    void popup_test_after_release();
    void right_button_parks_escape_menu();
    void escape_opens_escape_menu();
    bool take_escape_press();
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

    App& app_;
    Platform& platform_;
    KeyHistory history_;
    BlindSelection blind_{app_, history_}; // the blind candidate selection (main_loop_blind.cpp)
    std::string title_value_;
    StartupCompletion startup_;
    Point cursor_;
    Hwnd point_window_ = 0;
    bool left_pressed_[2] = {false, false};
    std::string ime_description_;
    int still_count_ = 0;
    int still_toggle_ = 0;
    EditKeyboard edit_keyboard_;
};

} // namespace tv
