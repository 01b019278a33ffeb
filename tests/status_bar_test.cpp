// The status form's creation, the bar heights as a desktop toolbar, and the
// platform name it shows, on the simulated desktop.
#include "status_form.h"

#include "statusbar/system_name.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tv::test {
namespace {

// ---- creation and bar heights ----

TEST_F(StatusForm, CreationOpensBothPagesAndDocksTheLargeBarAtTheTop)
{
    start();

    EXPECT_NE(view_opened_on(kHelpTitlePage), 0u) << "one backslash between folder and file";
    EXPECT_NE(view_opened_on(kHintPage), 0u);
    EXPECT_EQ(bar().CppWebBrowser1.text(), kHelpTitlePage);
    EXPECT_EQ(bar().CppWebBrowser2.text(), kHintPage);
    EXPECT_EQ(desk.window_rect(bar().hwnd()), Rect::from_size(0, 0, kScreenWidth, 180));
    EXPECT_TRUE(desk.is_visible(bar().hwnd()));
    EXPECT_TRUE(desk.ex_style(bar().hwnd()) & kExTopmost);
    const std::optional<sim::SimAppBar> toolbar = desk.app_bar(bar().hwnd());
    ASSERT_TRUE(toolbar.has_value());
    EXPECT_EQ(toolbar->callback_message, 1124u);
    EXPECT_TRUE(toolbar->placed);
    EXPECT_EQ(toolbar->edge, AppBarEdge::Top);
    EXPECT_EQ(bar().Panel40.text(), "Windows") << "a system of no known release";
}

struct HeightCase {
    const char* name;
    std::vector<std::string> commands;
    Rect rect;
    bool handle_shown;
    std::optional<Rect> reserved; // none: not a desktop toolbar
    const char* command_cell;
};

void PrintTo(const HeightCase& c, std::ostream* os) { *os << c.name; }

class StatusBarHeights : public StatusForm, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(StatusBarHeights, SizeTheBarAndItsDesktopToolbar)
{
    const HeightCase& c = GetParam();
    start();
    set_caption("Tregform", "regform");

    for (const std::string& command : c.commands)
        bar().control(command)->click();

    EXPECT_EQ(desk.window_rect(bar().hwnd()), c.rect);
    EXPECT_TRUE(desk.is_visible(bar().hwnd()));
    EXPECT_EQ(bar().movebar.visible(), c.handle_shown);
    const std::optional<sim::SimAppBar> toolbar = desk.app_bar(bar().hwnd());
    ASSERT_EQ(toolbar.has_value(), c.reserved.has_value());
    if (toolbar) {
        EXPECT_EQ(toolbar->rect, *c.reserved);
        EXPECT_EQ(toolbar->edge, AppBarEdge::Top);
    }
    EXPECT_EQ(caption("Tregform"), c.command_cell);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, StatusBarHeights,
    ::testing::Values(
        HeightCase{"Large", {"smallbar", "Button1"}, at_top(1024, 180), false, at_top(1024, 183), "newpos"},
        HeightCase{"Middle", {"smallbar"}, at_top(1024, 32), false, at_top(1024, 35), "newpos"},
        HeightCase{"Tiny", {"tinybar"}, at_top(1024, 5), true, at_top(1024, 8), "newpos"},
        HeightCase{"TinyThenMiddle", {"tinybar", "smallbar"}, at_top(1024, 32), false, at_top(1024, 35), "newpos"},
        HeightCase{"NoBar", {"nobar"}, at_top(0, 180), false, std::nullopt, "regform"},
        HeightCase{"TinyThenNoBar", {"tinybar", "nobar"}, at_top(0, 5), true, std::nullopt, "newpos"},
        HeightCase{"OffTheToolbar", {"Button3"}, at_top(1024, 180), false, std::nullopt, "regform"},
        HeightCase{"BackOnTheToolbar", {"Button3", "smallbar"}, at_top(1024, 32), false, at_top(1024, 35), "newpos"}),
    [](const ::testing::TestParamInfo<HeightCase>& info) { return std::string(info.param.name); });

// ---- the platform name ----

TEST(SystemName, NamesTheKnownReleasesOnly)
{
    const std::pair<SystemVersion, const char*> cases[] = {
        {{1, 4, 0, 950}, "Windows   95"},     {{1, 4, 0, 1111}, "Windows   95   OSR2"},
        {{1, 4, 10, 1998}, "Windows   98"},   {{1, 4, 10, 2222}, "Windows   98   SE"},
        {{1, 4, 90, 3000}, "Windows   ME"},   {{2, 4, 0, 1381}, "Windows   NT"},
        {{2, 5, 0, 2195}, "Windows   2000"}, {{2, 5, 1, 2600}, "Windows   XP"},
        {{2, 5, 2, 3790}, "Windows   2003"}, {{2, 6, 1, 7601}, "Windows"},
        {{2, 10, 0, 19045}, "Windows"},       {{1, 5, 0, 0}, "Windows"},
        {{0, 0, 0, 0}, "Windows"},
    };
    for (const auto& [version, name] : cases)
        EXPECT_EQ(system_name(version), name) << version.platform << "." << version.major << "." << version.minor;
}

TEST_F(StatusForm, ThePlatformNameComesFromTheSystemsVersion)
{
    desk.set_system_version({2, 5, 1, 2600});
    start();
    EXPECT_EQ(bar().Panel40.text(), "Windows   XP");
}

} // namespace
} // namespace tv::test
