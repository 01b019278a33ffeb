// The quick command executor on the simulated desktop: each built-in command,
// the commands "function.txt" does not enable, and files that are not what
// they should be. A caller names the command in `kxmm.Button1` and clicks
// `ombrel.vykxcmd`, as the right button and the panels do.
#include "wheel_sim.h"

#include "board/escmenu.h"
#include "board/form_main.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/taskform.h"
#include "board/vykform3.h"

#include <optional>

namespace tv::test {
namespace {

constexpr const char* kCommandFile = "C:\\Tarvesk\\function.txt";
constexpr const char* kAllCommands = "06\r\n返回()\r\n关闭()\r\n开始()\r\n桌面()\r\n任务()\r\n";
constexpr const char* kEditorTitle = "无标题 - 记事本";

class QuickCommand : public WheelApp {
protected:
    void start_with(std::optional<std::string> command_file)
    {
        if (command_file)
            desk.put_file(kCommandFile, *command_file);
        start_program();
        other = desk.add_window("Other", "other", Rect::from_size(600, 250, 200, 200));
        desk.set_foreground(editor);
        desk.clear_input_log();
    }

    void run(std::string_view name)
    {
        app->kxmm().Button1.set_text(name);
        app->ombrel().vykxcmd.click();
    }

    // The task list open with its top-left corner just inside `p`.
    void task_list_at(Point p)
    {
        app->taskform().show();
        app->taskform().set_bounds(p.x + 2, p.y + 2, 300, 200);
    }

    Hwnd other = 0;
};

// ---- 返回 and 关闭 ----

class ReturnAndClose : public QuickCommand {
protected:
    void SetUp() override { start_with("07" + std::string(kAllCommands).substr(2) + "关闭/上网()\r\n"); }
};

TEST_F(ReturnAndClose, ReturnBringsTheReturnWindowToTheFront)
{
    app->ombrel().return_window = other;
    run("返回");
    EXPECT_EQ(desk.foreground_window(), other);
    EXPECT_EQ(app->kxm().Panel19.text(), "other//Other");
}

TEST_F(ReturnAndClose, ReturnToAVanishedWindowDoesNothing)
{
    app->ombrel().return_window = other;
    desk.destroy_window(other);
    run("返回");
    EXPECT_EQ(desk.foreground_window(), editor);
    EXPECT_EQ(app->kxm().Panel19.text(), "");
}

TEST_F(ReturnAndClose, CloseClosesTheWindowUnderTheTaskList)
{
    app->ombrel().return_window = other;
    task_list_at({300, 300}); // over the editor
    run("关闭");
    desk.advance(1);
    EXPECT_FALSE(desk.window_exists(editor));
    EXPECT_TRUE(desk.window_exists(other));
    EXPECT_FALSE(app->taskform().visible());
    EXPECT_EQ(desk.foreground_window(), other);
    EXPECT_EQ(app->kxm().Panel19.text(), std::string(kEditorTitle) + "//Notepad");
}

TEST_F(ReturnAndClose, CloseWithMoreToTheNameClosesTheReturnWindow)
{
    app->ombrel().return_window = other;
    task_list_at({300, 300});
    run("关闭/上网");
    desk.advance(1);
    EXPECT_TRUE(desk.window_exists(editor));
    EXPECT_FALSE(desk.window_exists(other));
    EXPECT_FALSE(app->taskform().visible());
}

TEST_F(ReturnAndClose, CloseWithAVanishedReturnWindowDoesNothing)
{
    app->ombrel().return_window = other;
    desk.destroy_window(other);
    task_list_at({300, 300});
    run("关闭/上网");
    desk.advance(1);
    EXPECT_TRUE(desk.window_exists(editor));
    EXPECT_TRUE(app->taskform().visible());
}

// The shell's windows and the program's own are never closed.
struct GuardCase {
    const char* name;
    const char* window_class; // a window of this class under the task list; "" for the status bar
    const char* requested;
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class CloseGuards : public ReturnAndClose, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(CloseGuards, NothingIsClosed)
{
    const GuardCase& c = GetParam();
    Hwnd guarded = app->lifeform().hwnd();
    Point corner{300, 50}; // on the status bar
    if (*c.window_class) {
        guarded = desk.add_window(c.window_class, "", Rect::from_size(0, 720, 1024, 48));
        corner = {300, 740};
    }
    app->ombrel().return_window = *c.window_class ? guarded : app->lifeform().hwnd();
    task_list_at(corner);
    run(c.requested);
    desk.advance(1);
    EXPECT_TRUE(desk.window_exists(guarded));
    EXPECT_TRUE(desk.window_exists(editor));
    EXPECT_TRUE(app->taskform().visible());
}

INSTANTIATE_TEST_SUITE_P(
    ShellAndOwnWindows, CloseGuards,
    ::testing::Values(GuardCase{"TheDesktopWindow", "#32769", "关闭"}, GuardCase{"TheDesktopIcons", "Progman", "关闭"},
                      GuardCase{"TheDesktopWorker", "WorkerW", "关闭"}, GuardCase{"TheTaskbar", "Shell_TrayWnd", "关闭"},
                      GuardCase{"TheStatusBar", "", "关闭"}, GuardCase{"TheTaskbarAsReturnWindow", "Shell_TrayWnd", "关闭/上网"},
                      GuardCase{"TheStatusBarAsReturnWindow", "", "关闭/上网"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReturnAndClose, MenuBarOfTheWindowUnderTheTaskList)
{
    task_list_at({300, 300});
    app->ombrel().mmenu.click();
    EXPECT_EQ(app->ombrel().return_window, editor);
    EXPECT_EQ(desk.foreground_window(), editor);
    EXPECT_EQ(desk.cursor_pos(), (Point{100, 200}));
    EXPECT_EQ(app->lifeform().Panel26.text(), "hh");
    EXPECT_EQ(keys_sent(), (std::vector<std::string>{"key 18 down", "key 18 up", "key 40 down", "key 40 up"}));
}

TEST_F(ReturnAndClose, MenuBarOverAVanishedWindowDoesNothing)
{
    app->ombrel().return_window = other;
    task_list_at({300, 300});
    desk.destroy_window(editor);
    app->taskform().set_bounds(302, 302, 0, 200); // nothing else lies under its corner
    app->ombrel().mmenu.click();
    EXPECT_EQ(app->ombrel().return_window, other);
    EXPECT_TRUE(keys_sent().empty());
}

// ---- 开始 ----

struct StartCase {
    const char* name;
    std::optional<Rect> taskbar;
    std::optional<Point> pointer; // where the pointer ends; none: it stays
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartMenu : public QuickCommand, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartMenu, WindowsKeyAutoWheelMarkerAndPointer)
{
    const StartCase& c = GetParam();
    desk.set_taskbar(c.taskbar);
    start_with(kAllCommands);
    app->kxmm().show();
    app->FormMain().set_caption("设置说明--0123456789abcdefghijKLMN");
    const Point before = desk.cursor_pos();
    run("开始");
    EXPECT_FALSE(app->kxmm().visible());
    EXPECT_EQ(keys_sent(), (std::vector<std::string>{"key 91 down", "key 91 up"}));
    EXPECT_EQ(mode_cell(), "自动滚轮");
    EXPECT_EQ(caption("Tlifeform"), "mywheelslow");
    EXPECT_EQ(caption("TFormMain"), "开始菜单--0123456789abcdefghij");
    EXPECT_EQ(desk.cursor_pos(), c.pointer.value_or(before));
}

INSTANTIATE_TEST_SUITE_P(
    Taskbars, StartMenu,
    ::testing::Values(StartCase{"AtTheBottom", Rect{0, 738, 1024, 768}, Point{30, 763}},
                      StartCase{"AtTheRight", Rect{960, 0, 1024, 768}, Point{960, 25}},
                      StartCase{"HiddenOffTheLeftEdge", Rect{-58, 0, 2, 768}, std::nullopt},
                      StartCase{"JustShowingAtTheLeftEdge", Rect{-57, 0, 3, 768}, Point{0, 25}}, // held on the screen
                      StartCase{"NearTheLeftEdge", Rect{50, 0, 110, 768}, Point{80, 25}},
                      StartCase{"NoTaskbar", std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- 桌面, 任务, 上网 and commands not enabled ----

class AllEnabled : public QuickCommand {
protected:
    void SetUp() override { start_with("07" + std::string(kAllCommands).substr(2) + "上网()\r\n"); }
};

TEST_F(AllEnabled, DesktopOpensTheShellFile)
{
    app->kxmm().show();
    app->taskform().show();
    run("桌面");
    EXPECT_EQ(desk.opened_program_files(), std::vector<std::string>{"vykdesk.scf"});
    EXPECT_FALSE(app->kxmm().visible());
    EXPECT_FALSE(app->taskform().visible());
}

TEST_F(AllEnabled, GoOnlineIsNotACommand)
{
    app->ombrel().return_window = other;
    app->taskform().show();
    run("上网");
    desk.advance(1);
    EXPECT_TRUE(keys_sent().empty());
    EXPECT_EQ(desk.foreground_window(), editor);
    EXPECT_TRUE(desk.window_exists(other));
    EXPECT_TRUE(app->taskform().visible());
    EXPECT_TRUE(desk.opened_program_files().empty());
}

struct TaskCase {
    const char* name;
    bool on_desktop; // the pointer over the desktop's icon view, not over the editor
    Point pointer;
    const char* tip;
};

void PrintTo(const TaskCase& c, std::ostream* os) { *os << c.name; }

class TaskMenu : public QuickCommand, public ::testing::WithParamInterface<TaskCase> {};

TEST_P(TaskMenu, TaskFormAtThePointerAndTheEscapeMenu)
{
    const TaskCase& c = GetParam();
    desk.add_window("SysListView32", "FolderView", Rect::from_size(0, 0, 1024, 768)); // under the editor
    start_with(kAllCommands);
    int setlike_clicks = 0;
    app->vykForm3().setlike.on_click = [&] { ++setlike_clicks; };
    desk.set_cursor_pos(c.pointer);
    run("任务");
    const Ttaskform& task = app->taskform();
    EXPECT_TRUE(task.visible());
    EXPECT_EQ(task.left(), c.pointer.x - 30);
    EXPECT_EQ(task.top(), c.pointer.y - 40);
    EXPECT_EQ(task.width(), 0);
    EXPECT_EQ(app->ombrel().oldrightpos.left(), c.pointer.x - 30);
    EXPECT_EQ(app->ombrel().oldrightpos.top(), c.pointer.y - 40);
    EXPECT_EQ(app->lifeform().Button6.text(), "task menu");
    EXPECT_EQ(setlike_clicks, 1);
    EXPECT_EQ(task.pftip.text(), c.tip);
    const Tescmenu& menu = app->escmenu();
    EXPECT_EQ(menu.caption(), "--escok");
    EXPECT_EQ(menu.Panel8.text(), "菜单");
    EXPECT_EQ(menu.Edit2.text(), "备忘录 秘密日记");
    EXPECT_EQ(menu.bounds(), Rect::from_size(152, 104, 720, 560));
    EXPECT_EQ(desk.cursor_pos(), (Point{152 + 234, 104 + 295}));
}

INSTANTIATE_TEST_SUITE_P(
    WhereThePointerIs, TaskMenu,
    ::testing::Values(TaskCase{"OverAWindow", false, {500, 400}, "--关闭当前窗口: 无标题 - 记事本"},
                      TaskCase{"OnTheDesktop", true, {980, 740}, "--关闭当前窗口----桌面窗口?"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- what function.txt enables ----

struct FileCase {
    const char* name;
    std::optional<std::string> file; // none: the file is missing
    const char* requested;
    bool runs;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class CommandFile : public QuickCommand, public ::testing::WithParamInterface<FileCase> {};

TEST_P(CommandFile, EnablesOnlyWhatItSays)
{
    const FileCase& c = GetParam();
    start_with(c.file);
    run(c.requested);
    EXPECT_EQ(desk.opened_program_files().size(), c.runs ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CommandFile,
    ::testing::Values(
        FileCase{"Enabled", std::string("03\r\n开始()\r\n桌面()\r\n"), "桌面", true},
        FileCase{"SingleDigitCount", std::string("3\r\n开始()\r\n桌面()\r\n"), "桌面", true},
        FileCase{"LineBeyondTheCount", std::string("02\r\n开始()\r\n桌面()\r\n"), "桌面", false},
        FileCase{"NotListed", std::string("02\r\n开始()\r\n"), "桌面", false},
        FileCase{"NoParentheses", std::string("02\r\n桌面\r\n"), "桌面", false},
        FileCase{"HalfParentheses", std::string("02\r\n桌面(\r\n"), "桌面", false},
        FileCase{"ALongerNameIsNotWhole", std::string("02\r\n桌面窗口()\r\n"), "桌面窗口", false},
        FileCase{"MissingFile", std::nullopt, "桌面", false},
        FileCase{"EmptyFile", std::string(""), "桌面", false},
        FileCase{"ShortLineZero", std::string("\r\n桌面()\r\n"), "桌面", false},
        FileCase{"CountBelowTwo", std::string("01\r\n桌面()\r\n"), "桌面", false},
        FileCase{"NegativeCount", std::string("-5\r\n桌面()\r\n"), "桌面", false},
        FileCase{"CountIsNotDigits", std::string("ab\r\n桌面()\r\n"), "桌面", false},
        FileCase{"CountLargerThanTheFile", std::string("99\r\n桌面()"), "桌面", true},
        FileCase{"CountLargerAndNotListed", std::string("99\r\n开始()"), "桌面", false},
        FileCase{"EmptyNameRunsNothing", std::string("02\r\n()\r\n"), "", false},
        FileCase{"BinaryBytes", std::string("9\x81\r\n\x81\xfe()\r\n\xff", 11), "桌面", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tv::test
