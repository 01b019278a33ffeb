// The browser form `ombrel`: a full-screen, stay-on-top page area whose pages
// live in numbered page slots, two thin strip views above and below it, and
// the floating page panel `Panel3` through which the user switches, closes,
// saves and reloads pages and types addresses.
//
// Pages arrive through new-window requests: whenever a page (or a strip, or
// the spare view) asks for a new window the request is cancelled and handed a
// new slot's view, or, for a link of the private scheme "vyk", carried out as
// an address command instead - but only when the page that asks is one of the
// program folder's own pages. The same form hosts the mode engine; its tick
// runs the browser's housekeeping through `ombrel.pagecheck`.
#pragma once

#include "browser/address_commands.h"
#include "browser/page_slots.h"
#include "browser/popup_control.h"
#include "core/app.h"

#include <array>
#include <memory>
#include <string>

namespace tv {

class Tombrel;

inline constexpr int kStripHeight = 10;
inline constexpr int kTopBarHeight = 24; // `Panel12`, the form's top bar

class BrowserForm : public PageEvents {
public:
    BrowserForm(App&, AddressCommands&);

    // Form creation: strips off the screen, the page area over the screen, the
    // page panel prepared centred and hidden.
    void created();

    // ---- commands ----
    void open_address();            // `Button1`
    void show_browser();            // `cmdshowbrowser`
    void hide_browser();            // `Button14`
    void new_unrequested_slot();    // `cmdnewslot`
    void page_switcher();           // `cmdpages`
    void layout_toggle();           // `SpeedButton6`
    void help_layout();             // `SpeedButton68`
    void navigation_layout();       // `SpeedButton65`
    void focus_page();              // `wfocus`
    void close_active_page();
    void housekeeping();            // `pagecheck`, from the mode engine's tick
    void help_command() { help_pending_ = true; } // `Button10`, a click on `Edit6`
    // A new-window request of a strip or the spare view: the same routing as a page's.
    void view_new_window(WebViewId requester, bool& cancel, WebViewId& target);
    void strip_title(int strip, std::string_view title) { strip_titles_[static_cast<std::size_t>(strip)] = title; }
    void status_text(std::string_view text);

    // ---- the page panel (browser_form_panel.cpp) ----
    void pointer_moved(Point);
    void page_list_key_released(int vk);
    void page_list_pressed(MouseButton);
    void close_button_hover();
    void close_button_released(MouseButton);
    void back_forward_pressed(MouseButton);
    void scroll_pad_released(MouseButton);
    void stop_clicked();
    void stop_released(MouseButton);
    void save_clicked();
    void keep_address(MouseButton);
    void go_hover();
    void go_released(MouseButton);
    void new_page_released();
    void address_box_pressed(MouseButton);
    void address_box_key(int vk);
    void address_list_pressed(MouseButton);
    void favourites_released(MouseButton);
    void back_clicked();
    void end_clicked();
    void paste_clicked();
    void small_panel_pressed(MouseButton);
    void panel_background_hover();
    void top_bar_released();
    void hint(std::string_view text);
    void make_panel_invisible() { set_panel_visible(false); }

    PopupControl& popups() { return popups_; }
    const PageSlots* slots() const { return slots_.get(); }
    const std::string& last_link_text() const { return last_link_text_; }
    const std::string& request_source_url() const { return request_source_url_; }
    const std::string& strip_title_of(int strip) const { return strip_titles_[static_cast<std::size_t>(strip)]; }

private:
    // PageEvents: what the pages' views report.
    void page_new_window(TabPage&, bool& cancel, WebViewId& target) override;
    void page_title(std::string_view title) override;
    void page_status_text(std::string_view text) override;
    void page_download_complete() override;
    void page_document_complete() override;

    Tombrel& form() const;
    PageSlots& slots_of_form();
    TabPage& allocate();
    bool from_program_folder(WebViewId requester) const;
    void lay_out_strips();
    void lay_out_area(bool full);
    void navigate_new_page(TabPage&, std::string_view address);
    // The page panel: its place and its children's places inside it.
    void place_panel(Rect);
    void set_panel_visible(bool);
    void hide_panel();
    void show_address_list(bool);
    void switch_to_line(int line);
    int line_under(const ui::ListBox&, Point) const;
    void rebuild_page_list();

    App& app_;
    AddressCommands& commands_;
    PopupControl popups_;
    std::unique_ptr<PageSlots> slots_; // made with the form
    std::string last_link_text_;       // `lastLinkText`
    std::string request_source_url_;   // `requestSourceUrl`
    std::array<std::string, 2> strip_titles_; // `stripTitles`: top, bottom
    int last_page_line_ = -1;          // the page list's line hovered last
    int last_address_line_ = -1;       // the address list's line hovered last
    bool help_pending_ = false;        // the help command waits for the engine's tick
};

} // namespace tv
