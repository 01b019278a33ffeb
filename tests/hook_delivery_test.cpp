// Raw input on the desktop reaches the captions through the hook library, and
// the hook switches of the main form turn each feed on and off.
#include "sim_app.h"

#include "board/places.h"
#include "board/kxm.h"

#include <algorithm>
#include "board/pyoil.h"
#include "board/form_main.h"

namespace tv::test {
namespace {

using HookDelivery = SimApp;

TEST_F(HookDelivery, KeysAndMouseReachTheirCells)
{
    start();
    desk.user_key('A', KeyAction::Down);
    EXPECT_EQ(caption("Tpyoil"), "key--65");
    desk.user_wheel(120);
    EXPECT_EQ(caption("TvykForm3"), "ystop wheel=///");
    desk.user_move({300, 400});
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    EXPECT_EQ(caption("TvykForm3"), "down/right//300,400");
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    EXPECT_EQ(caption("TvykForm3"), "rightup");
    EXPECT_EQ(caption("Tescmenu"), "rbuttonup");
}

TEST_F(HookDelivery, KeyboardHookOffStopsKeyTokensOnly)
{
    start();
    app->FormMain().srfbl.set_checked(false);
    app->pyoil().srftt.click();
    EXPECT_FALSE(desk.keyboard_hook_on());
    desk.user_key('A', KeyAction::Down);
    EXPECT_EQ(caption("Tpyoil"), "old--78..2");
    desk.user_wheel(-120);
    EXPECT_EQ(caption("TvykForm3"), "ystop wheel=...") << "the mouse functions continue";

    app->FormMain().srfbl.set_checked(true);
    app->pyoil().srftt.click();
    desk.user_key('B', KeyAction::Down);
    EXPECT_EQ(caption("Tpyoil"), "key--66");
}

TEST_F(HookDelivery, MouseHookOffStopsMouseTokensOnly)
{
    start();
    app->FormMain().sbbl.set_checked(false);
    app->pyoil().sbtt.click();
    desk.user_wheel(120);
    EXPECT_EQ(caption("TvykForm3"), "down/[[[38661280,1243372--");
    desk.user_key('C', KeyAction::Down);
    EXPECT_EQ(caption("Tpyoil"), "key--67");
}

TEST_F(HookDelivery, TheProgramsOwnInputComesBackAsNoToken)
{
    start();
    desk.send_key(17, KeyAction::Down);
    desk.send_key('V', KeyAction::Down);
    desk.send_key('V', KeyAction::Up);
    desk.send_key(17, KeyAction::Up);
    desk.send_mouse(MouseInput::Wheel, 120);
    EXPECT_EQ(caption("Tpyoil"), "old--78..2");
    EXPECT_EQ(caption("TvykForm3"), "down/[[[38661280,1243372--");
    ASSERT_EQ(desk.input_log().size(), 5u);
    EXPECT_EQ(desk.input_log()[1].describe(), "key 86 down");
}

TEST_F(HookDelivery, TwoDeliveriesWithinOneMainLoopTickLeaveTheLater)
{
    start();
    desk.advance(60);
    desk.user_key('A', KeyAction::Down);
    desk.advance(10);
    desk.user_key('B', KeyAction::Down);
    desk.advance(30); // the main loop's tick at 100 ms reads the cell once
    const auto& history = app->kxm().ListBox1.items();
    EXPECT_EQ(std::count(history.begin(), history.end(), "key--66"), 1);
    EXPECT_EQ(std::count(history.begin(), history.end(), "key--65"), 0);
}

TEST_F(HookDelivery, RightButtonOwnedByTheWheelModeNeverReachesTheForms)
{
    start();
    app->pyoil().set_left(100);
    app->pyoil().show();
    app->pyoil().Image3.hide();
    desk.user_move({250, 500});
    set_caption("Tinputmode", "myright");
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    EXPECT_FALSE(app->ended()) << "the release over the picture was swallowed";
    EXPECT_EQ(caption("Tescmenu"), "rbuttonup") << "the tokens still arrive";

    set_caption("Tinputmode", "xx myright");
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    EXPECT_TRUE(app->ended());
}

} // namespace
} // namespace tv::test
