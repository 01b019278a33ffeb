// The main loop's 50 ms tick and its 100 ms still counter, on the simulated desktop.
#include "sim_app.h"

#include "board/vykform3.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/pyoil.h"
#include "board/escmenu.h"
#include "board/form_main.h"
#include "board/setform.h"
#include "board/hint_template.h"
#include "board/lifeform.h"
#include "core/synthetic_input.h"
#include "platform/keys.h"

namespace tv::test {
namespace {

class MainLoop : public SimApp {
protected:
    void SetUp() override
    {
        start();
        desk.user_move({500, 500});
        desk.advance(100); // start command, start-up completion
        desk.clear_input_log();
    }
    void tick() { desk.advance(50); }
    std::vector<std::string> history() const { return app->kxm().ListBox1.items(); }
    void set_history(std::vector<std::string> items)
    {
        app->kxm().ListBox1.set_items(items);
        app->inputmode().ListBox4.set_items(std::move(items));
    }
    std::vector<std::string> input() const
    {
        std::vector<std::string> out;
        for (const auto& r : desk.input_log())
            out.push_back(r.describe().substr(0, r.describe().find(" at ")));
        return out;
    }
    Tescmenu& escmenu() { return app->escmenu(); }
};

TEST_F(MainLoop, CopiedSelectionIsSearchedBySiblingBrowser)
{
    desk.set_clipboard(std::string("天气预报"));
    escmenu().Panel8.set_text("----");
    tick();
    EXPECT_EQ(escmenu().Edit1.text(), "天气预报");
    EXPECT_EQ(caption("Tregform"), "vykgonewurl=天气预报");
    ASSERT_EQ(desk.started_programs().size(), 1u) << "no sibling: the web button starts it";
    EXPECT_EQ(desk.started_programs()[0].first, "C:\\Tarvesk\\ombrel.exe");
    EXPECT_EQ(desk.started_programs()[0].second, Visibility::Hidden);
    EXPECT_EQ(escmenu().Panel8.text(), "菜单");
}

TEST_F(MainLoop, ClipboardZeroOrUnopenable)
{
    desk.set_clipboard(std::string("0"));
    escmenu().Panel8.set_text("----");
    tick();
    EXPECT_NE(caption("Tregform"), "vykgonewurl=0");
    EXPECT_TRUE(desk.started_programs().empty());

    // The clipboard cannot be opened: the rest of that tick is skipped.
    desk.set_clipboard(std::nullopt);
    escmenu().Panel8.set_text("----");
    set_caption("Tregform", "filecmd=C:\\a.txt");
    tick();
    EXPECT_EQ(escmenu().Panel8.text(), "菜单");
    EXPECT_EQ(caption("Tregform"), "filecmd=C:\\a.txt");
    tick();
    EXPECT_EQ(caption("Tregform"), "ok jmjm") << "the next tick runs normally";
}

TEST_F(MainLoop, LeaveWebSwitchFollowsTheSiblingsMainWindow)
{
    tick();
    EXPECT_EQ(escmenu().Panel8.text(), "菜单");
    const Hwnd main = desk.add_window("Tombrelmain", "ombrel", Rect::from_size(0, 200, 800, 500));
    tick();
    EXPECT_EQ(escmenu().Panel8.text(), "下网");
    desk.set_window_rect(main, Rect::from_size(-5, 200, 800, 500));
    tick();
    EXPECT_EQ(escmenu().Panel8.text(), "菜单");
}

TEST_F(MainLoop, EscapeOpensTheMenuAfterAReleaseAwayFromPopups)
{
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    tick();
    EXPECT_EQ(caption("Tescmenu"), "bold--xxpop");
    desk.user_key(27, KeyAction::Down);
    tick();
    EXPECT_EQ(caption("Tescmenu"), "--escok");
    EXPECT_TRUE(escmenu().visible());
    EXPECT_EQ(escmenu().bounds(), Rect::from_size((1024 - 720) / 2, (768 - 560) / 2, 720, 560));
    EXPECT_EQ(escmenu().Edit2.text(), "备忘录 秘密日记");
    EXPECT_EQ(caption("Tregform"), "vykcmdhideie");
    EXPECT_EQ(desk.cursor_pos(), (Point{152 + 240, 104 + 295}));
}

TEST_F(MainLoop, EscapeIsLeftToTheApplicationNearAPopup)
{
    desk.add_window("#32768", "", Rect::from_size(520, 520, 150, 200), Visibility::Shown, Topmost::Yes);
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    tick();
    EXPECT_EQ(caption("Tescmenu"), "old--pop");
    EXPECT_NE(app->lifeform().Panel39.text().find("#32768"), std::string::npos);
    desk.user_key(27, KeyAction::Down);
    tick();
    EXPECT_FALSE(escmenu().visible());
    EXPECT_EQ(caption("Tescmenu"), "old--pop");
}

// An Esc tap that falls between two ticks: the hook's latch keeps it for the
// next tick, which consumes it whether or not it opens the menu.
TEST_F(MainLoop, EscapeTapBetweenTicksOpensTheMenuOnce)
{
    const auto release_away_from_popups = [&] {
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
        tick();
        ASSERT_EQ(caption("Tescmenu"), "bold--xxpop");
    };
    release_away_from_popups();
    desk.advance(20);
    desk.user_key(27, KeyAction::Down);
    desk.advance(10);
    desk.user_key(27, KeyAction::Up);
    EXPECT_EQ(caption("TsrfForm"), "esc down");
    desk.advance(20); // the next tick
    EXPECT_EQ(caption("Tescmenu"), "--escok");
    EXPECT_TRUE(escmenu().visible());
    EXPECT_EQ(escmenu().bounds(), Rect::from_size((1024 - 720) / 2, (768 - 560) / 2, 720, 560));
    EXPECT_EQ(caption("TsrfForm"), "esc ok") << "consumed";

    // The menu goes away; the press that opened it never opens it again.
    escmenu().set_left(-2000);
    escmenu().hide();
    release_away_from_popups();
    for (int i = 0; i < 4; ++i)
        tick();
    EXPECT_FALSE(escmenu().visible());
    EXPECT_EQ(caption("Tescmenu"), "bold--xxpop");
}

TEST_F(MainLoop, EscapeTapNearAPopupIsSpentOnThatTick)
{
    const Hwnd popup = desk.add_window("#32768", "", Rect::from_size(520, 520, 150, 200), Visibility::Shown, Topmost::Yes);
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    tick();
    ASSERT_EQ(caption("Tescmenu"), "old--pop");
    desk.user_key(27, KeyAction::Down);
    desk.user_key(27, KeyAction::Up);
    tick();
    EXPECT_FALSE(escmenu().visible()) << "the tap was the application's";
    EXPECT_EQ(caption("TsrfForm"), "esc ok");

    // The pop-up is gone and a release away from it arms Esc: the old tap stays spent.
    desk.destroy_window(popup);
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    tick();
    tick();
    EXPECT_EQ(caption("Tescmenu"), "bold--xxpop");
    EXPECT_FALSE(escmenu().visible());
}

TEST_F(MainLoop, EscapeFromTheProgramItselfIsNoTap)
{
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    tick();
    input::press(desk, vk::kEscape); // as the program's own rules send it
    tick();
    EXPECT_FALSE(escmenu().visible());
    EXPECT_NE(caption("TsrfForm"), "esc down");
}

TEST_F(MainLoop, RightButtonParksTheOpenEscapeMenu)
{
    escmenu().show();
    escmenu().set_left(152);
    escmenu().plan.show();
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    tick();
    EXPECT_EQ(escmenu().left(), -2000);
    EXPECT_FALSE(escmenu().plan.visible());

    // A right release hides it too.
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    escmenu().set_left(152);
    set_caption("Tescmenu", "rbuttonup");
    tick();
    EXPECT_EQ(escmenu().left(), -2000);
}

struct FileCommandCase {
    const char* cell;
    const char* path;
};

TEST_F(MainLoop, FileCommandShowsTheFilePanel)
{
    for (const FileCommandCase& c : {FileCommandCase{"filecmd=C:\\文档\\a.txt", "C:\\文档\\a.txt"},
                                     FileCommandCase{"filecmd=", ""}}) {
        SCOPED_TRACE(c.cell);
        app->FormMain().outcmd.hide();
        set_caption("Tregform", c.cell);
        tick();
        TFormMain& options = app->FormMain();
        EXPECT_EQ(caption("Tregform"), "ok jmjm");
        EXPECT_EQ(options.outpath.text(), c.path);
        EXPECT_TRUE(options.outcmd.visible());
        EXPECT_TRUE(options.visible());
        EXPECT_EQ(options.top(), 100);
        EXPECT_EQ(options.left(), (1024 - options.width()) / 2);
        EXPECT_EQ(desk.cursor_pos(), (Point{options.left() + 300, 150}));
    }
}

TEST_F(MainLoop, DoubleCtrlStartsEasyDrag)
{
    set_history({"old--17up2", "old--17up", "key--65"});
    tick();
    EXPECT_EQ(input(), (std::vector<std::string>{"mouse leftup", "mouse leftdown"}));
    EXPECT_EQ(caption("TvykForm4"), "down/...down/");
    EXPECT_EQ(history()[0], "old--ok1");
}

TEST_F(MainLoop, DoubleCtrlOnlyMarksTheHistoryWithCtrlFunction)
{
    app->lifeform().easydragid.set_text("ctrl function");
    set_history({"old--17up2", "old--17up", "key--65"});
    tick();
    EXPECT_TRUE(input().empty());
    EXPECT_EQ(history()[1], "old--==17") << "below the cell the tick pushed afterwards";
}

TEST_F(MainLoop, DoubleCtrlThroughTheHook)
{
    desk.user_key(162, KeyAction::Down);
    desk.user_key(162, KeyAction::Up);
    tick();
    desk.user_key(162, KeyAction::Down);
    desk.user_key(162, KeyAction::Up);
    tick();
    tick();
    EXPECT_EQ(caption("TvykForm4"), "down/...down/");
}

TEST_F(MainLoop, AltTapThenWindowsKeyPastes)
{
    // The key pad's timer pushed "91down" first: the tick sees the gesture in
    // the history and pastes where the pointer is.
    set_history({"91down", "old--18up", "18down"});
    set_caption("Tpyoil", "91down");
    tick();
    EXPECT_EQ(app->kxm().Panel6.text(), "altwin");
    EXPECT_EQ(history()[0], "91ok");
    EXPECT_EQ(history()[1], "cvok");
    EXPECT_EQ(input(), (std::vector<std::string>{"key 27 down", "key 27 up", "key 17 down", "key 86 down",
                                                 "key 86 up", "key 17 up"}));
}

TEST_F(MainLoop, AltTapThenWindowsKeyCopiesWhenTheLoopPushesIt)
{
    // The main loop pushes "91down" itself: the second chance copies instead.
    set_history({"old--18up", "18down"});
    set_caption("Tpyoil", "91down");
    tick();
    EXPECT_EQ(history()[0], "18ok");
    EXPECT_EQ(input(), (std::vector<std::string>{"key 16 down", "mouse leftdown", "mouse leftup", "key 16 up",
                                                 "key 17 down", "key 67 down", "key 67 up", "key 17 up"}));
}

// The gestures read the history before the tick pushes the newest key: they
// act one tick after their last key.
TEST_F(MainLoop, SingleRightAltTapTogglesTheQuickMenu)
{
    desk.user_key(165, KeyAction::Down);
    tick();
    desk.user_key(165, KeyAction::Up);
    tick();
    tick();
    EXPECT_TRUE(app->kxm().quickmenu.checked());
    EXPECT_EQ(app->FormMain().left(), -2000);
    EXPECT_EQ(caption("Tpyoil"), "old--mvok");
    EXPECT_EQ(history()[1], "old--mmmmok") << "below the consumed cell the tick pushed afterwards";

    desk.user_key(165, KeyAction::Down);
    tick();
    desk.user_key(165, KeyAction::Up);
    tick();
    tick();
    EXPECT_FALSE(app->kxm().quickmenu.checked());
    EXPECT_EQ(app->FormMain().left(), -1234);
}

TEST_F(MainLoop, DoubleAltTapCopies)
{
    for (int i = 0; i < 2; ++i) {
        desk.user_key(164, KeyAction::Down);
        tick();
        desk.user_key(164, KeyAction::Up);
        tick();
    }
    tick();
    EXPECT_EQ(app->kxm().Panel6.text(), "alt2");
    EXPECT_EQ(app->inputmode().dragmess.text(), "alt2");
    EXPECT_EQ(history()[1], "cpok");
    EXPECT_EQ(input().back(), "key 17 up");
    EXPECT_EQ(input().front(), "key 16 down");
}

TEST_F(MainLoop, TitleRepairRunsAtMostOnce)
{
    program.reset();
    app = nullptr;
    desk.put_file("发行软件.txt", "发行编号--0zl0\r\n\r\n\r\n\r\n\r\n\r\n发行标题--滚轮助手\r\n");
    start();
    desk.advance(100);
    ui::ListBox& tmpl = app->lifeform().ListBox5;
    EXPECT_EQ(tmpl.item(hint::kTitleLine), "滚轮助手");
    EXPECT_EQ(app->lifeform().Label8.text(), "滚轮助手");
    tmpl.set_item(hint::kTitleLine, "别的");
    tick();
    EXPECT_EQ(tmpl.item(hint::kTitleLine), "滚轮助手★ ");
    tmpl.set_item(hint::kTitleLine, "又一个");
    tick();
    EXPECT_EQ(tmpl.item(hint::kTitleLine), "又一个");
}

TEST_F(MainLoop, StillCounterCountsAndSparesModifierTokens)
{
    desk.advance(2000); // the cursor has stood still since 100 ms
    EXPECT_EQ(app->lifeform().Panel33.text(), "20");
    desk.advance(10000);
    EXPECT_EQ(app->lifeform().Panel33.text(), "100") << "at most 100";

    struct Case {
        const char* cell;
        const char* after_move;
    };
    const Case cases[] = {
        {"key--65", "old--move"},   {"old--16down", "old--16down"}, {"old--17up", "old--17up"},
        {"18down", "old--move"},    {"old--35..2", "old--35..2"},   {"91down", "old--move"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        desk.user_move({desk.cursor_pos().x + 5, 500});
        set_caption("Tpyoil", c.cell);
        desk.advance(100);
        EXPECT_EQ(caption("Tpyoil"), c.after_move);
    }
    EXPECT_FALSE(app->lifeform().srfboard.visible());
}

TEST_F(MainLoop, MenuOnTopMarksTheQuickMenuState)
{
    app->kxm().quickmenu.set_checked(true);
    desk.add_window("#32768", "", Rect::from_size(800, 600, 100, 100), Visibility::Shown, Topmost::Yes);
    tick();
    EXPECT_EQ(app->pyoil().ddstr.text(), "tt1");
    EXPECT_FALSE(app->kxm().quickmenu.checked());
}

TEST_F(MainLoop, ClickClearsTheStartMenuMarker)
{
    app->FormMain().set_caption("开始菜单--12345678  超级菜单");
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    tick();
    EXPECT_EQ(caption("TFormMain"), "设置说明--12345678  超级菜单");
}

TEST_F(MainLoop, ScriptErrorBoxIsClosed)
{
    const Hwnd box = desk.add_window("Internet Explorer_TridentDlgFrame", "Internet Explorer 脚本错误",
                                     Rect::from_size(300, 300, 200, 100));
    tick();
    tick();
    EXPECT_FALSE(desk.window_exists(box));
}

TEST_F(MainLoop, LeftButtonResetsTheEditModeAndShiftFollowsInFindMode)
{
    app->kxm().set_caption("find");
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    tick();
    EXPECT_EQ(caption("Tpyoil"), "old--cap");
    EXPECT_EQ(caption("Tmodeform"), "old--cap");
    EXPECT_EQ(app->kxm().Panel4.text(), "old--cap");
    EXPECT_EQ(desk.window_rect(window("Tmodeform")).left, 1034);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    tick();
    EXPECT_EQ(input(), (std::vector<std::string>{"key 16 down", "key 16 up", "key 16 down", "key 16 up"}))
        << "Shift is pressed once per flag";
}

TEST_F(MainLoop, ThreeSpeedWheelOffSpoilsTheModeToken)
{
    app->FormMain().N3.set_checked(false);
    tick();
    EXPECT_EQ(caption("Tlifeform"), "kk mywheel");
}

class AutoStart : public SimApp {};

TEST_F(AutoStart, FirstTickOnlyMovesTheMainFormAndKeyPad)
{
    start({"auto"});
    desk.advance(50);
    EXPECT_EQ(app->pyoil().Label7.text(), "ok auto");
    EXPECT_EQ(app->pyoil().left(), 1034);
    EXPECT_EQ(app->kxm().left(), 1034);
    EXPECT_FALSE(app->pyoil().Image3.visible());
    EXPECT_EQ(app->FormMain().height(), 520) << "start-up completion came before the auto step";
    EXPECT_TRUE(app->kxm().ListBox1.items().empty()) << "the rest of that tick did not run";
    desk.advance(50);
    EXPECT_FALSE(app->kxm().ListBox1.items().empty());
}


TEST_F(MainLoop, SettingsFormPausesTheMainLoopUntilItCloses)
{
    app->setform().cmdopen.click();
    set_caption("Tregform", "filecmd=C:\\a.txt");
    desk.advance(300);
    EXPECT_EQ(caption("Tregform"), "filecmd=C:\\a.txt") << "no tick while the settings form is open";
    app->setform().Button2.click();
    tick();
    EXPECT_EQ(caption("Tregform"), "ok jmjm");
    EXPECT_TRUE(desk.files().empty()) << "返回 writes nothing";
}

} // namespace
} // namespace tv::test
