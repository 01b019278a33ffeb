// The super right-click: what a right release does in each wheel mode and with
// each kind of window in front, on the simulated desktop. The mode is selected
// by moving the mouse, the release comes through the input hook, and the mode
// engine's next tick runs the right-button dispatch.
#include "wheel_sim.h"

#include "board/escmenu.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/regform.h"
#include "board/setform.h"
#include "board/taskform.h"
#include "board/vykform3.h"

namespace tv::test {
namespace {

constexpr const char* kCommandFile = "C:\\Tarvesk\\function.txt";
constexpr const char* kAllCommands = "06\r\n返回()\r\n关闭()\r\n开始()\r\n桌面()\r\n任务()\r\n";

class RightRelease : public WheelApp {
protected:
    void SetUp() override
    {
        desk.put_file(kCommandFile, kAllCommands);
        start_program();
        rest_at(kHome);
    }

    // A right click through the hook; the dispatch runs on the next engine tick,
    // and the status timer gets a few ticks to show it adds nothing.
    void right_click(int settle_ms = 200)
    {
        desk.clear_input_log();
        desk.user_button(MouseButton::Right, ButtonAction::Down);
        desk.advance(kEngineTick);
        desk.user_button(MouseButton::Right, ButtonAction::Up);
        desk.advance(settle_ms);
    }

    Hwnd add_sibling() { return desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100)); }
    Hwnd add_menu() { return desk.add_window("BaseBar", "", Rect::from_size(900, 200, 100, 200), Visibility::Shown, Topmost::Yes); }
};

enum class Front { Editor, Sibling, Regform, Setform, ParkedPad };

struct ReleaseCase {
    const char* name;
    int dx, dy; // the movement that selects the mode
    Front front;
    bool menu_on_top;      // a menu of another program is the top window
    bool navigation_shown; // `vykForm3` is shown (left above 0)
    bool key_pad_shown;
    std::vector<std::string> keys;
    const char* mode_after;
    const char* token_after; // the mouse-event cell
    bool pad_opened;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) { *os << c.name; }

class RightReleases : public RightRelease, public ::testing::WithParamInterface<ReleaseCase> {};

const std::vector<std::string> kNoKeys;
const std::vector<std::string> kEnter{"key 13 down", "key 13 up"};

TEST_P(RightReleases, OneReleaseOneAction)
{
    const ReleaseCase& c = GetParam();
    select_by(c.dx, c.dy);
    const Hwnd sibling = c.front == Front::Sibling ? add_sibling() : 0;
    switch (c.front) {
    case Front::Editor: desk.set_foreground(editor); break;
    case Front::Sibling: desk.set_foreground(sibling); break;
    case Front::Regform: desk.set_foreground(app->regform().hwnd()); break;
    case Front::Setform: desk.set_foreground(app->setform().hwnd()); break;
    case Front::ParkedPad: desk.set_foreground(app->m3d().hwnd()); break;
    }
    if (c.menu_on_top)
        add_menu();
    if (c.key_pad_shown)
        app->kxm().show();
    if (c.navigation_shown) { // the engine parks it again unless the pointer is on it
        app->vykForm3().show();
        app->vykForm3().set_bounds(10, 200, 300, 500);
        desk.set_cursor_pos({20, 300});
    }
    const Point at = desk.cursor_pos();

    right_click();

    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(mode_cell(), c.mode_after);
    EXPECT_EQ(caption("TvykForm3"), c.token_after);
    EXPECT_EQ(app->m3d().visible(), c.pad_opened);
    if (c.pad_opened) {
        EXPECT_EQ(app->m3d().bounds(), Rect::from_size(at.x, at.y, 64, 64));
        EXPECT_TRUE(desk.ex_style(app->m3d().hwnd()) & kExTopmost);
        EXPECT_TRUE(app->m3d().Timer1.enabled());
        EXPECT_EQ(desk.cursor_pos(), (Point{at.x + 32, at.y + 32}));
        EXPECT_EQ(desk.foreground_window(), editor) << "the window in front gets the keyboard back";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryModeAndFront, RightReleases,
    ::testing::Values(
        ReleaseCase{"AutoWheelPressesEnter", 0, -30, Front::Editor, false, false, false, kEnter, "ok自动滚轮",
                    "xx rightup ok", false},
        ReleaseCase{"AutoWheelSiblingClosesItsPage", 0, -30, Front::Sibling, false, false, false, kNoKeys,
                    "ok自动滚轮", "close web", false},
        ReleaseCase{"AutoWheelSiblingUnderAMenuSendsNothing", 0, -30, Front::Sibling, true, true, false, kNoKeys,
                    "ok自动滚轮", "xx rightup ok", false},
        ReleaseCase{"AutoWheelOnAMenuEntersOnce", 0, -30, Front::Editor, true, true, false, kEnter, "ok自动滚轮",
                    "xx rightup ok", false},
        ReleaseCase{"QuickWheelOpensThePad", 0, 30, Front::Editor, false, false, false, kNoKeys, "ok滚轮",
                    "xx rightup ok", true},
        ReleaseCase{"QuickWheelWithKeyPadOnlyMarks", 0, 30, Front::Editor, false, false, true, kNoKeys, "ok滚轮",
                    "xx rightup ok", false},
        ReleaseCase{"TaskWheelSendsNoKey", -30, 0, Front::Editor, false, false, false, kNoKeys, "任务滚轮",
                    "xx rightup ok", false},
        ReleaseCase{"NormalWheelLeavesItToTheApplication", 30, 0, Front::Editor, false, false, false, kNoKeys,
                    "正常滚轮", "xx rightup ok", false},
        ReleaseCase{"RegformInFrontTakesNoRelease", 0, -30, Front::Regform, false, false, false, kNoKeys, "自动滚轮",
                    "rightup", false},
        ReleaseCase{"SetformInFrontTakesNoRelease", 0, 30, Front::Setform, false, false, false, kNoKeys, "快速滚轮",
                    "rightup", false},
        ReleaseCase{"RegformInFrontEntersOnAMenu", 0, -30, Front::Regform, true, true, false, kEnter, "自动滚轮",
                    "ok13", false},
        ReleaseCase{"SetformInFrontEntersOnAMenu", 30, 0, Front::Setform, true, true, false, kEnter, "正常滚轮",
                    "ok13", false},
        ReleaseCase{"ParkedPadInFrontEntersOnAMenu", 0, 30, Front::ParkedPad, true, true, false, kEnter, "快速滚轮",
                    "ok13", false},
        ReleaseCase{"RegformInFrontNoMenuWithoutNavigation", 0, -30, Front::Regform, true, false, false, kNoKeys,
                    "自动滚轮", "rightup", false}),
    [](const auto& info) { return std::string(info.param.name); });

// The task wheel: the task form comes to the front and the task menu opens
// over it; the status timer adds no Esc of its own.
TEST_F(RightRelease, TaskWheelOpensTheTaskMenu)
{
    select_by(-30, 0);
    desk.clear_input_log();
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.advance(kEngineTick);
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    desk.advance(kEngineTick);
    EXPECT_EQ(mode_cell(), "ok滚轮");
    EXPECT_EQ(caption("TvykForm3"), "xx rightup ok");
    EXPECT_EQ(desk.foreground_window(), app->taskform().hwnd());
    EXPECT_TRUE(app->taskform().visible());
    EXPECT_EQ(app->kxmm().Button1.text(), "任务");
    EXPECT_EQ(app->ombrel().return_window, editor);
    EXPECT_EQ(caption("Tescmenu"), "--escok");
    desk.advance(200);
    EXPECT_TRUE(keys_sent().empty());
}

// With the sibling browser in front the task wheel's release opens the escape
// menu to leave the web; the address the browser handed over is taken first.
TEST_F(RightRelease, TaskWheelWithTheSiblingInFrontOffersToLeaveTheWeb)
{
    select_by(-30, 0);
    desk.add_window("Tombrelmain", "ombrel", Rect::from_size(0, 0, 300, 100)); // the main loop then says "下网"
    desk.set_foreground(add_sibling());
    app->regform().ListBox2.set_items({"", "", "首页地址--http://home.example/"});
    set_caption("Tregform", "url=http://example.com/a");
    right_click(kEngineTick);
    const Tescmenu& menu = app->escmenu();
    EXPECT_EQ(menu.caption(), "--escok");
    EXPECT_EQ(menu.Panel8.text(), "下网");
    EXPECT_EQ(menu.bounds(), Rect::from_size(152, 104, 720, 560));
    EXPECT_EQ(desk.cursor_pos(), (Point{152 + 234, 104 + 295}));
    EXPECT_EQ(app->vykForm3().Edit2.text(), "http://example.com/a");
    EXPECT_EQ(caption("Tregform"), "vykcmdhideie");
    EXPECT_EQ(app->vykForm3().Button7.text(), "http://home.example/");
    EXPECT_EQ(app->vykForm3().CppWebBrowser3.width(), 345);
    EXPECT_FALSE(app->taskform().visible());

    // The home address is given once per run.
    app->regform().ListBox2.set_item(2, "首页地址--http://other.example/");
    select_by(-30, 0);
    right_click(kEngineTick);
    EXPECT_EQ(caption("Tescmenu"), "--escok");
    EXPECT_EQ(app->vykForm3().Button7.text(), "http://home.example/");
}

// While the 3D pad is open its own timer answers the right button: the
// dispatch leaves the release for it, and no second pad opens.
TEST_F(RightRelease, OpenPadKeepsTheReleaseForItself)
{
    select_by(0, 30);
    right_click();
    ASSERT_TRUE(app->m3d().visible());
    const Rect pad = app->m3d().bounds();
    EXPECT_TRUE(app->ombrel().Timer1.enabled()) << "the main loop switches the engine on again";
    desk.set_cursor_pos({700, 500});
    right_click();
    EXPECT_EQ(caption("TvykForm3"), "m3d okup") << "the pad's own tick takes the release, not the dispatch";
    EXPECT_EQ(app->m3d().bounds(), pad);
    EXPECT_TRUE(keys_sent().empty());
}

// Holding the right button records where and over which window; a left press
// remembers the window in front as the one to return to, never the program's
// own panels.
TEST_F(RightRelease, PressesRecordThePointAndTheWindows)
{
    desk.set_cursor_pos({300, 300});
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.advance(kEngineTick);
    EXPECT_EQ(app->ombrel().right_press, (Point{300, 300}));
    EXPECT_EQ(app->ombrel().oldrightpos.left(), 300);
    EXPECT_EQ(app->ombrel().oldrightpos.top(), 300);
    EXPECT_EQ(app->taskform().windtitle.text(), "无标题 - 记事本");
    EXPECT_EQ(app->taskform().windclass.text(), "Notepad");
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    desk.advance(kEngineTick);

    const Hwnd other = desk.add_window("Other", "other", Rect::from_size(600, 250, 200, 200));
    for (const Hwnd front : {other, app->taskform().hwnd(), app->vykForm3().hwnd(), app->setform().hwnd()}) {
        desk.set_foreground(front);
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.advance(kEngineTick);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
        desk.advance(kEngineTick);
        EXPECT_EQ(app->ombrel().return_window, other);
    }
}

// A release whose window in front closed before the tick does nothing harmful.
TEST_F(RightRelease, VanishedWindowInFront)
{
    select_by(0, 30);
    const Hwnd gone = desk.add_window("Gone", "gone", Rect::from_size(600, 250, 200, 200));
    desk.set_foreground(gone);
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.advance(kEngineTick);
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    desk.destroy_window(gone);
    desk.advance(200);
    EXPECT_EQ(caption("TvykForm3"), "xx rightup ok");
    EXPECT_TRUE(app->m3d().visible());
}

} // namespace
} // namespace tv::test
