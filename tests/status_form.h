// The status form fixture shared by the status form tests: the program running
// on the simulated desktop, its two web views' first pages, and the status
// timer's 100 ms ticks as a reference time for the synthetic input.
#pragma once

#include "wheel_sim.h"

#include "board/lifeform.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv::test {

constexpr const char* kHelpTitlePage = "file://C:\\Tarvesk\\helptitle.htm";
constexpr const char* kHintPage = "file://C:\\Tarvesk\\topmess.htm";
constexpr int kScreenWidth = 1024;

// A band along the top edge of the screen.
inline Rect at_top(int width, int height) { return Rect::from_size(0, 0, width, height); }

constexpr int kWindowsKey = 91, kCtrl = 17, kSpace = 32, kEnter = 13, kEsc = 27;

class StatusForm : public WheelApp {
protected:
    Tlifeform& bar() const { return app->lifeform(); }

    // The platform's view that first showed `address` inside the status form.
    WebViewId view_opened_on(std::string_view address) const
    {
        for (const auto& [id, v] : desk.web_views())
            if (v.parent == bar().hwnd() && !v.navigations.empty() && v.navigations.front() == address)
                return id;
        return 0;
    }
    std::string hint_bar_document() const
    {
        const sim::SimWebView* v = desk.web_view(view_opened_on(kHintPage));
        return v ? v->document : std::string("(no hint view)");
    }

    // The status timer starts again now: its next tick comes in 100 ms.
    void restart_status_timer()
    {
        bar().Timer1.set_enabled(false);
        bar().Timer1.set_enabled(true);
        tick_at_ = desk.now_ms() + 100;
    }
    // The synthetic events sent, each with its time from the status tick: "+10 key 17 down".
    std::vector<std::string> inputs_from_tick() const
    {
        std::vector<std::string> out;
        for (const sim::InputRecord& r : desk.input_log()) {
            const std::string d = r.describe();
            out.push_back("+" + std::to_string(static_cast<long long>(r.time_ms) - static_cast<long long>(tick_at_)) +
                          " " + d.substr(0, d.find(" at ")));
        }
        return out;
    }

    std::uint64_t tick_at_ = 0;
};

} // namespace tv::test
