// The browser form's scroll and page commands that outside components click:
// `cmdautoscroll`, the pending wheel scroll it leaves, `cmdup`/`cmddown`,
// `cmdwindowselect` and `cmdvykform3proc`, on the simulated desktop.
#include "auto_scroll_sim.h"

namespace tv::test {
namespace {

class ScrollCommands : public AutoScrollApp {};

enum class Under { Editor, WordPage, WebPage, RichEdit, SystemMenu, LeftHeld, WebPageBrowserShown, Nothing };

struct NotchCase {
    const char* name;
    Under under;
    bool up;
    std::vector<std::string> keys;
    std::vector<std::string> mouse;
    const char* speed_display; // Panel41
    const char* cell;          // the mouse-event cell afterwards
    bool pending;
    Point remembered;
    const char* midmess;
};

void PrintTo(const NotchCase& c, std::ostream* os) { *os << c.name; }

class WheelNotchCommand : public ScrollCommands, public ::testing::WithParamInterface<NotchCase> {};

// Pages are 600 high from top 100 and end at x 800; the editor is 500 high.
TEST_P(WheelNotchCommand, ScrollsTheWindowUnderThePointerByOneNotch)
{
    const NotchCase& c = GetParam();
    const Rect frame = Rect::from_size(100, 100, 700, 600);
    Hwnd front = editor;
    switch (c.under) {
    case Under::WordPage: front = add_page(kWordPage, frame); break;
    case Under::WebPage: front = add_page(kWebPage, frame); break;
    case Under::RichEdit: front = add_page("RichEdit20A", frame); break;
    case Under::SystemMenu:
        desk.add_window("#32768", "", Rect::from_size(900, 100, 100, 200), Visibility::Shown, Topmost::Yes);
        break;
    case Under::LeftHeld: desk.user_button(MouseButton::Left, ButtonAction::Down); break;
    case Under::WebPageBrowserShown:
        front = add_page(kWebPage, frame);
        browser().set_left(0);
        break;
    case Under::Nothing: desk.destroy_window(editor); front = 0; break;
    case Under::Editor: break;
    }
    desk.set_foreground(desk.add_window("Other", "", Rect::from_size(0, 720, 50, 40)));
    browser().Panel41.set_text("before");
    notch_cell(c.up);
    desk.clear_input_log();

    browser().cmdautoscroll.click();

    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(mouse_events(), c.mouse);
    EXPECT_EQ(browser().Panel41.text(), c.speed_display);
    EXPECT_EQ(caption("TvykForm3"), c.cell);
    const PendingWheelScroll& pending = browser().pending_wheel_scroll;
    EXPECT_EQ(pending.set, c.pending);
    if (c.pending) {
        EXPECT_EQ(pending.at, c.remembered);
        EXPECT_EQ(desk.cursor_pos(), c.remembered);
    }
    EXPECT_EQ(browser().midmess.text(), c.midmess);
    if (*c.midmess) {
        EXPECT_EQ(desk.foreground_window(), front);
    }
}

const std::vector<std::string> kNone;
std::vector<std::string> press(int vk)
{
    return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"};
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, WheelNotchCommand,
    ::testing::Values(
        NotchCase{"WordPageOnlyShowsTheSpeed", Under::WordPage, false, kNone, kNone, "//10", "ystop=xx--wheel", false,
                  {}, ""},
        NotchCase{"WordPageUp", Under::WordPage, true, kNone, kNone, "//-10", "ystop=xx--wheel", false, {}, ""},
        NotchCase{"SystemMenuUpArrow", Under::SystemMenu, true, press(0x26), kNone, "before", "ystop=xx--wheel", false,
                  {}, ""},
        NotchCase{"SystemMenuDownArrow", Under::SystemMenu, false, press(0x28), kNone, "before", "ystop=xx--wheel",
                  false, {}, ""},
        NotchCase{"LeftHeldNudgesDown", Under::LeftHeld, false, kNone, {"mouse move by 0,1 at 500,400"}, "before",
                  "ystop=xx--wheel", false, {}, ""},
        NotchCase{"LeftHeldNudgesUp", Under::LeftHeld, true, kNone, {"mouse move by 0,-1 at 500,400"}, "before",
                  "ystop=xx--wheel", false, {}, ""},
        NotchCase{"WebPageGrabPointForTheHook", Under::WebPage, false, kNone, kNone, "--//5", "ystop=xx--wheel", true,
                  {772, 400}, "mdown sys"},
        NotchCase{"RichEditGrabPoint", Under::RichEdit, true, kNone, kNone, "--//-5", "ystop=xx--wheel", true,
                  {768, 400}, "mdown sys"},
        NotchCase{"WebPageWithTheBrowserShown", Under::WebPageBrowserShown, false, kNone, kNone, "--//5",
                  "ystop=xx--wheel", true, {1016, 400}, "mdown sys"},
        NotchCase{"PlainWindowLeftToTheHook", Under::Editor, false, kNone, kNone, "--//4", "ystop=xx--wheel", true,
                  {500, 400}, ""},
        NotchCase{"NoWindowUnderThePointer", Under::Nothing, false, kNone, kNone, "--//0", "ystop=xx--wheel", true,
                  {500, 400}, ""}),
    [](const ::testing::TestParamInfo<NotchCase>& info) { return std::string(info.param.name); });

TEST_F(ScrollCommands, WheelNotchBringsTheWindowUnderThePointerToTheFrontWithinTheForeground)
{
    const Hwnd page = add_page(kWebPage, Rect::from_size(100, 100, 700, 600));
    desk.set_foreground(page);
    notch_cell(false);
    browser().cmdautoscroll.click();
    EXPECT_EQ(desk.foreground_window(), page);
    EXPECT_EQ(browser().pending_wheel_scroll.top, 100);
    EXPECT_EQ(browser().pending_wheel_scroll.bottom, 700);
}

TEST_F(ScrollCommands, WheelNotchOnTheNavigationPanelDoesNothing)
{
    browser().set_bounds(0, 0, 800, 600);
    browser().show();
    browser().set_topmost(Topmost::Yes);
    browser().Panel3.set_bounds(0, 300, 600, 200); // left 0: the pages are not turned
    notch_cell(false);
    desk.clear_input_log();
    browser().cmdautoscroll.click();
    EXPECT_TRUE(desk.input_log().empty());
    EXPECT_EQ(caption("TvykForm3"), "ystop wheel=...");
    EXPECT_FALSE(browser().pending_wheel_scroll.set);
}

// ---- turning the browser's pages, empty lists included ----

struct PageCase {
    const char* name;
    bool up;
    std::size_t items, pages;
    int selected; // in ListBox1 and PageControl1 before
    int chosen;   // in ListBox1 after
    int active;   // in PageControl1 after
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class WheelNotchTurnsPages : public ScrollCommands, public ::testing::WithParamInterface<PageCase> {};

std::vector<std::string> items(std::size_t n) { return std::vector<std::string>(n, "web"); }

TEST_P(WheelNotchTurnsPages, WhileTheNavigationPanelIsShown)
{
    const PageCase& c = GetParam();
    browser().set_left(0);
    browser().Panel3.set_bounds(10, 10, 100, 100);
    browser().ListBox1.set_items(items(c.items));
    browser().PageControl1.set_items(items(c.pages));
    browser().ListBox1.select(c.selected);
    browser().PageControl1.select(c.selected);
    notch_cell(c.up);
    desk.clear_input_log();

    browser().cmdautoscroll.click();

    EXPECT_EQ(browser().ListBox1.item_index(), c.chosen);
    EXPECT_EQ(browser().PageControl1.item_index(), c.active);
    EXPECT_EQ(caption("Tregform"), c.up ? "vyknext" : "vykprev");
    EXPECT_EQ(caption("TvykForm3"), "qqystop wheel=xxxx");
    EXPECT_EQ(browser().Panel23.text(), "左键转到所选窗口；右键关闭所选窗口");
    EXPECT_TRUE(desk.input_log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryEnd, WheelNotchTurnsPages,
    ::testing::Values(PageCase{"UpOneBack", true, 3, 3, 2, 1, 1}, PageCase{"UpPastTheFirstWraps", true, 3, 3, 0, 2, 2},
                      PageCase{"DownOneForward", false, 3, 3, 0, 1, 1},
                      PageCase{"DownPastTheLastWraps", false, 3, 3, 2, 0, 0},
                      PageCase{"NoneChosenDown", false, 3, 3, -1, 0, 0},
                      PageCase{"EmptyListUp", true, 0, 0, -1, -1, -1},
                      PageCase{"EmptyListDown", false, 0, 3, -1, -1, -1},
                      PageCase{"FewerPagesThanItems", false, 3, 1, 1, 2, 0},
                      PageCase{"NoPages", true, 3, 0, 0, 2, -1}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST_F(ScrollCommands, WindowSelectGoesToTheNextPageAndWrapsOnlyOverPages)
{
    struct {
        std::size_t pages;
        int before, after;
        const char* shown;
    } cases[] = {{0, -1, -1, "-1/0"}, {3, -1, 0, "-1/3"}, {3, 0, 1, "0/3"}, {3, 2, 0, "2/3"}, {1, 0, 0, "0/1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        browser().PageControl1.set_items(items(c.pages));
        browser().PageControl1.select(c.before);
        set_caption("Tregform", "regform");
        browser().cmdwindowselect.click();
        EXPECT_EQ(browser().PageControl1.item_index(), c.after);
        EXPECT_EQ(browser().Label33.text(), c.shown);
        EXPECT_EQ(caption("Tregform"), "vyknext");
        EXPECT_EQ(caption("TvykForm3"), "xxystop wheel");
    }
}

TEST_F(ScrollCommands, NavigationNextMovesTheMarkerAndThePanelsByTheButton)
{
    struct {
        const char* name;
        int marker_top, button_left, button_top;
        int marker_after, vleft_after, ttop_after, tbot_after;
    } cases[] = {
        {"marker climbs, button at the left", 180, 10, 80, 140, 90, 200, 300},
        {"marker below 100 restarts", 139, 5, 16, 299, 98, 200, 300},
        {"marker at 100 stays", 140, 0, 0, 100, 100, 200, 300},
        {"button away from the left", 180, 11, 80, 140, 100, 199, 299},
        {"button far right", 180, 80, 0, 140, 100, 192, 290},
    };
    TvykForm3& navigation = app->vykForm3();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        navigation.Image9.set_top(c.marker_top);
        navigation.Button2.set_bounds(c.button_left, c.button_top, 20, 20);
        navigation.vleft.set_left(100);
        navigation.ttop.set_top(200);
        navigation.tbot.set_top(300);
        browser().cmdvykform3proc.click();
        EXPECT_EQ(navigation.Image9.top(), c.marker_after);
        EXPECT_EQ(navigation.vleft.left(), c.vleft_after);
        EXPECT_EQ(navigation.ttop.top(), c.ttop_after);
        EXPECT_EQ(navigation.tbot.top(), c.tbot_after);
        EXPECT_EQ(caption("TvykForm3"), "ttystop wheel");
        EXPECT_EQ(caption("Tregform"), "vyknext");
    }
}

// ---- cmdup and cmddown ----

struct StepCase {
    const char* name;
    bool up;
    bool edge_flag, mark_shown;
    const char* page;
    std::vector<std::string> keys;
    const char* scroll;
    bool edge_flag_after;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class StepCommands : public ScrollCommands, public ::testing::WithParamInterface<StepCase> {};

TEST_P(StepCommands, StepByTheEdgeFlag)
{
    const StepCase& c = GetParam();
    if (*c.page)
        add_page(c.page, Rect::from_size(100, 100, 700, 600));
    browser().Timer1.set_enabled(false); // the mode engine would set the flag by the movements
    browser().edge_flag = c.edge_flag;
    browser().hbar.set_visible(c.mark_shown);
    std::string scrolled;
    browser().scrollup.on_click = [&] { scrolled = "scrollup"; };
    browser().scrolldown.on_click = [&] { scrolled = "scrolldown"; };
    desk.clear_input_log();

    (c.up ? browser().cmdup : browser().cmddown).click();

    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(scrolled, c.scroll);
    EXPECT_EQ(browser().edge_flag, c.edge_flag_after);
    EXPECT_EQ(browser().Panel39.text(), c.up ? "" : "pgup");
}

INSTANTIATE_TEST_SUITE_P(
    EveryFlag, StepCommands,
    ::testing::Values(StepCase{"NoFlagUpArrow", true, false, false, "", press(0x26), "", false},
                      StepCase{"NoFlagDownArrow", false, false, true, kWebPage, press(0x28), "", false},
                      StepCase{"FlagWithoutMarkPageUp", true, true, false, "", press(0x21), "", true},
                      StepCase{"FlagWithoutMarkPageDown", false, true, false, "", press(0x22), "", true},
                      StepCase{"FlagAndMarkOverWebPageScrollsUp", true, true, true, kWebPage, kNone, "scrollup", true},
                      StepCase{"FlagAndMarkOverWordPageScrollsDown", false, true, true, kWordPage, kNone, "scrolldown",
                               true},
                      StepCase{"FlagAndMarkOverPlainWindowDropsTheFlag", true, true, true, "", press(0x26), "", false}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

// ---- the pending wheel scroll ----

TEST_F(ScrollCommands, PendingWheelScrollCompletesAtTheNextLeftPress)
{
    struct {
        const char* name;
        int remembered_x;
        bool browser_shown;
        bool focused;
    } cases[] = {
        {"browser shown, grab point", 772, true, true},
        {"browser hidden", 772, false, false},
        {"no grab point", 2, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int focused = 0;
        browser().wfocus.on_click = [&] { ++focused; };
        browser().set_left(c.browser_shown ? 0 : -2000);
        browser().pending_wheel_scroll = {true, {c.remembered_x, 400}, 100, 700};
        set_caption("TvykForm3", "");
        desk.advance(2 * kEngineTick);
        EXPECT_TRUE(browser().pending_wheel_scroll.set) << "waits for the left button";
        left_press();
        EXPECT_FALSE(browser().pending_wheel_scroll.set);
        EXPECT_EQ(focused, c.focused ? 1 : 0);
    }
}

TEST_F(ScrollCommands, PendingWheelScrollOverAClosedWindowCompletes)
{
    const Hwnd page = add_page(kWebPage, Rect::from_size(100, 100, 700, 600));
    notch_cell(false);
    browser().cmdautoscroll.click();
    ASSERT_TRUE(browser().pending_wheel_scroll.set);
    desk.destroy_window(page);
    desk.advance(kEngineTick);
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(kEngineTick);
    EXPECT_FALSE(browser().pending_wheel_scroll.set);
    EXPECT_EQ(caption("TvykForm3"), "qq ystop--");
    desk.user_button(MouseButton::Left, ButtonAction::Up);
}

} // namespace
} // namespace tv::test
