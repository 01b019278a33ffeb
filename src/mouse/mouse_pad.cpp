#include "mouse/mouse_pad.h"

#include "board/cells.h"
#include "board/form_main.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/elevation.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"

namespace tv {

// What pointing at a part chooses and tells. Empty right-button hints and
// lines leave what is shown; the first text of a pair is shown while the quick
// right button (`FormMain.N2qq`) is ticked, the second ("Ctrl＝") while not.
struct MousePad::Choice {
    std::string_view function;
    int key = 0;   // 0: the key stays
    int delta = 0; // 0: the wheel delta stays
    std::string_view left;
    std::string_view right_quick;
    std::string_view right_ctrl;
    std::string_view line_quick; // line 13 of the hint template
    std::string_view line_ctrl;
};

namespace {

using Choice = MousePad::Choice;

constexpr int kNotch = 120;
constexpr int kSlotHalf = 19;  // pointing: the upper half of a slot or the page bar ends here
constexpr int kPressHalf = 17; // pressing: below this the lower half's key
constexpr int kFocusWaitMs = 30;

const Choice kUp{"up", vk::kUp, 0, "左键＝↑", "右键＝回车", "右键＝回车", "右键＝回车 左键＝↑", "Ctrl＝回车 左键＝↑"};
const Choice kDown{"down", vk::kDown, 0, "左键＝↓", "", "", "右键＝回车 左键＝↓", "Ctrl＝回车 左键＝↓"};
const Choice kPageUp{"pageup", 0, 0, "左键＝向上翻页", "右键＝回车", "右键＝回车", "右键＝回车 左键＝向上翻页",
                     "Ctrl＝回车 左键＝向上翻页"};
const Choice kPageDown{"pagedown", 0, 0, "左键＝向下翻页", "右键＝回车", "右键＝回车", "右键＝回车 左键＝向下翻页",
                       "Ctrl＝回车 左键＝向下翻页"};
const Choice kLeftBrowser{"left", vk::kLeft, 0, "左键＝前一网页", "右键＝回车", "Ctrl＝回车", "右键＝回车 左键＝前一网页",
                          "Ctrl＝回车 左键＝前一网页"};
const Choice kLeftOther{"left", vk::kLeft, 0, "左键＝前一网页", "右键＝回车", "Ctrl＝回车", "右键＝回车 左键＝←",
                        "Ctrl＝回车 左键＝←"};
const Choice kRightBrowser{"right", vk::kRight, 0, "左键＝后一网页", "右键＝回车", "Ctrl＝回车", "右键＝回车 左键＝后一网页",
                           "Ctrl＝回车 左键＝后一网页"};
const Choice kRightOther{"right", vk::kRight, 0, "左键＝后一网页", "右键＝回车", "Ctrl＝回车", "右键＝回车 左键＝→",
                         "Ctrl＝回车 左键＝→"};
const Choice kWheelLower{"wheel", 0, -kNotch, "左键＝模拟滚轮向上", "右键＝回车", "Ctrl＝回车",
                         "右键＝回车 左键＝模拟滚轮向上", "Ctrl＝回车 左键＝模拟滚轮向上"};
const Choice kWheelUpper{"wheel", 0, kNotch, "左键＝模拟滚轮向下", "右键＝回车", "Ctrl＝回车",
                         "右键＝回车 左键＝模拟滚轮向下", "Ctrl＝回车 左键＝模拟滚轮向下"};
const Choice kAuto{"autoup", 0, 0, "左键＝自动向下滚动", "右键＝自动向上滚动", "Ctrl＝自动向上滚动",
                   "右键＝自动上滚 左键＝自动下滚", "右键＝自动上滚 左键＝自动下滚"};

Point relative(const ui::Control& c, Point client) { return {client.x - c.left(), client.y - c.top()}; }
bool right_half(const ui::Control& c, Point rel) { return 2 * rel.x >= c.width(); }
bool lower_half(const ui::Control& c, Point rel) { return 2 * rel.y > c.height(); }

// The function a part chooses at a point relative to it; none for a part without one.
const Choice* choice_at(const Tm3d& pad, const ui::Control& c, Point rel, bool browser_in_front)
{
    if (&c == &pad.Panel19)
        return rel.y < kSlotHalf ? &kUp : &kDown;
    if (&c == &pad.Panel24)
        return rel.y < kSlotHalf ? &kPageUp : &kPageDown;
    if (&c == &pad.Panel18) {
        if (right_half(c, rel))
            return browser_in_front ? &kRightBrowser : &kRightOther;
        return browser_in_front ? &kLeftBrowser : &kLeftOther;
    }
    if (&c == &pad.Panel13)
        return lower_half(c, rel) ? &kWheelLower : &kWheelUpper;
    if (&c == &pad.Panel25)
        return &kAuto;
    return nullptr;
}

} // namespace

MousePad::MousePad(App& app) : app_(app), platform_(app.platform()) {}

void MousePad::pointer_moved(Point client)
{
    release_middle_outside_word_page();
    Tm3d& pad = app_.m3d();
    const ui::Control* part = pad.control_at(client);
    if (!part)
        return;
    if (part == &pad.Image21 || part == &pad.Image22) {
        app_.lifeform().leftmess.set_text("左键＝");
        close();
        return;
    }
    if (const Choice* c = choice_at(pad, *part, relative(*part, client), sibling::in_front(platform_)))
        choose(*c);
}

void MousePad::choose(const Choice& c)
{
    function_ = c.function;
    if (c.key)
        key_ = c.key;
    if (c.delta)
        wheel_delta_ = c.delta;
    Tlifeform& bar = app_.lifeform();
    const bool quick = app_.FormMain().N2qq.checked();
    bar.leftmess.set_text(c.left);
    const std::string_view right = quick ? c.right_quick : c.right_ctrl;
    if (!right.empty())
        bar.rightmess.set_text(right);
    write_button_line(quick ? c.line_quick : c.line_ctrl);
}

// Line 13 of the hint template, and one rebuild of the hint bar, only when it changes.
void MousePad::write_button_line(std::string_view line)
{
    Tlifeform& bar = app_.lifeform();
    if (bar.ListBox5.item(hint::kButtonLine) == line)
        return;
    bar.ListBox5.set_item(hint::kButtonLine, line);
    bar.settopmess.click();
}

// Any move over the pad ends a middle-button scroll, except in a word-processor page.
void MousePad::release_middle_outside_word_page()
{
    if (platform_.key_down(vk::kMButton) && classify::class_of(platform_, target_) != classify::kWordPageClass)
        platform_.send_mouse(MouseInput::MiddleUp);
}

void MousePad::part_pressed(const ui::Control& part, MouseButton button)
{
    if (button != MouseButton::Left)
        return;
    Tm3d& pad = app_.m3d();
    const Point rel = relative(part, pad.pointer());
    auto_bar_pressed_ = &part == &pad.Panel25;
    if (&part == &pad.Image17)
        close();
    else if (&part == &pad.Panel13)
        post_wheel(lower_half(part, rel) ? -kNotch : kNotch);
    else if (&part == &pad.Panel19 || &part == &pad.Panel24 || &part == &pad.Panel18)
        press_slot_or_bar(part, rel);
}

// The slots and the page bar: the target in front, then its key or the sibling browser's page.
void MousePad::press_slot_or_bar(const ui::Control& part, Point rel)
{
    if (!take_target_for_press())
        return;
    bring_target_to_front();
    const Tm3d& pad = app_.m3d();
    if (&part == &pad.Panel19) {
        elevation::press_for_front(app_, rel.y > kPressHalf ? vk::kDown : vk::kUp);
    } else if (&part == &pad.Panel24) {
        elevation::press_for_front(app_, rel.y > kPressHalf ? vk::kPageDown : vk::kPageUp);
    } else if (sibling::in_front(platform_)) {
        sibling::send(app_, right_half(part, rel) ? "vyknext" : "vykprev");
    } else {
        elevation::press_for_front(app_, right_half(part, rel) ? vk::kRight : vk::kLeft);
    }
}

// A wheel notch straight to the target window, at the target point.
void MousePad::post_wheel(int delta)
{
    wheel_delta_ = delta;
    if (take_target_for_press())
        platform_.post_wheel(target_, delta, target_point());
}

// The target the last tick took. Before the first tick after opening (the
// opening waits 100 ms, so a press may come first) it is taken now; a target
// that has gone since gets nothing.
bool MousePad::take_target_for_press()
{
    if (!target_)
        target_ = platform_.window_from_point(target_point());
    return platform_.window_exists(target_);
}

// A click on the pad may have made the pad the active window: when the front
// changes, the key waits a moment, until the target's thread has taken the
// keyboard focus (under Wine a key sent at once still reached the pad).
void MousePad::bring_target_to_front()
{
    const Hwnd before = platform_.foreground_window();
    platform_.set_foreground(target_);
    if (platform_.foreground_window() != before)
        platform_.sleep_ms(kFocusWaitMs);
}

Point MousePad::target_point() const
{
    const Tm3d& pad = app_.m3d();
    return {pad.left() - 2, pad.top() - 2};
}

// Only the release of a press on the bar: a release that ends a click elsewhere
// (the pointer put back on the bar's anchor) starts nothing.
void MousePad::auto_bar_released(MouseButton button)
{
    if (button != MouseButton::Left || !auto_bar_pressed_)
        return;
    auto_bar_pressed_ = false;
    if (!cell::starts_with(app_.vykForm3().caption(), token::kRightUp))
        start_auto_scroll(false);
}

void MousePad::close()
{
    Tm3d& pad = app_.m3d();
    pad.hide();
    park(pad);
    pad.Timer1.set_enabled(false);
    app_.pyoil().Timer1.set_enabled(true);
    app_.ombrel().Timer1.set_enabled(true);
    app_.lifeform().Timer1.set_enabled(true);
    target_ = 0;
    root_target_ = 0;
    auto_bar_pressed_ = false;
}

} // namespace tv
