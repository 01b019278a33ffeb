// The bar heights: the status form as a desktop toolbar along the top edge of
// the screen. The shell keeps maximised windows clear of the toolbar's
// rectangle, which reaches 3 pixels below the bar.
#include "statusbar/lifeform.h"

#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr std::uint32_t kAppBarCallbackMessage = 1124;
constexpr int kLargeHeight = 180;
constexpr int kReservedBelowBar = 3;

} // namespace

void Tlifeform::large_bar()
{
    set_height(screen().height);
    set_bar_height(kLargeHeight, MoveHandle::Hidden);
}

void Tlifeform::set_bar_height(int height, MoveHandle handle)
{
    set_bounds(left(), top(), screen().width, height);
    movebar.set_visible(handle == MoveHandle::Shown);
    dock_at_top();
    sibling::send(app_, "newpos");
}

void Tlifeform::dock_at_top()
{
    platform().register_app_bar(hwnd(), kAppBarCallbackMessage);
    platform().place_app_bar(hwnd(), AppBarEdge::Top,
                             Rect::from_size(0, 0, screen().width, height() + kReservedBelowBar));
}

// The bar stays on screen with no width; the desktop gets its top edge back.
void Tlifeform::no_bar()
{
    set_width(0);
    undock();
}

void Tlifeform::undock() { platform().remove_app_bar(hwnd()); }

} // namespace tv
