// SimDesktop: a deterministic simulated Windows desktop with a virtual clock.
//
// It models what the program's rules look at: a window tree with classes,
// titles, rectangles, visibility, Z order with a topmost band, parents and the
// foreground; the cursor and key state; timers; libraries; files; message boxes.
// Tests build the desktop they need in a few lines, drive raw user input (which
// runs through the same tokenizer as wrhk.dll), advance the clock and assert on
// captions, windows and the input log of every synthetic event the program sent.
//
// The definitions are split by area as in the Win32 backend, so the simulated
// and the real side of one call sit in files of the same area name:
// sim_windows.cpp, sim_input.cpp (with the hook feed), sim_time.cpp (the
// clock, which the real side keeps in win32_input.cpp), sim_process.cpp,
// sim_shell.cpp, sim_files.cpp, sim_web_view.cpp and sim_app_bar.cpp.
#pragma once

#include "hook/hook_watchdog.h"
#include "hook/token_handover.h"
#include "hook/tokenizer.h"
#include "platform/platform.h"

#include <deque>
#include <map>
#include <set>

namespace tv::sim {

// One synthetic key or mouse event the program sent.
struct InputRecord {
    enum class Kind { Key, Mouse };
    std::uint64_t time_ms = 0;
    Kind kind = Kind::Key;
    int vk = 0;                         // keys
    KeyAction action = KeyAction::Down; // keys
    MouseInput mouse = MouseInput::Move; // mouse
    int data = 0;                       // mouse wheel data
    Point by;                           // a relative move's distance
    Point at;                           // cursor at the time
    Hwnd foreground = 0;                // the window that receives it

    std::string describe() const;       // "key 37 down", "mouse leftdown 100,200"
};

// A library the simulated loader can load: its named entry points.
struct SimLibrary {
    std::map<std::string, EntryPoint, std::less<>> entries;
};

// A wheel message the program posted to a window.
struct PostedWheel {
    Hwnd to = 0;
    int delta = 0;
    Point at; // the screen point lParam carries
};

struct MessageBoxRecord {
    std::string text;
    std::string caption;
};

// A web view the program created, as the sim records it.
struct SimWebView {
    Hwnd parent = 0;
    Rect rect; // client coordinates of the parent
    std::vector<std::string> navigations; // every address navigated to, in order
    std::string document;                 // the last document written
    std::vector<WebCommand> commands;     // back, forward, stop, refresh, in order
    bool alive = true;                    // false once destroyed (with its parent or alone)
    std::string location;                 // the address it shows: set by a completed navigation
};

// What became of a new-window request: refused, or handed a view to open in.
struct SimNewWindow {
    bool cancel = false;
    WebViewId target = 0; // 0: no view was handed over
};

// A window registered as a desktop toolbar, and where it was last placed.
struct SimAppBar {
    std::uint32_t callback_message = 0;
    bool placed = false;
    AppBarEdge edge = AppBarEdge::Top;
    Rect rect; // the screen rectangle the toolbar reserved
};

inline constexpr std::uint32_t kOwnProcess = 1;
inline constexpr std::uint32_t kOtherProcess = 2;

class SimDesktop : public Platform {
public:
    explicit SimDesktop(Size screen = {1024, 768}, std::string program_folder = "C:\\Tarvesk\\");
    ~SimDesktop() override;

    // ---- building the desktop ----
    // A window of another program, on top of its band, shown unless said otherwise.
    Hwnd add_window(std::string_view class_name, std::string_view title, Rect rect,
                    Visibility = Visibility::Shown, Topmost = Topmost::No, Hwnd parent = 0);
    // Minimises a window as its user would (it stays visible, and out of the way of the pointer).
    void minimise(Hwnd);
    std::uint32_t process_of(Hwnd) const;
    void set_screen_size(Size s) { screen_ = s; }
    // The screen's pixels: one colour everywhere (0x00BBGGRR) but where a test paints one.
    void set_screen_colour(std::uint32_t colour) { screen_colour_ = colour; }
    void paint_pixel(Point p, std::uint32_t colour) { painted_[{p.x, p.y}] = colour; }
    void set_scroll_arrow_height(int h) { scroll_arrow_height_ = h; }

    // ---- the clock ----
    // Fires due timers in time order (ties in registration order) and delivers
    // posted messages, up to now + ms.
    void advance(int ms);
    void pump_posted();

    // ---- raw user input: through the hook when it is on, then to the windows ----
    void user_move(Point);
    void user_wheel(int delta); // 120 is one notch up, -120 one notch down
    void user_button(MouseButton, ButtonAction);
    void user_key(int vk, KeyAction);
    // Typing: each character (CP936) reaches the foreground window of the
    // program after its key; "\b" is Backspace.
    void user_type(std::string_view cp936);

    // ---- libraries ----
    void install_library(std::string name, SimLibrary);
    void remove_library(std::string_view name);
    bool library_loaded(std::string_view name) const;
    // The simulated wrhk.dll: its entry points switch the tokenizer's feeds
    // and tell it whether the keyboard mouse pad is open.
    SimLibrary hook_library();
    bool mouse_hook_on() const { return mouse_hook_; }
    bool keyboard_hook_on() const { return keyboard_hook_; }
    bool hook_pad_open() const { return hook_pad_open_; }
    // The key flags the library's SetHookKeys was last given (hook/tokenizer.h).
    int hook_key_flags() const { return hook_key_flags_; }
    // The system removes a hook silently, as Windows does with a slow one: the
    // library still takes it for set, and no event of its kind reaches it
    // until its watchdog sets it again.
    void drop_hook(hook::HookKind);
    bool hook_dropped(hook::HookKind kind) const { return hook_dropped_[kind == hook::HookKind::Mouse ? 0 : 1]; }
    // A token message naming `ticket` reaches the window, as one the hook
    // posts or one another program forges (hook/token_handover.h).
    void post_hook_ticket(Hwnd, std::uint64_t ticket);
    // The hook's side of a delivery: the token into the hand-over, its ticket
    // posted to the window of the cell.
    void hand_over(hook::Cell, std::string_view token);
    // The ticket of the newest token the hook handed over.
    std::uint64_t last_hook_ticket() const { return last_hook_ticket_; }

    // ---- what the windows received ----
    // Every key event, the user's and the program's own, that went on to the
    // foreground window (of any program), in order: what the hook kept from
    // the applications is not here.
    struct ReceivedKey {
        Hwnd to = 0;
        int vk = 0;
        KeyAction action = KeyAction::Down;
    };
    const std::vector<ReceivedKey>& received_keys() const { return received_keys_; }

    // ---- what the program did ----
    const std::vector<InputRecord>& input_log() const { return input_log_; }
    void clear_input_log() { input_log_.clear(); }
    // Forgets everything recorded of what the windows received and the program
    // did (for long runs: the records would grow without end).
    void forget_records();
    std::function<void(const InputRecord&)> on_input; // told of every synthetic event
    const std::vector<MessageBoxRecord>& message_boxes() const { return message_boxes_; }
    const std::vector<PostedWheel>& posted_wheels() const { return posted_wheels_; }
    // Every window the program posted WM_CLOSE to, in order.
    const std::vector<Hwnd>& posted_closes() const { return posted_closes_; }
    std::optional<int> quit_code() const { return quit_code_; }
    std::string current_folder() const { return current_folder_; }
    const WindowRegion* region(Hwnd) const;
    std::string diagnostics() const { return diagnostics_ ? diagnostics_() : std::string(); }
    std::uint32_t application_ex_style() const { return app_ex_style_; }
    // The style a top-level window was given at creation, with the visible bit
    // when it is shown (tests only).
    std::uint32_t window_style(Hwnd) const;
    std::string application_title() const { return app_title_; }

    // ---- clipboard, programs, dialogs ----
    void set_clipboard(std::optional<std::string> text) { clipboard_ = std::move(text); } // nullopt: cannot open
    const std::vector<std::pair<std::string, Visibility>>& started_programs() const { return started_; }
    const std::vector<std::string>& opened_addresses() const { return opened_; }
    // Programs started with an argument list, in order; a path listed in
    // missing_programs fails to start (with or without arguments).
    struct StartedWithArguments {
        std::string path;
        std::vector<std::string> arguments;
        Visibility visibility;
    };
    const std::vector<StartedWithArguments>& started_with_arguments() const { return started_with_arguments_; }
    std::vector<std::string> missing_programs;
    // The program-folder files opened with the shell, by name.
    const std::vector<std::string>& opened_program_files() const { return opened_files_; }
    // The taskbar the shell reports; none at first.
    void set_taskbar(std::optional<Rect> r) { taskbar_ = r; }
    // The answers the colour dialog gives, in order; nullopt is Cancel. Empty: Cancel.
    std::deque<std::optional<std::uint32_t>> colour_answers;
    int colour_dialogs_shown() const { return colour_dialogs_; }
    // The pop-up menus shown, and the answers they give in order (an index,
    // nullopt for a dismissed menu). Empty: dismissed.
    struct MenuRecord {
        Hwnd owner;
        std::vector<MenuEntry> items;
        Point at;
    };
    const std::vector<MenuRecord>& menus_shown() const { return menus_; }
    std::deque<std::optional<std::size_t>> menu_answers;
    // The reported system version.
    void set_system_version(SystemVersion v) { version_ = v; }

    // ---- web views: recorded; a test fires their events ----
    // Off: creating a web view fails, as under Wine without its HTML engine.
    void set_web_views_available(bool available) { web_views_available_ = available; }
    const std::map<WebViewId, SimWebView>& web_views() const { return web_views_; }
    const SimWebView* web_view(WebViewId) const; // nullptr for an id never created
    // The control's events; the cancelling ones answer whether a handler cancelled.
    // Events of a destroyed or unknown view go nowhere (and cancel nothing).
    bool fire_new_window(WebViewId);
    void fire_title_change(WebViewId, std::string_view title);
    void fire_status_text(WebViewId, std::string_view text);
    void fire_download_complete(WebViewId);
    void fire_document_complete(WebViewId, std::string_view url);
    bool fire_before_navigate(WebViewId, std::string_view url);
    void fire_navigate_complete(WebViewId, std::string_view url);
    // A new-window request, with the view (if any) the program hands it.
    SimNewWindow fire_new_window_into(WebViewId);
    // The page of a view asks for another window size.
    void fire_window_set_size(WebViewId, int width, int height);

    // ---- desktop toolbars ----
    // nullopt while the window is not registered.
    std::optional<SimAppBar> app_bar(Hwnd) const;

    // ---- other programs' processes ----
    // The process a window belongs to (windows of the program are kOwnProcess,
    // others kOtherProcess until a test says otherwise); 0 makes it ownerless.
    void set_process(Hwnd, std::uint32_t process_id);
    // The executable path a process reports; a process without one reports "".
    void set_image_path(std::uint32_t process_id, std::string path);
    // Files the shell has an icon for; every file_icon call on one hands out a
    // new icon until it is freed.
    void set_file_has_icon(std::string path) { files_with_icons_.insert(std::move(path)); }
    // Icons handed out and not yet freed, with the file each came from.
    const std::map<std::uintptr_t, std::string>& live_icons() const { return live_icons_; }
    // Told of every window_process_id query, before it is answered: a test may
    // close windows there, as if they went away while the program walked them.
    std::function<void(Hwnd)> on_process_query;

    // ---- standing aside: the shell's session state and the hot keys ----
    void set_user_notification_state(UserNotificationState s) { notification_state_ = s; }
    UserNotificationState user_notification_state() const override { return notification_state_; }
    bool register_hot_key(Hwnd window, int id, std::uint32_t modifiers, int vk) override;
    void unregister_hot_key(Hwnd window, int id) override;
    struct HotKey {
        Hwnd window = 0;
        int id = 0;
        std::uint32_t modifiers = 0;
        int vk = 0;
    };
    // The hot keys registered now; a key press the hook passes with one's
    // modifiers held reaches that window's on_hot_key instead of the window in front.
    const std::vector<HotKey>& hot_keys() const { return hot_keys_; }
    // ---- the notification area and the registry ----
    // The icon a window has in the tray, nullopt when it has none.
    std::optional<TrayIcon> tray_icon(Hwnd, std::uint32_t id) const;
    std::size_t tray_icon_count() const { return tray_icons_.size(); }
    // The user clicks a tray icon: its window gets its callback message with
    // `mouse_message` (514 left button up, 517 right button up).
    void user_tray(Hwnd, std::uint32_t id, std::uint32_t mouse_message);
    // The keys below HKEY_CURRENT_USER and their default values.
    const std::map<std::string, std::string, std::less<>>& registry() const { return registry_; }
    // On: every registry write fails, as without the rights to write there.
    bool registry_read_only = false;

    // ---- files ----
    void put_file(std::string name, std::string bytes) { files_[std::move(name)] = std::move(bytes); }
    void remove_file(std::string_view name);
    const std::map<std::string, std::string, std::less<>>& files() const { return files_; }
    // Files that are there but cannot be read (another program holds them locked).
    // A save over a locked file finds it busy at every attempt and gives up.
    std::set<std::string, std::less<>> locked_files;
    // A fault of the next whole-file saves (write_file_atomic), one step of the
    // save failing on purpose. Busy faults last `attempts` attempts of their
    // step; the others fail the step of the next save once.
    enum class SaveFault {
        None,
        CreateFails,    // the temporary file cannot be created
        WriteCutShort,  // the disk fills: half the bytes reach the temporary file
        ReplaceFails,   // the temporary file cannot take the target's place
        TemporaryBusy,  // another program holds the temporary file's name
        TargetBusy,     // another program holds the target
    };
    void inject_save_fault(SaveFault fault, int attempts = 1)
    {
        save_fault_ = fault;
        save_fault_attempts_ = attempts;
    }
    // Pauses the saves made before retrying a busy step.
    int save_retry_pauses() const { return save_retry_pauses_; }

    // ---- keyboard layouts: the installed ones, in the system's order ----
    struct SimKeyboardLayout {
        KeyboardLayout handle;
        bool input_method = false;
        std::string description;
        std::string file_name = {}; // the input method's module ("PINTLGNT.IME"); empty for none
    };
    std::vector<SimKeyboardLayout> installed_layouts;
    // The layout a window's thread uses. Without one: the program's own
    // windows use the layout it last activated, other windows the first
    // installed layout (the system's default).
    void set_window_layout(Hwnd w, KeyboardLayout layout) { window_layouts_[w] = layout; }
    // The default input-method window of a window's thread; none unless set.
    void set_default_ime_window(Hwnd w, Hwnd ime) { default_ime_windows_[w] = ime; }
    // Files with icons inside them (programs, libraries, input-method modules)
    // and how many each holds; every extract_icon of one hands out a new icon.
    void set_file_icons(std::string path, int count) { files_icon_counts_[std::move(path)] = count; }
    void set_system_folder(std::string folder) { system_folder_ = std::move(folder); }
    // The user's desktop folder the shell reports ("" for none).
    void set_desktop_folder(std::string folder) { desktop_folder_ = std::move(folder); }
    // The layouts activated, with their flags, in order.
    const std::vector<std::pair<KeyboardLayout, std::uint32_t>>& activated_layouts() const { return activated_layouts_; }

    // ---- Platform ----
    Hwnd create_window(const WindowSpec&, WindowEvents*) override;
    void destroy_window(Hwnd) override;
    bool window_exists(Hwnd) const override;
    Hwnd find_window(std::string_view class_name, std::optional<std::string_view> title = std::nullopt) const override;
    Hwnd window_from_point(Point) const override;
    std::string class_name(Hwnd) const override;
    std::string title(Hwnd) const override;
    void set_title(Hwnd, std::string_view) override;
    Rect window_rect(Hwnd) const override;
    void set_window_rect(Hwnd, const Rect&) override;
    bool is_visible(Hwnd) const override;
    void show_window(Hwnd, Visibility) override;
    bool is_iconic(Hwnd) const override;
    void restore_window(Hwnd) override;
    void set_topmost(Hwnd, Topmost) override;
    Hwnd parent(Hwnd) const override;
    bool is_child(Hwnd parent, Hwnd child) const override;
    Hwnd top_window() const override;
    Hwnd next_window(Hwnd) const override;
    std::vector<Hwnd> top_level_windows() const override;
    std::vector<Hwnd> shown_windows_of_class(const std::function<bool(std::string_view)>& wanted) const override;
    Hwnd foreground_window() const override;
    void set_foreground(Hwnd) override;
    void post_close(Hwnd) override;
    void post_wheel(Hwnd, int delta, Point at) override;
    std::uint32_t ex_style(Hwnd) const override;
    void set_ex_style(Hwnd, std::uint32_t) override;
    void set_window_region(Hwnd, const WindowRegion&) override;
    void invalidate(Hwnd) override {}
    void set_application_ex_style(std::uint32_t style) override { app_ex_style_ = style; }
    void set_application_title(std::string_view t) override { app_title_ = t; }

    Point cursor_pos() const override { return cursor_; }
    void set_cursor_pos(Point) override;
    bool key_down(int vk) const override;
    std::array<std::uint8_t, 256> keyboard_state() const override;
    void send_key(int vk, KeyAction) override;
    void send_mouse(MouseInput, int data = 0) override;
    void move_cursor_by(int dx, int dy) override;

    Size screen_size() const override { return screen_; }
    std::optional<std::uint32_t> screen_pixel(Point) const override;
    int scroll_arrow_height() const override { return scroll_arrow_height_; }

    std::uint64_t now_ms() const override { return now_; }
    void sleep_ms(int ms) override;
    TimerId start_timer(int interval_ms, std::function<void()> on_tick) override;
    void stop_timer(TimerId) override;

    std::string program_folder() const override { return program_folder_; }
    void set_current_folder(std::string_view f) override { current_folder_ = f; }
    void message_box(std::string_view text, std::string_view caption, MessageBoxKind = MessageBoxKind::Ok) override;
    int run_message_loop() override { return quit_code_.value_or(0); }
    void quit(int exit_code) override;

    LibraryId load_library(std::string_view file_name) override;
    EntryPoint entry_point(LibraryId, std::string_view name) override;
    void free_library(LibraryId) override;
    HookRecoveries hook_recoveries() const override;

    std::optional<std::string> read_file(std::string_view name) const override;
    bool write_file_atomic(std::string_view name, std::string_view bytes) override;
    FileContent read_file_status(std::string_view name) const override;
    FileContent take_file(std::string_view name) override;
    std::vector<KeyboardLayout> keyboard_layouts(std::size_t at_most) const override;
    bool is_input_method(KeyboardLayout) const override;
    std::string input_method_description(KeyboardLayout) const override;
    bool activate_keyboard_layout(KeyboardLayout, std::uint32_t flags) override;
    KeyboardLayout window_keyboard_layout(Hwnd) const override;
    std::string input_method_file_name(KeyboardLayout) const override;
    std::string system_folder() const override { return system_folder_; }
    Hwnd default_ime_window(Hwnd) const override;
    bool is_enabled(Hwnd w) const override { return window_exists(w); }
    std::string desktop_folder() const override { return desktop_folder_; }
    // The files put into the folder (by full name), not those of folders below it.
    std::vector<std::string> folder_files(std::string_view folder) const override;
    std::uintptr_t extract_icon(std::string_view path, int index) override;

    void set_diagnostics_source(std::function<std::string()> f) override { diagnostics_ = std::move(f); }
    std::uint32_t window_process_id(Hwnd) const override;
    std::string process_image_path(std::uint32_t process_id) const override;
    std::uintptr_t file_icon(std::string_view path) override;
    void free_icon(std::uintptr_t icon) override { live_icons_.erase(icon); }
    std::optional<std::string> clipboard_text() override { return clipboard_; }
    bool start_program(std::string_view path, Visibility v) override;
    bool start_program_with_arguments(std::string_view path, const std::vector<std::string>& arguments,
                                      Visibility v) override;
    bool open_address(std::string_view url) override;
    bool open_program_file(std::string_view file_name) override;
    std::optional<Rect> taskbar_rect() const override { return taskbar_; }
    std::optional<std::uint32_t> choose_colour(std::uint32_t initial) override;
    std::optional<std::size_t> popup_menu(Hwnd owner, const std::vector<MenuEntry>& items, Point at) override;
    void set_capture(Hwnd h) override { capture_ = h; }
    void release_capture() override { capture_ = 0; }
    Hwnd capture() const override { return window_exists(capture_) ? capture_ : 0; }
    SystemVersion system_version() const override { return version_; }

    WebViewId create_web_view(Hwnd parent, const Rect& client, WebViewEvents*) override;
    void destroy_web_view(WebViewId) override;
    void set_web_view_rect(WebViewId, const Rect& client) override;
    void navigate(WebViewId, std::string_view url) override;
    void write_document(WebViewId, std::string_view html) override;
    void web_command(WebViewId, WebCommand) override;
    std::string web_location(WebViewId) const override;

    bool register_app_bar(Hwnd, std::uint32_t callback_message) override;
    void place_app_bar(Hwnd, AppBarEdge, const Rect&) override;
    void remove_app_bar(Hwnd) override;

    bool set_tray_icon(Hwnd, const TrayIcon&) override;
    void remove_tray_icon(Hwnd, std::uint32_t id) override;
    bool set_registry_default(std::string_view key, std::string_view value) override;
    bool delete_registry_key(std::string_view key) override;

    // ---- monitors: the screen alone at 96 DPI until a test gives a list ----
    // The primary monitor comes first and has its top-left corner at 0, 0;
    // the pointer moves anywhere on the union of the monitors.
    // The screen size becomes the first monitor's.
    void set_monitors(std::vector<Monitor> list)
    {
        if (!list.empty())
            screen_ = {list.front().rect.width(), list.front().rect.height()};
        monitors_ = std::move(list);
    }
    std::vector<Monitor> monitors() const override;

    // ---- elevation: every process Limited until a test says otherwise ----
    void set_process_elevation(std::uint32_t process_id, Elevation e) { elevations_[process_id] = e; }
    void set_own_elevation(Elevation e) { own_elevation_ = e; }
    Elevation process_elevation(std::uint32_t process_id) const override;
    Elevation own_elevation() const override { return own_elevation_; }

private:
    struct Window {
        std::string class_name;
        std::string title;
        Rect rect; // relative to the parent's top-left for child windows
        bool visible = false;
        bool topmost = false;
        bool iconic = false;
        std::uint32_t ex_style = 0;
        std::uint32_t style = 0; // asked for at creation; 0: the usual pop-up
        Hwnd parent = 0;
        std::vector<Hwnd> children; // Z order, top first
        WindowEvents* events = nullptr;
        std::uint32_t process = kOtherProcess;
        std::optional<WindowRegion> region;
    };
    struct SimTimer {
        int interval = 0;
        std::uint64_t due = 0;
        std::function<void()> on_tick;
    };

    Window* find(Hwnd);
    const Window* find(Hwnd) const;
    Hwnd insert_window(Window);
    std::vector<Hwnd>& siblings_of(const Window&);
    const std::vector<Hwnd>& siblings_of(const Window&) const;
    void raise(Hwnd); // to the top of its band
    Point origin(Hwnd) const; // screen position of the window's top-left
    Hwnd deepest_at(Hwnd, Point) const;
    Hwnd own_window_at(Point) const; // the capturing window, else the one under the point
    void feed_hook(const hook::RawEvent&);
    void switch_hook(hook::HookKind, bool on);
    void watch_hooks();
    hook::RawEvent raw(hook::RawKind) const;
    void set_key(int vk, bool down);
    bool user_key_passes(int vk, KeyAction); // false when the hook kept the key
    void deliver_button(MouseButton, ButtonAction);
    void record(InputRecord);
    bool fire_next_timer(std::uint64_t until);
    SimWebView* live_web_view(WebViewId);
    WebViewEvents* web_view_events(WebViewId) const;
    void end_web_views_of(Hwnd parent);

    Size screen_;
    std::vector<Monitor> monitors_; // empty: the screen alone
    std::map<std::uint32_t, Elevation> elevations_;
    Elevation own_elevation_ = Elevation::Limited;
    std::uint32_t screen_colour_ = 0x00A56E3A;
    std::map<std::pair<int, int>, std::uint32_t> painted_;
    int scroll_arrow_height_ = 16;
    std::string program_folder_;
    std::string current_folder_;
    std::map<Hwnd, Window> windows_;
    std::vector<Hwnd> z_order_; // top-level windows, top first
    Hwnd next_hwnd_ = 0x10010;
    Hwnd foreground_ = 0;
    Hwnd hovered_ = 0;
    std::deque<Hwnd> posted_close_;
    std::vector<Hwnd> posted_closes_;

    Point cursor_;
    std::array<bool, 256> down_{};
    std::array<bool, 256> toggled_{};
    hook::Tokenizer tokenizer_;
    hook::Verdict last_verdict_ = hook::Verdict::Pass;
    bool mouse_hook_ = false;
    bool keyboard_hook_ = false;
    bool hook_pad_open_ = false;
    int hook_key_flags_ = 0;
    std::vector<ReceivedKey> received_keys_;
    hook::TokenHandover hook_tokens_;
    std::uint64_t last_hook_ticket_ = 0;
    hook::HookWatchdog hook_watchdog_;
    std::array<bool, 2> hook_dropped_{};
    std::uint64_t last_input_ms_ = 0; // the newest raw event, the user's or a program's
    TimerId hook_watchdog_timer_ = 0;
    UserNotificationState notification_state_ = UserNotificationState::AcceptsNotifications;
    std::vector<HotKey> hot_keys_;
    bool take_hot_key(int vk);

    std::uint64_t now_ = 0;
    std::map<TimerId, SimTimer> timers_;
    TimerId next_timer_ = 1;

    std::map<std::string, SimLibrary, std::less<>> libraries_;
    std::map<LibraryId, std::string> loaded_;
    LibraryId next_library_ = 0x70000000;

    std::map<std::string, std::string, std::less<>> files_;
    SaveFault save_fault_ = SaveFault::None;
    int save_fault_attempts_ = 0;
    int save_retry_pauses_ = 0;
    friend class SimSaveSteps;
    std::vector<std::pair<KeyboardLayout, std::uint32_t>> activated_layouts_;
    KeyboardLayout program_layout_ = 0; // the layout the program activated last; 0: none yet
    std::map<Hwnd, KeyboardLayout> window_layouts_;
    std::map<Hwnd, Hwnd> default_ime_windows_;
    std::map<std::string, int, std::less<>> files_icon_counts_;
    std::string system_folder_ = "C:\\WINDOWS\\system32\\";
    std::string desktop_folder_ = "C:\\Users\\user\\Desktop";
    std::vector<InputRecord> input_log_;
    std::vector<MessageBoxRecord> message_boxes_;
    std::vector<PostedWheel> posted_wheels_;
    std::optional<int> quit_code_;
    std::uint32_t app_ex_style_ = 0;
    std::string app_title_;
    std::function<std::string()> diagnostics_;
    std::optional<std::string> clipboard_ = std::string();
    std::vector<std::pair<std::string, Visibility>> started_;
    std::vector<StartedWithArguments> started_with_arguments_;
    std::vector<std::string> opened_;
    std::vector<std::string> opened_files_;
    std::optional<Rect> taskbar_;
    int colour_dialogs_ = 0;
    std::vector<MenuRecord> menus_;
    Hwnd capture_ = 0;
    SystemVersion version_; // none known until a test sets one

    bool web_views_available_ = true;
    std::map<WebViewId, SimWebView> web_views_;
    std::map<WebViewId, WebViewEvents*> web_view_events_; // live views only
    WebViewId next_web_view_ = 0x5000;
    std::map<Hwnd, SimAppBar> app_bars_;

    std::map<std::uint32_t, std::string> image_paths_;
    std::set<std::string, std::less<>> files_with_icons_;
    std::map<std::uintptr_t, std::string> live_icons_;
    std::uintptr_t next_icon_ = 0x1C00;
    std::map<std::pair<Hwnd, std::uint32_t>, TrayIcon> tray_icons_;
    std::map<std::string, std::string, std::less<>> registry_;
};

} // namespace tv::sim
