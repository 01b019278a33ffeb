#include "mouse/main_loop.h"

#include "board/cells.h"
#include "board/escmenu.h"
#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/modeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/srfform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/settings_list.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"
#include "mouse/escape_menu.h"
#include "mouse/wheel_dispatch.h"
#include "mouse/stand_aside.h"

#include <algorithm>

namespace tv {
namespace {

constexpr int kStillCountLimit = 100, kStillTicks = 20;

std::string number_text(long n) { return std::to_string(n); }
std::string flag_text(bool b) { return b ? "1" : "0"; }

} // namespace

MainLoop::MainLoop(App& app)
    : app_(app), platform_(app.platform()), history_(app), startup_(app, title_value_), edit_keyboard_(app)
{
}

void MainLoop::tick()
{
    app_.pyoil().main_loop_cost.measure(platform_, [this] {
        run_tick();
        app_.pyoil().keystt.click();
    });
}

void MainLoop::run_tick()
{
    if (stands_aside_everywhere(app_)) { // paused: start-up still completes, nothing else runs
        startup_and_settings();
        return;
    }
    if (!clipboard_search())
        return;
    leave_web_switch();
    right_release_parks_escape_menu();
    click_after_menu_warning();
    popup_test_after_release();
    right_button_parks_escape_menu();
    escape_opens_escape_menu();
    if (platform_.key_down(vk::kSpace))
        ime_anchor_follows_space();
    right_in_normal_wheel();
    app_.lifeform().Panel36.set_text(app_.m3d().caption());
    keep_engines_running();
    file_command_from_sibling();
    cursor_ = platform_.cursor_pos();
    picker_request();
    diagnostics();
    title_repair();
    double_ctrl_starts_easy_drag();
    menu_housekeeping();
    startup_and_settings();
    if (cell::starts_with(app_.vykForm3().caption(), token::kWheelNotch)) {
        dispatch_wheel_notch(app_);
        return;
    }
    if (!no_wheel_path())
        return;
    if (!key_gestures())
        return;
    if (!edit_keyboard_rules())
        return;
    history_.take_keyboard_cell();
    continuous_selection_rules();
    alt_then_windows_second_chance();
    caps_lock_rules();
    left_button();
    const std::string keyboard_cell = app_.pyoil().caption();
    app_.pyoil().Panel8.set_text(keyboard_cell);
    app_.pyoil().Panel9.set_text(keyboard_cell);
    input_method_rules();
}

// A selection the status bar copied ("----") is opened as an address by the
// sibling browser, or by the default browser when the sibling is missing. False when the clipboard cannot be opened: the tick ends.
bool MainLoop::clipboard_search()
{
    Tescmenu& menu = app_.escmenu();
    if (menu.Panel8.text() != "----")
        return true;
    menu.Panel8.set_text("菜单");
    const std::optional<std::string> text = platform_.clipboard_text();
    if (!text)
        return false;
    if (*text != "0") {
        menu.Edit1.set_text(*text);
        sibling::send(app_, "vykgonewurl=" + *text);
        platform_.sleep_ms(100);
        app_.taskform().pf4.click();
        if (sibling::missing(app_))
            sibling::open_in_default_browser(app_, *text);
    }
    return true;
}

void MainLoop::leave_web_switch()
{
    app_.escmenu().Panel8.set_text(sibling::main_window_shown(platform_) ? "下网" : "菜单");
}

void MainLoop::right_release_parks_escape_menu()
{
    Tescmenu& menu = app_.escmenu();
    if (cell::contains(menu.caption(), "rbuttonup") && left_shows_past_edge(menu))
        park(menu);
}

void MainLoop::click_after_menu_warning()
{
    Tm3d& pad = app_.m3d();
    if (cell::starts_with(app_.vykForm3().caption(), "down/") && pad.caption() == "old--pop")
        pad.set_caption("old--popxx");
}

// After any release the escape menu's caption records whether a pop-up was
// near the pointer: Esc then opens the menu only when none was.
void MainLoop::popup_test_after_release()
{
    Tescmenu& menu = app_.escmenu();
    const std::string caption = menu.caption();
    if (!cell::contains(caption, "buttonup"))
        return;
    const Point cursor = platform_.cursor_pos();
    const std::string text = classify::popup_neighbourhood_text(app_, cursor);
    app_.lifeform().Panel39.set_text(text);
    if (classify::contains_any(text, classify::kPopupNeighbourhoodClasses))
        menu.set_caption("old--pop");
    else
        menu.set_caption(std::string(cell::piece(caption, 1, 1)) + "old--xxpop");
}

void MainLoop::right_button_parks_escape_menu()
{
    Tescmenu& menu = app_.escmenu();
    if (platform_.key_down(vk::kRButton) && left_shows(menu)) {
        park(menu);
        menu.plan.hide();
    }
}

// Esc down now, or pressed and perhaps already released since the last tick.
void MainLoop::escape_opens_escape_menu()
{
    Tescmenu& menu = app_.escmenu();
    const bool pressed = take_escape_press();
    if (!cell::contains(menu.caption(), "old--xxpop") || !(pressed || platform_.key_down(vk::kEscape)))
        return;
    open_escape_menu(app_, {.panel8 = {}, .pointer = {240, 295}, .hide_browser = true});
}

// The hook's Esc latch: true once per press, on the first tick after it,
// whether or not that tick opens the menu.
bool MainLoop::take_escape_press()
{
    TsrfForm& latch = app_.srfForm();
    if (latch.caption() != token::kEscapePressed)
        return false;
    latch.set_caption(token::kEscapeTaken);
    return true;
}

void MainLoop::right_in_normal_wheel()
{
    if (platform_.key_down(vk::kRButton) && app_.lifeform().Label1.text() == "正常滚轮")
        app_.m3d().set_caption("old--pop");
}

void MainLoop::keep_engines_running()
{
    Tombrel& engine = app_.ombrel();
    const TvykForm3& navigation = app_.vykForm3();
    const bool navigation_hidden = !navigation.visible() || !left_shows(navigation);
    if (!engine.Timer1.enabled() && (!app_.taskform().visible() || navigation_hidden)) {
        engine.Timer1.set_enabled(true);
        app_.lifeform().Timer1.set_enabled(true);
    }
}

void MainLoop::file_command_from_sibling()
{
    const std::optional<std::string> path = sibling::take_request(app_, "filecmd=", "ok jmjm");
    if (!path)
        return;
    TFormMain& options = app_.FormMain();
    options.outpath.set_text(*path);
    options.show_near_top();
    platform_.set_cursor_pos({options.left() + 300, options.top() + 50});
    options.outcmd.show();
}

void MainLoop::picker_request()
{
    Tpyoil& pyoil = app_.pyoil();
    if (pyoil.caption() != "key--show ime")
        return;
    pyoil.set_caption("key--show ime ok");
    open_picker();
    pyoil.set_caption("key--imeok");
}

void MainLoop::diagnostics()
{
    app_.lifeform().Panel34.set_text(classify::top_class(platform_) + "//" + app_.FormMain().caption() + ".." +
                                     number_text(cursor_.x) + "//" + number_text(cursor_.y) + "[[=" +
                                     classify::class_at(platform_, cursor_) + "==" + app_.pyoil().ddstr.text());
}

// The title goes back into the hint bar once if something replaced it.
void MainLoop::title_repair()
{
    if (title_value_.empty())
        return;
    if (cell::contains(app_.lifeform().ListBox5.item(hint::kTitleLine), title_value_))
        return;
    apply_release_title(app_, "★ ");
    title_value_.clear();
}

void MainLoop::double_ctrl_starts_easy_drag()
{
    const std::string first = history_.entry(0), second = history_.entry(1);
    if (!cell::starts_with(first, "old--17") || !cell::starts_with(second, "old--17") || first == second)
        return;
    history_.set_entry(0, "old--==17");
    if (app_.lifeform().easydragid.text() != "ctrl function")
        app_.pyoil().easydrag.click();
}

void MainLoop::menu_housekeeping()
{
    platform_.post_close(classify::script_error_box(platform_));
    if (cell::contains(app_.vykForm3().caption(), "down/") && classify::start_menu_marked(platform_))
        classify::clear_start_menu_marker(app_);
    if (classify::menu_open(platform_)) {
        app_.pyoil().ddstr.set_text("tt1");
        app_.kxm().quickmenu.set_checked(false);
    }
}

void MainLoop::startup_and_settings()
{
    ime_description_ = app_.inputmode().Panel6.text();
    if (startup_.run()) {
        settings::refresh_editable_copy(app_);
        settings::apply_colour_lines(app_);
    }
    if (!app_.FormMain().N3.checked())
        app_.lifeform().set_caption("kk mywheel");
}

// False when the tick ends here (the first tick of a start with "auto").
bool MainLoop::no_wheel_path()
{
    Tpyoil& pyoil = app_.pyoil();
    point_window_ = platform_.window_from_point(cursor_);
    if (pyoil.Label7.text() == "auto") {
        pyoil.Label7.set_text("ok auto");
        const int off_screen = right_of_screens(platform_, 10);
        pyoil.set_left(off_screen);
        app_.kxm().set_left(off_screen);
        pyoil.Image3.hide();
        return false;
    }
    blind_state_reset();
    if (pyoil.Label2.left() > 0)
        pyoil.Label2.set_left(-1000);
    Tkxm& pad = app_.kxm();
    pad.ListBox2.set_item(7, flag_text(platform_.is_visible(platform_.parent(point_window_))));
    pad.ListBox2.set_item(8, "hcc=" + flag_text(platform_.is_visible(point_window_)));
    pad.pyoilcap.set_text(pyoil.caption());
    return true;
}

// The Alt gestures on the newest key history entries. False when the tick ends.
bool MainLoop::key_gestures()
{
    const auto e = history_.first_four();
    Tkxm& pad = app_.kxm();
    if (e[0] == "91down" && e[1] == "old--18up" && e[2] == "18down") {
        // Alt tapped, then the Windows key: paste where the pointer is.
        pad.Panel6.set_text("altwin");
        history_.set_entry(0, "cvok");
        history_.insert_top("91ok");
        input::press(platform_, vk::kEscape);
        platform_.set_foreground(platform_.window_from_point(platform_.cursor_pos()));
        input::ctrl_plus(platform_, 'V');
        return false;
    }
    if (cell::starts_with(e[0], "old--18..") && cell::starts_with(e[1], "old--18..") && e[0] != e[1]) {
        history_.set_entry(0, "old--mmmmok");
        app_.pyoil().set_caption("old--mvok");
        pad.quickmenu.set_checked(!pad.quickmenu.checked());
        park(app_.FormMain(), pad.quickmenu.checked() ? kParkedLeft : kParkedLeftFormMain);
    } else if (e[0] == "old--18up" && e[1] == "18down" && e[2] == "old--18up" && e[3] == "18down") {
        pad.Panel6.set_text("alt2");
        app_.inputmode().dragmess.set_text("alt2");
        history_.set_entry(0, "cpok");
        input::shift_click_copy(platform_);
    }
    if (platform_.key_down(vk::kCapsLock) || platform_.key_down('B'))
        pad.Panel5.set_text(platform_.keyboard_state()[vk::kNumLock] != 0 ? "on" : "off");
    return true;
}

void MainLoop::alt_then_windows_second_chance()
{
    if (history_.entry(0) == "91down" && history_.entry(1) == "old--18up" && history_.entry(2) == "18down") {
        history_.set_entry(0, "18ok");
        input::shift_click_copy(platform_);
    }
}

void MainLoop::left_button()
{
    if (platform_.key_down(vk::kLButton)) {
        left_pressed_[0] = left_pressed_[1] = true;
        forget_ime_window();
        app_.pyoil().set_caption("old--cap");
        app_.kxm().Panel4.set_text("old--cap");
        Tmodeform& strip = app_.modeform();
        strip.set_caption("old--cap");
        strip.set_left(right_of_screens(platform_, 10));
        edit_keyboard_.left_button_down();
        return;
    }
    for (bool& pressed : left_pressed_) {
        if (!pressed)
            continue;
        pressed = false;
        if (app_.kxm().caption() == "find")
            input::press(platform_, vk::kShift);
    }
}

bool MainLoop::edit_keyboard_rules() { return edit_keyboard_.rules(); }

void MainLoop::still_tick()
{
    if (stands_aside_everywhere(app_))
        return;
    still_toggle_ = 1 - still_toggle_;
    const Point p = platform_.cursor_pos();
    ui::ListBox& slots = app_.pyoil().LBox2;
    slots.set_item(static_cast<std::size_t>(still_toggle_), number_text(p.x) + "," + number_text(p.y));
    still_count_ = slots.item(0) == slots.item(1) ? std::min(still_count_ + 1, kStillCountLimit) : 0;
    app_.lifeform().Panel33.set_text(number_text(still_count_));
    if (still_count_ >= kStillTicks) {
        mouse_still();
        return;
    }
    Tpyoil& pyoil = app_.pyoil();
    const std::string cell = pyoil.caption();
    const bool spared = cell::contains(cell, "--17") || cell::contains(cell, "--18") || cell::contains(cell, "--16") ||
                        cell::contains(cell, "old--");
    if (!spared)
        pyoil.set_caption("old--move");
    app_.lifeform().srfboard.hide();
}

} // namespace tv
