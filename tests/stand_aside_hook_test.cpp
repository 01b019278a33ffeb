// The hook's stand-aside flags: the events they name pass untouched and leave
// no token, whatever the program's state would keep; the others are handled
// as always, and a key held across the change is known afterwards.
#include "hook/hook_contract.h"

#include "platform/keys.h"

#include <gtest/gtest.h>

namespace tv::hook {
namespace {

class FlagDesk final : public HookDesk {
public:
    int flags = 0;
    bool pad = false;
    std::string caption;
    std::vector<std::string> delivered;
    std::vector<Stroke> sent;

    std::string state_caption() override { return caption; }
    void deliver(Cell cell, std::string_view token) override
    {
        delivered.push_back(std::string(cell_class(cell)) + ":" + std::string(token));
    }
    bool pad_open() override { return pad; }
    int key_flags() override { return flags; }
    int stand_aside_flags() override { return flags; }
    void send_keys(const std::vector<Stroke>& strokes) override { sent.insert(sent.end(), strokes.begin(), strokes.end()); }
};

RawEvent event(RawKind kind, int vk = 0, RawButton button = RawButton::None)
{
    RawEvent e;
    e.kind = kind;
    e.vk = vk;
    e.button = button;
    e.wheel_delta = kind == RawKind::Wheel ? 120 : 0;
    e.x = 10;
    e.y = 20;
    return e;
}

enum class Owned { No, Yes };

struct AsideCase {
    const char* name;
    RawEvent event;
    int flags;          // besides the state below
    bool pad_open;      // the key pad keeps letters
    Owned right_owned;  // the wheel mode owns the right button
    Verdict verdict;
    bool token;         // a token was delivered
};

void PrintTo(const AsideCase& c, std::ostream* os) { *os << c.name; }

class StandAsideFlags : public ::testing::TestWithParam<AsideCase> {};

TEST_P(StandAsideFlags, NamedEventsPassUntouched)
{
    const AsideCase& c = GetParam();
    Tokenizer tokenizer;
    FlagDesk desk;
    desk.flags = c.flags;
    desk.pad = c.pad_open;
    desk.caption = c.right_owned == Owned::Yes ? std::string(kRightButtonOwned) : std::string();
    EXPECT_EQ(handle(tokenizer, c.event, desk), c.verdict);
    EXPECT_EQ(!desk.delivered.empty(), c.token);
    EXPECT_TRUE(desk.sent.empty());
}

const RawEvent kLetterDown = event(RawKind::KeyDown, 'J');
const RawEvent kRightDown = event(RawKind::ButtonDown, 0, RawButton::Right);
const RawEvent kLeftDown = event(RawKind::ButtonDown, 0, RawButton::Left);
const RawEvent kNotch = event(RawKind::Wheel);
const RawEvent kEscDown = event(RawKind::KeyDown, vk::kEscape);

INSTANTIATE_TEST_SUITE_P(
    Flags, StandAsideFlags,
    ::testing::Values(
        AsideCase{"PadLetterKept", kLetterDown, 0, true, Owned::No, Verdict::Suppress, true},
        AsideCase{"PadLetterKeysAsidePasses", kLetterDown, kStandAsideKeys, true, Owned::No, Verdict::Pass, false},
        AsideCase{"PadLetterButtonsAsideStillKept", kLetterDown, kStandAsideButtons, true, Owned::No,
                  Verdict::Suppress, true},
        AsideCase{"EscKeysAsideNoLatch", kEscDown, kStandAsideKeys, false, Owned::No, Verdict::Pass, false},
        AsideCase{"OwnedRightKept", kRightDown, 0, false, Owned::Yes, Verdict::Suppress, true},
        AsideCase{"OwnedRightButtonsAsidePasses", kRightDown, kStandAsideButtons, false, Owned::Yes, Verdict::Pass,
                  false},
        AsideCase{"OwnedRightKeysAsideStillKept", kRightDown, kStandAsideKeys, false, Owned::Yes, Verdict::Suppress,
                  true},
        AsideCase{"LeftPressButtonsAsideNoToken", kLeftDown, kStandAsideButtons, false, Owned::No, Verdict::Pass,
                  false},
        AsideCase{"NotchButtonsAsideNoToken", kNotch, kStandAsideButtons, false, Owned::No, Verdict::Pass, false},
        AsideCase{"NotchKeysAsideToken", kNotch, kStandAsideKeys, false, Owned::No, Verdict::Pass, true},
        AsideCase{"SelectionLetterBothAsidePasses", event(RawKind::KeyDown, 'A'),
                  kSelectionKeys | kInputMethodActive | kStandAsideKeys | kStandAsideButtons, false, Owned::No,
                  Verdict::Pass, false}),
    [](const ::testing::TestParamInfo<AsideCase>& info) { return std::string(info.param.name); });

// A letter the pad kept goes up while the hook stands aside: its release
// passes, the hook no longer calls it held, and after the hook acts again the
// next press is kept as before.
TEST(StandAsideHeldKeys, AKeptKeyReleasedMeanwhileIsNotHeldAfterwards)
{
    Tokenizer tokenizer;
    FlagDesk desk;
    desk.pad = true;
    ASSERT_EQ(handle(tokenizer, kLetterDown, desk), Verdict::Suppress);
    ASSERT_TRUE(tokenizer.kept_held('J'));
    desk.flags = kStandAsideKeys;
    EXPECT_EQ(handle(tokenizer, event(RawKind::KeyUp, 'J'), desk), Verdict::Pass);
    EXPECT_FALSE(tokenizer.kept_held('J'));
    desk.flags = 0;
    desk.delivered.clear();
    EXPECT_EQ(handle(tokenizer, kLetterDown, desk), Verdict::Suppress);
    EXPECT_EQ(desk.delivered, std::vector<std::string>{"Tpyoil:key--74"});
}

} // namespace
} // namespace tv::hook
