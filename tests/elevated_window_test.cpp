// Elevated windows on the simulated desktop: Windows drops the input a program
// that is not elevated sends to a window of an elevated process, so the wheel
// modes send nothing there and the status bar says why.
#include "wheel_sim.h"

#include "board/lifeform.h"
#include "core/elevation.h"

namespace tv::test {
namespace {

constexpr std::uint32_t kEditorProcess = 50;
constexpr std::uint32_t kWordProcess = 60;

struct ElevatedCase {
    const char* name;
    int dx, dy;              // the movement that selects the mode
    Elevation front;         // the editor in front, which gets the keys
    Elevation under_pointer; // a word-processor page under the pointer, not in front
    Elevation own;           // the program itself
    std::vector<std::string> keys;
    std::vector<std::string> mouse;
    std::string status;
};

void PrintTo(const ElevatedCase& c, std::ostream* os) { *os << c.name; }

class ElevatedWindows : public WheelApp, public ::testing::WithParamInterface<ElevatedCase> {};

std::vector<std::string> press(int vk)
{
    return {"key " + std::to_string(vk) + " down", "key " + std::to_string(vk) + " up"};
}
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_P(ElevatedWindows, NothingIsSentWhereWindowsWouldDropIt)
{
    const ElevatedCase& c = GetParam();
    start_program();
    desk.set_foreground(editor);
    const Hwnd page = desk.add_window("_WwG", "", Rect::from_size(400, 300, 300, 200)); // over the editor
    desk.set_process(editor, kEditorProcess);
    desk.set_process(page, kWordProcess);
    desk.set_process_elevation(kEditorProcess, c.front);
    desk.set_process_elevation(kWordProcess, c.under_pointer);
    desk.set_own_elevation(c.own);
    rest_at({500, 400});
    select_by(c.dx, c.dy);
    desk.clear_input_log();

    desk.user_wheel(-120);
    desk.advance(50);

    EXPECT_EQ(keys_sent(), c.keys);
    EXPECT_EQ(mouse_sent(), c.mouse);
    EXPECT_EQ(app->lifeform().status.text(), c.status);
}

const std::vector<std::string> kNothing;
const std::vector<std::string> kMiddleClick{"mouse middledown", "mouse middleup"};
const std::string kNotice = elevation::kNotice;
constexpr Elevation kLimited = Elevation::Limited, kElevated = Elevation::Elevated, kUnknown = Elevation::Unknown;

INSTANTIATE_TEST_SUITE_P(
    WheelModes, ElevatedWindows,
    ::testing::Values(
        ElevatedCase{"QuickWheelBothLimited", 0, 30, kLimited, kLimited, kLimited, press(0x1B) + press(0x22), kMiddleClick,
                     ".....kk"},
        ElevatedCase{"QuickWheelElevatedInFront", 0, 30, kElevated, kLimited, kLimited, kNothing, kNothing, kNotice},
        ElevatedCase{"TaskWheelElevatedInFront", -30, 0, kElevated, kLimited, kLimited, kNothing, kNothing, kNotice},
        ElevatedCase{"AutoWheelElevatedInFront", 0, -30, kElevated, kLimited, kLimited, kNothing, kNothing, kNotice},
        ElevatedCase{"ElevatedPageUnderThePointerGetsNoClick", 0, 30, kLimited, kElevated, kLimited, press(0x22), kNothing,
                     ".....kk"},
        ElevatedCase{"ProgramElevatedToo", 0, 30, kElevated, kElevated, kElevated, press(0x1B) + press(0x22), kMiddleClick,
                     ".....kk"},
        ElevatedCase{"TokenUnreadableActsAsBefore", 0, 30, kUnknown, kUnknown, kLimited, press(0x1B) + press(0x22),
                     kMiddleClick, ".....kk"}),
    [](const ::testing::TestParamInfo<ElevatedCase>& info) { return std::string(info.param.name); });

// In the normal wheel the notch belongs to the window: no notice.
class ElevatedNormalWheel : public WheelApp {};

TEST_F(ElevatedNormalWheel, ShowsNoNotice)
{
    start_program();
    desk.set_process(editor, kEditorProcess);
    desk.set_process_elevation(kEditorProcess, Elevation::Elevated);
    rest_at({500, 400});
    select_by(30, 0);
    desk.clear_input_log();
    desk.user_wheel(-120);
    desk.advance(50);
    EXPECT_TRUE(desk.input_log().empty());
    EXPECT_EQ(app->lifeform().status.text(), "");
}

} // namespace
} // namespace tv::test
