// The status form's 100 ms status timer: the right release in a slow wheel,
// closing a menu after the Windows key, the address under the pointer going to
// the sibling browser, the caption histories, and keeping the bar on top.
#include "status_form.h"

#include "board/taskform.h"
#include "board/regform.h"
#include "board/vykform3.h"
#include "board/inputmode.h"
#include "mouse/key_history.h"
#include "platform/address.h"

#include <string>
#include <utility>
#include <vector>

namespace tv::test {
namespace {

// ---- the status timer: right release, menus, the bar on top ----

struct SlowWheelCase {
    const char* name;
    const char* mode;
    int key; // 0: none
};

void PrintTo(const SlowWheelCase& c, std::ostream* os) { *os << c.name; }

class StatusRightRelease : public StatusForm, public ::testing::WithParamInterface<SlowWheelCase> {};

TEST_P(StatusRightRelease, InASlowWheelAnswersWithAKeyAndHidesTheNavigationPanel)
{
    const SlowWheelCase& c = GetParam();
    start_program();
    TvykForm3& navigation = app->vykForm3();
    navigation.set_bounds(300, 250, 300, 400);
    navigation.show();
    navigation.set_topmost(Topmost::Yes);
    desk.user_move({400, 300}); // inside the panel, which stays while pointed at
    bar().Label1.set_text(c.mode);
    // The super right-click takes every release that starts with "rightup"
    // unless one of the program's settings forms is in front; this rule is
    // seen alone with one in front.
    desk.set_foreground(app->regform().hwnd());
    desk.clear_input_log();

    set_caption("TvykForm3", "rightup ok");
    desk.advance(100);

    if (c.key) {
        EXPECT_EQ(keys_sent(), (std::vector<std::string>{"key " + std::to_string(c.key) + " down",
                                                         "key " + std::to_string(c.key) + " up"}));
        EXPECT_EQ(caption("TvykForm3"), "xx right");
        EXPECT_EQ(navigation.left(), -2000);
    } else {
        EXPECT_EQ(keys_sent(), std::vector<std::string>{});
        EXPECT_EQ(caption("TvykForm3"), "rightup ok");
        EXPECT_EQ(navigation.left(), 300);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, StatusRightRelease,
                         ::testing::Values(SlowWheelCase{"Quick", "快速滚轮", kEnter},
                                           SlowWheelCase{"Auto", "自动滚轮", kEnter},
                                           SlowWheelCase{"Task", "任务滚轮", kEsc},
                                           SlowWheelCase{"Normal", "正常滚轮", 0},
                                           SlowWheelCase{"AfterARightButtonAction", "ok滚轮", 0}),
                         [](const ::testing::TestParamInfo<SlowWheelCase>& info) { return std::string(info.param.name); });

TEST_F(StatusForm, ReleasedWindowsKeyIsAnsweredWithOneEscOnly)
{
    start_program();
    KeyHistory history(*app);
    history.insert_top("old--91..2");
    history.insert_top("old--16down"); // a key held after the Windows key
    set_caption("Tpyoil", "old--16down");
    desk.clear_input_log();

    desk.advance(1000);

    EXPECT_EQ(keys_sent(), (std::vector<std::string>{"key 27 down", "key 27 up"}));
    EXPECT_EQ(app->inputmode().Panel12.text().substr(0, 3), "0//");
}

struct AddressCase {
    const char* name;
    const char* address;
    bool sibling_frame;
    bool left_held;
    const char* command_cell;
    const char* panel10_after;
    const char* opened_by_the_shell; // "" none
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class StatusAddressUnderPointer : public StatusForm, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(StatusAddressUnderPointer, GoesToTheSiblingWhenTheLeftButtonIsPressed)
{
    const AddressCase& c = GetParam();
    start_program();
    desk.user_move({500, 400});
    if (c.sibling_frame)
        desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100));
    set_caption("Tregform", "regform");
    bar().Panel10.set_text(c.address);
    if (c.left_held)
        desk.user_button(MouseButton::Left, ButtonAction::Down);

    desk.advance(100);

    EXPECT_EQ(caption("Tregform"), c.command_cell);
    EXPECT_EQ(bar().Panel10.text(), c.panel10_after);
    const std::vector<std::string> opened = *c.opened_by_the_shell ? std::vector<std::string>{c.opened_by_the_shell}
                                                                     : std::vector<std::string>{};
    EXPECT_EQ(desk.opened_addresses(), opened);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAddress, StatusAddressUnderPointer,
    ::testing::Values(
        AddressCase{"ToTheSibling", "http://a.cn", true, true, "vyknewurl=http://a.cn", "", ""},
        AddressCase{"NoSiblingOpensItWithTheShell", "http://a.cn", false, true, "regform", "", "http://a.cn"},
        AddressCase{"OnlyWebAddressesReachTheShell", "file://C:/x.bat", false, true, "regform", "", ""},
        AddressCase{"CommandsNeverReachTheShell", "cmd.exe /c del x", false, true, "regform", "", ""},
        AddressCase{"WaitsForTheLeftButton", "http://a.cn", true, false, "regform", "http://a.cn", ""},
        AddressCase{"SixBytesAreNoAddress", "a.b.cn", true, true, "regform", "a.b.cn", ""}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

struct HistoryCase {
    const char* name;
    const char* form_class;
    ui::ListBox& (*list)(Tlifeform&);
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

class StatusCaptionHistory : public StatusForm, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(StatusCaptionHistory, KeepsNewValuesAndIsCutBackToTheTenNewest)
{
    const HistoryCase& c = GetParam();
    start_program();
    const ui::ListBox& history = c.list(bar());
    std::size_t longest = 0;
    for (int i = 1; i <= 150; ++i) {
        set_caption(c.form_class, "tok" + std::to_string(i));
        desk.advance(100);
        if (history.count() < longest) {
            EXPECT_EQ(longest, 100u);
            ASSERT_EQ(history.count(), 10u);
            EXPECT_EQ(history.item(0), "tok" + std::to_string(i));
            EXPECT_EQ(history.item(9), "tok" + std::to_string(i - 9));
            return;
        }
        longest = history.count();
        desk.advance(100); // an unchanged caption is not taken again
        EXPECT_EQ(history.count(), longest);
    }
    ADD_FAILURE() << "the history was never cut back";
}

INSTANTIATE_TEST_SUITE_P(
    BothForms, StatusCaptionHistory,
    ::testing::Values(HistoryCase{"MouseEvents", "TvykForm3", [](Tlifeform& f) -> ui::ListBox& { return f.ListBox7; }},
                      HistoryCase{"KeyPad", "TvykForm4", [](Tlifeform& f) -> ui::ListBox& { return f.ListBox8; }}),
    [](const ::testing::TestParamInfo<HistoryCase>& info) { return std::string(info.param.name); });

enum class Corner { Free, TopmostWindow };

struct OnTopCase {
    const char* name;
    bool moved_down;
    bool no_width;
    Corner corner;
    bool dialog;
    bool navigation_shown;
    Rect rect_after;
};

void PrintTo(const OnTopCase& c, std::ostream* os) { *os << c.name; }

class StatusBarOnTop : public StatusForm, public ::testing::WithParamInterface<OnTopCase> {};

TEST_P(StatusBarOnTop, ComesBackToTheTopLeftCorner)
{
    const OnTopCase& c = GetParam();
    start_program();
    desk.user_move({400, 300});
    if (c.moved_down)
        bar().set_top(300);
    if (c.no_width)
        bar().nobar.click();
    if (c.corner == Corner::TopmostWindow)
        desk.add_window("Shell_TrayWnd", "", Rect::from_size(0, 0, 1024, 30), Visibility::Shown, Topmost::Yes);
    if (c.dialog)
        desk.add_window("#32770", "另存为", Rect::from_size(600, 400, 300, 200));
    if (c.navigation_shown) {
        app->vykForm3().set_bounds(300, 250, 300, 400);
        app->vykForm3().show();
        app->vykForm3().set_topmost(Topmost::Yes); // pointed at, so it stays
    }

    desk.advance(100);

    EXPECT_EQ(desk.window_rect(bar().hwnd()), c.rect_after);
    if (c.rect_after.width() > 0) {
        EXPECT_EQ(desk.window_from_point({1, 1}), bar().hwnd());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryCorner, StatusBarOnTop,
    ::testing::Values(
        OnTopCase{"MovedDown", true, false, Corner::Free, false, false, at_top(1024, 180)},
        OnTopCase{"MovedDownWithADialog", true, false, Corner::Free, true, true, at_top(1024, 180)},
        OnTopCase{"CoveredByATopmostWindow", false, false, Corner::TopmostWindow, false, false,
                  at_top(1024, 180)},
        // "no bar" holds until a size is chosen again: kept on top, with no width
        OnTopCase{"NoWidth", false, true, Corner::Free, false, false, at_top(0, 180)},
        OnTopCase{"NoWidthMovedDown", true, true, Corner::Free, false, false, at_top(0, 180)},
        OnTopCase{"NoWidthWhileADialogIsOpen", false, true, Corner::Free, true, false, at_top(0, 180)},
        OnTopCase{"NoWidthWhileTheNavigationPanelIsShown", false, true, Corner::Free, false, true,
                  at_top(0, 180)}),
    [](const ::testing::TestParamInfo<OnTopCase>& info) { return std::string(info.param.name); });

// A window of another program that comes to the front over the bar, away
// from its corner (a topmost one, or any window under Wine, which draws a new
// window above the bar), puts the bar back on top; one of ours, or while a
// dialog is open, or while a full-screen program runs, does not.
enum class Dialog { None, Shown, Hidden };

struct NewFrontCase {
    const char* name;
    bool other_program;
    Dialog dialog;
    bool full_screen;
    bool bar_on_top_after;
};

void PrintTo(const NewFrontCase& c, std::ostream* os) { *os << c.name; }

class StatusBarNewFront : public StatusForm, public ::testing::WithParamInterface<NewFrontCase> {};

TEST_P(StatusBarNewFront, AWindowInFrontOverTheBarPutsItOnTopAgain)
{
    const NewFrontCase& c = GetParam();
    start_program();
    desk.user_move({400, 300});
    desk.set_process(bar().hwnd(), 1);
    if (c.dialog != Dialog::None)
        desk.add_window("#32770", "另存为", Rect::from_size(600, 400, 300, 200),
                        c.dialog == Dialog::Shown ? Visibility::Shown : Visibility::Hidden);
    if (c.full_screen)
        desk.set_user_notification_state(UserNotificationState::RunningD3dFullScreen);
    desk.advance(300);
    const Hwnd front = desk.add_window("TopmostTool", "", Rect::from_size(200, 0, 300, 100), Visibility::Shown,
                                       Topmost::Yes);
    desk.set_process(front, c.other_program ? 2 : 1);
    desk.set_foreground(front);
    ASSERT_EQ(desk.window_from_point({1, 1}), bar().hwnd()) << "the corner stays the bar's";

    desk.advance(100);

    EXPECT_EQ(desk.window_from_point({250, 50}), c.bar_on_top_after ? bar().hwnd() : front);
}

INSTANTIATE_TEST_SUITE_P(
    WhoComesToTheFront, StatusBarNewFront,
    ::testing::Values(NewFrontCase{"AnotherProgram", true, Dialog::None, false, true},
                      NewFrontCase{"OneOfOurs", false, Dialog::None, false, false},
                      NewFrontCase{"WhileADialogIsOpen", true, Dialog::Shown, false, false},
                      NewFrontCase{"AHiddenDialogCoversNothing", true, Dialog::Hidden, false, true},
                      NewFrontCase{"WhileAFullScreenProgramRuns", true, Dialog::None, true, false}),
    [](const ::testing::TestParamInfo<NewFrontCase>& info) { return std::string(info.param.name); });

// One of our forms that comes to the front soon after another program's
// window is not covered by the bar put on top for that window.
TEST_F(StatusForm, OurFormInFrontSoonAfterAnotherProgramStaysAboveTheBar)
{
    start_program();
    desk.user_move({400, 300});
    desk.set_process(bar().hwnd(), 1);
    desk.advance(100);
    const Hwnd other = desk.add_window("Notepad", "", Rect::from_size(0, 0, 600, 400));
    desk.set_process(other, 2);
    desk.set_foreground(other);
    desk.advance(100);
    Ttaskform& tasks = app->taskform();
    desk.set_process(tasks.hwnd(), 1);
    tasks.set_bounds(300, 100, 255, 480);
    tasks.show();
    tasks.set_topmost(Topmost::Yes);
    desk.set_foreground(tasks.hwnd());

    desk.advance(500);

    EXPECT_EQ(desk.window_from_point({400, 150}), tasks.hwnd());
}

TEST(WebAddress, OnlyHttpAndHttpsPagesGoToTheShell)
{
    const std::pair<const char*, bool> cases[] = {
        {"http://www.baidu.com/s?word=a", true}, {"HTTPS://a.cn", true},          {"http://", false},
        {"file:///C:/x.bat", false},             {"javascript:alert(1)", false},  {"C:\\x.exe", false},
        {"http://a.cn/\"x", false},              {"http://a.cn/\r\nx", false},    {"", false},
    };
    for (const auto& [url, web] : cases)
        EXPECT_EQ(is_web_address(url), web) << url;
}

} // namespace
} // namespace tv::test
