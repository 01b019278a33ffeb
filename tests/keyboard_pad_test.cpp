// The keyboard mouse pad on the simulated desktop: Caps Lock released twice
// opens it; held keys move it and the pointer (wrapping at the screen's
// edges, the fine keys giving way to an open menu); typed keys act once each;
// Y starts a drag that Space ends; unticking "显示键盘控制中心" keeps it
// working invisibly; the rounded corners and the guard timer.
#include "keyboard_pad_sim.h"

#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/modeform.h"
#include "board/pyoil.h"
#include "board/taskform.h"
#include "board/vykform4.h"
#include "mouse/keyboard_pad.h"
#include "platform/keys.h"

#include <algorithm>

namespace tv::test {
namespace {

constexpr const char* kCommandFile = "C:\\Tarvesk\\function.txt";
const Rect kCentred = Rect::from_size((1024 - 284) / 2, (768 - 173) / 2, 284, 173);

class KeyboardPadApp : public KeyboardPadSim {
protected:
    void SetUp() override
    {
        desk.put_file(kCommandFile, "03\r\n关闭()\r\n");
        start_program();
        desk.clear_input_log();
    }

    void open_pad()
    {
        KeyboardPadSim::open_pad();
        ASSERT_TRUE(pad().visible());
    }

    // The pad's top-left corner at `p`, the pointer beside it.
    void pad_at(Point p)
    {
        pad().set_bounds(p.x, p.y, pad().width(), pad().height());
        desk.set_cursor_pos({p.x - 32, p.y - 32});
    }

    // `vk` held until the pad has moved once, then released.
    void hold_for_one_move(int vk)
    {
        const Rect before = pad().bounds();
        desk.user_key(vk, KeyAction::Down);
        for (int i = 0; i < 20 && pad().bounds() == before; ++i)
            desk.advance(1);
        desk.user_key(vk, KeyAction::Up);
    }

    Tkxm& pad() const { return app->kxm(); }
    Point pad_corner() const { return {pad().left(), pad().top()}; }
};

// ---- opening ----

struct OpeningCase {
    const char* name;
    int caps_lock_taps;
    bool num_lock_on;
    bool opens;
    const char* num_lock_panel; // kxm.Panel5 afterwards: the main loop shows Num Lock while Caps Lock is down
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class Opening : public KeyboardPadApp, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, CapsLockReleasedTwiceOpensThePadCentred)
{
    const OpeningCase& c = GetParam();
    if (c.num_lock_on)
        desk.user_key(vk::kNumLock, KeyAction::Down), desk.user_key(vk::kNumLock, KeyAction::Up);
    for (int i = 0; i < c.caps_lock_taps; ++i)
        tap(vk::kCapsLock);
    EXPECT_EQ(pad().visible(), c.opens);
    EXPECT_EQ(pad().Timer1.enabled(), c.opens);
    EXPECT_EQ(pad().Panel5.text(), c.num_lock_panel);
    EXPECT_EQ((desk.keyboard_state()[vk::kNumLock] & 1) != 0, c.num_lock_on && !c.opens);
    if (!c.opens)
        return;
    EXPECT_EQ(pad().bounds(), kCentred);
    EXPECT_EQ(pad().Panel4.text(), "key--cap");
    EXPECT_EQ(app->modeform().caption(), "key--cap");
}

INSTANTIATE_TEST_SUITE_P(CapsLock, Opening,
                         ::testing::Values(OpeningCase{"once", 1, false, false, "off"},
                                           OpeningCase{"twice", 2, false, true, "off"},
                                           OpeningCase{"twice with Num Lock on", 2, true, true, "on//off"}));

TEST_F(KeyboardPadApp, ThePadStaysOpenAfterTheGestureIsSpent)
{
    open_pad();
    pad().hide();
    desk.advance(500);
    EXPECT_FALSE(pad().visible()); // the gesture opened it once, not on every tick
}

TEST_F(KeyboardPadApp, CapsLockOrNHeldClosesThePad)
{
    for (int key : {vk::kCapsLock, static_cast<int>('N')}) {
        open_pad();
        desk.user_key(key, KeyAction::Down);
        desk.advance(20);
        EXPECT_FALSE(pad().visible()) << key;
        EXPECT_FALSE(pad().Timer1.enabled()) << key;
        desk.user_key(key, KeyAction::Up);
        desk.advance(100);
        app->kxm().ListBox1.set_items({"key--65"}); // a fresh history for the next opening
        app->pyoil().set_caption("key--65");
    }
}

// ---- held movement ----

struct MoveCase {
    const char* name;
    int vk;
    Point from;
    Point to; // the pad's corner after one move
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class HeldMove : public KeyboardPadApp, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(HeldMove, MovesThePadAndThePointerWrappingAtTheEdges)
{
    const MoveCase& c = GetParam();
    open_pad();
    pad_at(c.from);
    hold_for_one_move(c.vk);
    EXPECT_EQ(pad_corner(), c.to);
    EXPECT_EQ(desk.cursor_pos(), (Point{std::max(0, c.to.x - 32), std::max(0, c.to.y - 32)}));
    EXPECT_EQ(pad().height(), 173);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HeldMove,
    ::testing::Values(MoveCase{"J left", 'J', {500, 400}, {492, 400}}, MoveCase{"L right", 'L', {500, 400}, {508, 400}},
                      MoveCase{"I up", 'I', {500, 400}, {500, 392}}, MoveCase{"K down", 'K', {500, 400}, {500, 408}},
                      MoveCase{"J wraps at the left edge", 'J', {4, 400}, {1024, 400}},
                      MoveCase{"L wraps at the right edge", 'L', {1020, 400}, {0, 400}},
                      MoveCase{"I wraps at the top", 'I', {500, 4}, {500, 768}},
                      MoveCase{"K wraps at the bottom", 'K', {500, 765}, {500, 0}},
                      MoveCase{"Left arrow fine", vk::kLeft, {500, 400}, {498, 400}},
                      MoveCase{"S fine left", 'S', {500, 400}, {498, 400}},
                      MoveCase{"F fine right", 'F', {500, 400}, {502, 400}},
                      MoveCase{"E fine up", 'E', {500, 400}, {500, 398}},
                      MoveCase{"Down arrow fine", vk::kDown, {500, 400}, {500, 402}},
                      MoveCase{"S wraps at the left edge", 'S', {1, 400}, {1024, 400}}));

TEST_F(KeyboardPadApp, HeldKeyMovesEightPixelsEveryTick)
{
    open_pad();
    pad_at({500, 400});
    desk.user_key('J', KeyAction::Down);
    desk.advance(100);
    desk.user_key('J', KeyAction::Up);
    EXPECT_EQ(pad().left(), 500 - 8 * 10);
    EXPECT_EQ(app->kxm().ListBox1.item(0), "old--kkok");
}

struct MenuCase {
    const char* name;
    int vk;
    bool moves;
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }

class WithMenuOpen : public KeyboardPadApp, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(WithMenuOpen, FineKeysBelongToTheMenu)
{
    const MenuCase& c = GetParam();
    open_pad();
    pad_at({500, 400});
    desk.add_window("#32768", "", Rect::from_size(100, 600, 100, 100), Visibility::Shown, Topmost::Yes);
    desk.user_key(c.vk, KeyAction::Down);
    desk.advance(50);
    desk.user_key(c.vk, KeyAction::Up);
    EXPECT_EQ(pad_corner() != (Point{500, 400}), c.moves);
}

INSTANTIATE_TEST_SUITE_P(Keys, WithMenuOpen,
                         ::testing::Values(MenuCase{"Left arrow", vk::kLeft, false}, MenuCase{"S", 'S', false},
                                           MenuCase{"F", 'F', false}, MenuCase{"E", 'E', false},
                                           MenuCase{"Down arrow", vk::kDown, false}, MenuCase{"J", 'J', true},
                                           MenuCase{"L", 'L', true}, MenuCase{"I", 'I', true},
                                           MenuCase{"K", 'K', true}));

// ---- typed keys ----

struct TypedCase {
    const char* name;
    int vk;
    std::vector<std::string> sent; // synthetic input, keys and mouse, in order
    const char* mark; // written over the press in the history; "" for none
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class TypedKey : public KeyboardPadApp, public ::testing::WithParamInterface<TypedCase> {
protected:
    std::vector<std::string> all_sent() const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log()) {
            const std::string d = r.describe();
            if (r.kind == sim::InputRecord::Kind::Key || r.kind == sim::InputRecord::Kind::Mouse)
                out.push_back(d.substr(0, d.find(" at ")));
        }
        return out;
    }
};

// The press stays on top of the history for many ticks (it is held 150 ms,
// and the main loop reads the history too): it acts once.
TEST_P(TypedKey, ActsOnceAndMarksTheHistory)
{
    const TypedCase& c = GetParam();
    open_pad();
    pad_at({500, 400});
    desk.clear_input_log();
    tap(c.vk, 150);
    desk.advance(200);
    EXPECT_EQ(all_sent(), c.sent);
    const std::vector<std::string>& history = app->kxm().ListBox1.items();
    for (const char* mark : {"old--ok1", "old--71ok"})
        EXPECT_EQ(std::count(history.begin(), history.end(), mark), std::string_view(mark) == c.mark ? 1 : 0) << mark;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedKey,
    ::testing::Values(TypedCase{"A left arrow", 'A', {"key 37 down", "key 37 up"}, "old--ok1"},
                      TypedCase{"G right arrow", 'G', {"key 39 down", "key 39 up"}, "old--ok1"},
                      TypedCase{"W up arrow", 'W', {"key 38 down", "key 38 up"}, "old--ok1"},
                      TypedCase{"X down arrow", 'X', {"key 40 down", "key 40 up"}, "old--ok1"},
                      TypedCase{"semicolon Enter", vk::kSemicolon, {"key 13 down", "key 13 up"}, "old--ok1"},
                      TypedCase{"Space left click", vk::kSpace, {"mouse leftdown", "mouse leftup"}, "old--ok1"},
                      TypedCase{"M right click", 'M', {"mouse rightdown", "mouse rightup"}, "old--71ok"},
                      TypedCase{"Y left button held", 'Y', {"mouse leftup", "mouse leftdown"}, "old--ok1"},
                      TypedCase{"B nothing", 'B', {}, ""}));

// The main loop's word over a press it did not act on hides nothing: the press
// below acts, once.
TEST_F(KeyboardPadApp, APressUnderTheMainLoopsWordActsOnce)
{
    for (const char* word : {"old--move", "key--ttkeep"}) {
        open_pad();
        pad().Timer1.set_enabled(false);
        app->kxm().ListBox1.set_items({word, "key--77", "old--kkok"});
        app->pyoil().set_caption(word);
        desk.clear_input_log();
        pad().Timer1.set_enabled(true);
        desk.advance(100);
        EXPECT_EQ(mouse_sent(), (std::vector<std::string>{"mouse rightdown", "mouse rightup"})) << word;
        const std::vector<std::string>& history = app->kxm().ListBox1.items();
        EXPECT_EQ(std::count(history.begin(), history.end(), "key--77"), 0) << word; // marked where it lay
    }
}

TEST_F(KeyboardPadApp, TAndPCycleTheTasksOnce)
{
    int previous = 0, next = 0;
    app->taskform().prevtask.on_click = [&] { ++previous; };
    app->taskform().nexttask.on_click = [&] { ++next; };
    open_pad();
    tap('T', 150);
    tap('P', 150);
    tap('P', 150);
    EXPECT_EQ(previous, 1);
    EXPECT_EQ(next, 2);
    EXPECT_EQ(pad().height(), 0);
    EXPECT_EQ(app->kxm().ListBox1.item(0), "old--71ok");
}

TEST_F(KeyboardPadApp, OHidesThePadAndShowsItBesideThePointer)
{
    open_pad();
    tap('O');
    EXPECT_FALSE(pad().visible());
    desk.user_move({300, 300});
    tap('O');
    EXPECT_TRUE(pad().visible());
    EXPECT_EQ(pad_corner(), (Point{332, 332}));
}

struct CloseCase {
    const char* name;
    Point pointer;
    bool editor_closed;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class HCloses : public KeyboardPadApp, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(HCloses, TheWindowUnderThePointer)
{
    const CloseCase& c = GetParam();
    open_pad();
    pad_at({c.pointer.x + 32, c.pointer.y + 32});
    tap('H', 150);
    desk.advance(50);
    EXPECT_EQ(desk.window_exists(editor), !c.editor_closed);
    EXPECT_TRUE(desk.window_exists(app->lifeform().hwnd()));
    EXPECT_EQ(app->kxmm().Button1.text(), "关闭");
    EXPECT_FALSE(app->taskform().visible());
}

INSTANTIATE_TEST_SUITE_P(Pointer, HCloses,
                         ::testing::Values(CloseCase{"over the editor", {400, 400}, true},
                                           CloseCase{"over the status bar", {400, 60}, false}));

// Y holds the left button down; the movement keys carry the pointer with the
// button held; Space releases it where the pointer has got to.
TEST_F(KeyboardPadApp, YThenMovesThenSpaceDrags)
{
    open_pad();
    pad_at({500, 400});
    desk.clear_input_log();
    tap('Y');
    EXPECT_EQ(app->vykForm4().caption(), "down/...down/");
    desk.user_key('L', KeyAction::Down);
    desk.advance(50);
    desk.user_key('L', KeyAction::Up);
    tap(vk::kSpace);
    std::vector<std::string> mouse;
    Point pressed, released;
    for (const sim::InputRecord& r : desk.input_log()) {
        if (r.kind != sim::InputRecord::Kind::Mouse)
            continue;
        const std::string d = r.describe();
        mouse.push_back(d.substr(0, d.find(" at ")));
        if (mouse.size() == 2)
            pressed = r.at;
        if (mouse.size() == 4)
            released = r.at;
    }
    // (The status form then sees Space held after the drag and takes the selection.)
    ASSERT_GE(mouse.size(), 4u);
    mouse.resize(4);
    EXPECT_EQ(mouse, (std::vector<std::string>{"mouse leftup", "mouse leftdown", "mouse leftdown", "mouse leftup"}));
    EXPECT_EQ(pressed, (Point{468, 368}));
    EXPECT_GT(released.x, pressed.x + 8);
    EXPECT_EQ(released.y, pressed.y);
}

TEST_F(KeyboardPadApp, HeldSpaceParksThePadAndTheNextMoveBringsItBack)
{
    open_pad();
    pad_at({500, 400});
    desk.user_key(vk::kSpace, KeyAction::Down);
    desk.advance(30);
    EXPECT_EQ(pad().left(), -2000);
    EXPECT_EQ(pad().oldleft.left(), 500);
    desk.user_key(vk::kSpace, KeyAction::Up);
    hold_for_one_move('K');
    EXPECT_EQ(pad_corner(), (Point{500, 408}));
}

// Unticked, the pad keeps working with height 0.
TEST_F(KeyboardPadApp, UntickedPadWorksInvisibly)
{
    app->FormMain().N2.set_checked(false);
    open_pad();
    EXPECT_EQ(pad().height(), 0);
    pad_at({500, 400});
    hold_for_one_move('J');
    EXPECT_EQ(pad_corner(), (Point{492, 400}));
    EXPECT_EQ(pad().height(), 0);
    EXPECT_EQ(desk.cursor_pos(), (Point{460, 368}));
    desk.clear_input_log();
    tap(vk::kSpace, 150);
    EXPECT_EQ(mouse_sent(), (std::vector<std::string>{"mouse leftdown", "mouse leftup"}));
}

// ---- the guard, the cover and the corners ----

TEST_F(KeyboardPadApp, AHeldMouseButtonFlattensThePad)
{
    open_pad();
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.advance(120);
    EXPECT_EQ(pad().height(), 0);
    desk.user_button(MouseButton::Right, ButtonAction::Up);
}

// A middle release ends a drag for the status form only when a key for it is
// held then: a Space pressed long after never cuts a selection for good.
struct MiddleCase {
    const char* name;
    bool space_at_release;
    bool cut; // Shift+Delete sent
};

void PrintTo(const MiddleCase& c, std::ostream* os) { *os << c.name; }

class MiddleRelease : public KeyboardPadApp, public ::testing::WithParamInterface<MiddleCase> {};

TEST_P(MiddleRelease, IsADragEndOnlyWithAKeyForIt)
{
    const MiddleCase& c = GetParam();
    if (c.space_at_release)
        desk.user_key(vk::kSpace, KeyAction::Down);
    app->vykForm4().set_caption("mkeyscroll");
    desk.advance(300);
    if (!c.space_at_release)
        desk.user_key(vk::kSpace, KeyAction::Down);
    desk.advance(300);
    desk.user_key(vk::kSpace, KeyAction::Up);
    const std::vector<std::string> keys = keys_sent();
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "key 46 down"), c.cut ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Space, MiddleRelease,
                         ::testing::Values(MiddleCase{"held at the release", true, true},
                                           MiddleCase{"pressed later", false, false}));

TEST_F(KeyboardPadApp, ACoveredPadComesBackOnTop)
{
    open_pad();
    pad_at({500, 400});
    const Hwnd cover = desk.add_window("Cover", "", Rect::from_size(450, 350, 300, 300), Visibility::Shown, Topmost::Yes);
    ASSERT_EQ(desk.window_from_point({552, 452}), cover);
    hold_for_one_move('K');
    EXPECT_EQ(desk.window_from_point({552, 460}), pad().hwnd());
}

struct CornerCase {
    const char* name;
    Point p;
    bool inside;
};

void PrintTo(const CornerCase& c, std::ostream* os) { *os << c.name; }

class Corners : public ::testing::TestWithParam<CornerCase> {};

TEST_P(Corners, RoundedRegionOfThePad)
{
    const CornerCase& c = GetParam();
    EXPECT_EQ(rounded_region({284, 173}, 20).contains(c.p), c.inside);
}

INSTANTIATE_TEST_SUITE_P(
    Points, Corners,
    ::testing::Values(CornerCase{"top-left corner pixel", {0, 0}, false}, CornerCase{"top-right corner", {283, 0}, false},
                      CornerCase{"bottom-left corner", {0, 172}, false},
                      CornerCase{"bottom-right corner", {283, 172}, false},
                      CornerCase{"inside the top-left arc", {6, 6}, true},
                      CornerCase{"just outside the arc", {5, 5}, false}, CornerCase{"top edge middle", {142, 0}, true},
                      CornerCase{"left edge middle", {0, 86}, true}, CornerCase{"centre", {142, 86}, true},
                      CornerCase{"below the pad", {142, 173}, false}));

TEST(RoundedRegion, RadiusOutOfRangeIsClamped)
{
    EXPECT_TRUE(rounded_region({284, 173}, 0).contains({0, 0}));
    EXPECT_TRUE(rounded_region({284, 173}, -5).contains({0, 0}));
    const WindowRegion huge = rounded_region({100, 40}, 1000); // radius 20: a stadium
    EXPECT_TRUE(huge.contains({50, 20}));
    EXPECT_FALSE(huge.contains({1, 1}));
    EXPECT_TRUE(huge.contains({1, 20}));
}

TEST_F(KeyboardPadApp, CreationRoundsThePadAndOpensItsHelpPage)
{
    const WindowRegion* region = desk.region(pad().hwnd());
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->contains({0, 0}));
    EXPECT_TRUE(region->contains({142, 86}));
    EXPECT_EQ(pad().CppWebBrowser1.document(), "file://C:\\Tarvesk\\keycontrol.htm");
}

} // namespace
} // namespace tv::test
