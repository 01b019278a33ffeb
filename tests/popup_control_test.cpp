// The browser's pop-up control on the simulated desktop: a page that resizes
// its view is closed on the engine tick after its download completed while
// blocking is on, and kept while it is off; full-size pages are never closed;
// the switch's caption; pages that show no view are removed while the browser
// is on the screen.
#include "sim_app.h"

#include "board/ombrel.h"
#include "board/regform.h"
#include "board/vykform3.h"

#include <ostream>

namespace tv::test {
namespace {

constexpr int kEngineTick = 40;

class Popups : public SimApp {
protected:
    void SetUp() override { start(); }
    Tombrel& f() const { return app->ombrel(); }
    std::vector<std::string> captions() const { return f().PageControl1.items(); }
    int active() const { return f().PageControl1.item_index(); }

    // A page that a page of its own asks for, as a link with a target opens one.
    WebViewId requested_page(WebViewId from)
    {
        const sim::SimNewWindow request = desk.fire_new_window_into(from);
        EXPECT_FALSE(request.cancel);
        return request.target;
    }
    WebViewId first_page()
    {
        f().cmdnewslot.click();
        for (const auto& [id, v] : desk.web_views())
            if (v.alive && v.parent == f().hwnd() && v.rect.left == 0 && id != f().topStrip.id())
                return id;
        return 0;
    }
};

struct PopupCase {
    const char* name;
    bool allow;                      // the switch toggled once: "开放"
    int pages;                       // pages opened, each by the one before
    int resized;                     // the page that resizes its view; -1 for none
    Size size;                       // the size it asks for
    bool download_completes;         // of the resized page
    std::vector<std::string> after;  // the pages after the next engine tick
    int active_after;
    std::vector<std::string> marks;  // `ListBox11` after the tick
};

void PrintTo(const PopupCase& c, std::ostream* os) { *os << c.name; }

class PopupCheck : public Popups, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupCheck, ClosesPagesThatResizedTheirViewWhileBlocking)
{
    const PopupCase& c = GetParam();
    if (c.allow)
        f().SpeedButton2.release(MouseButton::Left);
    std::vector<WebViewId> views{first_page()};
    for (int i = 1; i < c.pages; ++i)
        views.push_back(requested_page(views.back()));
    f().PageControl1.select(0);
    if (c.resized >= 0) {
        const WebViewId view = views[static_cast<std::size_t>(c.resized)];
        desk.fire_window_set_size(view, c.size.width, c.size.height);
        if (c.download_completes)
            desk.fire_download_complete(view);
    }
    f().pagecheck.click();
    EXPECT_EQ(captions(), c.after);
    EXPECT_EQ(active(), c.active_after);
    EXPECT_EQ(f().ListBox11.items(), c.marks);
    if (c.resized >= 0) {
        const bool closed = c.after.size() < static_cast<std::size_t>(c.pages);
        EXPECT_EQ(desk.web_view(views[static_cast<std::size_t>(c.resized)])->alive, !closed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PopupCheck,
    ::testing::Values(
        PopupCase{"small_window_blocked", false, 2, 1, {300, 200}, true, {"web1"}, 0, {"", "1//300..200"}},
        PopupCase{"middle_one_blocked_last_active", false, 3, 1, {1024, 500}, true, {"web1", "web3"}, 1,
                  {"", "1//1024..500", ""}},
        PopupCase{"wider_only", false, 2, 1, {1200, 768}, true, {"web1"}, 0, {"", "1//1200..768"}},
        PopupCase{"allowed", true, 2, 1, {300, 200}, true, {"web1", "web2"}, 0, {}},
        PopupCase{"full_size_never_closed", false, 2, 1, {1024, 768}, true, {"web1", "web2"}, 0, {"", ""}},
        PopupCase{"no_resize", false, 2, -1, {}, false, {"web1", "web2"}, 0, {}},
        PopupCase{"download_not_complete", false, 2, 1, {300, 200}, false, {"web1", "web2"}, 0, {}}));

TEST_F(Popups, TheEngineTickRunsTheCheckOnce)
{
    const WebViewId first = first_page();
    const WebViewId popup = requested_page(first);
    desk.fire_window_set_size(popup, 300, 200);
    desk.fire_download_complete(popup);
    desk.fire_download_complete(popup);
    f().Timer1.set_enabled(true);
    desk.advance(kEngineTick);
    EXPECT_EQ(captions(), std::vector<std::string>{"web1"});
    f().ListBox11.set_items({"untouched"});
    desk.advance(kEngineTick);
    EXPECT_EQ(f().ListBox11.items(), std::vector<std::string>{"untouched"});
}

TEST_F(Popups, TheSwitchToggledTwiceBlocksAgain)
{
    EXPECT_EQ(f().SpeedButton2.text(), "屏蔽");
    f().SpeedButton2.release(MouseButton::Right);
    EXPECT_EQ(f().SpeedButton2.text(), "开放");
    f().SpeedButton2.release(MouseButton::Left);
    EXPECT_EQ(f().SpeedButton2.text(), "屏蔽");
    f().SpeedButton2.hover();
    EXPECT_EQ(f().Panel23.text(), "开放\\屏蔽弹出窗口");
}

struct EmptyCase {
    const char* name;
    bool views;          // the platform makes web views
    bool browser_shown;
    std::vector<std::string> after;
};

void PrintTo(const EmptyCase& c, std::ostream* os) { *os << c.name; }

class EmptyPage : public Popups, public ::testing::WithParamInterface<EmptyCase> {};

TEST_P(EmptyPage, APageWithoutAViewIsRemovedWhileTheBrowserShows)
{
    const EmptyCase& c = GetParam();
    f().cmdnewslot.click();
    desk.set_web_views_available(c.views);
    f().cmdnewslot.click();
    if (c.browser_shown)
        f().cmdshowbrowser.click();
    f().pagecheck.click();
    EXPECT_EQ(captions(), c.after);
    EXPECT_EQ(active(), static_cast<int>(c.after.size()) - 1);
}

INSTANTIATE_TEST_SUITE_P(Pages, EmptyPage,
                         ::testing::Values(EmptyCase{"no_view_shown", false, true, {"web1"}},
                                           EmptyCase{"no_view_hidden_browser", false, false, {"web1", "web2"}},
                                           EmptyCase{"view_shown", true, true, {"web1", "web2"}}));

struct NavigationCase {
    const char* name;
    std::string link;           // the navigation view's last status text
    std::string outbox;         // the caption of `regform` afterwards
    bool panel_hidden;
};

void PrintTo(const NavigationCase& c, std::ostream* os) { *os << c.name; }

class NavigationViewRequest : public Popups, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(NavigationViewRequest, GoesToTheSiblingAndNeverOpensAWindow)
{
    const NavigationCase& c = GetParam();
    TvykForm3& panel = app->vykForm3();
    panel.CppWebBrowser3.navigate("file:///C:/Tarvesk/nav.htm");
    const WebViewId view = panel.CppWebBrowser3.id();
    ASSERT_NE(view, 0u);
    panel.set_bounds(100, 100, 300, 300);
    panel.show();
    app->regform().set_caption("before");
    desk.fire_status_text(view, c.link);
    EXPECT_TRUE(desk.fire_new_window(view));
    EXPECT_EQ(app->regform().caption(), c.outbox);
    EXPECT_EQ(panel.left() == -2000 && !panel.visible(), c.panel_hidden);
    EXPECT_TRUE(captions().empty());
}

INSTANTIATE_TEST_SUITE_P(Links, NavigationViewRequest,
                         ::testing::Values(NavigationCase{"link", "http://a.cn/x", "vyknewurl=http://a.cn/x", true},
                                           NavigationCase{"no_link", "", "before", false}));

TEST_F(Popups, TheNavigationViewNeverGoesToCopyso)
{
    TvykForm3& panel = app->vykForm3();
    panel.CppWebBrowser3.navigate("file:///C:/Tarvesk/nav.htm");
    const WebViewId view = panel.CppWebBrowser3.id();
    EXPECT_TRUE(desk.fire_before_navigate(view, "http://x.copyso.cn/a"));
    EXPECT_FALSE(desk.fire_before_navigate(view, "http://a.cn/copy-so"));
}

} // namespace
} // namespace tv::test
