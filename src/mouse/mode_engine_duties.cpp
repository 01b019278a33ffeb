// The small duties the mode engine performs on every tick, before it looks at
// the movement: diagnostics for the status form, the key pad and the right
// quick menu, and keeping the navigation panel and the program window in order.
#include "mouse/mode_engine.h"

#include "board/lifeform.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/rqmenu.h"
#include "board/vykform3.h"
#include "board/vykform4.h"
#include "core/classify.h"

namespace tv {
namespace {

constexpr int kPadWidthOverMenu = 300, kPadWidth = 200;
constexpr int kRestoreInset = 10;
constexpr int kProbeDistance = 45;
constexpr std::size_t kCursorClassLine = 5, kProbeSwitchLine = 4;

} // namespace

void ModeEngine::per_tick_duties()
{
    report_taskbar();
    restore_minimised_program_window();
    write_diagnostic_lines();
    keep_top_class_for_key_pad();
    park_navigation_panel_unless_pointed_at();
    app_.vykForm3().Panel1.set_text(std::to_string(cursor_.x) + "//" + std::to_string(cursor_.y));
    probe_classes_for_quick_menu();
}

// The taskbar's toolbar is looked for on the whole screen; the menu-elsewhere
// test of this tick uses the same answer.
void ModeEngine::report_taskbar()
{
    taskbar_found_ = classify::screen_has_class(platform_, classify::kTaskbarToolbarClass);
    app_.lifeform().Panel26.set_text(taskbar_found_ ? "find tb" : "xx find tb");
}

// The window titled like the program (any class) comes back when it was
// minimised, with the pointer just inside its top-left corner.
void ModeEngine::restore_minimised_program_window()
{
    const Hwnd window = platform_.find_window("", kApplicationTitle);
    if (!window || !platform_.is_iconic(window))
        return;
    const Rect r = platform_.window_rect(window);
    platform_.set_cursor_pos({r.left + kRestoreInset, r.top + kRestoreInset});
    platform_.show_window(window, Visibility::Shown);
}

void ModeEngine::write_diagnostic_lines()
{
    const Hwnd top = platform_.top_window();
    app_.lifeform().messlistold.set_items({
        "regform=" + app_.regform().caption(),
        "vykform3=" + app_.vykForm3().caption(),
        "mx,my,mousepos window,foregroundclass=" + std::to_string(cursor_.x) + "," + std::to_string(cursor_.y) + "," +
            classify::class_at(platform_, cursor_) + "//" + classify::foreground_class(platform_),
        classify::title_of(platform_, top) + "//topwindow class=" + classify::class_of(platform_, top),
        "pyoil=" + app_.pyoil().caption(),
    });
}

// The key pad shows the class on top (the one below a tooltip as well) and
// widens while a menu is on top.
void ModeEngine::keep_top_class_for_key_pad()
{
    TvykForm4& pad = app_.vykForm4();
    const std::string top = classify::top_class(platform_);
    pad.ListBox1.set_item(0, top);
    if (top == classify::kTooltipClass)
        pad.ListBox1.set_item(1, classify::class_below_top(platform_));
    pad.set_width(classify::in_list(top, classify::kMenuClasses) ? kPadWidthOverMenu : kPadWidth);
}

// The navigation panel goes away as soon as the pointer leaves it.
void ModeEngine::park_navigation_panel_unless_pointed_at()
{
    TvykForm3& navigation = app_.vykForm3();
    if (left_shows(navigation) &&
        !classify::lies_within(platform_, platform_.window_from_point(cursor_), navigation.hwnd()))
        park(navigation);
}

// The right quick menu's list shows the class under the pointer; while its
// line 4 reads "test", also the classes around the pointer and the mouse-event cell.
void ModeEngine::probe_classes_for_quick_menu()
{
    ui::ListBox& lines = app_.rqmenu().ListBox1;
    lines.set_item(kCursorClassLine, classify::class_at(platform_, cursor_));
    if (lines.item(kProbeSwitchLine) != "test")
        return;
    const std::array<std::string, 4> around = classify::classes_around(platform_, cursor_, kProbeDistance);
    for (std::size_t i = 0; i < around.size(); ++i)
        lines.set_item(i, around[i]);
    lines.set_item(kProbeSwitchLine, app_.vykForm3().caption());
}

} // namespace tv
