// The wheel-mode engine: the browser form's 40 ms tick selects the wheel mode
// from the last movement and writes the mode and its hints, on the simulated desktop.
#include "wheel_sim.h"

#include "board/ombrel.h"
#include "board/vykform3.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/m3d.h"
#include "board/vykform4.h"
#include "board/rqmenu.h"
#include "board/setform.h"
#include "board/hint_template.h"

namespace tv::test {
namespace {

// What a right-button action leaves in the mode cell: it names no mode, so
// only a selection changes it.
constexpr const char* kNoMode = "ok滚轮";

class ModeEngine : public WheelApp {
protected:
    void SetUp() override
    {
        start_program();
        rest_at(kHome);
    }

    // A movement by (dx, dy) judged on its own: the mode cell is marked after
    // the tick that samples it, before the tick that compares it.
    std::string mode_after_move(int dx, int dy)
    {
        const Point from = desk.cursor_pos();
        desk.user_move({from.x + dx, from.y + dy});
        until_sampled();
        app->lifeform().Label1.set_text(kNoMode);
        desk.advance(kEngineTick);
        return mode_cell();
    }

    Tombrel& browser() { return app->ombrel(); }
    Tlifeform& bar() { return app->lifeform(); }
    std::string line(std::size_t n) { return bar().ListBox5.item(n); }
};

struct MoveCase {
    const char* name;
    int dx, dy;
    const char* mode;
};

TEST_F(ModeEngine, DirectionSelectsTheModeBeyondTwoPixels)
{
    const MoveCase cases[] = {
        {"2 px left", -2, 0, kNoMode},       {"3 px left", -3, 0, "任务滚轮"},
        {"2 px right", 2, 0, kNoMode},       {"3 px right", 3, 0, "正常滚轮"},
        {"2 px up", 0, -2, kNoMode},         {"3 px up", 0, -3, "自动滚轮"},
        {"2 px down", 0, 2, kNoMode},        {"3 px down", 0, 3, "快速滚轮"},
        {"2 px diagonal", -2, 2, kNoMode},   {"up-left, equal", -5, -5, "自动滚轮"},
        {"down-left, equal", -5, 5, "快速滚轮"}, {"up-right, equal", 4, -4, "自动滚轮"},
        {"mostly left", -6, 5, "任务滚轮"},  {"mostly down", 5, 6, "快速滚轮"},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mode_after_move(c.dx, c.dy), c.mode);
    }
}

TEST_F(ModeEngine, EdgeBarShowsWhileTheLastSelectingMovementWasVertical)
{
    browser().Button41.set_text("返回");
    move_by(0, -20);
    EXPECT_TRUE(browser().Pan25.visible());
    EXPECT_EQ(browser().Pan25.bounds(), Rect::from_size(1024 - 16, 32, 10, 768 - 64));
    EXPECT_EQ(caption("Tinputmode"), "myright");

    move_by(0, 2); // selects nothing: the bar stays
    EXPECT_TRUE(browser().Pan25.visible());

    move_by(-20, 0);
    EXPECT_FALSE(browser().Pan25.visible());
    EXPECT_EQ(browser().Pan25.left(), -2000);
}

struct HintCase {
    const char* name;
    int dx, dy;
    bool browser_in_front;
    bool quick_right; // FormMain.N2qq
    const char* mode;
    const char* token;
    const char* right_owner; // caption of inputmode
    const char* up;
    const char* down;
    const char* right;
    const char* wheel_line;
    const char* button_line;
};

void PrintTo(const HintCase& c, std::ostream* os) { *os << c.name; }

class ModeHints : public WheelApp, public ::testing::WithParamInterface<HintCase> {};

TEST_P(ModeHints, EachModeShowsItsHints)
{
    const HintCase& c = GetParam();
    start_program();
    app->FormMain().N2qq.set_checked(c.quick_right);
    if (c.browser_in_front)
        desk.set_foreground(desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100)));
    rest_at(kHome);
    move_by(c.dx, c.dy);

    Tlifeform& bar = app->lifeform();
    EXPECT_EQ(bar.Label1.text(), c.mode);
    EXPECT_EQ(caption("Tlifeform"), c.token);
    EXPECT_EQ(caption("Tinputmode"), c.right_owner);
    EXPECT_EQ(bar.upmess.text(), c.up);
    EXPECT_EQ(bar.downmess.text(), c.down);
    EXPECT_EQ(bar.rightmess.text(), c.right);
    EXPECT_EQ(bar.ListBox5.item(hint::kWheelLine), c.wheel_line);
    EXPECT_EQ(bar.ListBox5.item(hint::kButtonLine), c.button_line);
    const std::string& shown = bar.CppWebBrowser2.document();
    EXPECT_NE(shown.find(c.wheel_line), std::string::npos) << "the hint bar was rebuilt";
    EXPECT_NE(shown.find(c.button_line), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EveryModeAndCase, ModeHints,
    ::testing::Values(
        HintCase{"TaskOtherQuickRight", -30, 0, false, true, "任务滚轮", "mywheeltask", "myright", "上滚＝←", "下滚＝→",
                 "右键＝快速菜单", "上滚＝← 下滚＝→", "右键＝快速菜单"},
        HintCase{"TaskOtherCtrl", -30, 0, false, false, "任务滚轮", "mywheeltask", "myright", "上滚＝←", "下滚＝→",
                 "Ctrl＝快速菜单", "上滚＝← 下滚＝→", "Ctrl＝快速菜单"},
        HintCase{"TaskBrowserQuickRight", -30, 0, true, true, "任务滚轮", "mywheeltask", "myright", "上滚＝左边网页",
                 "下滚＝右边网页", "右键＝导航网页", "上滚＝左边网页 下滚＝右边网页", "右键＝导航网页"},
        HintCase{"TaskBrowserCtrl", -30, 0, true, false, "任务滚轮", "mywheeltask", "myright", "上滚＝左边网页",
                 "下滚＝右边网页", "右键＝导航网页", "上滚＝左边网页 下滚＝右边网页", "Ctrl＝导航网页"},
        HintCase{"NormalOtherQuickRight", 30, 0, false, true, "正常滚轮", "mywheel0", "xx myright", "上滚＝", "下滚＝",
                 "右键＝", "上滚＝  下滚＝", "右键＝"},
        HintCase{"NormalOtherCtrl", 30, 0, false, false, "正常滚轮", "mywheel0", "xx myright", "上滚＝", "下滚＝",
                 "Ctrl＝", "上滚＝  下滚＝", "Ctrl＝"},
        HintCase{"NormalBrowserQuickRight", 30, 0, true, true, "正常滚轮", "mywheel0", "xx myright", "上滚＝", "下滚＝",
                 "右键＝", "上滚＝  下滚＝", "右键＝"},
        HintCase{"NormalBrowserCtrl", 30, 0, true, false, "正常滚轮", "mywheel0", "xx myright", "上滚＝", "下滚＝",
                 "Ctrl＝", "上滚＝  下滚＝", "Ctrl＝"},
        HintCase{"AutoOtherQuickRight", 0, -30, false, true, "自动滚轮", "mywheelslow", "myright", "上滚＝↑", "下滚＝↓",
                 "右键＝Enter回车", "上滚＝↑ 下滚＝↓", "右键＝Enter回车"},
        HintCase{"AutoOtherCtrl", 0, -30, false, false, "自动滚轮", "mywheelslow", "myright", "上滚＝↑", "下滚＝↓",
                 "Ctrl＝Enter回车", "上滚＝↑ 下滚＝↓", "Ctrl＝Enter回车"},
        HintCase{"AutoBrowserQuickRight", 0, -30, true, true, "自动滚轮", "mywheelslow", "myright", "上滚＝自动下滑",
                 "下滚＝自动上滑", "右键＝关闭当前网页", "上滚＝自动上滑 下滚＝自动下滑", "右键＝关闭当前网页"},
        HintCase{"AutoBrowserCtrl", 0, -30, true, false, "自动滚轮", "mywheelslow", "myright", "上滚＝自动下滑",
                 "下滚＝自动上滑", "右键＝关闭当前网页", "上滚＝自动上滑 下滚＝自动下滑", "右键＝关闭当前网页"},
        HintCase{"QuickOtherQuickRight", 0, 30, false, true, "快速滚轮", "mywheelquick", "myright", "上滚＝上页",
                 "下滚＝下页", "右键＝3D鼠标模拟", "上滚＝上页 下滚＝下页", "右键＝3D鼠标模拟"},
        HintCase{"QuickOtherCtrl", 0, 30, false, false, "快速滚轮", "mywheelquick", "myright", "上滚＝上页",
                 "下滚＝下页", "Ctrl＝3D鼠标模拟", "上滚＝上页 下滚＝下页", "Ctrl＝3D鼠标模拟"},
        HintCase{"QuickBrowserQuickRight", 0, 30, true, true, "快速滚轮", "mywheelquick", "myright", "上滚＝向上翻页",
                 "下滚＝向下翻页", "右键＝导航鼠标", "上滚＝向上翻页 下滚＝向下翻页", "右键＝导航鼠标"},
        HintCase{"QuickBrowserCtrl", 0, 30, true, false, "快速滚轮", "mywheelquick", "myright", "上滚＝向上翻页",
                 "下滚＝向下翻页", "右键＝导航鼠标", "上滚＝向上翻页 下滚＝向下翻页", "Ctrl＝导航鼠标"}),
    [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

TEST_F(ModeEngine, TaskWheelWithTheBrowserInFrontMarksTheSuperRightClick)
{
    desk.set_foreground(desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100)));
    move_by(-30, 0);
    const std::string options = caption("TFormMain");
    EXPECT_EQ(options.substr(options.size() - 9), " 超级右键");
    move_by(-30, 0);
    EXPECT_EQ(caption("TFormMain"), options) << "added once";
}

TEST_F(ModeEngine, DirectionColoursTheBarAndTheHints)
{
    constexpr std::uint32_t kUp = 0x0000FF, kDown = 0x00FF00, kLeft = 0xFF0000, kRight = 0x00FFFF;
    Tsetform& settings = app->setform();
    settings.cup.set_color(kUp);
    settings.cdown.set_color(kDown);
    settings.cleft.set_color(kLeft);
    settings.cright.set_color(kRight);
    settings.cwheelid.set_checked(true);
    settings.crightid.set_checked(true);
    const struct {
        int dx, dy;
        std::uint32_t colour;
    } cases[] = {{0, -30, kUp}, {0, 30, kDown}, {-30, 0, kLeft}, {30, 0, kRight}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        move_by(c.dx, c.dy);
        EXPECT_EQ(bar().movebar.color(), c.colour);
        EXPECT_EQ(bar().upmess.font_color(), c.colour);
        EXPECT_EQ(bar().downmess.font_color(), c.colour);
        EXPECT_EQ(bar().rightmess.font_color(), kRight);
    }
}

// ---- typing keeps the mode ----

struct HeldCase {
    const char* name;
    std::vector<int> keys;
    bool quick_menu_shown;
    const char* menu_caption; // caption of rqmenu, copied into its Button5
    const char* srfsel;
};

void PrintTo(const HeldCase& c, std::ostream* os) { *os << c.name; }

class ModeKeyboard : public WheelApp, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(ModeKeyboard, TypingDuringAMovementKeepsTheMode)
{
    const HeldCase& c = GetParam();
    start_program();
    select_by(30, 0);
    ASSERT_EQ(mode_cell(), "正常滚轮");
    for (int vk : c.keys)
        desk.user_key(vk, KeyAction::Down);
    // The main loop takes the key's token; a letter's wipes the newest movement
    // samples, so the movement is measured from a fresh sample.
    desk.advance(50);
    move_by(-1, 0);
    if (c.quick_menu_shown)
        app->ombrel().rtmenu.set_left(10);

    move_by(-30, 0);
    desk.advance(3 * kEngineTick);
    EXPECT_EQ(mode_cell(), "正常滚轮") << "no selection while the key is held";
    EXPECT_EQ(caption("Trqmenu"), c.menu_caption);
    EXPECT_EQ(app->rqmenu().Button5.text(), c.menu_caption);
    EXPECT_EQ(app->rqmenu().srfsel.text(), c.srfsel);

    for (int vk : c.keys)
        desk.user_key(vk, KeyAction::Up);
    app->ombrel().rtmenu.set_left(-2000);
    desk.advance(kEngineTick);
    EXPECT_EQ(mode_cell(), "任务滚轮") << "the held movement counts once the key is up";
}

INSTANTIATE_TEST_SUITE_P(EveryHold, ModeKeyboard,
                         ::testing::Values(HeldCase{"Shift", {16}, false, "32tt", "ready"},
                                           HeldCase{"Space", {32}, false, "rqmenu", ""},
                                           HeldCase{"ShiftThenSpace", {16, 32}, false, "32tt", "start"},
                                           HeldCase{"LetterA", {'A'}, false, "xx32tt", "end"},
                                           HeldCase{"LetterZ", {'Z'}, false, "xx32tt", "end"},
                                           HeldCase{"QuickMenuShown", {}, true, "rqmenu", ""}),
                         [](const ::testing::TestParamInfo<HeldCase>& info) { return std::string(info.param.name); });

// ---- menus ----

TEST_F(ModeEngine, OpenMenuShowsTheMenuHintAndSelectsNothing)
{
    select_by(30, 0);
    const std::vector<std::string> history = browser().LBox2.items();
    desk.add_window("#32768", "", Rect::from_size(700, 250, 150, 200), Visibility::Shown, Topmost::Yes);

    desk.user_move({470, 400});
    desk.advance(2 * kEngineTick);
    EXPECT_EQ(mode_cell(), "正常滚轮");
    EXPECT_EQ(line(hint::kButtonLine), "Ctrl＝Enter 右键＝Enter 左键＝返回");
    EXPECT_NE(bar().CppWebBrowser2.document().find("Ctrl＝Enter 右键＝Enter 左键＝返回"), std::string::npos);
    EXPECT_EQ(browser().LBox2.items(), history) << "the movement history is not sampled";

    desk.user_move({750, 300}); // onto the menu
    desk.advance(kEngineTick);
    EXPECT_EQ(line(hint::kButtonLine), "Ctrl＝Enter 右键＝Enter 左键＝Enter");
    EXPECT_EQ(mode_cell(), "正常滚轮");
}

TEST_F(ModeEngine, StartMenuOpenedByTheProgramCountsAsAMenu)
{
    select_by(30, 0);
    set_caption("TvykForm3", ""); // a click would clear the marker
    set_caption("TFormMain", "开始菜单--  12345678  12345678  ");
    desk.user_move({470, 400});
    desk.advance(2 * kEngineTick);
    EXPECT_EQ(mode_cell(), "正常滚轮");
    EXPECT_EQ(line(hint::kButtonLine), "Ctrl＝Enter 右键＝Enter 左键＝返回");
}

// The hint lines follow a change of the wheel line; the task wheel also puts
// its button hint back over one that names no left button.
TEST_F(ModeEngine, ButtonHintIsRewrittenOnlyWhereTheWheelLineSaysSo)
{
    struct {
        const char* name;
        int dx, dy;
        const char* button_line_before;
        const char* button_line_after;
    } cases[] = {
        {"task, other text", -30, 0, "右键＝", "Ctrl＝快速菜单"},
        {"task, names the left button", -30, 0, "Ctrl＝快速菜单 左键＝搜索", "Ctrl＝快速菜单 左键＝搜索"},
        {"task, menu hint", -30, 0, "Ctrl＝Enter 右键＝Enter 左键＝返回", "Ctrl＝Enter 右键＝Enter 左键＝返回"},
        {"quick, other text", 0, 30, "右键＝", "右键＝"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        move_by(c.dx, c.dy); // the wheel line now belongs to the mode; the pair keeps selecting it
        bar().ListBox5.set_item(hint::kButtonLine, c.button_line_before);
        desk.advance(kEngineTick);
        EXPECT_EQ(line(hint::kButtonLine), c.button_line_after);
    }
}

// ---- the three-speed option and other holds ----

TEST_F(ModeEngine, WithoutThreeSpeedOnlyTheNormalWheelIsSelected)
{
    select_by(0, 30);
    ASSERT_EQ(mode_cell(), "快速滚轮");
    app->FormMain().N3.set_checked(false);

    move_by(-30, 0);
    EXPECT_EQ(mode_cell(), "快速滚轮");
    EXPECT_EQ(bar().upmess.text(), "上滚＝上页") << "the hints stay";
    EXPECT_EQ(caption("Tlifeform"), "kk mywheel");

    move_by(0, -30);
    EXPECT_EQ(mode_cell(), "快速滚轮");
    EXPECT_TRUE(browser().hbar.visible()) << "the auto wheel's marks still change";
    EXPECT_TRUE(app->vykForm3().hbar.visible());
    EXPECT_TRUE(app->vykForm3().scrollcmd.visible());
    EXPECT_FALSE(app->vykForm3().pagecmd.visible());

    move_by(0, 30);
    EXPECT_FALSE(browser().hbar.visible());
    EXPECT_TRUE(app->vykForm3().pagecmd.visible());
    EXPECT_FALSE(app->vykForm3().scrollcmd.visible());

    move_by(30, 0);
    EXPECT_EQ(mode_cell(), "正常滚轮");
    EXPECT_EQ(bar().upmess.text(), "上滚＝");
    EXPECT_EQ(caption("Tinputmode"), "xx myright");
    EXPECT_EQ(caption("Tlifeform"), "kk mywheel");
}

TEST_F(ModeEngine, NoSelectionDuringAutoScrollOrWithThe3DPanelShown)
{
    select_by(30, 0);
    browser().auto_scroll = AutoScroll::Down;
    move_by(-30, 0);
    EXPECT_EQ(mode_cell(), "正常滚轮") << "an automatic scroll is running";
    browser().auto_scroll = AutoScroll::Idle;
    app->m3d().set_left(200);
    move_by(-30, 0);
    EXPECT_EQ(mode_cell(), "正常滚轮") << "the 3D panel is shown";
    app->m3d().set_left(-2000);
    desk.advance(kEngineTick);
    EXPECT_EQ(mode_cell(), "任务滚轮");
}

TEST_F(ModeEngine, LeftClickReturnsToTheNormalWheel)
{
    select_by(-30, 0);
    ASSERT_EQ(mode_cell(), "任务滚轮");
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(kEngineTick);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    desk.advance(kEngineTick);
    EXPECT_EQ(mode_cell(), "正常滚轮");
}

TEST_F(ModeEngine, LeftClickEndsAnAutomaticScrollAtItsAnchor)
{
    browser().oldrightpos.set_bounds(321, 234, 1, 1);
    browser().auto_scroll = AutoScroll::Up;
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(kEngineTick);
    EXPECT_EQ(browser().auto_scroll, AutoScroll::Idle);
    EXPECT_EQ(desk.cursor_pos(), (Point{321, 234}));
}

TEST_F(ModeEngine, CapsLockOrNClosesTheKeyPadAndRestartsTheEngines)
{
    for (int vk : {20, int('N')}) {
        SCOPED_TRACE(vk);
        Tkxm& pad = app->kxm();
        pad.show();
        pad.Timer1.set_enabled(true);
        app->lifeform().Timer1.set_enabled(false);
        desk.user_key(vk, KeyAction::Down);
        desk.advance(kEngineTick);
        desk.user_key(vk, KeyAction::Up);
        EXPECT_FALSE(pad.visible());
        EXPECT_FALSE(pad.Timer1.enabled());
        EXPECT_TRUE(app->lifeform().Timer1.enabled());
        EXPECT_TRUE(browser().Timer1.enabled());
    }
}

// ---- the movement history ----

TEST_F(ModeEngine, HistoryNeverGrowsBeyondTwentyOneItems)
{
    std::size_t longest = 0;
    bool cut = false;
    for (int i = 1; i <= 45; ++i) {
        const Point before = desk.cursor_pos();
        const std::vector<std::string> x_before = browser().LBox2.items();
        desk.user_move({before.x + (i % 2 ? 5 : -4), before.y});
        desk.advance(kEngineTick);
        const ui::ListBox& xs = browser().LBox2;
        longest = std::max(longest, xs.count());
        EXPECT_EQ(browser().LBox3.count(), xs.count());
        if (xs.count() == 2) {
            cut = true;
            EXPECT_EQ(xs.items(), (std::vector<std::string>{x_before[0], x_before[1]}))
                << "cut back to the two samples the tick began with";
        }
    }
    EXPECT_LE(longest, 21u);
    EXPECT_GE(longest, 20u);
    EXPECT_TRUE(cut);
}

TEST_F(ModeEngine, StillPointerIsSampledOnce)
{
    const std::size_t count = browser().LBox2.count();
    desk.advance(10 * kEngineTick);
    EXPECT_EQ(browser().LBox2.count(), count);
    EXPECT_EQ(browser().LBox2.item(0), std::to_string(desk.cursor_pos().x));
    EXPECT_EQ(browser().LBox3.item(0), std::to_string(desk.cursor_pos().y));
}

TEST_F(ModeEngine, NavigationPanelShownStopsTheSampling)
{
    browser().set_left(0);
    browser().Panel3.set_bounds(10, 10, 100, 100);
    const std::vector<std::string> history = browser().LBox2.items();
    desk.user_move({470, 400});
    desk.advance(2 * kEngineTick);
    EXPECT_EQ(browser().LBox2.items(), history);
    browser().Panel3.set_left(-2000);
    desk.advance(kEngineTick);
    EXPECT_EQ(browser().LBox2.item(0), std::to_string(desk.cursor_pos().x));
}

// ---- the duties of every tick ----

TEST_F(ModeEngine, EveryTickRunsTheRightButtonDispatchFirst)
{
    std::vector<std::string> modes_seen;
    browser().right2.on_click = [&] { modes_seen.push_back(mode_cell()); };
    select_by(-30, 0);
    modes_seen.clear();
    app->lifeform().Label1.set_text(kNoMode);
    move_by(0, 30);
    ASSERT_EQ(modes_seen.size(), 2u);
    EXPECT_EQ(modes_seen[1], kNoMode) << "clicked before the tick selects";
    EXPECT_EQ(mode_cell(), "快速滚轮");
}

TEST_F(ModeEngine, EveryTickWritesItsDiagnostics)
{
    const Hwnd taskbar =
        desk.add_window("Shell_TrayWnd", "", Rect::from_size(0, 720, 1024, 48), Visibility::Shown, Topmost::Yes);
    desk.add_window("ToolbarWindow32", "", Rect::from_size(100, 0, 600, 48), Visibility::Shown, Topmost::No, taskbar);
    desk.add_window("tooltips_class32", "", Rect::from_size(900, 700, 40, 20), Visibility::Shown, Topmost::Yes);
    app->rqmenu().ListBox1.set_item(4, "test");
    desk.user_move({520, 420});
    desk.advance(kEngineTick);

    EXPECT_EQ(app->lifeform().Panel26.text(), "find tb");
    EXPECT_EQ(app->vykForm3().Panel1.text(), "520//420");
    const std::vector<std::string>& lines = app->lifeform().messlistold.items();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "regform=" + caption("Tregform"));
    EXPECT_EQ(lines[1], "vykform3=" + caption("TvykForm3"));
    EXPECT_EQ(lines[2], "mx,my,mousepos window,foregroundclass=520,420,Notepad//Notepad");
    EXPECT_EQ(lines[3], "//topwindow class=tooltips_class32");
    EXPECT_EQ(lines[4], "pyoil=" + caption("Tpyoil"));
    const ui::ListBox& pad = app->vykForm4().ListBox1;
    EXPECT_EQ(pad.item(0), "tooltips_class32");
    EXPECT_EQ(pad.item(1), "Shell_TrayWnd") << "the class below the tooltip";
    EXPECT_EQ(app->vykForm4().width(), 200);
    const ui::ListBox& probe = app->rqmenu().ListBox1;
    EXPECT_EQ(probe.item(5), "Notepad");
    EXPECT_EQ(probe.item(0), "Notepad");
    EXPECT_EQ(probe.item(4), caption("TvykForm3")) << "the test switch is used up";
}

TEST_F(ModeEngine, MenuOnTopWidensTheKeyPadAndTheTaskbarScanMayFail)
{
    desk.add_window("#32768", "", Rect::from_size(700, 250, 150, 200), Visibility::Shown, Topmost::Yes);
    desk.advance(kEngineTick);
    EXPECT_EQ(app->vykForm4().width(), 300);
    EXPECT_EQ(app->vykForm4().ListBox1.item(0), "#32768");
    EXPECT_EQ(app->lifeform().Panel26.text(), "xx find tb");
}

TEST_F(ModeEngine, NavigationPanelIsParkedWhenThePointerLeavesIt)
{
    TvykForm3& navigation = app->vykForm3();
    navigation.show();
    navigation.set_topmost(Topmost::Yes);
    navigation.set_bounds(300, 250, 300, 400);
    desk.user_move({400, 300});
    desk.advance(2 * kEngineTick);
    EXPECT_EQ(navigation.left(), 300) << "the pointer is on it";
    desk.user_move({800, 300});
    desk.advance(kEngineTick);
    EXPECT_EQ(navigation.left(), -2000);
}

} // namespace
} // namespace tv::test
