#include "browser/ombrel.h"

namespace tv {
namespace {

constexpr std::uint32_t kEdgeBarGreen = 0x008000, kEdgeMarkBlue = 0xFF0000; // 0x00BBGGRR

} // namespace

Tombrel::Tombrel(App& app)
    : AppForm(app, {"ombrel", "Tombrel", "myright", Rect::from_size(kParkedLeft, 0, 800, 600), Visibility::Hidden, Topmost::No, 0}),
      Timer1(*this, "Timer1", 40, false, [this] { mode_engine_tick(); }),
      Button41(*this, "Button41"),
      rtmenu(*this, "rtmenu"),
      rflag(*this, "rflag"),
      midmess(*this, "midmess"),
      LBox2(*this, "LBox2"),
      LBox3(*this, "LBox3"),
      cmdup(*this, "cmdup", "cmdup"),
      cmddown(*this, "cmddown", "cmddown"),
      cmdautoscroll(*this, "cmdautoscroll", "cmdautoscroll"),
      cmdwindowselect(*this, "cmdwindowselect", "cmdwindowselect"),
      cmdvykform3proc(*this, "cmdvykform3proc", "cmdvykform3proc"),
      Pan25(*this, "Pan25"),
      hbar(*this, "hbar"),
      Panel3(*this, "Panel3"),
      oldrightpos(*this, "oldrightpos"),
      right2(*this, "right2"),
      scrollup(*this, "scrollup"),
      scrolldown(*this, "scrolldown"),
      mode_engine(app)
{
    platform().set_ex_style(hwnd(), platform().ex_style(hwnd()) | kExToolWindow);
    LBox2.set_items(ModeEngine::first_samples());
    LBox3.set_items(ModeEngine::first_samples());
    Pan25.set_color(kEdgeBarGreen);
    hbar.set_color(kEdgeMarkBlue);
    hbar.set_bounds(0, 0, 9, 18);
}

void Tombrel::mode_engine_tick()
{
    mode_engine_cost.measure(platform(), [this] { mode_engine.tick(); });
}

} // namespace tv
