#include "wiring/wiring.h"

#include "board/form_main.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "core/settings_list.h"
#include "core/sibling_channel.h"
#include "mouse/easy_drag.h"
#include "wiring/program.h"

namespace tv {

Wiring::Wiring(App& app)
    : app_(app), main_form_(app), main_loop_(app), options_menu_(app), start_command_(app), mode_engine_(app),
      status_form_(app), status_timer_(app), settings_form_(app), quick_commands_(app), right_button_(app)
{
}

void Wiring::created(Tpyoil& f)
{
    f.on_close = [this] { app_.end_program(0); };
    f.Timer1.on_timer = [this] { main_loop_.tick(); };
    f.Timer2.on_timer = [this] { main_loop_.still_tick(); };
    f.dispall.on_click = [this] { main_form_.shape_by_overlay(); };
    f.Button2.on_click = [this] { main_form_.shape_hide_and_park(); };
    f.Button1.on_click = [&f] { f.close(); };
    f.easydrag.on_click = [this] { start_easy_drag(app_); };
    f.srftt.on_click = [this] { main_form_.switch_keyboard_hook(); };
    f.sbtt.on_click = [this] { main_form_.switch_mouse_hook(); };
    f.padtt.on_click = [this] { main_form_.tell_hook_pad(); };
    f.keystt.on_click = [this] { main_form_.tell_hook_keys(); };
    f.Label2.on_click = [this] { main_form_.start_label_clicked(); };
    f.Label4.on_press = f.Label7.on_press = [this](MouseButton) { main_form_.pad_labels_pressed(); };
    f.Image1.on_release = f.Image4.on_release = [this](MouseButton b) { main_form_.picture_released(b); };
    f.ListBox3.on_select = [this] { main_form_.composition_class_chosen(); };
    bind_stand_aside(f);
    main_form_.create();
}

void Wiring::created(TFormMain& f)
{
    f.Shutdown1.on_click = [this] { options_menu_.close_program(); };
    f.N1.on_click = [this] { options_menu_.show_help(); };
    f.N3.on_click = [this] { options_menu_.three_speed_wheel(); };
    f.N2.on_click = [&f] { toggle(f.N2); };
    f.ff1.on_click = [this] { options_menu_.toolbar_settings(); };
    f.N4.on_click = [this] { options_menu_.bar_size(app_.lifeform().Button1); };
    f.N5.on_click = [this] { options_menu_.bar_size(app_.lifeform().smallbar); };
    f.N6.on_click = [this] { options_menu_.bar_size(app_.lifeform().tinybar); };
    f.N7.on_click = [this] { options_menu_.show_key_pad(); };
    bind_options_form(f);
    bind_stand_aside_menu(f);
    bind_browser_menu(f);
}

void Wiring::created(Tkxm& f)
{
    f.Timer1.on_timer = [this] { keyboard_pad_tick(); };
    bind_keyboard_pad(f);
}

void Wiring::created(Tregform& f)
{
    f.cmdstart.on_click = [this] { start_command_.run(); };
    f.Timer1.on_timer = [this] { start_command_.tick(); };
    settings::load_runtime_list(app_);
}

void Wiring::created(Tombrel& f)
{
    f.Timer1.on_timer = [this] { mode_engine_.tick(); };
    bind_auto_scroll(f);
    bind_right_button(f);
    bind_address_lists(f);
    bind_browser(f);
}

void Wiring::created(Ttaskform& f)
{
    // The web button: the news views and the window behind first, then the
    // sibling browser is brought up or started.
    f.pf4.on_click = [this] {
        task_manager_.open_internet();
        sibling::bring_up_or_start(app_);
    };
    f.pf9.on_click = [this] { app_.end_program(0); };
    bind_task_manager(f);
}

bool Wiring::application_message(MouseButton button, ButtonAction action)
{
    return status_form_created_ && status_form_.application_message(button, action);
}

Program::Program(Platform& platform, std::vector<std::string> args, ui::CellObserver* observer)
    : snapshot_(std::make_unique<TickSnapshot>(platform)),
      app_(std::make_unique<App>(*snapshot_, std::move(args), observer)), wiring_(std::make_unique<Wiring>(*app_))
{
}

// The forms go first: their handlers point into the behaviours.
Program::~Program() { app_->destroy_forms(); }

void Program::create_forms() { app_->create_forms(*wiring_); }

int Program::run() { return app_->run(*wiring_); }

} // namespace tv
