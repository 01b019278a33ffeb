// The blind selection's state, the key-history entries it reads, the tick's
// end in order, and its generic rules (Shift taps, the latch, letters).
#include "mouse/blind_selection.h"

#include "board/places.h"
#include "board/imemess.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/modeform.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "core/cell.h"
#include "core/synthetic_input.h"
#include "mouse/blind_selection_words.h"

namespace tv {

BlindSelection::BlindSelection(App& app, KeyHistory& history)
    : app_(app), platform_(app.platform()), history_(history)
{
}

std::string BlindSelection::cell() const { return app_.pyoil().caption(); }
std::string BlindSelection::prefix() const { return cell().substr(0, 5); }
void BlindSelection::set_cell(std::string_view token) { app_.pyoil().set_caption(token); }
bool BlindSelection::pinyin(const Tick& t) const { return cell::contains(t.name, blind::kPinyin); }
void BlindSelection::write_mirror(std::string_view text) { app_.kxm().Panel17.set_text(text); }

void BlindSelection::mark_consumed()
{
    for (std::size_t i = 0; i < 4; ++i)
        history_.set_entry(i, "old--cc" + std::to_string(i + 1));
}

void BlindSelection::reset_state()
{
    if (!cell::contains(app_.kxm().Panel7.text(), blind::kPinyin))
        state_ = 0;
    write_mirror(std::to_string(state_));
    app_.pyoil().Label5.set_text(state_ > kLatched ? blind::kMainMapUpperRow : blind::kMainMapHomeRow);
}

void BlindSelection::continuous_selection()
{
    entries_ = history_.first_four();
    const auto& e = entries_;
    if (e[0] == "key--baup" && e[1] == "key--ttkeep" && e[2] == "key--baup" && e[3] == "key--ttkeep") {
        history_.set_entry(0, "cvok");
        history_.insert_top(";2ok");
        input::press(platform_, vk::kEnter);
        state_ = 101;
    } else if (cell::contains(e[0], "old--wr") && cell::contains(e[1], "key--49")) {
        history_.set_entry(0, "spaceok");
        history_.insert_top(";32ok");
        input::press(platform_, vk::kEnter);
        state_ = 0;
    } else if (e[0] == "old--newch" && cell::starts_with(e[1], "old--78") && state_ > kLatched) {
        history_.set_entry(0, "retok");
        history_.insert_top("13ok");
        input::press(platform_, vk::kEnter);
        state_ = 0;
    }
}

void BlindSelection::anchor_follows_space()
{
    if (!window_ || !platform_.window_exists(window_))
        return;
    const Rect r = platform_.window_rect(window_);
    anchor_ = {r.left + blind::kAnchorDx, r.top + blind::kAnchorDy};
    anchor_known_ = true;
}

void BlindSelection::end_of_tick()
{
    if (!platform_.key_down(vk::kSpace))
        opening_space_ = false;
    Tick t;
    t.name = app_.kxm().Panel7.text();
    t.status_window = platform_.find_window(blind::kUnispimStatusClass);
    if (blind::input_method_active(t.name)) {
        active_rules(t);
    } else {
        app_.kxm().Panel1.set_text(blind::kSelectionOff);
        app_.lifeform().inputmess.hide();
    }
    selection_board();
    n_key();
    shift_taps(t);
    if (!latch(t))
        return;
    app_.imemess().set_caption(app_.inputmode().Panel6.text());
    if (cell() == "key--kx186")
        set_cell("key--ss");
    latch_by_semicolon();
    refresh_name();
    t.name = app_.kxm().Panel7.text();
    letter_key(t);
    t.active = blind::input_method_active(t.name);
    if (t.active)
        composing_rules(t);
    bar_and_end(t);
}

void BlindSelection::selection_board()
{
    ui::Panel& board = app_.lifeform().srfboard;
    if (board.visible() || !show_board_once_ || !blind::names_input_method(app_.inputmode().ListBox1.item(0)))
        return;
    board.show();
    show_board_once_ = false;
}

void BlindSelection::n_key()
{
    if (!platform_.key_down('N') || cell() == "old--")
        return;
    app_.pyoil().ListBox5.clear();
    set_cell("old--");
}

void BlindSelection::shift_taps(const Tick& t)
{
    const auto& e = entries_;
    if (e[3] == "old--16down" && e[1] == "old--16up" && e[0] == "old--retxx" && e[2] == "old--retxx") {
        set_cell("old--imeok");
        app_.inputmode().Panel6.set_text(app_.inputmode().ListBox1.item(0));
        input::ctrl_plus(platform_, vk::kSpace);
    }
    if (e[1] == "old--16down" && e[0] == "old--16up")
        shift_alone(t);
}

// Shift pressed and released alone: the input method is switched on or off.
void BlindSelection::shift_alone(const Tick& t)
{
    Tpyoil& main_form = app_.pyoil();
    main_form.set_left(right_of_screens(platform_, 2));
    set_cell("old--16upxx");
    const std::string method = app_.inputmode().ListBox1.item(0);
    app_.inputmode().Panel6.set_text(method);
    if (blind::names_input_method(method))
        app_.lifeform().srfboard.show();
    input::ctrl_plus(platform_, vk::kSpace);
    if (t.status_window) {
        platform_.post_close(t.status_window);
        if (main_form.height() > blind::kTallMainForm) {
            if (!cell::starts_with(app_.modeform().caption(), "key--ss"))
                input::ctrl_plus(platform_, vk::kSpace);
            input::press(platform_, vk::kShift);
        }
    }
    set_cell("old--modeqq");
}

// False when the rest of the tick is skipped: the selection keys stay on.
bool BlindSelection::latch(const Tick& t)
{
    if (app_.pyoil().ListBox5.count() == 0 || prefix() == "key--")
        return true;
    if (pinyin(t) && app_.kxm().Panel17.text() != "1")
        return false;
    if (cell() != "old--new")
        set_cell("key--22");
    return true;
}

void BlindSelection::latch_by_semicolon()
{
    ui::ListBox& latch = app_.pyoil().ListBox5;
    if (app_.kxm().caption() != "xx find" && platform_.key_down(vk::kSemicolon) && latch.count() == 0 &&
        !cell::contains(cell(), "old--ctrl"))
        latch.add("key--");
}

// The description is asked of the system once per layout in front.
void BlindSelection::refresh_name()
{
    const KeyboardLayout layout = platform_.window_keyboard_layout(platform_.foreground_window());
    if (!layout_asked_ || layout != known_layout_) {
        layout_asked_ = true;
        known_layout_ = layout;
        known_name_ = std::string(blind::kEnglishName);
        if (platform_.is_input_method(layout))
            known_name_ = blind::cut_bytes(platform_.input_method_description(layout), blind::kDescriptionBytes);
    }
    app_.kxm().Panel7.set_text(known_name_);
}

// A letter key's token ("key--65", "old--78..2") marks a new character. A
// consumed key's mark ("old--71ok") is no key arriving, and while the keyboard
// mouse pad is open (its 10 ms timer running) its letters are the pad's keys.
void BlindSelection::letter_key(Tick& t)
{
    app_.inputmode().inputtip.set_text("...");
    const std::string token = cell();
    const std::optional<int> code = blind::key_code(token);
    if (!code || *code < 'A' || *code > 'Z' || token.ends_with("ok") || app_.kxm().Timer1.enabled())
        return;
    set_cell(prefix() + "newch");
    t.new_letter = true;
    show_board_once_ = true;
    Tombrel& browser = app_.ombrel();
    for (std::size_t i = 0; i < 2; ++i) {
        browser.LBox2.set_item(i, "0");
        browser.LBox3.set_item(i, "0");
    }
}

} // namespace tv
