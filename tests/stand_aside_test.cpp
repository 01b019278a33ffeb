// Standing aside: the hook lets events through untouched while the program is
// paused, while a full-screen program runs, and for the programs on the
// exclusion list; the timers send nothing meanwhile, and all of it comes back.
#include "keyboard_pad_sim.h"

#include "board/form_main.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "core/exclusion_list.h"
#include "hook/hook_contract.h"
#include "platform/keys.h"

namespace tv::test {
namespace {

constexpr int kKeysAside = hook::kStandAsideKeys;
constexpr int kButtonsAside = hook::kStandAsideButtons;
constexpr int kAllAside = kKeysAside | kButtonsAside;
constexpr std::uint32_t kEditorProcess = 40;
constexpr std::uint32_t kOtherProgram = 41;
constexpr Point kOverOther{1000, 300};

std::vector<std::string> press(int vk)
{
    return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"};
}

class StandAsideApp : public KeyboardPadSim {
protected:
    // The program with an editor (notepad.exe) in front and under the pointer,
    // another program's window to its right, and the auto wheel selected:
    // a notch up sends Up.
    void begin()
    {
        start_program();
        desk.set_process(editor, kEditorProcess);
        desk.set_image_path(kEditorProcess, "C:\\Windows\\System32\\notepad.exe");
        other = desk.add_window("OtherFrame", "other", Rect::from_size(950, 200, 200, 300));
        desk.set_process(other, kOtherProgram);
        desk.set_image_path(kOtherProgram, "D:\\Tools\\other.exe");
        desk.set_foreground(editor);
        rest_at(kHome);
        select_by(0, -30);
        ASSERT_EQ(mode_cell(), "自动滚轮");
    }

    // One notch; the next main-loop tick dispatches it.
    void notch(bool up)
    {
        desk.clear_input_log();
        desk.user_wheel(up ? 120 : -120);
        desk.advance(50);
    }

    void pause_item() { app->FormMain().N12.click(); }

    // The check runs every 50 ms; the list is read again within a second.
    void let_check_run(int ms = 50) { desk.advance(ms); }

    std::string bar() const
    {
        const ui::Panel& mess = app->lifeform().asidemess;
        return mess.visible() ? mess.text() : std::string();
    }

    // A data file's path: the program folder, not the current folder.
    std::string beside_program(std::string_view name) const { return desk.program_folder() + std::string(name); }

    std::string file(std::string_view name) const
    {
        const auto it = desk.files().find(beside_program(name));
        return it == desk.files().end() ? std::string("(none)") : it->second;
    }

    // The keys of the user that reached the foreground window, as "65 down".
    std::vector<std::string> keys_received_since(std::size_t from) const
    {
        std::vector<std::string> out;
        for (std::size_t i = from; i < desk.received_keys().size(); ++i) {
            const auto& k = desk.received_keys()[i];
            out.push_back(std::to_string(k.vk) + (k.action == KeyAction::Down ? " down" : " up"));
        }
        return out;
    }

    void pause_hot_key()
    {
        desk.user_key(vk::kCtrl, KeyAction::Down);
        desk.user_key(vk::kAlt, KeyAction::Down);
        tap('P');
        desk.user_key(vk::kAlt, KeyAction::Up);
        desk.user_key(vk::kCtrl, KeyAction::Up);
    }

    Hwnd other = 0;
};

TEST_F(StandAsideApp, PauseItemStopsEverythingAndTheSameItemResumes)
{
    begin();
    notch(true);
    ASSERT_EQ(keys_sent(), press(vk::kUp)) << "the auto wheel acts before the pause";

    pause_item();
    let_check_run();
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, kAllAside);
    EXPECT_TRUE(app->FormMain().N12.checked());
    EXPECT_EQ(bar(), "已暂停");
    EXPECT_EQ(file("pause.txt"), "paused\r\n");

    notch(true);
    EXPECT_EQ(caption("TvykForm3"), "") << "the notch left no token";
    const std::size_t received = desk.received_keys().size();
    tap(vk::kCapsLock);
    tap(vk::kCapsLock);
    desk.advance(1000);
    EXPECT_TRUE(desk.input_log().empty()) << "nothing is sent while paused";
    EXPECT_FALSE(app->kxm().Timer1.enabled()) << "Caps Lock twice opens no key pad";
    EXPECT_EQ(keys_received_since(received),
              (std::vector<std::string>{"20 down", "20 up", "20 down", "20 up"}))
        << "the keys reach the editor untouched";

    pause_item();
    let_check_run();
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0);
    EXPECT_FALSE(app->FormMain().N12.checked());
    EXPECT_EQ(bar(), "");
    EXPECT_EQ(file("pause.txt"), "running\r\n");
    select_by(0, -30);
    ASSERT_EQ(mode_cell(), "自动滚轮") << "the mode engine selects again";
    notch(true);
    EXPECT_EQ(keys_sent(), press(vk::kUp)) << "the token flows again and the mode acts";
}

// Moves made while paused select no mode after the resume, neither the last
// one before the pause nor the jump across it.
TEST_F(StandAsideApp, MovesWhilePausedSelectNothingAfterTheResume)
{
    begin();
    pause_item();
    let_check_run();
    move_by(-40, 0); // would select the task wheel
    desk.user_move({300, 600});
    desk.advance(200);
    pause_item();
    desk.advance(400);
    EXPECT_EQ(mode_cell(), "自动滚轮");
    select_by(30, 0);
    EXPECT_EQ(mode_cell(), "正常滚轮") << "a move after the resume selects again";
}

TEST_F(StandAsideApp, HotKeyPausesAndResumesWhileTheHookStandsAside)
{
    begin();
    const std::size_t received = desk.received_keys().size();
    pause_hot_key();
    let_check_run();
    EXPECT_TRUE(app->FormMain().N12.checked());
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, kAllAside);
    for (const std::string& k : keys_received_since(received))
        EXPECT_NE(k, "80 down") << "the hot key's P reaches no window";

    pause_hot_key();
    let_check_run();
    EXPECT_FALSE(app->FormMain().N12.checked()) << "the hot key works while every key passes untouched";
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0);
}

TEST_F(StandAsideApp, PauseKeptFromTheLastRunHoldsFromTheStartUntilResumed)
{
    desk.put_file(beside_program("pause.txt"), "paused\r\n");
    start_program();
    EXPECT_TRUE(app->FormMain().N12.checked());
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, kAllAside);
    EXPECT_EQ(bar(), "已暂停");
    desk.clear_input_log();
    tap(vk::kCapsLock);
    tap(vk::kCapsLock);
    desk.user_wheel(120);
    desk.advance(1000);
    EXPECT_TRUE(desk.input_log().empty());
    EXPECT_FALSE(app->kxm().Timer1.enabled());

    pause_item();
    let_check_run();
    rest_at(kHome);
    select_by(0, -30);
    ASSERT_EQ(mode_cell(), "自动滚轮") << "the mode engine runs once resumed";
    notch(true);
    EXPECT_EQ(keys_sent(), press(vk::kUp));
}

// ---- the exclusion list ----

struct ListCase {
    const char* name;
    std::string file;
    std::vector<std::string> names;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class ExclusionListLines : public ::testing::TestWithParam<ListCase> {};

TEST_P(ExclusionListLines, KeepsTheNamesAndDropsTheRest)
{
    EXPECT_EQ(aside::ExclusionList(GetParam().file).names(), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExclusionListLines,
    ::testing::Values(
        ListCase{"NamesAndClasses", "notepad.exe\r\nChrome_WidgetWin_1\r\n", {"notepad.exe", "Chrome_WidgetWin_1"}},
        ListCase{"CommentsAndBlankLines", "# notepad.exe\r\n\r\n   \r\n  # x\r\nmspaint.exe", {"mspaint.exe"}},
        ListCase{"SystemClassIsNoComment", "#32770\r\n#\r\n", {"#32770"}},
        ListCase{"BlanksAroundDoNotCount", " \tnotepad.exe \r\n", {"notepad.exe"}},
        ListCase{"LoneLineEnds", "a.exe\nb.exe\rc.exe", {"a.exe", "b.exe", "c.exe"}},
        ListCase{"ChineseName", "记事本.exe\r\n", {"记事本.exe"}},
        ListCase{"ControlCharacterGarbled", "note\x01pad.exe\r\nok.exe", {"ok.exe"}},
        ListCase{"HalfACharacterGarbled", "\xB0\r\nok.exe\r\nbad\xB0\x20x\r\n", {"ok.exe"}},
        ListCase{"EditorsUtf8MarkIgnored", "\xEF\xBB\xBFnotepad.exe\r\n", {"notepad.exe"}},
        ListCase{"TooLongGarbled", "ok.exe\r\n" + std::string(256, 'x'), {"ok.exe"}},
        ListCase{"BinaryFileNothing", std::string("\x00\xFF\xFE\x01\x02", 5), {}}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST(ExclusionListMatch, IgnoresTheCaseOfLatinLettersOnly)
{
    const aside::ExclusionList list("Notepad.EXE\r\n记事本.exe\r\n");
    EXPECT_EQ(list.match("notepad.exe"), "Notepad.EXE");
    EXPECT_EQ(list.match("NOTEPAD.EXE"), "Notepad.EXE");
    EXPECT_EQ(list.match("记事本.EXE"), "记事本.exe");
    EXPECT_EQ(list.match("notepad.ex"), "");
    EXPECT_EQ(list.match(""), "");
    EXPECT_EQ(aside::file_name_of("C:\\Windows\\notepad.exe"), "notepad.exe");
    EXPECT_EQ(aside::file_name_of("notepad.exe"), "notepad.exe");
}

// Where the pointer and the front are, and what the list says.
enum class Pointer { OverEditor, OverEditorsChild, OverOther };

struct ExcludeCase {
    const char* name;
    const char* list;
    Pointer pointer;
    int flags;       // what the hook is told
    const char* bar; // what the status bar shows
};

void PrintTo(const ExcludeCase& c, std::ostream* os) { *os << c.name; }

class Exclusions : public StandAsideApp, public ::testing::WithParamInterface<ExcludeCase> {};

TEST_P(Exclusions, TheListedProgramInFrontOrUnderThePointer)
{
    const ExcludeCase& c = GetParam();
    desk.put_file(beside_program("exclude.txt"), c.list);
    begin();
    // At 150,250 of the editor's client area: 250,450 on the screen.
    const Hwnd child = desk.add_window("Edit", "", Rect::from_size(150, 250, 400, 200), Visibility::Shown,
                                       Topmost::No, editor);
    desk.set_process(child, kEditorProcess);
    const Point at = c.pointer == Pointer::OverOther ? kOverOther
                     : c.pointer == Pointer::OverEditorsChild ? Point{300, 500}
                                                              : kHome;
    desk.user_move(at);
    let_check_run();
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, c.flags);
    EXPECT_EQ(bar(), c.bar);
}

INSTANTIATE_TEST_SUITE_P(
    ByProgramAndClass, Exclusions,
    ::testing::Values(
        ExcludeCase{"ExecutableFrontAndPointer", "notepad.exe\r\n", Pointer::OverEditor, kAllAside,
                    "排除 notepad.exe"},
        ExcludeCase{"ExecutableOtherCase", "NotePad.EXE\r\n", Pointer::OverEditor, kAllAside, "排除 NotePad.EXE"},
        ExcludeCase{"ClassOfTheTopWindow", "Notepad\r\n", Pointer::OverEditor, kAllAside, "排除 Notepad"},
        ExcludeCase{"ChildUnderThePointerByItsTopWindow", "Notepad\r\n", Pointer::OverEditorsChild, kAllAside,
                    "排除 Notepad"},
        ExcludeCase{"ChildsOwnClass", "Edit\r\n", Pointer::OverEditorsChild, kButtonsAside, "排除 Edit"},
        ExcludeCase{"FrontOnlyKeys", "notepad.exe\r\n", Pointer::OverOther, kKeysAside, "排除 notepad.exe"},
        ExcludeCase{"PointerOnlyButtons", "other.exe\r\n", Pointer::OverOther, kButtonsAside, "排除 other.exe"},
        ExcludeCase{"CommentedOut", "# notepad.exe\r\n", Pointer::OverEditor, 0, ""},
        ExcludeCase{"AFullPathIsNoFileName", "C:\\Windows\\System32\\notepad.exe\r\n", Pointer::OverEditor, 0, ""},
        ExcludeCase{"GarbledLineIgnored", "notepad.exe\x02\r\nOtherFrame\r\n", Pointer::OverEditor, 0, ""}),
    [](const ::testing::TestParamInfo<ExcludeCase>& info) { return std::string(info.param.name); });

TEST_F(StandAsideApp, ListedEditorKeepsItsWheelAndRightButtonWhileAnotherWindowGetsTheModes)
{
    desk.put_file(beside_program("exclude.txt"), "notepad.exe\r\n");
    begin();
    set_caption("Tinputmode", "myright"); // the wheel mode would take the right button
    desk.user_move(kHome);
    let_check_run();
    const std::string event_cell = caption("TvykForm3");
    notch(true);
    EXPECT_TRUE(keys_sent().empty());
    EXPECT_EQ(caption("TvykForm3"), event_cell) << "no token for the notch over the listed program";
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    EXPECT_EQ(caption("TvykForm3"), event_cell) << "the right press passes untouched";
    desk.user_button(MouseButton::Right, ButtonAction::Up);

    desk.set_foreground(other);
    rest_at(kOverOther);
    select_by(0, -30);
    let_check_run();
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0);
    ASSERT_EQ(mode_cell(), "自动滚轮");
    notch(true);
    EXPECT_EQ(keys_sent(), press(vk::kUp)) << "the other program gets the auto wheel";
}

TEST_F(StandAsideApp, ListIsReadAgainWhenItChanges)
{
    begin();
    let_check_run(1000);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0);
    desk.put_file(beside_program("exclude.txt"), "notepad.exe\r\n");
    let_check_run(1000);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, kAllAside);
    desk.put_file(beside_program("exclude.txt"), "# notepad.exe\r\n");
    let_check_run(1000);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0);
    desk.put_file(beside_program("exclude.txt"), "Notepad\r\n");
    let_check_run(1000);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, kAllAside);
    desk.remove_file(beside_program("exclude.txt"));
    let_check_run(1000);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0) << "a list that went away lists nothing";
}

TEST_F(StandAsideApp, ListItemOpensTheListAndWritesTheExampleOnlyWhenMissing)
{
    begin();
    app->FormMain().N13.click();
    ASSERT_EQ(desk.opened_program_files(), std::vector<std::string>{"exclude.txt"});
    const std::string example = file("exclude.txt");
    EXPECT_NE(example.find("# notepad.exe"), std::string::npos);
    EXPECT_TRUE(aside::ExclusionList(example).empty()) << "the example lists nothing until a line is uncommented";

    desk.put_file(beside_program("exclude.txt"), "mine.exe\r\n");
    app->FormMain().N13.click();
    EXPECT_EQ(file("exclude.txt"), "mine.exe\r\n");
    EXPECT_EQ(desk.opened_program_files().size(), 2u);
}

// ---- full-screen programs ----

struct FullScreenCase {
    const char* name;
    UserNotificationState state;
    bool aside;
};

void PrintTo(const FullScreenCase& c, std::ostream* os) { *os << c.name; }

class FullScreen : public StandAsideApp, public ::testing::WithParamInterface<FullScreenCase> {};

TEST_P(FullScreen, StandsAsideWhileTheShellSaysSo)
{
    const FullScreenCase& c = GetParam();
    begin();
    desk.set_user_notification_state(c.state);
    let_check_run(300);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, c.aside ? kAllAside : 0);
    EXPECT_EQ(bar(), c.aside ? "全屏程序" : "");
    desk.clear_input_log();
    tap(vk::kCapsLock);
    tap(vk::kCapsLock);
    desk.advance(500);
    EXPECT_EQ(app->kxm().Timer1.enabled(), !c.aside) << "the key pad opens only when nothing is full screen";

    desk.set_user_notification_state(UserNotificationState::AcceptsNotifications);
    let_check_run(300);
    EXPECT_EQ(desk.hook_key_flags() & kAllAside, 0) << "the program acts again";
}

INSTANTIATE_TEST_SUITE_P(
    ShellStates, FullScreen,
    ::testing::Values(FullScreenCase{"Direct3DFullScreen", UserNotificationState::RunningD3dFullScreen, true},
                      FullScreenCase{"PresentationMode", UserNotificationState::PresentationMode, true},
                      FullScreenCase{"BusyFullScreen", UserNotificationState::Busy, true},
                      FullScreenCase{"AcceptsNotifications", UserNotificationState::AcceptsNotifications, false},
                      FullScreenCase{"QuietTime", UserNotificationState::QuietTime, false},
                      FullScreenCase{"NotPresent", UserNotificationState::NotPresent, false},
                      FullScreenCase{"StoreApp", UserNotificationState::App, false},
                      FullScreenCase{"ShellCannotSay", UserNotificationState::Unknown, false}),
    [](const ::testing::TestParamInfo<FullScreenCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tv::test
