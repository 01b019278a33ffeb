// Scenario helpers for the wheel modes: a desktop with an editor under the
// pointer, the program started, and movements the mode engine samples.
#pragma once

#include "sim_app.h"

#include "board/ombrel.h"
#include "board/form_main.h"
#include "board/lifeform.h"

#include <string>
#include <vector>

namespace tv::test {

class WheelApp : public SimApp {
protected:
    static constexpr Point kHome{500, 400};
    static constexpr int kEngineTick = 40;

    // Starts the program and lets start-up complete; the options form it
    // shows goes away again, so the editor is in front and under the pointer.
    void start_program()
    {
        start();
        desk.advance(100);
        app->FormMain().hide();
        app->FormMain().set_left(-1234);
        editor = desk.add_window("Notepad", "无标题 - 记事本", Rect::from_size(100, 200, 800, 500));
        desk.set_foreground(editor);
    }

    // The pointer comes to rest at `p`: the last sampled step is 1 pixel, so
    // standing still selects nothing and the mode cell keeps its value.
    void rest_at(Point p)
    {
        desk.user_move(p);
        until_sampled();
        move_by(1, 0);
    }

    // Engine ticks until the pointer's position is the newest sample. Usually
    // one; when that sample overfills the history, the cut drops it and the
    // next tick takes it again.
    void until_sampled()
    {
        const Point p = desk.cursor_pos();
        const Tombrel& browser = app->ombrel();
        for (int i = 0; i < 3; ++i) {
            desk.advance(kEngineTick);
            if (browser.LBox2.item(0) == std::to_string(p.x) && browser.LBox3.item(0) == std::to_string(p.y))
                return;
        }
        ADD_FAILURE() << "the pointer was not sampled";
    }

    // A movement by (dx, dy): it is sampled, then the next tick compares it
    // with the position before.
    void move_by(int dx, int dy)
    {
        const Point from = desk.cursor_pos();
        desk.user_move({from.x + dx, from.y + dy});
        until_sampled();
        desk.advance(kEngineTick);
    }

    // Selects a mode by a clear movement, then rests so it stays.
    void select_by(int dx, int dy)
    {
        move_by(dx, dy);
        move_by(1, 0);
    }

    std::string mode_cell() const { return app->lifeform().Label1.text(); }

    // The synthetic keys sent, as "key 37 down".
    std::vector<std::string> keys_sent() const { return sent(sim::InputRecord::Kind::Key); }
    // The synthetic mouse events sent, as "mouse middledown".
    std::vector<std::string> mouse_sent() const { return sent(sim::InputRecord::Kind::Mouse); }

    Hwnd editor = 0;

private:
    std::vector<std::string> sent(sim::InputRecord::Kind kind) const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log())
            if (r.kind == kind) {
                const std::string d = r.describe();
                out.push_back(d.substr(0, d.find(" at ")));
            }
        return out;
    }
};

} // namespace tv::test
