#include "mouse/edit_keyboard.h"

#include "board/kxm.h"
#include "board/modeform.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "core/cell.h"
#include "core/synthetic_input.h"

namespace tv {
namespace {

constexpr std::string_view kOn = "key--cap", kOff = "old--cap";
constexpr int kBarHeight = 24, kSelectingBarHeight = 48, kBarWidth = 482;
// The bar's place while the edit keyboard is on: centred, above the bottom
// edge's task bar.
constexpr int kBarAboveBottom = 100;
constexpr int kCursorRightOfLabel = 30, kCursorBelowLabel = 6, kMainFormTop = 380;

} // namespace

EditKeyboard::EditKeyboard(App& app) : app_(app), platform_(app.platform()) {}

bool EditKeyboard::on(App& app) { return cell::starts_with(app.modeform().caption(), "key--"); }

bool EditKeyboard::rules()
{
    command_tokens();
    Tmodeform& bar = app_.modeform();
    if (!platform_.key_down(vk::kShift) && bar.height() == kSelectingBarHeight) {
        bar.set_height(kBarHeight);
        holds_shift_ = false;
    }
    leave_by_cell();
    place_bar();
    return hook_tokens_while_on();
}

// The hook's command tokens, in the keyboard-event cell.
bool EditKeyboard::command_tokens()
{
    const std::string token = app_.pyoil().caption();
    if (token == "key--ctrlc")
        copy_or_paste("old--ctrlcok", 'C');
    else if (token == "key--ctrlv")
        copy_or_paste("old--ctrlvok", 'V');
    else if (token == "key--ctrlx")
        cut_or_undo("old--ctrlxok", 'X');
    else if (token == "key--ctrlz")
        cut_or_undo("old--ctrlzok", 'Z');
    else if (token == "key--shiftdown" && !platform_.key_down('B'))
        toggle_shift();
    else if ((token == "old--78ret" || token == "old--ret") && app_.modeform().caption() != kOff)
        leave();
    else if (token == "key--78" && on(app_))
        leave(); // N with the key pad open: it closes the pad and ends the edit keyboard too
    else
        return false;
    return true;
}

// Copy and paste end the edit keyboard. The program sends the keys itself, a
// held Shift released first (Ctrl+Shift+C is another command in many editors).
void EditKeyboard::copy_or_paste(std::string_view done, int letter)
{
    set_cells(done);
    app_.kxm().Panel18.set_text(done);
    release_shift();
    input::ctrl_plus(platform_, letter);
    leave();
}

// Cut and undo keep the edit keyboard on; a selection's Shift ends with them.
void EditKeyboard::cut_or_undo(std::string_view done, int letter)
{
    set_cells(done);
    release_shift();
    input::ctrl_plus(platform_, letter);
    set_cells("key--cok");
}

void EditKeyboard::toggle_shift()
{
    set_cells("key--shiftdownok");
    Tmodeform& bar = app_.modeform();
    if (platform_.key_down(vk::kShift)) {
        platform_.send_key(vk::kShift, KeyAction::Up);
        holds_shift_ = false;
        bar.set_height(kBarHeight);
    } else {
        platform_.send_key(vk::kShift, KeyAction::Down);
        holds_shift_ = true;
        bar.set_height(kSelectingBarHeight);
    }
}

// Off: the mode cells read "old--cap", the keyboard-event cell "old--newch",
// the bar goes away and a Shift the edit keyboard holds goes up.
void EditKeyboard::leave()
{
    release_shift();
    app_.kxm().Panel4.set_text(kOff);
    app_.modeform().set_caption(kOff);
    app_.pyoil().set_caption("old--newch");
    app_.modeform().set_left(parked_left());
}

void EditKeyboard::release_shift()
{
    Tmodeform& bar = app_.modeform();
    if ((holds_shift_ || bar.height() == kSelectingBarHeight) && platform_.key_down(vk::kShift))
        platform_.send_key(vk::kShift, KeyAction::Up);
    holds_shift_ = false;
    if (bar.height() != kBarHeight)
        bar.set_height(kBarHeight);
}

void EditKeyboard::leave_by_cell()
{
    Tmodeform& bar = app_.modeform();
    if (bar.caption() != kOff || bar.left() >= parked_left())
        return;
    release_shift();
    set_cells(kOff);
    bar.set_left(parked_left());
}

// The bar shows the key map while the letters are editing keys: the edit
// keyboard is on and the key pad, whose keys they are while it is open, is
// closed. Put away by the pointer, it stays away until the next opening.
void EditKeyboard::place_bar()
{
    if (!on(app_))
        return;
    Tmodeform& bar = app_.modeform();
    if (app_.kxm().Timer1.enabled()) {
        if (bar.left() < parked_left()) {
            bar.set_left(parked_left());
            bar_wanted_ = true;
        }
        return;
    }
    if (!bar_wanted_)
        return;
    bar_wanted_ = false;
    const Size screen = platform_.screen_size();
    bar.set_bounds((screen.width - kBarWidth) / 2, screen.height - kBarAboveBottom, kBarWidth, bar.height());
    bar.show();
}

// Only while the letters are the edit keyboard's: with the key pad open its
// marks and the hook's tokens are the pad's to read.
bool EditKeyboard::hook_tokens_while_on()
{
    if (app_.kxm().Panel4.text() != kOn || app_.kxm().Timer1.enabled())
        return true;
    Tpyoil& main_form = app_.pyoil();
    const std::string token = main_form.caption();
    if (!cell::starts_with(token, "old--") || cell::contains(token, "20") || cell::contains(token, "78"))
        return true;
    const Tkxm& pad = app_.kxm();
    if (cell::contains(pad.Panel7.text(), "微软拼音") && pad.Panel17.text() != "1")
        return false;
    main_form.set_caption("key--mode//");
    return true;
}

void EditKeyboard::entered()
{
    holds_shift_ = false;
    bar_wanted_ = true;
    app_.modeform().set_height(kBarHeight);
}

void EditKeyboard::left_button_down() { release_shift(); }

void EditKeyboard::key_map_pointed()
{
    Tpyoil& main_form = app_.pyoil();
    main_form.set_bounds(tv::parked_left(platform_), kMainFormTop, main_form.Image1.picture_width(),
                         main_form.Image1.picture_height());
    platform_.set_cursor_pos({main_form.left() + main_form.Label2.left() + kCursorRightOfLabel,
                              main_form.top() + main_form.Label2.top() + kCursorBelowLabel});
    app_.modeform().hide();
    bar_wanted_ = false;
}

void EditKeyboard::set_cells(std::string_view token, bool with_keyboard_cell)
{
    app_.kxm().Panel4.set_text(token);
    app_.modeform().set_caption(token);
    if (with_keyboard_cell)
        app_.pyoil().set_caption(token);
}

int EditKeyboard::parked_left() const { return right_of_screens(platform_, 10); }

} // namespace tv
