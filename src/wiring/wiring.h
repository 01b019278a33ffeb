// The composition root: owns every behaviour and binds it, as each form is
// created, to the form's timers, commands and handlers. Fixed wiring is a
// direct call; nothing here chooses at run time.
#pragma once

#include "core/app.h"
#include "core/start_command.h"
#include "browser/address_commands.h"
#include "browser/navigation_panel.h"
#include "browser/browser_form.h"
#include "ime/ime_picker.h"
#include "ime/input_mode.h"
#include "mouse/auto_scroll.h"
#include "mouse/main_form.h"
#include "mouse/main_loop.h"
#include "mouse/keyboard_pad.h"
#include "mouse/mode_engine.h"
#include "mouse/mouse_pad.h"
#include "mouse/quick_commands.h"
#include "mouse/right_button.h"
#include "mouse/stand_aside.h"
#include "panels/task_manager.h"
#include "settings/file_command_panel.h"
#include "settings/options_form.h"
#include "panels/escape_menu_form.h"
#include "panels/quick_menus.h"
#include "settings/options_menu.h"
#include "settings/tray_icon.h"
#include "settings/settings_form.h"
#include "statusbar/status_form.h"
#include "statusbar/status_timer.h"

namespace tv {

class Wiring : public FormBinder {
public:
    explicit Wiring(App&);

    void created(Tpyoil&) override;
    void created(TFormMain&) override;
    void created(Tkxm&) override;
    void created(Tmodeform&) override; // wiring_edit_keyboard.cpp
    void created(Tregform&) override;
    void created(Tinputmode&) override; // wiring_ime.cpp
    void created(TvykForm3&) override; // wiring_navigation.cpp
    void created(Tombrel&) override;
    void created(Trqmenu&) override;
    void created(Ttaskform&) override;
    void created(Tkxmm&) override;
    void created(Tlifeform&) override;
    void created(Tsetform&) override;
    void created(Tm3d&) override;
    void created(TsrfForm&) override; // wiring_ime.cpp
    void created(TvykForm4&) override {}
    void created(Timemess&) override {}
    void created(Tescmenu&) override;

    bool application_message(MouseButton, ButtonAction) override;

private:
    // The options form's switches, help view, tray icon, shell verbs and file
    // panel (wiring_options.cpp).
    void bind_options_form(TFormMain&);

    // Automatic scrolling's commands on the browser form (wiring_scroll.cpp).
    void bind_auto_scroll(Tombrel&);

    // The keyboard mouse pad's 10 ms work while it is open (`kxm.Timer1`).
    void keyboard_pad_tick();
    // The keyboard mouse pad's guard, commands and help page (wiring_keyboard_pad.cpp).
    void bind_keyboard_pad(Tkxm&);
    // The browser form's quick commands and right-button dispatch (wiring_right_button.cpp).
    void bind_right_button(Tombrel&);
    // The task form's list, keys, commands and bars (wiring_task_manager.cpp).
    void bind_task_manager(Ttaskform&);
    // The browser form's address list and the hand-overs its engine tick
    // takes (wiring_navigation.cpp).
    void bind_address_lists(Tombrel&);
    // The browser form's pages, strips, page panel and commands (wiring_browser.cpp).
    void bind_browser(Tombrel&);
    void bind_browser_views(Tombrel&);
    // Pause, the exclusion list and full-screen programs: the check's timer,
    // the pause command and hot key, the tray items (wiring_stand_aside.cpp).
    void bind_stand_aside(Tpyoil&);
    void bind_stand_aside_menu(TFormMain&);
    void bind_browser_menu(TFormMain&);

    App& app_;
    MainForm main_form_;
    MainLoop main_loop_;
    OptionsMenu options_menu_;
    StartCommand start_command_;
    ModeEngine mode_engine_;
    StatusForm status_form_;
    StatusTimer status_timer_;
    SettingsForm settings_form_;
    bool status_form_created_ = false;
    MousePad mouse_pad_{app_};
    AutoScrolling auto_scrolling_{app_};
    QuickCommands quick_commands_;
    RightButton right_button_;
    TaskManager task_manager_{app_};
    KeyboardPad keyboard_pad_{app_};
    OptionsForm options_form_{app_};
    TrayIconOwner tray_icon_{app_};
    FileCommandPanel file_command_panel_{app_};
    EscapeMenuForm escape_menu_form_{app_};
    QuickMenus quick_menus_{app_};
    InputMode input_mode_{app_};
    ImePicker ime_picker_{app_};
    // The browser: the browser form and its address commands meet here.
    AddressCommands address_commands_{app_, app_.platform()};
    NavigationPanel navigation_panel_{app_};
    BrowserForm browser_form_{app_, address_commands_};
    StandAside stand_aside_{app_};
};

} // namespace tv
