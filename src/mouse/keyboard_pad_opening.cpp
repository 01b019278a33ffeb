// The pad's opening (Caps Lock released twice, read by the main loop), its
// rounded corners and its help page.
#include "mouse/keyboard_pad.h"

#include "board/form_main.h"
#include "board/kxm.h"
#include "board/modeform.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "core/cell.h"
#include "core/synthetic_input.h"
#include "mouse/key_history.h"
#include "mouse/main_loop.h"

#include <algorithm>

namespace tv {
namespace {

constexpr int kPadWidth = 284, kPadHeight = 173;
constexpr std::string_view kCapsLockUp = "old--20up";
constexpr std::string_view kEditKeyboardOn = "key--cap";

bool is_character_key(int vk) { return (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == vk::kSpace; }

// How far row `y` of a corner's `radius` rows is cut in: the first column
// whose pixel centre lies within the radius of the circle's centre.
int corner_inset(int y, int radius)
{
    const double dy = radius - (y + 0.5);
    for (int x = 0; x < radius; ++x) {
        const double dx = radius - (x + 0.5);
        if (dx * dx + dy * dy <= static_cast<double>(radius) * radius)
            return x;
    }
    return radius;
}

} // namespace

std::string press_token(int vk)
{
    const std::string code = std::to_string(vk);
    return is_character_key(vk) ? "key--" + code : "old--" + code + "..0";
}

// The corners cut round at the radius the pad's `Edit2` holds, for the pad's
// size at the DPI of the monitor it opens on.
void round_pad_corners(Tkxm& pad)
{
    const int radius = static_cast<int>(std::clamp(cell::number(pad.Edit2.text()).value_or(0), 0L, 1000L));
    const int dpi = pad.dpi();
    pad.platform().set_window_region(pad.hwnd(), rounded_region({scaled(kPadWidth, dpi), scaled(kPadHeight, dpi)},
                                                                scaled(radius, dpi)));
}

WindowRegion rounded_region(Size size, int radius)
{
    radius = std::min({radius, size.width / 2, size.height / 2});
    if (radius <= 0)
        return {{Rect::from_size(0, 0, size.width, size.height)}};
    WindowRegion region;
    for (int y = 0; y < radius; ++y) {
        const int inset = corner_inset(y, radius);
        region.xor_rects.push_back(Rect::from_size(inset, y, size.width - 2 * inset, 1));
        region.xor_rects.push_back(Rect::from_size(inset, size.height - 1 - y, size.width - 2 * inset, 1));
    }
    region.xor_rects.push_back(Rect::from_size(0, radius, size.width, size.height - 2 * radius));
    return region;
}

bool caps_lock_twice(App& app)
{
    const std::array<std::string, 4> e = KeyHistory(app).first_four();
    return e[0] == kCapsLockUp && cell::starts_with(e[1], "old--") && e[2] == kCapsLockUp &&
           cell::starts_with(e[3], "old--");
}

void open_keyboard_pad(App& app)
{
    Platform& p = app.platform();
    if (p.key_down(vk::kShift))
        p.send_key(vk::kShift, KeyAction::Up);
    Tkxm& pad = app.kxm();
    if ((p.keyboard_state()[vk::kNumLock] & 1) != 0) {
        pad.Panel5.set_text("on");
        input::press(p, vk::kNumLock);
        pad.Panel5.set_text("on//off");
    }
    app.pyoil().set_caption(kEditKeyboardOn);
    pad.Panel4.set_text(kEditKeyboardOn);
    app.modeform().set_caption(kEditKeyboardOn);
    const Monitor monitor = pointer_monitor(p);
    const Rect r = centred_on_pointer_monitor(p, kPadWidth, kPadHeight);
    pad.set_topmost(Topmost::Yes);
    const int dpi_before = pad.dpi();
    place_on_monitor(pad, monitor, Rect::from_size(r.left, r.top, r.width(), app.FormMain().N2.checked() ? r.height() : 0));
    if (pad.dpi() != dpi_before)
        round_pad_corners(pad);
    pad.show();
    pad.Timer1.set_enabled(true);
    app.pyoil().padtt.click();
}

void MainLoop::caps_lock_rules()
{
    if (!caps_lock_twice(app_))
        return;
    open_keyboard_pad(app_);
    edit_keyboard_.entered();
}

void KeyboardPad::create()
{
    Tkxm& pad = app_.kxm();
    pad.Button1.click();
    pad.CppWebBrowser1.set_bounds(0, 0, kPadWidth, kPadHeight);
    pad.CppWebBrowser1.navigate("file://" + platform_.program_folder() + "keycontrol.htm");
}

void KeyboardPad::round_corners() { round_pad_corners(app_.kxm()); }

} // namespace tv
