#include "settings/options_form.h"

#include "board/cells.h"
#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/setform.h"
#include "board/taskform.h"
#include "core/cell.h"
#include "core/settings_list.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

// The caption: a ten-byte state word, then the quick right button's mark
// (bytes 11 to 20), then the quick menu's mark (bytes 21 on).
constexpr long kMarkBytes = 10;
constexpr std::string_view kMarkOff = "--//--//  ";

std::string padded(std::string_view text, std::size_t bytes)
{
    std::string s(text.substr(0, bytes));
    s.resize(bytes, ' ');
    return s;
}

// The task manager's size command of a bar-size button: small, medium, large.
std::string_view size_command(const TFormMain& form, const ui::Check& chosen)
{
    if (&chosen == &form.smallid)
        return "pf6";
    if (&chosen == &form.midid)
        return "pf5";
    return "pf7";
}

void click_if_there(ui::Form& form, std::string_view command)
{
    if (ui::Control* c = form.control(command))
        c->click();
}

} // namespace

void OptionsForm::create()
{
    TFormMain& form = app_.FormMain();
    app_.platform().set_current_folder(app_.platform().program_folder());
    park(form, kParkedLeftFormMain);
    show_help_page();
    form.set_height(TFormMain::kCreatedHeight);
}

void OptionsForm::typamo_clicked() { app_.pyoil().srftt.click(); }

void OptionsForm::glidamo_clicked()
{
    TFormMain& form = app_.FormMain();
    app_.pyoil().sbtt.click();
    form.cdbl.set_checked(form.sbbl.checked());
}

void OptionsForm::quick_menu_clicked()
{
    TFormMain& form = app_.FormMain();
    const bool on = form.cdbl.checked();
    const std::string caption = form.caption();
    form.set_caption(padded(caption, 2 * kMarkBytes) + std::string(on ? "超级菜单" : kMarkOff));
    store_and_save(settings::kQuickMenuLine, on ? "快速菜单--1" : "快速菜单--0");
}

void OptionsForm::quick_right_clicked()
{
    TFormMain& form = app_.FormMain();
    const bool on = form.N2qq.checked();
    const std::string caption = form.caption();
    form.set_caption(padded(caption, kMarkBytes) + std::string(on ? "超级右键  " : kMarkOff) +
                     std::string(cell::from(caption, 2 * kMarkBytes + 1)));
    store_and_save(settings::kQuickRightLine, on ? "快速右键--1" : "快速右键--0");
}

void OptionsForm::start_page_clicked(ui::Check& chosen)
{
    app_.FormMain().select_start_page(chosen);
    store_groups();
    settings::save_runtime_list(app_);
}

void OptionsForm::bar_size_clicked(ui::Check& chosen)
{
    TFormMain& form = app_.FormMain();
    form.select_bar_size(chosen);
    store_groups();
    const Point p = app_.platform().cursor_pos();
    ui::Panel& anchor = app_.ombrel().oldrightpos;
    anchor.set_bounds(p.x, p.y, anchor.width(), anchor.height());
    click_if_there(app_.taskform(), size_command(form, chosen));
    settings::save_runtime_list(app_);
}

// Lines 11 and 12 from the two groups.
void OptionsForm::store_groups()
{
    const TFormMain& form = app_.FormMain();
    const char page = form.netid.checked() ? '2' : form.freeid.checked() ? '3' : '1';
    const char size = form.smallid.checked() ? '1' : form.midid.checked() ? '2' : '3';
    settings::store_line(app_, settings::kStartPageLine, std::string("进入窗口--") + page);
    settings::store_line(app_, settings::kBarSizeLine, std::string("Skarn种类--") + size);
}

void OptionsForm::store_and_save(std::size_t line, std::string_view item)
{
    if (settings::store_line(app_, line, item))
        settings::save_runtime_list(app_);
}

void OptionsForm::show_help_page()
{
    app_.FormMain().CppWebBrowser1.navigate(app_.platform().program_folder() + "adcenter.htm");
}

void OptionsForm::show_help_centre()
{
    app_.FormMain().CppWebBrowser1.navigate(app_.platform().program_folder() + "helpfree1.htm");
}

void OptionsForm::go_web()
{
    hide();
    click_if_there(app_.taskform(), "pf4");
}

// A link naming "vykx:" asks for the help page again.
void OptionsForm::status_text_changed(std::string_view text)
{
    status_text_ = text;
    app_.FormMain().Panel8.set_text(text);
    if (cell::contains(text, "vykx:")) {
        status_text_.clear();
        show_help_page();
    }
}

// A new window is never opened: the link under the pointer goes to the browser instead.
void OptionsForm::new_window_requested(bool& cancel)
{
    cancel = true;
    if (status_text_.empty())
        return;
    sibling::send(app_, "vykgonewurl=" + status_text_);
    Tlifeform& bar = app_.lifeform();
    bar.ListBox5.set_item(hint::kCountLine, status_text_);
    bar.settopmess.click();
    go_web();
}

// The status text's mirror; the file panel's controls follow the panel.
void OptionsForm::tick()
{
    TFormMain& form = app_.FormMain();
    form.Panel7.set_text(status_text_);
    for (ui::Control* c : form.file_panel_controls())
        c->set_visible(form.outcmd.visible());
}

void OptionsForm::hide() { park(app_.FormMain(), kParkedLeftFormMain); }

void OptionsForm::open_settings()
{
    app_.setform().cmdopen.click();
}

} // namespace tv
