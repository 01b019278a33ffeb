#include "mouse/mode_engine.h"

#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/rqmenu.h"
#include "core/auto_scroll.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/synthetic_input.h"
#include "mouse/keyboard_pad.h"
#include "mouse/stand_aside.h"

#include <cstdlib>

namespace tv {
namespace {

// A movement of this many pixels or less on the dominant axis selects nothing.
constexpr int kDeadZone = 2;
// The history is cut back once it holds more than this many samples.
constexpr std::size_t kHistoryLimit = 20;
constexpr int kLeftClickStep = 10;
constexpr int kEdgeBarRight = 16, kEdgeBarMargin = 32, kEdgeBarWidth = 10;
constexpr std::string_view kHeld = "0,0";
constexpr std::string_view kMenuItemHint = "Ctrl＝Enter 右键＝Enter 左键＝Enter";
constexpr std::string_view kMenuElsewhereHint = "Ctrl＝Enter 右键＝Enter 左键＝返回";

std::string text_of(int n) { return std::to_string(n); }
std::string joined(std::string_view x, std::string_view y) { return std::string(x) + "," + std::string(y); }
int value_of(std::string_view item) { return static_cast<int>(cell::number(item).value_or(0)); }

bool any_letter_held(const Platform& p)
{
    for (int vk = 'A'; vk <= 'Z'; ++vk)
        if (p.key_down(vk))
            return true;
    return false;
}

} // namespace

ModeEngine::ModeEngine(App& app)
    : app_(app), platform_(app.platform()), scroll_arrow_height_(app.platform().scroll_arrow_height())
{
}

void ModeEngine::tick()
{
    app_.ombrel().mode_engine_cost.measure(platform_, [this] { run_tick(); });
}

void ModeEngine::run_tick()
{
    if (stands_aside_everywhere(app_)) {
        forget_movement();
        return;
    }
    Samples samples = read_samples();
    app_.ombrel().right2.click(); // the right-button dispatch
    pad_keys_restart_engines();
    cursor_ = platform_.cursor_pos();
    first_hints();
    per_tick_duties();
    left_button_returns_to_normal();
    if (keyboard_holds_mode())
        samples.newest = kHeld;
    if (selection_allowed(samples)) {
        if (menu_hint())
            return; // a menu is open: nothing is selected and nothing sampled
        if (const std::optional<wheel::Mode> mode = selected_mode(samples))
            apply(*mode);
    }
    sample_pointer(samples);
    finish_tick();
}

// The hint labels and lines are written when a movement selects a mode; until
// the first one the bar shows those of the mode it names (the normal wheel at
// start), not empty boxes.
void ModeEngine::first_hints()
{
    if (hints_written_)
        return;
    hints_written_ = true;
    write_hints(wheel::mode_named(app_.lifeform().Label1.text()).value_or(wheel::Mode::Normal));
}

ModeEngine::Samples ModeEngine::read_samples() const
{
    const Tombrel& browser = app_.ombrel();
    Samples s{browser.LBox2.item(0), browser.LBox3.item(0), browser.LBox2.item(1), browser.LBox3.item(1), {}, {}};
    s.newest = joined(s.x0, s.y0);
    s.previous = joined(s.x1, s.y1);
    return s;
}

// Caps Lock or N closes the key pad and makes sure the engines run again.
void ModeEngine::pad_keys_restart_engines()
{
    if (!platform_.key_down(vk::kCapsLock) && !platform_.key_down('N'))
        return;
    close_keyboard_pad(app_);
}

// A held left button leaves a rightward movement in the history, so the next
// tick selects the normal wheel: a left click returns to it. It also ends an
// automatic scroll.
void ModeEngine::left_button_returns_to_normal()
{
    if (!platform_.key_down(vk::kLButton))
        return;
    Tombrel& browser = app_.ombrel();
    browser.LBox2.set_item(1, text_of(cursor_.x - kLeftClickStep));
    browser.LBox2.set_item(0, text_of(cursor_.x));
    browser.LBox3.set_item(1, text_of(cursor_.y));
    browser.LBox3.set_item(0, text_of(cursor_.y));
    if (auto_scroll_running(app_))
        end_auto_scroll(app_);
}

// Typing keeps the mode: a movement made while Shift, Space or a letter is
// held, or while the right quick menu is shown, selects nothing in this tick.
// The same keys drive the right quick menu's state words.
bool ModeEngine::keyboard_holds_mode()
{
    Trqmenu& menu = app_.rqmenu();
    bool held = false;
    if (platform_.key_down(vk::kShift)) {
        held = true;
        menu.srfsel.set_text("ready");
        menu.set_caption("32tt");
    }
    if (platform_.key_down(vk::kSpace)) {
        held = true;
        if (menu.srfsel.text() == "ready") {
            menu.srfsel.set_text("start");
            menu.set_caption("32tt");
        }
    }
    if (any_letter_held(platform_)) {
        held = true;
        menu.set_caption("xx32tt");
        menu.srfsel.set_text("end");
    }
    if (app_.ombrel().rtmenu.left() > 0)
        held = true;
    menu.Button5.set_text(menu.caption());
    return held;
}

bool ModeEngine::selection_allowed(const Samples& s) const
{
    return s.newest != kHeld && s.previous != kHeld && !auto_scroll_running(app_) && !left_shows(app_.m3d());
}

// With a menu open the button hint tells what the buttons do on it; the tick
// ends there.
bool ModeEngine::menu_hint()
{
    if (!classify::menu_open(platform_))
        return false;
    Tlifeform& bar = app_.lifeform();
    const bool on_item = classify::cursor_on_menu_item(platform_, cursor_);
    bar.ListBox5.set_item(hint::kButtonLine, on_item ? kMenuItemHint : kMenuElsewhereHint);
    bar.settopmess.click();
    return true;
}

// dx and dy run from the newest sample to the one before; a tie counts as vertical.
std::optional<wheel::Mode> ModeEngine::selected_mode(const Samples& s)
{
    const int x0 = value_of(s.x0), y0 = value_of(s.y0), x1 = value_of(s.x1), y1 = value_of(s.y1);
    const int dx = x1 - x0, dy = y1 - y0;
    if (std::abs(dx) > std::abs(dy)) {
        app_.ombrel().Pan25.set_left(kParkedLeft);
        app_.ombrel().edge_flag = false;
        if (std::abs(dx) <= kDeadZone)
            return std::nullopt;
        return x0 < x1 ? wheel::Mode::Task : wheel::Mode::Normal;
    }
    if (std::abs(dy) <= kDeadZone)
        return std::nullopt;
    mark_vertical_edge();
    return y0 < y1 ? wheel::Mode::Auto : wheel::Mode::Quick;
}

// A vertical movement: the edge bar at the right screen edge, and the right
// button belongs to the mode.
void ModeEngine::mark_vertical_edge()
{
    Tombrel& browser = app_.ombrel();
    browser.edge_flag = true;
    if (!auto_scroll_running(app_) && browser.Button41.text() == "返回") {
        const Size screen = platform_.screen_size();
        browser.Pan25.set_bounds(screen.width - kEdgeBarRight, kEdgeBarMargin, browser.Pan25.width(),
                                 screen.height - 2 * kEdgeBarMargin);
    }
    browser.Pan25.set_width(kEdgeBarWidth);
    Tinputmode& right = app_.inputmode();
    if (right.caption() != wheel::kRightToMode)
        right.set_caption(wheel::kRightToMode);
}

// A new pointer position goes to the top of the history, unless the browser
// form is shown with its navigation panel (the wheel then turns its pages).
void ModeEngine::sample_pointer(const Samples& s)
{
    Tombrel& browser = app_.ombrel();
    const Point p = platform_.cursor_pos();
    const std::string x = text_of(p.x), y = text_of(p.y);
    const bool moved = joined(x, y) != joined(browser.LBox2.item(0), browser.LBox3.item(0));
    const bool navigation_shown = left_shows(browser) && browser.Panel3.left() > 0;
    if (moved && !navigation_shown) {
        browser.LBox2.insert(0, x);
        browser.LBox3.insert(0, y);
    }
    if (browser.LBox2.count() > kHistoryLimit) {
        browser.LBox2.set_items({s.x0, s.x1});
        browser.LBox3.set_items({s.y0, s.y1});
    }
}

// While the program stands aside the pointer's moves select nothing, and
// none may do so afterwards: both newest samples are where the pointer is.
void ModeEngine::forget_movement()
{
    Tombrel& browser = app_.ombrel();
    const Point p = platform_.cursor_pos();
    const std::string x = text_of(p.x), y = text_of(p.y);
    if (browser.LBox2.count() == 2 && browser.LBox2.item(0) == x && browser.LBox2.item(1) == x &&
        browser.LBox3.item(0) == y && browser.LBox3.item(1) == y)
        return;
    browser.LBox2.set_items({x, x});
    browser.LBox3.set_items({y, y});
}

void ModeEngine::finish_tick()
{
    app_.ombrel().Pan25.set_visible(app_.ombrel().edge_flag);
    auto_scroll_stop_tests();
    if (!complete_pending_wheel_scroll())
        browser_housekeeping();
}

} // namespace tv
