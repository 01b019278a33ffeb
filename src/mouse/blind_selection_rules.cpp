// The blind selection's rules while an input method is active: the Space and
// held-key transitions, the selection tips, learning a composition class, and
// the rules after a letter, a digit or Space (commit, keep, search).
#include "mouse/blind_selection.h"

#include "board/places.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "core/cell.h"
#include "core/synthetic_input.h"
#include "mouse/blind_selection_words.h"
#include "mouse/ime_window_search.h"

namespace tv {

void BlindSelection::active_rules(Tick& t)
{
    const bool py = pinyin(t);
    const auto& e = entries_;
    if (py && cell::starts_with(e[0], "old--qq") && cell::starts_with(e[1], "old--32..2") &&
        cell::starts_with(e[2], "old--13..2")) {
        entries_[1] = "old--tt;";
        history_.set_entry(1, "old--111");
        input::press(platform_, vk::kBack);
    }
    if (py) {
        space_rules(t);
        held_key_rules(t);
    }
    Tlifeform& bar = app_.lifeform();
    const bool key = prefix() == "key--";
    bar.srftip1.set_visible(!key);
    bar.srftip2.set_visible(key);
    bar.srftip3.set_visible(key);
    app_.kxm().Panel1.set_text(blind::kSelectionOn);
    bar.inputmess.show();
    learn_class();
}

// The hook's Space token while the first tip shows: the program opens the
// selection with a Space of its own, or closes the one it opened.
void BlindSelection::space_rules(const Tick& t)
{
    const std::string c = cell();
    if (!cell::contains(c, "old--32") || cell::contains(c, "old--32..0") || !app_.lifeform().srftip1.visible())
        return;
    if (prefix() != "key--")
        set_cell("old--qqpy");
    if (app_.kxm().Panel17.text() != "0" || cell() == "old--qqxxpy") {
        state_ = 0;
        write_mirror("2");
        set_cell("old--qqxxpy");
    } else if (state_ == 0 && prefix() != "key--") {
        state_ = 2;
        input::press(platform_, vk::kSpace);
        if (cell::contains(t.name, "2.0"))
            input::press(platform_, vk::kEnter);
    }
}

void BlindSelection::held_key_rules(const Tick& t)
{
    const bool space = platform_.key_down(vk::kSpace);
    if (space && prefix() == "key--" && state_ == 0) {
        state_ = 1;
        opening_space_ = true;
    }
    if (platform_.key_down('L') && prefix() == "key--" && state_ != 101)
        state_ = 101;
    if (platform_.key_down('M') && prefix() == "key--")
        state_ = 102;
    if (space && state_ > kLatched) {
        state_ = 0;
        mark_consumed();
        set_cell("old--keep");
    }
    if (prefix() == "key--" && cell().substr(0, 9) != "key--wr32" && state_ == 1 && space && !opening_space_) {
        state_ = 0;
        set_cell("old--wrpy");
        if (!cell::contains(t.name, "2.0")) {
            input::press(platform_, vk::kEnter);
            mark_consumed();
        }
    }
}

// The release of Alt over a composition window teaches the class table the
// window's class for the input method in front, once per input method.
void BlindSelection::learn_class()
{
    const std::string c = cell();
    if (c.size() < 10 || c[9] == '0' || c.substr(0, 7) != "old--18")
        return;
    set_cell("old==18..");
    const std::string cls = platform_.class_name(platform_.window_from_point(platform_.cursor_pos()));
    Tinputmode& table_form = app_.inputmode();
    const std::string description = table_form.Panel6.text();
    if (description.empty() || cls.empty())
        return;
    ui::ListBox& table = table_form.ListBox5;
    for (std::size_t i = 0; i + 1 < table.count(); i += 2)
        if (table.item(i) == description)
            return;
    if (table.count() % 2 != 0)
        table.truncate(table.count() - 1); // an unpaired last item would shift every new pair
    table.add(description);
    table.add(cls);
}

void BlindSelection::composing_rules(Tick& t)
{
    const std::optional<int> code = blind::key_code(cell());
    t.space_token = code == vk::kSpace;
    t.digit_or_space = code && ((*code >= '0' && *code <= '9') || t.space_token);
    commit_rules(t);
    keep_rules(t);
    if (pinyin(t) && prefix() == "key--" && t.digit_or_space && state_ == 0) {
        t.digit_or_space = false;
        set_cell("old--py1");
        input::press(platform_, vk::kEnter);
        mark_consumed();
        set_cell("old--py2");
    }
    search_rules(t);
}

// A digit, Space, "key--wr32" or ; twice ends a selection.
void BlindSelection::commit_rules(const Tick& t)
{
    const bool py = pinyin(t);
    const bool tip2 = app_.lifeform().srftip2.visible();
    auto& e = entries_;
    const bool commits = t.digit_or_space && !(t.space_token && opening_space_);
    if (py && (cell::contains(e[0], "key--") || e[0] == "old--qqxxpy") && commits && state_ > 0 && state_ < kLatched) {
        e[0] = "xx";
        state_ = 0;
        set_cell("old--wrpy");
        input::press(platform_, vk::kEnter);
    }
    if (py && tip2 && e[0] == "key--wr32" && cell::starts_with(e[1], "old--13") && state_ != 99) {
        e[0] = "xx";
        set_cell("old--");
    }
    if (py && tip2 && e[0] == "key--baup" && e[2] == "key--baup" && state_ == 1) {
        e[0] = "xx";
        state_ = 0;
        set_cell("old--wrpy");
        input::press(platform_, vk::kEnter);
    }
    if (py && tip2 && e[0] == "key--wr32" && e[1] == "key--" && state_ == 1) {
        e[0] = "xx";
        state_ = 0;
        set_cell("old--wrpy");
        if (!cell::contains(t.name, "2.0")) {
            input::press(platform_, vk::kEnter);
            mark_consumed();
        }
    }
}

// While selecting, the cell keeps a "key--" token so the hook keeps the keys.
void BlindSelection::keep_rules(const Tick& t)
{
    if (state_ == 1 && cell() != "key--keep" && cell() != "old--keepok")
        set_cell("key--keep");
    if (state_ == 1 && cell() == "old--keepok") {
        state_ = 0;
        input::press(platform_, vk::kEnter);
        mark_consumed();
    }
    if (pinyin(t) && app_.lifeform().srftip2.visible() && platform_.key_down(vk::kSpace) && state_ == 1 &&
        !opening_space_) {
        state_ = 0;
        input::press(platform_, vk::kEnter);
        mark_consumed();
        set_cell("old--keep");
    }
}

void BlindSelection::search_rules(const Tick& t)
{
    Tinputmode& f = app_.inputmode();
    const std::string target = f.Panel5.text();
    if (t.new_letter && f.imetip.text() == "searchime") {
        window_ = search_composition_window(app_, target, true);
        if (window_) {
            f.imetip.set_text("yy searchime ok");
            f.pytip.set_text("py find");
        } else {
            f.pytip.set_text("py err");
        }
    }
    if (t.digit_or_space && state_ == 0)
        set_cell("old--");
    Tpyoil& main_form = app_.pyoil();
    const Hwnd foreground = platform_.foreground_window();
    if (!(platform_.key_down(vk::kLButton) || t.new_letter || t.digit_or_space) || foreground == main_form.hwnd())
        return;
    main_form.Panel3.set_text("---- " + main_form.Panel1.text());
    main_form.ListBox5.clear();
    if (main_form.left() <= right_of_screens(platform_, 0) && !t.digit_or_space)
        return;
    window_ = search_composition_window(app_, target, t.digit_or_space);
    if (window_)
        describe_windows(foreground);
}

// For display: the composition window, its ancestors, the default input-method
// window of the window in front, and the window in front.
void BlindSelection::describe_windows(Hwnd foreground)
{
    ui::ListBox& lines = app_.kxm().ListBox2;
    lines.set_item(0, describe(window_));
    Hwnd ancestor = platform_.parent(window_);
    for (std::size_t i = 1; i <= 4; ++i) {
        lines.set_item(i, ancestor ? describe(ancestor) : std::string());
        ancestor = ancestor ? platform_.parent(ancestor) : 0;
    }
    lines.set_item(5, "hime==" + describe(platform_.default_ime_window(foreground)));
    lines.set_item(6, describe(foreground));
}

} // namespace tv
