#include "settings/tray_icon.h"

#include "board/form_main.h"

namespace tv {
namespace {

constexpr std::uint32_t kLeftButtonUp = 514;
constexpr std::uint32_t kRightButtonUp = 517;

} // namespace

void TrayIconOwner::create(TFormMain& form)
{
    form.CheckBox1.set_checked(true);
    tray_option_changed(form);
}

void TrayIconOwner::tray_option_changed(TFormMain& form)
{
    const bool on = form.CheckBox1.checked();
    form.Button1.set_visible(on);
    if (on)
        update(form);
    else
        app_.platform().remove_tray_icon(form.hwnd(), TFormMain::kTrayIconId);
}

void TrayIconOwner::picture_chosen(TFormMain& form, bool first)
{
    form.RadioButton1.set_checked(first);
    form.RadioButton2.set_checked(!first);
    if (form.CheckBox1.checked())
        update(form);
}

void TrayIconOwner::toggle_picture(TFormMain& form) { picture_chosen(form, !form.RadioButton1.checked()); }

// The menu brings its form to the front itself, so that it closes when the
// user clicks elsewhere, and gives the front back to the window that had it.
void TrayIconOwner::message(TFormMain& form, std::uint32_t mouse_message)
{
    if (mouse_message != kLeftButtonUp && mouse_message != kRightButtonUp)
        return;
    form.PopupMenu1.popup(app_.platform().cursor_pos());
}

void TrayIconOwner::remove(TFormMain& form) { app_.platform().remove_tray_icon(form.hwnd(), TFormMain::kTrayIconId); }

void TrayIconOwner::update(TFormMain& form)
{
    const TrayIcon icon{TFormMain::kTrayIconId, TFormMain::kTrayMessage, form.RadioButton1.checked() ? 0 : 1, kTip};
    app_.platform().set_tray_icon(form.hwnd(), icon);
}

} // namespace tv
