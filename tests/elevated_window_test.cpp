// Elevated windows on the simulated desktop: Windows drops the input a program
// that is not elevated sends to a window of an elevated process, so the wheel
// modes and the other senders (the right button, the pads) send nothing there
// and the status bar says why.
#include "keyboard_pad_sim.h"
#include "wheel_sim.h"

#include "board/lifeform.h"
#include "board/m3d.h"
#include "core/elevation.h"

#include <functional>
#include <tuple>

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

// Every other sender of keys or clicks asks first: with the editor elevated
// it sends nothing and shows the notice; with it limited it sends as always.
class ElevatedSenders;

struct SenderCase {
    const char* name;
    std::function<void(ElevatedSenders&)> act;
    std::vector<std::string> keys; // what the editor gets when it is not elevated
    std::vector<std::string> mouse;
};

void PrintTo(const SenderCase& c, std::ostream* os) { *os << c.name; }

class ElevatedSenders : public KeyboardPadSim,
                        public ::testing::WithParamInterface<std::tuple<SenderCase, Elevation>> {
public:
    using KeyboardPadSim::desk;
    using KeyboardPadSim::select_by;

    void right_click()
    {
        desk.user_button(MouseButton::Right, ButtonAction::Down);
        desk.advance(kEngineTick);
        desk.user_button(MouseButton::Right, ButtonAction::Up);
        desk.advance(200);
    }

    // The keyboard pad open, then a typed key.
    void pad_key(int vk)
    {
        open_pad();
        desk.clear_input_log();
        tap(vk, 150);
        desk.advance(200);
    }

    // The 3D pad at `at`, its target the editor above and to its left; a left
    // press on the pad's part at `on_pad`.
    void mouse_pad_press(Point at, Point on_pad)
    {
        Tm3d& pad = app->m3d();
        pad.show();
        pad.set_bounds(at.x, at.y, Tm3d::kSize, Tm3d::kSize);
        pad.Timer1.set_enabled(true);
        app->ombrel().Timer1.set_enabled(false);
        desk.advance(100);
        desk.clear_input_log();
        desk.user_move({at.x + on_pad.x, at.y + on_pad.y});
        desk.user_button(MouseButton::Left, ButtonAction::Down);
        desk.user_button(MouseButton::Left, ButtonAction::Up);
        desk.advance(100);
    }
};

TEST_P(ElevatedSenders, SendNothingToAnElevatedWindow)
{
    const auto& [c, front] = GetParam();
    start_program();
    desk.set_process(editor, kEditorProcess);
    desk.set_process_elevation(kEditorProcess, front);
    rest_at({500, 400});
    desk.clear_input_log();

    c.act(*this);

    const bool elevated = front == Elevation::Elevated;
    EXPECT_EQ(keys_sent(), elevated ? kNothing : c.keys);
    EXPECT_EQ(mouse_sent(), elevated ? kNothing : c.mouse);
    if (elevated)
        EXPECT_EQ(app->lifeform().status.text(), kNotice);
    else
        EXPECT_NE(app->lifeform().status.text(), kNotice);
}

INSTANTIATE_TEST_SUITE_P(
    OtherSenders, ElevatedSenders,
    ::testing::Combine(
        ::testing::Values(
            SenderCase{"RightReleaseInTheAutoWheel",
                       [](ElevatedSenders& t) {
                           t.select_by(0, -30);
                           t.desk.clear_input_log();
                           t.right_click();
                       },
                       press(0x0D), kNothing},
            SenderCase{"KeyPadArrow", [](ElevatedSenders& t) { t.pad_key('A'); }, press(0x25), kNothing},
            SenderCase{"KeyPadEnter", [](ElevatedSenders& t) { t.pad_key(0xBA); }, press(0x0D), kNothing},
            SenderCase{"KeyPadClick", [](ElevatedSenders& t) { t.pad_key(0x20); }, kNothing,
                       {"mouse leftdown", "mouse leftup"}},
            SenderCase{"MousePadSlot", [](ElevatedSenders& t) { t.mouse_pad_press({400, 400}, {29, 15}); },
                       press(0x26), kNothing}),
        ::testing::Values(Elevation::Limited, Elevation::Elevated)),
    [](const ::testing::TestParamInfo<std::tuple<SenderCase, Elevation>>& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Elevation::Elevated ? "Elevated" : "Limited");
    });

} // namespace
} // namespace tv::test
