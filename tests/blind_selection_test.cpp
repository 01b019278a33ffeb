// Blind candidate selection on the simulated desktop, with a fake Chinese input
// method in front: its state machine transition by transition, ; twice, the
// Shift taps with and without the Unispim status window, the key history's
// bound, learning a composition class, the screen search over the real screen,
// the end of a composition, and what the input hook reads (the state mirror
// and the "close"/"open" cell).
#include "random_desktop.h"
#include "sim_app.h"

#include "board/imemess.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/modeform.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "mouse/ime_window_search.h"
#include "platform/keys.h"

#include <ostream>

namespace tv::test {
namespace {

constexpr KeyboardLayout kEnglish = 0x04090409;
constexpr KeyboardLayout kPinyin3 = 0xE0040804;
constexpr KeyboardLayout kPinyin2 = 0xE0010804;
constexpr KeyboardLayout kOther = 0xE0220804;
constexpr KeyboardLayout kOdd = 0xE0330804;
constexpr KeyboardLayout kNotInstalled = 0xE0990804;

const std::string kPinyin3Name = "微软拼音输入法 3.0 版";
const std::string kPinyin3Class = "MSPY Component";

const std::vector<std::string> kCtrlSpace = {"key 17 down", "key 32 down", "key 32 up", "key 17 up"};
const std::vector<std::string> kEnter = {"key 13 down", "key 13 up"};
const std::vector<std::string> kSpace = {"key 32 down", "key 32 up"};
const std::vector<std::string> kShiftTap = {"key 16 down", "key 16 up"};
const std::vector<std::string> kNone = {};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class BlindSelectionApp : public SimApp {
protected:
    void SetUp() override
    {
        desk.installed_layouts = {{kEnglish, false, "", ""},
                                  {kPinyin3, true, kPinyin3Name, "PINTLGNT.IME"},
                                  {kPinyin2, true, "微软拼音输入法 2.0 版", "PINTLGNT.IME"},
                                  {kOther, true, "某某输入法", "OTHER.IME"},
                                  {kOdd, true, std::string("\xff\x01\x81", 3) + "输入法\x80", "ODD.IME"}};
        notepad = desk.add_window("Notepad", "无标题 - 记事本", Rect::from_size(100, 120, 400, 300));
        desk.set_window_layout(notepad, kPinyin3);
        start();
        desk.advance(200); // start-up completion puts the pointer on the options form
        desk.user_move({900, 700});
        desk.advance(2600); // the pointer still for two seconds
        desk.set_foreground(notepad);
        tick();
        tick();
        desk.clear_input_log();
    }
    void tick() { desk.advance(50); }
    void put(std::string_view token) { set_caption("Tpyoil", token); }
    std::string cell() const { return caption("Tpyoil"); }
    // The blind state: the mirror the next tick writes before its rules.
    int state()
    {
        tick();
        return std::stoi(app->kxm().Panel17.text());
    }
    void hold(int vk) { desk.user_key(vk, KeyAction::Down); }
    void release(int vk) { desk.user_key(vk, KeyAction::Up); }
    std::vector<std::string> history() const { return app->kxm().ListBox1.items(); }
    void set_history(std::vector<std::string> items)
    {
        app->kxm().ListBox1.set_items(items);
        app->inputmode().ListBox4.set_items(std::move(items));
    }
    std::vector<std::string> keys() const
    {
        std::vector<std::string> out;
        for (const auto& r : desk.input_log())
            if (r.kind == sim::InputRecord::Kind::Key)
                out.push_back(r.describe().substr(0, r.describe().find(" at ")));
        return out;
    }
    void use_layout(KeyboardLayout layout)
    {
        desk.set_window_layout(notepad, layout);
        tick();
        tick();
        tick();
    }
    // A key token with its key held for one tick, then released.
    void tap(int vk, std::string_view token)
    {
        hold(vk);
        put(token);
        tick();
        release(vk);
    }
    // Brings the state machine to `s` by the user's own keys.
    void enter(int s)
    {
        if (s == 1)
            tap(vk::kSpace, "key--32");
        else if (s == 2)
            put("old--32..2"), tick();
        else if (s == 101)
            tap('L', "key--76");
        else if (s == 102)
            tap('M', "key--77");
        ASSERT_EQ(state(), s);
        desk.clear_input_log();
    }

    Hwnd notepad = 0;
};

// ---- the state machine ----

struct TransitionCase {
    const char* name;
    KeyboardLayout layout;           // in front during the tick
    int from;                        // reached by the user's keys first
    std::vector<int> held;           // keys down during the tick
    std::vector<std::string> older;  // history entries below the cell, newest first
    std::string token;               // the keyboard-event cell
    int to;
    std::vector<std::string> sent;   // the program's keys
    std::string cell_after;
    bool consumed;                   // history entries 0-3 marked "old--cc1" .. "old--cc4"
};

void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.name; }

class Transition : public BlindSelectionApp, public ::testing::WithParamInterface<TransitionCase> {};

TEST_P(Transition, StateKeysAndCell)
{
    const TransitionCase& c = GetParam();
    enter(c.from);
    desk.set_window_layout(notepad, c.layout);
    put("old--x");
    tick(); // the name follows the layout in front
    desk.clear_input_log();
    for (int vk : c.held)
        hold(vk);
    set_history(c.older);
    put(c.token);
    tick();
    EXPECT_EQ(keys(), c.sent);
    EXPECT_EQ(cell(), c.cell_after);
    const std::vector<std::string> marks = {"old--cc1", "old--cc2", "old--cc3", "old--cc4"};
    const std::vector<std::string> h = history();
    EXPECT_EQ(h.size() >= 4 && std::vector<std::string>(h.begin(), h.begin() + 4) == marks, c.consumed);
    for (int vk : c.held)
        release(vk);
    EXPECT_EQ(state(), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Transition,
    ::testing::Values(
        TransitionCase{"SpaceWithKeyTokenOpens", kPinyin3, 0, {vk::kSpace}, {}, "key--32", 1, kNone, "key--keep", false},
        TransitionCase{"SpaceReleaseTokenOpensBySpace", kPinyin3, 0, {}, {}, "old--32..2", 2, kSpace, "old--qqpy", false},
        TransitionCase{"SpaceReleaseTokenOnVersion2AlsoEnters", kPinyin2, 0, {}, {}, "old--32..2", 2, kSpace + kEnter,
                       "old--qqpy", false},
        TransitionCase{"SpacePressTokenDoesNothing", kPinyin3, 0, {}, {}, "old--32..0", 0, kNone, "old--", false},
        TransitionCase{"SpaceTokenAfterOpeningCloses", kPinyin3, 2, {}, {"old--qqpy"}, "old--32..2", 0, kNone,
                       "old--qqxxpy", false},
        TransitionCase{"SemicolonTwiceLatches", kPinyin3, 0, {}, {"key--ttkeep", "key--baup", "key--ttkeep"},
                       "key--baup", 101, kEnter, "key--baup", false},
        TransitionCase{"LHeldLatches", kPinyin3, 0, {'L'}, {}, "key--76", 101, kNone, "key--newch", false},
        TransitionCase{"MHeldLatches", kPinyin3, 101, {'M'}, {}, "key--77", 102, {"key 37 down", "key 37 up"},
                       "key--newch", false},
        TransitionCase{"SpaceLeavesTheLatch", kPinyin3, 101, {vk::kSpace}, {"a", "b", "c"}, "key--32", 0, kNone, "old--keep", true},
        TransitionCase{"LetterAfterNLeavesTheLatch", kPinyin3, 102, {}, {"old--78..2"}, "old--newch", 0, kEnter,
                       "old--newch", false},
        TransitionCase{"SecondSpaceCommits", kPinyin3, 1, {vk::kSpace}, {"a", "b", "c"}, "key--32", 0, kEnter, "old--wrpy", true},
        TransitionCase{"SecondSpaceOnVersion2CommitsWithoutEnter", kPinyin2, 1, {vk::kSpace}, {"a", "b", "c"}, "key--32", 0, kNone,
                       "old--wrpy", false},
        TransitionCase{"SemicolonTwiceWhileSelectingCommits", kPinyin3, 1, {}, {"key--keep", "key--baup"}, "key--baup",
                       0, kEnter, "old--wrpy", false},
        TransitionCase{"HookSpaceAfterKeyCommits", kPinyin3, 1, {}, {"key--", "b", "c"}, "key--wr32", 0, kEnter, "old--wrpy", true},
        TransitionCase{"KeepOkCommits", kPinyin3, 1, {}, {"a", "b", "c"}, "old--keepok", 0, kEnter, "old--keepok", true},
        TransitionCase{"DigitCommitsASelection", kPinyin3, 1, {}, {}, "key--49", 0, kEnter, "old--", false},
        TransitionCase{"DigitCommitsTheProgramsSelection", kPinyin3, 2, {}, {}, "key--50", 0, kEnter, "old--", false},
        TransitionCase{"SelectionKeepsItsKeyToken", kPinyin3, 1, {}, {}, "old--move", 1, kNone, "key--keep", false},
        TransitionCase{"CommitAfterOneLeavesTheLatch", kPinyin3, 101, {}, {"key--49"}, "old--wrpy", 0, kEnter,
                       "old--wrpy", false},
        TransitionCase{"OtherInputMethodResets", kOther, 101, {}, {}, "old--x", 0, kNone, "old--x", false},
        TransitionCase{"EnglishResets", kEnglish, 102, {}, {}, "old--x", 0, kNone, "old--x", false},
        TransitionCase{"OtherInputMethodNeverOpens", kOther, 0, {vk::kSpace}, {}, "key--32", 0, kNone, "old--", false}));

// The Space press that opened a selection, held over several ticks, neither
// commits it nor leaves it; its release and a second press do.
TEST_F(BlindSelectionApp, OpeningSpaceHeldKeepsTheSelection)
{
    hold(vk::kSpace);
    put("key--32");
    for (int i = 0; i < 4; ++i)
        tick();
    EXPECT_EQ(state(), 1);
    EXPECT_EQ(keys(), kNone);
    release(vk::kSpace);
    tick();
    hold(vk::kSpace);
    put("key--32");
    tick();
    EXPECT_EQ(keys(), kEnter);
    release(vk::kSpace);
    EXPECT_EQ(state(), 0);
}

// ; pressed twice: holding ; with an unchanged cell makes "key--ttkeep", its
// release "key--baup"; the history then reads them twice and the selection latches.
TEST_F(BlindSelectionApp, SemicolonTwiceThroughTheHistory)
{
    put("old--idle");
    tick();
    for (int round = 0; round < 2; ++round) {
        hold(vk::kSemicolon);
        put(round == 0 ? "old--idle" : "key--baup");
        tick();
        EXPECT_EQ(cell(), "key--ttkeep");
        tick();
        release(vk::kSemicolon);
        put("key--baup");
        tick();
    }
    EXPECT_EQ(keys(), kEnter);
    EXPECT_EQ(history()[0], ";2ok");
    EXPECT_EQ(history()[1], "cvok");
    EXPECT_EQ(app->pyoil().ListBox5.items(), std::vector<std::string>{"key--"}) << "; entered the latch";
    EXPECT_EQ(state(), 101);
}

TEST_F(BlindSelectionApp, HistoryNeverHoldsMoreThanElevenEntries)
{
    for (int i = 0; i < 40; ++i) {
        put("old--t" + std::to_string(i));
        tick();
        ASSERT_LE(history().size(), 11u) << "after token " << i;
    }
    EXPECT_EQ(history()[0], "old--t39");
}

// ---- what the hook reads, and the name ----

struct NameCase {
    const char* name;
    KeyboardLayout layout;
    std::string ime_name;   // `kxm.Panel7`
    std::string selection;  // `kxm.Panel1`
    bool message_shown;     // `lifeform.inputmess`
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class Name : public BlindSelectionApp, public ::testing::WithParamInterface<NameCase> {};

TEST_P(Name, NameAndSelectionCell)
{
    const NameCase& c = GetParam();
    use_layout(c.layout);
    EXPECT_EQ(app->kxm().Panel7.text(), c.ime_name);
    EXPECT_EQ(app->kxm().Panel1.text(), c.selection);
    EXPECT_EQ(app->lifeform().inputmess.visible(), c.message_shown);
    EXPECT_EQ(app->kxm().Panel17.text(), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Table, Name,
    ::testing::Values(NameCase{"Pinyin", kPinyin3, kPinyin3Name, "close", true},
                      NameCase{"OtherInputMethod", kOther, "某某输入法", "close", true},
                      NameCase{"English", kEnglish, "英文输入法", "open", false},
                      NameCase{"NotInstalled", kNotInstalled, "英文输入法", "open", false},
                      NameCase{"AnyBytes", kOdd, std::string("\xff\x01\x81", 3) + "输入法\x80", "close", true}));

TEST_F(BlindSelectionApp, LongDescriptionIsCutWithoutSplittingACharacter)
{
    std::string description = "x";
    while (description.size() < 300)
        description += "输入法";
    desk.installed_layouts.push_back({0xE0440804, true, description, "LONG.IME"});
    use_layout(0xE0440804);
    const std::string name = app->kxm().Panel7.text();
    EXPECT_EQ(name.size(), 255u) << "1 + 127 double-byte characters";
    EXPECT_EQ(name, description.substr(0, 255));
}

// The mirror the hook reads is the state at the start of the tick; the tips
// follow the cell's prefix.
TEST_F(BlindSelectionApp, TipsFollowThePrefix)
{
    Tlifeform& bar = app->lifeform();
    put("key--keep");
    tick();
    EXPECT_FALSE(bar.srftip1.visible());
    EXPECT_TRUE(bar.srftip2.visible());
    EXPECT_TRUE(bar.srftip3.visible());
    put("old--idle");
    tick();
    EXPECT_TRUE(bar.srftip1.visible());
    EXPECT_FALSE(bar.srftip2.visible());
    EXPECT_FALSE(bar.srftip3.visible());
}

// ---- Shift taps ----

struct ShiftCase {
    const char* name;
    KeyboardLayout layout;
    bool unispim;                    // the Unispim status window exists
    int main_height;
    std::string edit_mode;           // the caption of `modeform`
    std::vector<std::string> older;
    std::string token;
    std::vector<std::string> sent;
    std::string cell_after;
    bool status_closed;
    bool board_shown;
    bool main_form_moved;            // to the screen's width + 2
};

void PrintTo(const ShiftCase& c, std::ostream* os) { *os << c.name; }

class ShiftTap : public BlindSelectionApp, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ShiftTap, SwitchesTheInputMethod)
{
    const ShiftCase& c = GetParam();
    use_layout(c.layout);
    const Hwnd status =
        c.unispim ? desk.add_window("UNISPIM_STATUSCLS", "", Rect::from_size(900, 700, 60, 20)) : Hwnd{0};
    Tpyoil& main_form = app->pyoil();
    main_form.set_bounds(2000, 0, 284, c.main_height);
    set_caption("Tmodeform", c.edit_mode);
    app->lifeform().srfboard.hide();
    desk.clear_input_log();
    set_history(c.older);
    put(c.token);
    tick();
    EXPECT_EQ(keys(), c.sent);
    EXPECT_EQ(cell(), c.cell_after);
    EXPECT_EQ(desk.posted_closes().size() == 1 && desk.posted_closes()[0] == status, c.status_closed);
    EXPECT_EQ(app->lifeform().srfboard.visible(), c.board_shown);
    EXPECT_EQ(main_form.left() == 1024 + 2, c.main_form_moved);
    EXPECT_EQ(app->inputmode().Panel6.text(), app->inputmode().ListBox1.item(0));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShiftTap,
    ::testing::Values(
        ShiftCase{"Alone", kPinyin3, false, 234, "old--cap", {"old--16down"}, "old--16up", kCtrlSpace, "old--modeqq",
                  false, true, true},
        ShiftCase{"AloneInEnglish", kEnglish, false, 234, "old--cap", {"old--16down"}, "old--16up", kCtrlSpace,
                  "old--modeqq", false, false, true},
        ShiftCase{"UnispimSmallForm", kPinyin3, true, 76, "old--cap", {"old--16down"}, "old--16up", kCtrlSpace,
                  "old--modeqq", true, true, true},
        ShiftCase{"UnispimTallForm", kPinyin3, true, 234, "old--cap", {"old--16down"}, "old--16up",
                  kCtrlSpace + kCtrlSpace + kShiftTap, "old--modeqq", true, true, true},
        ShiftCase{"UnispimTallFormEditSelection", kPinyin3, true, 234, "key--ss", {"old--16down"}, "old--16up",
                  kCtrlSpace + kShiftTap, "old--modeqq", true, true, true},
        ShiftCase{"AroundACommit", kPinyin3, false, 234, "old--cap", {"old--16up", "old--retxx", "old--16down"},
                  "old--retxx", kCtrlSpace, "old--imeok", false, false, false},
        ShiftCase{"ShiftWithAKey", kPinyin3, false, 234, "old--cap", {"key--65", "old--16down"}, "old--16up", kNone,
                  "old--16up", false, false, false}));

// ---- learning a composition class ----

struct LearnCase {
    const char* name;
    KeyboardLayout layout;
    std::vector<std::string> table;      // `inputmode.ListBox5` before
    std::string token;
    std::vector<std::string> table_after;
    std::string cell_after;
    std::string pointed_class = "OtherCompWnd"; // the window under the pointer
};

void PrintTo(const LearnCase& c, std::ostream* os) { *os << c.name; }

class Learn : public BlindSelectionApp, public ::testing::WithParamInterface<LearnCase> {};

TEST_P(Learn, AltReleaseOverTheCompositionWindow)
{
    const LearnCase& c = GetParam();
    desk.add_window(c.pointed_class, "", Rect::from_size(880, 680, 100, 50), Visibility::Shown, Topmost::Yes);
    use_layout(c.layout);
    app->inputmode().ListBox5.set_items(c.table);
    put(c.token);
    tick();
    EXPECT_EQ(app->inputmode().ListBox5.items(), c.table_after);
    EXPECT_EQ(cell(), c.cell_after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Learn,
    ::testing::Values(
        LearnCase{"NewInputMethod", kOther, {"P", "C"}, "old--18..2", {"P", "C", "某某输入法", "OtherCompWnd"}, "old==18.."},
        LearnCase{"KnownInputMethod", kOther, {"某某输入法", "X"}, "old--18..2", {"某某输入法", "X"}, "old==18.."},
        LearnCase{"UnpairedLastItemDropped", kOther, {"P", "C", "Q"}, "old--18..2",
                  {"P", "C", "某某输入法", "OtherCompWnd"}, "old==18.."},
        LearnCase{"AltPress", kOther, {"P", "C"}, "old--18..0", {"P", "C"}, "old--18..0"},
        LearnCase{"LeftAltRelease", kOther, {"P", "C"}, "old--18up", {"P", "C"}, "old--18up"},
        LearnCase{"NoInputMethod", kEnglish, {"P", "C"}, "old--18..2", {"P", "C"}, "old--18..2"},
        LearnCase{"WindowWithoutAClass", kOther, {"P", "C"}, "old--18..2", {"P", "C"}, "old==18..", ""}));

// A learned class becomes the class in force for that input method.
TEST_F(BlindSelectionApp, LearnedClassIsUsedByIdentification)
{
    desk.add_window("OtherCompWnd", "", Rect::from_size(880, 680, 100, 50), Visibility::Shown, Topmost::Yes);
    use_layout(kOther);
    put("old--18..2");
    tick();
    tick();
    tick();
    EXPECT_EQ(app->inputmode().Panel5.text(), "OtherCompWnd");
}

// ---- the screen search ----

struct SearchCase {
    const char* name;
    Size screen;
    std::vector<Rect> windows; // of class "MSPY Component", in order of creation
    std::string piece;
    bool record;
    int found;                 // index into windows, -1 for none
    std::size_t recorded;      // classes added to the latch list
    bool last_probe_hit;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class Search : public BlindSelectionApp, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, FindsTheRightMostColumnsWindow)
{
    const SearchCase& c = GetParam();
    desk.set_screen_size(c.screen);
    std::vector<Hwnd> made;
    for (const Rect& r : c.windows)
        made.push_back(desk.add_window(kPinyin3Class, "", r, Visibility::Shown, Topmost::Yes));
    app->pyoil().ListBox5.clear();
    app->pyoil().Panel1.set_text("p1");
    const Hwnd found = search_composition_window(*app, c.piece, c.record);
    EXPECT_EQ(found, c.found < 0 ? Hwnd{0} : made[static_cast<std::size_t>(c.found)]);
    EXPECT_EQ(app->pyoil().ListBox5.count(), c.recorded);
    EXPECT_EQ(app->pyoil().Panel3.text(), c.last_probe_hit ? "ff p1" : "---- ");
}

INSTANTIATE_TEST_SUITE_P(
    Table, Search,
    ::testing::Values(
        SearchCase{"TenColumns", {1024, 768}, {Rect::from_size(300, 400, 200, 30)}, "MSPY", true, 0, 10, false},
        SearchCase{"NotRecorded", {1024, 768}, {Rect::from_size(300, 400, 200, 30)}, "MSPY", false, 0, 0, false},
        SearchCase{"RightMostWins", {1024, 768},
                   {Rect::from_size(500, 100, 100, 30), Rect::from_size(100, 600, 100, 30)}, "Component", true, 0, 10,
                   false},
        SearchCase{"BeyondTheOldScreenSize", {1600, 1000}, {Rect::from_size(1300, 900, 60, 30)}, "MSPY", true, 0, 3,
                   false},
        SearchCase{"LastColumnHits", {1024, 768}, {Rect::from_size(1000, 700, 24, 60)}, "MSPY", true, 0, 2, true},
        SearchCase{"EmptyPieceMatchesNothing", {1024, 768}, {Rect::from_size(300, 400, 200, 30)}, "", true, -1, 0,
                   false},
        SearchCase{"Nothing", {1024, 768}, {}, "MSPY", true, -1, 0, false}));

// The search probes only inside shown windows whose class holds the piece; on
// random desktops it finds, records and reports what probing every grid point,
// column by column, finds.
struct ProbedSearch {
    Hwnd found = 0;
    std::vector<std::string> recorded;
    bool last_probe_hit = false;
};

ProbedSearch probe_every_point(const Platform& p, std::string_view piece)
{
    ProbedSearch result;
    const Size screen = p.screen_size();
    for (int x = 0; x < screen.width; x += kSearchStepX) {
        result.last_probe_hit = false;
        for (int y = 0; y < screen.height; y += kSearchStepY) {
            const std::string cls = p.class_name(p.window_from_point({x, y}));
            if (!piece.empty() && !cls.empty() && cls.find(piece) != std::string::npos) {
                result.found = p.window_from_point({x, y});
                result.recorded.push_back(cls);
                result.last_probe_hit = true;
                break;
            }
        }
    }
    return result;
}

class SearchOnRandomDesktops : public BlindSelectionApp, public ::testing::WithParamInterface<unsigned> {};

TEST_P(SearchOnRandomDesktops, FindsWhatProbingEveryPointFinds)
{
    const std::array<Size, 3> screens{Size{1024, 768}, Size{1920, 1080}, Size{800, 600}};
    desk.set_screen_size(screens[GetParam() % screens.size()]);
    RandomDesktop(GetParam()).build(desk);
    app->pyoil().Panel1.set_text("p1");
    for (const char* piece : {"Toolbar", "32x", "Notepad", "Tray", "NoSuchClass"}) {
        SCOPED_TRACE(piece);
        const ProbedSearch expected = probe_every_point(desk, piece);
        app->pyoil().ListBox5.clear();
        EXPECT_EQ(search_composition_window(*app, piece, true), expected.found);
        EXPECT_EQ(app->pyoil().ListBox5.items(), expected.recorded);
        EXPECT_EQ(app->pyoil().Panel3.text(), expected.last_probe_hit ? "ff p1" : "---- ");
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SearchOnRandomDesktops, ::testing::Range(1u, 41u));

// A class picked by hand asks for a search, served on the next letter.
TEST_F(BlindSelectionApp, SearchRequestServedOnALetter)
{
    Tinputmode& f = app->inputmode();
    f.imetip.set_text("searchime");
    put("key--65");
    tick();
    EXPECT_EQ(f.pytip.text(), "py err");
    EXPECT_EQ(f.imetip.text(), "searchime");
    desk.add_window(kPinyin3Class, "", Rect::from_size(300, 400, 200, 30), Visibility::Shown, Topmost::Yes);
    put("key--66");
    tick();
    EXPECT_EQ(f.pytip.text(), "py find");
    EXPECT_EQ(f.imetip.text(), "yy searchime ok");
}

// A digit or Space while another program is in front searches for the
// composition window, recording its class in the latch list; the windows
// around it are described for display.
TEST_F(BlindSelectionApp, DigitSearchesAndDescribesTheWindows)
{
    use_layout(kOther); // no pair names it: the class in force stays Pinyin's
    ASSERT_EQ(app->inputmode().Panel5.text(), kPinyin3Class);
    const Hwnd frame = desk.add_window("ImeFrame", "", Rect::from_size(600, 600, 100, 60), Visibility::Shown, Topmost::Yes);
    desk.add_window(kPinyin3Class, "", Rect::from_size(0, 0, 40, 30), Visibility::Shown, Topmost::No, frame);
    desk.set_default_ime_window(notepad, desk.add_window("IME", "Default IME", Rect::from_size(0, 0, 1, 1),
                                                        Visibility::Hidden));
    put("key--49");
    tick();
    EXPECT_EQ(cell(), "old--");
    const std::vector<std::string> lines = app->kxm().ListBox2.items();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_NE(lines[0].find("visible enabled"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(kPinyin3Class + " 600,600,640,630"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("ImeFrame"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], "") << "no grandparent";
    EXPECT_EQ(lines[5].rfind("hime==hidden enabled", 0), 0u) << lines[5];
    EXPECT_NE(lines[5].find(" IME "), std::string::npos) << lines[5];
    EXPECT_NE(lines[6].find("Notepad"), std::string::npos) << lines[6];
    EXPECT_EQ(app->pyoil().ListBox5.items(), std::vector<std::string>(2, kPinyin3Class)) << "two columns, recorded";
    EXPECT_EQ(app->pyoil().Panel3.text(), "---- ");
}

// ---- the composition window, the bar and the end of a composition ----

struct EndCase {
    const char* name;
    KeyboardLayout layout;
    bool found_first;        // a letter found the composition window before it closed
    std::vector<std::string> older;
    std::string token;       // the key that arrives after it closed
    std::string cell_after;
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

class CompositionEnd : public BlindSelectionApp, public ::testing::WithParamInterface<EndCase> {};

TEST_P(CompositionEnd, TellsTheHook)
{
    const EndCase& c = GetParam();
    use_layout(c.layout);
    const Hwnd composition = desk.add_window(kPinyin3Class, "", Rect::from_size(300, 400, 200, 60), Visibility::Shown, Topmost::Yes);
    if (c.found_first) {
        put("key--65");
        tick();
        ASSERT_EQ(app->pyoil().width(), 610);
    }
    desk.destroy_window(composition);
    set_history(c.older);
    put(c.token);
    tick();
    EXPECT_EQ(cell(), c.cell_after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompositionEnd,
    ::testing::Values(EndCase{"AfterJ", kPinyin3, true, {}, "key--74", "old--newch"},
                      EndCase{"AfterU", kPinyin3, true, {}, "key--85", "old--newch"},
                      EndCase{"AfterSemicolonRelease", kPinyin3, true, {}, "key--baup", "old--newch"},
                      EndCase{"AfterB", kPinyin3, true, {}, "key--66", "old--ret"},
                      EndCase{"OldTokenUntouched", kPinyin3, true, {}, "old--move", "old--move"},
                      EndCase{"NoWindowEverFound", kPinyin3, false, {}, "key--66", "key--newch"},
                      EndCase{"English", kEnglish, false, {}, "key--66", "key--newch"}));

// While the composition window shows, an "old--" token hides the main form at
// its bar size; the anchor is kept for when the window goes.
TEST_F(BlindSelectionApp, MainFormHidesBesideTheCompositionWindow)
{
    desk.add_window(kPinyin3Class, "", Rect::from_size(300, 400, 200, 60), Visibility::Shown, Topmost::Yes);
    put("key--65");
    tick();
    put("old--idle");
    tick();
    EXPECT_EQ(app->pyoil().bounds(), Rect::from_size(-2000, 0, 610, 76));
    EXPECT_FALSE(app->pyoil().Label5.visible());
    EXPECT_NE(app->pyoil().Panel7.text().find(kPinyin3Class), std::string::npos);
    desk.user_button(MouseButton::Left, ButtonAction::Down); // forgets the window
    tick();
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_EQ(app->inputmode().Panel8.text().substr(0, 12), "old--cap..31");
    EXPECT_NE(app->inputmode().Panel8.text().find("315/435"), std::string::npos);
}

// A composition window that went away between two ticks is forgotten.
TEST_F(BlindSelectionApp, VanishedCompositionWindowIsForgotten)
{
    const Hwnd composition = desk.add_window(kPinyin3Class, "", Rect::from_size(300, 400, 200, 60), Visibility::Shown, Topmost::Yes);
    put("key--65");
    tick();
    app->pyoil().set_left(0);
    desk.destroy_window(composition);
    put("old--idle");
    tick();
    EXPECT_EQ(app->inputmode().Panel8.text().substr(0, 11), "old--idle..");
    EXPECT_EQ(app->pyoil().left(), 1024 + 80) << "the main form goes off the screen";
}

// ---- letters, the latch, N ----

TEST_F(BlindSelectionApp, LetterMarksANewCharacter)
{
    Tombrel& browser = app->ombrel();
    browser.LBox2.set_items({"5", "6", "7"});
    browser.LBox3.set_items({"5", "6", "7"});
    app->lifeform().srfboard.hide();
    put("key--90");
    tick();
    EXPECT_EQ(cell(), "key--newch");
    // The movement history takes new entries on top only.
    const auto tail = [](const ui::ListBox& list) {
        const auto& items = list.items();
        return std::vector<std::string>(items.end() - std::min<std::ptrdiff_t>(3, std::ssize(items)), items.end());
    };
    EXPECT_EQ(tail(browser.LBox2), (std::vector<std::string>{"0", "0", "7"}));
    EXPECT_EQ(tail(browser.LBox3), (std::vector<std::string>{"0", "0", "7"}));
    EXPECT_EQ(app->inputmode().inputtip.text(), "...");
    put("key--186");
    tick();
    EXPECT_EQ(cell(), "key--186") << "; is no letter";
}

// A letter owes the selection board: hidden, it is shown on the next tick.
// (The still counter is stopped: it hides the board while the pointer moves.)
TEST_F(BlindSelectionApp, LetterOwesTheSelectionBoard)
{
    Tlifeform& bar = app->lifeform();
    app->pyoil().Timer2.set_enabled(false);
    bar.srfboard.hide();
    put("key--49");
    tick();
    tick();
    EXPECT_FALSE(bar.srfboard.visible()) << "a digit owes nothing";
    put("key--65");
    tick();
    tick();
    EXPECT_TRUE(bar.srfboard.visible());
    bar.srfboard.hide();
    tick();
    EXPECT_FALSE(bar.srfboard.visible()) << "once";
}

// The board owed by a letter while it showed lapses when the pointer rests
// two seconds.
TEST_F(BlindSelectionApp, OwedBoardLapsesWhenThePointerRests)
{
    Tlifeform& bar = app->lifeform();
    bar.srfboard.show();
    put("key--65");
    tick();
    desk.advance(300);
    bar.srfboard.hide();
    tick();
    tick();
    EXPECT_FALSE(bar.srfboard.visible());
}

TEST_F(BlindSelectionApp, LatchHoldsTheKeysUntilN)
{
    Tpyoil& main_form = app->pyoil();
    use_layout(kOther);
    main_form.ListBox5.set_items({"key--"});
    put("old--idle");
    tick();
    EXPECT_EQ(cell(), "key--22") << "the hook keeps the selection keys";
    hold('N');
    tick();
    release('N');
    EXPECT_TRUE(main_form.ListBox5.items().empty());
    EXPECT_EQ(cell(), "old--");
}

TEST_F(BlindSelectionApp, LatchUnderPinyinSkipsTheRestOfTheTick)
{
    app->pyoil().ListBox5.set_items({"key--"});
    app->inputmode().Panel6.set_text("before");
    set_caption("Timemess", "imemess");
    put("old--idle");
    tick();
    EXPECT_EQ(cell(), "old--idle");
    EXPECT_EQ(caption("Timemess"), "imemess") << "the rest of the tick was skipped";
    app->pyoil().ListBox5.clear();
    tick();
    // The identification may have named the input method again before the tick.
    const std::string shown = caption("Timemess");
    EXPECT_TRUE(shown == "before" || shown == kPinyin3Name) << shown;
}

TEST_F(BlindSelectionApp, KeyKx186BecomesKeySs)
{
    put("key--kx186");
    tick();
    EXPECT_EQ(cell(), "key--ss");
}

} // namespace
} // namespace tv::test
