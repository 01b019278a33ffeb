// The wheel dispatch: what one notch does in each wheel mode, on the simulated
// desktop. The mode is selected by moving the mouse, the notch comes through
// the input hook and the main loop hands it over.
#include "wheel_sim.h"

#include "board/ombrel.h"
#include "board/vykform3.h"
#include "board/taskform.h"
#include "platform/keys.h"

namespace tv::test {
namespace {

constexpr const char* kIeServer = "Internet Explorer_Server";

class WheelDispatch : public WheelApp {
protected:
    void SetUp() override
    {
        start_program();
        rest_at(kHome);
    }

    // One notch; the next main-loop tick dispatches it.
    void notch(bool up)
    {
        desk.clear_input_log();
        desk.user_wheel(up ? 120 : -120);
        desk.advance(50);
    }
};

enum class Front { Editor, Browser };

struct NotchCase {
    const char* name;
    int dx, dy; // the movement that selects the mode
    Front front;
    bool over_web_page;
    bool up;
    std::vector<std::string> keys;
    const char* command; // caption of regform afterwards
    const char* status;
    const char* scroll;  // the browser form's scroll command clicked, if any
};

void PrintTo(const NotchCase& c, std::ostream* os) { *os << c.name; }

class WheelModes : public WheelDispatch, public ::testing::WithParamInterface<NotchCase> {};

TEST_P(WheelModes, NotchActsByTheMode)
{
    const NotchCase& c = GetParam();
    if (c.over_web_page)
        desk.add_window(kIeServer, "", Rect::from_size(300, 300, 400, 250));
    if (c.front == Front::Browser)
        desk.set_foreground(desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100)));
    std::string scrolled;
    app->ombrel().scrollup.on_click = [&] { scrolled = "scrollup"; };
    app->ombrel().scrolldown.on_click = [&] { scrolled = "scrolldown"; };
    select_by(c.dx, c.dy);
    const std::string command_before = caption("Tregform");

    notch(c.up);

    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(caption("Tregform"), *c.command ? c.command : command_before);
    EXPECT_EQ(app->lifeform().status.text(), c.status);
    EXPECT_EQ(scrolled, c.scroll);
    EXPECT_EQ(caption("TvykForm3"), "") << "the notch is consumed";
    EXPECT_EQ(app->lifeform().Panel38.text(), c.up ? "///..wwww" : ".....wwww");
}

const std::vector<std::string> kNoKeys;
std::vector<std::string> press(int vk)
{
    return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"};
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, WheelModes,
    ::testing::Values(
        NotchCase{"TaskUpLeftArrow", -30, 0, Front::Editor, false, true, press(0x25), "", "///..hh", ""},
        NotchCase{"TaskDownRightArrow", -30, 0, Front::Editor, false, false, press(0x27), "", ".....hh", ""},
        NotchCase{"TaskUpSiblingPrev", -30, 0, Front::Browser, false, true, kNoKeys, "vykprev", "///..hh", ""},
        NotchCase{"TaskDownSiblingNext", -30, 0, Front::Browser, false, false, kNoKeys, "vyknext", ".....hh", ""},
        NotchCase{"QuickUpPageUp", 0, 30, Front::Editor, false, true, press(0x21), "page", "///..kk", ""},
        NotchCase{"QuickDownPageDown", 0, 30, Front::Editor, false, false, press(0x22), "page", ".....kk", ""},
        NotchCase{"QuickInBrowserPages", 0, 30, Front::Browser, false, true, press(0x21), "page", "///..kk", ""},
        NotchCase{"AutoUpArrowUp", 0, -30, Front::Editor, false, true, press(0x26), "auto", "///..vv", ""},
        NotchCase{"AutoDownArrowDown", 0, -30, Front::Editor, false, false, press(0x28), "auto", ".....vv", ""},
        NotchCase{"AutoUpOverWebPage", 0, -30, Front::Editor, true, true, kNoKeys, "auto", "///..vv", "scrollup"},
        NotchCase{"AutoDownOverWebPage", 0, -30, Front::Editor, true, false, kNoKeys, "auto", ".....vv", "scrolldown"},
        NotchCase{"NormalUpNothing", 30, 0, Front::Editor, false, true, kNoKeys, "", "", ""},
        NotchCase{"NormalDownInBrowserNothing", 30, 0, Front::Browser, false, false, kNoKeys, "", "", ""}),
    [](const ::testing::TestParamInfo<NotchCase>& info) { return std::string(info.param.name); });

TEST_F(WheelDispatch, TaskWheelGivesTheKeyToTheShownNavigationPanel)
{
    TvykForm3& navigation = app->vykForm3();
    navigation.show();
    navigation.set_topmost(Topmost::Yes);
    navigation.set_bounds(300, 250, 400, 400);
    desk.set_foreground(desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 600, 300, 100)));
    select_by(-30, 0);
    notch(true);
    EXPECT_EQ(keys_sent(), press(0x25)) << "with the navigation panel shown the sibling is not paged";
    ASSERT_FALSE(desk.input_log().empty());
    EXPECT_EQ(desk.input_log().back().foreground, navigation.hwnd());
    EXPECT_NE(caption("Tregform"), "vykprev");
}

TEST_F(WheelDispatch, NotchAfterARightButtonActionDoesNothing)
{
    for (const char* left_by_right_button : {"ok滚轮", "ok自动滚轮"}) {
        SCOPED_TRACE(left_by_right_button);
        select_by(0, 30);
        app->lifeform().Label1.set_text(left_by_right_button); // as the right-button dispatch leaves it
        app->lifeform().status.set_text("earlier");
        const std::string command = caption("Tregform");
        notch(true);
        EXPECT_EQ(keys_sent(), kNoKeys);
        EXPECT_EQ(caption("Tregform"), command);
        EXPECT_EQ(app->lifeform().status.text(), "earlier");
        EXPECT_EQ(caption("TvykForm3"), "");
        EXPECT_EQ(app->lifeform().Label1.text(), left_by_right_button) << "until the mouse moves again";
    }
    move_by(0, 30);
    notch(false);
    EXPECT_EQ(keys_sent(), press(0x22)) << "a movement selects the mode again";
}

// ---- ending an application's middle-button scrolling ----

// What the user (or the program) did before the notch.
enum class Before {
    Nothing,
    MiddleClick,
    MiddleHeld,
    MiddleThenLeft,
    MiddleThenRight,
    MiddleThenNotch,
    OwnAutoScroll,
    OwnAutoScrollThenNotch
};

enum class Under { Editor, WebPage, WordPageInFront, WordPageBehind, TaskForm, NavigationPanel };

class MiddleClicksBase : public WheelDispatch {
protected:
    void release_middle()
    {
        if (desk.key_down(vk::kMButton))
            desk.user_button(MouseButton::Middle, ButtonAction::Up);
    }

    void click(MouseButton b)
    {
        desk.user_button(b, ButtonAction::Down);
        desk.user_button(b, ButtonAction::Up);
    }

    // Everything `before` asks for, then the notch the test observes.
    void notch_after(Before before, bool up)
    {
        switch (before) {
        case Before::Nothing: break;
        case Before::MiddleClick: click(MouseButton::Middle); break;
        case Before::MiddleHeld: desk.user_button(MouseButton::Middle, ButtonAction::Down); break;
        case Before::MiddleThenLeft:
            click(MouseButton::Middle);
            click(MouseButton::Left);
            break;
        case Before::MiddleThenRight:
            click(MouseButton::Middle);
            click(MouseButton::Right);
            break;
        case Before::MiddleThenNotch:
            click(MouseButton::Middle);
            notch(up);
            break;
        case Before::OwnAutoScroll: app->ombrel().auto_scroll = AutoScroll::Down; break;
        case Before::OwnAutoScrollThenNotch:
            app->ombrel().auto_scroll = AutoScroll::Down;
            notch(up);
            EXPECT_EQ(app->ombrel().auto_scroll, AutoScroll::Idle) << "the notch's clicks ended the program's scroll";
            break;
        }
        notch(up);
        release_middle();
    }

    void place(Under under)
    {
        const Rect at_pointer = Rect::from_size(300, 300, 400, 250);
        switch (under) {
        case Under::Editor: break;
        case Under::WebPage: desk.add_window(kIeServer, "", at_pointer); break;
        case Under::WordPageInFront: {
            const Hwnd word = desk.add_window("OpusApp", "文档1 - Microsoft Word", Rect::from_size(50, 150, 900, 600));
            desk.add_window("_WwG", "", Rect::from_size(100, 100, 700, 400), Visibility::Shown, Topmost::No, word);
            desk.set_foreground(word);
            break;
        }
        case Under::WordPageBehind: desk.add_window("_WwG", "", at_pointer); break;
        case Under::TaskForm:
            app->taskform().show();
            app->taskform().set_topmost(Topmost::Yes);
            app->taskform().set_bounds(300, 300, 400, 250);
            break;
        case Under::NavigationPanel:
            app->vykForm3().show();
            app->vykForm3().set_topmost(Topmost::Yes);
            app->vykForm3().set_bounds(300, 300, 400, 250);
            break;
        }
    }
};

const std::vector<std::string> kTwoMiddleClicks{"mouse middledown", "mouse middleup", "mouse middledown",
                                                "mouse middleup"};
const std::vector<std::string> kNoClicks;

// Over an ordinary window, in every wheel mode: the two middle clicks only
// while a middle-button scroll can run. A middle click pastes in an editor,
// opens a link or closes a browser tab.
struct WhenCase {
    const char* name;
    Before before;
    bool clicks;
};

void PrintTo(const WhenCase& c, std::ostream* os) { *os << c.name; }

class WheelMiddleClicksWhen : public MiddleClicksBase, public ::testing::WithParamInterface<WhenCase> {};

TEST_P(WheelMiddleClicksWhen, OnlyWhileAMiddleButtonScrollCanRun)
{
    const WhenCase& c = GetParam();
    struct ModeMove {
        const char* mode;
        int dx, dy;
    };
    for (const ModeMove m : {ModeMove{"normal", 30, 0}, ModeMove{"task", -30, 0}, ModeMove{"auto", 0, -30},
                             ModeMove{"quick", 0, 30}}) {
        SCOPED_TRACE(m.mode);
        app->ombrel().auto_scroll = AutoScroll::Idle;
        select_by(m.dx, m.dy);
        notch_after(c.before, false);
        EXPECT_EQ(mouse_sent(), c.clicks ? kTwoMiddleClicks : kNoClicks);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, WheelMiddleClicksWhen,
    ::testing::Values(WhenCase{"NoMiddlePressNoClicks", Before::Nothing, false},
                      WhenCase{"MiddleClickThenNotchClicks", Before::MiddleClick, true},
                      WhenCase{"MiddleHeldNotchClicks", Before::MiddleHeld, true},
                      WhenCase{"LeftPressBetweenNoClicks", Before::MiddleThenLeft, false},
                      WhenCase{"RightPressBetweenNoClicks", Before::MiddleThenRight, false},
                      WhenCase{"SecondNotchNoClicks", Before::MiddleThenNotch, false},
                      WhenCase{"OwnAutoScrollClicks", Before::OwnAutoScroll, true},
                      WhenCase{"NotchAfterOwnScrollEndedNoClicks", Before::OwnAutoScrollThenNotch, false}),
    [](const ::testing::TestParamInfo<WhenCase>& info) { return std::string(info.param.name); });

// Where the pointer is, in the normal wheel, with and without a middle press
// before the notch.
struct WhereCase {
    const char* name;
    Under under;
    Before before;
    std::vector<std::string> mouse;
    std::vector<std::string> keys;
};

void PrintTo(const WhereCase& c, std::ostream* os) { *os << c.name; }

class WheelMiddleClicksWhere : public MiddleClicksBase, public ::testing::WithParamInterface<WhereCase> {};

TEST_P(WheelMiddleClicksWhere, NotchEndsMiddleButtonScrollingWhereItMayRun)
{
    const WhereCase& c = GetParam();
    place(c.under);
    select_by(30, 0); // the normal wheel: only the cancel rules act
    notch_after(c.before, true);
    EXPECT_EQ(mouse_sent(), c.mouse);
    EXPECT_EQ(keys_sent(), c.keys);
}

const std::vector<std::string> kClickAndEsc{"mouse middledown", "mouse middleup"};
const std::vector<std::string> kEsc{"key 27 down", "key 27 up"};

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, WheelMiddleClicksWhere,
    ::testing::Values(WhereCase{"OtherClassAfterMiddleTwoClicks", Under::Editor, Before::MiddleClick, kTwoMiddleClicks, {}},
                      WhereCase{"OtherClassNone", Under::Editor, Before::Nothing, {}, {}},
                      WhereCase{"WebPageNone", Under::WebPage, Before::MiddleClick, {}, {}},
                      WhereCase{"WebPageDuringOwnScrollNone", Under::WebPage, Before::OwnAutoScroll, {}, {}},
                      WhereCase{"WordPageInFrontNone", Under::WordPageInFront, Before::MiddleClick, {}, {}},
                      WhereCase{"WordPageBehindClickAndEsc", Under::WordPageBehind, Before::Nothing, kClickAndEsc, kEsc},
                      WhereCase{"WordPageBehindAfterMiddleClickAndEsc", Under::WordPageBehind, Before::MiddleClick,
                                kClickAndEsc, kEsc},
                      WhereCase{"TaskFormNone", Under::TaskForm, Before::MiddleClick, {}, {}},
                      WhereCase{"NavigationPanelNone", Under::NavigationPanel, Before::MiddleClick, {}, {}}),
    [](const ::testing::TestParamInfo<WhereCase>& info) { return std::string(info.param.name); });

TEST_F(WheelDispatch, SpoiledNotchIsNotDispatched)
{
    select_by(0, 30);
    desk.clear_input_log();
    set_caption("TvykForm3", "xxystop wheel");
    desk.advance(50);
    EXPECT_TRUE(desk.input_log().empty());
    EXPECT_EQ(caption("TvykForm3"), "xxystop wheel");
}

} // namespace
} // namespace tv::test
