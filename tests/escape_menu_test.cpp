// The escape menu's contents on the simulated desktop: notes kept in
// "plan.txt" across runs, the diary round trip through "riji.txt" and the
// archiver, files that are missing, locked or not text, the command row, the
// search box and the hover strips.
#include "sim_app.h"

#include "board/escmenu.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/archiver.h"
#include "mouse/escape_menu.h"
#include "platform/keys.h"

#include <algorithm>
#include <cctype>
#include <ostream>

namespace tv::test {
namespace {

constexpr const char* kNotes = "C:\\Tarvesk\\plan.txt";
constexpr const char* kDiary = "C:\\Tarvesk\\riji.txt";
constexpr const char* kArchive = "C:\\Tarvesk\\riji.txt.rar";

class EscapeMenu : public SimApp {
protected:
    Tescmenu& menu() { return app->escmenu(); }

    void open_menu()
    {
        open_escape_menu(*app, {"菜单", {240, 295}, false});
        desk.set_foreground(menu().hwnd());
    }
    // The pointer moves onto a control of the menu.
    void hover(const ui::Control& c) { desk.user_move({menu().left() + c.left() + 2, menu().top() + c.top() + 2}); }
    void click(const ui::Control& c)
    {
        hover(c);
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
    }
    void add_note(std::string_view text)
    {
        hover(menu().Edit2);
        desk.user_type(text);
        desk.user_key(vk::kEnter, KeyAction::Down);
        desk.user_key(vk::kEnter, KeyAction::Up);
    }
    // A release of `button` on note `index` of the list.
    void release_on_note(std::size_t index, MouseButton button)
    {
        const ui::ListBox& list = menu().ListBox1;
        const int y = list.top() + static_cast<int>(index) * 16 + 4;
        desk.user_move({menu().left() + list.left() + 5, menu().top() + y});
        desk.user_button(button, ButtonAction::Down);
        desk.user_button(button, ButtonAction::Up);
    }
    std::optional<std::string> file(const char* name) const
    {
        auto it = desk.files().find(name);
        return it == desk.files().end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void restart()
    {
        program.reset();
        start();
    }
};

TEST_F(EscapeMenu, NotesAreSavedWholeAtOnceAndSurviveARestart)
{
    start();
    open_menu();
    hover(menu().Edit2);
    EXPECT_TRUE(menu().plan.visible());
    EXPECT_EQ(menu().Edit2.text(), "");
    add_note("买菜");
    add_note("call Bob & Ann");
    EXPECT_EQ(file(kNotes), "买菜\r\ncall Bob & Ann\r\n");
    EXPECT_EQ(menu().Edit2.text(), "");

    // The right button takes a note off the list and into the diary; the file keeps it until the next note.
    release_on_note(0, MouseButton::Right);
    EXPECT_EQ(menu().ListBox1.items(), (std::vector<std::string>{"call Bob & Ann"}));
    EXPECT_EQ(menu().Memo1.text(), "秘密日记\r\n买菜");
    EXPECT_EQ(file(kNotes), "买菜\r\ncall Bob & Ann\r\n");
    add_note("第三");
    EXPECT_EQ(file(kNotes), "call Bob & Ann\r\n第三\r\n");

    restart();
    EXPECT_EQ(menu().ListBox1.items(), (std::vector<std::string>{"call Bob & Ann", "第三"}));
    EXPECT_EQ(menu().outpath.text(), kNotes);
}

TEST_F(EscapeMenu, ALeftReleaseOnANoteCopiesItIntoTheDiaryAndKeepsIt)
{
    desk.put_file(kNotes, "一\r\n二\r\n");
    start();
    open_menu();
    hover(menu().Edit2);
    release_on_note(1, MouseButton::Left);
    EXPECT_EQ(menu().ListBox1.count(), 2u);
    EXPECT_EQ(menu().Memo1.text(), "秘密日记\r\n二");
    release_on_note(5, MouseButton::Right); // below the last note: nothing
    EXPECT_EQ(menu().ListBox1.count(), 2u);
}

struct NotesFileCase {
    const char* name;
    std::optional<std::string> bytes; // nullopt: no file
    bool locked;
    std::vector<std::string> loaded;
    std::optional<std::string> after_new_note; // the file once a note "新" was added
};

void PrintTo(const NotesFileCase& c, std::ostream* os) { *os << c.name; }

class NotesFile : public EscapeMenu, public ::testing::WithParamInterface<NotesFileCase> {};

// A notes file that cannot be read, or holds no text, is never written over:
// a new note goes to the list only.
TEST_P(NotesFile, LoadsWhatIsTextAndNeverWritesOverWhatIsNot)
{
    const NotesFileCase& c = GetParam();
    if (c.bytes)
        desk.put_file(kNotes, *c.bytes);
    if (c.locked)
        desk.locked_files.insert(kNotes);
    start();
    EXPECT_EQ(menu().ListBox1.items(), c.loaded);
    open_menu();
    add_note("新");
    EXPECT_EQ(menu().ListBox1.items().back(), "新");
    EXPECT_EQ(file(kNotes), c.after_new_note);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotesFile,
    ::testing::Values(NotesFileCase{"missing", std::nullopt, false, {}, "新\r\n"},
                      NotesFileCase{"empty", "", false, {}, "新\r\n"},
                      NotesFileCase{"lone line ends", "a\rb\nc", false, {"a", "b", "c"}, "a\r\nb\r\nc\r\n新\r\n"},
                      NotesFileCase{"locked", "旧的\r\n", true, {}, "旧的\r\n"},
                      NotesFileCase{"binary", std::string("MZ\0\x90\xff\r\n", 7), false, {}, std::string("MZ\0\x90\xff\r\n", 7)},
                      NotesFileCase{"invalid cp936", "\x81\x20\xff\r\n", false, {"\x81\x20\xff"}, "\x81\x20\xff\r\n新\r\n"}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST_F(EscapeMenu, DiaryRoundTripThroughTheArchiverWithThePasswordAsOneArgument)
{
    desk.put_file(kDiary, "第一行\r\nsecond");
    start();
    open_menu();
    hover(menu().Edit2);
    click(menu().openriji);
    EXPECT_EQ(menu().Memo1.text(), "第一行\r\nsecond");
    EXPECT_FALSE(file(kDiary)) << "opening takes the file";
    click(menu().openriji);
    EXPECT_EQ(menu().Memo1.text(), "第一行\r\nsecond") << "a second open finds no file and keeps the diary";

    menu().Memo1.set_text(menu().Memo1.text() + "\r\n新的一天");
    click(menu().saveriji);
    EXPECT_EQ(file(kDiary), "第一行\r\nsecond\r\n新的一天");

    const std::string password = "我的 \"密码\" & 100%\\\"x\\";
    menu().MaskEdit1.set_text(password);
    click(menu().encrypt);
    click(menu().decrypt);
    const auto& started = desk.started_with_arguments();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].path, "C:\\Tarvesk\\rar.exe");
    EXPECT_EQ(started[0].arguments, archiver::lock_arguments(password, kArchive, kDiary).value());
    EXPECT_EQ(started[1].arguments, archiver::unlock_arguments(password, kArchive, "C:\\Tarvesk\\").value());
    EXPECT_EQ(std::count(started[0].arguments.begin(), started[0].arguments.end(), "-hp" + password), 1);
}

TEST_F(EscapeMenu, SaveRefusesWhileAnUnopenedDiaryFileIsThere)
{
    start();
    open_menu();
    hover(menu().Edit2);
    desk.put_file(kDiary, "the real diary, just extracted");
    click(menu().saveriji);
    EXPECT_EQ(file(kDiary), "the real diary, just extracted");
    click(menu().openriji);
    EXPECT_EQ(menu().Memo1.text(), "the real diary, just extracted");
    click(menu().saveriji);
    EXPECT_EQ(file(kDiary), "the real diary, just extracted");
}

struct DiaryFileCase {
    const char* name;
    std::string bytes;
    bool locked;
};

void PrintTo(const DiaryFileCase& c, std::ostream* os) { *os << c.name; }

class DiaryFile : public EscapeMenu, public ::testing::WithParamInterface<DiaryFileCase> {};

// A diary file that cannot be read whole, or is no text, stays where it is
// and the diary keeps its text; saving does not replace it either.
TEST_P(DiaryFile, OpeningLeavesItAndTheDiaryAlone)
{
    desk.put_file(kDiary, GetParam().bytes);
    if (GetParam().locked)
        desk.locked_files.insert(kDiary);
    start();
    open_menu();
    hover(menu().Edit2);
    menu().Memo1.set_text("今天");
    click(menu().openriji);
    EXPECT_EQ(menu().Memo1.text(), "今天");
    click(menu().saveriji);
    EXPECT_EQ(file(kDiary), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, DiaryFile,
                         ::testing::Values(DiaryFileCase{"binary", std::string("Rar!\x1a\x07\0", 7), false},
                                           DiaryFileCase{"locked", "being extracted", true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CommandCase {
    const char* item;
    std::string_view hint;
    bool hides_menu;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.item; }

class CommandRow : public EscapeMenu, public ::testing::WithParamInterface<CommandCase> {};

// Each item shows its hint on hover and clicks the task form's command of the
// same name; all but the two input switches hide the menu first.
TEST_P(CommandRow, HoverHintsAndClickRunsTheTaskCommand)
{
    const CommandCase& c = GetParam();
    start();
    int clicks = 0;
    ui::Control* task_command = app->taskform().control(c.item);
    ASSERT_NE(task_command, nullptr) << "the task form has the command";
    task_command->on_click = [&] { ++clicks; };
    app->taskform().windtitle.set_text("无标题 - 记事本");
    open_menu();
    ui::Control* item = menu().control(c.item);
    ASSERT_NE(item, nullptr);
    hover(*item);
    EXPECT_EQ(menu().Label6.text(), c.hint);
    click(*item);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu().left() < 0, c.hides_menu);
}

INSTANTIATE_TEST_SUITE_P(Items, CommandRow,
                         ::testing::Values(CommandCase{"pf1", "关闭--无标题 - 记事本", true},
                                           CommandCase{"pf2", "转到桌面", true},
                                           CommandCase{"pf3", "转到开始菜单", true},
                                           CommandCase{"pf4", "转到互联网", true},
                                           CommandCase{"pf5", "转到中天模式", true},
                                           CommandCase{"pf6", "转到小天模式", true},
                                           CommandCase{"pf7", "转到大天模式", true},
                                           CommandCase{"pf8", "进入帮助中心", true},
                                           CommandCase{"srfid", "进入/退出Typamo", false},
                                           CommandCase{"sbid", "进入/退出Glidamo", false},
                                           CommandCase{"pf9", "退出系统", true}),
                         [](const auto& info) { return std::string(info.param.item); });

TEST_F(EscapeMenu, SearchSendsTheBoxToTheSiblingAndStartsItWhenAbsent)
{
    start();
    int starts = 0;
    app->taskform().pf4.on_click = [&] { ++starts; };
    open_menu();
    menu().Edit1.set_text("");
    click(menu().BitBtn1);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(app->regform().caption(), "vykgonewurl=");
    EXPECT_LT(menu().left(), 0);

    const Hwnd sibling = desk.add_window("Tombrelmain", "ombrel", Rect::from_size(0, 0, 300, 300));
    open_menu();
    menu().Edit1.set_text("a b&c");
    click(menu().BitBtn1);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(desk.foreground_window(), sibling);
    EXPECT_EQ(app->regform().caption(), "vykgonewurl=a b&c");
}

TEST_F(EscapeMenu, HoveredLinkOfTheLocalPageIsPreviewedOnce)
{
    start();
    const auto& views = desk.web_views();
    WebViewId local = 0, preview = 0;
    for (const auto& [id, view] : views) {
        if (view.parent == menu().hwnd() && view.navigations.front().ends_with("ok.htm"))
            local = id;
        if (view.parent == menu().hwnd() && view.navigations.front().ends_with("pp.htm"))
            preview = id;
    }
    ASSERT_NE(local, 0u);
    ASSERT_NE(preview, 0u);
    desk.fire_status_text(local, "http://example.com/a");
    desk.fire_status_text(local, "http://example.com/a");
    desk.fire_status_text(local, "完成");
    EXPECT_EQ(desk.web_view(preview)->navigations,
              (std::vector<std::string>{"file://C:\\Tarvesk\\pp.htm", "http://example.com/a"}));
    EXPECT_EQ(menu().Panel1.text(), "完成");
}

TEST_F(EscapeMenu, NavigationStripHidesTheMenuAndPlacesTheNavigationPanel)
{
    start();
    open_menu();
    hover(menu().Panel7);
    EXPECT_LT(menu().left(), 0);
    EXPECT_EQ(app->vykForm3().bounds(), Rect::from_size(100, 100, 700, 500));
    EXPECT_TRUE(app->vykForm3().visible());
}

} // namespace
} // namespace tv::test
