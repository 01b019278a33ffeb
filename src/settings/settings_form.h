// What the settings form `setform` does: opened, it stops the main timers and
// previews the movement colours; pointing at a line of the editable copy shows
// what it is for, a press shows its value in `Edit1` or stores what was typed
// there; colour lines open the colour dialog; "保存" writes the list, "返回"
// does not, and both run the main timers again.
#pragma once

#include "core/app.h"

#include <string_view>

namespace tv {

class SettingsForm {
public:
    explicit SettingsForm(App& app) : app_(app) {}

    // Shows the form on top, in front, and starts the colour preview.
    void open();

    // Closing: "保存" writes the editable copy first, "返回" does not.
    enum class Write { No, Yes };
    void close(Write);

    // Editing (settings_editing.cpp).
    void point_at(Point);           // every pointer move over the form
    void press_item();              // a press on the list
    void edit_pressed();            // a press on `Edit1`
    void key_typed();               // a key down in `Edit1`
    void hint_colour_box_clicked(ui::Check& box);    // `cwheelid`, `crightid`
    void file_sample_pointed(const ui::Control& sample); // `Panel7`, `Panel8`, `Panel10`, `Image6`

    // Preview (settings_preview.cpp).
    void preview_tick();            // `Timer1`
    void colour_sample_pointed(const ui::Control& sample); // `Panel2` to `Panel5`
    void show_line14_in_panel1();   // `Panel1`

private:
    void show_hint(std::string_view hint);
    void untick_to_fixed_colour(ui::Check& box, std::size_t line, ui::Label& sample);
    void colour_movetip_from_line(std::size_t line);
    void set_main_timers(bool running);
    void point_at_item(int index);
    void show_item_in_edit(std::size_t line);
    void apply_pending_edit(std::size_t line);
    void choose_line_colour(std::size_t line);
    void forget_position();

    App& app_;
    int pointed_item_ = -1;
    bool edit_pending_ = false;
    Point last_position_{-100, -100};
};

} // namespace tv
