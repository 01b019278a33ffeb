// The browser form on the simulated desktop: the sixty page slots and their
// wrap-around, new-window requests of pages and strips, private links only
// from the program's own pages and only once, title and status texts, opening
// an address (";" cuts it), closing pages, the page list's hover switching,
// the layout toggle, the address list's entries and the panel's buttons.
#include "sim_app.h"

#include "board/form_main.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/vykform3.h"
#include "browser/browser_form.h"
#include "browser/page_addresses.h"
#include "platform/keys.h"

#include <ostream>

namespace tv::test {
namespace {

class BrowserPages : public SimApp {
protected:
    void SetUp() override { start(); }
    Tombrel& f() const { return app->ombrel(); }

    // The live page views of the browser form (not its strips), by id.
    std::vector<WebViewId> page_views() const
    {
        std::vector<WebViewId> ids;
        for (const auto& [id, v] : desk.web_views())
            if (v.alive && v.parent == f().hwnd() && id != f().topStrip.id() && id != f().bottomStrip.id())
                ids.push_back(id);
        return ids;
    }
    // The one view placed in the page area; 0 when none is.
    WebViewId shown_view() const
    {
        WebViewId shown = 0;
        for (const WebViewId id : page_views()) {
            const Rect r = desk.web_view(id)->rect;
            if (r.left == f().PageControl1.left() && r.top == f().PageControl1.top()) {
                EXPECT_EQ(shown, 0u) << "two views in the page area";
                shown = id;
            }
        }
        return shown;
    }
    WebViewId new_slot()
    {
        f().cmdnewslot.click();
        return shown_view();
    }
    void open(std::string_view typed)
    {
        f().Edit1.set_text(typed);
        f().Button1.click();
    }
    std::vector<std::string> captions() const { return f().PageControl1.items(); }
    void hide_browser_form() { f().Button14.click(); }
    int active() const { return f().PageControl1.item_index(); }
    // A point on line `line` of a list of the form, in client coordinates.
    static Point on_line(const ui::ListBox& list, int line) { return {list.left() + 5, list.top() + line * 16 + 3}; }
};

TEST_F(BrowserPages, TheSixtiethAllocationReusesSlotZero)
{
    std::vector<std::string> expected;
    for (int i = 1; i <= 60; ++i) {
        f().cmdnewslot.click();
        expected.push_back("web" + std::to_string(i % 60));
    }
    EXPECT_EQ(captions(), expected);
    EXPECT_EQ(expected.back(), "web0");
    EXPECT_EQ(active(), 59);
    f().cmdnewslot.click();
    EXPECT_EQ(captions().back(), "web1");
}

TEST_F(BrowserPages, ANewWindowRequestOfAPageIsHandedTheNewActiveSlotsView)
{
    const WebViewId first = new_slot();
    desk.fire_navigate_complete(first, "http://a.cn/");
    const sim::SimNewWindow request = desk.fire_new_window_into(first);
    EXPECT_FALSE(request.cancel);
    ASSERT_NE(request.target, 0u);
    EXPECT_NE(request.target, first);
    EXPECT_EQ(shown_view(), request.target);
    EXPECT_EQ(captions(), (std::vector<std::string>{"web1", "web2"}));
    EXPECT_EQ(active(), 1);
}

TEST_F(BrowserPages, AStripsRequestOpensAPageToo)
{
    ASSERT_NE(f().topStrip.id(), 0u);
    const sim::SimNewWindow request = desk.fire_new_window_into(f().topStrip.id());
    EXPECT_FALSE(request.cancel);
    EXPECT_EQ(request.target, shown_view());
    EXPECT_EQ(captions(), (std::vector<std::string>{"web1"}));
}

TEST_F(BrowserPages, WithoutViewsARequestStaysRefusedAndOpensNoWindowOfItsOwn)
{
    const WebViewId strip = f().topStrip.id();
    desk.set_web_views_available(false);
    const sim::SimNewWindow request = desk.fire_new_window_into(strip);
    EXPECT_TRUE(request.cancel);
    EXPECT_EQ(request.target, 0u);
}

struct LinkCase {
    const char* name;
    std::string requester_location; // the page that asks for the window
    std::string link;                // the status text last reported
    std::size_t pages_after;         // pages after the request
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class PrivateLink : public BrowserPages, public ::testing::WithParamInterface<LinkCase> {};

// A private link never opens a page; once used it is forgotten, so the next
// request (with no new status text) opens a page.
TEST_P(PrivateLink, IsNeverAPageAndIsForgottenOnceUsed)
{
    const LinkCase& c = GetParam();
    const WebViewId page = new_slot();
    desk.fire_navigate_complete(page, c.requester_location);
    desk.fire_status_text(page, c.link);
    const sim::SimNewWindow request = desk.fire_new_window_into(page);
    EXPECT_EQ(captions().size(), c.pages_after);
    if (c.pages_after == 1) {
        EXPECT_TRUE(request.cancel);
    }
    const sim::SimNewWindow next = desk.fire_new_window_into(page);
    EXPECT_FALSE(next.cancel);
    EXPECT_EQ(captions().size(), c.pages_after + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Links, PrivateLink,
    ::testing::Values(LinkCase{"remote_page_exit", "http://evil.example/", "vyk://exit", 1},
                      LinkCase{"remote_page_new_slots", "http://evil.example/", "vyk://http", 1},
                      LinkCase{"own_page_bbs", "file:///C:/Tarvesk/ehelp/a.htm", "vyk://bbs", 1},
                      LinkCase{"own_page_unknown_number", "file:///C:/Tarvesk/ehelp/a.htm", "vyk999", 1},
                      LinkCase{"plain_link", "http://a.cn/", "http://b.cn/", 2}));

struct FolderCase {
    const char* location;
    bool own;
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.location; }

class ProgramFolderPage : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderPage, OnlyFilesInsideTheProgramFolderAreOwnPages)
{
    EXPECT_EQ(page_address::of_program_folder(GetParam().location, "C:\\Tarvesk\\"), GetParam().own);
}

INSTANTIATE_TEST_SUITE_P(Locations, ProgramFolderPage,
                         ::testing::Values(FolderCase{"file:///C:/Tarvesk/ehelp/a.htm", true},
                                           FolderCase{"file://C:\\Tarvesk\\a.htm", true},
                                           FolderCase{"FILE:///c:/tarvesk/A.HTM", true},
                                           FolderCase{"file:///C:/Tarvesk%5Ca.htm", true},
                                           FolderCase{"file:///C:/Tarvesk/../Windows/a.htm", false},
                                           FolderCase{"file:///C:/TarveskOther/a.htm", false},
                                           FolderCase{"file:///C:/Other/a.htm", false},
                                           FolderCase{"http://C:/Tarvesk/a.htm", false},
                                           FolderCase{"C:\\Tarvesk\\a.htm", false},
                                           FolderCase{"", false}));

struct TitleCase {
    const char* name;
    bool from_background; // the title comes from the page that is not active
    std::string title;
    std::vector<std::string> captions;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class TitleChange : public BrowserPages, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleChange, RenamesTheActivePage)
{
    const TitleCase& c = GetParam();
    const WebViewId first = new_slot();
    const WebViewId second = new_slot();
    desk.fire_title_change(c.from_background ? first : second, c.title);
    EXPECT_EQ(captions(), c.captions);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleChange,
    ::testing::Values(TitleCase{"active_page", false, "新闻", {"web1", "新闻"}},
                      TitleCase{"background_page", true, "新闻", {"web1", "新闻"}},
                      TitleCase{"empty_title", false, "", {"web1", ""}}));

TEST_F(BrowserPages, StatusTextGoesToTheStatusCellAndWebAddressesToTheLabel)
{
    const WebViewId page = new_slot();
    desk.fire_status_text(page, "http://a.cn/x");
    desk.fire_status_text(page, "完成");
    EXPECT_EQ(f().Edit6.text(), "完成");
    EXPECT_EQ(f().Label1.text(), "http://a.cn/x");
}

struct OpenCase {
    const char* name;
    std::string typed;
    std::size_t pages;
    std::vector<std::string> navigations; // of the new page
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class OpenAddress : public BrowserPages, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenAddress, KeepsWhatFollowsTheFirstSemicolon)
{
    const OpenCase& c = GetParam();
    open(c.typed);
    EXPECT_EQ(f().Edit1.text(), "");
    ASSERT_EQ(captions().size(), c.pages);
    if (c.pages == 0)
        return;
    EXPECT_EQ(desk.web_view(shown_view())->navigations, c.navigations);
    EXPECT_FALSE(f().Panel3.visible());
}

INSTANTIATE_TEST_SUITE_P(
    Typed, OpenAddress,
    ::testing::Values(OpenCase{"a_then_b", "http://a.cn/;http://b.cn/", 1, {"http://b.cn/"}},
                      OpenCase{"two_cuts", "a;b;c", 1, {"http://b;c"}},
                      OpenCase{"ends_in_semicolon", "http://a.cn/;", 0, {}},
                      OpenCase{"empty", "", 0, {}},
                      OpenCase{"bare_host", "www.b.cn", 1, {"http://www.b.cn"}},
                      OpenCase{"script", "javascript:alert(1)", 1, {}},
                      OpenCase{"long", "http://a.cn/" + std::string(65536, 'x'), 1,
                               {"http://a.cn/" + std::string(65536, 'x')}}));

struct CloseCase {
    const char* name;
    int active_before;
    std::vector<std::string> captions;
    int active_after;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class CloseActivePage : public BrowserPages, public ::testing::WithParamInterface<CloseCase> {};

// Closing by the close button's left release: the page leaves the area and the
// page list, and its view is stopped and ended, so it reports nothing any more.
TEST_P(CloseActivePage, TakesThePageOutAndEndsItsView)
{
    const CloseCase& c = GetParam();
    const std::vector<WebViewId> views{new_slot(), new_slot(), new_slot()};
    f().cmdpages.click();
    f().PageControl1.select(c.active_before);
    const WebViewId closed = views[static_cast<std::size_t>(c.active_before)];
    f().SpeedButton1.release(MouseButton::Left);
    EXPECT_EQ(captions(), c.captions);
    EXPECT_EQ(f().ListBox1.items(), c.captions);
    EXPECT_EQ(active(), c.active_after);
    EXPECT_EQ(shown_view(), views[static_cast<std::size_t>(c.active_after + (c.active_after >= c.active_before ? 1 : 0))]);
    EXPECT_FALSE(desk.web_view(closed)->alive);
    EXPECT_EQ(desk.web_view(closed)->commands, std::vector<WebCommand>{WebCommand::Stop});
    desk.fire_title_change(closed, "late");
    desk.fire_status_text(closed, "http://late.cn/");
    EXPECT_EQ(captions(), c.captions);
    EXPECT_EQ(f().Edit6.text(), "");
}

INSTANTIATE_TEST_SUITE_P(Pages, CloseActivePage,
                         ::testing::Values(CloseCase{"first", 0, {"web2", "web3"}, 0},
                                           CloseCase{"middle", 1, {"web1", "web3"}, 1},
                                           CloseCase{"last_makes_the_new_last_active", 2, {"web1", "web2"}, 1}));

TEST_F(BrowserPages, WithNoPageLeftEveryPageHandlerDoesNothing)
{
    const WebViewId only = new_slot();
    f().SpeedButton1.release(MouseButton::Left);
    ASSERT_TRUE(captions().empty());
    f().SpeedButton1.release(MouseButton::Left);
    f().ListBox1.release(MouseButton::Right);
    f().Panel6.release(MouseButton::Left);
    f().Button19.click();
    f().Panel23.click();
    f().SpeedButton63.press(MouseButton::Left);
    f().SpeedButton3.release(MouseButton::Right);
    f().wfocus.click();
    desk.fire_title_change(only, "late");
    desk.fire_download_complete(only);
    f().pagecheck.click();
    EXPECT_TRUE(captions().empty());
    EXPECT_TRUE(f().ListBox10.items().empty());
    EXPECT_EQ(desk.web_view(only)->commands, std::vector<WebCommand>{WebCommand::Stop});
}

TEST_F(BrowserPages, TheTopBarClosesThePageButLeavesThePageList)
{
    new_slot();
    new_slot();
    f().cmdpages.click();
    f().Panel6.release(MouseButton::Left);
    EXPECT_EQ(captions(), (std::vector<std::string>{"web1"}));
    EXPECT_EQ(f().ListBox1.items(), (std::vector<std::string>{"web1", "web2"}));
}

// Hovering the page list switches pages without a click; the same line
// hovered again does nothing.
TEST_F(BrowserPages, HoveringThePageListSwitchesPages)
{
    const std::vector<WebViewId> views{new_slot(), new_slot(), new_slot()};
    f().cmdshowbrowser.click();
    f().cmdpages.click();
    ASSERT_TRUE(f().ListBox1.visible());
    f().on_mouse_move(on_line(f().ListBox1, 1));
    EXPECT_EQ(active(), 1);
    EXPECT_EQ(shown_view(), views[1]);
    f().PageControl1.select(2); // another behaviour chose the page
    f().pagecheck.click();
    EXPECT_EQ(shown_view(), views[2]);
    f().on_mouse_move({on_line(f().ListBox1, 1).x + 3, on_line(f().ListBox1, 1).y + 4});
    EXPECT_EQ(active(), 2);
    f().on_mouse_move(on_line(f().ListBox1, 0));
    EXPECT_EQ(active(), 0);
    EXPECT_EQ(shown_view(), views[0]);
    EXPECT_EQ(f().Panel23.text(), "左键转到所选窗口；右键关闭所选窗口");
}

// The page area lies under the panel: presses and pointing reach the panel's controls.
TEST_F(BrowserPages, ThePanelsControlsTakeThePointerOverThePageArea)
{
    new_slot();
    new_slot();
    f().cmdshowbrowser.click();
    f().cmdpages.click();
    const Point line = on_line(f().ListBox1, 1);
    f().on_mouse_move(line);
    f().on_button(MouseButton::Right, ButtonAction::Down, line);
    f().on_button(MouseButton::Right, ButtonAction::Up, line);
    EXPECT_EQ(captions(), std::vector<std::string>{"web1"});
    const Point background{f().Panel3.left() + 39, f().Panel3.top() + 10}; // between two buttons
    ASSERT_EQ(f().control_at(background), &f().Panel3);
    f().on_mouse_move(background);
    EXPECT_EQ(f().Panel3.left(), kParkedLeft);
    EXPECT_EQ(app->vykForm3().caption(), "iemenu");
}

TEST_F(BrowserPages, TheHelpCommandOpensTheAddressOnTheNextTick)
{
    f().Edit1.set_text("http://help.cn/");
    f().Button10.click();
    EXPECT_TRUE(captions().empty());
    f().pagecheck.click();
    EXPECT_EQ(captions(), std::vector<std::string>{"web1"});
    EXPECT_EQ(f().bottomStrip.bounds(), Rect::from_size(0, 768 + kStripHeight, 1024, 0));
    EXPECT_EQ(f().topStrip.bounds(), Rect::from_size(kParkedLeft, 0, 1024, kStripHeight)); // opening moved it away
    f().pagecheck.click();
    EXPECT_EQ(captions().size(), 1u);
}

TEST_F(BrowserPages, TheSwitcherListsThePagesAndPutsThePointerOnThePanel)
{
    new_slot();
    new_slot();
    f().cmdshowbrowser.click();
    f().cmdpages.click();
    EXPECT_EQ(f().ListBox1.items(), (std::vector<std::string>{"web1", "web2"}));
    EXPECT_EQ(f().ListBox1.item_index(), 1);
    EXPECT_EQ(f().Panel3.bounds(), centred(desk, 400, 540));
    EXPECT_TRUE(f().Panel3.bounds().contains(desk.cursor_pos()));
    EXPECT_EQ(f().ListBox1.bounds().contains(desk.cursor_pos()), false);
}

struct KeyCase {
    int vk;
    int selected;
    int active_after;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "key " << c.vk << " on line " << c.selected; }

class PageListKeys : public BrowserPages, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PageListKeys, UpAndDownMakeTheSelectedLinesPageActive)
{
    new_slot();
    new_slot();
    new_slot();
    f().cmdpages.click();
    f().ListBox1.select(GetParam().selected);
    f().ListBox1.on_key_release(GetParam().vk);
    EXPECT_EQ(active(), GetParam().active_after);
}

INSTANTIATE_TEST_SUITE_P(Keys, PageListKeys,
                         ::testing::Values(KeyCase{vk::kUp, 0, 0}, KeyCase{vk::kDown, 1, 1},
                                           KeyCase{vk::kLeft, 0, 2}, KeyCase{vk::kSpace, 1, 2}));

TEST_F(BrowserPages, TheLayoutToggleFramesAndUnframesThePagesAndTheirViews)
{
    const WebViewId page = new_slot();
    EXPECT_EQ(f().PageControl1.bounds(), Rect::from_size(0, 0, 1024, 768));
    f().SpeedButton6.click();
    EXPECT_EQ(f().PageControl1.bounds(), Rect::from_size(0, kStripHeight, 1024, 768 - 2 * kStripHeight));
    EXPECT_EQ(desk.web_view(page)->rect, Rect::from_size(0, kStripHeight, 1024, 768 - 2 * kStripHeight));
    f().SpeedButton6.click();
    EXPECT_EQ(desk.web_view(page)->rect, Rect::from_size(0, 0, 1024, 768));
}

TEST_F(BrowserPages, OpeningAnAddressFramesThePagesWhenTheWheelHintIsNotAtTheTop)
{
    f().wheelmess.set_top(40);
    open("http://a.cn/");
    EXPECT_EQ(f().PageControl1.top(), kStripHeight);
    EXPECT_EQ(desk.web_view(shown_view())->rect.height(), 768 - 2 * kStripHeight);
}

TEST_F(BrowserPages, StripsAreLaidOutAgainWhenMovedFromTheTop)
{
    f().topStrip.set_top(50);
    f().pagecheck.click();
    EXPECT_EQ(f().topStrip.bounds(), Rect::from_size(0, 0, 1024, kStripHeight));
    EXPECT_EQ(f().bottomStrip.bounds(), Rect::from_size(0, 768 + kStripHeight, 1024, 0));
    EXPECT_EQ(desk.web_view(f().topStrip.id())->rect, f().topStrip.bounds());
}

struct EntryCase {
    std::string line;
    std::string address;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.line; }

class AddressListEntry : public BrowserPages, public ::testing::WithParamInterface<EntryCase> {};

// A left press on a line of the address list opens its address alone.
TEST_P(AddressListEntry, OpensTheAddressAfterTheSeparator)
{
    EXPECT_EQ(page_address::of_entry(GetParam().line), GetParam().address);
    f().ListBox10.set_items({"http://first.cn/", GetParam().line});
    f().ListBox10.select(1);
    f().ListBox10.press(MouseButton::Left);
    ASSERT_EQ(captions().size(), 1u);
    EXPECT_EQ(desk.web_view(shown_view())->navigations, std::vector<std::string>{GetParam().address});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AddressListEntry,
    ::testing::Values(EntryCase{"新闻     --http://a.cn/x", "http://a.cn/x"},
                      EntryCase{"http://xn--fiq228c.cn/", "http://xn--fiq228c.cn/"},
                      EntryCase{"a--b 的标题     --http://b.cn/c--d", "http://b.cn/c--d"},
                      EntryCase{"两个     --http://c.cn/     --x", "http://c.cn/     --x"}));

TEST_F(BrowserPages, AddressListRightPressDeletesAndEnterAppendsOnce)
{
    f().ListBox10.set_items({"http://a.cn/", "http://b.cn/"});
    f().ListBox10.select(0);
    f().ListBox10.press(MouseButton::Right);
    EXPECT_EQ(f().ListBox10.items(), std::vector<std::string>{"http://b.cn/"});
    for (const char* typed : {"http://b.cn/", "http://c.cn/"}) {
        f().Edit1.set_text(typed);
        f().Edit1.on_key(0x0D);
    }
    EXPECT_EQ(f().ListBox10.items(), (std::vector<std::string>{"http://b.cn/", "http://c.cn/"}));
    EXPECT_EQ(captions().size(), 2u);
}

TEST_F(BrowserPages, KeepingTheAddressAndThePageEntryPutThemFirst)
{
    const WebViewId page = new_slot();
    desk.fire_navigate_complete(page, "http://a.cn/x");
    desk.fire_title_change(page, "新闻");
    f().ListBox10.set_items({"http://old.cn/"});
    f().SpeedButton3.release(MouseButton::Right);
    f().Edit1.set_text("http://home.cn/");
    f().Button19.release(MouseButton::Right);
    EXPECT_EQ(f().ListBox10.items(),
              (std::vector<std::string>{"http://home.cn/", "新闻     --http://a.cn/x", "http://old.cn/"}));
}

TEST_F(BrowserPages, SearchWordsArePercentEncodedBehindThePrefix)
{
    EXPECT_EQ(page_address::percent_encoded("a b;c&d"), "a%20b%3Bc%26d");
    EXPECT_EQ(page_address::percent_encoded("中"), "%D6%D0");
    f().Edit1.set_text("新闻;天气");
    f().SpeedButton64.release(MouseButton::Right);
    ASSERT_EQ(captions().size(), 1u);
    const std::string opened = desk.web_view(shown_view())->navigations.at(0);
    EXPECT_TRUE(opened.starts_with("https://")) << opened;
    EXPECT_TRUE(opened.ends_with("%D0%C2%CE%C5%3B%CC%EC%C6%F8&")) << opened;
}

TEST_F(BrowserPages, NavigationButtonsActOnTheActivePage)
{
    new_slot();
    const WebViewId page = new_slot();
    f().SpeedButton63.press(MouseButton::Left);
    f().SpeedButton63.press(MouseButton::Right);
    f().Button22.release(MouseButton::Right);
    f().Button19.click();
    f().Panel23.click();
    EXPECT_EQ(desk.web_view(page)->commands,
              (std::vector<WebCommand>{WebCommand::Stop, WebCommand::Back, WebCommand::Stop, WebCommand::Forward,
                                       WebCommand::Refresh, WebCommand::SaveAs, WebCommand::Paste}));
}

TEST_F(BrowserPages, StopStopsEveryPageAndClosesTheForm)
{
    const WebViewId first = new_slot();
    const WebViewId second = new_slot();
    f().cmdshowbrowser.click();
    ASSERT_TRUE(f().visible());
    f().Button22.click();
    for (const WebViewId id : {first, second})
        EXPECT_EQ(desk.web_view(id)->commands, std::vector<WebCommand>{WebCommand::Stop});
    EXPECT_EQ(shown_view(), 0u);
    EXPECT_FALSE(f().visible());
}

TEST_F(BrowserPages, ShowAndHide)
{
    f().cmdshowbrowser.click();
    EXPECT_EQ(f().bounds(), Rect::from_size(0, 0, 1024, 768 - 32));
    EXPECT_TRUE(f().visible());
    f().Button14.click();
    EXPECT_EQ(f().left(), kParkedLeft);
}

TEST_F(BrowserPages, EndButtonEndsTheProgram)
{
    bool ended = false;
    app->pyoil().Button1.on_click = [&ended] { ended = true; };
    f().Button21.click();
    EXPECT_TRUE(ended);
}

} // namespace

// The navigation panel's titles "ystop help" and "ystop myworld" lay out the
// form's spare views: one fills the screen below the top bar, the others get
// no height; the navigation layout gives the form the whole screen's height.
struct SpareLayoutCase {
    const char* title;
    const char* filled; // the spare view that fills the screen below the top bar
    bool form_whole_height;
};
void PrintTo(const SpareLayoutCase& c, std::ostream* os) { *os << c.title; }

class SpareLayout : public BrowserPages, public ::testing::WithParamInterface<SpareLayoutCase> {};

TEST_P(SpareLayout, OneSpareViewFillsTheScreenBelowTheTopBar)
{
    const SpareLayoutCase& c = GetParam();
    f().set_height(300);
    app->vykForm3().set_caption(c.title);
    f().Timer1.set_enabled(true);
    desk.advance(40);
    ASSERT_NE(app->vykForm3().caption(), c.title) << "the engine tick took the title";
    const Rect below_bar = Rect::from_size(0, kTopBarHeight, 1024, 768 - kTopBarHeight);
    for (ui::WebView* view : {&f().CppWebBrowser1, &f().CppWebBrowser2, &f().CppWebBrowser6}) {
        if (view->name() == c.filled)
            EXPECT_EQ(view->bounds(), below_bar) << view->name();
        else
            EXPECT_EQ(view->height(), 0) << view->name();
    }
    EXPECT_EQ(f().height(), c.form_whole_height ? 768 : 300);
}

INSTANTIATE_TEST_SUITE_P(Titles, SpareLayout,
                         ::testing::Values(SpareLayoutCase{"ystop help", "CppWebBrowser2", false},
                                           SpareLayoutCase{"ystop gowebhelp", "CppWebBrowser2", false},
                                           SpareLayoutCase{"ystop myworld", "CppWebBrowser6", true}));

// The tray menu opens the browser form over the screen and its page switcher;
// "设置..." stays the menu's last item.
TEST_F(BrowserPages, TheTrayMenuOpensTheBrowserAndItsPageSwitcher)
{
    TFormMain& menu_form = app->FormMain();
    const std::vector<ui::Check*>& items = menu_form.PopupMenu1.items();
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items.back(), &menu_form.N11);
    EXPECT_EQ(items[items.size() - 3], &menu_form.N14);
    EXPECT_EQ(items[items.size() - 2], &menu_form.N15);

    new_slot();
    new_slot();
    hide_browser_form();
    ASSERT_FALSE(desk.is_visible(f().hwnd()) && f().left() >= 0);
    menu_form.N14.click();
    EXPECT_TRUE(desk.is_visible(f().hwnd()));
    EXPECT_EQ(desk.window_rect(f().hwnd()), Rect::from_size(0, 0, 1024, 768 - 32));
    EXPECT_FALSE(f().Panel3.visible() && f().Panel3.left() >= 0) << "the browser alone, no switcher";

    hide_browser_form();
    menu_form.N15.click();
    EXPECT_TRUE(desk.is_visible(f().hwnd()));
    EXPECT_TRUE(f().Panel3.visible());
    EXPECT_EQ(f().Panel3.bounds(), Rect::from_size((1024 - 400) / 2, (768 - 540) / 2, 400, 540));
    EXPECT_EQ(f().ListBox1.count(), 2u) << "the page list rebuilt";
}

} // namespace tv::test
