// Window classification: what kind of window the user points at or works in.
//
// The program never asks an application what it is. It reads the class name
// (and in two places the title) of a few chosen windows and compares it with
// fixed lists. This header holds those lists and the probes that pick the
// window to examine; the wheel modes, drag, the pads, the main loop, the menus
// and the browser name a probe and a list from here.
//
// Every operation reads the desktop through the Platform at the moment it is
// called and has no side effect; the one exception is clearing the start-menu
// marker. Nothing is cached. Points are screen coordinates: the callers read
// the cursor once per tick and pass it in, so all tests of one tick agree on
// where the pointer is.
#pragma once

#include "core/sibling_channel.h"
#include "platform/platform.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tv {
class App;
}

namespace tv::classify {

using ClassList = std::span<const std::string_view>;

// ---- the named class lists ----

inline constexpr std::string_view kSystemMenuClass = "#32768";
inline constexpr std::string_view kBaseBarClass = "BaseBar";
inline constexpr std::string_view kOfficeMenuClass = "MsoCommandBarPopup";

// Compared whole with the class of the top window.
inline constexpr std::array<std::string_view, 3> kMenuClasses{kSystemMenuClass, kBaseBarClass, kOfficeMenuClass};

// Compared whole with the class of the window under the cursor.
inline constexpr std::array<std::string_view, 4> kMenuItemClasses{kSystemMenuClass, kBaseBarClass, "ToolbarWindow32",
                                                                  kOfficeMenuClass};

// Looked for as parts of the neighbourhood text: "Combo" and "Popup" stand for
// every combo box and pop-up host whose class contains them.
inline constexpr std::array<std::string_view, 8> kPopupNeighbourhoodClasses{
    kSystemMenuClass, kBaseBarClass, kOfficeMenuClass, "ToolbarWindow32", "OfficeDropdown", "Popup", "Combo", "VFP66400002"};

// The web page of the browser control.
inline constexpr std::string_view kBrowserViewClass = "Internet Explorer_Server";
// The page window of a Chromium browser (Chrome, Edge, ...): the page alone.
inline constexpr std::string_view kChromiumPageClass = "Chrome_RenderWidgetHostHWND";
// Firefox's window: one window for its tab strip, toolbars and page.
inline constexpr std::string_view kFirefoxWindowClass = "MozillaWindowClass";
// Web pages, compared whole with the class at the cursor: a middle click there
// opens a link in a new tab or closes a tab, so no middle clicks are sent to
// end an application's middle-button scrolling.
inline constexpr std::array<std::string_view, 3> kWebPageClasses{kBrowserViewClass, kChromiumPageClass,
                                                                 kFirefoxWindowClass};
// The pages that keep scrolling by themselves after a middle click at their
// right edge: the auto wheel's and the page keys' automatic scrolling, its grab
// point and the at-once release. Not Firefox: the edge of its one window at
// the pointer's height may be its tab strip, where a middle click closes a tab.
inline constexpr std::array<std::string_view, 2> kSelfScrollingPageClasses{kBrowserViewClass, kChromiumPageClass};

// The word-processor page; some tests take the rich-edit page and the other
// document pane with it.
inline constexpr std::string_view kWordPageClass = "_WwG";
inline constexpr std::array<std::string_view, 3> kDocumentViewClasses{kWordPageClass, "RichEdit20A", "paneClassDC"};

// The sibling browser's frame, form and main window; its application window is
// the class `TApplication` titled "ombrel".
inline constexpr std::array<std::string_view, 3> kSiblingBrowserClasses{sibling::kFrameClass, sibling::kFormClass,
                                                                        sibling::kMainClass};

// The eleven main windows of the program; start-up is complete when all exist.
inline constexpr std::array<std::string_view, 11> kOwnFormClasses{
    "TFormMain", "Tpyoil", "Tinputmode", "TvykForm3", "Tlifeform", "Tmodeform",
    "Tregform",  "Trqmenu", "Tombrel",   "Ttaskform", "Tkxm"};

// The web control's script-error box, found by class and title.
inline constexpr std::string_view kScriptErrorClass = "Internet Explorer_TridentDlgFrame";
inline constexpr std::string_view kScriptErrorTitle = "Internet Explorer 脚本错误";

inline constexpr std::string_view kTooltipClass = "tooltips_class32";
inline constexpr std::string_view kTaskbarToolbarClass = "ToolbarWindow32";
inline constexpr std::string_view kListViewClass = "SysListView32";
inline constexpr std::string_view kTabSheetClass = "TTabSheet";

// Input-method composition and candidate windows.
inline constexpr std::array<std::string_view, 13> kImeCompositionClasses{
    "ReadPINTLGNT", "CandPINTLGNT",  "CompPINTLGNT",    "ImeCompPHON",    "ImeCandPHON", "ImeCandiPHON", "IMecompPHON",
    "ImeCompwinime", "ImeCandwinime", "UNISPIM_COMPCLS", "MSPY Component", "CCIMECOMP",   "WNWB Input"};
// Input-method status windows.
inline constexpr std::array<std::string_view, 5> kImeStatusClasses{"StatusPINTLGNT", "ImeStatusPHON", "ImeStatuswinime",
                                                                   "UNISPIM_STATUSCLS", "MSPY Status"};

// The form whose caption carries the start-menu marker.
inline constexpr std::string_view kFormMainClass = "TFormMain";
inline constexpr std::string_view kStartMenuMarker = "开始菜单";

// Class names are read into a 95-byte buffer, titles into a 110-byte one: only
// the first 94 and 109 bytes take part in any comparison.
inline constexpr std::size_t kClassBytes = 94;
inline constexpr std::size_t kTitleBytes = 109;

// ---- list membership (case-sensitive) ----

// The text equals one of the members.
bool in_list(std::string_view text, ClassList list);
// `cls` is one of kWebPageClasses / kSelfScrollingPageClasses.
bool is_web_page(std::string_view cls);
bool scrolls_itself(std::string_view cls);
// One of the members occurs anywhere in the text.
bool contains_any(std::string_view text, ClassList list);

// ---- class and title of a window: the only readers of either ----

// Empty for a null or vanished window, so it matches no list.
std::string class_of(const Platform&, Hwnd);
std::string title_of(const Platform&, Hwnd);

// ---- probes ----

std::string class_at(const Platform&, Point);
// The window under the point, then its parents up to the last one.
Hwnd root_at(const Platform&, Point);
std::string foreground_class(const Platform&);
std::string top_class(const Platform&);
// The window just below the top one in the desktop's Z order; with a tooltip on
// top it is what the diagnostics show instead.
Hwnd window_below_top(const Platform&);
std::string class_below_top(const Platform&);

// Where the window under a point can be one whose class satisfies `wanted`:
// the window under a point is a shown window (it and every window it lies in
// visible) and the point lies in its rectangle. A grid search probes only the
// points that lie in one of these places and finds what probing every point
// finds.
class ShownPlaces {
public:
    ShownPlaces(const Platform&, const std::function<bool(std::string_view)>& wanted);
    bool none() const { return places_.empty(); }
    bool may_answer(Point) const;

private:
    std::vector<Rect> places_;
};

// The grid scan of the whole screen: some grid point's class is `name`.
// It probes only the points that lie in a shown window of that class.
bool screen_has_class(const Platform&, std::string_view name);
// The same answer from probing every grid point in turn, up to the first
// point whose class is `name`: what the scan above must always agree with.
bool screen_has_class_by_probes(const Platform&, std::string_view name);

// The classes at (x+d, y+d), (x+d, y-d), (x-d, y-d), (x-d, y+d), in that order.
std::array<std::string, 4> classes_around(const Platform&, Point centre, int distance);
// The four neighbourhood classes at 30 pixels, joined by "//".
std::string neighbourhood_classes(const Platform&, Point cursor);

// The window under the cursor is a descendant of `window`; the window itself does not count.
bool cursor_inside(const Platform&, Hwnd window, Point cursor);

// ---- menus and pop-ups ----

// The system itself opened the Start menu: the `TFormMain` caption contains "开始菜单".
bool start_menu_marked(const Platform&);
// The marker goes: the first ten bytes of the `TFormMain` caption become
// "设置说明--". A caption without the marker is left as it is.
void clear_start_menu_marker(App&);

// The top window of the desktop (not the foreground) is a menu.
bool menu_on_top(const Platform&);
// A menu is on top, or the start-menu marker counts as one.
bool menu_open(const Platform&);
bool cursor_on_menu_item(const Platform&, Point cursor);

// The neighbourhood classes, then "--", the caption of `m3d`, "..", the
// mouse-event cell (the caption of `vykForm3`): the text the pop-up test reads.
std::string popup_neighbourhood_text(const App&, Point cursor);
bool near_popup(const App&, Point cursor);

// ---- windows within windows ----

// A window lies within another when it is that window or one of its
// descendants. The program's own forms draw their controls themselves, so the
// window under the pointer on one of them is the form itself.
bool lies_within(const Platform&, Hwnd window, Hwnd outer);

// ---- the desktop and the browser's pages ----

// The desktop's icon view lies at (4, status-form height + 8), just below the
// bar, whenever the desktop shows there.
Point list_view_probe_point(const App&);
// The pointer at `at` is on the desktop: the window at the list-view probe
// point is the icon view ("SysListView32") and is also the window at `at`.
bool on_desktop_list_view(const App&, Point at);
// A browser page has left its slot: the window 140 pixels right and 140 pixels
// down from the page control's top-left (screen coordinates) is a tab sheet.
bool tab_sheet_below(const Platform&, Point page_control);

// The shell's own windows: the desktop window, the desktop's icon hosts and the
// taskbar. Nothing the program does may close them.
inline constexpr std::array<std::string_view, 4> kShellClasses{"#32769", "Progman", "WorkerW", "Shell_TrayWnd"};
bool is_shell_window(const Platform&, Hwnd);
// One of the program's own forms.
bool is_own_form(const App&, Hwnd);

// ---- by class ----

// Whether a window of each of the program's main classes exists, as FindWindow
// tells; the program's own form of a class answers without asking the system.
bool all_own_forms_found(const App&);
Hwnd script_error_box(const Platform&);

} // namespace tv::classify
