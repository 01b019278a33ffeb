// Web views and desktop toolbars on the simulated desktop: what a web view of
// the status form shows (addresses, written documents, its place), the events
// the platform raises reaching the control's handlers (refusing a new window or
// a navigation), a platform that cannot make web views, and a window docked as
// a desktop toolbar.
#include "sim_app.h"

#include "board/lifeform.h"

#include <functional>
#include <memory>

namespace tv::test {
namespace {

constexpr std::uint32_t kAppBarMessage = 1124;

class WebViewFixture : public SimApp {
protected:
    ui::WebView& view() const { return app->lifeform().CppWebBrowser2; }
    Hwnd form_window() const { return app->lifeform().hwnd(); }

    // The live platform view that last navigated to `url`; 0 when there is none.
    WebViewId view_showing(std::string_view url) const
    {
        for (const auto& [id, v] : desk.web_views()) {
            if (v.alive && !v.navigations.empty() && v.navigations.back() == url)
                return id;
        }
        return 0;
    }

    // Starts the program and gives the hint view an address of its own, by
    // which the test finds the platform's view behind it.
    WebViewId start_with_view()
    {
        start();
        view().navigate(kOwnAddress);
        return view_showing(kOwnAddress);
    }

    // Every handler of the hint view writes what it saw into `trace`.
    void trace_every_event()
    {
        view().NewWindow2 = [this](bool&) { trace += "new-window;"; };
        view().TitleChange = [this](std::string_view t) { trace += "title " + std::string(t) + ";"; };
        view().StatusTextChange = [this](std::string_view t) { trace += "status " + std::string(t) + ";"; };
        view().DownloadComplete = [this] { trace += "download-complete;"; };
        view().DocumentComplete = [this](std::string_view u) { trace += "document-complete " + std::string(u) + ";"; };
        view().BeforeNavigate2 = [this](std::string_view u, bool&) { trace += "before-navigate " + std::string(u) + ";"; };
        view().NavigateComplete2 = [this](std::string_view u) { trace += "navigate-complete " + std::string(u) + ";"; };
    }

    static constexpr std::string_view kOwnAddress = "file://C:\\Tarvesk\\own-test.htm";
    std::string trace;
};

TEST_F(WebViewFixture, NavigatingRecordsTheAddressOnAViewInsideTheStatusForm)
{
    const WebViewId id = start_with_view();

    ASSERT_NE(id, 0u);
    EXPECT_TRUE(view().created());
    EXPECT_EQ(desk.web_view(id)->parent, form_window());
    EXPECT_EQ(view().text(), kOwnAddress);
}

TEST_F(WebViewFixture, WritingADocumentReplacesTheLastOne)
{
    const WebViewId id = start_with_view();

    view().write_document("<BODY>一</BODY>");
    view().write_document("<BODY>二</BODY>");

    EXPECT_EQ(desk.web_view(id)->document, "<BODY>二</BODY>");
    EXPECT_EQ(view().document(), "<BODY>二</BODY>");
    EXPECT_EQ(desk.web_view(id)->navigations.back(), kOwnAddress) << "writing is no navigation";
}

TEST_F(WebViewFixture, TheViewFollowsTheControlsBounds)
{
    const WebViewId id = start_with_view();

    view().set_bounds(0, 5, 1024, 90);
    view().sync_bounds();

    EXPECT_EQ(desk.web_view(id)->rect, Rect::from_size(0, 5, 1024, 90));
}

TEST_F(WebViewFixture, BrowsingCommandsReachTheViewInOrder)
{
    const WebViewId id = start_with_view();

    view().go_back();
    view().go_forward();
    view().stop();
    view().refresh();

    EXPECT_EQ(desk.web_view(id)->commands,
              (std::vector<WebCommand>{WebCommand::Back, WebCommand::Forward, WebCommand::Stop, WebCommand::Refresh}));
}

struct EventCase {
    const char* name;
    std::function<void(sim::SimDesktop&, WebViewId)> fire;
    std::string trace;
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.name; }

class WebViewEventDelivery : public WebViewFixture, public ::testing::WithParamInterface<EventCase> {};

TEST_P(WebViewEventDelivery, ReachTheControlsHandlerWithTheirText)
{
    const WebViewId id = start_with_view();
    trace_every_event();

    GetParam().fire(desk, id);

    EXPECT_EQ(trace, GetParam().trace);
}

INSTANTIATE_TEST_SUITE_P(
    EachEvent, WebViewEventDelivery,
    ::testing::Values(
        EventCase{"NewWindow", [](sim::SimDesktop& d, WebViewId id) { d.fire_new_window(id); }, "new-window;"},
        EventCase{"Title", [](sim::SimDesktop& d, WebViewId id) { d.fire_title_change(id, "提示栏"); }, "title 提示栏;"},
        EventCase{"StatusText",
                  [](sim::SimDesktop& d, WebViewId id) { d.fire_status_text(id, "http://s.example/?word=鼠标"); },
                  "status http://s.example/?word=鼠标;"},
        EventCase{"EmptyStatusText", [](sim::SimDesktop& d, WebViewId id) { d.fire_status_text(id, ""); }, "status ;"},
        EventCase{"DownloadComplete", [](sim::SimDesktop& d, WebViewId id) { d.fire_download_complete(id); },
                  "download-complete;"},
        EventCase{"DocumentComplete", [](sim::SimDesktop& d, WebViewId id) { d.fire_document_complete(id, "about:blank"); },
                  "document-complete about:blank;"},
        EventCase{"BeforeNavigate",
                  [](sim::SimDesktop& d, WebViewId id) { d.fire_before_navigate(id, "http://a.example/"); },
                  "before-navigate http://a.example/;"},
        EventCase{"NavigateComplete",
                  [](sim::SimDesktop& d, WebViewId id) { d.fire_navigate_complete(id, "http://a.example/"); },
                  "navigate-complete http://a.example/;"},
        EventCase{"UnknownView", [](sim::SimDesktop& d, WebViewId) { d.fire_title_change(0x7777, "x"); }, ""}),
    [](const ::testing::TestParamInfo<EventCase>& info) { return std::string(info.param.name); });

enum class Handler { None, Allows, Cancels };

struct CancelCase {
    const char* name;
    Handler handler;
    bool cancelled;
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }

class WebViewCancel : public WebViewFixture, public ::testing::WithParamInterface<CancelCase> {
protected:
    static void answer(Handler h, bool& cancel)
    {
        if (h == Handler::Cancels)
            cancel = true;
    }
};

const auto kCancelCases = ::testing::Values(CancelCase{"NoHandler", Handler::None, false},
                                            CancelCase{"HandlerAllows", Handler::Allows, false},
                                            CancelCase{"HandlerCancels", Handler::Cancels, true});

const auto kCancelName = [](const ::testing::TestParamInfo<CancelCase>& info) { return std::string(info.param.name); };

TEST_P(WebViewCancel, NewWindowIsRefusedOnlyWhenTheHandlerSaysSo)
{
    const WebViewId id = start_with_view();
    const Handler h = GetParam().handler;
    // The status form's own rule refuses every new window: a test handler replaces it.
    view().NewWindow2 = nullptr;
    if (h != Handler::None)
        view().NewWindow2 = [h](bool& cancel) { answer(h, cancel); };

    EXPECT_EQ(desk.fire_new_window(id), GetParam().cancelled);
}

TEST_P(WebViewCancel, NavigationIsRefusedOnlyWhenTheHandlerSaysSo)
{
    const WebViewId id = start_with_view();
    const Handler h = GetParam().handler;
    if (h != Handler::None)
        view().BeforeNavigate2 = [h](std::string_view, bool& cancel) { answer(h, cancel); };

    EXPECT_EQ(desk.fire_before_navigate(id, "http://a.example/"), GetParam().cancelled);
}

INSTANTIATE_TEST_SUITE_P(EachAnswer, WebViewCancel, kCancelCases, kCancelName);

// A form of its own whose lifetime the test controls.
struct ProbeForm : ui::Form {
    explicit ProbeForm(Platform& p) : ui::Form(p, {"probe", "Tprobe", "", Rect::from_size(0, 0, 200, 100)}), view(*this, "view") {}
    ui::WebView view;
};

TEST_F(WebViewFixture, AViewEndsWithItsControlAndHearsNothingAfterwards)
{
    auto probe = std::make_unique<ProbeForm>(desk);
    bool heard = false;
    probe->view.TitleChange = [&heard](std::string_view) { heard = true; };
    probe->view.navigate("about:blank");
    const WebViewId id = view_showing("about:blank");
    ASSERT_NE(id, 0u);

    probe.reset();
    desk.fire_title_change(id, "late");

    EXPECT_FALSE(desk.web_view(id)->alive);
    EXPECT_FALSE(heard);
}

TEST_F(WebViewFixture, AViewEndsWithItsParentWindow)
{
    const Hwnd parent = desk.add_window("Tother", "", Rect::from_size(0, 0, 300, 200));
    const WebViewId id = desk.create_web_view(parent, Rect::from_size(0, 0, 300, 200), nullptr);

    desk.destroy_window(parent);
    desk.navigate(id, "about:blank");

    ASSERT_NE(desk.web_view(id), nullptr);
    EXPECT_FALSE(desk.web_view(id)->alive);
    EXPECT_TRUE(desk.web_view(id)->navigations.empty());
}

TEST_F(WebViewFixture, WithoutWebViewsEveryCallDoesNothingAndTheProgramRuns)
{
    desk.set_web_views_available(false);
    start();
    desk.advance(500);
    trace_every_event();

    app->lifeform().settopmess.click();
    view().navigate(kOwnAddress);
    view().write_document("<BODY></BODY>");
    view().sync_bounds();
    view().go_back();
    view().refresh();
    desk.fire_new_window(0);
    desk.fire_title_change(0, "x");

    EXPECT_FALSE(view().created());
    EXPECT_TRUE(desk.web_views().empty());
    EXPECT_EQ(view().document(), "<BODY></BODY>");
    EXPECT_EQ(trace, "");
    EXPECT_FALSE(desk.quit_code().has_value());
}

// ---- desktop toolbars ----

class WebViewAppBar : public ::testing::Test {
protected:
    sim::SimDesktop desk;
    const Hwnd bar = desk.add_window("Tbar", "", Rect::from_size(0, 738, 64, 90));
};

TEST_F(WebViewAppBar, RegisteredPlacedAndRemoved)
{
    ASSERT_TRUE(desk.register_app_bar(bar, kAppBarMessage));
    desk.place_app_bar(bar, AppBarEdge::Top, Rect{0, 0, 1024, 93});

    ASSERT_TRUE(desk.app_bar(bar).has_value());
    EXPECT_EQ(desk.app_bar(bar)->callback_message, kAppBarMessage);
    EXPECT_EQ(desk.app_bar(bar)->edge, AppBarEdge::Top);
    EXPECT_EQ(desk.app_bar(bar)->rect, (Rect{0, 0, 1024, 93}));
    EXPECT_EQ(desk.window_rect(bar), (Rect{0, 0, 1024, 90}));

    desk.remove_app_bar(bar);
    EXPECT_FALSE(desk.app_bar(bar).has_value());
}

TEST_F(WebViewAppBar, WithoutRegisteringPlacingAndRemovingDoNothing)
{
    desk.place_app_bar(bar, AppBarEdge::Top, Rect{0, 0, 1024, 93});
    desk.remove_app_bar(bar);

    EXPECT_FALSE(desk.app_bar(bar).has_value());
    EXPECT_EQ(desk.window_rect(bar), Rect::from_size(0, 738, 64, 90));
}

TEST_F(WebViewAppBar, AVanishedWindowCannotRegister)
{
    desk.destroy_window(bar);

    EXPECT_FALSE(desk.register_app_bar(bar, kAppBarMessage));
    EXPECT_FALSE(desk.register_app_bar(0, kAppBarMessage));
}

TEST_F(WebViewAppBar, ADestroyedWindowIsNoLongerAToolbar)
{
    desk.register_app_bar(bar, kAppBarMessage);
    desk.destroy_window(bar);

    EXPECT_FALSE(desk.app_bar(bar).has_value());
}

struct PlaceCase {
    const char* name;
    AppBarEdge edge;
    Rect reserved;
    Rect window; // before
    Rect placed; // after
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class WebViewAppBarPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(WebViewAppBarPlace, TheWindowTakesTheBandAlongItsEdge)
{
    sim::SimDesktop desk;
    const Hwnd bar = desk.add_window("Tbar", "", GetParam().window);
    desk.register_app_bar(bar, kAppBarMessage);

    desk.place_app_bar(bar, GetParam().edge, GetParam().reserved);

    EXPECT_EQ(desk.window_rect(bar), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    EachEdge, WebViewAppBarPlace,
    ::testing::Values(
        PlaceCase{"LargeBar", AppBarEdge::Top, {0, 0, 1024, 183}, Rect::from_size(0, 738, 1024, 180), {0, 0, 1024, 180}},
        PlaceCase{"TinyBar", AppBarEdge::Top, {0, 0, 1024, 8}, Rect::from_size(0, 0, 1024, 5), {0, 0, 1024, 5}},
        PlaceCase{"ThickerThanReserved", AppBarEdge::Top, {0, 0, 1024, 40}, Rect::from_size(5, 5, 64, 90),
                  {0, 0, 1024, 40}},
        PlaceCase{"Bottom", AppBarEdge::Bottom, {0, 700, 1024, 768}, Rect::from_size(0, 0, 64, 30), {0, 738, 1024, 768}},
        PlaceCase{"Left", AppBarEdge::Left, {0, 0, 100, 768}, Rect::from_size(300, 300, 60, 90), {0, 0, 60, 768}},
        PlaceCase{"Right", AppBarEdge::Right, {900, 0, 1024, 768}, Rect::from_size(0, 0, 60, 90), {964, 0, 1024, 768}}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tv::test
