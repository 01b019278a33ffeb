#include "panels/escape_menu_form.h"

#include "board/escmenu.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr int kDesignWidth = 729, kDesignHeight = 541;
constexpr int kTaskBarWidth = 704, kTaskBarHeight = 100;
constexpr int kNavigationLeft = 100, kNavigationTop = 100, kNavigationWidth = 700, kNavigationHeight = 500;
constexpr std::string_view kNoteBoxDesign = "备忘录 秘密日记";
constexpr std::string_view kQuickbarFolder = "Skarn绝技\\";

struct CommandHint {
    std::string_view name;
    std::string_view hint;
    bool hides_menu;
};

// The command row: what each item's hover shows and whether its click hides the menu.
constexpr CommandHint kCommandHints[] = {
    {"pf1", "关闭--", true},         {"pf2", "转到桌面", true},      {"pf3", "转到开始菜单", true},
    {"pf4", "转到互联网", true},     {"pf5", "转到中天模式", true},  {"pf6", "转到小天模式", true},
    {"pf7", "转到大天模式", true},   {"srfid", "进入/退出Typamo", false}, {"sbid", "进入/退出Glidamo", false},
    {"pf8", "进入帮助中心", true},   {"pf9", "退出系统", true},
};

const CommandHint* hint_of(const ui::Panel& item)
{
    for (const CommandHint& h : kCommandHints)
        if (h.name == item.name())
            return &h;
    return nullptr;
}

// A task form command by name; nothing while the task form has no such command.
void click_task_command(App& app, std::string_view name)
{
    if (ui::Control* command = app.taskform().control(name))
        command->click();
}

} // namespace

std::string EscapeMenuForm::folder() const { return app_.regform().oldpath.text(); }

void EscapeMenuForm::create()
{
    Tescmenu& menu = app_.escmenu();
    menu.CppWebBrowser2.navigate("file://" + path_of("pp.htm"));
    menu.CppWebBrowser3.navigate("file://" + path_of("xxxtomnews.htm"));
    menu.CppWebBrowser1.navigate("file://" + path_of("ok.htm"));
    if (!menu.CppWebBrowser2.created())
        menu.noweb.show();
    menu.set_width(kDesignWidth);
    menu.set_height(kDesignHeight);
    load_notes();
}

void EscapeMenuForm::tick()
{
    Tescmenu& menu = app_.escmenu();
    menu.Panel2.set_text(menu.CppWebBrowser2.text());
    if (!left_shows(menu) && menu.plan_shown())
        menu.show_plan(false);
}

// Resting on a link of the local page previews it above, once.
void EscapeMenuForm::local_status_text(std::string_view text)
{
    Tescmenu& menu = app_.escmenu();
    menu.Panel1.set_text(text);
    if (menu.Panel2.text() != text && text.starts_with("http://")) {
        menu.Panel2.set_text(text);
        menu.CppWebBrowser2.navigate(text);
    }
}

void EscapeMenuForm::preview_status_text(std::string_view text) { app_.escmenu().Panel10.set_text(text); }

// A page asking for a window of its own: the sibling browser opens the address instead.
void EscapeMenuForm::new_window_requested(std::string_view address, bool& cancel)
{
    cancel = true;
    sibling::send(app_, "vykgonewurl=" + std::string(address));
}

void EscapeMenuForm::hide_menu() { park(app_.escmenu()); }

void EscapeMenuForm::tell(std::string_view hint) { app_.escmenu().Label6.set_text(hint); }

void EscapeMenuForm::hover_command(ui::Panel& item)
{
    const CommandHint* h = hint_of(item);
    if (!h)
        return;
    if (h->name == "pf1")
        tell(std::string(h->hint) + app_.taskform().windtitle.text());
    else
        tell(h->hint);
}

void EscapeMenuForm::click_command(ui::Panel& item)
{
    const CommandHint* h = hint_of(item);
    if (!h)
        return;
    if (h->hides_menu)
        hide_menu();
    click_task_command(app_, h->name);
}

void EscapeMenuForm::search()
{
    Platform& p = app_.platform();
    if (Hwnd main = p.find_window(sibling::kMainClass))
        p.set_foreground(main);
    else
        app_.taskform().pf4.click();
    sibling::hand_over(app_, "vykgonewurl=", app_.escmenu().Edit1.text());
    hide_menu();
    app_.vykForm3().hide();
}

void EscapeMenuForm::hover_search_box()
{
    Tescmenu& menu = app_.escmenu();
    if (menu.focused() != &menu.Edit1)
        menu.focus(&menu.Edit1);
}

void EscapeMenuForm::hover_note_box()
{
    Tescmenu& menu = app_.escmenu();
    if (!menu.plan_shown())
        menu.show_plan(true);
    if (menu.Edit2.text() == kNoteBoxDesign)
        menu.Edit2.set_text("");
    menu.focus(&menu.Edit2);
}

void EscapeMenuForm::hover_control_strip()
{
    Tescmenu& menu = app_.escmenu();
    if (menu.pointer().y > menu.Edit2.bounds().bottom)
        menu.show_plan(false);
    menu.show_quickbar(false);
}

void EscapeMenuForm::hover_quickbar_switch()
{
    Tescmenu& menu = app_.escmenu();
    menu.show_quickbar(true);
    menu.show_plan(false);
    const Rect place = menu.bounds();
    app_.platform().set_cursor_pos({place.left + menu.quickbar.left() + 10, place.top + menu.quickbar.top() + 10});
}

void EscapeMenuForm::hover_quickbar_button(const ui::Button& button)
{
    Tescmenu& menu = app_.escmenu();
    if (menu.CppWebBrowser2.text().find(button.text()) != std::string::npos)
        return;
    menu.CppWebBrowser2.navigate("file://" + folder() + std::string(kQuickbarFolder) + button.text() + ".htm");
}

void EscapeMenuForm::hover_leave_web_or_menu()
{
    hide_menu();
    if (app_.escmenu().Panel8.text() != "菜单") {
        sibling::hide_browser(app_);
        return;
    }
    app_.m3d().set_caption("old--pop");
    app_.lifeform().settopmess.click();
    app_.ombrel().mmenu.click();
    app_.platform().set_cursor_pos(app_.ombrel().right_press);
}

void EscapeMenuForm::hover_task_bar_strip()
{
    hide_menu();
    Ttaskform& tasks = app_.taskform();
    tasks.set_bounds(tasks.left(), tasks.top(), kTaskBarWidth, kTaskBarHeight);
    tasks.set_topmost(Topmost::Yes);
    tasks.show();
    click_task_command(app_, "showad");
}

void EscapeMenuForm::hover_navigation_strip()
{
    hide_menu();
    TvykForm3& navigation = app_.vykForm3();
    navigation.set_bounds(kNavigationLeft, kNavigationTop, kNavigationWidth, kNavigationHeight);
    navigation.set_topmost(Topmost::Yes);
    navigation.show();
}

} // namespace tv
