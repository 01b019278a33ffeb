// The 3D mouse pad: pointing at its parts chooses a function and writes the
// hints, a left press acts on the target window above and to the left of the
// pad, a right release performs the second action on the pad's next tick, the
// pad's own automatic scrolling, keeping itself on top, and closing.
#include "wheel_sim.h"

#include "board/hint_template.h"
#include "board/m3d.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/vykform3.h"
#include "mouse/mouse_pad.h"
#include "platform/keys.h"

namespace tv::test {
namespace {

constexpr Point kPadAt{400, 400};
constexpr Point kTargetPoint{398, 398}; // the pad's top-left corner - (2, 2)
constexpr int kPadTick = 100;

// Points on the pad's parts, relative to its top-left corner.
constexpr Point kUpperVerticalSlot{29, 15}, kLowerVerticalSlot{29, 40};
constexpr Point kCloseMark{29, 30};
constexpr Point kLeftArm{15, 29}, kRightArm{40, 29};
constexpr Point kUpperBackground{15, 15}, kLowerBackground{15, 40};
constexpr Point kAutoBar{53, 30};
constexpr Point kTopStrip{30, 5}, kBottomStrip{30, 55};

class MousePadApp : public WheelApp {
protected:
    void SetUp() override
    {
        start_program();
        rest_at({200, 300});
    }

    // Opened as the quick wheel's right button opens it: shown topmost,
    // 64 x 64 at the point, its timer on and the mode engine's off; one tick.
    void open_pad(Point at = kPadAt)
    {
        Tm3d& pad = app->m3d();
        pad.show();
        pad.set_bounds(at.x, at.y, Tm3d::kSize, Tm3d::kSize);
        pad.set_topmost(Topmost::Yes);
        pad.Timer1.set_enabled(true);
        app->ombrel().Timer1.set_enabled(false);
        desk.advance(kPadTick);
    }

    void point_at(Point on_pad) { desk.user_move({kPadAt.x + on_pad.x, kPadAt.y + on_pad.y}); }

    void left_click_at(Point on_pad)
    {
        point_at(on_pad);
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
    }

    // The hook's "rightup", then the pad's next tick.
    void right_release_at(Point on_pad)
    {
        point_at(on_pad);
        set_caption("TvykForm3", "rightup");
        desk.advance(kPadTick);
    }

    // A word-processor page `height` pixels high under the target point, in front.
    Hwnd word_page(int height)
    {
        const Hwnd page = desk.add_window("_WwG", "", Rect::from_size(100, kTargetPoint.y + 10 - height, 600, height));
        desk.set_foreground(page);
        return page;
    }

    std::vector<std::string> mouse_moves_by() const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log())
            if (r.kind == sim::InputRecord::Kind::Mouse && r.mouse == MouseInput::Move)
                out.push_back(std::to_string(r.by.x) + "," + std::to_string(r.by.y));
        return out;
    }

    Tm3d& pad() { return app->m3d(); }
    Tlifeform& bar() { return app->lifeform(); }
    bool pad_open() { return pad().visible() && pad().left() >= 0; }
};

using Keys = std::vector<std::string>;
const Keys kNoKeys{};
Keys key_press(int vk) { return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"}; }

// ---- pointing -------------------------------------------------------------------

struct PointCase {
    const char* name;
    Point at;
    bool browser_in_front;
    bool quick_right; // FormMain.N2qq
    const char* left;  // "before": unchanged
    const char* right; // "before": unchanged
    const char* line;  // line 13 of the hint template; "before": unchanged
};

void PrintTo(const PointCase& c, std::ostream* os) { *os << c.name; }

class PadPointing : public MousePadApp, public ::testing::WithParamInterface<PointCase> {};

TEST_P(PadPointing, ThePartUnderThePointerWritesItsHints)
{
    const PointCase& c = GetParam();
    app->FormMain().N2qq.set_checked(c.quick_right);
    if (c.browser_in_front)
        desk.set_foreground(desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100)));
    open_pad();
    bar().leftmess.set_text("before");
    bar().rightmess.set_text("before");
    bar().ListBox5.set_item(hint::kButtonLine, "before");

    point_at(c.at);

    EXPECT_EQ(bar().leftmess.text(), c.left);
    EXPECT_EQ(bar().rightmess.text(), c.right);
    EXPECT_EQ(bar().ListBox5.item(hint::kButtonLine), c.line);
    if (std::string(c.line) != "before") {
        EXPECT_NE(bar().CppWebBrowser2.document().find(c.line), std::string::npos) << "the hint bar was rebuilt";
    }
    EXPECT_TRUE(pad_open());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPart, PadPointing,
    ::testing::Values(
        PointCase{"UpQuick", kUpperVerticalSlot, false, true, "左键＝↑", "右键＝回车", "右键＝回车 左键＝↑"},
        PointCase{"UpCtrl", kUpperVerticalSlot, false, false, "左键＝↑", "右键＝回车", "Ctrl＝回车 左键＝↑"},
        PointCase{"DownKeepsTheRightHint", kLowerVerticalSlot, false, true, "左键＝↓", "before", "右键＝回车 左键＝↓"},
        PointCase{"DownCtrl", kLowerVerticalSlot, false, false, "左键＝↓", "before", "Ctrl＝回车 左键＝↓"},
        PointCase{"PageUpLastRow", {5, 29}, false, true, "左键＝向上翻页", "右键＝回车", "右键＝回车 左键＝向上翻页"},
        PointCase{"PageDownFirstRow", {5, 30}, false, false, "左键＝向下翻页", "右键＝回车", "Ctrl＝回车 左键＝向下翻页"},
        PointCase{"LeftArm", kLeftArm, false, true, "左键＝前一网页", "右键＝回车", "右键＝回车 左键＝←"},
        PointCase{"LeftArmCtrl", kLeftArm, false, false, "左键＝前一网页", "Ctrl＝回车", "Ctrl＝回车 左键＝←"},
        PointCase{"LeftArmBrowser", kLeftArm, true, true, "左键＝前一网页", "右键＝回车", "右键＝回车 左键＝前一网页"},
        PointCase{"RightArm", kRightArm, false, true, "左键＝后一网页", "右键＝回车", "右键＝回车 左键＝→"},
        PointCase{"RightArmBrowserCtrl", kRightArm, true, false, "左键＝后一网页", "Ctrl＝回车",
                  "Ctrl＝回车 左键＝后一网页"},
        PointCase{"BackgroundUpper", kUpperBackground, false, true, "左键＝模拟滚轮向下", "右键＝回车",
                  "右键＝回车 左键＝模拟滚轮向下"},
        PointCase{"BackgroundHalfIsUpper", {60, 30}, false, false, "左键＝模拟滚轮向下", "Ctrl＝回车",
                  "Ctrl＝回车 左键＝模拟滚轮向下"},
        PointCase{"BackgroundLower", {60, 31}, false, true, "左键＝模拟滚轮向上", "右键＝回车",
                  "右键＝回车 左键＝模拟滚轮向上"},
        PointCase{"AutoBar", kAutoBar, false, true, "左键＝自动向下滚动", "右键＝自动向上滚动",
                  "右键＝自动上滚 左键＝自动下滚"},
        PointCase{"AutoBarCtrl", kAutoBar, false, false, "左键＝自动向下滚动", "Ctrl＝自动向上滚动",
                  "右键＝自动上滚 左键＝自动下滚"},
        PointCase{"CloseMarkChoosesNothing", kCloseMark, false, true, "before", "before", "before"}));

TEST_F(MousePadApp, TheButtonLineIsRebuiltOnlyWhenItChanges)
{
    open_pad();
    int rebuilds = 0;
    bar().settopmess.on_click = [&rebuilds] { ++rebuilds; };
    point_at(kUpperVerticalSlot);
    point_at({kUpperVerticalSlot.x, kUpperVerticalSlot.y + 1});
    point_at(kUpperVerticalSlot);
    EXPECT_EQ(rebuilds, 1);
    point_at(kLowerVerticalSlot);
    EXPECT_EQ(rebuilds, 2);
}

TEST_F(MousePadApp, PointingAtAStripClosesThePad)
{
    for (Point strip : {kTopStrip, kBottomStrip}) {
        open_pad();
        point_at(kUpperVerticalSlot);
        point_at(strip);
        EXPECT_EQ(bar().leftmess.text(), "左键＝");
        EXPECT_FALSE(pad_open());
    }
}

// ---- left presses ----------------------------------------------------------------

struct PressCase {
    const char* name;
    Point at;
    Keys keys;
};

void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

class PadPress : public MousePadApp, public ::testing::WithParamInterface<PressCase> {};

TEST_P(PadPress, ALeftPressSendsTheTargetItsKey)
{
    const PressCase& c = GetParam();
    open_pad();
    const Hwnd other = desk.add_window("Other", "", Rect::from_size(700, 100, 200, 100));
    desk.set_foreground(other);
    desk.clear_input_log();
    left_click_at(c.at);
    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(desk.foreground_window(), editor) << "the target comes to the front first";
    EXPECT_TRUE(desk.posted_wheels().empty());
}

INSTANTIATE_TEST_SUITE_P(
    SlotsAndPageBar, PadPress,
    ::testing::Values(PressCase{"VerticalSlotUpper", kUpperVerticalSlot, key_press(vk::kUp)},
                      PressCase{"VerticalSlotLower", kLowerVerticalSlot, key_press(vk::kDown)},
                      PressCase{"PageBarRow17", {5, 28}, key_press(vk::kPageUp)},
                      PressCase{"PageBarRow18", {5, 29}, key_press(vk::kPageDown)},
                      PressCase{"LeftArm", kLeftArm, key_press(vk::kLeft)},
                      PressCase{"RightArm", kRightArm, key_press(vk::kRight)}));

TEST_F(MousePadApp, WithTheSiblingBrowserInFrontTheArmsTurnItsPages)
{
    const Hwnd browser = desk.add_window("Tvykombrel", "ombrel", Rect::from_size(100, 100, 600, 500));
    desk.set_foreground(browser);
    open_pad();
    desk.clear_input_log();
    left_click_at(kRightArm);
    EXPECT_EQ(caption("Tregform"), "vyknext");
    left_click_at(kLeftArm);
    EXPECT_EQ(caption("Tregform"), "vykprev");
    EXPECT_EQ(keys_sent(), kNoKeys);
}

struct WheelCase {
    const char* name;
    Point at;
    int delta;
};

void PrintTo(const WheelCase& c, std::ostream* os) { *os << c.name; }

class PadWheel : public MousePadApp, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(PadWheel, TheBackgroundPostsANotchToTheTargetAtTheTargetPoint)
{
    const WheelCase& c = GetParam();
    open_pad();
    desk.clear_input_log();
    left_click_at(c.at);
    ASSERT_EQ(desk.posted_wheels().size(), 1u);
    const sim::PostedWheel& notch = desk.posted_wheels().front();
    EXPECT_EQ(notch.to, editor) << "the notch goes to the target, not to the pad under the pointer";
    EXPECT_EQ(notch.delta, c.delta);
    EXPECT_EQ(notch.at, kTargetPoint) << "lParam carries the target point's screen coordinates";
    EXPECT_EQ(keys_sent(), kNoKeys);
}

INSTANTIATE_TEST_SUITE_P(BothHalves, PadWheel,
                         ::testing::Values(WheelCase{"Upper", kUpperBackground, 120},
                                           WheelCase{"Middle", {60, 30}, 120},
                                           WheelCase{"Lower", {60, 31}, -120},
                                           WheelCase{"LowerLeft", kLowerBackground, -120}));

TEST_F(MousePadApp, APressBeforeTheFirstTickTakesTheTargetThen)
{
    Tm3d& p = pad();
    p.show();
    p.set_bounds(kPadAt.x, kPadAt.y, Tm3d::kSize, Tm3d::kSize);
    p.set_topmost(Topmost::Yes);
    desk.clear_input_log();
    left_click_at(kLowerVerticalSlot);
    EXPECT_EQ(keys_sent(), key_press(vk::kDown));
    EXPECT_EQ(desk.foreground_window(), editor);
}

// ---- right releases --------------------------------------------------------------

struct ReleaseCase {
    const char* name;
    Point at;
    Keys keys;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) { *os << c.name; }

class PadRelease : public MousePadApp, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(PadRelease, TheNextTickPerformsTheChosenFunctionsSecondAction)
{
    const ReleaseCase& c = GetParam();
    open_pad();
    desk.set_foreground(desk.add_window("Other", "", Rect::from_size(700, 100, 200, 100)));
    desk.clear_input_log();
    right_release_at(c.at);
    EXPECT_EQ(caption("TvykForm3"), "m3d okup");
    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(mouse_sent(), std::vector<std::string>{});
    EXPECT_EQ(desk.foreground_window(), editor);
    EXPECT_TRUE(desk.posted_wheels().empty());
    desk.clear_input_log();
    desk.advance(kPadTick);
    EXPECT_EQ(keys_sent(), kNoKeys) << "one release, one action";
}

INSTANTIATE_TEST_SUITE_P(
    EveryFunction, PadRelease,
    ::testing::Values(ReleaseCase{"Up", kUpperVerticalSlot, key_press(vk::kEnter)},
                      ReleaseCase{"Down", kLowerVerticalSlot, key_press(vk::kEnter)},
                      ReleaseCase{"Left", kLeftArm, key_press(vk::kEnter)},
                      ReleaseCase{"Right", kRightArm, key_press(vk::kEnter)},
                      ReleaseCase{"PageUp", {5, 15}, key_press(vk::kPageUp)},
                      ReleaseCase{"PageDownAlsoPagesUp", {5, 45}, key_press(vk::kPageUp)},
                      ReleaseCase{"Wheel", kUpperBackground, kNoKeys}));

TEST_F(MousePadApp, ARightReleaseOverTheAutoBarScrollsUp)
{
    app->regform().dy.set_text("7");
    open_pad();
    desk.clear_input_log();
    right_release_at(kAutoBar);
    EXPECT_EQ(mouse_sent(), (std::vector<std::string>{"mouse middledown", "mouse middleup", "mouse move by 0,-7"}));
    EXPECT_EQ(keys_sent(), kNoKeys);
}

TEST_F(MousePadApp, ALeftReleaseOfTheAutoBarAfterARightReleaseStartsNothing)
{
    open_pad();
    point_at(kAutoBar);
    desk.clear_input_log();
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    set_caption("TvykForm3", "rightup");
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_EQ(mouse_sent(), std::vector<std::string>{});
}

// ---- the pad's automatic scrolling --------------------------------------------------

struct SpeedCase {
    const char* name;
    const char* setting; // regform.dy
    bool word_page;
    int height;
    bool upwards; // a right release; else a left click on the auto bar
    int speed;
};

void PrintTo(const SpeedCase& c, std::ostream* os) { *os << c.name; }

class PadScrollSpeed : public MousePadApp, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(PadScrollSpeed, TheSpeedSettingAndTheWordPageFactors)
{
    const SpeedCase& c = GetParam();
    app->regform().dy.set_text(c.setting);
    if (c.word_page)
        word_page(c.height);
    open_pad();
    desk.clear_input_log();
    if (c.upwards)
        right_release_at(kAutoBar);
    else
        left_click_at(kAutoBar);
    EXPECT_EQ(mouse_moves_by(), std::vector<std::string>{"0," + std::to_string(c.speed)});
    const std::vector<std::string> middle =
        c.word_page ? std::vector<std::string>{"mouse middledown"}
                    : std::vector<std::string>{"mouse middledown", "mouse middleup"};
    const std::vector<std::string> sent = mouse_sent();
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.end() - 1), middle)
        << "the middle button stays down only in a word-processor page";
}

INSTANTIATE_TEST_SUITE_P(
    Speeds, PadScrollSpeed,
    ::testing::Values(SpeedCase{"OtherDown", "10", false, 0, false, 10}, SpeedCase{"OtherUp", "10", false, 0, true, -10},
                      SpeedCase{"WordDown399", "10", true, 399, false, 8},
                      SpeedCase{"WordDown400", "10", true, 400, false, 11},
                      SpeedCase{"WordDown599", "10", true, 599, false, 11},
                      SpeedCase{"WordDown600", "10", true, 600, false, 15},
                      SpeedCase{"WordUp300", "10", true, 300, true, -6},
                      SpeedCase{"WordUp500", "10", true, 500, true, -8},
                      SpeedCase{"WordUp700", "10", true, 700, true, -10},
                      SpeedCase{"WordDownSetting3", "3", true, 450, false, 33},
                      SpeedCase{"WordUpSetting4", "4", true, 100, true, -24},
                      SpeedCase{"NotANumber", "fast", false, 0, false, 0}));

TEST(PadScrollSpeedOfAHeight, ANegativeHeightGivesHeightTimesTenBy600)
{
    struct Case {
        int setting;
        bool upwards;
        int height;
        int speed;
    };
    for (const Case& c : {Case{10, false, -600, -10}, Case{5, false, -1200, -100}, Case{5, true, -599, 45},
                          Case{-10, true, 1000, 10}})
        EXPECT_EQ(pad_scroll_speed(c.setting, c.upwards, true, c.height), c.speed)
            << c.setting << " " << c.upwards << " " << c.height;
}

TEST_F(MousePadApp, ALeftClickStopsThePadsScrollAtItsExactAnchor)
{
    app->regform().dy.set_text("10");
    word_page(500);
    open_pad();
    left_click_at(kAutoBar);
    const Point anchor{kPadAt.x + kAutoBar.x, kPadAt.y + kAutoBar.y};
    ASSERT_NE(desk.cursor_pos(), anchor) << "the scroll moved the pointer beside the pad";
    ASSERT_TRUE(desk.key_down(vk::kMButton));
    desk.advance(kPadTick);
    EXPECT_TRUE(desk.key_down(vk::kMButton)) << "still scrolling";

    desk.clear_input_log();
    desk.user_move({150, 350});
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(kPadTick);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_EQ(desk.cursor_pos(), anchor);
    EXPECT_FALSE(desk.key_down(vk::kMButton));
    desk.advance(kPadTick);
    EXPECT_EQ(pad().Panel7.text(), "///1") << "the tick count starts again";

    desk.clear_input_log();
    desk.user_move({150, 350});
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(kPadTick);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_EQ(mouse_sent(), std::vector<std::string>{}) << "a second click elsewhere finds no scroll";
}

TEST_F(MousePadApp, AMoveOverThePadReleasesAHeldMiddleButtonOutsideAWordPage)
{
    struct Case {
        bool word_page;
        std::vector<std::string> sent;
    };
    for (const Case& c : {Case{false, {"mouse middleup"}}, Case{true, {}}}) {
        SCOPED_TRACE(c.word_page);
        if (c.word_page)
            word_page(500);
        open_pad();
        desk.user_button(MouseButton::Middle, ButtonAction::Down);
        desk.clear_input_log();
        point_at(kUpperVerticalSlot);
        EXPECT_EQ(mouse_sent(), c.sent);
        desk.user_button(MouseButton::Middle, ButtonAction::Up);
    }
}

// ---- the tick: diagnostics, on top, closing ------------------------------------------

TEST_F(MousePadApp, TheTickShowsTheEventCellTheCountAndTheClasses)
{
    set_caption("TvykForm3", "down/left//1,2");
    open_pad();
    desk.advance(kPadTick);
    EXPECT_EQ(pad().Label3.text(), "down/left//1,2");
    EXPECT_EQ(pad().Panel7.text(), "///2");
    EXPECT_EQ(pad().Panel14.text(), "Notepad");
    EXPECT_EQ(pad().Panel15.text(), "") << "the root target is taken only while the left button is held";
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(kPadTick);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_EQ(pad().Panel15.text(), "Notepad");
    EXPECT_EQ(pad().Panel6.text(), "Notepad");
}

TEST_F(MousePadApp, ACoveringTopmostWindowMakesThePadReassertItself)
{
    open_pad();
    EXPECT_EQ(pad().Button2.text(), "ok..//");
    const Hwnd cover = desk.add_window("Cover", "", Rect::from_size(380, 380, 200, 200), Visibility::Shown, Topmost::Yes);
    ASSERT_EQ(desk.top_window(), cover);
    ASSERT_EQ(desk.window_from_point({kPadAt.x + 10, kPadAt.y + 10}), cover);
    desk.advance(kPadTick);
    EXPECT_EQ(pad().Button2.text(), "err..reset");
    EXPECT_EQ(desk.top_window(), pad().hwnd());
    EXPECT_EQ(pad().bounds(), Rect::from_size(kPadAt.x, kPadAt.y, Tm3d::kSize, Tm3d::kSize));
    EXPECT_TRUE(pad().visible());
    desk.advance(kPadTick);
    EXPECT_EQ(pad().Button2.text(), "ok..//");
}

TEST_F(MousePadApp, ClosingParksThePadAndRestartsTheThreeTimers)
{
    struct Case {
        const char* name;
        Point at;
        bool click;
    };
    for (const Case& c : {Case{"top strip", kTopStrip, false}, Case{"bottom strip", kBottomStrip, false},
                          Case{"close mark", kCloseMark, true}}) {
        SCOPED_TRACE(c.name);
        open_pad();
        for (ui::Timer* t : {&app->pyoil().Timer1, &app->ombrel().Timer1, &bar().Timer1})
            t->set_enabled(false);
        if (c.click)
            left_click_at(c.at);
        else
            point_at(c.at);
        EXPECT_FALSE(pad().visible());
        EXPECT_EQ(pad().left(), -2000);
        EXPECT_FALSE(pad().Timer1.enabled());
        EXPECT_TRUE(app->pyoil().Timer1.enabled());
        EXPECT_TRUE(app->ombrel().Timer1.enabled());
        EXPECT_TRUE(bar().Timer1.enabled());
    }
}

// ---- a target that goes between ticks ------------------------------------------------

TEST_F(MousePadApp, AVanishedTargetGetsNothing)
{
    app->regform().dy.set_text("10");
    open_pad();
    ASSERT_EQ(pad().Panel14.text(), "Notepad");
    desk.destroy_window(editor);
    desk.clear_input_log();
    for (Point at : {kUpperVerticalSlot, kLowerVerticalSlot, kLeftArm, kRightArm, Point{5, 15}, kUpperBackground,
                     kLowerBackground, kAutoBar})
        left_click_at(at);
    right_release_at(kUpperVerticalSlot);
    EXPECT_EQ(keys_sent(), kNoKeys);
    EXPECT_EQ(mouse_sent(), std::vector<std::string>{});
    EXPECT_TRUE(desk.posted_wheels().empty());
    EXPECT_EQ(caption("TvykForm3"), "m3d okup") << "the release is taken all the same";
    EXPECT_TRUE(pad_open());
}

} // namespace
} // namespace tv::test
