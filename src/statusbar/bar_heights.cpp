// The bar heights: the status form as a desktop toolbar along the top edge of
// the screen. The shell keeps maximised windows clear of the toolbar's
// rectangle, which reaches 3 pixels below the bar.
#include "statusbar/status_form.h"

#include "board/lifeform.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr std::uint32_t kAppBarCallbackMessage = 1124;
constexpr int kLargeHeight = 180;
constexpr int kReservedBelowBar = 3;

} // namespace

void StatusForm::large_bar()
{
    app_.lifeform().set_height(screen().height);
    set_bar_height(kLargeHeight, MoveHandle::Hidden);
}

void StatusForm::set_bar_height(int height, MoveHandle handle)
{
    Tlifeform& form = app_.lifeform();
    form.set_bounds(form.left(), form.top(), screen().width, height);
    form.movebar.set_visible(handle == MoveHandle::Shown);
    dock_at_top();
    sibling::send(app_, "newpos");
}

void StatusForm::dock_at_top()
{
    Tlifeform& form = app_.lifeform();
    Platform& p = app_.platform();
    p.register_app_bar(form.hwnd(), kAppBarCallbackMessage);
    p.place_app_bar(form.hwnd(), AppBarEdge::Top, Rect::from_size(0, 0, screen().width, form.height() + kReservedBelowBar));
}

// The bar stays on screen with no width; the desktop gets its top edge back.
void StatusForm::no_bar()
{
    app_.lifeform().set_width(0);
    undock();
}

void StatusForm::undock() { app_.platform().remove_app_bar(app_.lifeform().hwnd()); }

} // namespace tv
