#include "browser/address_commands.h"

#include "board/ombrel.h"
#include "board/places.h"
#include "board/regform.h"
#include "board/vykform3.h"
#include "browser/url_lists.h"
#include "core/app.h"
#include "core/cell.h"

namespace tv {
namespace {

constexpr std::string_view kTitleHandover = "ystopurl";
constexpr std::string_view kTitleTaken = "ystop browok";
constexpr std::string_view kGoWeb = "ystop goweb";
constexpr std::string_view kStartPageMark = "vyk002cmd";
constexpr const char* kNavigationPage = "adcenter.htm";
constexpr int kLastSlot = 59;

// The page panel leaves the screen.
void hide_page_panel(Tombrel& browser) { browser.Panel3.set_left(kParkedLeft); }

} // namespace

void AddressCommands::scheme_command(std::string_view link_text)
{
    Tombrel& browser = app_.ombrel();
    switch (urls::scheme_command_of(link_text)) {
    case urls::SchemeCommand::Nothing: break;
    case urls::SchemeCommand::Exit: app_.end_program(0); break;
    case urls::SchemeCommand::Help:
        app_.end_program(0);
        browser.close();
        break;
    case urls::SchemeCommand::NewSlot: browser.cmdnewslot.click(); break;
    case urls::SchemeCommand::StartPage: {
        const std::string page = app_.regform().fx.text().empty() ? kNavigationPage : app_.regform().fx.text();
        browser.Edit1.set_text("file://" + platform_.program_folder() + page);
        browser.Button1.click();
        break;
    }
    case urls::SchemeCommand::Hide:
        browser.set_height(0);
        browser.Button14.click();
        break;
    }
}

std::string AddressCommands::list_path() const { return platform_.program_folder() + urls::kListFile; }

void AddressCommands::load_list()
{
    const FileContent file = platform_.read_file_status(list_path());
    if (file.status == FileStatus::Absent)
        return;
    if (file.status == FileStatus::Unreadable || !urls::is_text(file.bytes)) {
        list_writable_ = false;
        return;
    }
    Tombrel& browser = app_.ombrel();
    browser.ListBox10.set_items(urls::lines_of(file.bytes));
    if (browser.ListBox10.count() > 0)
        browser.Edit1.set_text(browser.ListBox10.item(0));
}

bool AddressCommands::save_list(const std::vector<std::string>& items)
{
    if (!list_writable_)
        return false;
    return platform_.write_file_atomic(list_path(), urls::list_file_text(items));
}

void AddressCommands::engine_tick()
{
    const Hwnd navigation = platform_.find_window("TvykForm3");
    if (!navigation)
        return;
    const std::string title = platform_.title(navigation);
    app_.ombrel().Panel5.set_text(title);
    title_commands(title);
    if (title == "ystop vykinput" || title == "ystop vykinputok")
        return;
    file_handover();
    title_handover(platform_.title(navigation));
}

// Commands the sibling writes into the navigation panel's title; each but
// the last two is answered in the same title.
void AddressCommands::title_commands(std::string_view title)
{
    Tombrel& browser = app_.ombrel();
    TvykForm3& navigation = app_.vykForm3();
    if (cell::starts_with(title, kGoWeb)) {
        hide_page_panel(browser);
        if (title == kGoWeb || title == "ystop gowebhelp")
            page_panel_at_cursor();
        if (title == "ystop gowebhelp")
            browser.SpeedButton68.click();
        navigation.set_caption("ystop xxgoweb");
    } else if (title == "ystop help") {
        browser.SpeedButton68.click();
        navigation.set_caption("ystop xxhelp");
    } else if (title == "ystop myworld") {
        browser.SpeedButton65.click();
        navigation.set_caption("ystop welxxfil");
    } else if (title == "ystop vykscroll") {
        hide_page_panel(browser);
    }
}

// Left edge at the cursor's x, bottom edge at its y.
void AddressCommands::page_panel_at_cursor()
{
    ui::Panel& panel = app_.ombrel().Panel3;
    const Point at = platform_.cursor_pos();
    panel.set_bounds(at.x, at.y - panel.height(), panel.width(), panel.height());
    panel.show();
}

// Another program left an address in "vyknewurl.txt": shown in the hint
// line, and the file is taken away. A file that cannot be read whole stays
// for a later tick.
void AddressCommands::file_handover()
{
    const FileContent file = platform_.take_file(platform_.program_folder() + urls::kHandoverFile);
    if (file.status != FileStatus::Read)
        return;
    Tombrel& browser = app_.ombrel();
    browser.ListBox8.set_items(urls::lines_of(file.bytes));
    browser.Panel23.set_text(browser.ListBox8.item(0));
    if (!cell::starts_with(browser.Edit1.text(), kStartPageMark))
        address_handed_over();
}

void AddressCommands::title_handover(std::string_view title)
{
    if (!cell::starts_with(title, kTitleHandover))
        return;
    app_.ombrel().Panel23.set_text(title.substr(kTitleHandover.size()));
    app_.vykForm3().set_caption(kTitleTaken);
    address_handed_over();
}

void AddressCommands::address_handed_over()
{
    Tombrel& browser = app_.ombrel();
    browser.Panel29.set_text(browser.Edit1.text());
    browser.slotPos = browser.slotPos + 1 > kLastSlot ? 1 : browser.slotPos + 1;
    hide_page_panel(browser);
}

} // namespace tv
