// The form `setform`: the settings form. It shows the editable copy of the
// settings list (`ListBox1`), edits one line at a time through `Edit1`, picks
// colours with the colour dialog and previews the movement colours.
#pragma once

#include "core/app_form.h"

#include <functional>
#include <optional>

namespace tv {

class Tsetform : public AppForm {
public:
    explicit Tsetform(App&);

    // Height of one item of `ListBox1`: the item under the pointer is found by it.
    static constexpr int kItemHeight = 16;

    // Shows the form on top, in front, and starts the colour preview.
    void open();

    // The main loop's timers (the main form's 50 ms loop, the browser form's
    // mode engine, the status form's timer): stopped while the form is open,
    // enabled again by both buttons. Wired by the main form.
    std::function<void()> stop_main_timers;
    std::function<void()> restart_main_timers;
    // The task manager's `sbid` command: switches the mouse companion on when
    // it is off as the form closes.
    std::function<void()> switch_mouse_companion;

    // The sample of a colour line (14 to 21) takes the colour; for lines 18 to
    // 21 the text of its sample label too. Other lines are ignored.
    void show_line_colour(std::size_t line, std::uint32_t colour);
    // Replaces the editable copy by the runtime list the first time only.
    void fill_editable_copy_once(const std::vector<std::string>& runtime_items);

    ui::ListBox ListBox1; // the editable copy
    ui::Edit Edit1;
    ui::Button Button1; // "保存"
    ui::Button Button2; // "返回"

    // Colour samples of lines 14 to 21 and the labels that show text colours.
    ui::Panel cup;
    ui::Panel cdown;
    ui::Panel cleft;
    ui::Panel cright;
    ui::Panel ctitle;
    ui::Panel ctimes;
    ui::Panel cwheel;
    ui::Panel cmr;
    ui::Label mtitle;
    ui::Label mtimes;
    ui::Label mwheel;
    ui::Label mmr;
    // "自动": the hint colour follows the movement direction while ticked.
    ui::Check cwheelid;
    ui::Check crightid;

    ui::Panel movetip; // the movement preview
    ui::Panel Panel1;
    ui::Panel Panel2;
    ui::Panel Panel3;
    ui::Panel Panel4;
    ui::Panel Panel5;
    ui::Panel Panel7;
    ui::Panel Panel8;
    ui::Panel Panel10;
    ui::Panel Image6; // the background picture sample

    // WindowEvents: the pointer selects list items; keys go to `Edit1` once it has the focus.
    void on_mouse_move(Point) override;
    void on_key(int vk, KeyAction) override;

private:
    void lay_out();
    void wire();

    // Closing: "保存" writes the editable copy first, "返回" does not.
    enum class Write { No, Yes };
    void close_settings(Write);

    // Editing (setform_editing.cpp).
    void point_at_item(int index);
    void press_item();
    void show_item_in_edit(std::size_t line);
    void apply_pending_edit(std::size_t line);
    void choose_line_colour(std::size_t line);
    void untick_to_fixed_colour(ui::Check& box, std::size_t line, ui::Label& sample);
    void show_hint(std::string_view hint);
    ui::Panel* sample_of_line(std::size_t line);
    ui::Label* label_of_line(std::size_t line);

    // Preview (setform_preview.cpp).
    void preview_tick();
    void forget_position();
    void colour_movetip_from_line(std::size_t line);
    void show_line14_in_panel1();

    ui::Timer Timer1; // the 100 ms colour preview

    int pointed_item_ = -1;
    bool edit_pending_ = false;
    bool edit_focused_ = false;
    bool editable_copy_filled_ = false;
    Point last_position_;
};

} // namespace tv
