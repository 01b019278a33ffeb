// The real Windows backend of Platform (MinGW-w64, W API throughout).
//
// Forms are top-level windows of their own class ("Tpyoil", "Tregform", ...)
// so that other processes find them with FindWindow and read or set their
// captions. Text crosses this edge as UTF-16 converted from and to code page
// 936. Three hidden windows serve the program itself: the application window
// ("Tarvesk"), the diagnostics window another process may ask for a dump, and
// a message-only window that carries the timers.
//
// Split by area: win32_windows.cpp (forms and window probes), win32_input.cpp
// (input, screen, clock, timers), win32_process.cpp (message loop, libraries,
// message boxes, diagnostics channel), win32_files.cpp (whole-file reads and
// atomic writes), win32_shell.cpp (clipboard, starting programs, colour dialog).
// win32_web_view.cpp hosts the web-browser control; win32_app_bar.cpp docks
// desktop toolbars.
#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_web_view.h"

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace tv::win32 {

// Writes `bytes` to `path` whole: a temporary file in the same folder, flushed
// and closed, then put in the target's place. False when it could not be done;
// the old file is then untouched.
bool write_whole_file_atomic(const std::wstring& path, std::string_view bytes);

// The folder of the program file, with a trailing backslash; empty when unknown.
std::wstring program_folder_path();

// A path (or a command line, or a file address) the program names in CP936,
// for the wide API. A program folder named with characters outside code page
// 936 has no faithful CP936 name: the program's text of it holds '?' (never part
// of a real path), and here every occurrence of that text becomes the real folder
// again, so files, libraries and verbs in such a folder are still found.
std::wstring widen_path(std::string_view cp936);

// A name resolved against the current folder, as the program's rules resolve
// every relative file name; empty when it cannot be.
std::wstring full_path(const std::wstring& name);

// An entry point of the input hook library the program loaded (wrhk.dll),
// looked up once; null while it is not loaded or lacks the entry point.
FARPROC hook_library_entry(const char* name);

class Win32Platform : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // ---- windows ----
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

    // ---- input ----
    Point cursor_pos() const override;
    void set_cursor_pos(Point) override;
    bool key_down(int vk) const override;
    std::array<std::uint8_t, 256> keyboard_state() const override;
    void send_key(int vk, KeyAction) override;
    void send_mouse(MouseInput, int data) override;
    void move_cursor_by(int dx, int dy) override;

    // ---- screen ----
    Size screen_size() const override;
    std::optional<std::uint32_t> screen_pixel(Point) const override;
    std::vector<std::optional<std::uint32_t>> screen_column(Point top, int count) const override;
    int scroll_arrow_height() const override;

    // ---- time ----
    std::uint64_t now_ms() const override;
    std::uint64_t precise_us() const override;
    void sleep_ms(int ms) override;
    TimerId start_timer(int interval_ms, std::function<void()> on_tick) override;
    void stop_timer(TimerId) override;

    // ---- process ----
    std::string program_folder() const override;
    void set_current_folder(std::string_view) override;
    void message_box(std::string_view text, std::string_view caption, MessageBoxKind) override;
    int run_message_loop() override;
    void quit(int exit_code) override;

    // ---- libraries ----
    LibraryId load_library(std::string_view file_name) override;
    EntryPoint entry_point(LibraryId, std::string_view name) override;
    void free_library(LibraryId) override;
    HookRecoveries hook_recoveries() const override;

    // ---- files ----
    std::optional<std::string> read_file(std::string_view name) const override;
    bool write_file_atomic(std::string_view name, std::string_view bytes) override;
    FileContent read_file_status(std::string_view name) const override;
    FileContent take_file(std::string_view name) override;

    // ---- keyboard layouts and input methods ----
    std::vector<KeyboardLayout> keyboard_layouts(std::size_t at_most) const override;
    bool is_input_method(KeyboardLayout) const override;
    std::string input_method_description(KeyboardLayout) const override;
    bool activate_keyboard_layout(KeyboardLayout, std::uint32_t flags) override;
    KeyboardLayout window_keyboard_layout(Hwnd) const override;
    std::string input_method_file_name(KeyboardLayout) const override;
    std::string system_folder() const override;
    Hwnd default_ime_window(Hwnd) const override;
    bool is_enabled(Hwnd) const override;

    // ---- the user's folders (win32_folders.cpp) ----
    std::string desktop_folder() const override;
    std::vector<std::string> folder_files(std::string_view folder) const override;

    // ---- clipboard, programs, common dialogs ----
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

    // ---- web views, desktop toolbars ----
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

    // ---- other programs' processes and icons (win32_windows.cpp, win32_process.cpp, win32_shell.cpp) ----
    std::uint32_t window_process_id(Hwnd) const override;
    std::string process_image_path(std::uint32_t process_id) const override;
    std::uintptr_t file_icon(std::string_view path) override;
    void free_icon(std::uintptr_t icon) override;
    std::uintptr_t extract_icon(std::string_view path, int index) override;

    // ---- standing aside (win32_hot_keys.cpp) ----
    UserNotificationState user_notification_state() const override;
    bool register_hot_key(Hwnd window, int id, std::uint32_t modifiers, int vk) override;
    void unregister_hot_key(Hwnd window, int id) override;

    // ---- diagnostics ----
    void set_diagnostics_source(std::function<std::string()> utf8_dump) override;

    // ---- monitors and token elevation (win32_monitors.cpp) ----
    std::vector<Monitor> monitors() const override;
    Rect virtual_screen() const override;
    Elevation process_elevation(std::uint32_t process_id) const override;
    Elevation own_elevation() const override;

private:
    // One form window: where its events go, and whether the pointer's leaving
    // is already being watched.
    struct FormWindow {
        Win32Platform* platform = nullptr;
        WindowEvents* events = nullptr;
        bool tracking_leave = false;
    };

    static LRESULT CALLBACK form_window_proc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK service_window_proc(HWND, UINT, WPARAM, LPARAM);

    LRESULT form_message(FormWindow&, HWND, UINT, WPARAM, LPARAM);
    LRESULT service_message(HWND, UINT, WPARAM, LPARAM);
    void take_hook_token(HWND, WPARAM ticket, LPARAM);
    // The callback message of the window's tray icon: true when it was one.
    bool take_tray_message(HWND, UINT message, LPARAM, WindowEvents*);
    // WM_HOTKEY: the window's on_hot_key; true when it was one (win32_hot_keys.cpp).
    bool take_hot_key(UINT message, WPARAM id, WindowEvents*);
    void paint(HWND, WindowEvents*);
    const std::wstring& chinese_font_face(HDC);
    HFONT create_text_font(HDC, bool strike_out, int height);
    void fire_timer(UINT_PTR id);
    LRESULT answer_diagnostics_request(WPARAM requester, const COPYDATASTRUCT*);
    // A crash between writing a temporary and putting it in place leaves the
    // temporary behind; the next start removes it from the program folder.
    void remove_leftover_temporaries();

    bool register_form_class(const std::wstring& class_name);
    void register_service_class();
    HWND create_service_window(const wchar_t* class_name, const wchar_t* title, HWND parent);

    // After a pop-up menu the window that was in front before it gets the
    // foreground back, unless the chosen item brought another window forward.
    void give_back_foreground(HWND menu_owner, HWND before);
    bool take_registered_message(HWND w, UINT message, WPARAM wp, LPARAM lp);

    HINSTANCE instance_;
    UINT hook_token_message_;
    UINT give_back_foreground_message_;
    std::set<std::wstring> form_classes_;
    std::map<HWND, std::unique_ptr<FormWindow>> forms_;

    HWND application_window_ = nullptr;
    bool font_face_checked_ = false;
    std::wstring font_face_;
    HWND diagnostics_window_ = nullptr;
    HWND timer_window_ = nullptr;

    std::map<TimerId, std::shared_ptr<std::function<void()>>> timers_;
    TimerId last_timer_id_ = 0;
    // While a modal message box runs its own loop no timer handler runs: the box
    // may be shown while a form is still being created.
    int modal_depth_ = 0;

    std::set<HMODULE> libraries_;
    // The colour dialog's sixteen custom colours, kept between its openings.
    std::array<COLORREF, 16> custom_colours_{};
    std::function<std::string()> diagnostics_source_;
    // Destroyed after the forms: a view's control has already closed with its
    // form's window by then, and the OLE session ends last.
    WebViewHosts web_views_;
    AppBars app_bars_;
    // The tray icons shown (window and id) and each window's callback message
    // for them (win32_tray.cpp).
    std::set<std::pair<HWND, UINT>> tray_icons_;
    std::map<HWND, UINT> tray_callbacks_;
    // The screen's and the virtual screen's size, read once and kept until the
    // system tells every top-level window that the displays or their settings
    // changed (under Wine each read of them asks the wine server several times).
    mutable std::optional<Size> screen_size_;
    mutable std::optional<Rect> virtual_screen_;
    void forget_display_sizes();
};

} // namespace tv::win32
