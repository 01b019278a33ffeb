#include "mouse/wheel_dispatch.h"

#include "board/cells.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/auto_scroll.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/elevation.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"

#include <string>

namespace tv {
namespace {

struct Notch {
    std::string direction; // the three characters after "ystop wheel="
    bool up = false;
    bool after_middle_press = false; // the user pressed the middle button since the last notch
};

// The direction goes to the status bar's echo and the cell is emptied.
Notch take_notch(App& app)
{
    TvykForm3& events = app.vykForm3();
    const std::string token = events.caption();
    Notch notch;
    notch.direction = std::string(cell::piece(token, token::kNotchDirectionAt, 3));
    notch.up = notch.direction == token::kWheelUp;
    notch.after_middle_press = cell::from(token, token::kNotchDirectionAt + 3) == token::kNotchAfterMiddlePress;
    app.lifeform().Panel38.set_text(notch.direction + "..wwww");
    events.set_caption("");
    return notch;
}

// An application may be scrolling by its middle button: the notch ends that
// first, except over a web page and the word-processor page, and over the
// program's own task form and navigation panel. Such a scroll can run only
// after the user's middle press (told in the notch) or while the program's own
// automatic scrolling holds the button; otherwise a middle click would paste,
// open a link or close a browser tab. The word-processor page behind the
// foreground window always gets its middle click and Esc.
void end_middle_button_scrolling(App& app, const Notch& notch, Hwnd window, std::string_view cls)
{
    Platform& p = app.platform();
    if (classify::lies_within(p, window, app.taskform().hwnd()) || classify::lies_within(p, window, app.vykForm3().hwnd()))
        return;
    if (elevation::input_blocked(p, window))
        return; // Windows would drop the clicks

    const bool scroll_may_run = notch.after_middle_press || auto_scroll_running(app);
    if (cls != classify::kWordPageClass && !classify::is_web_page(cls)) {
        if (!scroll_may_run)
            return;
        input::click(p, MouseButton::Middle);
        input::click(p, MouseButton::Middle);
        // The clicks released the button the program's own scroll held: that
        // scroll is over, as after a left click, and later notches click no more.
        if (auto_scroll_running(app))
            end_auto_scroll(app);
    } else if (cls == classify::kWordPageClass && !classify::lies_within(p, window, p.foreground_window())) {
        input::click(p, MouseButton::Middle);
        input::press(p, vk::kEscape);
    }
}

void echo(App& app, const Notch& notch, std::string_view action)
{
    app.lifeform().status.set_text(notch.direction + std::string(action));
}

// Task wheel: the sibling browser turns its pages; elsewhere Left or Right
// (to the navigation panel when it is shown).
void task_wheel(App& app, const Notch& notch)
{
    Platform& p = app.platform();
    TvykForm3& navigation = app.vykForm3();
    if (sibling::in_front(p) && !left_shows(navigation)) {
        sibling::send(app, notch.up ? "vykprev" : "vyknext");
    } else {
        if (left_shows(navigation))
            p.set_foreground(navigation.hwnd()); // its favourites list takes the key
        input::press(p, notch.up ? vk::kLeft : vk::kRight);
    }
    echo(app, notch, "..hh");
}

void quick_wheel(App& app, const Notch& notch)
{
    input::press(app.platform(), notch.up ? vk::kPageUp : vk::kPageDown);
    sibling::send(app, "page");
    echo(app, notch, "..kk");
}

// Auto wheel: over a web page that scrolls by itself after a middle click the
// page scrolls by itself (the browser form's
// `scrollup`/`scrolldown`); elsewhere Up or Down.
void auto_wheel(App& app, const Notch& notch, std::string_view cls)
{
    if (classify::scrolls_itself(cls)) {
        Tombrel& browser = app.ombrel();
        (notch.up ? browser.scrollup : browser.scrolldown).click();
    } else {
        input::press(app.platform(), notch.up ? vk::kUp : vk::kDown);
    }
    sibling::send(app, "auto");
    echo(app, notch, "..vv");
}

// The window in front, which gets the keys, belongs to an elevated process:
// Windows would drop whatever the notch sends, so nothing is sent and a
// mode's echo gives way to the notice.
bool stands_before_elevated_window(App& app, std::optional<wheel::Mode> mode)
{
    const Platform& p = app.platform();
    if (mode && *mode != wheel::Mode::Normal)
        return elevation::front_refuses_input(app);
    return elevation::input_blocked(p, p.foreground_window());
}

} // namespace

void dispatch_wheel_notch(App& app)
{
    const Notch notch = take_notch(app);
    Platform& p = app.platform();
    const Hwnd window = p.window_from_point(p.cursor_pos());
    const std::string cls = classify::class_of(p, window);
    if (stands_before_elevated_window(app, wheel::mode_named(app.lifeform().Label1.text())))
        return;
    end_middle_button_scrolling(app, notch, window, cls);
    const std::optional<wheel::Mode> mode = wheel::mode_named(app.lifeform().Label1.text());
    if (!mode)
        return;
    switch (*mode) {
    case wheel::Mode::Task: task_wheel(app, notch); return;
    case wheel::Mode::Quick: quick_wheel(app, notch); return;
    case wheel::Mode::Auto: auto_wheel(app, notch, cls); return;
    case wheel::Mode::Normal: return;
    }
}

} // namespace tv
