// The hook contract: the state caption decides the right button's verdict, and
// every token reaches the window of its cell.
#include "hook/hook_contract.h"

#include <gtest/gtest.h>

namespace tv::hook {
namespace {

// A desk whose state caption a test sets, and which records each delivery as
// "window class:token".
class FakeDesk final : public HookDesk {
public:
    std::string caption;
    bool pad = false;
    std::vector<std::string> delivered;
    int state_reads = 0;
    int pad_reads = 0;

    std::string state_caption() override
    {
        ++state_reads;
        return caption;
    }
    void deliver(Cell cell, std::string_view token) override
    {
        delivered.push_back(std::string(cell_class(cell)) + ":" + std::string(token));
    }
    bool pad_open() override
    {
        ++pad_reads;
        return pad;
    }
};

RawEvent button(RawButton b, RawKind kind, int x = 10, int y = 20)
{
    RawEvent e;
    e.kind = kind;
    e.button = b;
    e.x = x;
    e.y = y;
    return e;
}

RawEvent press(RawButton b) { return button(b, RawKind::ButtonDown); }
RawEvent release(RawButton b) { return button(b, RawKind::ButtonUp); }

RawEvent key(int vk, RawKind kind)
{
    RawEvent e;
    e.kind = kind;
    e.vk = vk;
    return e;
}

RawEvent own(RawEvent e)
{
    e.own = true;
    return e;
}

// One event, with the caption the state window has when it happens.
struct Step {
    std::string caption;
    RawEvent event;
    Verdict verdict;
};

struct Row {
    const char* what;
    std::vector<Step> steps;
    std::vector<std::string> delivered;
};

constexpr auto kPass = Verdict::Pass;
constexpr auto kSuppress = Verdict::Suppress;
constexpr auto kRight = RawButton::Right;

TEST(HookContract, StateCaptionDecidesTheRightButtonAndTokensReachTheirCells)
{
    const std::vector<std::string> right_click = {"TvykForm3:down/right//10,20", "TvykForm3:rightup",
                                                  "Tescmenu:rbuttonup"};
    const Row rows[] = {
        {"myright keeps the press and its release",
         {{"myright", press(kRight), kSuppress}, {"myright", release(kRight), kSuppress}},
         right_click},
        {"xx myright lets them pass", {{"xx myright", press(kRight), kPass}, {"xx myright", release(kRight), kPass}},
         right_click},
        {"no state window", {{"", press(kRight), kPass}, {"", release(kRight), kPass}}, right_click},
        {"a longer caption", {{"myright ", press(kRight), kPass}, {"myright ", release(kRight), kPass}}, right_click},
        {"another case", {{"MyRight", press(kRight), kPass}, {"MyRight", release(kRight), kPass}}, right_click},
        {"a shorter caption", {{"myrigh", press(kRight), kPass}, {"myrigh", release(kRight), kPass}}, right_click},
        {"the release follows its press when the state changes between",
         {{"myright", press(kRight), kSuppress}, {"xx myright", release(kRight), kSuppress},
          {"xx myright", press(kRight), kPass}, {"myright", release(kRight), kPass}},
         {right_click[0], right_click[1], right_click[2], right_click[0], right_click[1], right_click[2]}},
        {"left and middle buttons pass under myright",
         {{"myright", press(RawButton::Left), kPass}, {"myright", release(RawButton::Left), kPass},
          {"myright", press(RawButton::Middle), kPass}, {"myright", release(RawButton::Middle), kPass}},
         {"TvykForm3:down/left//10,20", "Tescmenu:buttonup", "TvykForm3:down/middle//10,20", "Tescmenu:buttonup",
          "TvykForm4:mkeyscroll"}},
        {"keys reach pyoil",
         {{"myright", key('A', RawKind::KeyDown), kPass}, {"myright", key(13, RawKind::KeyUp), kPass}},
         {"Tpyoil:key--65", "Tpyoil:old--13..2"}},
        {"an Esc press also reaches the latch",
         {{"myright", key(27, RawKind::KeyDown), kPass}, {"myright", key(27, RawKind::KeyUp), kPass}},
         {"Tpyoil:old--27..0", "TsrfForm:esc down", "Tpyoil:old--27..2"}},
        {"the program's own right click passes and delivers nothing",
         {{"myright", own(press(kRight)), kPass}, {"myright", own(release(kRight)), kPass}},
         {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Tokenizer tokenizer;
        FakeDesk desk;
        for (std::size_t i = 0; i < r.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            desk.caption = r.steps[i].caption;
            EXPECT_EQ(handle(tokenizer, r.steps[i].event, desk), r.steps[i].verdict);
        }
        EXPECT_EQ(desk.delivered, r.delivered);
    }
}

// The hook pays for a window lookup only where the verdict depends on it,
// and reads the pad flag only for keys.
TEST(HookContract, OnlyRightButtonEventsReadTheState)
{
    struct Case {
        const char* what;
        RawEvent event;
        int reads;
        int pad_reads = 0;
    };
    RawEvent wheel;
    wheel.kind = RawKind::Wheel;
    wheel.wheel_delta = 120;
    const Case cases[] = {
        {"key down", key('A', RawKind::KeyDown), 0, 1},
        {"key up", key('A', RawKind::KeyUp), 0, 1},
        {"move", RawEvent{}, 0},
        {"wheel", wheel, 0},
        {"left press", press(RawButton::Left), 0},
        {"middle release", release(RawButton::Middle), 0},
        {"right press", press(kRight), 1},
        {"right release", release(kRight), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Tokenizer tokenizer;
        FakeDesk desk;
        desk.caption = "myright";
        handle(tokenizer, c.event, desk);
        EXPECT_EQ(desk.state_reads, c.reads);
        EXPECT_EQ(desk.pad_reads, c.pad_reads);
    }
}

// The pad flag decides the pad keys' verdict; the tokens reach their cell
// whatever it says.
TEST(HookContract, PadFlagKeepsThePadsKeysAndTheirTokensStillArrive)
{
    struct PadStep {
        bool pad;
        RawEvent event;
        Verdict verdict;
    };
    struct PadRow {
        const char* what;
        std::vector<PadStep> steps;
        std::vector<std::string> delivered;
    };
    const PadRow rows[] = {
        {"J with the pad open",
         {{true, key('J', RawKind::KeyDown), kSuppress}, {true, key('J', RawKind::KeyUp), kSuppress}},
         {"Tpyoil:key--74"}},
        {"J with the pad closed",
         {{false, key('J', RawKind::KeyDown), kPass}, {false, key('J', RawKind::KeyUp), kPass}},
         {"Tpyoil:key--74"}},
        {"semicolon with the pad open",
         {{true, key(186, RawKind::KeyDown), kSuppress}, {true, key(186, RawKind::KeyUp), kSuppress}},
         {"Tpyoil:old--186..0", "Tpyoil:old--186..2"}},
        {"Caps Lock closing the pad passes",
         {{true, key(20, RawKind::KeyDown), kPass}, {false, key(20, RawKind::KeyUp), kPass}},
         {"Tpyoil:old--20..0", "Tpyoil:old--20up"}},
        {"the program's own Enter passes and delivers nothing",
         {{true, own(key(13, RawKind::KeyDown)), kPass}, {true, own(key(13, RawKind::KeyUp)), kPass}},
         {}},
        {"buttons pass with the pad open",
         {{true, press(RawButton::Left), kPass}, {true, release(RawButton::Left), kPass}},
         {"TvykForm3:down/left//10,20", "Tescmenu:buttonup"}},
    };
    for (const PadRow& r : rows) {
        SCOPED_TRACE(r.what);
        Tokenizer tokenizer;
        FakeDesk desk;
        for (std::size_t i = 0; i < r.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            desk.pad = r.steps[i].pad;
            EXPECT_EQ(handle(tokenizer, r.steps[i].event, desk), r.steps[i].verdict);
        }
        EXPECT_EQ(desk.delivered, r.delivered);
    }
}

TEST(HookContract, StateFromCaption)
{
    const std::pair<const char*, bool> cases[] = {
        {"myright", true}, {"xx myright", false}, {"", false}, {"myright ", false}, {"Myright", false}, {"my", false},
    };
    for (const auto& [caption, owned] : cases)
        EXPECT_EQ(state_from_caption(caption).right_button_owned, owned) << '"' << caption << '"';
}

} // namespace
} // namespace tv::hook
