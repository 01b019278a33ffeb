// Starting an automatic scroll (`ombrel.scrollup`, `ombrel.scrolldown`).
#include "mouse/auto_scroll.h"

#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/regform.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/sibling_channel.h"

#include <algorithm>

namespace tv {
namespace {

// Where the middle button is pressed, from the right edge of the window (or
// the screen): over the page's scroll bar, clear of the page's own controls.
constexpr int kNoGrab = -1; // the left screen edge
constexpr int kWebPageInset = 18;
constexpr int kSiblingInset = 12;
constexpr int kWordPageInsetUp = 32;
constexpr int kWordPageInsetDown = 132;
// A speed setting beyond this is taken as this: the pointer leaves the screen anyway.
constexpr long kLargestSpeed = 10000;

// A word-processor page scrolls by its height, whatever the setting says.
int word_page_speed(int height)
{
    if (height >= 600)
        return 10;
    if (height >= 400)
        return 8;
    return 6;
}

} // namespace

void AutoScrolling::scroll_up() { start(Way::Up); }

void AutoScrolling::scroll_down() { start(Way::Down); }

// The middle press at the grab point, then the pointer a speed's length away,
// up or down: the application scrolls until the stop tests release it.
void AutoScrolling::start(Way way)
{
    Platform& p = app_.platform();
    Tombrel& browser = app_.ombrel();
    const Point anchor = p.cursor_pos();
    browser.auto_scroll = way == Way::Up ? AutoScroll::Up : AutoScroll::Down;
    browser.oldrightpos.set_bounds(anchor.x, anchor.y, browser.oldrightpos.width(), browser.oldrightpos.height());
    const Hwnd root = classify::root_at(p, anchor);
    const Target target{root ? p.window_rect(root) : Rect{}, classify::class_at(p, anchor)};
    browser.Panel41.set_text("//" + std::to_string(speed_));
    set_speed(way, target);
    p.set_cursor_pos({grab_x(way, target), anchor.y});
    p.send_mouse(MouseInput::MiddleDown);
    if (classify::scrolls_itself(target.cls))
        p.send_mouse(MouseInput::MiddleUp); // the web control keeps scrolling after a middle click
    if (way == Way::Up)
        p.set_cursor_pos(anchor);
    p.move_cursor_by(0, speed_);
    restart_drag_count();
}

// Over a word-processor page, the grab point upwards is decided before the
// sibling browser's, downwards after it.
int AutoScrolling::grab_x(Way way, const Target& target) const
{
    const Platform& p = app_.platform();
    const bool word_page = target.cls == classify::kWordPageClass;
    int x = classify::scrolls_itself(target.cls) ? target.root.right - kWebPageInset : kNoGrab;
    if (way == Way::Up && word_page)
        x = target.root.right - kWordPageInsetUp;
    if (classify::foreground_class(p) == sibling::kFrameClass)
        x = p.screen_size().width - kSiblingInset;
    if (way == Way::Down && word_page)
        x = target.root.right - kWordPageInsetDown;
    return x;
}

void AutoScrolling::set_speed(Way way, const Target& target)
{
    const long setting = cell::number(app_.regform().dy.text()).value_or(0);
    int speed = static_cast<int>(std::clamp(setting, -kLargestSpeed, kLargestSpeed));
    if (target.cls == classify::kWordPageClass)
        speed = word_page_speed(target.root.height());
    speed_ = way == Way::Up ? -speed : speed;
}

// The status form's drag count runs again, from 1.
void AutoScrolling::restart_drag_count()
{
    Tlifeform& bar = app_.lifeform();
    bar.drag_count = 0;
    bar.Timer2.set_enabled(true);
}

} // namespace tv
