// Scenario helpers for automatic scrolling: target windows to scroll, the
// browser form's commands and the synthetic mouse events with their places.
#pragma once

#include "wheel_sim.h"

#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/regform.h"
#include "board/vykform3.h"

#include <string>
#include <vector>

namespace tv::test {

constexpr const char* kWebPage = "Internet Explorer_Server";
constexpr const char* kWordPage = "_WwG";

class AutoScrollApp : public WheelApp {
protected:
    void SetUp() override
    {
        start_program();
        desk.user_move(kHome);
        desk.clear_input_log();
    }

    // A top-level window with a page of class `cls` filling it, in front.
    Hwnd add_page(std::string_view cls, Rect frame)
    {
        const Hwnd top = desk.add_window("Frame", "page", frame);
        desk.add_window(cls, "", Rect::from_size(0, 0, frame.width(), frame.height()), Visibility::Shown, Topmost::No,
                        top);
        desk.set_foreground(top);
        return top;
    }

    // The synthetic mouse events, as "mouse middledown at 882,400".
    std::vector<std::string> mouse_events() const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log())
            if (r.kind == sim::InputRecord::Kind::Mouse)
                out.push_back(r.describe());
        return out;
    }

    void set_speed_setting(std::string_view dy) { app->regform().dy.set_text(dy); }
    // The mouse-event cell as the hook leaves it after a notch.
    void notch_cell(bool up) { set_caption("TvykForm3", up ? "ystop wheel=///" : "ystop wheel=..."); }

    void left_press()
    {
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.advance(kEngineTick);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
    }

    Tombrel& browser() const { return app->ombrel(); }
    Tlifeform& bar() const { return app->lifeform(); }
};

} // namespace tv::test
