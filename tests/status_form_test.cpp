// The status form on the simulated desktop: its creation, the bar heights as a
// desktop toolbar, the hint bar, the rules of its two web views, the filter
// that swallows right presses in the program's own windows, and the 100 ms
// status timer (drag results, the right release in a slow wheel, closing a
// menu after the Windows key, keeping the bar on top).
#include "wheel_sim.h"

#include "browser/vykform3.h"
#include "core/regform.h"
#include "ime/inputmode.h"
#include "mouse/key_history.h"
#include "mouse/pyoil.h"
#include "mouse/vykform4.h"
#include "platform/address.h"
#include "settings/setform.h"
#include "statusbar/hint_template.h"
#include "statusbar/lifeform.h"
#include "statusbar/system_name.h"
#include "mouse/kxm.h"
#include "settings/form_main.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tv::test {
namespace {

constexpr const char* kHelpTitlePage = "file://C:\\Tarvesk\\helptitle.htm";
constexpr const char* kHintPage = "file://C:\\Tarvesk\\topmess.htm";
constexpr int kScreenWidth = 1024;
bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
// A band along the top edge of the screen.
Rect at_top(int width, int height) { return Rect::from_size(0, 0, width, height); }

constexpr int kWindowsKey = 91, kCtrl = 17, kSpace = 32, kEnter = 13, kEsc = 27;

class StatusForm : public WheelApp {
protected:
    Tlifeform& bar() const { return app->lifeform(); }

    // The platform's view that first showed `address` inside the status form.
    WebViewId view_opened_on(std::string_view address) const
    {
        for (const auto& [id, v] : desk.web_views())
            if (v.parent == bar().hwnd() && !v.navigations.empty() && v.navigations.front() == address)
                return id;
        return 0;
    }
    std::string hint_bar_document() const
    {
        const sim::SimWebView* v = desk.web_view(view_opened_on(kHintPage));
        return v ? v->document : std::string("(no hint view)");
    }

    // The status timer starts again now: its next tick comes in 100 ms.
    void restart_status_timer()
    {
        bar().Timer1.set_enabled(false);
        bar().Timer1.set_enabled(true);
        tick_at_ = desk.now_ms() + 100;
    }
    // The synthetic events sent, each with its time from the status tick: "+10 key 17 down".
    std::vector<std::string> inputs_from_tick() const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log()) {
            const std::string d = r.describe();
            out.push_back("+" + std::to_string(static_cast<long long>(r.time_ms) - static_cast<long long>(tick_at_)) +
                          " " + d.substr(0, d.find(" at ")));
        }
        return out;
    }

    std::uint64_t tick_at_ = 0;
};

// ---- creation and bar heights ----

TEST_F(StatusForm, CreationOpensBothPagesAndDocksTheLargeBarAtTheTop)
{
    start();

    EXPECT_NE(view_opened_on(kHelpTitlePage), 0u) << "one backslash between folder and file";
    EXPECT_NE(view_opened_on(kHintPage), 0u);
    EXPECT_EQ(bar().CppWebBrowser1.text(), kHelpTitlePage);
    EXPECT_EQ(bar().CppWebBrowser2.text(), kHintPage);
    EXPECT_EQ(desk.window_rect(bar().hwnd()), Rect::from_size(0, 0, kScreenWidth, 180));
    EXPECT_TRUE(desk.is_visible(bar().hwnd()));
    EXPECT_TRUE(desk.ex_style(bar().hwnd()) & kExTopmost);
    const std::optional<sim::SimAppBar> toolbar = desk.app_bar(bar().hwnd());
    ASSERT_TRUE(toolbar.has_value());
    EXPECT_EQ(toolbar->callback_message, 1124u);
    EXPECT_TRUE(toolbar->placed);
    EXPECT_EQ(toolbar->edge, AppBarEdge::Top);
    EXPECT_EQ(bar().Panel40.text(), "Windows") << "a system of no known release";
}

struct HeightCase {
    const char* name;
    std::vector<std::string> commands;
    Rect rect;
    bool handle_shown;
    std::optional<Rect> reserved; // none: not a desktop toolbar
    const char* command_cell;
};

void PrintTo(const HeightCase& c, std::ostream* os) { *os << c.name; }

class StatusBarHeights : public StatusForm, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(StatusBarHeights, SizeTheBarAndItsDesktopToolbar)
{
    const HeightCase& c = GetParam();
    start();
    set_caption("Tregform", "regform");

    for (const std::string& command : c.commands)
        bar().control(command)->click();

    EXPECT_EQ(desk.window_rect(bar().hwnd()), c.rect);
    EXPECT_TRUE(desk.is_visible(bar().hwnd()));
    EXPECT_EQ(bar().movebar.visible(), c.handle_shown);
    const std::optional<sim::SimAppBar> toolbar = desk.app_bar(bar().hwnd());
    ASSERT_EQ(toolbar.has_value(), c.reserved.has_value());
    if (toolbar) {
        EXPECT_EQ(toolbar->rect, *c.reserved);
        EXPECT_EQ(toolbar->edge, AppBarEdge::Top);
    }
    EXPECT_EQ(caption("Tregform"), c.command_cell);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, StatusBarHeights,
    ::testing::Values(
        HeightCase{"Large", {"smallbar", "Button1"}, at_top(1024, 180), false, at_top(1024, 183), "newpos"},
        HeightCase{"Middle", {"smallbar"}, at_top(1024, 32), false, at_top(1024, 35), "newpos"},
        HeightCase{"Tiny", {"tinybar"}, at_top(1024, 5), true, at_top(1024, 8), "newpos"},
        HeightCase{"TinyThenMiddle", {"tinybar", "smallbar"}, at_top(1024, 32), false, at_top(1024, 35), "newpos"},
        HeightCase{"NoBar", {"nobar"}, at_top(0, 180), false, std::nullopt, "regform"},
        HeightCase{"TinyThenNoBar", {"tinybar", "nobar"}, at_top(0, 5), true, std::nullopt, "newpos"},
        HeightCase{"OffTheToolbar", {"Button3"}, at_top(1024, 180), false, std::nullopt, "regform"},
        HeightCase{"BackOnTheToolbar", {"Button3", "smallbar"}, at_top(1024, 32), false, at_top(1024, 35), "newpos"}),
    [](const ::testing::TestParamInfo<HeightCase>& info) { return std::string(info.param.name); });

// ---- the hint bar ----

TEST_F(StatusForm, HintBarWaitsWhileTheLeftButtonIsHeldThenShowsEveryChange)
{
    start_program();
    desk.user_move({500, 400});
    const std::string before = hint_bar_document();

    desk.user_button(MouseButton::Left, ButtonAction::Down);
    bar().ListBox5.set_item(hint::kWheelLine, "上滚＝上页 下滚＝下页");
    bar().settopmess.click();
    bar().ListBox5.set_item(hint::kButtonLine, "右键＝3D鼠标模拟");
    bar().settopmess.click();
    EXPECT_EQ(hint_bar_document(), before);

    desk.user_button(MouseButton::Left, ButtonAction::Up);
    bar().settopmess.click();
    const std::string after = hint_bar_document();
    EXPECT_NE(after.find("上滚＝上页 下滚＝下页"), std::string::npos);
    EXPECT_NE(after.find("右键＝3D鼠标模拟"), std::string::npos);
}

// ---- the two web views ----

enum class View { HintBar, Page };

struct StatusTextCase {
    const char* name;
    View view;
    const char* button_hint;
    const char* status_text;
    const char* button_hint_after;
};

void PrintTo(const StatusTextCase& c, std::ostream* os) { *os << c.name; }

class StatusWebViewText : public StatusForm, public ::testing::WithParamInterface<StatusTextCase> {};

TEST_P(StatusWebViewText, KeepsTheAddressAndShowsTheSearchWord)
{
    const StatusTextCase& c = GetParam();
    start();
    bar().ListBox5.set_item(hint::kButtonLine, c.button_hint);
    bar().settopmess.click();

    desk.fire_status_text(view_opened_on(c.view == View::HintBar ? kHintPage : kHelpTitlePage), c.status_text);

    EXPECT_EQ(bar().Panel32.text(), c.status_text);
    EXPECT_EQ(bar().ListBox5.item(hint::kButtonLine), c.button_hint_after);
    EXPECT_NE(hint_bar_document().find(c.button_hint_after), std::string::npos) << "the bar shows it";
}

INSTANTIATE_TEST_SUITE_P(
    EveryText, StatusWebViewText,
    ::testing::Values(
        StatusTextCase{"SearchLink", View::HintBar, "右键＝快速菜单", "http://www.baidu.com/s?word=鼠标",
                       "右键＝快速菜单 左键＝搜索鼠标"},
        StatusTextCase{"SearchLinkOnThePage", View::Page, "Ctrl＝导航鼠标", "http://www.baidu.com/s?word=滚轮&pn=10",
                       "Ctrl＝导航鼠标 左键＝搜索滚轮&pn=10"},
        StatusTextCase{"SearchAddressTwice", View::HintBar, "右键＝",
                       "http://www.baidu.com/s?word=甲&from=http://www.baidu.com/s?word=乙",
                       "右键＝ 左键＝搜索甲&from=http://www.baidu.com/s?word=乙"},
        StatusTextCase{"OtherSearch", View::HintBar, "右键＝", "http://example.com/find?word=甲", "右键＝"},
        StatusTextCase{"HintNamesTheLeftButton", View::Page, "Ctrl＝Enter 右键＝Enter 左键＝返回",
                       "http://www.baidu.com/s?word=甲", "Ctrl＝Enter 右键＝Enter 左键＝返回"},
        StatusTextCase{"EmptyText", View::Page, "右键＝", "", "右键＝"}),
    [](const ::testing::TestParamInfo<StatusTextCase>& info) { return std::string(info.param.name); });

struct NewWindowCase {
    const char* name;
    View view;
    bool sibling_application; // the "ombrel" application window
    bool sibling_frame;       // `Tvykombrel`
    bool started;
};

void PrintTo(const NewWindowCase& c, std::ostream* os) { *os << c.name; }

class StatusWebViewNewWindow : public StatusForm, public ::testing::WithParamInterface<NewWindowCase> {};

TEST_P(StatusWebViewNewWindow, IsRefusedAndTheAddressGoesToTheSibling)
{
    const NewWindowCase& c = GetParam();
    start();
    if (c.sibling_application)
        desk.add_window("TApplication", "ombrel", Rect::from_size(0, 0, 0, 0), Visibility::Hidden);
    if (c.sibling_frame)
        desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 200, 800, 500));
    const WebViewId view = view_opened_on(c.view == View::HintBar ? kHintPage : kHelpTitlePage);
    desk.fire_status_text(view, "http://a.example/page.htm");

    EXPECT_TRUE(desk.fire_new_window(view));

    EXPECT_EQ(caption("Tregform"), "vyknewurl=http://a.example/page.htm");
    using Started = std::vector<std::pair<std::string, Visibility>>;
    const Started expected = c.started ? Started{{"ee.bat", Visibility::Hidden}} : Started{};
    EXPECT_EQ(desk.started_programs(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EverySibling, StatusWebViewNewWindow,
    ::testing::Values(NewWindowCase{"NoSibling", View::HintBar, false, false, true},
                      NewWindowCase{"OnlyTheApplication", View::Page, true, false, true},
                      NewWindowCase{"OnlyTheFrame", View::HintBar, false, true, true},
                      NewWindowCase{"SiblingRunning", View::Page, true, true, false}),
    [](const ::testing::TestParamInfo<NewWindowCase>& info) { return std::string(info.param.name); });

// ---- the application's message filter ----

enum class Target { StatusBarTip, SettingsEdit, OtherProgram };

struct FilterCase {
    const char* name;
    Target target;
    const char* button5;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class StatusRightPressFilter : public StatusForm, public ::testing::WithParamInterface<FilterCase> {
protected:
    // Places the pointer on the target; its control records what reaches it.
    void point_at(Target t)
    {
        ui::Control* control = nullptr;
        Point at{};
        switch (t) {
        case Target::StatusBarTip:
            control = &bar().srftip1;
            at = {60, 5};
            break;
        case Target::SettingsEdit: {
            Tsetform& settings = app->setform();
            settings.set_left(100);
            settings.set_top(300);
            settings.show();
            control = &settings.Edit1;
            at = {100 + settings.Edit1.left() + 5, 300 + settings.Edit1.top() + 5};
            break;
        }
        case Target::OtherProgram:
            desk.add_window("Notepad", "记事本", Rect::from_size(100, 300, 600, 400));
            at = {300, 500};
            break;
        }
        if (control) {
            control->on_press = [this](MouseButton b) { seen.push_back("press " + name(b)); };
            control->on_release = [this](MouseButton b) { seen.push_back("release " + name(b)); };
        }
        desk.user_move(at);
    }
    static std::string name(MouseButton b) { return b == MouseButton::Right ? "right" : "left"; }

    std::vector<std::string> seen;
};

TEST_P(StatusRightPressFilter, SwallowsRightPressesInOwnWindowsOnly)
{
    const FilterCase& c = GetParam();
    start();
    set_caption("Tinputmode", "xx myright"); // the right button is the application's
    point_at(c.target);

    for (MouseButton b : {MouseButton::Right, MouseButton::Left}) {
        desk.user_button(b, ButtonAction::Down);
        desk.user_button(b, ButtonAction::Up);
    }

    EXPECT_EQ(bar().Button5.text(), c.button5);
    if (c.target != Target::OtherProgram) {
        EXPECT_EQ(seen, (std::vector<std::string>{"release right", "press left", "release left"}));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPlace, StatusRightPressFilter,
                         ::testing::Values(FilterCase{"StatusBar", Target::StatusBarTip, "rbutton"},
                                           FilterCase{"SettingsForm", Target::SettingsEdit, "rbutton"},
                                           FilterCase{"OtherProgram", Target::OtherProgram, ""}),
                         [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

// ---- the status timer: drag results ----

enum class Drag { Easy, KeyPad, None };

struct DragCase {
    const char* name;
    Drag drag;
    const char* class_under_pointer;
    int key_held;              // 0: none
    const char* mouse_cell;    // written into the mouse-event cell; empty: left alone
    std::vector<std::string> inputs;
    const char* vykform4;
    const char* dragflag;
    const char* easydragid;
    const char* command_cell; // after the main loop's next tick
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class StatusDragResults : public StatusForm, public ::testing::WithParamInterface<DragCase> {};

TEST_P(StatusDragResults, TheKeyOrTheMouseEventDecidesWhatHappensToTheSelection)
{
    const DragCase& c = GetParam();
    start_program();
    desk.add_window(c.class_under_pointer, "", Rect::from_size(200, 300, 600, 300));
    desk.user_move({500, 400});
    desk.set_clipboard("鼠标");
    set_caption("Tregform", "regform");
    if (c.drag == Drag::Easy) {
        app->pyoil().easydrag.click();
        desk.advance(100); // the status timer notes the drag
    } else if (c.drag == Drag::KeyPad) {
        bar().dragflag.set_text("drag up");
    }
    const std::string vykform4_before = caption("TvykForm4");
    const std::string dragflag_before = bar().dragflag.text();
    desk.clear_input_log();

    restart_status_timer();
    if (c.key_held)
        desk.user_key(c.key_held, KeyAction::Down);
    if (*c.mouse_cell)
        set_caption("TvykForm3", c.mouse_cell);
    desk.advance(100);

    EXPECT_EQ(inputs_from_tick(), c.inputs);
    EXPECT_EQ(caption("TvykForm4"), *c.vykform4 ? c.vykform4 : vykform4_before);
    EXPECT_EQ(bar().dragflag.text(), *c.dragflag ? c.dragflag : dragflag_before);
    EXPECT_EQ(bar().easydragid.text(), c.easydragid);
    desk.advance(50);
    EXPECT_EQ(caption("Tregform"), c.command_cell);
}

const std::vector<std::string> kPaste{"+0 mouse leftup",   "+0 key 17 down",    "+0 key 86 down",
                                      "+0 key 86 up",      "+0 key 17 up",      "+0 mouse leftdown",
                                      "+0 mouse leftup",   "+50 mouse leftdown", "+50 mouse leftup"};
const std::vector<std::string> kCopyWithMenu{"+0 mouse leftup",    "+10 key 17 down",   "+10 key 67 down",
                                             "+10 key 67 up",      "+10 key 17 up",     "+20 mouse rightdown",
                                             "+20 mouse rightup", "+20 key 67 down",   "+20 key 67 up"};
const std::vector<std::string> kCopyOnly{"+0 mouse leftup", "+10 key 17 down", "+10 key 67 down", "+10 key 67 up",
                                         "+10 key 17 up"};
const std::vector<std::string> kCut{"+0 mouse leftup", "+0 key 16 down", "+0 key 46 down", "+0 key 46 up",
                                    "+0 key 16 up"};
const std::vector<std::string> kMenuCopy{"+10 key 67 down", "+10 key 67 up", "+10 mouse leftup"};
const std::vector<std::string> kNothing;

INSTANTIATE_TEST_SUITE_P(
    EveryResult, StatusDragResults,
    ::testing::Values(
        DragCase{"WindowsKeyPastes", Drag::Easy, "Edit", kWindowsKey, "", kPaste, "xx drag up", "xx drag up", "", "regform"},
        DragCase{"CtrlCopiesAndSearches", Drag::Easy, "Edit", kCtrl, "", kCopyWithMenu, "xx drag up", "xx drag up",
                 "ctrl function", "vykgonewurl=鼠标"},
        DragCase{"CtrlInAWordPageCopiesWithoutTheMenu", Drag::Easy, "_WwG", kCtrl, "", kCopyOnly, "xx drag up",
                 "xx drag up", "ctrl function", "vykgonewurl=鼠标"},
        DragCase{"CtrlInTheOtherDocumentPane", Drag::Easy, "paneClassDC", kCtrl, "", kCopyOnly, "xx drag up",
                 "xx drag up", "ctrl function", "vykgonewurl=鼠标"},
        DragCase{"SpaceCuts", Drag::Easy, "Edit", kSpace, "", kCut, "xx drag up", "xx drag up", "", "regform"},
        DragCase{"SpaceAfterAKeyPadDrag", Drag::KeyPad, "Edit", kSpace, "", kCut, "xx drag up", "xx drag up", "",
                 "regform"},
        DragCase{"RightReleaseTakesTheMenusCopy", Drag::Easy, "Edit", 0, "xx rightup ok", kMenuCopy, "xx drag up",
                 "xx drag up", "ctrl function", "regform"},
        DragCase{"WheelDropsTheDrag", Drag::Easy, "Edit", 0, "ystop browok", kNothing, "qq drag", "qq drag up", "",
                 "regform"},
        DragCase{"NoKeyNoResult", Drag::Easy, "Edit", 0, "", kNothing, "", "", "", "regform"},
        DragCase{"NoDragNoResult", Drag::None, "Edit", kSpace, "", kNothing, "", "", "", "regform"}),
    [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST_F(StatusForm, CtrlAfterADragDoesNotRestartEasyDragUntilTheLeftButtonConfirms)
{
    start_program();
    desk.user_move({500, 400});
    app->pyoil().easydrag.click();
    desk.advance(100);
    desk.user_key(kCtrl, KeyAction::Down);
    desk.advance(100);
    desk.user_key(kCtrl, KeyAction::Up);
    ASSERT_EQ(bar().easydragid.text(), "ctrl function");

    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(100);
    EXPECT_EQ(bar().easydragid.text(), "okctrl function");
}

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
        OnTopCase{"NoWidth", false, true, Corner::Free, false, false, at_top(1024, 180)},
        OnTopCase{"NoWidthWhileADialogIsOpen", false, true, Corner::Free, true, false, at_top(0, 180)},
        OnTopCase{"NoWidthWhileTheNavigationPanelIsShown", false, true, Corner::Free, false, true,
                  at_top(0, 180)}),
    [](const ::testing::TestParamInfo<OnTopCase>& info) { return std::string(info.param.name); });


using StatusWithoutWebControl = SimApp;

// Without the web control (as under Wine) the hints stand on the bar as labels.
TEST_F(StatusWithoutWebControl, HintsAreShownAsLabels)
{
    desk.set_web_views_available(false);
    start();
    Tlifeform& bar = app->lifeform();
    for (const ui::Control* label : {static_cast<ui::Control*>(&bar.Label1), static_cast<ui::Control*>(&bar.upmess),
                                     static_cast<ui::Control*>(&bar.rightmess)}) {
        EXPECT_TRUE(label->visible()) << label->name();
        EXPECT_GT(label->width(), 0) << label->name();
    }
    const auto items = bar.paint_items();
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const PaintItem& i) { return i.text == "正常滚轮"; }));
}

TEST_F(StatusWithoutWebControl, WithTheWebControlTheLabelsStayHidden)
{
    start();
    EXPECT_FALSE(app->lifeform().Label1.visible());
}

// ---- the platform name ----

TEST(SystemName, NamesTheKnownReleasesOnly)
{
    const std::pair<SystemVersion, const char*> cases[] = {
        {{1, 4, 0, 950}, "Windows   95"},     {{1, 4, 0, 1111}, "Windows   95   OSR2"},
        {{1, 4, 10, 1998}, "Windows   98"},   {{1, 4, 10, 2222}, "Windows   98   SE"},
        {{1, 4, 90, 3000}, "Windows   ME"},   {{2, 4, 0, 1381}, "Windows   NT"},
        {{2, 5, 0, 2195}, "Windows   2000"}, {{2, 5, 1, 2600}, "Windows   XP"},
        {{2, 5, 2, 3790}, "Windows   2003"}, {{2, 6, 1, 7601}, "Windows"},
        {{2, 10, 0, 19045}, "Windows"},       {{1, 5, 0, 0}, "Windows"},
        {{0, 0, 0, 0}, "Windows"},
    };
    for (const auto& [version, name] : cases)
        EXPECT_EQ(system_name(version), name) << version.platform << "." << version.major << "." << version.minor;
}

TEST_F(StatusForm, ThePlatformNameComesFromTheSystemsVersion)
{
    desk.set_system_version({2, 5, 1, 2600});
    start();
    EXPECT_EQ(bar().Panel40.text(), "Windows   XP");
}

// ---- the small commands and pointer handlers ----

TEST_F(StatusForm, DragCountRunsTo100ThenStopsAndStartsAgainFromOne)
{
    start();
    ui::Panel& dragmess = app->inputmode().dragmess;
    EXPECT_FALSE(bar().Timer2.enabled()) << "off at creation";

    bar().Timer2.set_enabled(true);
    desk.advance(30);
    EXPECT_EQ(dragmess.text(), "dt=3");
    desk.advance(2000);
    EXPECT_EQ(dragmess.text(), "dt=100");
    EXPECT_FALSE(bar().Timer2.enabled());

    bar().Timer2.set_enabled(true);
    desk.advance(10);
    EXPECT_EQ(dragmess.text(), "dt=1");
}

TEST_F(StatusForm, ResetombBringsTheFormBackNearTheLowerLeftCorner)
{
    start();
    bar().hide();
    bar().resetomb.click();
    EXPECT_EQ(desk.window_rect(bar().hwnd()), Rect::from_size(50, 768 - 50, kScreenWidth, 180));
    EXPECT_TRUE(desk.is_visible(bar().hwnd()));
}

TEST_F(StatusForm, Button5CapturesTheMouseAndButton6ReleasesIt)
{
    start();
    desk.add_window("Notepad", "note", Rect::from_size(100, 300, 400, 300));
    desk.user_move({200, 400});
    const auto right_press_reaches_the_bar = [this] {
        bar().Button5.set_text("");
        desk.user_button(MouseButton::Right, ButtonAction::Down);
        desk.user_button(MouseButton::Right, ButtonAction::Up);
        return bar().Button5.text() == "rbutton";
    };
    EXPECT_FALSE(right_press_reaches_the_bar());

    bar().Button5.click();
    EXPECT_EQ(desk.capture(), bar().hwnd());
    EXPECT_TRUE(right_press_reaches_the_bar()) << "captured: the press over another window is the form's";

    bar().Button6.click();
    EXPECT_EQ(desk.capture(), 0u);
    EXPECT_FALSE(right_press_reaches_the_bar());
}

TEST_F(StatusForm, SwatchesTakeTheChosenColourAndKeepTheirsOnCancel)
{
    start();
    desk.colour_answers = {0x0000FFu, std::nullopt, 0x00FF00u};
    bar().mup.click();
    EXPECT_EQ(bar().mup.color(), 0x0000FFu);
    bar().mup.click();
    EXPECT_EQ(bar().mup.color(), 0x0000FFu) << "cancelled";
    bar().mdown.click();
    EXPECT_EQ(bar().mdown.color(), 0x00FF00u);
    EXPECT_EQ(bar().mup.color(), 0x0000FFu);
    EXPECT_EQ(desk.colour_dialogs_shown(), 3);
}

TEST_F(StatusForm, ClickOnTheAutoBarOrTheSelectionBoardHidesTheAutoBar)
{
    start();
    for (ui::Control* clicked : {static_cast<ui::Control*>(&bar().Panel25), static_cast<ui::Control*>(&bar().srfboard)}) {
        bar().Panel25.show();
        clicked->click();
        EXPECT_FALSE(bar().Panel25.visible()) << clicked->name();
    }
}

TEST_F(StatusForm, PressOnImage5TellsHowManyFormsThereAre)
{
    start();
    bar().Image5.press(MouseButton::Left);
    ASSERT_EQ(desk.message_boxes().size(), 1u);
    EXPECT_EQ(desk.message_boxes()[0].text, "18...forms");
}

// Pointing at ">>" on the bar pops up the options menu at the screen centre.
struct OptionsMenuCase {
    const char* name;
    std::optional<std::size_t> chosen; // nullopt: the menu is dismissed
    std::function<void(App&, const sim::SimDesktop&)> check;
};

void PrintTo(const OptionsMenuCase& c, std::ostream* os) { *os << c.name; }

class StatusOptionsMenu : public SimApp, public ::testing::WithParamInterface<OptionsMenuCase> {};

TEST_P(StatusOptionsMenu, PointingAtTheMarkPopsUpTheMenuAtTheCentre)
{
    desk.set_web_views_available(false); // the mark stands on the bar
    start();
    Tlifeform& bar = app->lifeform();
    ASSERT_TRUE(bar.Label9.visible());
    for (const ui::Control* hint : {static_cast<ui::Control*>(&bar.rightmess), static_cast<ui::Control*>(&bar.Label8)})
        EXPECT_FALSE(overlap(hint->bounds(), bar.Label9.bounds())) << hint->name();
    desk.menu_answers = {GetParam().chosen};

    const Rect mark = bar.Label9.bounds();
    desk.user_move({mark.left + 2, mark.top + 2});

    ASSERT_EQ(desk.menus_shown().size(), 1u);
    const auto& menu = desk.menus_shown()[0];
    EXPECT_EQ(menu.at, (Point{512, 384}));
    std::vector<std::string> captions;
    for (const MenuEntry& e : menu.items)
        captions.push_back(e.caption + (e.checked ? "*" : ""));
    EXPECT_EQ(captions, (std::vector<std::string>{"关闭", "帮助 ", "三速滚轮*", "工具栏设置", "大", "中", "小", "无",
                                                  "显示键盘控制中心*", "显示信息", "重启【Glidamo】",
                                                  "重启【Typamo】"}));
    GetParam().check(*app, desk);

    desk.user_move({mark.left + 4, mark.top + 4});
    EXPECT_EQ(desk.menus_shown().size(), 1u) << "once per arrival on the mark";
}

INSTANTIATE_TEST_SUITE_P(
    EveryChoice, StatusOptionsMenu,
    ::testing::Values(
        OptionsMenuCase{"Dismissed", std::nullopt,
                        [](App& app, const sim::SimDesktop& desk) {
                            EXPECT_EQ(desk.cursor_pos(), (Point{512, 384}));
                            EXPECT_FALSE(app.ended());
                            EXPECT_EQ(app.lifeform().height(), 180);
                        }},
        OptionsMenuCase{"Close", 0,
                        [](App& app, const sim::SimDesktop&) {
                            EXPECT_TRUE(app.ended());
                            EXPECT_EQ(app.exit_code(), 0);
                        }},
        OptionsMenuCase{"Help", 1,
                        [](App& app, const sim::SimDesktop& desk) {
                            const ui::Form& options = app.FormMain();
                            EXPECT_TRUE(options.visible());
                            EXPECT_EQ(options.top(), 100);
                            EXPECT_EQ(options.left(), (1024 - options.width()) / 2);
                            EXPECT_EQ(desk.cursor_pos(), (Point{options.left() + 300, 150}));
                        }},
        OptionsMenuCase{"ThreeSpeedWheelOff", 2,
                        [](App& app, const sim::SimDesktop&) { EXPECT_FALSE(app.FormMain().N3.checked()); }},
        OptionsMenuCase{"ToolbarSettings", 3,
                        [](App& app, const sim::SimDesktop&) { EXPECT_EQ(app.lifeform().caption(), "mywheel"); }},
        OptionsMenuCase{"SmallBar", 6,
                        [](App& app, const sim::SimDesktop&) {
                            EXPECT_EQ(app.lifeform().height(), 5);
                            EXPECT_TRUE(app.lifeform().movebar.visible());
                            EXPECT_EQ(app.regform().caption(), "newpos");
                        }},
        OptionsMenuCase{"MiddleBar", 5,
                        [](App& app, const sim::SimDesktop&) {
                            EXPECT_EQ(app.lifeform().height(), 32);
                            EXPECT_EQ(app.regform().caption(), "newpos");
                        }},
        OptionsMenuCase{"NoKeyPad", 7,
                        [](App& app, const sim::SimDesktop&) { EXPECT_EQ(app.kxm().left(), 20); }},
        OptionsMenuCase{"KeyboardCentreMark", 8,
                        [](App& app, const sim::SimDesktop&) { EXPECT_FALSE(app.FormMain().N2.checked()); }}),
    [](const ::testing::TestParamInfo<OptionsMenuCase>& info) { return std::string(info.param.name); });

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
