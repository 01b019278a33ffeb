#include "mouse/quick_commands.h"

#include "board/cells.h"
#include "board/form_main.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/elevation.h"
#include "core/synthetic_input.h"
#include "mouse/escape_menu.h"
#include "platform/lines.h"

#include <algorithm>
#include <string>

namespace tv {
namespace {

constexpr const char* kCommandFile = "function.txt";
constexpr const char* kDesktopFile = "vykdesk.scf";
constexpr std::string_view kCallMark = "()";
constexpr long kCountBytes = 2;
// "返回" and "关闭" are recognised by their first two characters, four bytes.
constexpr long kPrefixBytes = 4;

constexpr std::string_view kReturn = "返回", kClose = "关闭", kStart = "开始", kDesktop = "桌面", kTask = "任务";

// The task list lies just below and right of the window it was opened over.
constexpr int kUnderTaskList = 2;
// The Start menu: the pointer goes onto the taskbar's Start button.
constexpr int kLeftTaskbarEdge = 100, kHiddenTaskbarSlack = 60, kHiddenTaskbarEdge = 2, kStartButtonX = 30;
constexpr int kStartButtonFirstY = 20, kStartButtonY = 25, kStartButtonPauseMs = 100;
constexpr std::string_view kStartMenuWord = "开始菜单--";
constexpr long kCaptionKeptFrom = 11, kCaptionKeptBytes = 20;
// The task menu: the task form opens a little above and left of the pointer.
constexpr int kTaskMenuDx = 30, kTaskMenuDy = 40;
constexpr Point kTaskMenuPointer{234, 295};

} // namespace

QuickCommands::QuickCommands(App& app) : app_(app), platform_(app.platform()) {}

void QuickCommands::load_command_list()
{
    const auto bytes = platform_.read_file(platform_.program_folder() + kCommandFile);
    app_.ombrel().cmdlist.set_items(bytes ? split_lines(*bytes) : std::vector<std::string>{});
}

// The first enabling line decides; a count that is not a number, or below 2,
// enables nothing, and lines past the end of the list are empty.
std::optional<QuickCommands::Command> QuickCommands::enabled_command(std::string_view name) const
{
    const ui::ListBox& list = app_.ombrel().cmdlist;
    const std::optional<long> count = cell::number(list.item(0), 1, kCountBytes);
    if (name.empty() || !count)
        return std::nullopt;
    const long last = std::min<long>(*count, static_cast<long>(list.count()));
    for (long i = 1; i < last; ++i) {
        const std::string_view line = list.item(static_cast<std::size_t>(i));
        if (!line.starts_with(name) || cell::piece(line, static_cast<long>(name.size()) + 1, 2) != kCallMark)
            continue;
        const std::string_view head = cell::piece(name, 1, kPrefixBytes);
        if (head == kReturn)
            return Command::Return;
        if (head == kClose)
            return Command::Close;
        if (name == kStart)
            return Command::Start;
        if (name == kDesktop)
            return Command::Desktop;
        if (name == kTask)
            return Command::Task;
        return std::nullopt;
    }
    return std::nullopt;
}

void QuickCommands::run()
{
    const std::string name = app_.kxmm().Button1.text();
    const std::optional<Command> command = enabled_command(name);
    if (!command)
        return;
    switch (*command) {
    case Command::Return: return_to_window(); break;
    case Command::Close: close_window(name); break;
    case Command::Start: open_start_menu(); break;
    case Command::Desktop: show_desktop(); break;
    case Command::Task: open_task_menu(); break;
    }
}

// The window acted on, for diagnosis: its title "//" its class.
void QuickCommands::note_window(Hwnd w)
{
    app_.kxm().Panel19.set_text(classify::title_of(platform_, w) + "//" + classify::class_of(platform_, w));
}

// A window that is gone, the shell's own and the program's own are never closed.
bool QuickCommands::closable(Hwnd w) const
{
    return platform_.window_exists(w) && !classify::is_shell_window(platform_, w) && !classify::is_own_form(app_, w);
}

Hwnd QuickCommands::window_under_task_list() const
{
    const Ttaskform& task = app_.taskform();
    return classify::root_at(platform_, {task.left() - kUnderTaskList, task.top() - kUnderTaskList});
}

void QuickCommands::return_to_window()
{
    const Hwnd w = app_.ombrel().return_window;
    if (!platform_.window_exists(w))
        return;
    platform_.set_foreground(w);
    note_window(w);
}

// "关闭" closes the window under the task list; a longer name ("关闭/上网")
// closes the return window instead.
void QuickCommands::close_window(std::string_view name)
{
    const Hwnd under = window_under_task_list();
    if (!closable(under))
        return;
    const Hwnd back = app_.ombrel().return_window;
    const Hwnd target = name.size() > kClose.size() ? back : under;
    if (!closable(target))
        return;
    note_window(under);
    platform_.post_close(target);
    app_.taskform().hide();
    platform_.set_foreground(back);
}

// The Windows key opens the Start menu; the auto wheel and the start-menu
// marker follow it, and the pointer goes onto the Start button (not when the
// taskbar hides off the left edge, nor without a taskbar).
void QuickCommands::open_start_menu()
{
    app_.kxmm().hide();
    elevation::press_for_front(app_, vk::kLWin);
    const std::optional<Rect> bar = platform_.taskbar_rect();
    app_.lifeform().Label1.set_text(wheel::kAutoName);
    app_.lifeform().set_caption(wheel::token_of(wheel::Mode::Auto));
    TFormMain& options = app_.FormMain();
    options.set_caption(std::string(kStartMenuWord) +
                        std::string(cell::piece(options.caption(), kCaptionKeptFrom, kCaptionKeptBytes)));
    if (!bar)
        return;
    int x = bar->left;
    if (x < kLeftTaskbarEdge) {
        if (x + kHiddenTaskbarSlack <= kHiddenTaskbarEdge)
            return;
        x += kStartButtonX;
    }
    platform_.set_cursor_pos({x, bar->top + kStartButtonFirstY});
    platform_.sleep_ms(kStartButtonPauseMs);
    platform_.set_cursor_pos({x, bar->top + kStartButtonY});
}

void QuickCommands::show_desktop()
{
    app_.kxmm().hide();
    app_.taskform().hide();
    platform_.open_program_file(kDesktopFile);
}

// The task form opens at the pointer with no width yet; its tip tells what
// "关闭" would close, and the escape menu comes up over it.
void QuickCommands::open_task_menu()
{
    const Point p = platform_.cursor_pos();
    const Point corner{p.x - kTaskMenuDx, p.y - kTaskMenuDy};
    app_.kxmm().hide();
    Ttaskform& task = app_.taskform();
    task.show();
    task.set_bounds(corner.x, corner.y, 0, task.height());
    ui::Panel& anchor = app_.ombrel().oldrightpos;
    anchor.set_bounds(corner.x, corner.y, anchor.width(), anchor.height());
    app_.lifeform().Button6.set_text("task menu");
    app_.vykForm3().setlike.click();
    if (classify::on_desktop_list_view(app_, corner))
        task.pftip.set_text("--关闭当前窗口----桌面窗口?");
    else
        task.pftip.set_text("--关闭当前窗口: " + classify::title_of(platform_, platform_.window_from_point(corner)));
    open_escape_menu(app_, {"菜单", kTaskMenuPointer, false});
}

void QuickCommands::open_menu_bar()
{
    const Hwnd w = window_under_task_list();
    if (!platform_.window_exists(w))
        return;
    app_.ombrel().return_window = w;
    platform_.set_foreground(w);
    const Rect r = platform_.window_rect(w);
    platform_.set_cursor_pos({r.left, r.top});
    app_.lifeform().Panel26.set_text("hh");
    if (elevation::front_refuses_input(app_))
        return;
    input::press(platform_, vk::kAlt);
    input::press(platform_, vk::kDown);
}

} // namespace tv
