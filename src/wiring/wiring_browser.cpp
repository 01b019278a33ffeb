#include "wiring/wiring.h"

#include "board/form_main.h"
#include "board/ombrel.h"
#include "board/vykform3.h"

namespace tv {

// The tray menu's way to the browser form: the form itself is made when the
// menu is, so the items click its commands when they are chosen.
void Wiring::bind_browser_menu(TFormMain& f)
{
    f.N14.on_click = [this] { app_.ombrel().cmdshowbrowser.click(); };
    f.N15.on_click = [this] {
        app_.ombrel().cmdshowbrowser.click();
        app_.ombrel().cmdpages.click();
    };
}

void Wiring::bind_browser(Tombrel& f)
{
    BrowserForm& b = browser_form_;
    f.Button1.on_click = [&b] { b.open_address(); };
    f.Button14.on_click = [&b] { b.hide_browser(); };
    f.cmdshowbrowser.on_click = [&b] { b.show_browser(); };
    f.cmdnewslot.on_click = [&b] { b.new_unrequested_slot(); };
    f.cmdpages.on_click = [&b] { b.page_switcher(); };
    f.pagecheck.on_click = [&b] { b.housekeeping(); };
    f.wfocus.on_click = [&b] { b.focus_page(); };
    f.SpeedButton6.on_click = [&b] { b.layout_toggle(); };
    f.SpeedButton68.on_click = [&b] { b.help_layout(); };
    f.SpeedButton65.on_click = [&b] { b.navigation_layout(); };
    f.SpeedButton2.on_release = [&b](MouseButton) { b.popups().toggle(); };
    f.SpeedButton2.on_hover = [&b] { b.popups().hover(); };
    f.on_pointer_moved = [&b](Point p) { b.pointer_moved(p); };
    f.ListBox1.on_key_release = [&b](int vk) { b.page_list_key_released(vk); };
    f.ListBox1.on_release = [&b](MouseButton button) { b.page_list_pressed(button); };
    f.SpeedButton1.on_hover = [&b] { b.close_button_hover(); };
    f.SpeedButton1.on_release = [&b](MouseButton button) { b.close_button_released(button); };
    f.SpeedButton63.on_press = [&b](MouseButton button) { b.back_forward_pressed(button); };
    f.SpeedButton63.on_hover = [&b] { b.hint("左键后退/右键前进"); };
    f.Panel10.on_release = [&b](MouseButton button) { b.scroll_pad_released(button); };
    f.Button22.on_click = [&b] { b.stop_clicked(); };
    f.Button22.on_release = [&b](MouseButton button) { b.stop_released(button); };
    f.Button19.on_click = [&b] { b.save_clicked(); };
    f.Button19.on_release = [&b](MouseButton button) { b.keep_address(button); };
    f.Button19.on_hover = [&b] { b.hint("左键保存当前网页/右键设为首页"); };
    f.Button41.on_release = [&b](MouseButton button) { b.keep_address(button); };
    f.Button41.on_click = [&b] { b.back_clicked(); };
    f.SpeedButton64.on_hover = [&b] { b.go_hover(); };
    f.SpeedButton64.on_release = [&b](MouseButton button) { b.go_released(button); };
    f.SpeedButton67.on_release = [&b](MouseButton) { b.new_page_released(); };
    f.SpeedButton67.on_hover = [&b] { b.hint("左键打开导航/右键打开帮助窗口"); };
    f.SpeedButton3.on_release = [&b](MouseButton button) { b.favourites_released(button); };
    f.Edit1.on_press = [&b](MouseButton button) { b.address_box_pressed(button); };
    f.Edit1.on_key = [&b](int vk) { b.address_box_key(vk); };
    f.Edit1.on_hover = [&b] { b.hint("个人收藏夹输入新地址/右健清空"); };
    f.ListBox10.on_press = [&b](MouseButton button) { b.address_list_pressed(button); };
    f.Button21.on_click = [&b] { b.end_clicked(); };
    f.Button8.on_click = [&b] { b.make_panel_invisible(); };
    f.Panel23.on_click = [&b] { b.paste_clicked(); };
    f.Panel8.on_hover = [&b] { b.make_panel_invisible(); };
    f.Panel6.on_release = [&b](MouseButton) { b.top_bar_released(); };
    f.Panel14.on_press = [&b](MouseButton button) { b.small_panel_pressed(button); };
    f.Panel3.on_hover = [&b] { b.panel_background_hover(); };
    f.Button10.on_click = [&b] { b.help_command(); };
    f.Edit6.on_click = [&b] { b.help_command(); };
    bind_browser_views(f);
    b.created();
}

// The strips and the spare view ask for new windows through the same routing
// as the pages; their titles go to the strips' titles only.
void Wiring::bind_browser_views(Tombrel& f)
{
    BrowserForm& b = browser_form_;
    for (ui::WebView* view : {&f.topStrip, &f.bottomStrip, &f.CppWebBrowser1})
        view->NewWindowInto = [&b, view](bool& cancel, WebViewId& target) {
            b.view_new_window(view->id(), cancel, target);
        };
    f.topStrip.TitleChange = [&b](std::string_view t) { b.strip_title(0, t); };
    f.bottomStrip.TitleChange = [&b](std::string_view t) { b.strip_title(1, t); };
    for (ui::WebView* view : {&f.topStrip, &f.bottomStrip, &f.CppWebBrowser1})
        view->StatusTextChange = [&b](std::string_view t) { b.status_text(t); };
    // The navigation panel's view (its form is made before the browser form).
    ui::WebView& navigation = app_.vykForm3().CppWebBrowser3;
    PopupControl& popups = b.popups();
    navigation.StatusTextChange = [&popups](std::string_view t) { popups.navigation_status_text(t); };
    navigation.NewWindow2 = [&popups](bool& cancel) { popups.navigation_new_window(cancel); };
    navigation.BeforeNavigate2 = &PopupControl::navigation_before_navigate;
}

} // namespace tv
