// The options form: its switches and groups write their settings lines and
// save at once, the caption marks, the tray icon and its menu, the Explorer
// verbs of the run, the file command panel, the runtime list's writers.
#include "sim_app.h"

#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/setform.h"
#include "core/settings_list.h"
#include "platform/lines.h"
#include "settings/file_command_panel.h"
#include "settings/shell_verbs.h"

#include <optional>

namespace tv::test {
namespace {

constexpr std::uint32_t kLeftUp = 514;
constexpr std::uint32_t kRightUp = 517;
constexpr std::uint32_t kMouseMove = 512;
const std::string kOpenCommand = std::string(shell_verbs::kOpenKey) + "\\command";
const std::string kLockCommand = std::string(shell_verbs::kLockKey) + "\\command";

std::vector<std::string> settings_lines()
{
    std::vector<std::string> lines = Tsetform::default_items();
    lines[22] = "快速右键--0";
    lines[23] = "快速菜单--0";
    return lines;
}

std::string crlf(const std::vector<std::string>& lines) { return join_crlf(lines); }

class Options : public SimApp {
protected:
    // Starts beside a settings file (none: no file) and completes start-up:
    // the options form is shown near the top.
    void start_with(std::optional<std::string> file = crlf(settings_lines()))
    {
        if (file)
            desk.put_file(settings::kFileName, *file);
        start();
        desk.advance(200);
        ASSERT_GE(options().left(), 0) << "the options form is shown at start-up completion";
    }
    TFormMain& options() const { return app->FormMain(); }
    std::vector<std::string> saved_lines() const
    {
        auto it = desk.files().find(settings::kFileName);
        return it == desk.files().end() ? std::vector<std::string>{} : split_lines(it->second);
    }
    // A user's click on a control of the options form.
    void click(const ui::Control& c)
    {
        desk.user_move({options().left() + c.left() + c.width() / 2, options().top() + c.top() + c.height() / 2});
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
    }
    std::size_t menu_index(const ui::Check& item) const
    {
        const auto& items = options().PopupMenu1.items();
        return static_cast<std::size_t>(std::find(items.begin(), items.end(), &item) - items.begin());
    }
};

template <class Row> class OptionsTable : public Options, public ::testing::WithParamInterface<Row> {};

// ---------------------------------------------------------------- switches

struct SwitchCase {
    std::string name;
    std::string control;
    std::size_t line;
    std::string on_item, off_item;
    std::string on_caption, off_caption;
};
void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

using OptionSwitches = OptionsTable<SwitchCase>;

// Each click writes the line and saves at once; the caption carries the mark.
TEST_P(OptionSwitches, ClickWritesTheLineAndTheCaptionMarkAtOnce)
{
    const SwitchCase& c = GetParam();
    start_with();
    auto& box = dynamic_cast<ui::Check&>(*options().control(c.control));
    ASSERT_FALSE(box.checked());
    click(box);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(saved_lines().at(c.line), c.on_item);
    EXPECT_EQ(app->regform().ListBox2.item(c.line), c.on_item);
    EXPECT_EQ(caption("TFormMain"), c.on_caption);
    click(box);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(saved_lines().at(c.line), c.off_item);
    EXPECT_EQ(caption("TFormMain"), c.off_caption);
    std::vector<std::string> expected = settings_lines();
    expected[c.line] = c.off_item;
    EXPECT_EQ(saved_lines(), expected) << "no other line changes";
}

INSTANTIATE_TEST_SUITE_P(Options, OptionSwitches,
    ::testing::Values(
        SwitchCase{"QuickMenu", "cdbl", 23, "快速菜单--1", "快速菜单--0", "设置说明  12345678  超级菜单",
                   "设置说明  12345678  --//--//  "},
        SwitchCase{"QuickRightButton", "N2qq", 22, "快速右键--1", "快速右键--0", "设置说明  超级右键  12345678  ",
                   "设置说明  --//--//  12345678  "}),
    [](const auto& info) { return info.param.name; });

// Both marks at once: the quick right button keeps the quick menu's mark.
TEST_F(Options, TheTwoMarksKeepEachOther)
{
    start_with();
    click(options().cdbl);
    click(options().N2qq);
    EXPECT_EQ(caption("TFormMain"), "设置说明  超级右键  超级菜单");
}

// Start-up's own click of the quick right button (line 22 on) marks the
// caption and leaves the file as it was.
TEST_F(Options, StartUpWithQuickRightButtonOnMarksTheCaptionWithoutWriting)
{
    std::vector<std::string> lines = settings_lines();
    lines[22] = "快速右键--1";
    const std::string file = crlf(lines) + "extra line\r\n";
    start_with(file);
    EXPECT_TRUE(options().N2qq.checked());
    EXPECT_EQ(caption("TFormMain"), "设置说明  超级右键  12345678  ");
    EXPECT_EQ(desk.files().at(settings::kFileName), file);
}

struct SizeCase {
    std::string name;
    std::string control;
    std::string line12;
    int bar_height; // the status bar's height after the task form's size command
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

using OptionBarSizes = OptionsTable<SizeCase>;

TEST_P(OptionBarSizes, ClickStoresLinesElevenAndTwelveAndSaves)
{
    start_with();
    auto& button = dynamic_cast<ui::Check&>(*options().control(GetParam().control));
    click(button);
    int ticked = 0;
    for (const ui::Check* c : {&options().smallid, &options().midid, &options().bigid})
        ticked += c->checked() ? 1 : 0;
    EXPECT_EQ(ticked, 1);
    EXPECT_TRUE(button.checked());
    EXPECT_EQ(saved_lines().at(11), "进入窗口--1");
    EXPECT_EQ(saved_lines().at(12), GetParam().line12);
    EXPECT_EQ(app->regform().ListBox2.item(12), GetParam().line12);
    EXPECT_EQ(app->lifeform().height(), GetParam().bar_height) << "the task form's size command ran";
}

INSTANTIATE_TEST_SUITE_P(Options, OptionBarSizes,
    ::testing::Values(SizeCase{"Small", "smallid", "Skarn种类--1", 5}, SizeCase{"Medium", "midid", "Skarn种类--2", 32},
                      SizeCase{"Large", "bigid", "Skarn种类--3", 180}),
    [](const auto& info) { return info.param.name; });

// A missing file: storing line 23 first fills the list with the default lines,
// so the switch lands on its own line and the others are the defaults.
TEST_F(Options, StoringIntoAMissingFilePadsWithTheDefaults)
{
    start_with(std::nullopt);
    ASSERT_EQ(app->regform().ListBox2.count(), 0u);
    click(options().cdbl);
    std::vector<std::string> expected = Tsetform::default_items();
    expected.resize(24);
    expected[23] = "快速菜单--1";
    EXPECT_EQ(saved_lines(), expected);
}

// A settings file that another program held locked at start loads as an
// empty list; once the lock is gone, an option click must not write the
// defaults over the user's lines.
TEST_F(Options, AFileUnreadableAtStartIsNeverWrittenThatRun)
{
    const std::string bytes = crlf(settings_lines());
    desk.put_file(settings::kFileName, bytes);
    desk.locked_files.insert(std::string(settings::kFileName));
    start_with(std::nullopt);
    desk.locked_files.clear();
    click(options().cdbl);
    click(options().smallid);
    EXPECT_EQ(desk.files().at(std::string(settings::kFileName)), bytes);
}

struct BadSettingsCase {
    std::string name;
    std::vector<std::string> lines;
};
void PrintTo(const BadSettingsCase& c, std::ostream* os) { *os << c.name; }

using OptionsBadSettings = OptionsTable<BadSettingsCase>;

// Odd values never crash, and a switch saved afterwards changes its own line only.
TEST_P(OptionsBadSettings, SwitchChangesOnlyItsLine)
{
    const std::vector<std::string>& lines = GetParam().lines;
    start_with(crlf(lines));
    click(options().cdbl);
    click(options().midid);
    std::vector<std::string> expected = lines;
    if (expected.size() < 24)
        expected.resize(24);
    expected[23] = "快速菜单--1";
    expected[11] = "进入窗口--1";
    expected[12] = "Skarn种类--2";
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (i != 11 && i != 12 && i != 23 && i < lines.size()) {
            EXPECT_EQ(saved_lines().at(i), lines[i]) << "line " << i;
        }
    EXPECT_EQ(saved_lines().size(), expected.size());
    EXPECT_FALSE(app->ended());
}

std::vector<std::string> with(std::size_t line, std::string item)
{
    std::vector<std::string> lines = settings_lines();
    lines[line] = std::move(item);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(Options, OptionsBadSettings,
    ::testing::Values(BadSettingsCase{"StartPageOutOfRange", with(11, "进入窗口--9")},
                      BadSettingsCase{"BarSizeOutOfRange", with(12, "Skarn种类--0")},
                      BadSettingsCase{"BarSizeWithoutDashes", with(12, "Skarn种类3")},
                      BadSettingsCase{"HundredKilobyteLine", with(4, std::string(100 * 1024, '\xB9'))},
                      BadSettingsCase{"HundredKilobyteSwitchLine", with(23, std::string(100 * 1024, 'x'))},
                      BadSettingsCase{"ShortFile", {"发行编号--0zl0", "--", "x"}}),
    [](const auto& info) { return info.param.name; });

// ---------------------------------------------------------------- tray icon

TEST_F(Options, TrayIconLivesFromCreationToTheRunsEnd)
{
    start_with();
    const Hwnd form = options().hwnd();
    const std::optional<TrayIcon> icon = desk.tray_icon(form, TFormMain::kTrayIconId);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->callback_message, 0x8064u);
    EXPECT_EQ(icon->picture, 0);
    EXPECT_EQ(icon->tip, "轻松操作电脑－－Ombrel(OMB)");
    EXPECT_TRUE(options().CheckBox1.checked());
    program.reset();
    EXPECT_EQ(desk.tray_icon_count(), 0u);
}

// The tray option off deletes the icon; on again, it comes back with the picture chosen meanwhile.
TEST_F(Options, TrayOptionAndPictures)
{
    start_with();
    const Hwnd form = options().hwnd();
    click(options().RadioButton2);
    EXPECT_EQ(desk.tray_icon(form, TFormMain::kTrayIconId)->picture, 1);
    EXPECT_FALSE(options().RadioButton1.checked());
    click(options().CheckBox1);
    EXPECT_FALSE(desk.tray_icon(form, TFormMain::kTrayIconId));
    EXPECT_FALSE(options().Button1.visible()) << "\"隐藏\" only while the icon is shown";
    click(options().RadioButton1);
    EXPECT_FALSE(desk.tray_icon(form, TFormMain::kTrayIconId)) << "a picture alone adds no icon";
    click(options().CheckBox1);
    ASSERT_TRUE(desk.tray_icon(form, TFormMain::kTrayIconId));
    EXPECT_EQ(desk.tray_icon(form, TFormMain::kTrayIconId)->picture, 0);
    options().ToggleState1.click();
    EXPECT_EQ(desk.tray_icon(form, TFormMain::kTrayIconId)->picture, 1);
    EXPECT_TRUE(options().RadioButton2.checked());
}

struct TrayClickCase {
    std::string name;
    std::uint32_t message;
    bool menu;
};
void PrintTo(const TrayClickCase& c, std::ostream* os) { *os << c.name; }

using TrayClicks = OptionsTable<TrayClickCase>;

// A button release on the icon pops up the options menu at the pointer; the
// menu's "设置..." opens the settings form.
TEST_P(TrayClicks, ReleasePopsUpTheMenuThatOpensTheSettingsForm)
{
    start_with();
    desk.user_move({900, 740});
    desk.menu_answers.push_back(menu_index(options().N11));
    desk.user_tray(options().hwnd(), TFormMain::kTrayIconId, GetParam().message);
    ASSERT_EQ(desk.menus_shown().size(), GetParam().menu ? 1u : 0u);
    EXPECT_EQ(app->setform().visible(), GetParam().menu);
    if (!GetParam().menu)
        return;
    EXPECT_EQ(desk.menus_shown()[0].at, (Point{900, 740}));
    EXPECT_EQ(desk.menus_shown()[0].items.at(menu_index(options().N11)).caption, "设置...");
    EXPECT_FALSE(app->pyoil().Timer1.enabled()) << "the settings form holds the main timers";
}

INSTANTIATE_TEST_SUITE_P(Options, TrayClicks,
    ::testing::Values(TrayClickCase{"LeftUp", kLeftUp, true}, TrayClickCase{"RightUp", kRightUp, true},
                      TrayClickCase{"MoveOnly", kMouseMove, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(Options, SettingsButtonOpensTheSettingsForm)
{
    start_with();
    click(options().Button8);
    EXPECT_TRUE(app->setform().visible());
}

// ---------------------------------------------------------------- the menu's restarts and messages

TEST_F(Options, RestartsSwitchTheCompanionsOn)
{
    start_with();
    options().sbbl.set_checked(false);
    options().cdbl.set_checked(false);
    app->pyoil().sbtt.click();
    options().srfbl.set_checked(false);
    app->pyoil().srftt.click();
    ASSERT_FALSE(desk.mouse_hook_on());
    ASSERT_FALSE(desk.keyboard_hook_on());
    options().N9.click();
    EXPECT_TRUE(desk.mouse_hook_on());
    EXPECT_TRUE(options().cdbl.checked());
    options().N10.click();
    EXPECT_TRUE(desk.keyboard_hook_on());
}

TEST_F(Options, ShowMessagesTogglesTheMessageLinesAndTheInputModeForm)
{
    start_with();
    options().N8.click();
    EXPECT_TRUE(options().N8.checked());
    EXPECT_TRUE(app->lifeform().messlistold.visible());
    EXPECT_TRUE(app->inputmode().visible());
    options().N8.click();
    EXPECT_FALSE(app->lifeform().messlistold.visible());
    EXPECT_FALSE(app->inputmode().visible());
}

// Off: only the normal wheel is named; on: the mode engine's names again.
TEST_F(Options, ThreeSpeedWheelSwitchesTheModeNames)
{
    start_with();
    options().N3.click();
    desk.advance(100);
    EXPECT_EQ(caption("Tlifeform"), "kk mywheel");
    options().N3.click();
    EXPECT_NE(caption("Tlifeform"), "kk mywheel");
}

// ---------------------------------------------------------------- Explorer verbs

TEST_F(Options, VerbsAreRegisteredQuotedForTheRunAndRemovedAtItsEnd)
{
    start_with();
    const auto& reg = desk.registry();
    ASSERT_TRUE(reg.contains(std::string(shell_verbs::kOpenKey)));
    EXPECT_EQ(reg.at(std::string(shell_verbs::kOpenKey)), "轻松打开");
    EXPECT_EQ(reg.at(kOpenCommand), "\"C:\\Tarvesk\\wordpad.exe\" \"%1\"");
    EXPECT_EQ(reg.at(std::string(shell_verbs::kLockKey)), "加密保存");
    EXPECT_EQ(reg.at(kLockCommand), "\"C:\\Tarvesk\\jmdata.exe\" \"%1\"");
    program.reset();
    EXPECT_TRUE(desk.registry().empty()) << desk.registry().begin()->first;
}

TEST_F(Options, RegistryRefusingWritesLeavesTheVerbsMissing)
{
    desk.registry_read_only = true;
    start_with();
    EXPECT_TRUE(desk.registry().empty());
    program.reset();
    EXPECT_TRUE(desk.registry().empty());
}

TEST(ShellVerbs, CommandLineQuotesProgramAndFile)
{
    EXPECT_EQ(shell_verbs::command_line("C:\\Program Files\\Tarvesk\\", "wordpad.exe"),
              "\"C:\\Program Files\\Tarvesk\\wordpad.exe\" \"%1\"");
}

// ---------------------------------------------------------------- the file command panel

struct PanelCase {
    std::string name;
    std::string path;
    std::string password, again;
    bool unlock;
    std::optional<std::string> message;              // what the user is told, if anything
    std::vector<std::string> arguments;               // empty: nothing started
};
void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

using FilePanel = OptionsTable<PanelCase>;

TEST_P(FilePanel, TwoEqualPasswordsStartTheArchiver)
{
    const PanelCase& c = GetParam();
    start_with();
    set_caption("Tregform", "filecmd=" + c.path);
    desk.advance(200);
    ASSERT_TRUE(options().outcmd.visible());
    ASSERT_TRUE(options().Button6.visible()) << "the panel's controls follow it";
    EXPECT_EQ(options().outpath.text(), c.path);
    options().Edit3.set_text(c.password);
    options().Edit4.set_text(c.again);
    click(c.unlock ? options().Button7 : options().Button6);

    const bool started = !c.arguments.empty();
    ASSERT_EQ(desk.started_with_arguments().size(), started ? 1u : 0u);
    if (started) {
        EXPECT_EQ(desk.started_with_arguments()[0].path, "C:\\Tarvesk\\rar.exe");
        EXPECT_EQ(desk.started_with_arguments()[0].arguments, c.arguments);
        EXPECT_EQ(options().Edit3.text(), "") << "the password is forgotten";
    }
    EXPECT_EQ(options().outcmd.visible(), !started);
    ASSERT_EQ(desk.message_boxes().size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_EQ(desk.message_boxes()[0].text.substr(0, c.message->size()), *c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Options, FilePanel,
    ::testing::Values(
        PanelCase{"LockDifferentPasswords", "C:\\d\\a b.txt", "pw 1", "pw 2", false, "两次口令不一样!", {}},
        PanelCase{"LockEmptyPasswords", "C:\\d\\a.txt", "", "", false, "请输入口令!", {}},
        PanelCase{"Lock", "C:\\d\\a b.txt", "p\"w &%", "p\"w &%", false, std::nullopt,
                  {"m", "-ep1", "-t", "-hpp\"w &%", "-df", "-m1", "C:\\d\\a b.txt.rar", "C:\\d\\a b.txt"}},
        PanelCase{"LockRefusedPath", "-x.txt", "pw", "pw", false, "加密程序不能运行: ", {}},
        PanelCase{"UnlockDifferentPasswords", "C:\\d\\a.rar", "a", "b", true, "两次口令不一样!", {}},
        PanelCase{"UnlockArchive", "C:\\d\\a.rar", "pw", "pw", true, std::nullopt,
                  {"x", "-hppw", "C:\\d\\a.rar", "C:\\d\\"}},
        PanelCase{"UnlockAddsRar", "C:\\d\\a.txt", "pw", "pw", true, std::nullopt,
                  {"x", "-hppw", "C:\\d\\a.txt.rar", "C:\\d\\"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(Options, MissingArchiverLeavesThePanelOpen)
{
    start_with();
    desk.missing_programs.push_back("C:\\Tarvesk\\rar.exe");
    set_caption("Tregform", "filecmd=C:\\d\\a.txt");
    desk.advance(200);
    options().Edit3.set_text("pw");
    options().Edit4.set_text("pw");
    click(options().Button6);
    EXPECT_TRUE(options().outcmd.visible());
    EXPECT_EQ(desk.message_boxes().size(), 1u);
    click(options().Button9);
    EXPECT_FALSE(options().outcmd.visible());
    EXPECT_FALSE(options().Edit3.visible());
}

// ---------------------------------------------------------------- the runtime list's writers

TEST_F(Options, NavigationAddressComesFromLineOne)
{
    std::vector<std::string> lines = settings_lines();
    lines[1] = "发行导航--nav page.htm";
    start_with(crlf(lines));
    EXPECT_EQ(app->regform().fx.text(), "nav page.htm");
}

// The settings form's save becomes the runtime list too: a later option click
// writes the file with the form's edit kept.
TEST_F(Options, SettingsFormSaveSurvivesALaterOptionClick)
{
    start_with();
    Tsetform& form = app->setform();
    form.cmdopen.click();
    std::vector<std::string> edited = form.ListBox1.items();
    edited[6] = "发行标题--滚轮助手";
    form.ListBox1.set_items(edited);
    form.Button1.click();
    EXPECT_EQ(app->regform().ListBox2.item(6), "发行标题--滚轮助手");
    click(options().cdbl);
    EXPECT_EQ(saved_lines().at(6), "发行标题--滚轮助手");
    EXPECT_EQ(saved_lines().at(23), "快速菜单--1");
}

} // namespace
} // namespace tv::test
