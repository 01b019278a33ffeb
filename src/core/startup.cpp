#include "core/startup.h"

#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/settings_list.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr int kCompletedHeight = 520;
constexpr std::size_t kMarkerBytes = 20;
using settings::kBarSizeLine;
using settings::kQuickMenuLine;
using settings::kQuickRightLine;
using settings::kStartPageLine;
using settings::kTitleLine;

// The bar-size key "Skarn种类" is nine bytes, not eight like every other key:
// its value is what follows the "--", not what follows byte 10 (which would
// read "-3" and never select a size).
std::string bar_size_value(std::string_view line)
{
    const long separator = cell::position(line, "--");
    return separator == 0 ? std::string() : std::string(cell::from(line, separator + 2));
}

} // namespace

std::string apply_release_title(App& app, std::string_view suffix)
{
    const ui::ListBox& settings = app.regform().ListBox2;
    const std::string title = settings::value(settings, kTitleLine);
    Tlifeform& bar = app.lifeform();
    const Size screen = app.platform().screen_size();
    bar.CppWebBrowser2.set_bounds(0, 0, screen.width, 90);
    bar.CppWebBrowser1.set_bounds(0, 90, screen.width, screen.height - 90);
    bar.CppWebBrowser2.sync_bounds();
    bar.CppWebBrowser1.sync_bounds();
    bar.ListBox5.set_item(hint::kTitleLine, title + std::string(suffix));
    bar.settopmess.click();
    return title;
}

bool StartupCompletion::run()
{
    if (!classify::all_own_forms_found(app_))
        return false;
    if (app_.taskform().visible()) {
        // A task manager opened first takes the place of the options form: the
        // guards are set before the steps they guard, or they would guard nothing.
        net_started_ = options_shown_ = middle_bar_ = true;
    }
    if (app_.FormMain().height() != kCompletedHeight)
        complete_once();
    size_the_bar();
    apply_quick_switches();
    return true;
}

void StartupCompletion::complete_once()
{
    Platform& p = app_.platform();
    TFormMain& options = app_.FormMain();
    options.set_height(kCompletedHeight);
    p.set_foreground(p.window_from_point(p.cursor_pos()));

    const ui::ListBox& settings = app_.regform().ListBox2;
    const std::string entry_line = settings.item(kStartPageLine);
    const std::string bar_size = bar_size_value(settings.item(kBarSizeLine));
    title_ = apply_release_title(app_, "");
    app_.ombrel().Timer1.set_enabled(true);
    app_.lifeform().Label8.set_text(title_);

    apply_start_page(entry_line, bar_size);
    if (!net_started_) {
        net_started_ = true;
        if (options.netid.checked())
            sibling::run_start_batch(p);
    }
    if (!options_shown_) {
        options_shown_ = true;
        show_options_form();
    }
}

void StartupCompletion::apply_start_page(const std::string& entry_line, const std::string& bar_size)
{
    TFormMain& options = app_.FormMain();
    if (entry_line == "进入窗口--1")
        options.select_start_page(options.helpid);
    else if (entry_line == "进入窗口--2")
        options.select_start_page(options.netid);
    else if (entry_line == "进入窗口--3")
        options.select_start_page(options.freeid);
    if (bar_size == "1")
        options.select_bar_size(options.smallid);
    else if (bar_size == "2")
        options.select_bar_size(options.midid);
    else if (bar_size == "3")
        options.select_bar_size(options.bigid);
}

void StartupCompletion::show_options_form()
{
    Platform& p = app_.platform();
    TFormMain& options = app_.FormMain();
    options.show_near_top();
    p.set_cursor_pos({options.left() + options.width() / 2, options.top() + options.height() - 50});
    options.set_topmost(Topmost::Yes);
    p.set_foreground(options.hwnd());
}

void StartupCompletion::size_the_bar()
{
    TFormMain& options = app_.FormMain();
    Tlifeform& bar = app_.lifeform();
    if (options.midid.checked() && !middle_bar_) {
        middle_bar_ = true;
        bar.smallbar.click();
    }
    if (options.bigid.checked() && !large_bar_) {
        large_bar_ = true;
        bar.Button1.click();
    }
    if (options.smallid.checked() && !small_bar_) {
        small_bar_ = true;
        bar.tinybar.click();
    }
}

void StartupCompletion::apply_quick_switches()
{
    if (quick_switches_)
        return;
    quick_switches_ = true;
    TFormMain& options = app_.FormMain();
    const ui::ListBox& settings = app_.regform().ListBox2;
    if (cell::contains(settings.item(kQuickRightLine), "快速右键--1")) {
        options.N2qq.set_checked(true);
        options.N2qq.click();
    }
    if (cell::contains(settings.item(kQuickMenuLine), "快速菜单--1")) {
        options.cdbl.set_checked(true);
        options.set_caption(std::string(cell::piece(options.caption(), 1, kMarkerBytes)) + "超级菜单");
    }
}

} // namespace tv
