// The form `setform`: the settings form. It shows the editable copy of the
// settings list, edits one line at a time through `Edit1`, picks colours with
// the colour dialog and previews the movement colours.
#pragma once

#include "ui/form.h"

namespace tv {

class Tsetform : public ui::Form {
public:
    Tsetform(Platform&, ui::CellObserver*);
    // The settings list as the form offers it first: every line with its default value.
    static std::vector<std::string> default_items();

    // Height of one item of `ListBox1`: the item under the pointer is found by it.
    static constexpr int kItemHeight = 16;
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 470;

    // The editable copy of the settings list: the built-in lines until start-up
    // completion replaces them by the runtime list, once; "保存" writes it to the file.
    ui::ListBox ListBox1;
    ui::Edit Edit1;     // a line's value or the hint for the line pointed at; typing there edits the line
    ui::Button Button1; // "保存"
    ui::Button Button2; // "返回"
    // Opens the form: on top and in front, the main timers stopped, the
    // preview running. The main loop and the browser form run it.
    ui::Button cmdopen;

    // Colour samples of lines 14 to 21 and the labels that show text colours;
    // the mode engine colours the bar and hints from cup, cdown, cleft, cright.
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
    // "自动": the hint colour follows the movement direction while ticked (the mode engine reads them).
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

    ui::Timer Timer1; // the 100 ms colour preview while the form is open

    bool editable_copy_filled = false; // the runtime list has replaced the built-in lines

    // The sample panel of a colour line (14 to 21), and for lines 18 to 21 the
    // sample label whose text shows the colour; none for other lines.
    ui::Panel* sample_of_line(std::size_t line);
    ui::Label* label_of_line(std::size_t line);

private:
    void lay_out();
};

} // namespace tv
