// The quick menus on the simulated desktop: one gesture across the small
// menu's items runs at most one command, the "关闭/上网" item, the right menu's
// back item and fold, and the keyboard-layout list (cut at 25, refreshed
// without duplicates, a press activating the layout of that line).
#include "sim_app.h"

#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "board/rqmenu.h"
#include "board/taskform.h"
#include "platform/keys.h"

#include <ostream>

namespace tv::test {
namespace {

class QuickMenu : public SimApp {
protected:
    void SetUp() override
    {
        start();
        app->ombrel().vykxcmd.on_click = [this] { commands.push_back(app->kxmm().Button1.text()); };
    }
    Tkxmm& small() { return app->kxmm(); }
    Trqmenu& right() { return app->rqmenu(); }

    void show_small()
    {
        small().set_bounds(300, 300, Tkxmm::kWidth, Tkxmm::kHeight);
        small().show();
    }
    void show_right()
    {
        right().set_bounds(300, 300, 200, 171);
        right().show();
    }
    Point on(const ui::Form& f, const ui::Control& c, int dx = 2) const
    {
        return {f.left() + c.left() + dx, f.top() + c.top() + 2};
    }

    std::vector<std::string> commands; // what `vykxcmd` ran, in order
};

struct GestureCase {
    const char* name;
    std::vector<std::string> path; // the controls the pointer crosses, in order ("" is the background)
    std::vector<std::string> commands;
    std::string choice; // `lifeform.Button6` afterwards
};

void PrintTo(const GestureCase& c, std::ostream* os) { *os << c.name; }

class SmallMenuGesture : public QuickMenu, public ::testing::WithParamInterface<GestureCase> {};

// The first item reached acts and hides the menu; the rest of the gesture does nothing.
TEST_P(SmallMenuGesture, RunsAtMostOneCommand)
{
    const GestureCase& c = GetParam();
    show_small();
    app->lifeform().Button6.set_text("");
    for (const std::string& name : c.path) {
        const Point p = name.empty() ? Point{small().left() + 5, small().top() + 5} : on(small(), *small().control(name));
        desk.user_move(p);
    }
    EXPECT_EQ(commands, c.commands);
    EXPECT_EQ(app->lifeform().Button6.text(), c.choice);
    EXPECT_FALSE(small().visible());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SmallMenuGesture,
    ::testing::Values(GestureCase{"task_then_desktop", {"Image19", "Image1", "Label23"}, {"任务"}, "vyk任务"},
                      GestureCase{"desktop_label", {"Label1", "Image21"}, {"桌面"}, "vyk桌面"},
                      GestureCase{"start_picture", {"Image2", "Label27"}, {"开始"}, "vyk开始"},
                      GestureCase{"more_then_task", {"Label29", "Image19"}, {}, "close window"},
                      GestureCase{"background_then_task", {"", "Image19", "Image1"}, {}, "start menu"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuickMenu, DesktopItemAlsoShowsTheTaskForm)
{
    show_small();
    app->taskform().hide();
    desk.user_move(on(small(), small().Image1));
    EXPECT_TRUE(app->taskform().visible());
}

TEST_F(QuickMenu, NothingActsWhileTheSmallMenuIsParked)
{
    show_small();
    small().set_left(-2000);
    small().Image19.hover();
    EXPECT_TRUE(commands.empty());
}

struct CloseOnlineCase {
    const char* name;
    MouseButton button;
    int x; // inside the item
    bool sibling;
    std::vector<std::string> commands;
    bool hidden;
    bool sibling_in_front;
};

void PrintTo(const CloseOnlineCase& c, std::ostream* os) { *os << c.name; }

class CloseOrOnline : public QuickMenu, public ::testing::WithParamInterface<CloseOnlineCase> {};

TEST_P(CloseOrOnline, LeftReleaseClosesAtTheLeftOtherButtonsBringTheSibling)
{
    const CloseOnlineCase& c = GetParam();
    const Hwnd frame = c.sibling ? desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 0, 200, 200)) : 0;
    const Hwnd other = desk.add_window("Other", "other", Rect::from_size(600, 0, 100, 100));
    desk.set_foreground(other);
    show_small();
    desk.user_move({small().left() + small().Image20.left() + c.x, small().top() + small().Image20.top() + 20});
    desk.user_button(c.button, ButtonAction::Down);
    desk.user_button(c.button, ButtonAction::Up);
    EXPECT_EQ(commands, c.commands);
    EXPECT_EQ(!small().visible(), c.hidden);
    EXPECT_EQ(desk.foreground_window() == frame && frame, c.sibling_in_front);
}

INSTANTIATE_TEST_SUITE_P(
    Releases, CloseOrOnline,
    ::testing::Values(CloseOnlineCase{"left_at_50", MouseButton::Left, 50, true, {"关闭"}, false, false},
                      CloseOnlineCase{"left_at_51", MouseButton::Left, 51, true, {}, true, false},
                      CloseOnlineCase{"right_with_sibling", MouseButton::Right, 10, true, {}, true, true},
                      CloseOnlineCase{"right_without_sibling", MouseButton::Right, 10, false, {}, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the keyboard layouts ----

class LayoutList : public QuickMenu {
protected:
    void install(int count)
    {
        for (int i = 0; i < count; ++i) {
            const bool ime = i % 3 == 1;
            desk.installed_layouts.push_back(
                {static_cast<KeyboardLayout>(0x04090409 + i), ime, ime ? "输入法" + std::to_string(i) : ""});
        }
    }
    std::string expected_text(int i) const { return i % 3 == 1 ? "输入法" + std::to_string(i) : "英文输入法"; }
};

TEST_F(LayoutList, MoreThanTwentyFiveAreCutAndASecondRefreshDoesNotDuplicate)
{
    install(30);
    for (int round = 0; round < 2; ++round) {
        right().Button5.click();
        ASSERT_EQ(right().ListBox2.count(), 25u) << "round " << round;
        ASSERT_EQ(app->pyoil().ListBox4.count(), 25u) << "round " << round;
        for (int i = 0; i < 25; ++i) {
            EXPECT_EQ(right().ListBox2.item(static_cast<std::size_t>(i)), expected_text(i)) << i;
            EXPECT_EQ(app->pyoil().ListBox4.item(static_cast<std::size_t>(i)), expected_text(i)) << i;
        }
        EXPECT_EQ(app->pyoil().ListBox4.item_index(), 0);
    }
}

TEST_F(LayoutList, APressActivatesTheLayoutOfItsLineWithTheReorderFlag)
{
    install(4);
    right().Button5.click();
    right().Button5.click();
    show_right();
    const ui::ListBox& list = right().ListBox2;
    for (int line : {2, 3}) {
        desk.user_move({right().left() + list.left() + 4, right().top() + list.top() + line * 16 + 3});
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
    }
    desk.user_move({right().left() + list.left() + 4, right().top() + list.top() + 7 * 16 + 3}); // below the last
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    const auto& activated = desk.activated_layouts();
    ASSERT_EQ(activated.size(), 2u);
    EXPECT_EQ(activated[0], std::make_pair(KeyboardLayout{0x04090409 + 2}, std::uint32_t{8}));
    EXPECT_EQ(activated[1], std::make_pair(KeyboardLayout{0x04090409 + 3}, std::uint32_t{8}));
}

TEST_F(LayoutList, NoLayoutsGiveEmptyLists)
{
    install(3);
    right().Button5.click();
    desk.installed_layouts.clear();
    right().Button5.click();
    EXPECT_EQ(right().ListBox2.count(), 0u);
    EXPECT_EQ(app->pyoil().ListBox4.count(), 0u);
}

// ---- the right menu ----

TEST_F(QuickMenu, FoldToggles)
{
    show_right();
    for (int expected : {45, 171, 45}) {
        right().srfsel.click();
        EXPECT_EQ(right().height(), expected);
    }
}

TEST_F(QuickMenu, BackFromTheFirstTimeHidesTheBrowserFormAndNarrowsItLater)
{
    Tombrel& browser = app->ombrel();
    browser.Button41.set_text("");
    browser.show();
    show_right();
    desk.clear_input_log();
    desk.user_move(on(right(), right().Image6));
    EXPECT_EQ(browser.Button41.text(), "返回");
    EXPECT_FALSE(browser.visible());
    EXPECT_LT(right().left(), 0);
    int escapes = 0;
    for (const auto& r : desk.input_log())
        escapes += r.kind == sim::InputRecord::Kind::Key && r.vk == vk::kEscape && r.action == KeyAction::Down;
    EXPECT_EQ(escapes, 2);
    desk.advance(100);
    EXPECT_EQ(browser.width(), 0);
    EXPECT_LT(browser.rtmenu.left(), 0);
}

TEST_F(QuickMenu, BackAgainReturnsToTheThreeSpeedWheel)
{
    Tombrel& browser = app->ombrel();
    browser.Button41.set_text("返回");
    show_right();
    desk.user_move(on(right(), right().Image6));
    EXPECT_EQ(browser.Button41.text(), "");
    EXPECT_EQ(right().Label12.text(), "三速滚轮");
    EXPECT_EQ(app->lifeform().caption(), "xx mywheel");
    EXPECT_LT(right().left(), 0);
}

TEST_F(QuickMenu, BackgroundParksTheRightMenuAndReturns)
{
    const Hwnd other = desk.add_window("Other", "other", Rect::from_size(600, 0, 100, 100));
    app->ombrel().return_window = other;
    app->ombrel().right_press = {40, 50};
    show_right();
    desk.set_foreground(right().hwnd());
    desk.user_move({right().left() + 198, right().top() + 100});
    EXPECT_LT(right().left(), 0);
    EXPECT_EQ(desk.cursor_pos(), (Point{40, 50}));
    EXPECT_EQ(desk.foreground_window(), other);
}

} // namespace
} // namespace tv::test
