// Random desktops for checking a grid search against probing every grid
// point: windows over and under each other, children at every depth and partly
// outside their parents, hidden and minimised ones, regions with holes,
// off-screen places, and classes that differ from a wanted one only past the
// compared 94 bytes.
#pragma once

#include "platform/sim/sim_desktop.h"

#include <array>
#include <random>
#include <string>

namespace tv::test {

class RandomDesktop {
public:
    explicit RandomDesktop(unsigned seed) : random_(seed) {}

    void build(sim::SimDesktop& desk)
    {
        const int windows = number(1, 14);
        for (int i = 0; i < windows; ++i)
            add(desk, 0, 0);
    }

private:
    void add(sim::SimDesktop& desk, Hwnd parent, int depth)
    {
        const Size screen = desk.screen_size();
        const Rect place = parent ? Rect::from_size(number(-40, 300), number(-40, 200), number(1, 400), number(1, 300))
                                  : Rect::from_size(number(-200, screen.width), number(-200, screen.height),
                                                    number(1, screen.width), number(1, screen.height));
        const Hwnd h = desk.add_window(kClasses[static_cast<std::size_t>(number(0, kLastClass))], "", place,
                                       number(0, 4) ? Visibility::Shown : Visibility::Hidden,
                                       number(0, 3) ? Topmost::No : Topmost::Yes, parent);
        if (!parent && !number(0, 5))
            desk.set_window_region(h, WindowRegion{{Rect::from_size(0, 0, place.width(), place.height()),
                                                    Rect::from_size(number(0, 100), number(0, 100), 120, 130)}});
        if (!parent && !number(0, 9))
            desk.minimise(h);
        for (int children = depth < 3 ? number(0, 3) : 0; children > 0; --children)
            add(desk, h, depth + 1);
    }

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    inline static const std::array<std::string, 6> kClasses{
        "ToolbarWindow32", "ToolbarWindow32x", "Shell_TrayWnd", "Notepad",
        std::string(79, 'W') + "ToolbarWindow32", std::string(79, 'W') + "ToolbarWindow32-and-more"};
    static constexpr int kLastClass = 5;
    std::mt19937 random_;
};

} // namespace tv::test
