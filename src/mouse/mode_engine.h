// The wheel-mode engine: the browser form's 40 ms tick.
//
// The direction in which the mouse was last moved selects the wheel mode: left
// the task wheel, right the normal wheel, up the auto wheel, down the quick
// wheel. Each tick compares the two newest pointer samples of the movement
// history (`ombrel.LBox2` for x, `ombrel.LBox3` for y, newest first), writes
// the mode, its token and its hints into the state board, and samples the
// pointer again. It also runs, in their places in the tick, the right-button
// dispatch (`ombrel.right2`), a few diagnostics and small duties, and the
// parts of automatic scrolling and of the browser that live on this timer.
#pragma once

#include "board/cells.h"
#include "core/app.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tv {

class ModeEngine {
public:
    explicit ModeEngine(App&);

    // `ombrel.Timer1`, 40 ms; what it costs goes to `ombrel.mode_engine_cost`.
    void tick();

private:
    // Automatic scrolling and the browser act at the end of the tick
    // (automatic scrolling in mode_engine_auto_scroll.cpp).
    void auto_scroll_stop_tests(); // a left click, both buttons, the sibling's page end
    void probe_page_end();
    int page_end_row() const;
    // The pending wheel scroll: when it is set and the left button is held,
    // completes it and answers true; the browser's housekeeping then waits.
    bool complete_pending_wheel_scroll();
    // The pop-up check, the empty-page removal, the strip repair, the sibling
    // browser's title commands and the two address handovers.
    void browser_housekeeping(); // mode_engine_browser.cpp


    // Items 0 and 1 of the movement lists as read at the start of the tick.
    struct Samples {
        std::string x0, y0, x1, y1;
        std::string newest; // x0 "," y0; "0,0" while the keyboard holds the mode
        std::string previous;
    };

    void run_tick();
    Samples read_samples() const;
    void pad_keys_restart_engines();
    void left_button_returns_to_normal();
    bool keyboard_holds_mode();
    bool selection_allowed(const Samples&) const;
    bool menu_hint();
    std::optional<wheel::Mode> selected_mode(const Samples&);
    void mark_vertical_edge();
    void sample_pointer(const Samples&);
    void finish_tick();

    // The small duties of every tick (mode_engine_duties.cpp).
    void per_tick_duties();
    void report_taskbar();
    void restore_minimised_program_window();
    void write_diagnostic_lines();
    void keep_top_class_for_key_pad();
    void park_navigation_panel_unless_pointed_at();
    void probe_classes_for_quick_menu();

    // Applying a selected mode (mode_apply.cpp).
    enum class Collapse { No, Yes };
    enum class Marks { Scroll, Page };
    void apply(wheel::Mode);
    void apply_three_speed_part(wheel::Mode, Collapse);
    void paint_direction(wheel::Mode);
    void name_mode_unless_system_menu(wheel::Mode);
    void count_menu_elsewhere(wheel::Mode, Collapse);
    bool menu_elsewhere() const;
    void use_up_movement();
    void write_hints(wheel::Mode);
    void write_hint_lines(std::string_view wheel_line, std::string_view button_line);
    void mark_super_right_click();
    void show_marks(Marks);
    void first_hints();
    void forget_movement();

    App& app_;
    Platform& platform_;
    Point cursor_;                  // read once after the right-button dispatch
    bool taskbar_found_ = false;    // this tick's screen scan for the taskbar toolbar
    std::array<int, 4> menu_elsewhere_counts_{}; // one per mode
    const int scroll_arrow_height_; // SM_CYVSCROLL, read once at start-up
    bool hints_written_ = false;    // the first tick shows the hints of the named mode
};

} // namespace tv
