// The hook's key maps: which keys the program's key flags turn into candidate
// keys or editing keys, what is sent in their place, and the tokens of each.
#include "hook/hook_contract.h"
#include "hook/tokenizer.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tv::hook {
namespace {

RawEvent key(int vk, bool down)
{
    RawEvent e;
    e.kind = down ? RawKind::KeyDown : RawKind::KeyUp;
    e.vk = vk;
    return e;
}

// "v" a press, "^" a release; `sends` as "v34 ^34".
struct Trace {
    std::vector<std::string> tokens;
    std::vector<std::string> verdicts; // "pass"/"keep" per event
    std::string sends;
};

Trace run(const std::vector<RawEvent>& events, HookState state)
{
    Tokenizer t;
    Trace trace;
    for (const RawEvent& e : events) {
        const Output out = t.feed(e, state);
        for (const Delivery& d : out.deliveries)
            trace.tokens.push_back(std::string(cell_class(d.cell)) == "Tpyoil" ? d.token
                                                                               : std::string(cell_class(d.cell)) + ":" + d.token);
        trace.verdicts.push_back(out.verdict == Verdict::Pass ? "pass" : "keep");
        for (const Stroke& s : out.sends)
            trace.sends += (trace.sends.empty() ? "" : " ") + std::string(s.down ? "v" : "^") + std::to_string(s.vk);
    }
    return trace;
}

std::vector<RawEvent> tap(int vk) { return {key(vk, true), key(vk, false)}; }

constexpr int kSelection = kSelectionKeys | kInputMethodActive;

struct MapCase {
    const char* what;
    int flags;
    bool pad_open;
    int vk;
    std::vector<std::string> tokens; // of a press and its release
    std::vector<std::string> verdicts;
    std::string sends;
};

void PrintTo(const MapCase& c, std::ostream* os)
{
    *os << c.what << " (flags " << c.flags << (c.pad_open ? ", pad open" : "") << ")";
}

class KeyMaps : public ::testing::TestWithParam<MapCase> {};

TEST_P(KeyMaps, OneTapGivesItsTokensVerdictsAndKeys)
{
    const MapCase& c = GetParam();
    const Trace t = run(tap(c.vk), HookState{false, c.pad_open, c.flags});
    EXPECT_EQ(t.tokens, c.tokens);
    EXPECT_EQ(t.verdicts, c.verdicts);
    EXPECT_EQ(t.sends, c.sends);
}

const std::vector<std::string> kKept{"keep", "keep"};
const std::vector<std::string> kPassed{"pass", "pass"};

INSTANTIATE_TEST_SUITE_P(
    Selection, KeyMaps,
    ::testing::Values(MapCase{"A is candidate 1", kSelection, false, 'A', {"key--49", "old--wr"}, kKept, "v49 ^49"},
                      MapCase{"G is candidate 5", kSelection, false, 'G', {"key--53", "old--wr"}, kKept, "v53 ^53"},
                      MapCase{"Q is candidate 6", kSelection, false, 'Q', {"key--54", "old--wr"}, kKept, "v54 ^54"},
                      MapCase{"T is candidate 0", kSelection, false, 'T', {"key--48", "old--wr"}, kKept, "v48 ^48"},
                      MapCase{"H deletes back", kSelection, false, 'H', {"key--72"}, kKept, "v8 ^8"},
                      MapCase{"J pages down", kSelection, false, 'J', {"key--74"}, kKept, "v34 ^34"},
                      MapCase{"U pages up", kSelection, false, 'U', {"key--85"}, kKept, "v33 ^33"},
                      MapCase{"L is left", kSelection, false, 'L', {"key--76"}, kKept, "v37 ^37"},
                      MapCase{"M is left", kSelection, false, 'M', {"key--77"}, kKept, "v37 ^37"},
                      MapCase{"; is right", kSelection, false, 186, {"key--ttkeep", "key--baup"}, kKept, "v39 ^39"},
                      MapCase{"N goes back", kSelection, false, 'N', {"old--78..0"}, kKept, ""},
                      MapCase{"Enter is the program's", kSelection, false, 13, {"old--keepok"}, kKept, ""},
                      MapCase{"Space passes", kSelection, false, 32, {"key--wr32", "old--32..2"}, kPassed, ""},
                      MapCase{"B types", kSelection, false, 'B', {"key--66"}, kPassed, ""},
                      MapCase{"digit types", kSelection, false, '3', {"key--51"}, kPassed, ""},
                      MapCase{"the pad wins", kSelection, true, 'A', {"key--65"}, kKept, ""},
                      MapCase{"without an input method too", kSelectionKeys, false, 'S', {"key--50", "old--wr"}, kKept,
                              "v50 ^50"}));

INSTANTIATE_TEST_SUITE_P(
    Editing, KeyMaps,
    ::testing::Values(MapCase{"N leaves", kEditingKeys, false, 'N', {"old--78ret"}, kKept, ""},
                      MapCase{"H deletes back", kEditingKeys, false, 'H', {"old--8..0", "old--xx"}, kKept, "v8 ^8"},
                      MapCase{"J pages down", kEditingKeys, false, 'J', {"old--34..0", "old--xx"}, kKept, "v34 ^34"},
                      MapCase{"U pages up", kEditingKeys, false, 'U', {"old--33..0", "old--xx"}, kKept, "v33 ^33"},
                      MapCase{"I is up", kEditingKeys, false, 'I', {"old--38..0", "old--xx"}, kKept, "v38 ^38"},
                      MapCase{"K is down", kEditingKeys, false, 'K', {"old--40..0", "old--xx"}, kKept, "v40 ^40"},
                      MapCase{"L is left", kEditingKeys, false, 'L', {"old--37..0", "old--xx"}, kKept, "v37 ^37"},
                      MapCase{"; is right", kEditingKeys, false, 186, {"key--kx186", "old--xx"}, kKept, "v39 ^39"},
                      MapCase{"B toggles Shift on its release", kEditingKeys, false, 'B', {"key--shiftdown"}, kKept, ""},
                      MapCase{"C copies", kEditingKeys, false, 'C', {"key--ctrlc"}, kKept, ""},
                      MapCase{"V pastes", kEditingKeys, false, 'V', {"key--ctrlv"}, kKept, ""},
                      MapCase{"X cuts", kEditingKeys, false, 'X', {"key--ctrlx"}, kKept, ""},
                      MapCase{"Z undoes", kEditingKeys, false, 'Z', {"key--ctrlz"}, kKept, ""},
                      MapCase{"A types", kEditingKeys, false, 'A', {"key--65"}, kPassed, ""},
                      MapCase{"Enter is Enter", kEditingKeys, false, 13, {"old--13..0", "old--13..2"}, kPassed, ""},
                      MapCase{"the pad wins", kEditingKeys, true, 'J', {"key--74"}, kKept, ""},
                      MapCase{"selection first", kEditingKeys | kSelection, false, 'H', {"key--72"}, kKept, "v8 ^8"},
                      MapCase{"then editing", kEditingKeys | kSelection, false, 'K', {"old--40..0", "old--xx"}, kKept,
                              "v40 ^40"}));

INSTANTIATE_TEST_SUITE_P(
    Normal, KeyMaps,
    ::testing::Values(MapCase{"no flags: A", 0, false, 'A', {"key--65"}, kPassed, ""},
                      MapCase{"no flags: ;", 0, false, 186, {"old--186..0", "old--186..2"}, kPassed, ""},
                      MapCase{"no flags: Space", 0, false, 32, {"key--32"}, kPassed, ""},
                      MapCase{"no flags: Windows key", 0, false, 91, {"91down", "old--91..2"}, kPassed, ""},
                      MapCase{"no flags: right Windows key", 0, false, 92, {"91down", "old--91..2"}, kPassed, ""},
                      MapCase{"input method: ;", kInputMethodActive, false, 186, {"key--ttkeep", "key--baup"}, kPassed,
                              ""},
                      MapCase{"input method: Space", kInputMethodActive, false, 32, {"key--32", "old--32..2"}, kPassed,
                              ""},
                      MapCase{"input method: A", kInputMethodActive, false, 'A', {"key--65"}, kPassed, ""},
                      MapCase{"input method: Esc", kInputMethodActive, false, 27,
                              {"old--qq", "TsrfForm:esc down", "old--27..2"}, kPassed, ""},
                      MapCase{"input method, pad open: ;", kInputMethodActive, true, 186, {"old--186..0", "old--186..2"},
                              kKept, ""},
                      MapCase{"input method, pad open: Space", kInputMethodActive, true, 32, {"key--32"}, kKept, ""}));

// Sequences across several keys: what the key history and its readers need.
struct SequenceRow {
    const char* what;
    int flags;
    std::vector<RawEvent> events;
    std::vector<std::string> tokens;
    std::string sends;
};

TEST(HookKeys, Sequences)
{
    const SequenceRow rows[] = {
        {"; twice in an input method: baup and ttkeep alternate however short the taps",
         kInputMethodActive,
         {key(186, true), key(186, false), key(186, true), key(186, false)},
         {"key--ttkeep", "key--baup", "key--ttkeep", "key--baup"},
         ""},
        {"Caps Lock twice: a press token parts the two releases",
         0,
         {key(20, true), key(20, false), key(20, true), key(20, false)},
         {"old--20..0", "old--20up", "old--20..0", "old--20up"},
         ""},
        {"Shift and Caps Lock name the picker; Caps Lock is kept and gives no token",
         0,
         {key(160, true), key(20, true), key(20, false), key(160, false)},
         {"old--16down", "key--show ime"},
         ""},
        {"the picker with Caps Lock let go last",
         kEditingKeys,
         {key(161, true), key(20, true), key(161, false), key(20, false)},
         {"old--16down", "key--show ime"},
         ""},
        {"a Shift tap alone stays a Shift tap",
         0,
         {key(160, true), key(160, false), key(20, true), key(20, false)},
         {"old--16down", "old--16up", "old--20..0", "old--20up"},
         ""},
        {"Shift+Enter in an input method",
         kInputMethodActive,
         {key(160, true), key(13, true), key(13, false), key(160, false)},
         {"old--16down", "old--13..0", "old--retxx", "old--16up"},
         ""},
        {"Shift+Enter without an input method",
         0,
         {key(160, true), key(13, true), key(13, false), key(160, false)},
         {"old--16down", "old--13..0", "old--13..2", "old--16up"},
         ""},
        {"a held editing key repeats its key",
         kEditingKeys,
         {key('K', true), key('K', true), key('K', true), key('K', false)},
         {"old--40..0", "old--40..0", "old--40..0", "old--xx"},
         "v40 ^40 v40 ^40 v40 ^40"},
        {"the user's own Shift goes with the editing keys",
         kEditingKeys,
         {key(160, true), key('L', true), key('L', false), key(160, false)},
         {"old--16down", "old--37..0", "old--xx", "old--16up"},
         "v37 ^37"},
    };
    for (const SequenceRow& r : rows) {
        SCOPED_TRACE(r.what);
        const Trace t = run(r.events, HookState{false, false, r.flags});
        EXPECT_EQ(t.tokens, r.tokens);
        EXPECT_EQ(t.sends, r.sends);
    }
}

// A key keeps its press's verdict for its whole hold: a mode switched on while
// it is held does not take it (the application saw it go down), and a key the
// map took stays taken after the mode is off, until it is released.
TEST(HookKeys, AHoldKeepsItsPressesVerdict)
{
    struct Step {
        RawEvent event;
        int flags;
        Verdict verdict;
        bool kept_held_after;
        std::string sends;
    };
    struct Row {
        const char* what;
        std::vector<Step> steps;
    };
    const Verdict pass = Verdict::Pass, keep = Verdict::Suppress;
    const Row rows[] = {
        {"held before the edit keyboard came on",
         {{key('J', true), 0, pass, false, ""}, {key('J', true), kEditingKeys, pass, false, ""},
          {key('J', false), kEditingKeys, pass, false, ""}, {key('J', true), kEditingKeys, keep, true, "v34 ^34"}}},
        {"taken, then the mode went off",
         {{key('J', true), kEditingKeys, keep, true, "v34 ^34"}, {key('J', false), 0, keep, false, ""},
          {key('J', true), 0, pass, false, ""}}},
        {"the program's own keys are never taken",
         {{[] { RawEvent e = key('J', true); e.own = e.injected = true; return e; }(), kEditingKeys, pass, false, ""}}},
        {"another program's keys are not taken",
         {{[] { RawEvent e = key('J', true); e.injected = true; return e; }(), kEditingKeys, pass, false, ""}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Tokenizer t;
        for (std::size_t i = 0; i < r.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            const Step& s = r.steps[i];
            const Output out = t.feed(s.event, HookState{false, false, s.flags});
            EXPECT_EQ(out.verdict, s.verdict);
            EXPECT_EQ(t.kept_held(s.event.vk), s.kept_held_after);
            std::string sends;
            for (const Stroke& k : out.sends)
                sends += (sends.empty() ? "" : " ") + std::string(k.down ? "v" : "^") + std::to_string(k.vk);
            EXPECT_EQ(sends, s.sends);
        }
    }
}

// The contract reads the key flags for key events and the left press only,
// and hands the keys sent instead to the desk after the tokens.
class FlagsDesk final : public HookDesk {
public:
    int flags = kEditingKeys;
    int flag_reads = 0;
    std::vector<std::string> log;

    std::string state_caption() override { return {}; }
    void deliver(Cell, std::string_view token) override { log.push_back(std::string(token)); }
    bool pad_open() override { return false; }
    int key_flags() override
    {
        ++flag_reads;
        return flags;
    }
    void send_keys(const std::vector<Stroke>& strokes) override
    {
        for (const Stroke& k : strokes)
            log.push_back((k.down ? "v" : "^") + std::to_string(k.vk));
    }
};

TEST(HookKeys, TheContractReadsTheFlagsAndSendsTheKeys)
{
    struct Row {
        const char* what;
        RawEvent event;
        int flag_reads;
        std::vector<std::string> log;
        Verdict verdict;
    };
    RawEvent left;
    left.kind = RawKind::ButtonDown;
    left.button = RawButton::Left;
    RawEvent right = left;
    right.button = RawButton::Right;
    RawEvent wheel;
    wheel.kind = RawKind::Wheel;
    wheel.wheel_delta = 120;
    const Row rows[] = {
        {"an editing key", key('K', true), 1, {"old--40..0", "v40", "^40"}, Verdict::Suppress},
        {"a left press ends the edit keyboard", left, 1, {"old--ret", "down/left//0,0"}, Verdict::Pass},
        {"a right press does not read them", right, 0, {"down/right//0,0"}, Verdict::Pass},
        {"a notch does not read them", wheel, 0, {"ystop wheel=///"}, Verdict::Pass},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Tokenizer t;
        FlagsDesk desk;
        EXPECT_EQ(handle(t, r.event, desk), r.verdict);
        EXPECT_EQ(desk.flag_reads, r.flag_reads);
        EXPECT_EQ(desk.log, r.log);
    }
}

} // namespace
} // namespace tv::hook
