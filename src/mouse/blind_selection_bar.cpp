// The end of the blind selection's tick: the main form kept out of the way of
// a composition window, and the end of a composition told to the hook.
#include "mouse/blind_selection.h"

#include "board/places.h"
#include "board/inputmode.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "core/cell.h"
#include "mouse/blind_selection_words.h"

namespace tv {
namespace {

std::string rect_text(const Rect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The keys after which a closed composition reads "old--newch": H, I, J, K, L, U and ;'s release.
bool moves_in_candidates(std::string_view token)
{
    for (std::string_view key : {"key--baup", "key--72", "key--73", "key--74", "key--75", "key--76", "key--85"})
        if (token == key)
            return true;
    return false;
}

} // namespace

std::string BlindSelection::describe(Hwnd w) const
{
    return std::string(platform_.is_visible(w) ? "visible" : "hidden") + " " +
           (platform_.is_enabled(w) ? "enabled" : "disabled") + " " + std::to_string(w) + " " +
           platform_.class_name(w) + " " + rect_text(platform_.window_rect(w));
}

void BlindSelection::bar_and_end(const Tick& t)
{
    if (window_ && !platform_.window_exists(window_))
        window_ = 0; // the composition window went away
    if (window_)
        bar_with_window();
    else
        bar_without_window(t);
}

void BlindSelection::bar_with_window()
{
    Tpyoil& main_form = app_.pyoil();
    const Rect r = platform_.window_rect(window_);
    main_form.Panel7.set_text(describe(window_));
    anchor_ = {r.left + blind::kAnchorDx, r.top + blind::kAnchorDy};
    anchor_known_ = true;
    if (prefix() == "old--") {
        main_form.set_bounds(parked_left(platform_, blind::kHiddenLeft), 0, blind::kBarWidth, blind::kBarHeight);
        main_form.Label5.hide();
        return;
    }
    const Hwnd beside = platform_.window_from_point({r.right + 10, r.top + 5});
    if (!platform_.is_child(platform_.foreground_window(), beside))
        main_form.set_width(blind::kBarWidth);
}

// No composition window: the main form goes off the screen unless the pointer
// is on it or it is in front; a composition that was open and closed after a
// "key--" token ends the hook's selection keys.
void BlindSelection::bar_without_window(const Tick& t)
{
    Tpyoil& main_form = app_.pyoil();
    const int screen_width = platform_.screen_size().width;
    const Hwnd foreground = platform_.foreground_window();
    if (!main_form.bounds().contains(platform_.cursor_pos()) && main_form.left() < screen_width - 80 &&
        foreground != app_.regform().hwnd() && foreground != main_form.hwnd())
        main_form.set_left(right_of_screens(platform_, 80));
    const std::string at_anchor = platform_.class_name(platform_.window_from_point(anchor_));
    app_.inputmode().Panel8.set_text(cell() + ".." + std::to_string(anchor_.x) + "/" + std::to_string(anchor_.y) +
                                     ".." + at_anchor);
    const std::string target = app_.inputmode().Panel5.text();
    if (!t.active || !anchor_known_ || prefix() != "key--" || cell::contains(at_anchor, target))
        return;
    // The last key is the newest history entry: a letter's own token there
    // has already become "newch" in the cell.
    set_cell(moves_in_candidates(cell()) || moves_in_candidates(history_.entry(0)) ? "old--newch" : "old--ret");
}

} // namespace tv
