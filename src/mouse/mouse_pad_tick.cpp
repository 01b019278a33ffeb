// The pad's 100 ms tick and its automatic scrolling.
#include "mouse/mouse_pad.h"
#include "mouse/stand_aside.h"

#include "board/cells.h"
#include "board/m3d.h"
#include "board/regform.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/elevation.h"
#include "core/synthetic_input.h"

#include <algorithm>

namespace tv {
namespace {

constexpr long kSpeedLimit = 10000; // a speed setting beyond this is read as this

int word_page_factor(bool upwards, int height)
{
    if (height < 0)
        return height * 10 / 600;
    if (height < 400)
        return upwards ? 6 : 8;
    if (height < 600)
        return upwards ? 8 : 11;
    return upwards ? 10 : 15;
}

} // namespace

int pad_scroll_speed(int setting, bool upwards, bool word_page, int target_height)
{
    int speed = upwards ? -setting : setting;
    if (!word_page)
        return speed;
    if (speed == 10 || speed == -10)
        speed /= 10;
    return speed * word_page_factor(upwards, target_height);
}

void MousePad::tick()
{
    if (stands_aside_everywhere(app_))
        return;
    Tm3d& pad = app_.m3d();
    const std::string event_cell = app_.vykForm3().caption();
    pad.Label3.set_text(event_cell);
    ++ticks_;
    pad.Panel7.set_text("///" + std::to_string(ticks_));
    if (cell::starts_with(event_cell, token::kRightUp))
        right_release();
    take_targets();
    stop_scroll_on_left_click();
    diagnostics();
    stay_on_top();
}

// The right button's action for the chosen function, on the target in front.
void MousePad::right_release()
{
    app_.vykForm3().set_caption("m3d okup");
    if (!platform_.window_exists(target_))
        return;
    bring_target_to_front();
    if (function_ == "pageup" || function_ == "pagedown")
        elevation::press_for_front(app_, vk::kPageUp);
    else if (function_ == "up" || function_ == "down" || function_ == "left" || function_ == "right")
        elevation::press_for_front(app_, vk::kEnter);
    else if (function_ == "autoup")
        start_auto_scroll(true);
}

void MousePad::take_targets()
{
    const Point at = target_point();
    if (platform_.key_down(vk::kLButton))
        root_target_ = classify::root_at(platform_, at);
    target_ = platform_.window_from_point(at);
}

// A left click stops the pad's scroll and puts the pointer back where it started.
void MousePad::stop_scroll_on_left_click()
{
    if (!platform_.key_down(vk::kLButton) || !scrolling_)
        return;
    scrolling_ = false;
    auto_bar_pressed_ = false;
    ticks_ = 0;
    platform_.send_mouse(MouseInput::MiddleUp);
    platform_.set_cursor_pos(anchor_);
}

void MousePad::diagnostics()
{
    Tm3d& pad = app_.m3d();
    pad.Panel14.set_text(classify::class_of(platform_, target_));
    pad.Panel15.set_text(classify::class_of(platform_, root_target_));
    pad.Panel6.set_text(classify::foreground_class(platform_));
}

// Another topmost window above the pad: the pad goes on top again, where it is.
void MousePad::stay_on_top()
{
    Tm3d& pad = app_.m3d();
    if (platform_.top_window() == pad.hwnd()) {
        pad.Button2.set_text("ok..//");
        return;
    }
    pad.Button2.set_text("err..reset");
    const Rect r = pad.bounds();
    pad.set_topmost(Topmost::Yes);
    pad.set_bounds(r.left, r.top, r.width(), r.height());
    pad.show();
}

// The target scrolls by itself: the middle button pressed beside the pad and
// the pointer moved by the speed. In a word-processor page the button stays
// down until a left click; elsewhere it goes up at once.
void MousePad::start_auto_scroll(bool upwards)
{
    if (!take_target_for_press())
        return;
    const Point cursor = platform_.cursor_pos();
    anchor_ = cursor;
    scrolling_ = true;
    const bool word_page = classify::class_of(platform_, target_) == classify::kWordPageClass;
    const long setting = std::clamp(cell::number(app_.regform().dy.text()).value_or(0), -kSpeedLimit, kSpeedLimit);
    const int speed =
        pad_scroll_speed(static_cast<int>(setting), upwards, word_page, platform_.window_rect(target_).height());
    platform_.set_foreground(target_);
    platform_.set_cursor_pos({app_.m3d().left() - 32, cursor.y});
    platform_.sleep_ms(10);
    platform_.send_mouse(MouseInput::MiddleDown);
    if (!word_page)
        platform_.send_mouse(MouseInput::MiddleUp);
    platform_.sleep_ms(10);
    platform_.move_cursor_by(0, speed);
}

} // namespace tv
