// What the options form `FormMain` does: its option switches (the two
// companions, the quick menu and the quick right button with their caption
// marks, the start page and the bar size), its help view and close marks, and
// the way to the settings form.
#pragma once

#include "core/app.h"

#include <string>
#include <string_view>

namespace tv {

class OptionsForm {
public:
    explicit OptionsForm(App& app) : app_(app) {}

    // Creation: the form parked, the help page in its view, the created height.
    void create();

    // Option clicks: the tick is already the new state.
    void typamo_clicked();     // `srfbl`
    void glidamo_clicked();    // `sbbl`
    void quick_menu_clicked(); // `cdbl`: caption mark, line 23, saved at once
    void quick_right_clicked(); // `N2qq`: caption mark, line 22, saved at once
    // A click in the start-page or bar-size group: the chosen button, then
    // lines 11 and 12 stored, the task manager's size command, the list saved.
    void start_page_clicked(ui::Check& chosen);
    void bar_size_clicked(ui::Check& chosen);

    // The help view.
    void show_help_page();       // a click on the form: "adcenter.htm"
    void show_help_centre();     // `Label3`, `Label7`: "helpfree1.htm"
    void go_web();               // `Label6`: hidden, the task manager's web button
    void status_text_changed(std::string_view text); // the view's status text
    void new_window_requested(bool& cancel);
    void tick();                 // `Timer1`, 100 ms
    void hide();                 // `Button1`, the close marks

    // The settings form, on top of the options form.
    void open_settings();

private:
    void store_and_save(std::size_t line, std::string_view item);
    void store_groups();

    App& app_;
    std::string status_text_;
};

} // namespace tv
