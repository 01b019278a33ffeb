// The status form's small commands and pointer handlers on the simulated
// desktop: the filter that swallows right presses in the program's own
// windows, the drag count, restoring and capturing, the colour swatches, and
// the options menu behind ">>".
#include "status_form.h"

#include "board/regform.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/form_main.h"
#include "board/setform.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tv::test {
namespace {

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

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
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
                                                  "重启【Typamo】", "暂停 (Ctrl+Alt+P)", "排除列表...", "浏览器", "页面列表",
                                                  "设置..."}));
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

} // namespace
} // namespace tv::test
