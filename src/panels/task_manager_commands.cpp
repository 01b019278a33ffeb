// The task form's commands: opening and leaving it, and the command row that
// the escape menu clicks as well.
#include "panels/task_manager.h"

#include "board/places.h"
#include "board/escmenu.h"
#include "board/form_main.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "board/vykform4.h"
#include "core/classify.h"
#include "core/settings_list.h"
#include "core/synthetic_input.h"

namespace tv {
namespace {

constexpr int kSmallForm = 200;
constexpr Size kListSize{255, 480};
constexpr Size kLargeSize{704, 504};
constexpr int kListCursorInset = 5;
constexpr int kBehind = 2;
constexpr int kOptionsTop = 100;
constexpr int kOptionsCursorAbove = 50;
constexpr int kMiddleBarHeight = 10;
constexpr const char* kNewsPage = "http://news.tarvesk.net/";
constexpr const char* kInternetKeyToken = "old--78..2";

// Centred on the monitor that holds the pointer, sized for its DPI.
void centre(ui::Form& f, Size size)
{
    const Platform& p = f.platform();
    place_on_monitor(f, pointer_monitor(p), centred_on_pointer_monitor(p, size.width, size.height));
}

} // namespace

void TaskManager::park_escape_menu() { park(app_.escmenu()); }

void TaskManager::hide_form()
{
    form().hide();
    form().Timer1.set_enabled(false);
}

void TaskManager::cursor_back()
{
    const ui::Panel& anchor = app_.ombrel().oldrightpos;
    platform_.set_cursor_pos({anchor.left(), anchor.top()});
}

Hwnd TaskManager::window_behind() const
{
    return classify::root_at(platform_, {form().left() - kBehind, form().top() - kBehind});
}

void TaskManager::show_list()
{
    app_.vykForm3().set_caption("okesc");
    Ttaskform& f = form();
    if (f.height() >= kSmallForm)
        return;
    f.Button1.click();
    f.setlistview.click();
    show_switches();
    centre(f, kListSize);
    f.show();
    f.set_topmost(Topmost::Yes);
    app_.escmenu().show();
    // In front, so Enter and F1-F4 reach the list without a click first.
    platform_.set_foreground(f.hwnd());
    f.Timer1.set_enabled(true);
    platform_.set_cursor_pos(f.screen_point({f.ListView1.left() + kListCursorInset, f.ListView1.top() + kListCursorInset}));
}

void TaskManager::body_pressed(MouseButton)
{
    park_escape_menu();
    centre(form(), kLargeSize);
    form().set_topmost(Topmost::Yes);
    form().Timer1.set_enabled(true);
}

void TaskManager::out_desk()
{
    app_.pyoil().Timer1.set_enabled(true);
    app_.ombrel().Timer1.set_enabled(true);
    app_.lifeform().Timer1.set_enabled(true);
    hide_form();
}

void TaskManager::hint(std::string_view text, bool spaced)
{
    form().pftip.set_text(text);
    form().Panel2.set_text((spaced ? "  " : "") + std::string(text));
}

void TaskManager::hint_close()
{
    const Hwnd behind = window_behind();
    const Point probe{form().left() - kBehind, form().top() - kBehind};
    if (classify::on_desktop_list_view(app_, probe))
        hint("--关闭当前窗口----桌面窗口?", false);
    else
        hint("--关闭当前窗口: " + platform_.title(behind), false);
}

void TaskManager::close_behind()
{
    const Hwnd behind = window_behind();
    if (behind != 0 && classify::is_shell_window(platform_, behind)) {
        platform_.message_box("桌面不能关闭!", "");
        return;
    }
    app_.kxmm().Button1.set_text("关闭");
    app_.ombrel().vykxcmd.click();
    cursor_back();
    hide_form();
    park_escape_menu();
}

void TaskManager::show_desktop()
{
    hide_form();
    platform_.send_key(vk::kLWin, KeyAction::Down);
    input::press(platform_, vk::kLetterD);
    platform_.send_key(vk::kLWin, KeyAction::Up);
    park_escape_menu();
    cursor_back();
}

void TaskManager::open_start_menu()
{
    park_escape_menu();
    hide_form();
    app_.kxmm().Button1.set_text("开始");
    app_.m3d().set_caption("old--pop");
    app_.ombrel().vykxcmd.click();
}

// The news views go to the configured page; the sibling part follows (pf4's own binding).
void TaskManager::open_internet()
{
    app_.vykForm3().CppWebBrowser3.navigate(kNewsPage);
    if (auto* news = dynamic_cast<ui::WebView*>(app_.escmenu().control("CppWebBrowser3")))
        news->navigate(kNewsPage);
    app_.pyoil().set_caption(kInternetKeyToken);
    park_escape_menu();
    behind_ = window_behind();
    hide_form();
}

// which: 1 small, 2 middle, 3 large, as the settings line stores it.
void TaskManager::bar_size(int which)
{
    park_escape_menu();
    TFormMain& options = app_.FormMain();
    options.select_bar_size(which == 1 ? options.smallid : which == 2 ? options.midid : options.bigid);
    if (settings::store_line(app_, settings::kBarSizeLine, "Skarn种类--" + std::to_string(which)))
        settings::save_runtime_list(app_);
    const bool was_middle = app_.lifeform().height() == kMiddleBarHeight;
    hide_form();
    const ui::Panel& anchor = app_.ombrel().oldrightpos;
    form().set_bounds(anchor.left(), anchor.top(), form().width(), form().height());
    Tlifeform& bar = app_.lifeform();
    (which == 1 ? bar.tinybar : which == 2 ? bar.smallbar : bar.Button1).click();
    app_.regform().set_caption("newpos");
    if (which != 2 || !was_middle)
        cursor_back();
}

void TaskManager::show_options()
{
    park_escape_menu();
    hide_form();
    TFormMain& options = app_.FormMain();
    options.show_near_top();
    options.set_top(kOptionsTop);
    platform_.set_cursor_pos({options.left() + options.width() / 2, options.top() + options.height() - kOptionsCursorAbove});
}

// Struck out while the switch is off, here and on the escape menu's twin. Taken
// from the switch itself, so a switch turned on elsewhere (the tray's restart
// items) never leaves the buttons struck out.
void TaskManager::strike(ui::Control& own_button, std::string_view escape_button, bool on)
{
    const bool struck = !on;
    own_button.set_strike_out(struck);
    if (ui::Control* twin = app_.escmenu().control(escape_button))
        twin->set_strike_out(struck);
}

void TaskManager::show_switches()
{
    const TFormMain& options = app_.FormMain();
    strike(form().srfid, "srfid", options.srfbl.checked());
    strike(form().sbid, "sbid", options.sbbl.checked());
}

void TaskManager::switch_keyboard()
{
    TFormMain& options = app_.FormMain();
    options.srfbl.set_checked(!options.srfbl.checked());
    app_.pyoil().srftt.click();
    show_switches();
}

void TaskManager::switch_mouse()
{
    TFormMain& options = app_.FormMain();
    options.sbbl.set_checked(!options.sbbl.checked());
    app_.pyoil().sbtt.click();
    options.cdbl.set_checked(options.sbbl.checked());
    show_switches();
}

void TaskManager::open_current_menu()
{
    app_.m3d().set_caption("old--pop");
    app_.ombrel().mmenu.click();
    cursor_back();
    hide_form();
    park(form());
    park_escape_menu();
}

void TaskManager::leave()
{
    app_.pyoil().Timer1.set_enabled(true);
    app_.ombrel().Timer1.set_enabled(true);
    app_.lifeform().Timer1.set_enabled(true);
    app_.vykForm3().set_caption("okok");
    TvykForm4& list = app_.vykForm4();
    list.hide();
    list.set_bounds(list.left(), list.top(), 0, 0);
    park_escape_menu();
    park(form());
    hide_form();
    cursor_back();
    app_.kxmm().Button1.set_text("返回");
    app_.ombrel().vykxcmd.click();
    if (app_.kxm().Timer1.enabled()) {
        const Point p = platform_.cursor_pos();
        app_.kxm().set_bounds(p.x, p.y, app_.kxm().width(), app_.kxm().height());
        app_.kxm().set_topmost(Topmost::Yes);
        app_.kxm().show();
    }
}

} // namespace tv
