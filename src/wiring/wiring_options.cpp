// The options form's bindings: switches and groups, the menu items the menu
// binding in wiring.cpp leaves, the tray icon, the Explorer verbs, the help
// view and the file command panel.
#include "wiring/wiring.h"

#include "board/form_main.h"
#include "settings/shell_verbs.h"

namespace tv {

void Wiring::bind_options_form(TFormMain& f)
{
    Platform& p = app_.platform();
    f.srfbl.on_click = [this] { options_form_.typamo_clicked(); };
    f.sbbl.on_click = [this] { options_form_.glidamo_clicked(); };
    f.cdbl.on_click = [this] { options_form_.quick_menu_clicked(); };
    f.N2qq.on_click = [this] { options_form_.quick_right_clicked(); };
    for (ui::Check* c : {&f.helpid, &f.netid, &f.freeid})
        c->on_click = [this, c] { options_form_.start_page_clicked(*c); };
    for (ui::Check* c : {&f.smallid, &f.midid, &f.bigid})
        c->on_click = [this, c] { options_form_.bar_size_clicked(*c); };
    f.N8.on_click = [this] { options_menu_.show_messages(); };
    f.N9.on_click = [this] { options_menu_.restart_glidamo(); };
    f.N10.on_click = [this] { options_menu_.restart_typamo(); };
    f.N11.on_click = f.Button8.on_click = [this] { options_form_.open_settings(); };

    f.CheckBox1.on_click = [this, &f] { tray_icon_.tray_option_changed(f); };
    f.RadioButton1.on_click = [this, &f] { tray_icon_.picture_chosen(f, true); };
    f.RadioButton2.on_click = [this, &f] { tray_icon_.picture_chosen(f, false); };
    f.ToggleState1.on_click = [this, &f] { tray_icon_.toggle_picture(f); };
    f.on_tray = [this, &f](std::uint32_t message) { tray_icon_.message(f, message); };

    // "轻松打开" brings "加密保存" with it; removing takes both.
    f.Button4.on_click = [&p] { shell_verbs::register_lock(p); };
    f.Button5.on_click = [&p] { shell_verbs::remove_lock(p); };
    f.Button2.on_click = [&p, &f] { shell_verbs::register_open(p); f.Button4.click(); };
    f.Button3.on_click = [&p, &f] { shell_verbs::remove_open(p); f.Button5.click(); };
    // The run's end: the verbs and the icon go. Only the form itself is used:
    // the App no longer hands it out while it is being destroyed.
    f.on_destroy = [this, &f] {
        f.Button3.click();
        tray_icon_.remove(f);
    };

    f.Label3.on_click = f.Label7.on_click = [this] { options_form_.show_help_centre(); };
    f.Label8.on_click = [&f] { f.CppWebBrowser1.go_back(); };
    f.Label9.on_click = [&f] { f.CppWebBrowser1.go_forward(); };
    f.Label6.on_click = [this] { options_form_.go_web(); };
    f.Button1.on_click = [this] { options_form_.hide(); };
    f.Panel2.on_hover = f.Panel4.on_hover = [this] { options_form_.hide(); };
    f.CppWebBrowser1.StatusTextChange = [this](std::string_view t) { options_form_.status_text_changed(t); };
    f.CppWebBrowser1.NewWindow2 = [this](bool& cancel) { options_form_.new_window_requested(cancel); };
    f.Timer1.on_timer = [this] { options_form_.tick(); };

    f.Button6.on_click = [this] { file_command_panel_.lock(); };
    f.Button7.on_click = [this] { file_command_panel_.unlock(); };
    f.Button9.on_click = [this] { file_command_panel_.hide(); };

    options_form_.create();
    tray_icon_.create(f);
    f.Button2.click();
}

} // namespace tv
