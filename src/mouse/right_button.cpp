#include "mouse/right_button.h"

#include "board/cells.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/setform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/elevation.h"
#include "core/settings_list.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"
#include "mouse/escape_menu.h"

namespace tv {
namespace {

// The token once a super right-click has taken the release.
constexpr std::string_view kReleaseTaken = "xx rightup ok";
constexpr std::string_view kMenuEntered = "ok13";
constexpr std::string_view kCloseWebPage = "close web";
constexpr std::string_view kAutoDone = "ok自动滚轮";
constexpr std::string_view kWheelDone = "ok滚轮";
constexpr std::string_view kNoMenu = "xxx";
// Bytes 6 to 9 of the quick menu's `Label10` name the command it offers.
constexpr long kOfferedFrom = 6, kOfferedBytes = 4;
constexpr std::string_view kTaskCommand = "任务";
constexpr Point kLeaveWebPointer{234, 295};
constexpr int kPadSize = 64, kPadSettleMs = 100;
constexpr int kNavigationPageWidth = 345;

} // namespace

RightButton::RightButton(App& app) : app_(app), platform_(app.platform()) {}

void RightButton::dispatch()
{
    top_class_ = classify::top_class(platform_);
    const Point p = platform_.cursor_pos();
    if (platform_.key_down(vk::kRButton))
        record_right_press(p);
    if (platform_.key_down(vk::kLButton))
        remember_return_window();
    const Tm3d& pad = app_.m3d();
    if (pad.visible() && left_shows(pad))
        return; // the pad's own timer answers the release
    if (takes_release())
        super_right_click(p);
    enter_on_menu();
}

bool RightButton::in_front(const ui::Form& form) const { return platform_.foreground_window() == form.hwnd(); }

// The point, and the title and class of the window pressed on.
void RightButton::record_right_press(Point p)
{
    Tombrel& browser = app_.ombrel();
    browser.right_press = p;
    browser.oldrightpos.set_bounds(p.x, p.y, browser.oldrightpos.width(), browser.oldrightpos.height());
    const Hwnd pressed = classify::root_at(platform_, p);
    app_.taskform().windtitle.set_text(classify::title_of(platform_, pressed));
    app_.taskform().windclass.set_text(classify::class_of(platform_, pressed));
}

// A left press in another window makes it the one to return to; the
// program's own panels and pads never are.
void RightButton::remember_return_window()
{
    const Hwnd front = platform_.foreground_window();
    if (front == 0 || in_front(app_.regform()) || in_front(app_.setform()) || in_front(app_.m3d()) ||
        in_front(app_.vykForm3()) || in_front(app_.taskform()))
        return;
    app_.ombrel().return_window = front;
}

bool RightButton::takes_release() const
{
    return cell::starts_with(app_.vykForm3().caption(), token::kRightUp) && !in_front(app_.regform()) &&
           !in_front(app_.setform()) && !in_front(app_.m3d());
}

void RightButton::super_right_click(Point p)
{
    take_release(p);
    Tkxmm& quick_menu = app_.kxmm();
    if (quick_menu.visible()) {
        quick_menu.Button1.set_text(cell::piece(quick_menu.Label10.text(), kOfferedFrom, kOfferedBytes));
        app_.ombrel().vykxcmd.click();
    }
    const std::optional<wheel::Mode> mode = wheel::mode_named(app_.lifeform().Label1.text());
    if (!mode)
        return;
    switch (*mode) {
    case wheel::Mode::Auto: auto_wheel_release(); break;
    case wheel::Mode::Quick: quick_wheel_release(p); break;
    case wheel::Mode::Task: task_wheel_release(); break;
    case wheel::Mode::Normal: break; // the application has the release
    }
}

// The window in front becomes the return window; the token is consumed, so
// this release never reaches the menu rule below.
void RightButton::take_release(Point p)
{
    app_.pyoil().ctrlmess.set_text("ctrlclick--ok");
    Tombrel& browser = app_.ombrel();
    browser.right_press = p;
    browser.oldrightpos.set_bounds(p.x, p.y, browser.oldrightpos.width(), browser.oldrightpos.height());
    const Hwnd front = platform_.foreground_window();
    browser.return_window = front;
    browser.oldrightpos.set_text(classify::class_of(platform_, front));
    browser.oldwindowtitle.set_text(classify::title_of(platform_, front));
    app_.vykForm3().Panel1.set_text(std::to_string(p.x) + "//" + std::to_string(p.y));
    app_.vykForm3().set_caption(kReleaseTaken);
}

// Enter; with the sibling browser in front it is asked to close its page,
// unless a menu is up (then nothing is sent).
void RightButton::auto_wheel_release()
{
    app_.lifeform().Label1.set_text(kAutoDone);
    if (!sibling::in_front(platform_))
        elevation::press_for_front(app_, vk::kEnter);
    else if (classify::in_list(top_class_, classify::kMenuClasses))
        top_class_ = kNoMenu;
    else
        app_.vykForm3().set_caption(kCloseWebPage);
}

void RightButton::quick_wheel_release(Point p)
{
    app_.lifeform().Label1.set_text(kWheelDone);
    if (!app_.m3d().visible() && !app_.kxm().visible())
        open_pad(p);
}

// The 3D pad opens topmost at the pointer and its timer takes over from the
// mode engine; the window that was in front gets the keyboard back.
void RightButton::open_pad(Point p)
{
    Tm3d& pad = app_.m3d();
    const Monitor monitor = monitor_at(platform_, p);
    const int size = scaled(kPadSize, monitor.dpi);
    place_on_monitor(pad, monitor, Rect::from_size(p.x, p.y, size, size));
    pad.show();
    pad.set_topmost(Topmost::Yes);
    pad.Timer1.set_enabled(true);
    app_.ombrel().Timer1.set_enabled(false);
    platform_.sleep_ms(kPadSettleMs);
    platform_.set_cursor_pos({p.x + size / 2, p.y + size / 2});
    platform_.set_foreground(app_.ombrel().return_window);
}

void RightButton::task_wheel_release()
{
    app_.lifeform().Label1.set_text(kWheelDone);
    if (sibling::in_front(platform_)) {
        leave_web_menu();
        return;
    }
    platform_.set_foreground(app_.taskform().hwnd());
    app_.kxmm().Button1.set_text(kTaskCommand);
    app_.ombrel().vykxcmd.click();
}

// With the sibling browser in front: the escape menu, offering to leave the
// web. An address the browser handed over goes to the navigation panel; it is
// taken before the menu tells the browser to hide, which replaces the request
// in the command cell.
void RightButton::leave_web_menu()
{
    TvykForm3& navigation = app_.vykForm3();
    if (const std::optional<std::string> address = sibling::take_request(app_, "url=", "ok--curl"))
        navigation.Edit2.set_text(*address);
    open_escape_menu(app_, {"下网", kLeaveWebPointer, true});
    if (home_address_given_)
        return;
    home_address_given_ = true;
    navigation.Button7.set_text(settings::value(app_.regform().ListBox2, settings::kHomeAddressLine));
    navigation.CppWebBrowser3.set_width(kNavigationPageWidth);
}

// A release no super right-click took presses Enter on an open menu while
// the navigation panel is shown.
void RightButton::enter_on_menu()
{
    TvykForm3& navigation = app_.vykForm3();
    if (!cell::starts_with(navigation.caption(), token::kRightUp) || !left_shows_past_edge(navigation))
        return;
    const bool menu = top_class_ == classify::kBaseBarClass || top_class_ == classify::kOfficeMenuClass ||
                      classify::start_menu_marked(platform_);
    if (!menu)
        return;
    navigation.set_caption(kMenuEntered);
    elevation::press_for_front(app_, vk::kEnter);
}

} // namespace tv
