// The status form's and the settings form's bindings: the two forms with the
// most commands and handlers.
#include "wiring/wiring.h"

#include "board/lifeform.h"
#include "board/setform.h"

namespace tv {

void Wiring::created(Tlifeform& f)
{
    f.Timer1.on_timer = [this] { status_timer_.tick(); };
    f.Timer2.on_timer = [this] { status_form_.count_drag(); };
    f.settopmess.on_click = [this] { status_form_.rebuild_hint_bar(); };
    f.Button1.on_click = [this] { status_form_.large_bar(); };
    f.smallbar.on_click = [this] { status_form_.set_bar_height(32, MoveHandle::Hidden); };
    f.tinybar.on_click = [this] { status_form_.set_bar_height(5, MoveHandle::Shown); };
    f.nobar.on_click = [this] { status_form_.no_bar(); };
    f.Button3.on_click = [this] { status_form_.undock(); };
    f.resetomb.on_click = [this] { status_form_.restore_near_corner(); };
    f.Button5.on_click = [this] { status_form_.capture_mouse(); };
    f.Button6.on_click = [this] { status_form_.release_mouse(); };
    f.mup.on_click = [this, &f] { status_form_.choose_swatch_colour(f.mup); };
    f.mdown.on_click = [this, &f] { status_form_.choose_swatch_colour(f.mdown); };
    f.Panel25.on_click = f.srfboard.on_click = [this] { status_form_.hide_panel25(); };
    f.Label9.on_hover = [this] { status_form_.pop_up_options_menu(); };
    f.Image5.on_press = [this](MouseButton) { status_form_.show_form_count(); };
    for (ui::WebView* view : {&f.CppWebBrowser1, &f.CppWebBrowser2}) {
        view->StatusTextChange = [this](std::string_view text) { status_form_.status_text_changed(text); };
        view->NewWindow2 = [this](bool& cancel) { status_form_.new_window_requested(cancel); };
    }
    status_form_.create();
    status_form_created_ = true;
}

void Wiring::created(Tsetform& f)
{
    f.Timer1.on_timer = [this] { settings_form_.preview_tick(); };
    // The close box leaves the form as "返回" does: nothing written, the main timers running again.
    f.on_close = [this] { settings_form_.close(SettingsForm::Write::No); };
    f.on_pointer_moved = [this](Point p) { settings_form_.point_at(p); };
    f.ListBox1.on_press = [this](MouseButton) { settings_form_.press_item(); };
    f.Edit1.on_press = [this](MouseButton) { settings_form_.edit_pressed(); };
    f.Edit1.on_key = [this](int) { settings_form_.key_typed(); };
    f.cmdopen.on_click = [this] { settings_form_.open(); };
    f.Button1.on_click = [this] { settings_form_.close(SettingsForm::Write::Yes); };
    f.Button2.on_click = [this] { settings_form_.close(SettingsForm::Write::No); };
    for (ui::Check* box : {&f.cwheelid, &f.crightid})
        box->on_click = [this, box] { settings_form_.hint_colour_box_clicked(*box); };
    for (ui::Control* sample : std::initializer_list<ui::Control*>{&f.Panel7, &f.Panel8, &f.Panel10, &f.Image6})
        sample->on_hover = [this, sample] { settings_form_.file_sample_pointed(*sample); };
    for (ui::Panel* sample : {&f.Panel2, &f.Panel3, &f.Panel4, &f.Panel5})
        sample->on_hover = [this, sample] { settings_form_.colour_sample_pointed(*sample); };
    f.Panel1.on_click = [this] { settings_form_.show_line14_in_panel1(); };
}

} // namespace tv
