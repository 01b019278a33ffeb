#include "statusbar/status_timer.h"

#include "board/cells.h"
#include "board/inputmode.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/vykform3.h"
#include "board/vykform4.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/history.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"
#include "statusbar/drag_results.h"

#include <string>

namespace tv {
namespace {

constexpr std::size_t kHistoryLimit = 100, kHistoryKept = 10;
constexpr int kNeighbourhoodDistance = 30;
constexpr std::size_t kAddressMinBytes = 7;
constexpr std::string_view kDialogClass = "#32770";
constexpr std::string_view kPhoneticCandidateClass = "ImeCandPHON";

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A key state as GetAsyncKeyState reports it: the high bit makes a held key negative.
std::string key_state(const Platform& p, int vk) { return p.key_down(vk) ? "-32768" : "0"; }

void keep_history(ui::ListBox& list, std::string_view caption)
{
    history::push(list, caption);
    history::trim(list, kHistoryLimit, kHistoryKept);
}

// The four neighbourhood classes run together, as the menu test reads them.
std::string neighbourhood_run_together(const Platform& p)
{
    std::string text;
    for (const std::string& c : classify::classes_around(p, p.cursor_pos(), kNeighbourhoodDistance))
        text += c;
    return text;
}

} // namespace

void StatusTimer::tick()
{
    diagnostics();
    ctrl_function_taken();
    caption_histories();
    right_release_in_slow_wheel();
    menu_close_by_windows_key();
    menu_tip();
    drag_echo();
    if (act_on_drag_end(app_) == AfterDrag::EndTick)
        return;
    mirror_caption();
    address_under_pointer();
    candidate_window();
    keep_bar_on_top();
}

void StatusTimer::diagnostics()
{
    app_.inputmode().Panel13.set_text(key_state(platform_, vk::kLWin) + "/r" + key_state(platform_, vk::kRButton) +
                                      "/s" + key_state(platform_, vk::kSpace));
    const Platform::HookRecoveries recoveries = platform_.hook_recoveries();
    app_.lifeform().hookwatch.set_text("hook recoveries: mouse " + std::to_string(recoveries.mouse) + ", keyboard " +
                                       std::to_string(recoveries.keyboard));
}

// The left button confirms a copy and search: easy drag may start by Ctrl again.
void StatusTimer::ctrl_function_taken()
{
    if (platform_.key_down(vk::kLButton) && app_.lifeform().easydragid.text() == "ctrl function")
        app_.lifeform().easydragid.set_text("okctrl function");
}

void StatusTimer::caption_histories()
{
    keep_history(app_.lifeform().ListBox7, app_.vykForm3().caption());
    keep_history(app_.lifeform().ListBox8, app_.vykForm4().caption());
}

// A right release the hook reported in the quick or auto wheel answers with
// Enter, in the task wheel with Esc; the navigation panel goes away.
// No writer of the program leaves "rightup ok": the super right-click (the
// mode engine's right-button dispatch) takes the hook's "rightup" first and
// leaves "xx rightup ok", having answered the release itself. The rule stays
// as it is, for a "rightup ok" written from outside; widened to the
// dispatch's token it would answer one release twice.
void StatusTimer::right_release_in_slow_wheel()
{
    TvykForm3& navigation = app_.vykForm3();
    if (navigation.caption() != "rightup ok")
        return;
    const std::string mode = app_.lifeform().Label1.text();
    int key = 0;
    if (mode == wheel::kQuickName || mode == wheel::kAutoName)
        key = vk::kEnter;
    else if (mode == wheel::kTaskName)
        key = vk::kEscape;
    else
        return;
    navigation.set_caption("xx right");
    input::press(platform_, key);
    park(navigation);
}

// A menu left open after the Windows key is closed with Esc. The released
// Windows key is answered once, when it becomes the second newest key: the
// history keeps that entry until another key arrives, and an Esc on every
// tick would reach whatever window is in front.
void StatusTimer::menu_close_by_windows_key()
{
    Tinputmode& ime = app_.inputmode();
    ime.Panel12.set_text(std::to_string(menu_close_flag_) + "//" + classify::top_class(platform_));
    if (menu_close_flag_ == 1 && classify::contains_any(neighbourhood_run_together(platform_), classify::kMenuClasses)) {
        input::press(platform_, vk::kEscape);
        menu_close_flag_ = 0;
    }
    const bool windows_released = cell::contains(ime.ListBox4.item(1), "old--91..2");
    if (windows_released && !windows_release_answered_) {
        input::press(platform_, vk::kEscape);
        menu_close_flag_ = 0;
    }
    windows_release_answered_ = windows_released;
}

// The menu keys are shown while the menu the right button opened is up.
void StatusTimer::menu_tip()
{
    if (app_.m3d().caption() != "old--pop") {
        app_.lifeform().menutip.hide();
        return;
    }
    if (cell::contains(app_.vykForm3().caption(), "rightup"))
        app_.lifeform().menutip.show();
}

void StatusTimer::drag_echo()
{
    ui::Panel& echo = app_.inputmode().dragmess;
    if (platform_.key_down(vk::kLButton) && echo.text() == "ss")
        echo.set_text("qqss");
}

void StatusTimer::mirror_caption() { app_.lifeform().Panel37.set_text(app_.lifeform().caption()); }

// An address waiting in `Panel10` opens when the left button is pressed: in the
// sibling browser when it runs, otherwise with the shell (web addresses only).
void StatusTimer::address_under_pointer()
{
    const std::string address = app_.lifeform().Panel10.text();
    if (address.size() < kAddressMinBytes || !platform_.key_down(vk::kLButton))
        return;
    if (platform_.find_window(sibling::kFrameClass))
        sibling::send(app_, "vyknewurl=" + address);
    else
        platform_.open_address(address);
    app_.lifeform().Panel10.set_text("");
}

void StatusTimer::candidate_window()
{
    app_.lifeform().Panel24.set_text(platform_.find_window(kPhoneticCandidateClass) ? "ff cand" : "no cand");
}

// Something else covers the top-left corner: the bar comes back on top at
// (0, 0), unless it is there already while the navigation panel or a dialog
// is up (they may cover it for a while). A bar the user set to no width
// ("nobar") keeps no width until a size command gives it the screen's again.
// While a window of another program in front overlaps the bar, the bar is
// put on top again at every tick even where the corner is still the bar's: a
// topmost window elsewhere on the bar, and under Wine any such window, which
// Wine draws above the bar (notepad, wordpad) although its window list has the
// bar first. Never over a menu that is open.
void StatusTimer::keep_bar_on_top()
{
    Tlifeform& bar = app_.lifeform();
    if (app_.pyoil().asidewhy.text() == Tpyoil::kAsideFullScreen)
        return; // a full-screen program keeps the screen
    if (classify::lies_within(platform_, platform_.window_from_point({1, 1}), bar.hwnd())) {
        if (other_program_over_bar(platform_.foreground_window()) && !others_may_cover_bar() &&
            !classify::menu_on_top(platform_))
            restack_bar_on_top(bar);
        return;
    }
    if (bar.left() == 0 && bar.top() == 0 && others_may_cover_bar())
        return;
    bar.set_topmost(Topmost::Yes);
    bar.set_bounds(0, 0, bar.width() == 0 ? 0 : platform_.screen_size().width, bar.height());
}

// Off the topmost band and back on: Wine restacks what it draws only when the
// window order changes, and the bar is first in its list already. Elsewhere
// the bar simply ends on top of the topmost windows.
void StatusTimer::restack_bar_on_top(Tlifeform& bar)
{
    bar.set_topmost(Topmost::No);
    bar.set_topmost(Topmost::Yes);
}

// The navigation panel shown, or a dialog of any program shown (a hidden one,
// kept by a program for later, covers nothing).
bool StatusTimer::others_may_cover_bar() const
{
    const TvykForm3& navigation = app_.vykForm3();
    const bool navigation_shown = navigation.visible() && left_shows(navigation);
    const Hwnd dialog = platform_.find_window(kDialogClass);
    return navigation_shown || (dialog != 0 && platform_.is_visible(dialog));
}

// A shown window of another program that overlaps the bar.
bool StatusTimer::other_program_over_bar(Hwnd front) const
{
    const Tlifeform& bar = app_.lifeform();
    if (!front || bar.width() == 0 || !platform_.is_visible(front) ||
        platform_.window_process_id(front) == platform_.window_process_id(bar.hwnd()))
        return false;
    return overlap(platform_.window_rect(front), bar.bounds());
}

} // namespace tv
