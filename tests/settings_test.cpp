// The settings list file and the settings form: loading and saving the file,
// bad files, editing a line, the colour dialog, the "自动" boxes and the colour
// preview, observed as a user sees them (list items, the edit box, the sample
// colours) and as the disk sees them (the bytes written).
#include "sim_app.h"

#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "core/colour_names.h"
#include "board/setform.h"
#include "core/settings_list.h"

#include <optional>

namespace tv::test {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kLime = 0x00FF00;
constexpr int kVkA = 0x41;

std::string crlf_lines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A settings file as the settings form writes it.
const std::vector<std::string> kSettingsLines{
    "发行编号--0zl0", "发行导航--nav.htm", "发行首页--home.htm", "发行充值--pay.htm", "充值点一--83/84",
    "充值点二--105/84", "发行标题--Tarvesk", "显示帮助--1", "显示浏览--1", "滚动偏移--16",
    "0507", "进入窗口--1", "Skarn种类--3", "个人首页--", "向上颜色--",
    "向下颜色--", "向左颜色--", "向右颜色--", "标题颜色--", "次数颜色--",
    "滚轮提示--", "右键提示--", "快速右键--0", "快速菜单--0", "标题文件--",
    "状态文件--", "背景文件--",
};

class SettingsFixture : public SimApp {
protected:
    // Starts the program beside the given file (none: no file) and lets the
    // main loop complete start-up; the editable copy is filled by then.
    void start_with_file(std::optional<std::string> bytes)
    {
        if (bytes)
            desk.put_file(settings::kFileName, *bytes);
        start();
        desk.advance(200);
        settings::refresh_editable_copy(*app);
    }
    void start_and_open(std::optional<std::string> bytes = crlf_lines(kSettingsLines))
    {
        start_with_file(std::move(bytes));
        form().cmdopen.click();
    }

    Tsetform& form() const { return app->setform(); }
    ui::Control& control(std::string_view name) const { return *form().control(name); }
    std::optional<std::string> file() const
    {
        auto it = desk.files().find(settings::kFileName);
        return it == desk.files().end() ? std::nullopt : std::optional<std::string>(it->second);
    }

    Point screen_point(const ui::Control& c, int x, int y) const { return {form().left() + c.left() + x, form().top() + c.top() + y}; }
    void point_at_line(std::size_t line, int offset = Tsetform::kItemHeight / 2)
    {
        desk.user_move(screen_point(form().ListBox1, 20, static_cast<int>(line) * Tsetform::kItemHeight + offset));
    }
    void left_click_here()
    {
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
    }
    void click_line(std::size_t line)
    {
        point_at_line(line);
        left_click_here();
    }
    void click(const ui::Control& c)
    {
        desk.user_move(screen_point(c, c.width() / 2, c.height() / 2));
        left_click_here();
    }
    // What the user types into the edit box: its new text and a key press there.
    void type_in_edit(std::string_view text)
    {
        form().Edit1.set_text(text);
        desk.user_key(kVkA, KeyAction::Down);
        desk.user_key(kVkA, KeyAction::Up);
    }
};

template <class Row> class SettingsTable : public SettingsFixture, public ::testing::WithParamInterface<Row> {};

template <class Row> std::string row_name(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

// ---------------------------------------------------------------- the file

struct RoundTrip {
    std::string name;
    std::string file;
    std::string saved;
    friend std::ostream& operator<<(std::ostream& os, const RoundTrip& row) { return os << row.name; }
};

using SettingsRoundTrip = SettingsTable<RoundTrip>;

// "保存" writes the editable copy whole; every line then ends with CR LF.
TEST_P(SettingsRoundTrip, SaveWritesTheLoadedLinesWithCrLf)
{
    start_and_open(GetParam().file);
    click(form().Button1);
    EXPECT_EQ(file(), GetParam().saved);
    EXPECT_FALSE(form().visible());
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsRoundTrip,
    ::testing::Values(
        RoundTrip{"CrLfFileUnchanged", crlf_lines(kSettingsLines), crlf_lines(kSettingsLines)},
        RoundTrip{"ColourAndBinaryBytesKept", "向左颜色--clRed\r\n\x81\x01\xFF\x80--abc\r\n",
                  "向左颜色--clRed\r\n\x81\x01\xFF\x80--abc\r\n"},
        RoundTrip{"LastLineWithoutEndGetsCrLf", "发行编号--0zl0\r\n滚动偏移--16", "发行编号--0zl0\r\n滚动偏移--16\r\n"},
        RoundTrip{"LfOnly", "发行编号--0zl0\n0507\n滚动偏移--16\n", "发行编号--0zl0\r\n0507\r\n滚动偏移--16\r\n"},
        RoundTrip{"CrOnly", "发行编号--0zl0\r0507\r", "发行编号--0zl0\r\n0507\r\n"},
        RoundTrip{"EmptyLinesKept", "a\r\n\r\n\r\nb\r\n", "a\r\n\r\n\r\nb\r\n"}),
    row_name<RoundTrip>);

struct BadFile {
    std::string name;
    std::optional<std::string> file;
    friend std::ostream& operator<<(std::ostream& os, const BadFile& row) { return os << row.name; }
};

std::string all_bytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

using SettingsBadFile = SettingsTable<BadFile>;

// Values are empty and switches off; the samples keep their colours; the file
// is left exactly as it was.
TEST_P(SettingsBadFile, LoadsWithEmptyValuesAndIsNotRewritten)
{
    start_with_file(GetParam().file);
    const std::uint32_t cleft_before = form().cleft.color();
    settings::apply_colour_lines(*app);
    desk.advance(500);

    const ui::ListBox& runtime = app->regform().ListBox2;
    for (std::size_t line : {6u, 9u, 11u, 12u, 16u, 22u, 23u})
        EXPECT_EQ(settings::value(runtime, line), "") << "line " << line;
    EXPECT_EQ(app->regform().dy.text(), "");
    EXPECT_EQ(form().ListBox1.items(), runtime.items());
    EXPECT_EQ(form().cleft.color(), cleft_before);

    form().cmdopen.click();
    click(form().Button2);
    EXPECT_EQ(file(), GetParam().file);
    EXPECT_FALSE(app->ended());
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsBadFile,
    ::testing::Values(BadFile{"Missing", std::nullopt}, BadFile{"Empty", ""},
                      BadFile{"ShortLines", "abc\r\n0507\r\n发行编号\r\n\r\n1234567890\r\n12\r\n向左颜色--\r\nx\r\n"
                                            "滚动偏移--\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n向左颜色\r\n"},
                      BadFile{"Binary", all_bytes()}, BadFile{"HundredKilobyteLine", std::string(100 * 1024, '\xB9')},
                      BadFile{"HundredKilobyteLinesLfOnly", std::string(100 * 1024, 'x') + "\n" + std::string(100 * 1024, '\x81')}),
    row_name<BadFile>);

TEST_F(SettingsFixture, RuntimeListReadsValuesFromByteEleven)
{
    start_with_file(crlf_lines(kSettingsLines));
    const ui::ListBox& runtime = app->regform().ListBox2;
    EXPECT_EQ(settings::value(runtime, 0), "0zl0");
    EXPECT_EQ(settings::value(runtime, 6), "Tarvesk");
    EXPECT_EQ(settings::value(runtime, 10), "") << "\"0507\" has no key and no value";
    EXPECT_EQ(settings::value(runtime, 27), "") << "a missing line";
    EXPECT_EQ(app->regform().dy.text(), "16");
}

TEST_F(SettingsFixture, FileIsWrittenOnlyBySave)
{
    const std::string lf_only = "发行编号--0zl0\n滚动偏移--16\n向左颜色--";
    start_and_open(lf_only);
    click_line(1);
    type_in_edit("24");
    click_line(1);
    click(form().Button2);
    desk.advance(1000);
    EXPECT_EQ(file(), lf_only) << "\"返回\" keeps the file as it was";

    form().cmdopen.click();
    click(form().Button1);
    EXPECT_EQ(file(), "发行编号--0zl0\r\n滚动偏移--24\r\n向左颜色--\r\n");
}

// The editable copy takes the runtime list at start-up completion only; the
// copies are independent afterwards.
TEST_F(SettingsFixture, EditableCopyIsFilledOnceAtStartUpCompletion)
{
    start_with_file(crlf_lines(kSettingsLines));
    app->regform().ListBox2.set_item(23, "快速菜单--1");
    settings::refresh_editable_copy(*app);
    EXPECT_EQ(form().ListBox1.item(23), "快速菜单--0");
}

// ---------------------------------------------------------------- editing

struct EditCase {
    std::string name;
    std::size_t line;
    std::optional<std::string> typed; // a pending edit before the second press
    std::string item_after;
    std::string edit_after;
    friend std::ostream& operator<<(std::ostream& os, const EditCase& row) { return os << row.name; }
};

using SettingsEditing = SettingsTable<EditCase>;

TEST_P(SettingsEditing, PressShowsOrStoresTheValue)
{
    const EditCase& c = GetParam();
    start_and_open();
    click_line(c.line);
    if (c.typed) {
        type_in_edit(*c.typed);
        click_line(c.line);
    }
    EXPECT_EQ(form().ListBox1.item(c.line), c.item_after);
    EXPECT_EQ(form().Edit1.text(), c.edit_after);
    EXPECT_EQ(desk.colour_dialogs_shown(), 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsEditing,
    ::testing::Values(
        EditCase{"DistributionNumberValue", 0, std::nullopt, "发行编号--0zl0", "0zl0"},
        EditCase{"LineWithoutKeyShownWhole", 10, std::nullopt, "0507", "0507"},
        EditCase{"LineWithoutKeyKeptWhenEdited", 10, "xyz", "0507", "0507"},
        EditCase{"KeyWithoutValueKeptWhenEdited", 13, "home.htm", "个人首页--", "个人首页--"},
        EditCase{"EditKeepsTheTenByteKey", 9, "24", "滚动偏移--24", "16"},
        EditCase{"ChineseValue", 6, "新的标题", "发行标题--新的标题", "Tarvesk"},
        EditCase{"NineByteKeyKeepsItsDashes", 12, "1", "Skarn种类--1", "3"}),
    row_name<EditCase>);

struct HintCase {
    std::string name;
    std::size_t line;
    std::string hint;
    friend std::ostream& operator<<(std::ostream& os, const HintCase& row) { return os << row.name; }
};

using SettingsHints = SettingsTable<HintCase>;

TEST_P(SettingsHints, PointingAtALineSelectsItAndShowsItsHint)
{
    start_and_open();
    point_at_line(GetParam().line);
    EXPECT_EQ(form().ListBox1.item_index(), static_cast<int>(GetParam().line));
    EXPECT_EQ(form().Edit1.text(), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsHints,
    ::testing::Values(HintCase{"Recharge", 3, "不需要改动，保留"}, HintCase{"ScrollStep", 9, "不需要改动，保留"},
                      HintCase{"DistributionNumber", 0, "输入新内容后，鼠标点击改变"},
                      HintCase{"PersonalHomePage", 13, "输入新内容后，鼠标点击改变"},
                      HintCase{"UpColour", 14, "右键点击，打开调色板选择颜色，点击[应用]后即可"},
                      HintCase{"BackgroundFile", 26, "右键点击，打开调色板选择颜色，点击[应用]后即可"}),
    row_name<HintCase>);

TEST_F(SettingsFixture, PointingHintsOncePerNewLine)
{
    start_and_open();
    point_at_line(3, 2);
    click_line(3); // the value, to be read
    point_at_line(3, 12);
    EXPECT_EQ(form().Edit1.text(), "pay.htm") << "still the same line: no new hint";
    point_at_line(4);
    EXPECT_EQ(form().Edit1.text(), "不需要改动，保留");
}

TEST_F(SettingsFixture, HintsNeverReplaceTypedText)
{
    start_and_open();
    click_line(9);
    type_in_edit("32");
    point_at_line(8);
    click_line(9);
    EXPECT_EQ(form().ListBox1.item(9), "滚动偏移--32");
}

// ---------------------------------------------------------------- colours

struct NamedColourCase {
    std::string name;
    std::string text;
    std::uint32_t colour;
    friend std::ostream& operator<<(std::ostream& os, const NamedColourCase& row) { return os << row.name; }
};

using SettingsColourNames = ::testing::TestWithParam<NamedColourCase>;

TEST_P(SettingsColourNames, ConvertBothWays)
{
    EXPECT_EQ(settings::colour_to_string(GetParam().colour), GetParam().text);
    EXPECT_EQ(settings::string_to_colour(GetParam().text), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsColourNames,
    ::testing::Values(NamedColourCase{"Red", "clRed", 0x0000FF}, NamedColourCase{"Black", "clBlack", 0x000000},
                      NamedColourCase{"MoneyGreen", "clMoneyGreen", 0xC0DCC0},
                      NamedColourCase{"MedGray", "clMedGray", 0xA4A0A0},
                      NamedColourCase{"Arbitrary", "$00123456", 0x123456},
                      NamedColourCase{"HexUpperCase", "$00ABCDEF", 0xABCDEF},
                      NamedColourCase{"NearWhite", "$00FFFFFE", 0xFFFFFE}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsColourGarbage, IsNoColour)
{
    for (std::string_view text : {"", "red", "cl", "clRed ", "$", "$123456", "$0012345G", "$FF0000FF", "$000000FF0",
                                  "\xB9\xFE", "16711680"})
        EXPECT_EQ(settings::string_to_colour(text), std::nullopt) << text;
    EXPECT_EQ(settings::string_to_colour("$00abcdef"), 0xABCDEFu);
    EXPECT_EQ(settings::string_to_colour("CLRED"), kRed);
}

TEST_F(SettingsFixture, ColourLinesOfTheRuntimeListColourTheSamples)
{
    std::vector<std::string> lines = kSettingsLines;
    lines[14] = "向上颜色--not a colour";
    lines[16] = "向左颜色--clRed";
    lines[19] = "次数颜色--$00123456";
    start_with_file(crlf_lines(lines));
    const std::uint32_t cup_before = form().cup.color();
    settings::apply_colour_lines(*app);
    EXPECT_EQ(form().cleft.color(), kRed);
    EXPECT_EQ(form().ctimes.color(), 0x123456u);
    EXPECT_EQ(form().mtimes.font_color(), 0x123456u);
    EXPECT_EQ(form().cup.color(), cup_before);
    EXPECT_EQ(file(), crlf_lines(lines)) << "applying never writes";
}

struct DialogCase {
    std::string name;
    std::size_t line;
    std::optional<std::uint32_t> answer; // nullopt: Cancel
    std::string item_after;
    std::string sample;
    std::string label; // empty: the line has no sample label
    friend std::ostream& operator<<(std::ostream& os, const DialogCase& row) { return os << row.name; }
};

using SettingsColourDialog = SettingsTable<DialogCase>;

TEST_P(SettingsColourDialog, PressOnAColourLineOpensTheDialog)
{
    const DialogCase& c = GetParam();
    start_and_open();
    const std::uint32_t sample_before = control(c.sample).color();
    desk.colour_answers.push_back(c.answer);
    click_line(c.line);
    EXPECT_EQ(desk.colour_dialogs_shown(), 1);
    EXPECT_EQ(form().ListBox1.item(c.line), c.item_after);
    EXPECT_EQ(control(c.sample).color(), c.answer.value_or(sample_before));
    if (!c.label.empty()) {
        EXPECT_EQ(control(c.label).font_color(), c.answer.value_or(0));
    }
    EXPECT_EQ(file(), crlf_lines(kSettingsLines)) << "nothing is saved before \"保存\"";
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsColourDialog,
    ::testing::Values(DialogCase{"LeftOkNamed", 16, kRed, "向左颜色--clRed", "cleft", ""},
                      DialogCase{"LeftOkHex", 16, 0x123456, "向左颜色--$00123456", "cleft", ""},
                      DialogCase{"LeftCancel", 16, std::nullopt, "向左颜色--", "cleft", ""},
                      DialogCase{"WheelHintOk", 20, kLime, "滚轮提示--clLime", "cwheel", "mwheel"},
                      DialogCase{"RightHintCancel", 21, std::nullopt, "右键提示--", "cmr", "mmr"}),
    row_name<DialogCase>);

struct AutoCase {
    std::string name;
    std::string box;
    std::optional<std::uint32_t> answer;
    std::size_t line;
    std::string item_after;
    std::string label;
    friend std::ostream& operator<<(std::ostream& os, const AutoCase& row) { return os << row.name; }
};

using SettingsAutoBox = SettingsTable<AutoCase>;

TEST_P(SettingsAutoBox, UntickingFixesTheHintColour)
{
    const AutoCase& c = GetParam();
    start_and_open();
    auto& box = dynamic_cast<ui::Check&>(control(c.box));
    ASSERT_TRUE(box.checked());
    desk.colour_answers.push_back(c.answer);
    click(box);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(desk.colour_dialogs_shown(), 1);
    EXPECT_EQ(form().ListBox1.item(c.line), c.item_after);
    EXPECT_EQ(control(c.label).font_color(), c.answer.value_or(0));

    click(box);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(desk.colour_dialogs_shown(), 1) << "ticking asks for no colour";
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsAutoBox,
    ::testing::Values(AutoCase{"WheelOk", "cwheelid", kLime, 20, "滚轮提示--clLime", "mwheel"},
                      AutoCase{"RightOk", "crightid", 0xABCDEF, 21, "右键提示--$00ABCDEF", "mmr"},
                      AutoCase{"WheelCancel", "cwheelid", std::nullopt, 20, "滚轮提示--", "mwheel"}),
    row_name<AutoCase>);

// ---------------------------------------------------------------- preview

struct PreviewCase {
    std::string name;
    int dx;
    int dy;
    std::string direction; // the sample whose colour `movetip` takes; empty: unchanged
    friend std::ostream& operator<<(std::ostream& os, const PreviewCase& row) { return os << row.name; }
};

using SettingsPreview = SettingsTable<PreviewCase>;

TEST_P(SettingsPreview, MovementColoursTheMoveTip)
{
    const PreviewCase& c = GetParam();
    start_and_open();
    const Point start{700, 500};
    desk.user_move(start);
    desk.advance(100);
    constexpr std::uint32_t kMarker = 0x111111;
    form().movetip.set_color(kMarker);
    form().mwheel.set_font_color(kMarker);

    desk.user_move({start.x + c.dx, start.y + c.dy});
    desk.advance(100);
    const std::uint32_t expected = c.direction.empty() ? kMarker : control(c.direction).color();
    EXPECT_EQ(form().movetip.color(), expected);
    EXPECT_EQ(form().mwheel.font_color(), expected) << "\"自动\" is ticked";
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsPreview,
    ::testing::Values(PreviewCase{"LeftFour", -4, 0, "cleft"}, PreviewCase{"LeftThree", -3, 0, ""},
                      PreviewCase{"RightFour", 4, 1, "cright"}, PreviewCase{"UpTen", 2, -10, "cup"},
                      PreviewCase{"DownDominant", 3, 5, "cdown"}, PreviewCase{"StillDiagonal", 3, -3, ""}),
    row_name<PreviewCase>);

TEST_F(SettingsFixture, PreviewStopsWhenTheFormCloses)
{
    start_and_open();
    click(form().Button2);
    const std::uint32_t before = form().movetip.color();
    desk.user_move({100, 600});
    desk.advance(300);
    EXPECT_EQ(form().movetip.color(), before);
}

// The main loop, the mode engine and the status timer stop while the form is
// open; each button runs them again.
TEST_F(SettingsFixture, ButtonsRestartTheMainTimers)
{
    start();
    desk.advance(200);
    const std::vector<const ui::Timer*> main_timers{&app->pyoil().Timer1, &app->ombrel().Timer1,
                                                    &app->lifeform().Timer1};
    for (ui::Button* button : {&form().Button1, &form().Button2}) {
        form().cmdopen.click();
        for (const ui::Timer* timer : main_timers)
            EXPECT_FALSE(timer->enabled()) << timer->name() << " runs while the form is open";
        click(*button);
        for (const ui::Timer* timer : main_timers)
            EXPECT_TRUE(timer->enabled()) << timer->name() << " stays stopped after " << button->text();
    }
}


using SettingsTyping = SettingsFixture;

// The user clicks a line, types the new value with the keyboard and clicks the
// line again: the typed text becomes its value.
TEST_F(SettingsTyping, TypedTextBecomesTheLinesValue)
{
    start_and_open();
    click_line(6);
    desk.user_type("\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b");
    desk.user_type("滚轮X\b助手ab\b");
    EXPECT_EQ(form().Edit1.text(), "滚轮助手a");
    desk.user_type("\b\b");
    EXPECT_EQ(form().Edit1.text(), "滚轮助") << "Backspace takes a Chinese character whole";
    click_line(6);
    EXPECT_EQ(form().ListBox1.item(6), "发行标题--滚轮助");
}

// Choosing a line selects its value: what the user types replaces it rather
// than running on after it ("24" over "16" stores 24, not 1624).
TEST_F(SettingsTyping, TypingReplacesTheChosenValue)
{
    start_and_open();
    click_line(9);
    ASSERT_EQ(form().Edit1.text(), "16");
    desk.user_type("24");
    EXPECT_EQ(form().Edit1.text(), "24");
    click_line(9);
    EXPECT_EQ(form().ListBox1.item(9), "滚动偏移--24");
}

// The form's close box leaves it as "返回" does: the main timers run again and
// the file is not written.
TEST_F(SettingsFixture, CloseBoxRestartsTheMainTimersAndWritesNothing)
{
    start_with_file(crlf_lines(kSettingsLines));
    const std::optional<std::string> before = file();
    form().cmdopen.click();
    ASSERT_FALSE(app->pyoil().Timer1.enabled());
    form().on_close_request();
    for (const ui::Timer* timer : {&app->pyoil().Timer1, &app->ombrel().Timer1, &app->lifeform().Timer1})
        EXPECT_TRUE(timer->enabled()) << timer->name();
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(file(), before);
}

TEST(EditTyping, ControlCharactersAreIgnoredAndBackspaceOnEmptyIsHarmless)
{
    sim::SimDesktop desk;
    ui::Form form(desk, {"f", "TF", "", Rect::from_size(0, 0, 10, 10), Visibility::Hidden, Topmost::No, 0});
    ui::Edit edit(form, "Edit1");
    edit.type("\b\b\x01\t");
    EXPECT_EQ(edit.text(), "");
    edit.type(std::string("a\x81", 2)); // a lone lead byte at the end
    edit.type("\b");
    EXPECT_EQ(edit.text(), "a");
}

} // namespace
} // namespace tv::test
