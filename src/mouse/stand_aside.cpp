#include "mouse/stand_aside.h"

#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "core/cell.h"
#include "hook/tokenizer.h"
#include "platform/keys.h"

namespace tv {
namespace {

constexpr std::string_view kPauseFile = "pause.txt";
constexpr std::string_view kPaused = "paused";
constexpr std::string_view kRunning = "running";
constexpr std::string_view kWhyPause = "pause";
constexpr std::string_view kWhyFullScreen = Tpyoil::kAsideFullScreen;
constexpr std::string_view kWhyExclude = "exclude ";
constexpr int kListCheckTicks = 20;       // the list is read again every second
constexpr int kFullScreenCheckTicks = 5;  // the shell is asked every 250 ms
constexpr int kPauseKey = 'P';
constexpr int kEverything = hook::kStandAsideKeys | hook::kStandAsideButtons;

constexpr std::string_view kListExample =
    "# The programs Tarvesk leaves alone: one executable file name or window class per line.\r\n"
    "# While the window in front belongs to one of them, the keys reach it untouched;\r\n"
    "# while the pointer is over one, the wheel and the buttons do.\r\n"
    "# Lines starting with # are comments (but #32770 and the like are classes).\r\n"
    "# Remove the # in front of a line to use it; the file is read again when it changes.\r\n"
    "#\r\n"
    "# notepad.exe\r\n"
    "# mspaint.exe\r\n"
    "# ConsoleWindowClass\r\n";

bool full_screen_state(UserNotificationState s)
{
    return s == UserNotificationState::RunningD3dFullScreen || s == UserNotificationState::PresentationMode ||
           s == UserNotificationState::Busy;
}

Hwnd root_of(const Platform& p, Hwnd h)
{
    for (Hwnd up = p.parent(h); up; up = p.parent(up))
        h = up;
    return h;
}

std::string bar_text(std::string_view why)
{
    if (why == kWhyPause)
        return "已暂停";
    if (why == kWhyFullScreen)
        return "全屏程序";
    if (why.starts_with(kWhyExclude))
        return "排除 " + std::string(why.substr(kWhyExclude.size()));
    return {};
}

} // namespace

// The data files live in the program folder, whatever the current folder is.
std::string StandAside::beside_program(std::string_view name) const
{
    return app_.platform().program_folder() + std::string(name);
}

void StandAside::start()
{
    Platform& p = app_.platform();
    const std::optional<std::string> pause = p.read_file(beside_program(kPauseFile));
    paused_ = pause && cell::starts_with(*pause, kPaused);
    app_.FormMain().N12.set_checked(paused_);
    reload_list_when_changed();
    p.register_hot_key(app_.pyoil().hwnd(), kPauseHotKeyId, kHotKeyCtrl | kHotKeyAlt, kPauseKey);
    tick();
}

void StandAside::toggle_pause()
{
    paused_ = !paused_;
    app_.FormMain().N12.set_checked(paused_);
    app_.platform().write_file_atomic(beside_program(kPauseFile), std::string(paused_ ? kPaused : kRunning) + "\r\n");
    tick();
}

void StandAside::open_list()
{
    Platform& p = app_.platform();
    if (!p.read_file(beside_program(aside::kExclusionFile)))
        p.write_file_atomic(beside_program(aside::kExclusionFile), kListExample);
    p.open_program_file(aside::kExclusionFile);
}

void StandAside::tick()
{
    if (ticks_ % kListCheckTicks == 0)
        reload_list_when_changed();
    if (ticks_ % kFullScreenCheckTicks == 0)
        check_full_screen();
    ++ticks_;
    if (paused_)
        return publish(std::string(kWhyPause), kEverything);
    if (full_screen_)
        return publish(std::string(kWhyFullScreen), kEverything);
    if (list_.empty())
        return publish({}, 0);
    const Platform& p = app_.platform();
    const std::string front = excluded(front_, p.foreground_window());
    const std::string pointed = excluded(pointed_, p.window_from_point(p.cursor_pos()));
    const int flags = (front.empty() ? 0 : hook::kStandAsideKeys) | (pointed.empty() ? 0 : hook::kStandAsideButtons);
    publish(flags == 0 ? std::string() : std::string(kWhyExclude) + (front.empty() ? pointed : front), flags);
}

void StandAside::reload_list_when_changed()
{
    std::string bytes = app_.platform().read_file(beside_program(aside::kExclusionFile)).value_or(std::string());
    if (bytes == list_bytes_)
        return;
    list_bytes_ = std::move(bytes);
    list_ = aside::ExclusionList(list_bytes_);
    front_ = {};
    pointed_ = {};
}

void StandAside::check_full_screen() { full_screen_ = full_screen_state(app_.platform().user_notification_state()); }

// The window's class, its top-level window's class or its program's file name
// on the list; remembered for the window until it changes or the list does.
const std::string& StandAside::excluded(Seen& seen, Hwnd window)
{
    if (window == seen.window && window)
        return seen.match;
    const Platform& p = app_.platform();
    seen.window = window;
    seen.match.clear();
    if (!window)
        return seen.match;
    const Hwnd root = root_of(p, window);
    seen.match = list_.match(p.class_name(window));
    if (seen.match.empty())
        seen.match = list_.match(p.class_name(root));
    if (seen.match.empty())
        seen.match = list_.match(aside::file_name_of(p.process_image_path(p.window_process_id(root))));
    return seen.match;
}

void StandAside::publish(const std::string& why, int flags)
{
    Tpyoil& form = app_.pyoil();
    const std::string flag_text = std::to_string(flags);
    if (form.asidewhy.text() == why && form.asideflags.text() == flag_text)
        return;
    form.asidewhy.set_text(why);
    form.asideflags.set_text(flag_text);
    ui::Control& bar = app_.lifeform().asidemess;
    bar.set_text(bar_text(why));
    if (why.empty())
        bar.hide();
    else
        bar.show();
    form.keystt.click();
}

bool stands_aside_everywhere(const App& app)
{
    const std::string& why = app.pyoil().asidewhy.text();
    return why == kWhyPause || why == kWhyFullScreen;
}

} // namespace tv
