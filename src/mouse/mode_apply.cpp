// Applying the mode a movement selected: the direction colour, the mode cell
// and token, the hints and the marks of automatic scrolling. With the
// three-speed wheel off (`FormMain.N3` not ticked) only the normal wheel is
// named; the other directions still colour the bar and set the marks.
#include "mouse/mode_engine.h"

#include "board/form_main.h"
#include "board/inputmode.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/setform.h"
#include "board/vykform3.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/sibling_channel.h"
#include "mouse/wheel_hints.h"

namespace tv {
namespace {

// A mode's menu-elsewhere count acts once it exceeds this.
constexpr int kMenuElsewhereThreshold = 1;
constexpr std::string_view kSuperRightClick = "超级右键";

std::size_t index_of(wheel::Mode m) { return static_cast<std::size_t>(m); }

const ui::Panel& direction_sample(const Tsetform& s, wheel::Mode m)
{
    switch (m) {
    case wheel::Mode::Task: return s.cleft;
    case wheel::Mode::Normal: return s.cright;
    case wheel::Mode::Auto: return s.cup;
    case wheel::Mode::Quick: return s.cdown;
    }
    return s.cright;
}

} // namespace

void ModeEngine::apply(wheel::Mode m)
{
    paint_direction(m);
    const bool three_speed = app_.FormMain().N3.checked();
    switch (m) {
    case wheel::Mode::Task:
        if (!three_speed)
            return;
        apply_three_speed_part(m, Collapse::Yes);
        mark_super_right_click();
        app_.inputmode().set_caption(wheel::kRightToMode);
        return;
    case wheel::Mode::Normal:
        app_.lifeform().Label1.set_text(wheel::kNormalName);
        write_hints(m);
        app_.inputmode().set_caption(wheel::kRightToApplication);
        if (three_speed) {
            app_.lifeform().set_caption(wheel::token_of(m));
            count_menu_elsewhere(m, Collapse::Yes);
        }
        return;
    case wheel::Mode::Auto:
        if (three_speed)
            apply_three_speed_part(m, Collapse::No);
        show_marks(Marks::Scroll);
        return;
    case wheel::Mode::Quick:
        show_marks(Marks::Page);
        if (three_speed)
            apply_three_speed_part(m, Collapse::No);
        return;
    }
}

void ModeEngine::apply_three_speed_part(wheel::Mode m, Collapse collapse)
{
    count_menu_elsewhere(m, collapse);
    app_.lifeform().set_caption(wheel::token_of(m));
    name_mode_unless_system_menu(m);
    write_hints(m);
}

// The bar takes the colour of the direction; the hint labels follow when the
// settings form says so.
void ModeEngine::paint_direction(wheel::Mode m)
{
    const Tsetform& settings = app_.setform();
    const std::uint32_t colour = direction_sample(settings, m).color();
    Tlifeform& bar = app_.lifeform();
    bar.movebar.set_color(colour);
    if (settings.cwheelid.checked()) {
        bar.upmess.set_font_color(colour);
        bar.downmess.set_font_color(colour);
    }
    if (settings.crightid.checked())
        bar.rightmess.set_font_color(settings.cright.color());
}

// With a system menu on top the old name stays.
void ModeEngine::name_mode_unless_system_menu(wheel::Mode m)
{
    if (classify::top_class(platform_) != classify::kSystemMenuClass)
        app_.lifeform().Label1.set_text(wheel::name_of(m));
}

// A movement made while a menu is open somewhere other than under the pointer
// is counted; the second one in the task and normal modes is used up.
void ModeEngine::count_menu_elsewhere(wheel::Mode m, Collapse collapse)
{
    if (!menu_elsewhere())
        return;
    int& count = menu_elsewhere_counts_[index_of(m)];
    if (++count <= kMenuElsewhereThreshold)
        return;
    count = 0;
    if (collapse == Collapse::Yes)
        use_up_movement();
}

bool ModeEngine::menu_elsewhere() const
{
    const std::string top = classify::top_class(platform_);
    const std::string here = classify::class_at(platform_, cursor_);
    if (top == classify::kSystemMenuClass && here != classify::kSystemMenuClass)
        return true;
    return top == classify::kBaseBarClass && taskbar_found_ && here != classify::kBaseBarClass;
}

// The newest sample becomes a copy of the one before, so the two no longer
// show a movement.
void ModeEngine::use_up_movement()
{
    Tombrel& browser = app_.ombrel();
    if (browser.LBox2.item(0) == browser.LBox2.item(1) && browser.LBox3.item(0) == browser.LBox3.item(1))
        return;
    browser.LBox2.set_item(0, browser.LBox2.item(1));
    browser.LBox3.set_item(0, browser.LBox3.item(1));
}

// The hint labels are written on every selecting tick; the template lines only
// when the wheel line changes, so the hint bar is rebuilt once per change.
void ModeEngine::write_hints(wheel::Mode m)
{
    const bool browser_in_front = sibling::in_front(platform_);
    const wheel::Hints& hints =
        wheel::hints_of(m, browser_in_front ? wheel::InFront::SiblingBrowser : wheel::InFront::OtherWindow);
    const bool quick_right = app_.FormMain().N2qq.checked();
    Tlifeform& bar = app_.lifeform();
    bar.upmess.set_text(hints.up);
    bar.downmess.set_text(hints.down);
    bar.rightmess.set_text(quick_right ? hints.right_quick : hints.right_ctrl);
    if (browser_in_front && m != wheel::Mode::Normal)
        bar.rightmess.set_text(hints.right_quick); // the browser rows always name the right button
    const std::string_view button_line = quick_right ? hints.button_line_quick : hints.button_line_ctrl;
    if (bar.ListBox5.item(hint::kWheelLine) != hints.wheel_line)
        write_hint_lines(hints.wheel_line, button_line);
    if (m == wheel::Mode::Task && !browser_in_front && !cell::contains(bar.ListBox5.item(hint::kButtonLine), "左键"))
        write_hint_lines(hints.wheel_line, button_line);
}

void ModeEngine::write_hint_lines(std::string_view wheel_line, std::string_view button_line)
{
    Tlifeform& bar = app_.lifeform();
    bar.ListBox5.set_item(hint::kWheelLine, wheel_line);
    bar.ListBox5.set_item(hint::kButtonLine, button_line);
    bar.settopmess.click();
}

// With the sibling browser in front the task wheel's right button is the super
// right-click: the options form's caption says so.
void ModeEngine::mark_super_right_click()
{
    TFormMain& options = app_.FormMain();
    const std::string caption = options.caption();
    if (sibling::in_front(platform_) && !cell::contains(caption, kSuperRightClick))
        options.set_caption(caption + " " + std::string(kSuperRightClick));
}

// The auto wheel scrolls (the bars of the edge indicator show), the quick
// wheel pages.
void ModeEngine::show_marks(Marks marks)
{
    const bool scroll = marks == Marks::Scroll;
    TvykForm3& navigation = app_.vykForm3();
    app_.ombrel().hbar.set_visible(scroll);
    navigation.hbar.set_visible(scroll);
    navigation.pagecmd.set_visible(!scroll);
    navigation.scrollcmd.set_visible(scroll);
}

} // namespace tv
