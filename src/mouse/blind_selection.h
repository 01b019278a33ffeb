// Blind candidate selection: while a Chinese input method composes, the home
// row picks its candidates. The input hook turns the letters into candidate
// keys; this side, run as sections of the main loop's tick, keeps the
// selection's state, finds the composition window on the screen, tells the
// hook and the other timers through the keyboard-event cell what is in force,
// and sends the few keys that commit or leave a selection (Enter, Space,
// Backspace, Ctrl+Space).
//
// The state: 0 idle; 1 selecting (Space); 2 a selection the program opened
// after a Space; 101 continuous selection (; twice, or L held); 102 M held.
// Values above 99 are the latched group. `kxm.Panel17` mirrors it at the start
// of each tick's rules; `kxm.Panel1` reads "close" while an input method is
// active and "open" otherwise.
#pragma once

#include "core/app.h"
#include "mouse/key_history.h"

#include <array>
#include <string>

namespace tv {

class BlindSelection {
public:
    BlindSelection(App&, KeyHistory&);

    // Outside a Microsoft Pinyin input method the state is 0; the mirror is
    // written and the main form's key map refreshed.
    void reset_state();
    // After the key history took the keyboard cell: the tick's copy of its
    // four newest entries, and the continuous-selection entries (; twice, a
    // commit after "1", a letter after N in the latched group).
    void continuous_selection();
    // Space held: the anchor follows the composition window.
    void anchor_follows_space();
    // The left button went down: the composition window is forgotten.
    void forget_window() { window_ = 0; }
    // The rules that end the tick.
    void end_of_tick();
    // The pointer stood still two seconds: no board is owed any more.
    void mouse_still() { show_board_once_ = false; }

    int state() const { return state_; }
    Point anchor() const { return anchor_; }

    static constexpr int kLatched = 99; // states above it are the latched group

private:
    struct Tick {
        std::string name;        // the input-method name, `kxm.Panel7`
        bool new_letter = false;
        bool digit_or_space = false;
        bool space_token = false; // the cell holds Space's key token
        bool active = false;     // an input method is active (after the name's refresh)
        Hwnd status_window = 0;  // the Unispim status window
    };

    // blind_selection.cpp
    std::string cell() const;
    std::string prefix() const;
    void set_cell(std::string_view);
    bool pinyin(const Tick&) const;
    void mark_consumed();
    void write_mirror(std::string_view);
    void refresh_name();
    void letter_key(Tick&);
    void shift_taps(const Tick&);
    void shift_alone(const Tick&);
    bool latch(const Tick&);
    void latch_by_semicolon();
    void selection_board();
    void n_key();

    // blind_selection_rules.cpp
    void active_rules(Tick&);
    void space_rules(const Tick&);
    void held_key_rules(const Tick&);
    void learn_class();
    void composing_rules(Tick&);
    void commit_rules(const Tick&);
    void keep_rules(const Tick&);
    void search_rules(const Tick&);
    void describe_windows(Hwnd foreground);

    // blind_selection_bar.cpp
    void bar_and_end(const Tick&);
    void bar_with_window();
    void bar_without_window(const Tick&);
    std::string describe(Hwnd) const;

    App& app_;
    Platform& platform_;
    KeyHistory& history_;
    int state_ = 0;
    Hwnd window_ = 0;      // the composition window the search found
    Point anchor_;         // inside it: left + 15, top + 35
    bool anchor_known_ = false; // a composition window was found at least once
    bool show_board_once_ = false;
    // The Space press that opened a selection (state 1) is still down: it
    // neither commits nor leaves the selection it opened.
    bool opening_space_ = false;
    std::array<std::string, 4> entries_; // the tick's copy of the newest history entries
    KeyboardLayout known_layout_ = 0;    // the layout last asked about, and its name
    bool layout_asked_ = false;
    std::string known_name_;
};

} // namespace tv
