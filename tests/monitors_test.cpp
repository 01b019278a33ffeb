// Several monitors and their DPI on the simulated desktop: the forms the user
// calls up open on the monitor that holds the pointer, sized for its DPI, and
// "parked" keeps its meaning with a monitor left of and above the primary one.
#include "keyboard_pad_sim.h"

#include "board/escmenu.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/places.h"
#include "board/srfform.h"
#include "board/taskform.h"
#include "mouse/escape_menu.h"

#include <algorithm>

namespace tv::test {
namespace {

const Rect kPrimary{0, 0, 1024, 768};
// Left of the primary monitor and reaching above it.
const Rect kLeftMonitor{-1280, -200, 0, 824}; // 1280 x 1024

bool on_some_monitor(const Platform& p, const Rect& r)
{
    for (const Monitor& m : p.monitors())
        if (r.left < m.rect.right && m.rect.left < r.right && r.top < m.rect.bottom && m.rect.top < r.bottom)
            return true;
    return false;
}

bool inside(const Rect& outer, const Rect& r)
{
    return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right && r.bottom <= outer.bottom;
}

class TwoMonitors : public KeyboardPadSim {
protected:
    void with_monitors(int left_dpi)
    {
        desk.set_monitors({Monitor{kPrimary, kPrimary, 96, true}, Monitor{kLeftMonitor, kLeftMonitor, left_dpi, false}});
    }
};

enum class Opener { Pad3D, KeyPad, TaskList, EscapeMenu, Picker };
enum class Placement { AtPointer, Centred, BottomRight };

struct OpeningCase {
    const char* name;
    Opener opener;
    int dpi;       // of the monitor left of the primary one
    Point pointer; // where the pointer rests before the form opens
    Size size;     // at 96 DPI
    Placement placement;
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

class FormsOpenOnThePointersMonitor : public TwoMonitors, public ::testing::WithParamInterface<OpeningCase> {
protected:
    // Opens the case's form the way the user does; returns it.
    ui::Form& open(const OpeningCase& c)
    {
        switch (c.opener) {
        case Opener::Pad3D:
            // The quick wheel, then a right release at the pointer.
            rest_at(c.pointer);
            select_by(0, 30);
            released_at = desk.cursor_pos();
            desk.user_button(MouseButton::Right, ButtonAction::Down);
            desk.advance(kEngineTick);
            desk.user_button(MouseButton::Right, ButtonAction::Up);
            desk.advance(kEngineTick);
            return app->m3d();
        case Opener::KeyPad:
            desk.user_move(c.pointer);
            open_pad();
            return app->kxm();
        case Opener::TaskList:
            desk.user_move(c.pointer);
            app->taskform().set_bounds(100, 100, 704, 100);
            app->taskform().showad.click();
            return app->taskform();
        case Opener::EscapeMenu:
            desk.user_move(c.pointer);
            open_escape_menu(*app, {"菜单", {240, 295}, false});
            return app->escmenu();
        case Opener::Picker:
            desk.user_move(c.pointer);
            set_caption("Tpyoil", "key--show ime");
            desk.advance(50);
            return app->srfForm();
        }
        throw std::logic_error("no opener");
    }
    Point released_at;
};

TEST_P(FormsOpenOnThePointersMonitor, PlacedAndSizedThere)
{
    const OpeningCase& c = GetParam();
    with_monitors(c.dpi);
    start_program();
    app->FormMain().N2.set_checked(true); // the key pad shows at its full height
    const Rect monitor = kLeftMonitor.contains(c.pointer) ? kLeftMonitor : kPrimary;
    const int dpi = kLeftMonitor.contains(c.pointer) ? c.dpi : 96;
    ui::Form& form = open(c);
    ASSERT_TRUE(form.visible()) << "the form opened";

    const Rect r = form.bounds();
    // To the nearest pixel.
    const int width = (c.size.width * dpi + 48) / 96, height = (c.size.height * dpi + 48) / 96;
    EXPECT_EQ(r.width(), width);
    EXPECT_EQ(r.height(), height);
    EXPECT_TRUE(inside(monitor, r)) << "the whole form lies on the pointer's monitor";
    switch (c.placement) {
    case Placement::AtPointer:
        EXPECT_EQ((Point{r.left, r.top}), released_at) << "the pad opens where the right button was released";
        break;
    case Placement::Centred:
        EXPECT_EQ(r.left, monitor.left + (monitor.width() - width) / 2);
        EXPECT_EQ(r.top, monitor.top + (monitor.height() - height) / 2);
        break;
    case Placement::BottomRight:
        EXPECT_EQ(r.right, monitor.right - 10);
        EXPECT_EQ(r.bottom, monitor.bottom - 50);
        break;
    }
    if (c.opener == Opener::KeyPad) {
        const WindowRegion* region = desk.region(form.hwnd());
        ASSERT_NE(region, nullptr);
        EXPECT_TRUE(region->contains({width / 2, height - 1})) << "the rounded region covers the whole scaled pad";
    }
    EXPECT_TRUE(left_shows(form)) << "a form on a monitor left of the primary one is shown, not parked";
    EXPECT_EQ(form.dpi(), dpi);
    park(form);
    EXPECT_FALSE(left_shows(form));
    EXPECT_FALSE(on_some_monitor(desk, form.bounds())) << "a parked form lies on no monitor";
}

constexpr Point kOnLeft{-700, 300};
constexpr Point kOnPrimary{500, 400};

INSTANTIATE_TEST_SUITE_P(
    EveryForm, FormsOpenOnThePointersMonitor,
    ::testing::Values(
        OpeningCase{"Pad3DOnTheLeftMonitor", Opener::Pad3D, 96, kOnLeft, {64, 64}, Placement::AtPointer},
        OpeningCase{"Pad3DScaledAt144Dpi", Opener::Pad3D, 144, kOnLeft, {64, 64}, Placement::AtPointer},
        OpeningCase{"Pad3DOnThePrimary", Opener::Pad3D, 144, kOnPrimary, {64, 64}, Placement::AtPointer},
        OpeningCase{"KeyPadOnTheLeftMonitor", Opener::KeyPad, 96, kOnLeft, {284, 173}, Placement::Centred},
        OpeningCase{"KeyPadScaledAt144Dpi", Opener::KeyPad, 144, kOnLeft, {284, 173}, Placement::Centred},
        OpeningCase{"KeyPadOnThePrimary", Opener::KeyPad, 144, kOnPrimary, {284, 173}, Placement::Centred},
        OpeningCase{"TaskListOnTheLeftMonitor", Opener::TaskList, 96, kOnLeft, {255, 480}, Placement::Centred},
        OpeningCase{"TaskListScaledAt120Dpi", Opener::TaskList, 120, kOnLeft, {255, 480}, Placement::Centred},
        OpeningCase{"EscapeMenuOnTheLeftMonitor", Opener::EscapeMenu, 96, kOnLeft, {720, 560}, Placement::Centred},
        OpeningCase{"EscapeMenuScaledAt144Dpi", Opener::EscapeMenu, 144, kOnLeft, {720, 560}, Placement::Centred},
        OpeningCase{"EscapeMenuOnThePrimary", Opener::EscapeMenu, 144, kOnPrimary, {720, 560}, Placement::Centred},
        OpeningCase{"PickerOnTheLeftMonitor", Opener::Picker, 96, kOnLeft, {TsrfForm::kWidth, TsrfForm::kHeight},
                    Placement::BottomRight},
        OpeningCase{"PickerOnThePrimary", Opener::Picker, 144, kOnPrimary, {TsrfForm::kWidth, TsrfForm::kHeight},
                    Placement::BottomRight}),
    [](const ::testing::TestParamInfo<OpeningCase>& info) { return std::string(info.param.name); });

// At 144 DPI the 3D pad is 96 x 96 and its parts take the pointer where they
// are drawn: the pointer over the middle of the drawn page bar chooses it.
TEST_F(TwoMonitors, ScaledPadHitTestsItsPartsWhereTheyAreDrawn)
{
    with_monitors(144);
    start_program();
    rest_at(kOnLeft);
    select_by(0, 30);
    desk.user_button(MouseButton::Right, ButtonAction::Down);
    desk.advance(kEngineTick);
    desk.user_button(MouseButton::Right, ButtonAction::Up);
    desk.advance(kEngineTick);
    const Tm3d& pad = app->m3d();
    ASSERT_TRUE(pad.visible());
    ASSERT_EQ(pad.bounds().width(), 96);
    EXPECT_EQ(desk.cursor_pos(), (Point{pad.left() + 48, pad.top() + 48})) << "the pointer goes to the pad's centre";

    std::vector<PaintItem> drawn = pad.paint_items();
    const Rect bar = pad.Panel24.bounds();
    const Rect drawn_bar{bar.left * 3 / 2, bar.top * 3 / 2, bar.right * 3 / 2, bar.bottom * 3 / 2};
    EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [&](const PaintItem& i) { return i.rect == drawn_bar; }))
        << "the page bar is drawn at one and a half times its layout";
    EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](const PaintItem& i) { return i.font_height == 21; }))
        << "and its text at one and a half times its height";
    const Point middle{pad.left() + (drawn_bar.left + drawn_bar.right) / 2, pad.top() + (drawn_bar.top + drawn_bar.bottom) / 2};
    const Point unscaled_middle{pad.left() + (bar.left + bar.right) / 2, pad.top() + (bar.top + bar.bottom) / 2};
    desk.user_move(middle);
    EXPECT_EQ(pad.control_at(pad.pointer()), &pad.Panel24);
    EXPECT_NE(middle, unscaled_middle) << "the case tells the scaled hit test from the unscaled one";
}

// Every form of the roster: parked, it is hidden for every test of a left edge
// and lies on no monitor; placed on the monitor at negative coordinates, it
// counts as shown.
TEST_F(TwoMonitors, ShownAndParkedHoldForEveryForm)
{
    with_monitors(96);
    start();
    ASSERT_FALSE(app->forms().empty());
    for (ui::Form* form : app->forms()) {
        SCOPED_TRACE(form->name());
        const Rect before = form->bounds();
        form->set_bounds(-900, -100, std::max(before.width(), 1), std::max(before.height(), 1));
        EXPECT_TRUE(left_shows(*form));
        EXPECT_TRUE(left_shows_past_edge(*form));
        park(*form);
        EXPECT_FALSE(left_shows(*form));
        EXPECT_TRUE(parked_at(*form));
        EXPECT_FALSE(on_some_monitor(desk, form->bounds()));
        park(*form, kParkedLeftFormMain);
        EXPECT_FALSE(left_shows(*form));
        EXPECT_FALSE(parked_at(*form)) << "parked for the options form is another left edge";
        EXPECT_FALSE(on_some_monitor(desk, form->bounds()));
    }
}

// The forms that start parked lie on no monitor, the monitor at negative
// coordinates included.
TEST_F(TwoMonitors, FormsStartParkedOffEveryMonitor)
{
    with_monitors(96);
    start();
    for (const char* name : {"pyoil", "FormMain", "regform", "ombrel", "m3d", "srfForm", "vykForm3", "rqmenu"}) {
        SCOPED_TRACE(name);
        const auto forms = app->forms();
        const auto it = std::find_if(forms.begin(), forms.end(), [&](const ui::Form* f) { return f->name() == name; });
        ASSERT_NE(it, forms.end());
        EXPECT_FALSE(left_shows(**it));
        EXPECT_FALSE(on_some_monitor(desk, (*it)->bounds()));
    }
}

} // namespace
} // namespace tv::test
