// The edit keyboard on the simulated desktop, through the real tokenizer:
// Caps Lock released twice turns it on with the key pad; once the pad is
// closed its letters reach the editor as editing keys and the bar shows the
// map; copy and paste leave it, cut and undo keep it; B holds Shift for a
// selection, and every way out lets Shift go; the hook is told the key flags.
#include "keyboard_pad_sim.h"

#include "board/kxm.h"
#include "board/modeform.h"
#include "board/pyoil.h"
#include "board/srfform.h"
#include "hook/tokenizer.h"
#include "platform/keys.h"

#include <functional>
#include <ostream>

namespace tv::test {
namespace {

class EditKeyboardApp : public KeyboardPadSim {
protected:
    // The pointer stands still, so no tick overwrites a token with "old--move".
    void SetUp() override
    {
        start_program();
        desk.advance(2100);
    }

    // On, with the pad closed by a Caps Lock tap: the letters are editing keys.
    void turn_on()
    {
        open_pad();
        tap(vk::kCapsLock);
        ASSERT_FALSE(app->kxm().Timer1.enabled());
        ASSERT_EQ(app->modeform().caption(), "key--cap");
        received_from = desk.received_keys().size();
        desk.clear_input_log();
    }

    // The key events the editor got since turn_on, as "v34" / "^34".
    std::string editor_keys() const
    {
        std::string out;
        for (std::size_t i = received_from; i < desk.received_keys().size(); ++i) {
            const auto& k = desk.received_keys()[i];
            if (k.to == editor)
                out += (out.empty() ? "" : " ") + std::string(k.action == KeyAction::Down ? "v" : "^") +
                       std::to_string(k.vk);
        }
        return out;
    }

    Tmodeform& bar() const { return app->modeform(); }
    bool bar_out() const { return desk.is_visible(bar().hwnd()) && bar().left() < 1024 + 10; }

    std::size_t received_from = 0;
};

TEST_F(EditKeyboardApp, ThePadHasTheLettersUntilItClosesThenTheBarShowsTheMap)
{
    open_pad();
    EXPECT_EQ(app->modeform().caption(), "key--cap");
    EXPECT_EQ(desk.hook_key_flags() & hook::kEditingKeys, 0);
    EXPECT_FALSE(bar_out()) << "the pad's keys are not the bar's";
    tap(vk::kCapsLock);
    EXPECT_FALSE(app->kxm().Timer1.enabled());
    EXPECT_EQ(desk.hook_key_flags() & hook::kEditingKeys, hook::kEditingKeys);
    EXPECT_TRUE(bar_out());
    EXPECT_EQ(desk.window_rect(bar().hwnd()), Rect::from_size((1024 - 482) / 2, 768 - 100, 482, 24));
    EXPECT_EQ(bar().Label1.text(), "编辑键盘");
    EXPECT_NE(desk.ex_style(bar().hwnd()) & kExNoActivate, 0u) << "showing it leaves the editor in front";
    EXPECT_EQ(desk.ex_style(bar().hwnd()), std::uint32_t{kExNoActivate | kExAppWindow | kExWindowEdge | kExTopmost});
    EXPECT_EQ(desk.window_style(bar().hwnd()),
              std::uint32_t{kStyleVisible | kStyleClipSiblings | kStyleSysMenu | kStyleMinimizeBox});
    EXPECT_EQ(desk.foreground_window(), editor);
}

struct EditKeyCase {
    const char* what;
    int vk;
    std::string editor_gets;
};

void PrintTo(const EditKeyCase& c, std::ostream* os) { *os << c.what; }

class EditKey : public EditKeyboardApp, public ::testing::WithParamInterface<EditKeyCase> {};

TEST_P(EditKey, ReachesTheEditorAsItsEditingKey)
{
    const EditKeyCase& c = GetParam();
    turn_on();
    tap(c.vk);
    EXPECT_EQ(editor_keys(), c.editor_gets);
    EXPECT_EQ(bar().caption(), "key--cap") << "the edit keyboard stays on";
}

INSTANTIATE_TEST_SUITE_P(Keys, EditKey,
                         ::testing::Values(EditKeyCase{"H deletes back", 'H', "v8 ^8"},
                                           EditKeyCase{"J pages down", 'J', "v34 ^34"},
                                           EditKeyCase{"U pages up", 'U', "v33 ^33"},
                                           EditKeyCase{"I is up", 'I', "v38 ^38"},
                                           EditKeyCase{"K is down", 'K', "v40 ^40"},
                                           EditKeyCase{"L is left", 'L', "v37 ^37"},
                                           EditKeyCase{"; is right", vk::kSemicolon, "v39 ^39"},
                                           EditKeyCase{"A types", 'A', "v65 ^65"},
                                           EditKeyCase{"a digit types", '7', "v55 ^55"},
                                           EditKeyCase{"Enter is Enter", vk::kEnter, "v13 ^13"}));

struct CommandCase {
    const char* what;
    int vk;
    std::string editor_gets;
    const char* mode_cell;     // the caption of `modeform` afterwards
    const char* copy_mark;     // kxm.Panel18
    bool stays_on;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.what; }

class Command : public EditKeyboardApp, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Command, SendsItsKeysAndLeavesOrStays)
{
    const CommandCase& c = GetParam();
    turn_on();
    tap(c.vk);
    EXPECT_EQ(editor_keys(), c.editor_gets);
    EXPECT_EQ(bar().caption(), c.mode_cell);
    EXPECT_EQ(app->kxm().Panel4.text(), c.mode_cell);
    EXPECT_EQ(app->kxm().Panel18.text(), c.copy_mark);
    EXPECT_EQ(bar_out(), c.stays_on);
    EXPECT_EQ((desk.hook_key_flags() & hook::kEditingKeys) != 0, c.stays_on);
    const std::size_t before = desk.received_keys().size();
    tap('J');
    ASSERT_GT(desk.received_keys().size(), before);
    EXPECT_EQ(desk.received_keys()[before].vk, c.stays_on ? vk::kPageDown : 'J');
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Command,
    ::testing::Values(CommandCase{"C copies and leaves", 'C', "v17 v67 ^67 ^17", "old--cap", "old--ctrlcok", false},
                      CommandCase{"V pastes and leaves", 'V', "v17 v86 ^86 ^17", "old--cap", "old--ctrlvok", false},
                      CommandCase{"X cuts and stays", 'X', "v17 v88 ^88 ^17", "key--cok", "", true},
                      CommandCase{"Z undoes and stays", 'Z', "v17 v90 ^90 ^17", "key--cok", "", true},
                      CommandCase{"N leaves", 'N', "", "old--cap", "", false}));

TEST_F(EditKeyboardApp, BHoldsShiftForASelectionAndTakesItBack)
{
    turn_on();
    tap('B');
    EXPECT_TRUE(desk.key_down(vk::kShift));
    EXPECT_EQ(bar().height(), 48);
    EXPECT_EQ(bar().caption(), "key--shiftdownok");
    tap('L');
    tap('L');
    EXPECT_EQ(editor_keys(), "v16 v37 ^37 v37 ^37") << "Shift, then two lefts: a selection";
    EXPECT_TRUE(desk.key_down(vk::kShift));
    tap('B');
    EXPECT_FALSE(desk.key_down(vk::kShift));
    EXPECT_EQ(bar().height(), 24);
    EXPECT_EQ((desk.hook_key_flags() & hook::kEditingKeys), hook::kEditingKeys) << "still on";
}

// Every way out lets the Shift the edit keyboard holds go.
struct LeaveCase {
    const char* what;
    std::function<void(EditKeyboardApp&)> leave;
    std::string editor_gets; // after B
};

void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.what; }

class Leaving : public EditKeyboardApp, public ::testing::WithParamInterface<LeaveCase> {
public:
    using EditKeyboardApp::tap;
    sim::SimDesktop& desktop() { return desk; }
    App& program_app() { return *app; }
};

TEST_P(Leaving, ReleasesTheShiftItHolds)
{
    const LeaveCase& c = GetParam();
    turn_on();
    tap('B');
    ASSERT_TRUE(desk.key_down(vk::kShift));
    c.leave(*this);
    desk.advance(100);
    EXPECT_FALSE(desk.key_down(vk::kShift));
    EXPECT_EQ(editor_keys(), c.editor_gets);
    EXPECT_NE(bar().caption(), "key--cap");
    EXPECT_EQ(bar().height(), 24);
    EXPECT_FALSE(bar_out());
    EXPECT_EQ(desk.hook_key_flags() & hook::kEditingKeys, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Leaving,
    ::testing::Values(LeaveCase{"N", [](EditKeyboardApp& t) { static_cast<Leaving&>(t).tap('N'); }, "v16 ^16"},
                      LeaveCase{"copy", [](EditKeyboardApp& t) { static_cast<Leaving&>(t).tap('C'); },
                                "v16 ^16 v17 v67 ^67 ^17"},
                      LeaveCase{"a left click",
                                [](EditKeyboardApp& t) {
                                    auto& l = static_cast<Leaving&>(t);
                                    l.desktop().user_move({500, 400});
                                    l.desktop().user_button(MouseButton::Left, ButtonAction::Down);
                                    l.desktop().advance(60);
                                    l.desktop().user_button(MouseButton::Left, ButtonAction::Up);
                                },
                                "v16 ^16"},
                      LeaveCase{"\"old--cap\" written into the mode cell",
                                [](EditKeyboardApp& t) {
                                    static_cast<Leaving&>(t).program_app().modeform().set_caption("old--cap");
                                },
                                "v16 ^16"}));

TEST_F(EditKeyboardApp, ShiftDownTokenWhileBIsHeldDoesNothing)
{
    turn_on();
    desk.user_key('B', KeyAction::Down);
    desk.advance(60);
    app->pyoil().set_caption("key--shiftdown");
    desk.advance(60);
    EXPECT_FALSE(desk.key_down(vk::kShift));
    EXPECT_EQ(bar().caption(), "key--cap");
    EXPECT_EQ(app->kxm().Panel5.text(), "off") << "B held shows Num Lock";
}

// While on, the hook's other "old--" tokens read "key--mode//", except Caps
// Lock's and N's; with Microsoft Pinyin in a blind state other than 1 the
// tick stops there (the key history does not take the cell).
struct ModeTokenCase {
    const char* what;
    const char* token;
    const char* ime_name;
    const char* blind_state;
    const char* cell_after;
    bool history_takes_it;
};

void PrintTo(const ModeTokenCase& c, std::ostream* os) { *os << c.what; }

class ModeToken : public EditKeyboardApp, public ::testing::WithParamInterface<ModeTokenCase> {};

TEST_P(ModeToken, RewritesOrStops)
{
    const ModeTokenCase& c = GetParam();
    turn_on();
    app->kxm().Panel7.set_text(c.ime_name);
    app->kxm().Panel17.set_text(c.blind_state);
    app->pyoil().set_caption(c.token);
    desk.advance(50);
    EXPECT_EQ(caption("Tpyoil"), c.cell_after);
    EXPECT_EQ(app->kxm().ListBox1.item(0) == c.cell_after, c.history_takes_it);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ModeToken,
    ::testing::Values(ModeTokenCase{"an editing key's token", "old--34..0", "英文输入法", "0", "key--mode//", true},
                      ModeTokenCase{"Caps Lock's token stays", "old--20up", "英文输入法", "0", "old--20up", true},
                      ModeTokenCase{"a key-- token is left to the letter rule", "key--65", "英文输入法", "0",
                                    "key--newch", false},
                      ModeTokenCase{"Pinyin outside a selection stops the tick", "old--34..0",
                                    "微软拼音输入法 3.0 版", "0", "old--34..0", false},
                      ModeTokenCase{"Pinyin at rest stops the tick too", "old--34..0", "微软拼音输入法 3.0 版", "",
                                    "old--34..0", false}));

// What the main loop tells the hook at the end of a tick, from the cells.
struct FlagsCase {
    const char* ime_cell;    // kxm.Panel1
    const char* blind_state; // kxm.Panel17
    const char* mode_cell;   // caption of modeform
    int flags;
};

void PrintTo(const FlagsCase& c, std::ostream* os)
{
    *os << c.ime_cell << "/" << c.blind_state << "/" << c.mode_cell;
}

class HookFlags : public EditKeyboardApp, public ::testing::WithParamInterface<FlagsCase> {};

TEST_P(HookFlags, FollowTheCells)
{
    const FlagsCase& c = GetParam();
    app->kxm().Panel1.set_text(c.ime_cell);
    app->kxm().Panel17.set_text(c.blind_state);
    bar().set_caption(c.mode_cell);
    // What the end of a tick does; a whole tick would write the two cells
    // anew from the input method in front and the blind state.
    app->pyoil().keystt.click();
    EXPECT_EQ(desk.hook_key_flags(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, HookFlags,
    ::testing::Values(FlagsCase{"open", "0", "old--cap", 0}, FlagsCase{"open", "1", "old--cap", 0},
                      FlagsCase{"close", "0", "old--cap", hook::kInputMethodActive},
                      FlagsCase{"close", "1", "old--cap", hook::kInputMethodActive | hook::kSelectionKeys},
                      FlagsCase{"close", "101", "old--cap", hook::kInputMethodActive | hook::kSelectionKeys},
                      FlagsCase{"close", "", "old--cap", hook::kInputMethodActive},
                      FlagsCase{"open", "0", "key--cap", hook::kEditingKeys},
                      FlagsCase{"open", "0", "key--cok", hook::kEditingKeys},
                      FlagsCase{"open", "0", "key--shiftdownok", hook::kEditingKeys},
                      FlagsCase{"open", "0", "old--ctrlcok", 0},
                      FlagsCase{"close", "2", "key--cap",
                                hook::kInputMethodActive | hook::kSelectionKeys | hook::kEditingKeys}));

// An editing key's release leaves "old--xx" (while Shift is held for a
// selection nothing rewrites it): it never enters the key history, which goes
// on taking the tokens after it (Caps Lock twice still opens the pad).
TEST_F(EditKeyboardApp, TheReleaseTokenStaysOutOfTheHistory)
{
    turn_on();
    tap('B');
    tap('K');
    ASSERT_EQ(caption("Tpyoil"), "old--xx");
    EXPECT_NE(app->kxm().ListBox1.item(0), "old--xx");
    tap('N');
    // N's token ends the mode ("old--newch"); N still held, the blind
    // selection's N rule empties the cell ("old--") on the next tick.
    EXPECT_EQ(app->kxm().ListBox1.item(1), "old--newch");
    EXPECT_EQ(app->kxm().ListBox1.item(0), "old--");
    open_pad();
}

// With Microsoft Pinyin in front, Space opens a selection: the hook is told,
// and the next letter reaches the input method as its candidate's digit.
TEST_F(EditKeyboardApp, SelectionKeysReachTheInputMethodAsCandidates)
{
    constexpr KeyboardLayout kPinyin = 0xE0040804;
    desk.installed_layouts = {{0x04090409, false, "", ""}, {kPinyin, true, "微软拼音输入法 3.0 版", "PINTLGNT.IME"}};
    desk.set_window_layout(editor, kPinyin);
    desk.advance(150);
    ASSERT_EQ(app->kxm().Panel1.text(), "close");
    desk.user_key(vk::kSpace, KeyAction::Down);
    desk.advance(60);
    desk.user_key(vk::kSpace, KeyAction::Up);
    desk.advance(60);
    ASSERT_EQ(app->kxm().Panel17.text(), "1");
    ASSERT_NE(desk.hook_key_flags() & hook::kSelectionKeys, 0);
    received_from = desk.received_keys().size();
    tap('T');
    // T is the tenth candidate; the digit ends the selection, which commits it with Enter.
    EXPECT_EQ(editor_keys(), "v48 ^48 v13 ^13");
    EXPECT_EQ(app->kxm().Panel17.text(), "0");
}

TEST_F(EditKeyboardApp, ShiftAndCapsLockOpenThePicker)
{
    const bool caps_before = (desk.keyboard_state()[vk::kCapsLock] & 1) != 0;
    desk.user_key(vk::kLShift, KeyAction::Down);
    desk.advance(30);
    tap(vk::kCapsLock);
    desk.user_key(vk::kLShift, KeyAction::Up);
    desk.advance(60);
    EXPECT_EQ(caption("Tpyoil"), "key--imeok");
    EXPECT_TRUE(desk.is_visible(app->srfForm().hwnd()));
    EXPECT_EQ((desk.keyboard_state()[vk::kCapsLock] & 1) != 0, caps_before) << "Caps Lock was kept";
    EXPECT_FALSE(app->kxm().Timer1.enabled());
}

TEST_F(EditKeyboardApp, PointingAtTheMapPutsTheBarAway)
{
    turn_on();
    ASSERT_TRUE(bar_out());
    const Rect r = desk.window_rect(bar().hwnd());
    desk.user_move({r.left + 200, r.top + 10});
    desk.advance(60);
    EXPECT_FALSE(desk.is_visible(bar().hwnd()));
    EXPECT_FALSE(r.contains(desk.cursor_pos()));
    desk.advance(200);
    EXPECT_FALSE(desk.is_visible(bar().hwnd())) << "it stays away";
    EXPECT_EQ(bar().caption(), "key--cap");
}

} // namespace
} // namespace tv::test
