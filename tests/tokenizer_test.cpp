// The input hook's tokenizer: raw events in, state-board tokens out.
#include "hook/tokenizer.h"

#include <gtest/gtest.h>

namespace tv::hook {
namespace {

RawEvent key(int vk, bool down, std::uint64_t t = 0)
{
    RawEvent e;
    e.kind = down ? RawKind::KeyDown : RawKind::KeyUp;
    e.vk = vk;
    e.time_ms = t;
    return e;
}

RawEvent button(RawButton b, bool down, int x = 10, int y = 20)
{
    RawEvent e;
    e.kind = down ? RawKind::ButtonDown : RawKind::ButtonUp;
    e.button = b;
    e.x = x;
    e.y = y;
    return e;
}

RawEvent wheel(int delta)
{
    RawEvent e;
    e.kind = RawKind::Wheel;
    e.wheel_delta = delta;
    return e;
}

RawEvent own(RawEvent e)
{
    e.own = true;
    return e;
}

// The tokens one sequence of events leaves, each "cell:token".
std::vector<std::string> tokens_of(const std::vector<RawEvent>& events, HookState state = {})
{
    Tokenizer t;
    std::vector<std::string> out;
    for (const RawEvent& e : events)
        for (const Delivery& d : t.feed(e, state).deliveries)
            out.push_back(std::string(cell_class(d.cell)) + ":" + d.token);
    return out;
}

struct Row {
    const char* what;
    std::vector<RawEvent> events;
    std::vector<std::string> tokens;
};

TEST(Tokenizer, MappingTable)
{
    const Row rows[] = {
        {"letter", {key('A', true), key('A', false)}, {"Tpyoil:key--65"}},
        {"digit and space", {key('7', true), key(32, true)}, {"Tpyoil:key--55", "Tpyoil:key--32"}},
        {"letter repeats while held", {key('B', true), key('B', true)}, {"Tpyoil:key--66", "Tpyoil:key--66"}},
        {"left Alt tap", {key(164, true), key(164, true), key(164, false)}, {"Tpyoil:18down", "Tpyoil:old--18up"}},
        {"generic Alt", {key(18, true), key(18, false)}, {"Tpyoil:18down", "Tpyoil:old--18up"}},
        {"right Alt tap", {key(165, true), key(165, false)}, {"Tpyoil:old--18..0", "Tpyoil:old--18..2"}},
        {"Windows key", {key(91, true), key(91, false), key(92, true)},
         {"Tpyoil:91down", "Tpyoil:old--91..2", "Tpyoil:91down"}},
        {"Shift", {key(160, true), key(160, true), key(160, false)}, {"Tpyoil:old--16down", "Tpyoil:old--16up"}},
        {"Caps Lock", {key(20, true), key(20, true), key(20, false)}, {"Tpyoil:old--20..0", "Tpyoil:old--20up"}},
        {"Enter", {key(13, true), key(13, false)}, {"Tpyoil:old--13..0", "Tpyoil:old--13..2"}},
        {"semicolon", {key(186, true), key(186, false)}, {"Tpyoil:old--186..0", "Tpyoil:old--186..2"}},
        {"Ctrl used with C is no tap", {key(162, true), key('C', true), key('C', false), key(162, false)},
         {"Tpyoil:key--67"}},
        {"wheel up", {wheel(120)}, {"TvykForm3:ystop wheel=///"}},
        {"wheel down", {wheel(-120)}, {"TvykForm3:ystop wheel=..."}},
        {"left click", {button(RawButton::Left, true, 5, 6), button(RawButton::Left, false)},
         {"TvykForm3:down/left//5,6", "Tescmenu:buttonup"}},
        {"right click", {button(RawButton::Right, true, -3, 900), button(RawButton::Right, false)},
         {"TvykForm3:down/right//-3,900", "TvykForm3:rightup", "Tescmenu:rbuttonup"}},
        {"middle click", {button(RawButton::Middle, true, 1, 2), button(RawButton::Middle, false)},
         {"TvykForm3:down/middle//1,2", "Tescmenu:buttonup", "TvykForm4:mkeyscroll"}},
        {"move", {RawEvent{}}, {}},
        {"Esc tap fills the latch once", {key(27, true), key(27, true), key(27, false)},
         {"Tpyoil:old--27..0", "TsrfForm:esc down", "Tpyoil:old--27..2"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(tokens_of(r.events), r.tokens);
    }
}

// A notch tells whether the user pressed the middle button since the last
// notch or other button press: an application may be scrolling by it.
TEST(Tokenizer, NotchAfterAMiddlePressSaysSo)
{
    const RawEvent middle = button(RawButton::Middle, true, 1, 2);
    const RawEvent middle_up = button(RawButton::Middle, false);
    const std::string pressed = "TvykForm3:down/middle//1,2";
    const std::vector<std::string> released = {"Tescmenu:buttonup", "TvykForm4:mkeyscroll"};
    const Row rows[] = {
        {"middle click then a notch up", {middle, middle_up, wheel(120)},
         {pressed, released[0], released[1], "TvykForm3:ystop wheel=///mdown"}},
        {"middle held and a notch down", {middle, wheel(-120)}, {pressed, "TvykForm3:ystop wheel=...mdown"}},
        {"only the first notch after it", {middle, wheel(-120), wheel(-120)},
         {pressed, "TvykForm3:ystop wheel=...mdown", "TvykForm3:ystop wheel=..."}},
        {"a left press between clears it", {middle, button(RawButton::Left, true, 5, 6), wheel(120)},
         {pressed, "TvykForm3:down/left//5,6", "TvykForm3:ystop wheel=///"}},
        {"a right press between clears it", {middle, button(RawButton::Right, true, 5, 6), wheel(120)},
         {pressed, "TvykForm3:down/right//5,6", "TvykForm3:ystop wheel=///"}},
        {"a middle press after a left press", {button(RawButton::Left, true, 5, 6), middle, wheel(120)},
         {"TvykForm3:down/left//5,6", pressed, "TvykForm3:ystop wheel=///mdown"}},
        {"keys and moves between keep it", {middle, key('A', true), RawEvent{}, wheel(120)},
         {pressed, "Tpyoil:key--65", "TvykForm3:ystop wheel=///mdown"}},
        {"the program's own middle click is not the user's",
         {own(middle), own(middle_up), wheel(120)}, {"TvykForm3:ystop wheel=///"}},
        {"the program's own notch leaves it for the user's",
         {middle, own(wheel(120)), wheel(120)}, {pressed, "TvykForm3:ystop wheel=///mdown"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(tokens_of(r.events), r.tokens);
    }
}

TEST(Tokenizer, DoubleCtrlTapGivesTwoDifferentTokens)
{
    // The key history keeps a value only when it differs from its top, so a
    // double tap must read as two different tokens and a slow second tap must not.
    EXPECT_EQ(tokens_of({key(162, true, 0), key(162, false, 50), key(162, true, 200), key(162, false, 250)}),
              (std::vector<std::string>{"Tpyoil:old--17up", "Tpyoil:old--17up2"}));
    EXPECT_EQ(tokens_of({key(17, true, 0), key(17, false, 50), key(17, true, 900), key(17, false, 950)}),
              (std::vector<std::string>{"Tpyoil:old--17up", "Tpyoil:old--17up"}));
    EXPECT_EQ(tokens_of({key(17, true, 0), key(17, false, 10), key(17, true, 20), key(17, false, 30),
                         key(17, true, 40), key(17, false, 50)}),
              (std::vector<std::string>{"Tpyoil:old--17up", "Tpyoil:old--17up2", "Tpyoil:old--17up"}))
        << "a third quick tap starts a new pair";
}

TEST(Tokenizer, OwnSyntheticInputGivesNoTokenAndPasses)
{
    Tokenizer t;
    for (RawEvent e : {key(17, true), key('V', true), key('V', false), key(17, false), key(27, true), wheel(120),
                       button(RawButton::Right, true), button(RawButton::Right, false)}) {
        e.own = true;
        const Output out = t.feed(e, HookState{true});
        EXPECT_TRUE(out.deliveries.empty());
        EXPECT_EQ(out.verdict, Verdict::Pass);
    }
}

TEST(Tokenizer, RightButtonIsSuppressedWhileTheWheelModeOwnsIt)
{
    Tokenizer t;
    EXPECT_EQ(t.feed(button(RawButton::Right, true), HookState{true}).verdict, Verdict::Suppress);
    EXPECT_EQ(t.feed(button(RawButton::Right, false), HookState{false}).verdict, Verdict::Suppress)
        << "the release follows its press";
    EXPECT_EQ(t.feed(button(RawButton::Right, true), HookState{false}).verdict, Verdict::Pass);
    EXPECT_EQ(t.feed(button(RawButton::Right, false), HookState{true}).verdict, Verdict::Pass);
    EXPECT_EQ(t.feed(button(RawButton::Left, true), HookState{true}).verdict, Verdict::Pass);
    EXPECT_EQ(t.feed(key('A', true), HookState{true}).verdict, Verdict::Pass);
}

TEST(Tokenizer, OddKeyCodesGiveAtMostOneKeyTokenEach)
{
    // Codes outside 0-255 come from garbage input: they never index past the
    // held-keys table (the sanitizer build checks) and stay key events.
    Tokenizer t;
    for (int vk : {0, 255, 256, -1, 0x7FFFFFFF}) {
        for (bool down : {true, false}) {
            const Output out = t.feed(key(vk, down), {});
            ASSERT_LE(out.deliveries.size(), 1u) << vk;
            for (const Delivery& d : out.deliveries)
                EXPECT_EQ(d.cell, Cell::Pyoil) << vk;
            EXPECT_EQ(out.verdict, Verdict::Pass) << vk;
        }
    }
}

// ---- the keyboard mouse pad keeps its keys from the applications ----

constexpr HookState kPadOpen{false, true};
constexpr HookState kPadClosed{};

RawEvent injected(RawEvent e)
{
    e.injected = true;
    return e;
}

// One key's press and release, with the pad open or closed the whole time.
struct KeptKeyCase {
    const char* what;
    int vk;
    bool pad_open;
    Verdict verdict; // of the press and of the release
};

void PrintTo(const KeptKeyCase& c, std::ostream* os) { *os << c.what << (c.pad_open ? ", pad open" : ", pad closed"); }

class KeptKey : public ::testing::TestWithParam<KeptKeyCase> {};

TEST_P(KeptKey, PressAndReleaseShareOneVerdictAndTheTokensDoNotChange)
{
    const KeptKeyCase& c = GetParam();
    const HookState state = c.pad_open ? kPadOpen : kPadClosed;
    Tokenizer t, reference;
    for (bool down : {true, true, false}) { // press, auto-repeat, release
        SCOPED_TRACE(down ? "down" : "up");
        const Output out = t.feed(key(c.vk, down), state);
        EXPECT_EQ(out.verdict, c.verdict);
        EXPECT_EQ(out.deliveries, reference.feed(key(c.vk, down), kPadClosed).deliveries);
        EXPECT_EQ(t.kept_held(c.vk), down && c.verdict == Verdict::Suppress);
    }
}

constexpr auto kKeep = Verdict::Suppress;
constexpr auto kPass = Verdict::Pass;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeptKey,
    ::testing::Values(KeptKeyCase{"J", 'J', true, kKeep}, KeptKeyCase{"J", 'J', false, kPass},
                      KeptKeyCase{"A", 'A', true, kKeep}, KeptKeyCase{"Z", 'Z', true, kKeep},
                      KeptKeyCase{"N", 'N', true, kKeep}, KeptKeyCase{"Space", 32, true, kKeep},
                      KeptKeyCase{"Space", 32, false, kPass}, KeptKeyCase{"semicolon", 186, true, kKeep},
                      KeptKeyCase{"semicolon", 186, false, kPass}, KeptKeyCase{"digit 5", '5', true, kPass},
                      KeptKeyCase{"Caps Lock", 20, true, kPass}, KeptKeyCase{"Left arrow", 37, true, kPass},
                      KeptKeyCase{"Down arrow", 40, true, kPass}, KeptKeyCase{"F1", 112, true, kPass},
                      KeptKeyCase{"left Shift", 160, true, kPass}, KeptKeyCase{"Enter", 13, true, kPass},
                      KeptKeyCase{"Esc", 27, true, kPass}, KeptKeyCase{"left Ctrl", 162, true, kPass},
                      KeptKeyCase{"comma", 188, true, kPass}, KeptKeyCase{"'@' below A", 64, true, kPass},
                      KeptKeyCase{"'[' above Z", 91, true, kPass}));

// A sequence of key events, each with the pad's state when it happens.
struct PadStep {
    RawEvent event;
    bool pad_open;
    Verdict verdict;
    bool kept_held_after; // of the event's key
};

struct PadRow {
    const char* what;
    std::vector<PadStep> steps;
};

TEST(Tokenizer, AReleaseIsKeptOnlyWhenNoPressOfItsHoldPassed)
{
    const PadRow rows[] = {
        {"held across the opening: the application saw it go down, so it sees it go up",
         {{key('J', true), false, kPass, false}, {key('J', true), true, kKeep, false}, {key('J', false), true, kPass, false}}},
        {"held across the closing: the next press passes, and so does the release",
         {{key('J', true), true, kKeep, true}, {key('J', true), false, kPass, false}, {key('J', false), false, kPass, false}}},
        {"released after the closing without a press between: the release stays kept",
         {{key('N', true), true, kKeep, true}, {key('N', false), false, kKeep, false}}},
        {"a release without a press the hook saw passes",
         {{key('J', false), true, kPass, false}}},
        {"a new hold after a kept one starts afresh",
         {{key('J', true), true, kKeep, true}, {key('J', false), true, kKeep, false},
          {key('J', true), false, kPass, false}, {key('J', false), false, kPass, false},
          {key('J', true), true, kKeep, true}}},
        {"keys a program sends pass",
         {{injected(key('J', true)), true, kPass, false}, {injected(key('J', false)), true, kPass, false},
          {own(key(32, true)), true, kPass, false}, {own(key(32, false)), true, kPass, false}}},
        {"one key kept, another passing, at once",
         {{key('J', true), true, kKeep, true}, {key(37, true), true, kPass, false},
          {key(37, false), true, kPass, false}, {key('J', false), true, kKeep, false}}},
    };
    for (const PadRow& r : rows) {
        SCOPED_TRACE(r.what);
        Tokenizer t;
        for (std::size_t i = 0; i < r.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            const PadStep& s = r.steps[i];
            EXPECT_EQ(t.feed(s.event, s.pad_open ? kPadOpen : kPadClosed).verdict, s.verdict);
            EXPECT_EQ(t.kept_held(s.event.vk), s.kept_held_after);
        }
    }
}

TEST(Tokenizer, InjectedKeysStillGiveTheUsersTokens)
{
    // Another program's keys (an on-screen keyboard) are the user's: only the
    // program's own give no token.
    EXPECT_EQ(tokens_of({injected(key('J', true)), injected(key(37, true))}, kPadOpen),
              (std::vector<std::string>{"Tpyoil:key--74", "Tpyoil:old--37..0"}));
}

} // namespace
} // namespace tv::hook
