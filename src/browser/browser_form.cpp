// The browser form's page slots, its pages' events, opening an address, the
// layout of the page area and the strips, closing pages and the housekeeping
// of the engine tick. The page panel's handlers are in browser_form_panel.cpp.
#include "browser/browser_form.h"

#include "board/ombrel.h"
#include "board/places.h"
#include "browser/page_addresses.h"
#include "core/cell.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tv {
namespace {

constexpr int kStripsAwayLeft = -1000;
constexpr int kBrowserTaskbarRoom = 32; // the shown form leaves this much of the screen's foot

} // namespace

BrowserForm::BrowserForm(App& app, AddressCommands& commands) : app_(app), commands_(commands), popups_(app) {}

Tombrel& BrowserForm::form() const { return app_.ombrel(); }

void BrowserForm::created()
{
    Tombrel& f = form();
    Platform& p = app_.platform();
    slots_ = std::make_unique<PageSlots>(p, f.hwnd(), f.PageControl1, f.slotPos, *this);
    const Size screen = p.screen_size();
    for (ui::WebView* strip : {&f.topStrip, &f.bottomStrip}) {
        strip->set_bounds(kStripsAwayLeft, 0, 0, kStripHeight);
        strip->show();
        strip->sync_bounds();
    }
    for (ui::WebView* spare : {&f.CppWebBrowser1, &f.CppWebBrowser2, &f.CppWebBrowser6, &f.cweb})
        spare->set_bounds(kParkedLeft, 0, 0, 0);
    f.Panel12.set_bounds(0, 0, screen.width, kTopBarHeight);
    f.PageControl1.set_bounds(0, 0, screen.width, screen.height);
    if (f.ListBox10.count() > 0)
        f.Edit1.set_text(f.ListBox10.item(0));
    f.Panel9.set_bounds(screen.width - 80, screen.height / 2, 60, 24);
    f.Panel10.set_bounds(screen.width - 80, screen.height / 2, 30, 24);
    f.Panel14.set_bounds(screen.width - 50, screen.height / 2, 30, 24);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&f.Panel9, &f.Panel10, &f.Panel14})
        c->show();
    place_panel(centred(p, 400, 540));
    set_panel_visible(true);
    hide_panel();
    if (p.read_file_status(p.program_folder() + "disphelp").status != FileStatus::Absent)
        help_command();
}

PageSlots& BrowserForm::slots_of_form()
{
    if (!slots_)
        slots_ = std::make_unique<PageSlots>(app_.platform(), form().hwnd(), form().PageControl1, form().slotPos, *this);
    return *slots_;
}

TabPage& BrowserForm::allocate()
{
    const Tombrel& f = form();
    return slots_of_form().allocate({app_.platform().screen_size().width, f.PageControl1.height()});
}

void BrowserForm::show_browser()
{
    Tombrel& f = form();
    const Size screen = app_.platform().screen_size();
    f.set_bounds(0, 0, screen.width, screen.height - kBrowserTaskbarRoom);
    f.set_topmost(Topmost::Yes);
    f.show();
}

void BrowserForm::hide_browser() { park(form()); }

void BrowserForm::new_unrequested_slot() { allocate(); }

// ---- the pages' events ----

void BrowserForm::page_new_window(TabPage& page, bool& cancel, WebViewId& target)
{
    view_new_window(page.view(), cancel, target);
}

void BrowserForm::view_new_window(WebViewId requester, bool& cancel, WebViewId& target)
{
    cancel = true;
    target = 0;
    request_source_url_ = app_.platform().web_location(requester);
    focus_page();
    Tombrel& f = form();
    if (f.rtmenu.left() >= 0)
        f.rtmenu.set_left(kParkedLeft);
    if (cell::starts_with(last_link_text_, "vyk")) {
        // A private link is a command only on the program's own pages, and only once.
        const std::string link = std::exchange(last_link_text_, {});
        if (from_program_folder(requester))
            commands_.scheme_command(link);
        return;
    }
    TabPage& page = allocate();
    if (!page.view())
        return; // no view to hand over: the request stays refused
    target = page.view();
    cancel = false;
}

// The requesting view shows a page of the program folder (no way out of it by "..").
bool BrowserForm::from_program_folder(WebViewId requester) const
{
    const Platform& p = app_.platform();
    return page_address::of_program_folder(p.web_location(requester), p.program_folder());
}

void BrowserForm::page_title(std::string_view title)
{
    if (!slots_ || !slots_->active())
        return;
    slots_->rename_active(title);
    if (!title.empty())
        slots_->set_slot_title(slots_->slot_pos(), title);
}

void BrowserForm::page_status_text(std::string_view text) { status_text(text); }

void BrowserForm::status_text(std::string_view text)
{
    Tombrel& f = form();
    f.Edit6.set_text(text);
    last_link_text_.assign(text);
    if (cell::starts_with(text, "http://"))
        f.Label1.set_text(text);
}

void BrowserForm::page_download_complete()
{
    focus_page();
    popups_.download_completed();
}

void BrowserForm::page_document_complete() { focus_page(); }

void BrowserForm::focus_page()
{
    if (const TabPage* page = slots_ ? slots_->active() : nullptr)
        app_.platform().web_command(page->view(), WebCommand::FocusDocument);
}

// ---- opening an address ----

void BrowserForm::open_address()
{
    Tombrel& f = form();
    slots_of_form().set_area_shown(true);
    if (f.CppWebBrowser2.left() >= 0)
        f.CppWebBrowser2.set_left(kParkedLeft);
    show_address_list(false);
    std::string text = f.Edit1.text();
    if (const auto cut = text.find(';'); cut != std::string::npos)
        text.erase(0, cut + 1);
    f.Edit1.set_text("");
    if (text.empty())
        return;
    set_panel_visible(false);
    TabPage& page = allocate();
    for (ui::WebView* view : {&f.cweb, &f.topStrip, &f.CppWebBrowser2})
        view->set_left(kParkedLeft);
    f.topStrip.sync_bounds();
    if (f.wheelmess.top() != 0)
        layout_toggle();
    navigate_new_page(page, text);
}

// The new page shows the address when it is a web or file address, or a bare
// host name (taken as http); any other scheme is left alone.
void BrowserForm::navigate_new_page(TabPage& page, std::string_view address)
{
    if (const auto url = page_address::to_open(address))
        app_.platform().navigate(page.view(), *url);
}

// ---- layout ----

void BrowserForm::lay_out_area(bool full)
{
    ui::ListBox& area = form().PageControl1;
    const Size screen = app_.platform().screen_size();
    if (full)
        area.set_bounds(0, 0, screen.width, screen.height);
    else
        area.set_bounds(0, kStripHeight, screen.width, screen.height - 2 * kStripHeight);
}

void BrowserForm::lay_out_strips()
{
    Tombrel& f = form();
    const Size screen = app_.platform().screen_size();
    const ui::ListBox& area = f.PageControl1;
    f.topStrip.set_bounds(0, 0, screen.width, kStripHeight);
    f.bottomStrip.set_bounds(0, area.height() + kStripHeight, screen.width, screen.height - area.top() - area.height());
    f.topStrip.sync_bounds();
    f.bottomStrip.sync_bounds();
}

namespace {

// The help and navigation layouts: one spare view fills the screen below the
// top bar, the other two are given no height.
void fill_below_top_bar(const Tombrel& f, Size screen, ui::WebView& shown, std::initializer_list<ui::WebView*> flattened)
{
    const int top = f.Panel12.top() + f.Panel12.height();
    shown.set_bounds(0, top, screen.width, std::max(screen.height - top, 0));
    shown.sync_bounds();
    for (ui::WebView* view : flattened) {
        view->set_height(0);
        view->sync_bounds();
    }
}

} // namespace

void BrowserForm::help_layout()
{
    Tombrel& f = form();
    fill_below_top_bar(f, app_.platform().screen_size(), f.CppWebBrowser2, {&f.CppWebBrowser1, &f.CppWebBrowser6});
}

// The navigation layout also gives the form the screen's whole height.
void BrowserForm::navigation_layout()
{
    Tombrel& f = form();
    f.set_height(app_.platform().screen_size().height);
    fill_below_top_bar(f, app_.platform().screen_size(), f.CppWebBrowser6, {&f.CppWebBrowser1, &f.CppWebBrowser2});
}

void BrowserForm::layout_toggle()
{
    Tombrel& f = form();
    hide_panel();
    lay_out_area(f.PageControl1.top() != 0);
    slots_of_form().set_heights(f.PageControl1.height());
}

// ---- closing ----

void BrowserForm::close_active_page()
{
    if (!slots_)
        return;
    const int active = slots_->active_index();
    if (active < 0)
        return;
    const int count = static_cast<int>(slots_->count());
    const bool last = active + 1 == count;
    form().ListBox1.remove(static_cast<std::size_t>(active));
    slots_->close(static_cast<std::size_t>(active));
    if (last)
        slots_->set_active(count - 2);
}

void BrowserForm::top_bar_released()
{
    if (slots_ && slots_->active_index() >= 0)
        slots_->close(static_cast<std::size_t>(slots_->active_index()));
}

// ---- the engine tick ----

void BrowserForm::housekeeping()
{
    if (!slots_)
        return;
    Tombrel& f = form();
    if (std::exchange(help_pending_, false)) {
        lay_out_strips();
        open_address();
    }
    if (popups_.check_pending())
        popups_.check(*slots_, {app_.platform().screen_size().width, f.PageControl1.height()});
    popups_.remove_empty_page(*slots_);
    if (f.topStrip.top() != 0)
        lay_out_strips();
    slots_->place_views(); // another behaviour may have chosen another page
}

} // namespace tv
