#include "core/synthetic_input.h"

namespace tv::input {

void press(Platform& p, int vk)
{
    p.send_key(vk, KeyAction::Down);
    p.send_key(vk, KeyAction::Up);
}

void ctrl_plus(Platform& p, int vk)
{
    p.send_key(vk::kCtrl, KeyAction::Down);
    press(p, vk);
    p.send_key(vk::kCtrl, KeyAction::Up);
}

void click(Platform& p, MouseButton b)
{
    switch (b) {
    case MouseButton::Left:
        p.send_mouse(MouseInput::LeftDown);
        p.send_mouse(MouseInput::LeftUp);
        break;
    case MouseButton::Right:
        p.send_mouse(MouseInput::RightDown);
        p.send_mouse(MouseInput::RightUp);
        break;
    case MouseButton::Middle:
        p.send_mouse(MouseInput::MiddleDown);
        p.send_mouse(MouseInput::MiddleUp);
        break;
    }
}

void shift_click_copy(Platform& p)
{
    p.send_key(vk::kShift, KeyAction::Down);
    p.sleep_ms(10);
    click(p, MouseButton::Left);
    p.send_key(vk::kShift, KeyAction::Up);
    p.sleep_ms(10);
    ctrl_plus(p, 'C');
}

} // namespace tv::input
