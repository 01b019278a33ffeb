// The escape menu's and the quick menus' bindings.
#include "wiring/wiring.h"

#include "board/escmenu.h"
#include "board/kxmm.h"
#include "board/pyoil.h"
#include "board/rqmenu.h"
#include "platform/keys.h"

#include <algorithm>

namespace tv {
namespace {

void on_move_over_background(ui::Form& form, const std::vector<ui::Control*>& background, std::function<void()> act)
{
    form.on_pointer_moved = [&form, background, act = std::move(act)](Point p) {
        ui::Control* under = form.control_at(p);
        if (!under || std::find(background.begin(), background.end(), under) != background.end())
            act();
    };
}

} // namespace

void Wiring::created(Tescmenu& f)
{
    EscapeMenuForm& m = escape_menu_form_;
    f.Timer1.on_timer = [&m] { m.tick(); };
    f.CppWebBrowser1.StatusTextChange = [&m](std::string_view text) { m.local_status_text(text); };
    f.CppWebBrowser1.NewWindow2 = [&m, &f](bool& cancel) { m.new_window_requested(f.Panel1.text(), cancel); };
    for (ui::WebView* view : {&f.CppWebBrowser2, &f.CppWebBrowser3}) {
        view->StatusTextChange = [&m](std::string_view text) { m.preview_status_text(text); };
        view->NewWindow2 = [&m, &f](bool& cancel) { m.new_window_requested(f.Panel10.text(), cancel); };
    }
    for (ui::Panel* item : f.command_row()) {
        item->on_hover = [&m, item] { m.hover_command(*item); };
        item->on_click = [&m, item] { m.click_command(*item); };
    }
    f.Edit1.on_hover = [&m] { m.hover_search_box(); };
    f.Edit1.on_key = [&m](int key) { if (key == vk::kEnter) m.search(); };
    f.BitBtn1.on_click = [&m] { m.search(); };
    f.Edit2.on_hover = [&m] { m.hover_note_box(); };
    f.Edit2.on_press = [&f](MouseButton) { f.focus(&f.Edit2); };
    f.Edit2.on_key = [&m](int key) { if (key == vk::kEnter) m.add_note(); };
    f.Panel4.on_hover = [&m] { m.hover_control_strip(); };
    f.Panel6.on_hover = [&m] { m.hover_quickbar_switch(); };
    for (ui::Button& b : f.quickbar_buttons)
        b.on_hover = [&m, &b] { m.hover_quickbar_button(b); };
    f.Panel8.on_hover = [&m] { m.hover_leave_web_or_menu(); };
    f.Panel5.on_hover = f.Panel11.on_hover = [&m] { m.hover_task_bar_strip(); };
    f.Panel7.on_hover = f.Panel12.on_hover = [&m] { m.hover_navigation_strip(); };
    f.ListBox1.on_release = [&m](MouseButton b) { m.release_on_note(b); };
    f.Memo1.on_press = [&f](MouseButton) { f.focus(&f.Memo1); };
    f.Memo1.on_key = [&m](int vk) { m.diary_key(vk); };
    f.MaskEdit1.on_press = [&f](MouseButton) { f.focus(&f.MaskEdit1); };
    f.closeplan.on_click = [&f] { f.show_plan(false); };
    f.openriji.on_click = [&m] { m.open_diary(); };
    f.saveriji.on_click = [&m] { m.save_diary(); };
    f.encrypt.on_click = [&m] { m.lock_diary(); };
    f.decrypt.on_click = [&m] { m.unlock_diary(); };
    m.create();
}

void Wiring::created(Tkxmm& f)
{
    QuickMenus& q = quick_menus_;
    on_move_over_background(f, {}, [&q] { q.small_background(); });
    const std::pair<ui::Control*, const char*> items[] = {{&f.Image19, "任务"}, {&f.Label27, "任务"},
                                                          {&f.Image1, "桌面"},  {&f.Label1, "桌面"},
                                                          {&f.Image21, "开始"}, {&f.Image2, "开始"},
                                                          {&f.Label23, "开始"}};
    for (const auto& item : items)
        item.first->on_hover = [&q, text = item.second] { q.small_item(text); };
    f.Image22.on_hover = f.Label29.on_hover = [&q] { q.small_more(); };
    for (ui::Control* item : std::initializer_list<ui::Control*>{&f.Image20, &f.Label10}) {
        item->on_press = [&q, &f, item](MouseButton b) {
            q.small_close_or_online(b, ButtonAction::Down, f.pointer().x - item->left());
        };
        item->on_release = [&q, &f, item](MouseButton b) {
            q.small_close_or_online(b, ButtonAction::Up, f.pointer().x - item->left());
        };
    }
    f.Button1.on_click = [&q] { q.shape_small_menu(); };
}

void Wiring::created(Trqmenu& f)
{
    QuickMenus& q = quick_menus_;
    on_move_over_background(f, {&f.Panel1, &f.Panel3}, [&q] { q.right_background(); });
    f.Image6.on_hover = [&q] { q.right_back(); };
    f.srfsel.on_click = [&q] { q.fold_right_menu(); };
    f.ListBox2.on_press = [&q](MouseButton) { q.press_layout(); };
    // The layout list is the main form's command; the menu's button runs it.
    Tpyoil& main = app_.pyoil();
    main.getsrf.on_click = [&q] { q.refresh_layouts(); };
    f.Button5.on_click = [&main] { main.getsrf.click(); };
}

} // namespace tv
