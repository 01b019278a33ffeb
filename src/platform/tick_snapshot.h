// A platform whose window reads within one timer tick come from what that tick
// already read.
//
// A tick of the main loop or of the mode engine asks many questions of the
// window system, often the same one several times (the class of the window in
// front, the window under a point, a window's rectangle), and under Wine each
// answer is a round trip to the wine server. TickSnapshot sits between the
// program and the real platform: while a timer's handler runs, a repeated read
// is answered from the first one. Nothing is kept from one tick to the next:
// windows move between ticks.
//
// Whatever the program does to the system (create, move or show a window, send
// input, sleep, open a menu, call the hook library) makes the snapshot forget
// everything; a new title only what the titles answer. The change itself runs
// without a snapshot: a modal loop inside it, or a window handler the change
// calls back, reads afresh.
// Outside a timer's handler every read goes straight through.
#pragma once

#include "platform/platform.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tv {

class TickSnapshot final : public Platform {
public:
    explicit TickSnapshot(Platform& real) : real_(real) {}
    TickSnapshot(const TickSnapshot&) = delete;
    TickSnapshot& operator=(const TickSnapshot&) = delete;

    // The reads the snapshot may answer, each asked and answered from the
    // snapshot so far, then how many changes made a tick's snapshot forget:
    // "reads class_name=120/80 title=... changes=9"; the diagnostics dump
    // ends with this line.
    std::string reads_line() const;

    Hwnd create_window(const WindowSpec&, WindowEvents*) override;
    void destroy_window(Hwnd) override;
    bool window_exists(Hwnd) const override;
    Hwnd find_window(std::string_view class_name, std::optional<std::string_view> title) const override;
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
    void invalidate(Hwnd) override;
    void set_application_ex_style(std::uint32_t) override;
    void set_application_title(std::string_view) override;
    Point cursor_pos() const override;
    void set_cursor_pos(Point) override;
    bool key_down(int vk) const override;
    std::array<std::uint8_t, 256> keyboard_state() const override;
    void send_key(int vk, KeyAction) override;
    void send_mouse(MouseInput, int data) override;
    void move_cursor_by(int dx, int dy) override;
    Size screen_size() const override;
    std::optional<std::uint32_t> screen_pixel(Point) const override;
    std::vector<std::optional<std::uint32_t>> screen_column(Point top, int count) const override;
    int scroll_arrow_height() const override;
    std::uint64_t now_ms() const override;
    std::uint64_t precise_us() const override;
    void sleep_ms(int ms) override;
    TimerId start_timer(int interval_ms, std::function<void()> on_tick) override;
    void stop_timer(TimerId) override;
    std::string program_folder() const override;
    void set_current_folder(std::string_view) override;
    void message_box(std::string_view text, std::string_view caption, MessageBoxKind) override;
    int run_message_loop() override;
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
    std::string system_folder() const override;
    Hwnd default_ime_window(Hwnd) const override;
    bool is_enabled(Hwnd) const override;
    std::string desktop_folder() const override;
    std::vector<std::string> folder_files(std::string_view folder) const override;
    std::optional<std::string> clipboard_text() override;
    bool start_program(std::string_view path, Visibility) override;
    bool start_program_with_arguments(std::string_view path, const std::vector<std::string>& arguments,
                                      Visibility) override;
    std::optional<std::uint32_t> choose_colour(std::uint32_t initial) override;
    std::optional<std::size_t> popup_menu(Hwnd owner, const std::vector<MenuEntry>& items, Point at) override;
    void set_capture(Hwnd) override;
    void release_capture() override;
    Hwnd capture() const override;
    SystemVersion system_version() const override;
    bool open_address(std::string_view url) override;
    bool open_program_file(std::string_view file_name) override;
    std::optional<Rect> taskbar_rect() const override;
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
    std::uint32_t window_process_id(Hwnd) const override;
    std::string process_image_path(std::uint32_t process_id) const override;
    std::uintptr_t file_icon(std::string_view path) override;
    void free_icon(std::uintptr_t icon) override;
    std::uintptr_t extract_icon(std::string_view path, int index) override;
    UserNotificationState user_notification_state() const override;
    bool register_hot_key(Hwnd window, int id, std::uint32_t modifiers, int vk) override;
    void unregister_hot_key(Hwnd window, int id) override;
    void set_diagnostics_source(std::function<std::string()> utf8_dump) override;
    std::vector<Monitor> monitors() const override;
    Rect virtual_screen() const override;
    Elevation process_elevation(std::uint32_t process_id) const override;
    Elevation own_elevation() const override;

private:
    // The reads answered from the snapshot, in the order of reads_line.
    enum class Read {
        window_exists, find_window, window_from_point, class_name, title, window_rect, is_visible, is_iconic,
        parent, is_child, top_window, next_window, top_level_windows, foreground_window, ex_style, cursor_pos,
        screen_size, window_process_id, process_image_path, is_enabled, default_ime_window,
        window_keyboard_layout, capture, key_down, keyboard_state, virtual_screen, monitors, count
    };
    struct ReadCount {
        std::uint64_t asked = 0;
        std::uint64_t answered = 0; // from the snapshot
    };
    struct Nothing {
        friend auto operator<=>(const Nothing&, const Nothing&) = default;
    };
    template <class Key, class Value> using Memo = std::map<Key, Value>;
    using FoundKey = std::pair<std::string, std::optional<std::string>>;
    struct Memos {
        Memo<Hwnd, bool> window_exists;
        Memo<FoundKey, Hwnd> find_window;
        Memo<std::pair<int, int>, Hwnd> window_from_point;
        Memo<Hwnd, std::string> class_name;
        Memo<Hwnd, std::string> title;
        Memo<Hwnd, Rect> window_rect;
        Memo<Hwnd, bool> is_visible;
        Memo<Hwnd, bool> is_iconic;
        Memo<Hwnd, Hwnd> parent;
        Memo<std::pair<Hwnd, Hwnd>, bool> is_child;
        Memo<Nothing, Hwnd> top_window;
        Memo<Hwnd, Hwnd> next_window;
        Memo<Nothing, std::vector<Hwnd>> top_level_windows;
        Memo<Nothing, Hwnd> foreground_window;
        Memo<Hwnd, std::uint32_t> ex_style;
        Memo<Nothing, Point> cursor_pos;
        Memo<Nothing, Size> screen_size;
        Memo<Hwnd, std::uint32_t> window_process_id;
        Memo<std::uint32_t, std::string> process_image_path;
        Memo<Hwnd, bool> is_enabled;
        Memo<Hwnd, Hwnd> default_ime_window;
        Memo<Hwnd, KeyboardLayout> window_keyboard_layout;
        Memo<Nothing, Hwnd> capture;
        Memo<int, bool> key_down;
        Memo<Nothing, std::array<std::uint8_t, 256>> keyboard_state;
        Memo<Nothing, Rect> virtual_screen;
        Memo<Nothing, std::vector<Monitor>> monitors;
    };

    // While it lives, reads are (or are not) answered from a snapshot; unless
    // told otherwise, the snapshot starts empty and the one outside it is
    // forgotten too when it ends.
    class Scope {
    public:
        Scope(const TickSnapshot& s, bool snapshotting, bool forgets = true) : s_(s), forgets_(forgets)
        {
            s_.scopes_.push_back(snapshotting);
            if (forgets_)
                s_.forget();
        }
        ~Scope()
        {
            s_.scopes_.pop_back();
            if (forgets_)
                s_.forget();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        const TickSnapshot& s_;
        bool forgets_;
    };

    // Runs something that may change what the reads answer, without a
    // snapshot; after it the tick's snapshot is forgotten, unless the caller
    // forgets only what the change touched.
    template <class Act> auto change(Act&& act, bool forgets_all = true)
    {
        if (snapshotting())
            ++changes_in_ticks_;
        const Scope without_snapshot(*this, false, forgets_all);
        return act();
    }

    // An action on a window: on no window at all it does nothing, and nothing is forgotten.
    template <class Act> auto change_window(Hwnd h, Act&& act)
    {
        return h ? change(std::forward<Act>(act)) : act();
    }

    template <class Key, class Value, class Ask>
    Value remember(Memo<Key, Value>& memo, Read read, const Key& key, Ask&& ask) const
    {
        ReadCount& count = counts_[static_cast<std::size_t>(read)];
        ++count.asked;
        if (!snapshotting())
            return ask();
        if (auto known = memo.find(key); known != memo.end()) {
            ++count.answered;
            return known->second;
        }
        Value answer = ask();
        memo.emplace(key, answer);
        return answer;
    }

    bool snapshotting() const { return !scopes_.empty() && scopes_.back(); }
    void forget() const { memos_ = Memos{}; }
    static FoundKey found_key(std::string_view class_name, std::optional<std::string_view> title);

    Platform& real_;
    mutable std::vector<bool> scopes_;
    mutable Memos memos_;
    std::uint64_t changes_in_ticks_ = 0;
    mutable std::array<ReadCount, static_cast<std::size_t>(Read::count)> counts_{};
};

} // namespace tv
