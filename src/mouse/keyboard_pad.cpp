#include "mouse/keyboard_pad.h"

#include "board/cells.h"
#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/taskform.h"
#include "board/vykform4.h"
#include "core/classify.h"
#include "core/elevation.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"
#include "mouse/key_history.h"
#include "mouse/stand_aside.h"

#include <array>

namespace tv {
namespace {

constexpr int kStep = 8, kFineStep = kStep / 4;
constexpr int kPointerOffset = 32;
constexpr int kPadHeight = 173;
constexpr std::size_t kHistoryLimit = 100, kHistoryKept = 10;
constexpr std::string_view kMiddleRelease = "mkeyscroll";
constexpr std::string_view kDragUp = "drag up";
constexpr std::string_view kDragNotTaken = "xx drag up";

struct Direction {
    std::array<int, 2> keys; // either key moves
    int dx, dy;
};

constexpr std::array<Direction, 4> kHeldMoves{{
    {{'J', 'J'}, -kStep, 0},
    {{'L', 'L'}, kStep, 0},
    {{'I', 'I'}, 0, -kStep},
    {{'K', 'K'}, 0, kStep},
}};

constexpr std::array<Direction, 4> kFineMoves{{
    {{vk::kLeft, 'S'}, -kFineStep, 0},
    {{vk::kRight, 'F'}, kFineStep, 0},
    {{vk::kUp, 'E'}, 0, -kFineStep},
    {{vk::kDown, 'D'}, 0, kFineStep},
}};

// Held, these keys park the pad: the click they lead to lands under the pointer.
constexpr std::array<int, 4> kParkKeys{'C', 'V', 'G', vk::kSpace};

// The typed keys the pad acts on.
constexpr std::array<int, 12> kTypedKeys{'H', 'Y', 'A', 'G', 'W', 'X', vk::kSemicolon, vk::kSpace, 'M', 'T', 'P', 'O'};

bool held(const Platform& p, const Direction& d) { return p.key_down(d.keys[0]) || p.key_down(d.keys[1]); }

// A left edge below 0 comes in at the far edge, one beyond it at 0.
int wrapped(int at, int extent)
{
    if (at < 0)
        return extent;
    if (at > extent)
        return 0;
    return at;
}

void trim_to_kept(ui::ListBox& list)
{
    if (list.count() > kHistoryLimit)
        list.truncate(kHistoryKept);
}

} // namespace

KeyboardPad::KeyboardPad(App& app) : app_(app), platform_(app.platform()) {}

void KeyboardPad::tick()
{
    if (stands_aside_everywhere(app_))
        return;
    answer_middle_release();
    take_histories();
    if (platform_.key_down(vk::kCapsLock) || platform_.key_down('N')) {
        close();
        return;
    }
    park_for_click();
    held_movement_keys();
    if (!classify::menu_on_top(platform_))
        fine_movement_keys();
    typed_keys();
}

void KeyboardPad::guard_tick()
{
    if (platform_.key_down(vk::kLButton) || platform_.key_down(vk::kRButton) || platform_.key_down(vk::kMButton))
        app_.kxm().set_height(0);
    answer_middle_release();
}

// A middle release ends a drag: the status form acts on it when one of its
// keys is held. Without one the answer is already spent, so a key pressed
// much later cannot act on a drag long over.
void KeyboardPad::answer_middle_release()
{
    TvykForm4& cell = app_.vykForm4();
    if (cell.caption() != kMiddleRelease)
        return;
    const bool key_for_drag =
        platform_.key_down(vk::kLWin) || platform_.key_down(vk::kCtrl) || platform_.key_down(vk::kSpace);
    const std::string_view answer = key_for_drag ? kDragUp : kDragNotTaken;
    cell.set_caption(answer);
    app_.lifeform().dragflag.set_text(answer);
}

void KeyboardPad::take_histories()
{
    KeyHistory history(app_);
    const std::string cell = app_.pyoil().caption();
    if (cell != history.entry(0) && cell != "old--xx") {
        history.insert_top(cell);
        ui::ListBox& keys = app_.kxm().ListBox1;
        if (keys.count() > kHistoryLimit) {
            keys.truncate(kHistoryKept);
            app_.inputmode().ListBox4.set_items(keys.items());
        }
    }
    ui::ListBox& drags = app_.kxm().ListBox2;
    const std::string drag_cell = app_.vykForm4().caption();
    if (drag_cell != drags.item(0)) {
        drags.insert(0, drag_cell);
        trim_to_kept(drags);
    }
}

void KeyboardPad::park_for_click()
{
    Tkxm& pad = app_.kxm();
    if (!pad.visible() || !left_shows_past_edge(pad))
        return;
    for (int key : kParkKeys)
        if (platform_.key_down(key)) {
            pad.oldleft.set_left(pad.left());
            park(pad);
            return;
        }
}

void KeyboardPad::held_movement_keys()
{
    for (const Direction& d : kHeldMoves)
        if (held(platform_, d)) {
            move(d.dx, d.dy);
            mark(Mark::Move, 0);
        }
}

void KeyboardPad::fine_movement_keys()
{
    for (const Direction& d : kFineMoves)
        if (held(platform_, d))
            move(d.dx, d.dy);
}

int KeyboardPad::shown_height() const
{
    return app_.FormMain().N2.checked() ? scaled(kPadHeight, app_.kxm().dpi()) : 0;
}

// The pad moves (back from its parking place first), shows, wraps at the
// screen's edges and takes the pointer along.
void KeyboardPad::move(int dx, int dy)
{
    Tkxm& pad = app_.kxm();
    int left = parked_at(pad) ? pad.oldleft.left() : pad.left();
    const Size screen = platform_.screen_size();
    left = wrapped(left + dx, screen.width);
    const int top = wrapped(pad.top() + dy, screen.height);
    pad.set_bounds(left, top, pad.width(), shown_height());
    pad.show();
    platform_.set_cursor_pos({left - kPointerOffset, top - kPointerOffset});
    pad.refresh.click();
}

void KeyboardPad::refresh()
{
    Tkxm& pad = app_.kxm();
    const Ttaskform& task = app_.taskform();
    if (task.visible() && left_shows(task))
        return;
    const Hwnd at = platform_.window_from_point({pad.left() + 52, pad.top() + 52});
    if (classify::lies_within(platform_, at, pad.hwnd()))
        return;
    const Rect r = pad.bounds();
    pad.set_topmost(Topmost::Yes);
    pad.set_bounds(r.left, r.top, r.width(), r.height());
    pad.show();
}

void KeyboardPad::close() { close_keyboard_pad(app_); }

void close_keyboard_pad(App& app)
{
    Tkxm& pad = app.kxm();
    pad.hide();
    pad.Timer1.set_enabled(false);
    app.pyoil().padtt.click();
    app.pyoil().Timer1.set_enabled(true);
    app.ombrel().Timer1.set_enabled(true);
    app.lifeform().Timer1.set_enabled(true);
}

// A press not yet acted on lies on top of the history; acting marks it.
// The main loop may have put its own word over an unmarked press: holding ;
// gives "key--ttkeep", a pointer that moved lately "old--move". The press just
// below is then the one, and its own entry takes the mark.
void KeyboardPad::typed_keys()
{
    const KeyHistory history(app_);
    const std::string newest = history.entry(0);
    const std::size_t at = newest == "key--ttkeep" || newest == "old--move" ? 1 : 0;
    const std::string top = history.entry(at);
    for (int key : kTypedKeys)
        if (top == press_token(key)) {
            mark(act_on(key), at);
            return;
        }
}

KeyboardPad::Mark KeyboardPad::act_on(int key)
{
    switch (key) {
    case 'H': close_window_under_pointer(); return Mark::Once;
    case 'Y':
        platform_.send_mouse(MouseInput::LeftUp);
        platform_.send_mouse(MouseInput::LeftDown);
        app_.vykForm4().set_caption(token::kEasyDragHeld);
        return Mark::Once;
    case 'A': elevation::press_for_front(app_, vk::kLeft); return Mark::Once;
    case 'G': elevation::press_for_front(app_, vk::kRight); return Mark::Once;
    case 'W': elevation::press_for_front(app_, vk::kUp); return Mark::Once;
    case 'X': elevation::press_for_front(app_, vk::kDown); return Mark::Once;
    case vk::kSemicolon: elevation::press_for_front(app_, vk::kEnter); return Mark::Once;
    case vk::kSpace:
        if (!elevation::pointed_window_refuses_input(app_))
            input::click(platform_, MouseButton::Left);
        return Mark::Once;
    case 'M':
        if (!elevation::pointed_window_refuses_input(app_))
            input::click(platform_, MouseButton::Right);
        app_.kxm().set_height(0);
        return Mark::Task;
    case 'T': cycle_tasks(false); return Mark::Task;
    case 'P': cycle_tasks(true); return Mark::Task;
    case 'O': toggle_visibility(); return Mark::Once;
    default: return Mark::None;
    }
}

// "关闭" acts on the window just above and to the left of the task form's
// corner: the corner goes to the pointer, so the window under the pointer closes.
void KeyboardPad::close_window_under_pointer()
{
    if (sibling::in_front(platform_)) {
        sibling::send(app_, "vykclose");
        return;
    }
    const Point p = platform_.cursor_pos();
    Ttaskform& task = app_.taskform();
    task.hide();
    task.set_bounds(p.x - 2, p.y - 2, task.width(), task.height());
    app_.kxmm().Button1.set_text("关闭");
    app_.ombrel().vykxcmd.click();
}

void KeyboardPad::cycle_tasks(bool forward)
{
    if (sibling::in_front(platform_))
        sibling::send(app_, forward ? "vyknext" : "vykprev");
    else
        (forward ? app_.taskform().nexttask : app_.taskform().prevtask).click();
    app_.kxm().set_height(0);
}

void KeyboardPad::toggle_visibility()
{
    Tkxm& pad = app_.kxm();
    if (pad.visible()) {
        pad.hide();
        return;
    }
    const Point p = platform_.cursor_pos();
    pad.set_topmost(Topmost::Yes);
    pad.set_bounds(p.x + kPointerOffset, p.y + kPointerOffset, pad.width(), pad.height());
    pad.show();
}

void KeyboardPad::mark(Mark m, std::size_t entry)
{
    static constexpr std::array<std::string_view, 4> kMarks{"", "old--ok1", "old--71ok", "old--kkok"};
    const std::string_view text = kMarks[static_cast<std::size_t>(m)];
    if (text.empty())
        return;
    KeyHistory(app_).set_entry(entry, text);
    app_.pyoil().set_caption(text);
}

} // namespace tv
