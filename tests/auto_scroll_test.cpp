// Automatic scrolling on the simulated desktop: where the middle button is
// pressed and how far the pointer goes, the stop tests and the page-end probe
// on the mode engine's tick, and the status form's drag count.
#include "auto_scroll_sim.h"

#include "board/inputmode.h"
#include "board/pyoil.h"

namespace tv::test {
namespace {

class AutoScroll : public AutoScrollApp {};

enum class Way { Up, Down };

struct StartCase {
    const char* name;
    const char* page; // the class under the pointer; empty: the editor
    int height;       // of the page's top-level window, from top 100
    bool sibling_in_front;
    Way way;
    const char* setting; // regform.dy
    std::vector<std::string> mouse;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class AutoScrollStart : public AutoScroll, public ::testing::WithParamInterface<StartCase> {};

// The anchor is (500, 400); pages end at x 800.
TEST_P(AutoScrollStart, PressesTheMiddleButtonAtTheGrabPointAndMovesBySpeed)
{
    const StartCase& c = GetParam();
    if (*c.page)
        add_page(c.page, Rect::from_size(100, 100, 700, c.height));
    if (c.sibling_in_front)
        desk.set_foreground(desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 720, 300, 40)));
    set_speed_setting(c.setting);
    desk.clear_input_log();

    (c.way == Way::Up ? browser().scrollup : browser().scrolldown).click();

    EXPECT_EQ(mouse_events(), c.mouse);
    EXPECT_EQ(browser().auto_scroll, c.way == Way::Up ? tv::AutoScroll::Up : tv::AutoScroll::Down);
    EXPECT_EQ(browser().oldrightpos.left(), 500);
    EXPECT_EQ(browser().oldrightpos.top(), 400);
    EXPECT_EQ(browser().Panel41.text(), "//0") << "the speed before this scroll";
}

INSTANTIATE_TEST_SUITE_P(
    GrabPointsAndSpeeds, AutoScrollStart,
    ::testing::Values(
        StartCase{"WordPage600HighGives10", kWordPage, 600, false, Way::Down, "3",
                  {"mouse middledown at 668,400", "mouse move by 0,10 at 668,400"}},
        StartCase{"WordPage599HighGives8", kWordPage, 599, false, Way::Down, "3",
                  {"mouse middledown at 668,400", "mouse move by 0,8 at 668,400"}},
        StartCase{"WordPage400HighGives8", kWordPage, 400, false, Way::Down, "3",
                  {"mouse middledown at 668,400", "mouse move by 0,8 at 668,400"}},
        StartCase{"WordPage399HighGives6", kWordPage, 399, false, Way::Down, "3",
                  {"mouse middledown at 668,400", "mouse move by 0,6 at 668,400"}},
        StartCase{"WordPageUpFromTheAnchor", kWordPage, 599, false, Way::Up, "3",
                  {"mouse middledown at 768,400", "mouse move by 0,-8 at 500,400"}},
        StartCase{"WordPageDownBesideTheSibling", kWordPage, 600, true, Way::Down, "3",
                  {"mouse middledown at 668,400", "mouse move by 0,10 at 668,400"}},
        StartCase{"WordPageUpBesideTheSibling", kWordPage, 600, true, Way::Up, "3",
                  {"mouse middledown at 1012,400", "mouse move by 0,-10 at 500,400"}},
        StartCase{"WebPageClicksTheMiddleButton", kWebPage, 600, false, Way::Down, "7",
                  {"mouse middledown at 782,400", "mouse middleup at 782,400", "mouse move by 0,7 at 782,400"}},
        StartCase{"WebPageUp", kWebPage, 600, false, Way::Up, "7",
                  {"mouse middledown at 782,400", "mouse middleup at 782,400", "mouse move by 0,-7 at 500,400"}},
        StartCase{"WebPageBesideTheSibling", kWebPage, 600, true, Way::Down, "7",
                  {"mouse middledown at 1012,400", "mouse middleup at 1012,400", "mouse move by 0,7 at 1012,400"}},
        StartCase{"PlainWindowAtTheLeftEdge", "", 0, false, Way::Down, "5",
                  {"mouse middledown at 0,400", "mouse move by 0,5 at 0,400"}},
        StartCase{"SettingNotANumber", "", 0, false, Way::Down, "abc",
                  {"mouse middledown at 0,400", "mouse move by 0,0 at 0,400"}}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

TEST_F(AutoScroll, SpeedDisplayShowsTheSpeedOfTheScrollBefore)
{
    add_page(kWordPage, Rect::from_size(100, 100, 700, 600));
    browser().scrolldown.click();
    left_press();
    browser().scrollup.click();
    EXPECT_EQ(browser().Panel41.text(), "//10");
}

struct StopCase {
    const char* name;
    const char* page;
    bool by_notch; // a wheel notch in the auto wheel rather than the command
    int middle_releases; // by the stop tests
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class AutoScrollStop : public AutoScroll, public ::testing::WithParamInterface<StopCase> {};

TEST_P(AutoScrollStop, LeftClickReturnsThePointerToTheExactAnchor)
{
    const StopCase& c = GetParam();
    add_page(c.page, Rect::from_size(100, 100, 700, 600));
    rest_at({503, 411});
    if (c.by_notch) {
        select_by(0, -30);
        ASSERT_EQ(mode_cell(), "自动滚轮");
    }
    const Point anchor = desk.cursor_pos();
    if (c.by_notch) {
        desk.user_wheel(-120);
        desk.advance(50);
    } else {
        browser().scrolldown.click();
    }
    desk.advance(3 * kEngineTick);
    ASSERT_EQ(browser().auto_scroll, tv::AutoScroll::Down);
    ASSERT_NE(desk.cursor_pos(), anchor);
    desk.clear_input_log();

    left_press();
    EXPECT_EQ(browser().auto_scroll, tv::AutoScroll::Idle);
    EXPECT_EQ(desk.cursor_pos(), anchor);
    int releases = 0;
    for (const std::string& e : mouse_events())
        releases += e.starts_with("mouse middleup");
    EXPECT_EQ(releases, c.middle_releases);
    EXPECT_FALSE(desk.key_down(4)) << "the middle button is not left down";
}

INSTANTIATE_TEST_SUITE_P(ByPage, AutoScrollStop,
                         ::testing::Values(StopCase{"WebPageByANotch", kWebPage, true, 0},
                                           StopCase{"WebPageByTheCommand", kWebPage, false, 0},
                                           StopCase{"WordPageHoldsTheMiddleButton", kWordPage, false, 1}),
                         [](const ::testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

// ---- the page-end probe ----

TEST_F(AutoScroll, PageEndProbeWritesOnlyWhenTheAnswerChanges)
{
    constexpr Point kProbe{1024 - 12, 768 - 100};
    ui::Panel& probe = bar().Panel35;
    desk.advance(kEngineTick);
    EXPECT_EQ(probe.text(), "end--668") << "four equal pixels";

    probe.set_text("end--as before");
    desk.advance(kEngineTick);
    EXPECT_EQ(probe.text(), "end--as before") << "still the end: not written";

    desk.paint_pixel({kProbe.x, kProbe.y + 3}, 0x000000FF);
    desk.advance(kEngineTick);
    EXPECT_EQ(probe.text(), "not end--668");
    probe.set_text("not end--as before");
    desk.advance(kEngineTick);
    EXPECT_EQ(probe.text(), "not end--as before") << "still not the end: not written";

    desk.paint_pixel({kProbe.x, kProbe.y + 3}, 0x00A56E3A);
    desk.advance(kEngineTick);
    EXPECT_EQ(probe.text(), "end--668");
}

TEST(AutoScrollProbe, RowLiesAboveTheSiblingsBottomByTheArrowHeightReadAtStart)
{
    struct {
        const char* name;
        int sibling_bottom; // 0: no sibling
        const char* probe;
    } cases[] = {
        {"no sibling", 0, "end--668"},
        {"sibling ending at 700", 700, "end--593"},           // 700 - (90 + 17)
        {"sibling ending below the screen", 2000, "not end--1893"}, // pixels that cannot be read
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimDesktop desk;
        desk.set_scroll_arrow_height(17);
        Program program(desk, {});
        program.create_forms();
        desk.set_scroll_arrow_height(40); // read once at start-up
        if (c.sibling_bottom)
            desk.add_window("Tvykombrel", "ombrel", Rect{0, 0, 1024, c.sibling_bottom});
        program.app().ombrel().Timer1.set_enabled(true);
        desk.advance(40); // one mode-engine tick
        EXPECT_EQ(program.app().lifeform().Panel35.text(), c.probe);
    }
}

TEST_F(AutoScroll, PageEndStopsTheSiblingsOwnScroll)
{
    add_page(kWordPage, Rect::from_size(100, 100, 700, 600));
    browser().scrolldown.click();
    desk.advance(kEngineTick);
    ASSERT_EQ(bar().Panel35.text(), "end--668");
    ASSERT_EQ(browser().auto_scroll, tv::AutoScroll::Down) << "the end alone stops nothing";
    desk.clear_input_log();

    set_caption("Tregform", "autotv");
    desk.advance(kEngineTick);
    EXPECT_EQ(caption("Tregform"), "xx auto");
    EXPECT_EQ(bar().Panel35.text(), "okend--");
    EXPECT_EQ(mouse_events(), (std::vector<std::string>{"mouse middleup at 668,410"}));
    EXPECT_EQ(browser().auto_scroll, tv::AutoScroll::Idle);
    EXPECT_EQ(desk.cursor_pos(), kHome);
}

TEST_F(AutoScroll, SiblingKeepsScrollingBeforeThePageEnd)
{
    desk.paint_pixel({1024 - 12, 668}, 0x000000FF);
    set_caption("Tregform", "autotv");
    desk.advance(2 * kEngineTick);
    EXPECT_EQ(caption("Tregform"), "autotv");
    EXPECT_EQ(bar().Panel35.text(), "not end--668");
}

// ---- the drag count ----

TEST_F(AutoScroll, StartingAScrollRestartsTheDragCountFromOne)
{
    ui::Panel& dragmess = app->inputmode().dragmess;
    for (bool running : {true, false}) {
        SCOPED_TRACE(running ? "count running" : "count stopped");
        if (running) {
            bar().Timer2.set_enabled(true);
            desk.advance(500);
            ASSERT_EQ(dragmess.text(), "dt=50");
        } else {
            desk.advance(2000);
            ASSERT_FALSE(bar().Timer2.enabled());
        }
        browser().scrolldown.click();
        desk.advance(10);
        EXPECT_EQ(dragmess.text(), "dt=1");
        left_press();
    }
}

// ---- a target window that goes away ----

TEST_F(AutoScroll, TargetClosedBetweenTicksChangesNothing)
{
    const Hwnd page = add_page(kWordPage, Rect::from_size(100, 100, 700, 600));
    browser().scrolldown.click();
    desk.advance(kEngineTick);
    desk.destroy_window(page);
    desk.advance(3 * kEngineTick);
    EXPECT_EQ(browser().auto_scroll, tv::AutoScroll::Down);
    left_press();
    EXPECT_EQ(browser().auto_scroll, tv::AutoScroll::Idle);
    EXPECT_EQ(desk.cursor_pos(), kHome);
}

// ---- easy drag ----

TEST_F(AutoScroll, EasyDragHoldsTheLeftButtonUntilTheUsersClick)
{
    app->pyoil().easydrag.click();
    EXPECT_EQ(mouse_events(), (std::vector<std::string>{"mouse leftup at 500,400", "mouse leftdown at 500,400"}));
    EXPECT_TRUE(desk.key_down(1)) << "every following movement drags";
    desk.user_move({600, 450});
    EXPECT_TRUE(desk.key_down(1));
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_FALSE(desk.key_down(1)) << "the user's click ends the drag";
}

} // namespace
} // namespace tv::test
