// A fixture for the keyboard mouse pad's scenario tests: the program running
// on the simulated desktop, with key taps and the pad's opening gesture.
#pragma once

#include "wheel_sim.h"

#include "board/kxm.h"
#include "platform/keys.h"

namespace tv::test {

class KeyboardPadSim : public WheelApp {
protected:
    // A key pressed and released as a user types it, then a pause.
    void tap(int vk, int held_ms = 60)
    {
        desk.user_key(vk, KeyAction::Down);
        desk.advance(held_ms);
        desk.user_key(vk, KeyAction::Up);
        desk.advance(60);
    }

    // Caps Lock released twice: the pad opens with its 10 ms timer running.
    void open_pad()
    {
        tap(vk::kCapsLock);
        tap(vk::kCapsLock);
        ASSERT_TRUE(app->kxm().Timer1.enabled());
    }
};

} // namespace tv::test
