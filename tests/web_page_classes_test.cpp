// Today's browsers' page windows under the pointer: which of the web-page
// rules they get (the README's list). Chromium's page window gets them all;
// Firefox's one window gets no middle clicks but is scrolled by keys.
#include "wheel_sim.h"

#include "board/ombrel.h"
#include "platform/keys.h"

namespace tv::test {
namespace {

std::vector<std::string> press(int vk)
{
    return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"};
}

const std::vector<std::string> kNone;
const std::vector<std::string> kTwoMiddleClicks{"mouse middledown", "mouse middleup", "mouse middledown",
                                                "mouse middleup"};

struct PageCase {
    const char* name;
    const char* cls;
    const char* auto_wheel_command; // the browser form's command the auto wheel's notch clicks, "" for keys
    std::vector<std::string> auto_wheel_keys;
    std::vector<std::string> middle_clicks_after_middle_press; // normal wheel, after a middle click
    const char* page_key_command; // `cmdup` with the edge flag and the mark shown
    std::vector<std::string> page_keys;
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class WebPageRules : public WheelApp, public ::testing::WithParamInterface<PageCase> {
protected:
    void SetUp() override
    {
        start_program();
        const Hwnd frame = desk.add_window("Frame", "page", Rect::from_size(100, 150, 800, 550));
        desk.add_window(GetParam().cls, "", Rect::from_size(0, 50, 800, 500), Visibility::Shown, Topmost::No, frame);
        desk.set_foreground(frame);
        app->ombrel().scrollup.on_click = [this] { clicked = "scrollup"; };
        app->ombrel().scrolldown.on_click = [this] { clicked = "scrolldown"; };
        rest_at(kHome);
    }

    void notch()
    {
        desk.clear_input_log();
        desk.user_wheel(120);
        desk.advance(50);
    }

    std::string clicked;
};

TEST_P(WebPageRules, AutoWheel)
{
    select_by(0, -30);
    ASSERT_EQ(mode_cell(), "自动滚轮");
    notch();
    EXPECT_EQ(clicked, GetParam().auto_wheel_command);
    EXPECT_EQ(keys_sent(), GetParam().auto_wheel_keys);
}

TEST_P(WebPageRules, NoMiddleClicksToEndAnApplicationsScrolling)
{
    select_by(30, 0);
    desk.user_button(MouseButton::Middle, ButtonAction::Down);
    desk.user_button(MouseButton::Middle, ButtonAction::Up);
    notch();
    EXPECT_EQ(mouse_sent(), GetParam().middle_clicks_after_middle_press);
}

TEST_P(WebPageRules, PageKeysWithTheEdgeFlag)
{
    Tombrel& browser = app->ombrel();
    browser.edge_flag = true;
    browser.hbar.show();
    desk.clear_input_log();
    browser.cmdup.click();
    EXPECT_EQ(clicked, GetParam().page_key_command);
    EXPECT_EQ(keys_sent(), GetParam().page_keys);
}

INSTANTIATE_TEST_SUITE_P(
    Browsers, WebPageRules,
    ::testing::Values(
        PageCase{"WebControl", "Internet Explorer_Server", "scrollup", kNone, kNone, "scrollup", kNone},
        PageCase{"Chromium", "Chrome_RenderWidgetHostHWND", "scrollup", kNone, kNone, "scrollup", kNone},
        PageCase{"Firefox", "MozillaWindowClass", "", press(vk::kUp), kNone, "", press(vk::kUp)},
        PageCase{"ChromiumFrameIsNoPage", "Chrome_WidgetWin_1", "", press(vk::kUp), kTwoMiddleClicks, "",
                 press(vk::kUp)},
        PageCase{"Editor", "Edit", "", press(vk::kUp), kTwoMiddleClicks, "", press(vk::kUp)}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

// The program's own automatic scrolling over a Chromium page presses the
// middle button at the page's right edge and lets it go at once, as over the
// web control: the page keeps scrolling by itself.
TEST_F(WheelApp, AutomaticScrollingOverAChromiumPageReleasesTheMiddleButtonAtOnce)
{
    start_program();
    const Hwnd frame = desk.add_window("Chrome_WidgetWin_1", "page", Rect::from_size(100, 150, 800, 550));
    desk.add_window("Chrome_RenderWidgetHostHWND", "", Rect::from_size(0, 50, 800, 500), Visibility::Shown,
                    Topmost::No, frame);
    desk.set_foreground(frame);
    rest_at(kHome);
    std::vector<Point> pressed_at;
    desk.on_input = [&](const sim::InputRecord& r) {
        if (r.kind == sim::InputRecord::Kind::Mouse && r.mouse == MouseInput::MiddleDown)
            pressed_at.push_back(r.at);
    };
    desk.clear_input_log();
    app->ombrel().scrolldown.click();
    const std::vector<std::string> mouse = mouse_sent();
    ASSERT_GE(mouse.size(), 2u);
    EXPECT_EQ(mouse[0], "mouse middledown");
    EXPECT_EQ(mouse[1], "mouse middleup");
    ASSERT_EQ(pressed_at.size(), 1u);
    EXPECT_EQ(pressed_at[0].x, 900 - 18) << "at the page's scroll bar, inside the frame's right edge";
}

} // namespace
} // namespace tv::test
