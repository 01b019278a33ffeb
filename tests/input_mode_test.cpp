// Input-method identification on the simulated desktop: the foreground
// window's layout gives its description and, from the class table, the class
// of its composition window; a layout that is no input method gives "英文";
// a class picked by hand asks for a search; the paste gesture; and the class
// table "ime.txt" across a run: missing, odd, garbled, locked.
#include "sim_app.h"

#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/pyoil.h"

#include <ostream>

namespace tv::test {
namespace {

constexpr KeyboardLayout kEnglishLayout = 0x04090409;
constexpr KeyboardLayout kPinyin3 = 0xE0040804;
constexpr KeyboardLayout kPinyin2 = 0xE0010804;
constexpr KeyboardLayout kOther = 0xE0220804;
const std::string kTablePath = "C:\\Tarvesk\\ime.txt";

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class InputModeApp : public SimApp {
protected:
    void install(std::string other_description = "某某输入法")
    {
        desk.installed_layouts = {{kEnglishLayout, false, "", ""},
                                  {kPinyin3, true, "微软拼音输入法 3.0 版", "PINTLGNT.IME"},
                                  {kPinyin2, true, "微软拼音输入法 2.0 版", "PINTLGNT.IME"},
                                  {kOther, true, std::move(other_description), "OTHER.IME"}};
    }
    // A notepad in front whose thread types with `layout`; 0 leaves no window in front.
    void front(KeyboardLayout layout)
    {
        const Hwnd w = desk.add_window("Notepad", "无标题 - 记事本", Rect::from_size(100, 120, 400, 300));
        desk.set_window_layout(w, layout);
        desk.set_foreground(w);
        if (layout == 0)
            desk.destroy_window(w);
    }
    // The program started and its start-up completed (it may take the front on the way).
    void run_up()
    {
        start();
        desk.advance(200);
    }
    void identify() { desk.advance(100); }
    Tinputmode& mode() { return app->inputmode(); }
};

struct IdentifyCase {
    const char* name;
    KeyboardLayout layout; // in front; 0: no window in front
    std::string other_description; // the description of kOther
    std::string override_class;    // `Edit2`
    std::vector<std::string> extra_pairs; // added to the table before the tick
    std::string shown;                    // `ListBox1` item 0
    std::string description;              // `Panel6`
    std::string composition_class;        // `Panel5`
    std::string found;                    // the caption of `kxm`
    bool board_hidden;                    // the status bar's selection board
};

void PrintTo(const IdentifyCase& c, std::ostream* os) { *os << c.name; }

class Identify : public InputModeApp, public ::testing::WithParamInterface<IdentifyCase> {};

TEST_P(Identify, ForegroundLayoutGivesDescriptionAndClass)
{
    const IdentifyCase& c = GetParam();
    install(c.other_description);
    run_up();
    app->pyoil().Timer2.set_enabled(false); // the still counter hides the board too
    front(c.layout);
    mode().Edit2.set_text(c.override_class);
    for (const std::string& item : c.extra_pairs)
        mode().ListBox5.add(item);
    app->lifeform().srfboard.show();
    app->kxm().Panel7.set_text("旧的名字");
    identify();
    EXPECT_EQ(mode().ListBox1.items(), std::vector<std::string>{c.shown});
    EXPECT_EQ(mode().Panel6.text(), c.description);
    EXPECT_EQ(mode().Panel5.text(), c.composition_class);
    EXPECT_EQ(mode().Panel1.text(), std::to_string(c.layout));
    EXPECT_EQ(app->kxm().caption(), c.found);
    EXPECT_EQ(app->lifeform().srfboard.visible(), !c.board_hidden);
    // The main loop names the input method in front (`kxm.Panel7`).
    const std::string name = c.description.empty() ? "英文输入法" : c.description;
    EXPECT_EQ(app->kxmm().caption(), name) << "the small quick menu shows the input method's name";
}

const std::string kLong(300, 'A');

INSTANTIATE_TEST_SUITE_P(
    Layouts, Identify,
    ::testing::Values(
        IdentifyCase{"pinyin3_from_table", kPinyin3, "x", "", {}, "微软拼音输入法 3.0 版", "微软拼音输入法 3.0 版", "MSPY Component", "find", false},
        IdentifyCase{"pinyin2_from_table", kPinyin2, "x", "", {}, "微软拼音输入法 2.0 版", "微软拼音输入法 2.0 版", "CompPINTLGNT", "find", false},
        IdentifyCase{"english", kEnglishLayout, "x", "", {}, "英文", "", "ImeCompPHON", "xx find", true},
        IdentifyCase{"layout_never_installed", 0x12345678, "x", "", {}, "英文", "", "ImeCompPHON", "xx find", true},
        IdentifyCase{"no_window_in_front", 0, "x", "", {}, "英文", "", "ImeCompPHON", "xx find", true},
        IdentifyCase{"unknown_method_keeps_class", kOther, "某某输入法", "", {}, "某某输入法", "某某输入法", "ImeCompPHON", "find", false},
        IdentifyCase{"override_for_every_method", kPinyin3, "x", "MyComp", {}, "微软拼音输入法 3.0 版", "微软拼音输入法 3.0 版", "MyComp", "find", false},
        IdentifyCase{"later_matching_pair_wins", kPinyin3, "x", "", {"微软拼音", "LaterComp"}, "微软拼音输入法 3.0 版", "微软拼音输入法 3.0 版", "LaterComp", "find", false},
        IdentifyCase{"learned_empty_class_never_counts", kPinyin3, "x", "", {"微软", ""}, "微软拼音输入法 3.0 版", "微软拼音输入法 3.0 版", "MSPY Component", "find", false},
        IdentifyCase{"empty_prefix_never_counts", kPinyin3, "x", "", {"", "AnyComp"}, "微软拼音输入法 3.0 版", "微软拼音输入法 3.0 版", "MSPY Component", "find", false},
        IdentifyCase{"method_without_the_word", kOther, "Google Pinyin", "", {}, "Google Pinyin", "Google Pinyin", "ImeCompPHON", "xx find", true},
        IdentifyCase{"description_cut_to_255_bytes", kOther, kLong, "", {}, kLong.substr(0, 255), kLong.substr(0, 255), "ImeCompPHON", "xx find", true},
        IdentifyCase{"cut_keeps_characters_whole", kOther, std::string(254, 'A') + "输入法", "", {}, std::string(254, 'A'), std::string(254, 'A'), "ImeCompPHON", "xx find", true},
        IdentifyCase{"description_of_any_bytes", kOther, std::string("\x81\xff\x00\x01\xfe", 5), "", {}, std::string("\x81\xff\x00\x01\xfe", 5), std::string("\x81\xff\x00\x01\xfe", 5), "ImeCompPHON", "xx find", true}),
    [](const auto& info) { return std::string(info.param.name); });

// Leaving an input method for English keeps its description and class.
TEST_F(InputModeApp, EnglishAfterAnInputMethodKeepsItsDescription)
{
    install();
    run_up();
    front(kPinyin3);
    identify();
    front(kEnglishLayout);
    identify();
    EXPECT_EQ(mode().ListBox1.items(), std::vector<std::string>{"英文"});
    EXPECT_EQ(mode().Panel6.text(), "微软拼音输入法 3.0 版");
    EXPECT_EQ(mode().Panel5.text(), "MSPY Component");
    EXPECT_EQ(app->kxm().caption(), "xx find");
}

TEST_F(InputModeApp, CandidateWindowIsBroughtToTheFront)
{
    install();
    run_up();
    front(kPinyin3);
    const Hwnd candidates = desk.add_window("ImeCandiPHON", "", Rect::from_size(300, 300, 200, 100));
    desk.set_foreground(desk.find_window("Notepad"));
    identify();
    EXPECT_EQ(desk.foreground_window(), candidates);
}

// A press on an item of the hand-pick list: that class, and a search request.
TEST_F(InputModeApp, ClassPickedByHandAsksForASearch)
{
    start();
    const std::vector<std::string> items = mode().ListBox6.items();
    ASSERT_EQ(items.size(), 8u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        mode().imetip.set_text("");
        mode().Panel5.set_text("");
        const Point at{mode().ListBox6.left() + 5, mode().ListBox6.top() + static_cast<int>(i) * Tinputmode::kItemHeight + 3};
        mode().on_button(MouseButton::Left, ButtonAction::Down, at);
        mode().on_button(MouseButton::Left, ButtonAction::Up, at);
        EXPECT_EQ(mode().Panel5.text(), items[i]) << i;
        EXPECT_EQ(mode().imetip.text(), "searchime") << i;
    }
    mode().imetip.set_text("");
    const Point below{mode().ListBox6.left() + 5, mode().ListBox6.top() + mode().ListBox6.height() + 3};
    mode().on_button(MouseButton::Left, ButtonAction::Down, below);
    EXPECT_EQ(mode().imetip.text(), "") << "below the list nothing is picked";
}

struct PasteCase {
    const char* name;
    std::vector<std::string> mirror; // newest first
    bool pastes;
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class PasteGesture : public InputModeApp, public ::testing::WithParamInterface<PasteCase> {};

// The mirror reads "old--mvok", two Alt tokens, "old--mvok": Ctrl+V and a click,
// marked so that it happens once.
TEST_P(PasteGesture, PastesOnceWhereThePointerIs)
{
    const PasteCase& c = GetParam();
    install();
    run_up();
    front(kPinyin3);
    app->pyoil().Timer1.set_enabled(false); // the main loop keeps its own history
    desk.user_move({200, 200});
    app->kxm().ListBox1.set_items(c.mirror);
    mode().ListBox4.set_items(c.mirror);
    mode().ListBox1.set_items({"before"});
    desk.clear_input_log();
    auto sent = [this] {
        std::vector<std::string> out;
        for (const auto& r : desk.input_log())
            out.push_back(r.describe());
        return out;
    };
    const std::vector<std::string> paste = {"key 17 down", "key 86 down", "key 86 up", "key 17 up",
                                            "mouse leftdown at 200,200", "mouse leftup at 200,200"};
    identify();
    EXPECT_EQ(sent(), c.pastes ? paste : std::vector<std::string>{});
    if (c.pastes) {
        EXPECT_EQ(mode().ListBox4.item(0), "91ok");
        EXPECT_EQ(mode().ListBox4.item(1), "cvok");
        EXPECT_EQ(app->kxm().ListBox1.items(), mode().ListBox4.items()) << "the mirror follows the history";
        EXPECT_EQ(mode().ListBox1.items(), std::vector<std::string>{"before"}) << "nothing else happens in that tick";
    } else {
        EXPECT_EQ(mode().ListBox1.items(), std::vector<std::string>{"微软拼音输入法 3.0 版"});
    }
    identify();
    EXPECT_EQ(sent(), c.pastes ? paste : std::vector<std::string>{}) << "once";
}

INSTANTIATE_TEST_SUITE_P(
    Mirrors, PasteGesture,
    ::testing::Values(PasteCase{"alt_up_tokens", {"old--mvok", "old--18up", "old--18..2", "old--mvok"}, true},
                      PasteCase{"alt_key_tokens", {"old--mvok", "old--18..0", "old--18..2", "old--mvok", "x"}, true},
                      PasteCase{"one_alt_token", {"old--mvok", "old--18up", "old--17..2", "old--mvok"}, false},
                      PasteCase{"no_move_before", {"old--mvok", "old--18up", "old--18..2", "old--move"}, false},
                      PasteCase{"short_history", {"old--mvok", "old--18up"}, false},
                      PasteCase{"empty_history", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct TableCase {
    const char* name;
    std::optional<std::string> file; // "ime.txt" in the program folder; none: absent
    bool locked;
    std::vector<std::string> table;          // `ListBox5` after creation
    std::optional<std::string> file_after;   // after the run; none: absent
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class TableFile : public InputModeApp, public ::testing::WithParamInterface<TableCase> {};

TEST_P(TableFile, LoadedAtCreationSavedAtTheEnd)
{
    const TableCase& c = GetParam();
    desk.put_file("ime.txt", "decoy\r\nDecoyComp\r\n"); // the current folder is not the program folder
    if (c.file)
        desk.put_file(kTablePath, *c.file);
    if (c.locked)
        desk.locked_files.insert(kTablePath);
    start();
    EXPECT_EQ(mode().ListBox5.items(), c.table);
    EXPECT_EQ(mode().Panel5.text(), "ImeCompPHON");
    program.reset();
    const auto& files = desk.files();
    const auto it = files.find(kTablePath);
    ASSERT_EQ(it != files.end(), c.file_after.has_value());
    if (c.file_after) {
        EXPECT_EQ(it->second, *c.file_after);
    }
    EXPECT_EQ(files.at("ime.txt"), "decoy\r\nDecoyComp\r\n");
}

const std::vector<std::string> kDefaults = Tinputmode::default_table();
const std::string kBinary("A\r\nB\0C\r\nD\r\nE\r\n", 14);

INSTANTIATE_TEST_SUITE_P(
    Files, TableFile,
    ::testing::Values(
        TableCase{"missing_starts_with_defaults", std::nullopt, false, kDefaults, joined(kDefaults)},
        TableCase{"pairs", "甲输入法\r\nJiaComp\r\n乙\r\nYiComp\r\n", false, {"甲输入法", "JiaComp", "乙", "YiComp"}, "甲输入法\r\nJiaComp\r\n乙\r\nYiComp\r\n"},
        TableCase{"bare_line_ends", "A\nAComp\rB\nBComp", false, {"A", "AComp", "B", "BComp"}, "A\r\nAComp\r\nB\r\nBComp\r\n"},
        TableCase{"unpaired_last_item_dropped", "A\r\nAComp\r\nB\r\n", false, {"A", "AComp"}, "A\r\nAComp\r\n"},
        TableCase{"pair_with_blank_class_dropped", "A\r\n\r\nB\r\nBComp\r\n", false, {"B", "BComp"}, "B\r\nBComp\r\n"},
        TableCase{"pair_with_blank_prefix_dropped", "  \r\nAComp\r\nB\r\nBComp\r\n", false, {"B", "BComp"}, "B\r\nBComp\r\n"},
        TableCase{"empty_file_is_an_empty_table", "", false, {}, ""},
        TableCase{"odd_bytes_kept_as_text", "\x81\r\n\xfe\xfe\xfe\r\nZ", false, {"\x81", "\xfe\xfe\xfe"}, "\x81\r\n\xfe\xfe\xfe\r\n"},
        TableCase{"binary_never_written", kBinary, false, kDefaults, kBinary},
        TableCase{"locked_never_written", "A\r\nAComp\r\n", true, kDefaults, "A\r\nAComp\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Pairs learned during the run are kept; a learned pair with an empty part is not.
TEST_F(InputModeApp, LearnedPairsReachTheFile)
{
    start();
    for (const char* item : {"新输入法", "NewComp", "坏", ""})
        mode().ListBox5.add(item);
    program.reset();
    std::vector<std::string> expected = kDefaults;
    expected.insert(expected.end(), {"新输入法", "NewComp"});
    EXPECT_EQ(desk.files().at(kTablePath), joined(expected));
}

// A file read in one run is what the next run starts with.
TEST_F(InputModeApp, TableRoundTripsAcrossRuns)
{
    start();
    mode().ListBox5.set_items({"丙输入法", "BingComp"});
    program.reset();
    run_up();
    EXPECT_EQ(mode().ListBox5.items(), (std::vector<std::string>{"丙输入法", "BingComp"}));
    install("丙输入法 1.0");
    front(kOther);
    identify();
    EXPECT_EQ(mode().Panel5.text(), "BingComp");
}

} // namespace
} // namespace tv::test
