// While the keyboard mouse pad is open the input hook keeps the pad's keys
// (the letters, Space and ;) from the application in front: the pad still
// reads them as held and acts on them, and the keys the pad sends (arrows,
// Enter) still arrive. Once the pad closes, every key reaches the
// application again.
#include "keyboard_pad_sim.h"

#include "board/kxm.h"
#include "board/modeform.h"
#include "board/pyoil.h"
#include "platform/keys.h"

#include <algorithm>

namespace tv::test {
namespace {

class PadKeysApp : public KeyboardPadSim {
protected:
    void SetUp() override { start_program(); }

    void open_pad()
    {
        KeyboardPadSim::open_pad();
        ASSERT_TRUE(desk.hook_pad_open());
        app->kxm().set_bounds(500, 400, app->kxm().width(), app->kxm().height());
        desk.set_cursor_pos({468, 368});
    }

    // The events of `vk` the editor received from the `from`th key event on, "down"/"up".
    std::vector<std::string> editor_got(int vk, std::size_t from = 0) const
    {
        std::vector<std::string> out;
        const auto& keys = desk.received_keys();
        for (std::size_t i = from; i < keys.size(); ++i)
            if (const sim::SimDesktop::ReceivedKey& k = keys[i]; k.vk == vk)
                out.push_back(std::string(k.to == editor ? "" : "elsewhere ") +
                              (k.action == KeyAction::Down ? "down" : "up"));
        return out;
    }

    std::vector<std::string> mouse_sent() const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log())
            if (r.kind == sim::InputRecord::Kind::Mouse && r.mouse != MouseInput::Move) {
                const std::string d = r.describe();
                out.push_back(d.substr(0, d.find(" at ")));
            }
        return out;
    }

    std::size_t keys_received() const { return desk.received_keys().size(); }
    std::vector<std::string> both() const { return {"down", "up"}; }
};

TEST_F(PadKeysApp, HeldJMovesThePointerAndTheEditorGetsNoJ)
{
    open_pad();
    const std::size_t before = keys_received();
    desk.user_key('J', KeyAction::Down);
    desk.advance(35);
    EXPECT_TRUE(desk.key_down('J')) << "the pad reads a kept key as held";
    desk.advance(65);
    desk.user_key('J', KeyAction::Up);
    desk.advance(30);
    EXPECT_FALSE(desk.key_down('J'));
    EXPECT_EQ(app->kxm().left(), 500 - 8 * 10);
    EXPECT_EQ(desk.cursor_pos(), (Point{468 - 8 * 10, 368}));
    EXPECT_EQ(keys_received(), before);
}

TEST_F(PadKeysApp, SpaceClicksWithoutTheEditorGettingASpace)
{
    open_pad();
    desk.clear_input_log();
    const std::size_t before = keys_received();
    tap(vk::kSpace, 150);
    desk.advance(200);
    EXPECT_EQ(mouse_sent(), (std::vector<std::string>{"mouse leftdown", "mouse leftup"})) << "one click";
    EXPECT_EQ(keys_received(), before);
}

// A typed key acts once, and what the pad sends for it reaches the editor.
struct SentKeyCase {
    const char* name;
    int typed;
    int sent;
};

void PrintTo(const SentKeyCase& c, std::ostream* os) { *os << c.name; }

class PadSends : public PadKeysApp, public ::testing::WithParamInterface<SentKeyCase> {};

TEST_P(PadSends, TheEditorGetsWhatThePadSendsAndNotTheKeyTyped)
{
    const SentKeyCase& c = GetParam();
    open_pad();
    const std::size_t before = keys_received();
    tap(c.typed, 150);
    desk.advance(200);
    std::vector<std::string> got;
    for (std::size_t i = before; i < keys_received(); ++i) {
        const sim::SimDesktop::ReceivedKey& k = desk.received_keys()[i];
        got.push_back(std::to_string(k.vk) + (k.action == KeyAction::Down ? " down" : " up") +
                      (k.to == editor ? "" : " elsewhere"));
    }
    const std::string code = std::to_string(c.sent);
    EXPECT_EQ(got, (std::vector<std::string>{code + " down", code + " up"}));
}

INSTANTIATE_TEST_SUITE_P(Keys, PadSends,
                         ::testing::Values(SentKeyCase{"A left arrow", 'A', vk::kLeft},
                                           SentKeyCase{"G right arrow", 'G', vk::kRight},
                                           SentKeyCase{"W up arrow", 'W', vk::kUp},
                                           SentKeyCase{"X down arrow", 'X', vk::kDown},
                                           SentKeyCase{"semicolon Enter", vk::kSemicolon, vk::kEnter}));

// Each key tapped with the pad open and with it closed: whether the editor
// gets its press and release, and whether the program sees it held meanwhile.
struct PassCase {
    const char* name;
    int vk;
    bool kept_while_open;
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class KeyWithPad : public PadKeysApp, public ::testing::WithParamInterface<PassCase> {
protected:
    // Down, a few milliseconds, up: the key's events the editor got.
    std::vector<std::string> press_and_release(int vk)
    {
        const std::size_t before = keys_received();
        desk.user_key(vk, KeyAction::Down);
        desk.advance(5);
        EXPECT_TRUE(desk.key_down(vk)) << "held";
        desk.user_key(vk, KeyAction::Up);
        const std::vector<std::string> got = editor_got(vk, before);
        desk.advance(200);
        return got;
    }
};

// Caps Lock with the pad open is the key that closes it; the edit keyboard
// that opened with the pad then has the letters until N ends it.
TEST_P(KeyWithPad, ReachesTheEditorUnlessThePadIsOpenAndKeepsIt)
{
    const PassCase& c = GetParam();
    open_pad();
    EXPECT_EQ(press_and_release(c.vk), c.kept_while_open ? std::vector<std::string>{} : both()) << "pad open";
    if (app->kxm().Timer1.enabled())
        tap(vk::kCapsLock);
    ASSERT_FALSE(desk.hook_pad_open());
    tap('N');
    ASSERT_EQ(desk.hook_key_flags(), 0) << "the edit keyboard ended";
    EXPECT_EQ(press_and_release(c.vk), both()) << "pad closed";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyWithPad,
    ::testing::Values(PassCase{"B", 'B', true}, PassCase{"Q", 'Q', true}, PassCase{"Z", 'Z', true},
                      PassCase{"Space", vk::kSpace, true}, PassCase{"semicolon", vk::kSemicolon, true},
                      PassCase{"digit 1", '1', false}, PassCase{"Caps Lock", vk::kCapsLock, false},
                      PassCase{"Left arrow", vk::kLeft, false}, PassCase{"Up arrow", vk::kUp, false},
                      PassCase{"F1", 112, false}, PassCase{"left Shift", vk::kLShift, false},
                      PassCase{"Enter", vk::kEnter, false}));

// However the pad closes, the hook hears of it at once and J reaches the
// editor again; the key that closed it never did.
struct ClosingCase {
    const char* name;
    int vk;
    bool closing_key_kept;
    bool edit_keyboard_stays_on; // its letters are editing keys until N ends it
};

void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

class Closing : public PadKeysApp, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(Closing, KeysPassAgainOnceThePadCloses)
{
    const ClosingCase& c = GetParam();
    open_pad();
    const std::size_t before = keys_received();
    desk.user_key(c.vk, KeyAction::Down);
    desk.advance(20);
    EXPECT_FALSE(app->kxm().Timer1.enabled());
    EXPECT_FALSE(desk.hook_pad_open());
    desk.user_key(c.vk, KeyAction::Up);
    desk.advance(100);
    EXPECT_EQ(keys_received() - before, c.closing_key_kept ? 0u : 2u);
    EXPECT_EQ(app->modeform().caption() == "key--cap", c.edit_keyboard_stays_on);
    if (c.edit_keyboard_stays_on)
        tap('N');
    const std::size_t after_close = keys_received();
    tap('J');
    ASSERT_EQ(keys_received() - after_close, 2u);
    EXPECT_EQ(desk.received_keys()[after_close].to, editor);
    EXPECT_EQ(desk.received_keys()[after_close].vk, 'J');
}

INSTANTIATE_TEST_SUITE_P(Keys, Closing,
                         ::testing::Values(ClosingCase{"Caps Lock held", vk::kCapsLock, false, true},
                                           ClosingCase{"N held", 'N', true, false}));

TEST_F(PadKeysApp, TypingReachesTheEditorAgainAfterThePadCloses)
{
    open_pad();
    desk.user_type("jk");
    EXPECT_TRUE(editor_got('J').empty());
    tap(vk::kCapsLock);
    ASSERT_FALSE(desk.hook_pad_open());
    tap('N'); // the edit keyboard that opened with the pad ends
    desk.user_type("jk");
    EXPECT_EQ(editor_got('J'), both());
    EXPECT_EQ(editor_got('K'), both());
}

// A hook library that cannot be told about the pad keeps nothing, and the
// program still starts.
class PadKeysOldLibrary : public PadKeysApp {
protected:
    void SetUp() override
    {
        sim::SimLibrary lib = desk.hook_library();
        lib.entries.erase("SetHookPad");
        desk.install_library("wrhk.dll", lib);
        start_program();
    }
};

TEST_F(PadKeysOldLibrary, ThePadWorksAndKeysPass)
{
    tap(vk::kCapsLock);
    tap(vk::kCapsLock);
    ASSERT_TRUE(app->kxm().Timer1.enabled());
    EXPECT_FALSE(desk.hook_pad_open());
    app->kxm().set_bounds(500, 400, app->kxm().width(), app->kxm().height());
    desk.user_key('J', KeyAction::Down);
    desk.advance(100);
    desk.user_key('J', KeyAction::Up);
    EXPECT_EQ(app->kxm().left(), 500 - 8 * 10);
    EXPECT_EQ(editor_got('J'), both());
}

} // namespace
} // namespace tv::test
