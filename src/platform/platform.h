// The one interface between Tarvesk and the operating system.
//
// Everything the program does to windows, input, libraries, timers, files and the
// clock goes through Platform. Two backends implement it: the simulated desktop
// (src/platform/sim) that the native tests and the scenario runner drive, and the
// real Win32 backend (src/platform/win32).
//
// Rules every backend keeps:
//  - Strings are byte strings in code page 936 (see text.h).
//  - Handles are opaque; a null or vanished handle makes every query return
//    empty / false / zero and every action do nothing.
//  - Time belongs to the platform: now_ms() and timers. Sleep blocks the UI
//    thread: no timer fires while a handler sleeps.
#pragma once

#include "platform/geometry.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

using Hwnd = std::uintptr_t;      // 0 is "no window"
using TimerId = std::uint32_t;    // 0 is "no timer"
using LibraryId = std::uintptr_t; // 0 is "not loaded"

// Extended window styles the program uses (values as Windows defines them).
enum ExStyle : std::uint32_t {
    kExTopmost = 0x0008,
    kExToolWindow = 0x0080,
    kExAppWindow = 0x40000,
    kExWindowEdge = 0x0100,
    kExNoActivate = 0x08000000,
};

// Window styles the program asks for (values as Windows defines them).
enum WindowStyle : std::uint32_t {
    kStyleVisible = 0x10000000,
    kStyleClipSiblings = 0x04000000,
    kStyleSysMenu = 0x00080000,
    kStyleMinimizeBox = 0x00020000,
};

enum class Visibility { Hidden, Shown };
enum class Topmost { No, Yes };

// What a form asks for when its window is created.
struct WindowSpec {
    std::string class_name;
    std::string title;
    Rect rect;
    Visibility visibility = Visibility::Hidden;
    Topmost topmost = Topmost::No;
    std::uint32_t ex_style = 0;
    Hwnd parent = 0; // 0: a top-level window
    // A top-level window's style, set once it exists; 0 keeps the backend's
    // borderless pop-up. The visible bit follows `visibility` and show/hide.
    std::uint32_t style = 0;
};

enum class MouseButton { Left, Right, Middle };
enum class ButtonAction { Down, Up };
enum class KeyAction { Down, Up };

// One thing a window shows, in client coordinates: a filled rectangle with a
// line of text (list boxes give one item per line).
struct PaintItem {
    Rect rect;
    std::string text;
    std::uint32_t color = 0x00FFFFFF;      // 0x00BBGGRR
    std::uint32_t font_color = 0x00000000; // 0x00BBGGRR
    // A program icon (Platform::file_icon) drawn at the left of the rectangle,
    // 16 x 16, with the text after it; 0 for none.
    std::uintptr_t icon = 0;
    bool strike_out = false; // the text struck through (a switch that is off)
    int font_height = 14;    // pixels: the form's text scales with its DPI as its layout does
};

// Events a window of the program receives from its backend. Points are in
// client coordinates of that window.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void on_mouse_move(Point) {}
    virtual void on_mouse_leave() {}
    virtual void on_button(MouseButton, ButtonAction, Point) {}
    virtual void on_key(int /*vk*/, KeyAction) {}
    // A typed character (CP936; "\b" is Backspace), after its key's on_key.
    virtual void on_char(std::string_view /*text*/) {}
    // WM_CLOSE reached the window (from the user or another process).
    virtual void on_close_request() {}
    // The window's title was changed from outside the toolkit (the input hook
    // or another process); readers always read the title from the platform.
    virtual void on_title_changed() {}
    virtual void on_paint() {}
    // What the window shows, back to front; the backend draws it.
    virtual std::vector<PaintItem> paint_items() const { return {}; }
    // The notification-area icon of this window was clicked: the mouse
    // message the shell reports (514 left button up, 517 right button up, ...).
    virtual void on_tray_message(std::uint32_t /*mouse_message*/) {}
    // A hot key this window registered (Platform::register_hot_key) was pressed.
    virtual void on_hot_key(int /*id*/) {}
};

// What the shell says of the user's session (SHQueryUserNotificationState's
// values): a full-screen Direct3D program, presentation mode and a busy
// full-screen program are the moments to stand aside.
enum class UserNotificationState {
    Unknown = 0, // the shell could not say
    NotPresent = 1,
    Busy = 2,
    RunningD3dFullScreen = 3,
    PresentationMode = 4,
    AcceptsNotifications = 5,
    QuietTime = 6,
    App = 7,
};

// The modifiers of a hot key (RegisterHotKey's MOD_ values).
inline constexpr std::uint32_t kHotKeyAlt = 1;
inline constexpr std::uint32_t kHotKeyCtrl = 2;
inline constexpr std::uint32_t kHotKeyShift = 4;

// A window's icon in the notification area (the tray).
struct TrayIcon {
    std::uint32_t id = 0;
    std::uint32_t callback_message = 0; // the window's message for the icon's mouse events
    int picture = 0;                    // 0 or 1: one of the program's two tray pictures
    std::string tip;                    // at most 127 bytes are shown
};

// mouse_event flags, as the synthetic input steps name them.
enum class MouseInput : std::uint32_t {
    Move = 0x0001,
    LeftDown = 0x0002,
    LeftUp = 0x0004,
    RightDown = 0x0008,
    RightUp = 0x0010,
    MiddleDown = 0x0020,
    MiddleUp = 0x0040,
    Wheel = 0x0800,
};

// A window region: the rectangles combined by exclusive-or in the order given,
// in window coordinates. An empty region means "the whole window".
struct WindowRegion {
    std::vector<Rect> xor_rects;
    bool contains(Point p) const;
};

// An entry point of a loaded library, called with integer-sized arguments
// (window handles and numbers); results are ignored.
using EntryPoint = std::function<void(const std::vector<std::intptr_t>&)>;

// ---- the embeddable web-browser control ----
using WebViewId = std::uintptr_t; // 0: no web view (the control could not be created)

// SaveAs asks the user where to save the page (ExecWB OLECMDID_SAVEAS, prompting);
// Paste pastes the clipboard into the page (ExecWB OLECMDID_PASTE, prompting);
// FocusDocument gives the keyboard focus to the page's document once it is
// past loading (ready state other than 0 and 1), and does nothing before.
enum class WebCommand { Back, Forward, Stop, Refresh, SaveAs, Paste, FocusDocument };

// Events of a web view, on the UI thread. A handler may set `cancel`.
class WebViewEvents {
public:
    virtual ~WebViewEvents() = default;
    virtual void on_new_window(bool& /*cancel*/) {}
    virtual void on_title_change(std::string_view /*title*/) {}
    virtual void on_status_text_change(std::string_view /*text*/) {}
    virtual void on_download_complete() {}
    virtual void on_document_complete(std::string_view /*url*/) {}
    virtual void on_before_navigate(std::string_view /*url*/, bool& /*cancel*/) {}
    virtual void on_navigate_complete(std::string_view /*url*/) {}
    // A new-window request that may name the view the new window opens in:
    // leaving `cancel` false with a `target` hands that view to the request.
    // Without an override it is the plain request above.
    virtual void on_new_window_into(bool& cancel, WebViewId& /*target*/) { on_new_window(cancel); }
    // The page asked for another size of its window (script resizeTo and the like).
    virtual void on_window_set_width(int /*width*/) {}
    virtual void on_window_set_height(int /*height*/) {}
};

// The edge of the screen a desktop toolbar docks to.
enum class AppBarEdge { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// Answers of a modal message box (only OK is used so far).
enum class MessageBoxKind { Ok };

// One item of a pop-up menu.
struct MenuEntry {
    std::string caption;
    bool checked = false;
};

// A whole-file read that tells why nothing was read: a file that is not there
// is Absent; one that is there but cannot be read whole (locked by another
// program, a folder, too large) is Unreadable, and must not be written over.
enum class FileStatus { Read, Absent, Unreadable };
struct FileContent {
    FileStatus status = FileStatus::Absent;
    std::string bytes; // the whole file when Read, otherwise empty
};

// An installed keyboard layout (an HKL): an opaque handle.
using KeyboardLayout = std::uintptr_t;

// The system's version as the platform reports it: platform 1 is the 95 line
// (95, 98, ME), 2 the NT line.
struct SystemVersion {
    int platform = 0;
    int major = 0;
    int minor = 0;
    int build = 0;
};

// One display monitor: its rectangle on the virtual screen (the primary one
// has its top-left corner at 0, 0; others may lie at negative coordinates),
// its work area (without the taskbar) and its DPI (96 is 100 %).
struct Monitor {
    Rect rect;
    Rect work;
    int dpi = 96;
    bool primary = false;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// Whether a process runs with an elevated (administrator) token. Unknown when
// its token cannot be read (another user's process, one that is gone).
enum class Elevation { Unknown, Limited, Elevated };


class Platform {
public:
    virtual ~Platform() = default;

    // ---- windows: create, inspect, arrange ----
    virtual Hwnd create_window(const WindowSpec&, WindowEvents*) = 0;
    virtual void destroy_window(Hwnd) = 0;
    virtual bool window_exists(Hwnd) const = 0;
    // FindWindow: title empty means "any title".
    virtual Hwnd find_window(std::string_view class_name, std::optional<std::string_view> title = std::nullopt) const = 0;
    virtual Hwnd window_from_point(Point) const = 0;
    virtual std::string class_name(Hwnd) const = 0;
    virtual std::string title(Hwnd) const = 0;
    virtual void set_title(Hwnd, std::string_view) = 0;
    virtual Rect window_rect(Hwnd) const = 0;
    virtual void set_window_rect(Hwnd, const Rect&) = 0;
    virtual bool is_visible(Hwnd) const = 0;
    virtual void show_window(Hwnd, Visibility) = 0;
    virtual bool is_iconic(Hwnd) const = 0;
    virtual void restore_window(Hwnd) = 0;          // ShowWindow SW_RESTORE: a minimised window back, shown
    virtual void set_topmost(Hwnd, Topmost) = 0;
    virtual Hwnd parent(Hwnd) const = 0;
    virtual bool is_child(Hwnd parent, Hwnd child) const = 0;
    virtual Hwnd top_window() const = 0;            // GetTopWindow(NULL)
    virtual Hwnd next_window(Hwnd) const = 0;       // GetWindow(GW_HWNDNEXT)
    virtual std::vector<Hwnd> top_level_windows() const = 0; // EnumWindows, Z order
    // Every shown window, top-level or child (it and each window it lies in
    // visible), whose class name satisfies `wanted`; in no particular order.
    // Only such a window can be the answer of window_from_point.
    virtual std::vector<Hwnd> shown_windows_of_class(const std::function<bool(std::string_view)>& wanted) const = 0;
    virtual Hwnd foreground_window() const = 0;
    virtual void set_foreground(Hwnd) = 0;
    virtual void post_close(Hwnd) = 0;              // PostMessage WM_CLOSE
    // PostMessage WM_MOUSEWHEEL: one notch of `delta` (120 up, -120 down) in
    // wParam's high word, the screen point `at` in lParam.
    virtual void post_wheel(Hwnd, int delta, Point at) = 0;
    virtual std::uint32_t ex_style(Hwnd) const = 0;
    virtual void set_ex_style(Hwnd, std::uint32_t) = 0;
    virtual void set_window_region(Hwnd, const WindowRegion&) = 0;
    virtual void invalidate(Hwnd) = 0;              // ask for a repaint
    // The application's own (taskbar) window: the tool-window style goes here.
    virtual void set_application_ex_style(std::uint32_t) = 0;
    virtual void set_application_title(std::string_view) = 0;

    // ---- input ----
    virtual Point cursor_pos() const = 0;
    virtual void set_cursor_pos(Point) = 0;
    virtual bool key_down(int vk) const = 0;        // GetAsyncKeyState high bit
    virtual std::array<std::uint8_t, 256> keyboard_state() const = 0;
    virtual void send_key(int vk, KeyAction) = 0;   // keybd_event, scan code 0
    virtual void send_mouse(MouseInput, int data = 0) = 0; // mouse_event at the cursor
    // The pointer moves by exactly (dx, dy) from where it is, whatever the
    // system's pointer speed, and the window under it sees the move.
    virtual void move_cursor_by(int dx, int dy) = 0;

    // ---- screen ----
    virtual Size screen_size() const = 0;
    // GetPixel of the screen: the colour at a screen point, 0x00BBGGRR; nullopt
    // when the point cannot be read (off the screen).
    virtual std::optional<std::uint32_t> screen_pixel(Point) const = 0;
    // `count` pixels down from `top`, each as screen_pixel reads it, in one
    // read of the screen where the backend can.
    virtual std::vector<std::optional<std::uint32_t>> screen_column(Point top, int count) const
    {
        std::vector<std::optional<std::uint32_t>> pixels;
        for (int i = 0; i < count; ++i)
            pixels.push_back(screen_pixel({top.x, top.y + i}));
        return pixels;
    }
    // GetSystemMetrics(SM_CYVSCROLL): the height of a vertical scroll bar's arrow button.
    virtual int scroll_arrow_height() const = 0;

    // ---- time ----
    virtual std::uint64_t now_ms() const = 0;
    // A fine clock for measuring the program's own handlers, in microseconds.
    virtual std::uint64_t precise_us() const { return now_ms() * 1000; }
    virtual void sleep_ms(int ms) = 0;
    virtual TimerId start_timer(int interval_ms, std::function<void()> on_tick) = 0;
    virtual void stop_timer(TimerId) = 0;

    // ---- process ----
    virtual std::string program_folder() const = 0; // with a trailing backslash
    virtual void set_current_folder(std::string_view) = 0;
    virtual void message_box(std::string_view text, std::string_view caption, MessageBoxKind = MessageBoxKind::Ok) = 0;
    // Runs the UI thread's message loop until quit(); returns quit's code.
    virtual int run_message_loop() = 0;
    // Ends the message loop; run_message_loop returns the code.
    virtual void quit(int exit_code) = 0;

    // ---- libraries (resolved against the current folder) ----
    virtual LibraryId load_library(std::string_view file_name) = 0;
    virtual EntryPoint entry_point(LibraryId, std::string_view name) = 0; // empty when missing
    virtual void free_library(LibraryId) = 0;
    // How many times the loaded input hook library found its mouse or keyboard
    // hook removed by the system and set it again (0 without the library).
    struct HookRecoveries {
        unsigned mouse = 0;
        unsigned keyboard = 0;
    };
    virtual HookRecoveries hook_recoveries() const = 0;

    // ---- files (names relative to the current folder, CP936) ----
    virtual std::optional<std::string> read_file(std::string_view name) const = 0;
    // Whole and atomic: the old file or the new one, never a torn one.
    virtual bool write_file_atomic(std::string_view name, std::string_view bytes) = 0;
    // The file whole, or why not (see FileStatus).
    virtual FileContent read_file_status(std::string_view name) const
    {
        auto bytes = read_file(name);
        return bytes ? FileContent{FileStatus::Read, std::move(*bytes)} : FileContent{};
    }
    // Reads a file whole while no other program may open it, and deletes it
    // only once it was read completely; a file not read whole stays as it is.
    virtual FileContent take_file(std::string_view /*name*/) { return {FileStatus::Unreadable, {}}; }

    // ---- clipboard ----
    // The clipboard's text; nullopt when it cannot be opened (an empty
    // clipboard gives an empty text).
    virtual std::optional<std::string> clipboard_text() { return std::nullopt; }

    // ---- programs ----
    // Starts a program (a path relative to the current folder, or a fixed
    // batch file of the program folder) without waiting for it.
    virtual bool start_program(std::string_view /*path*/, Visibility) { return false; }

    // Starts a program given by its full path with a list of arguments, each
    // arriving in the program as exactly one argument whatever it holds
    // (blanks, quotes, backslashes, & or %): no command interpreter is involved.
    // Does not wait; false when the program is missing or cannot start.
    virtual bool start_program_with_arguments(std::string_view /*path*/, const std::vector<std::string>& /*arguments*/,
                                              Visibility)
    {
        return false;
    }

    // Opens a web address with the shell's "Open" verb. Only http and https
    // addresses are opened; false for anything else.
    virtual bool open_address(std::string_view /*url*/) { return false; }

    // Opens a fixed file of the program folder (a bare file name, no path)
    // with the shell's "Open" verb, shown normally; false when it cannot.
    virtual bool open_program_file(std::string_view /*file_name*/) { return false; }

    // The taskbar's screen rectangle (SHAppBarMessage ABM_GETTASKBARPOS);
    // nullopt when the shell has no taskbar.
    virtual std::optional<Rect> taskbar_rect() const { return std::nullopt; }

    // ---- common dialogs ----
    // The colour dialog, modal; the chosen colour as 0x00BBGGRR, nullopt on cancel.
    virtual std::optional<std::uint32_t> choose_colour(std::uint32_t /*initial*/) { return std::nullopt; }

    // ---- pop-up menus ----
    // Shows a pop-up menu at a screen point, modal; the index of the chosen
    // item, nullopt when the menu was dismissed.
    virtual std::optional<std::size_t> popup_menu(Hwnd /*owner*/, const std::vector<MenuEntry>& /*items*/, Point /*at*/)
    {
        return std::nullopt;
    }

    // ---- mouse capture: every mouse message goes to one window ----
    virtual void set_capture(Hwnd) {}
    virtual void release_capture() {}
    virtual Hwnd capture() const { return 0; }

    // ---- the system's version, as GetVersionEx tells it ----
    virtual SystemVersion system_version() const { return {}; }

    // ---- web views: the platform's embeddable browser inside a window ----
    // 0 when the control cannot be created (the view then stays empty and
    // every other call on it does nothing).
    virtual WebViewId create_web_view(Hwnd /*parent*/, const Rect& /*client*/, WebViewEvents*) { return 0; }
    virtual void destroy_web_view(WebViewId) {}
    virtual void set_web_view_rect(WebViewId, const Rect& /*client*/) {}
    virtual void navigate(WebViewId, std::string_view /*url*/) {}
    // Replaces the whole document with `html`.
    virtual void write_document(WebViewId, std::string_view /*html*/) {}
    virtual void web_command(WebViewId, WebCommand) {}
    // The address the view shows (LocationURL); empty when it has none.
    virtual std::string web_location(WebViewId) const { return {}; }

    // ---- application desktop toolbar ----
    virtual bool register_app_bar(Hwnd, std::uint32_t /*callback_message*/) { return false; }
    virtual void place_app_bar(Hwnd, AppBarEdge, const Rect&) {}
    virtual void remove_app_bar(Hwnd) {}

    // ---- other programs' processes and their icons ----
    // GetWindowThreadProcessId: the process owning a window; 0 when it is gone.
    virtual std::uint32_t window_process_id(Hwnd) const { return 0; }
    // The full path of a process's executable (from its module list); its bare
    // executable name when the modules cannot be read; empty when the process
    // is gone.
    virtual std::string process_image_path(std::uint32_t /*process_id*/) const { return {}; }
    // The shell's small icon for a file (SHGetFileInfo); 0 when it has none.
    // The caller gives it back with free_icon.
    virtual std::uintptr_t file_icon(std::string_view /*path*/) { return 0; }
    virtual void free_icon(std::uintptr_t /*icon*/) {}
    // Icon number `index` inside a program, library or icon file (ExtractIcon);
    // 0 when the file has none. The caller gives it back with free_icon.
    virtual std::uintptr_t extract_icon(std::string_view /*path*/, int /*index*/) { return 0; }
    // ---- the notification area (Shell_NotifyIcon) ----
    // Adds the icon of a window, or changes it when it is there; false when the shell refuses.
    virtual bool set_tray_icon(Hwnd, const TrayIcon&) { return false; }
    virtual void remove_tray_icon(Hwnd, std::uint32_t /*id*/) {}

    // ---- the current user's registry (HKEY_CURRENT_USER) ----
    // `key` is a path below HKEY_CURRENT_USER ("Software\\Classes\\*\\shell\\x").
    // Creates the key with its parents and sets its default value; false on failure.
    virtual bool set_registry_default(std::string_view /*key*/, std::string_view /*value*/) { return false; }
    // Deletes a key that has no subkeys; false when it is not there or cannot go.
    virtual bool delete_registry_key(std::string_view /*key*/) { return false; }

    // ---- keyboard layouts and input methods ----
    // The installed layouts in the order the system lists them, at most `at_most`.
    virtual std::vector<KeyboardLayout> keyboard_layouts(std::size_t /*at_most*/) const { return {}; }
    // Whether a layout is an input method (ImmIsIME), and its description (ImmGetDescription; empty when none).
    virtual bool is_input_method(KeyboardLayout) const { return false; }
    virtual std::string input_method_description(KeyboardLayout) const { return {}; }
    // Makes a layout the active one (ActivateKeyboardLayout with `flags`); false when it cannot.
    virtual bool activate_keyboard_layout(KeyboardLayout, std::uint32_t /*flags*/) { return false; }
    // The layout of the thread that owns a window (GetKeyboardLayout of its
    // thread); 0 for no window or one that is gone.
    virtual KeyboardLayout window_keyboard_layout(Hwnd) const { return 0; }
    // An input method's module file name without a folder (ImmGetIMEFileName); empty when none.
    virtual std::string input_method_file_name(KeyboardLayout) const { return {}; }
    // The system folder (GetSystemDirectory), with a trailing backslash; empty when unknown.
    virtual std::string system_folder() const { return {}; }
    // The default input-method window of the thread that owns a window
    // (ImmGetDefaultIMEWnd); 0 when it has none or the window is gone.
    virtual Hwnd default_ime_window(Hwnd) const { return 0; }
    // Whether a window takes input (IsWindowEnabled); false for no window.
    virtual bool is_enabled(Hwnd) const { return false; }

    // ---- the user's folders ----
    // The user's desktop folder (the shell's folder 16, CSIDL_DESKTOPDIRECTORY),
    // without a trailing backslash; empty when the shell does not know it.
    virtual std::string desktop_folder() const { return {}; }
    // The names of the files (not folders) directly in a folder given by its
    // full path, sorted by name; empty when the folder is not there.
    virtual std::vector<std::string> folder_files(std::string_view /*folder*/) const { return {}; }

    // ---- standing aside ----
    // SHQueryUserNotificationState; Unknown when the shell cannot say.
    virtual UserNotificationState user_notification_state() const { return UserNotificationState::Unknown; }
    // A system-wide hot key (RegisterHotKey): `vk` with the kHotKey* modifiers
    // held reaches `window` as on_hot_key(id) instead of the window in front.
    // False when another program holds the combination.
    virtual bool register_hot_key(Hwnd /*window*/, int /*id*/, std::uint32_t /*modifiers*/, int /*vk*/) { return false; }
    virtual void unregister_hot_key(Hwnd /*window*/, int /*id*/) {}

    // ---- diagnostics: another process may ask for a dump of every form ----
    virtual void set_diagnostics_source(std::function<std::string()> utf8_dump) = 0;

    // ---- monitors ----
    // Every display monitor, the primary one first (EnumDisplayMonitors with
    // each monitor's effective DPI). Without an override: the screen alone at 96 DPI.
    virtual std::vector<Monitor> monitors() const
    {
        const Size s = screen_size();
        const Rect r = Rect::from_size(0, 0, s.width, s.height);
        return {Monitor{r, r, 96, true}};
    }
    // The union of every monitor's rectangle (SM_XVIRTUALSCREEN and its kin).
    virtual Rect virtual_screen() const
    {
        Rect all;
        bool first = true;
        for (const Monitor& m : monitors()) {
            all = first ? m.rect
                        : Rect{std::min(all.left, m.rect.left), std::min(all.top, m.rect.top),
                               std::max(all.right, m.rect.right), std::max(all.bottom, m.rect.bottom)};
            first = false;
        }
        return all;
    }

    // ---- elevation ----
    // The token elevation of a process (OpenProcess with limited query rights,
    // then TokenElevation); Unknown when it cannot be opened.
    virtual Elevation process_elevation(std::uint32_t /*process_id*/) const { return Elevation::Unknown; }
    // The program's own token elevation.
    virtual Elevation own_elevation() const { return Elevation::Limited; }
};

} // namespace tv
