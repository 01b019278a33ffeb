#include "platform/tick_snapshot.h"

#include <utility>

namespace tv {

namespace {

constexpr std::array<const char*, 27> kReadNames = {
    "window_exists", "find_window", "window_from_point", "class_name", "title", "window_rect",
    "is_visible", "is_iconic", "parent", "is_child", "top_window", "next_window",
    "top_level_windows", "foreground_window", "ex_style", "cursor_pos", "screen_size",
    "window_process_id", "process_image_path", "is_enabled", "default_ime_window",
    "window_keyboard_layout", "capture", "key_down", "keyboard_state", "virtual_screen", "monitors"};

} // namespace

std::string TickSnapshot::reads_line() const
{
    static_assert(kReadNames.size() == static_cast<std::size_t>(Read::count));
    std::string line = "reads";
    for (std::size_t i = 0; i < kReadNames.size(); ++i)
        line += std::string(" ") + kReadNames[i] + "=" + std::to_string(counts_[i].asked) + "/" +
                std::to_string(counts_[i].answered);
    line += " changes=" + std::to_string(changes_in_ticks_);
    return line;
}

TickSnapshot::FoundKey TickSnapshot::found_key(std::string_view class_name, std::optional<std::string_view> title)
{
    return {std::string(class_name), title ? std::optional<std::string>(*title) : std::nullopt};
}

Hwnd TickSnapshot::create_window(const WindowSpec& asked, WindowEvents* events)
{
    return change([&] { return real_.create_window(asked, events); });
}
void TickSnapshot::destroy_window(Hwnd h)
{
    return change_window(h, [&] { return real_.destroy_window(h); });
}
bool TickSnapshot::window_exists(Hwnd h) const
{
    return remember(memos_.window_exists, Read::window_exists, h, [&] { return real_.window_exists(h); });
}

Hwnd TickSnapshot::find_window(std::string_view class_name, std::optional<std::string_view> title) const
{
    return remember(memos_.find_window, Read::find_window, found_key(class_name, title),
                    [&] { return real_.find_window(class_name, title); });
}

Hwnd TickSnapshot::window_from_point(Point at) const
{
    return remember(memos_.window_from_point, Read::window_from_point, std::pair(at.x, at.y),
                    [&] { return real_.window_from_point(at); });
}

std::string TickSnapshot::class_name(Hwnd h) const
{
    return remember(memos_.class_name, Read::class_name, h, [&] { return real_.class_name(h); });
}

std::string TickSnapshot::title(Hwnd h) const
{
    return remember(memos_.title, Read::title, h, [&] { return real_.title(h); });
}

// A new title changes only what the titles answer: the window's own and the
// windows FindWindow finds by title. The program retitles its own forms many
// times a tick (they hold its cells), and the rest of the snapshot stays.
void TickSnapshot::set_title(Hwnd h, std::string_view text)
{
    change([&] { real_.set_title(h, text); }, false);
    memos_.title.erase(h);
    memos_.find_window.clear();
}
Rect TickSnapshot::window_rect(Hwnd h) const
{
    return remember(memos_.window_rect, Read::window_rect, h, [&] { return real_.window_rect(h); });
}

void TickSnapshot::set_window_rect(Hwnd h, const Rect& rect)
{
    return change_window(h, [&] { return real_.set_window_rect(h, rect); });
}
bool TickSnapshot::is_visible(Hwnd h) const
{
    return remember(memos_.is_visible, Read::is_visible, h, [&] { return real_.is_visible(h); });
}

void TickSnapshot::show_window(Hwnd h, Visibility visibility)
{
    return change_window(h, [&] { return real_.show_window(h, visibility); });
}
bool TickSnapshot::is_iconic(Hwnd h) const
{
    return remember(memos_.is_iconic, Read::is_iconic, h, [&] { return real_.is_iconic(h); });
}

void TickSnapshot::restore_window(Hwnd h)
{
    return change_window(h, [&] { return real_.restore_window(h); });
}
void TickSnapshot::set_topmost(Hwnd h, Topmost topmost)
{
    return change_window(h, [&] { return real_.set_topmost(h, topmost); });
}
Hwnd TickSnapshot::parent(Hwnd h) const
{
    return remember(memos_.parent, Read::parent, h, [&] { return real_.parent(h); });
}

bool TickSnapshot::is_child(Hwnd parent, Hwnd child) const
{
    return remember(memos_.is_child, Read::is_child, std::pair(parent, child),
                    [&] { return real_.is_child(parent, child); });
}

Hwnd TickSnapshot::top_window() const
{
    return remember(memos_.top_window, Read::top_window, Nothing{}, [&] { return real_.top_window(); });
}

Hwnd TickSnapshot::next_window(Hwnd h) const
{
    return remember(memos_.next_window, Read::next_window, h, [&] { return real_.next_window(h); });
}

std::vector<Hwnd> TickSnapshot::top_level_windows() const
{
    return remember(memos_.top_level_windows, Read::top_level_windows, Nothing{},
                    [&] { return real_.top_level_windows(); });
}

std::vector<Hwnd> TickSnapshot::shown_windows_of_class(const std::function<bool(std::string_view)>& wanted) const
{
    return real_.shown_windows_of_class(wanted);
}
Hwnd TickSnapshot::foreground_window() const
{
    return remember(memos_.foreground_window, Read::foreground_window, Nothing{},
                    [&] { return real_.foreground_window(); });
}

void TickSnapshot::set_foreground(Hwnd h)
{
    return change_window(h, [&] { return real_.set_foreground(h); });
}
void TickSnapshot::post_close(Hwnd h)
{
    return change_window(h, [&] { return real_.post_close(h); });
}
void TickSnapshot::post_wheel(Hwnd h, int delta, Point at)
{
    return change_window(h, [&] { return real_.post_wheel(h, delta, at); });
}
std::uint32_t TickSnapshot::ex_style(Hwnd h) const
{
    return remember(memos_.ex_style, Read::ex_style, h, [&] { return real_.ex_style(h); });
}

void TickSnapshot::set_ex_style(Hwnd h, std::uint32_t value)
{
    return change_window(h, [&] { return real_.set_ex_style(h, value); });
}
void TickSnapshot::set_window_region(Hwnd h, const WindowRegion& region)
{
    return change_window(h, [&] { return real_.set_window_region(h, region); });
}
void TickSnapshot::invalidate(Hwnd h) { return real_.invalidate(h); }
void TickSnapshot::set_application_ex_style(std::uint32_t value)
{
    return change([&] { return real_.set_application_ex_style(value); });
}
void TickSnapshot::set_application_title(std::string_view text)
{
    return change([&] { return real_.set_application_title(text); });
}
Point TickSnapshot::cursor_pos() const
{
    return remember(memos_.cursor_pos, Read::cursor_pos, Nothing{}, [&] { return real_.cursor_pos(); });
}

void TickSnapshot::set_cursor_pos(Point at)
{
    return change([&] { return real_.set_cursor_pos(at); });
}
bool TickSnapshot::key_down(int vk) const
{
    return remember(memos_.key_down, Read::key_down, vk, [&] { return real_.key_down(vk); });
}
std::array<std::uint8_t, 256> TickSnapshot::keyboard_state() const
{
    return remember(memos_.keyboard_state, Read::keyboard_state, Nothing{}, [&] { return real_.keyboard_state(); });
}
void TickSnapshot::send_key(int vk, KeyAction action)
{
    return change([&] { return real_.send_key(vk, action); });
}
void TickSnapshot::send_mouse(MouseInput input, int data)
{
    return change([&] { return real_.send_mouse(input, data); });
}
void TickSnapshot::move_cursor_by(int dx, int dy)
{
    return change([&] { return real_.move_cursor_by(dx, dy); });
}
Size TickSnapshot::screen_size() const
{
    return remember(memos_.screen_size, Read::screen_size, Nothing{}, [&] { return real_.screen_size(); });
}

std::optional<std::uint32_t> TickSnapshot::screen_pixel(Point at) const { return real_.screen_pixel(at); }
std::vector<std::optional<std::uint32_t>> TickSnapshot::screen_column(Point top, int count) const
{
    return real_.screen_column(top, count);
}
int TickSnapshot::scroll_arrow_height() const { return real_.scroll_arrow_height(); }
std::uint64_t TickSnapshot::now_ms() const { return real_.now_ms(); }
std::uint64_t TickSnapshot::precise_us() const { return real_.precise_us(); }
void TickSnapshot::sleep_ms(int ms)
{
    return change([&] { return real_.sleep_ms(ms); });
}
TimerId TickSnapshot::start_timer(int interval_ms, std::function<void()> on_tick)
{
    return real_.start_timer(interval_ms, [this, tick = std::move(on_tick)] {
        const Scope snapshot(*this, true);
        tick();
    });
}
void TickSnapshot::stop_timer(TimerId timer) { return real_.stop_timer(timer); }
std::string TickSnapshot::program_folder() const { return real_.program_folder(); }
void TickSnapshot::set_current_folder(std::string_view text)
{
    return change([&] { return real_.set_current_folder(text); });
}
void TickSnapshot::message_box(std::string_view text, std::string_view caption, MessageBoxKind kind)
{
    return change([&] { return real_.message_box(text, caption, kind); });
}
int TickSnapshot::run_message_loop() { return real_.run_message_loop(); }
void TickSnapshot::quit(int exit_code)
{
    return change([&] { return real_.quit(exit_code); });
}
LibraryId TickSnapshot::load_library(std::string_view file_name)
{
    return change([&] { return real_.load_library(file_name); });
}
// A library's entry may act on windows or send input: each call is a change.
EntryPoint TickSnapshot::entry_point(LibraryId library, std::string_view name)
{
    EntryPoint entry = real_.entry_point(library, name);
    if (!entry)
        return entry;
    return [this, entry = std::move(entry)](const std::vector<std::intptr_t>& arguments) {
        change([&] { entry(arguments); });
    };
}
void TickSnapshot::free_library(LibraryId library)
{
    return change([&] { return real_.free_library(library); });
}
Platform::HookRecoveries TickSnapshot::hook_recoveries() const { return real_.hook_recoveries(); }
std::optional<std::string> TickSnapshot::read_file(std::string_view name) const { return real_.read_file(name); }
bool TickSnapshot::write_file_atomic(std::string_view name, std::string_view bytes)
{
    return real_.write_file_atomic(name, bytes);
}
FileContent TickSnapshot::read_file_status(std::string_view name) const { return real_.read_file_status(name); }
FileContent TickSnapshot::take_file(std::string_view name) { return real_.take_file(name); }
std::vector<KeyboardLayout> TickSnapshot::keyboard_layouts(std::size_t at_most) const
{
    return real_.keyboard_layouts(at_most);
}
bool TickSnapshot::is_input_method(KeyboardLayout layout) const { return real_.is_input_method(layout); }
std::string TickSnapshot::input_method_description(KeyboardLayout layout) const
{
    return real_.input_method_description(layout);
}
bool TickSnapshot::activate_keyboard_layout(KeyboardLayout layout, std::uint32_t flags)
{
    return change([&] { return real_.activate_keyboard_layout(layout, flags); });
}
KeyboardLayout TickSnapshot::window_keyboard_layout(Hwnd h) const
{
    return remember(memos_.window_keyboard_layout, Read::window_keyboard_layout, h,
                    [&] { return real_.window_keyboard_layout(h); });
}

std::string TickSnapshot::input_method_file_name(KeyboardLayout layout) const
{
    return real_.input_method_file_name(layout);
}
std::string TickSnapshot::system_folder() const { return real_.system_folder(); }
Hwnd TickSnapshot::default_ime_window(Hwnd h) const
{
    return remember(memos_.default_ime_window, Read::default_ime_window, h,
                    [&] { return real_.default_ime_window(h); });
}

bool TickSnapshot::is_enabled(Hwnd h) const
{
    return remember(memos_.is_enabled, Read::is_enabled, h, [&] { return real_.is_enabled(h); });
}

std::string TickSnapshot::desktop_folder() const { return real_.desktop_folder(); }
std::vector<std::string> TickSnapshot::folder_files(std::string_view folder) const
{
    return real_.folder_files(folder);
}
std::optional<std::string> TickSnapshot::clipboard_text() { return real_.clipboard_text(); }
bool TickSnapshot::start_program(std::string_view path, Visibility visibility)
{
    return change([&] { return real_.start_program(path, visibility); });
}
bool TickSnapshot::start_program_with_arguments(std::string_view path, const std::vector<std::string>& arguments,
                                                Visibility visibility)
{
    return change([&] { return real_.start_program_with_arguments(path, arguments, visibility); });
}
std::optional<std::uint32_t> TickSnapshot::choose_colour(std::uint32_t initial)
{
    return change([&] { return real_.choose_colour(initial); });
}
std::optional<std::size_t> TickSnapshot::popup_menu(Hwnd owner, const std::vector<MenuEntry>& items, Point at)
{
    return change([&] { return real_.popup_menu(owner, items, at); });
}
void TickSnapshot::set_capture(Hwnd h)
{
    return change([&] { return real_.set_capture(h); });
}
void TickSnapshot::release_capture()
{
    return change([&] { return real_.release_capture(); });
}
Hwnd TickSnapshot::capture() const
{
    return remember(memos_.capture, Read::capture, Nothing{}, [&] { return real_.capture(); });
}

SystemVersion TickSnapshot::system_version() const { return real_.system_version(); }
bool TickSnapshot::open_address(std::string_view url)
{
    return change([&] { return real_.open_address(url); });
}
bool TickSnapshot::open_program_file(std::string_view file_name)
{
    return change([&] { return real_.open_program_file(file_name); });
}
std::optional<Rect> TickSnapshot::taskbar_rect() const { return real_.taskbar_rect(); }
WebViewId TickSnapshot::create_web_view(Hwnd parent, const Rect& client, WebViewEvents* events)
{
    return change([&] { return real_.create_web_view(parent, client, events); });
}
void TickSnapshot::destroy_web_view(WebViewId view)
{
    return change([&] { return real_.destroy_web_view(view); });
}
void TickSnapshot::set_web_view_rect(WebViewId view, const Rect& client)
{
    return change([&] { return real_.set_web_view_rect(view, client); });
}
void TickSnapshot::navigate(WebViewId view, std::string_view url)
{
    return change([&] { return real_.navigate(view, url); });
}
void TickSnapshot::write_document(WebViewId view, std::string_view html)
{
    return change([&] { return real_.write_document(view, html); });
}
void TickSnapshot::web_command(WebViewId view, WebCommand command)
{
    return change([&] { return real_.web_command(view, command); });
}
std::string TickSnapshot::web_location(WebViewId view) const { return real_.web_location(view); }
bool TickSnapshot::register_app_bar(Hwnd h, std::uint32_t callback_message)
{
    return change([&] { return real_.register_app_bar(h, callback_message); });
}
void TickSnapshot::place_app_bar(Hwnd h, AppBarEdge edge, const Rect& rect)
{
    return change([&] { return real_.place_app_bar(h, edge, rect); });
}
void TickSnapshot::remove_app_bar(Hwnd h)
{
    return change([&] { return real_.remove_app_bar(h); });
}
bool TickSnapshot::set_tray_icon(Hwnd h, const TrayIcon& icon)
{
    return change([&] { return real_.set_tray_icon(h, icon); });
}
void TickSnapshot::remove_tray_icon(Hwnd h, std::uint32_t id)
{
    return change([&] { return real_.remove_tray_icon(h, id); });
}
bool TickSnapshot::set_registry_default(std::string_view key, std::string_view value)
{
    return change([&] { return real_.set_registry_default(key, value); });
}
bool TickSnapshot::delete_registry_key(std::string_view key)
{
    return change([&] { return real_.delete_registry_key(key); });
}
std::uint32_t TickSnapshot::window_process_id(Hwnd h) const
{
    return remember(memos_.window_process_id, Read::window_process_id, h, [&] { return real_.window_process_id(h); });
}

std::string TickSnapshot::process_image_path(std::uint32_t process_id) const
{
    return remember(memos_.process_image_path, Read::process_image_path, process_id,
                    [&] { return real_.process_image_path(process_id); });
}

std::uintptr_t TickSnapshot::file_icon(std::string_view path) { return real_.file_icon(path); }
void TickSnapshot::free_icon(std::uintptr_t icon) { return real_.free_icon(icon); }
std::uintptr_t TickSnapshot::extract_icon(std::string_view path, int index) { return real_.extract_icon(path, index); }
UserNotificationState TickSnapshot::user_notification_state() const { return real_.user_notification_state(); }
bool TickSnapshot::register_hot_key(Hwnd window, int id, std::uint32_t modifiers, int vk)
{
    return change([&] { return real_.register_hot_key(window, id, modifiers, vk); });
}
void TickSnapshot::unregister_hot_key(Hwnd window, int id)
{
    return change([&] { return real_.unregister_hot_key(window, id); });
}
// The dump ends with what the snapshot answered, for the benchmark scripts.
void TickSnapshot::set_diagnostics_source(std::function<std::string()> utf8_dump)
{
    real_.set_diagnostics_source([this, dump = std::move(utf8_dump)] { return dump() + reads_line() + "\n"; });
}
std::vector<Monitor> TickSnapshot::monitors() const
{
    return remember(memos_.monitors, Read::monitors, Nothing{}, [&] { return real_.monitors(); });
}
Rect TickSnapshot::virtual_screen() const
{
    return remember(memos_.virtual_screen, Read::virtual_screen, Nothing{}, [&] { return real_.virtual_screen(); });
}
Elevation TickSnapshot::process_elevation(std::uint32_t process_id) const
{
    return real_.process_elevation(process_id);
}
Elevation TickSnapshot::own_elevation() const { return real_.own_elevation(); }
} // namespace tv
