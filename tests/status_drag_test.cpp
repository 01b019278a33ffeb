// The status timer's drag results: after an easy drag or a key-pad drag, the
// key held or the mouse event decides what happens to the selection.
#include "status_form.h"

#include "board/pyoil.h"

#include <string>
#include <vector>

namespace tv::test {
namespace {

// ---- the status timer: drag results ----

enum class Drag { Easy, KeyPad, None };

struct DragCase {
    const char* name;
    Drag drag;
    const char* class_under_pointer;
    int key_held;              // 0: none
    const char* mouse_cell;    // written into the mouse-event cell; empty: left alone
    std::vector<std::string> inputs;
    const char* vykform4;
    const char* dragflag;
    const char* easydragid;
    const char* command_cell; // after the main loop's next tick
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class StatusDragResults : public StatusForm, public ::testing::WithParamInterface<DragCase> {};

TEST_P(StatusDragResults, TheKeyOrTheMouseEventDecidesWhatHappensToTheSelection)
{
    const DragCase& c = GetParam();
    start_program();
    desk.add_window(c.class_under_pointer, "", Rect::from_size(200, 300, 600, 300));
    desk.user_move({500, 400});
    desk.set_clipboard("鼠标");
    set_caption("Tregform", "regform");
    if (c.drag == Drag::Easy) {
        app->pyoil().easydrag.click();
        desk.advance(100); // the status timer notes the drag
    } else if (c.drag == Drag::KeyPad) {
        bar().dragflag.set_text("drag up");
    }
    const std::string vykform4_before = caption("TvykForm4");
    const std::string dragflag_before = bar().dragflag.text();
    desk.clear_input_log();

    restart_status_timer();
    if (c.key_held)
        desk.user_key(c.key_held, KeyAction::Down);
    if (*c.mouse_cell)
        set_caption("TvykForm3", c.mouse_cell);
    desk.advance(100);

    EXPECT_EQ(inputs_from_tick(), c.inputs);
    EXPECT_EQ(caption("TvykForm4"), *c.vykform4 ? c.vykform4 : vykform4_before);
    EXPECT_EQ(bar().dragflag.text(), *c.dragflag ? c.dragflag : dragflag_before);
    EXPECT_EQ(bar().easydragid.text(), c.easydragid);
    desk.advance(50);
    EXPECT_EQ(caption("Tregform"), c.command_cell);
}

const std::vector<std::string> kPaste{"+0 mouse leftup",   "+0 key 17 down",    "+0 key 86 down",
                                      "+0 key 86 up",      "+0 key 17 up",      "+0 mouse leftdown",
                                      "+0 mouse leftup",   "+50 mouse leftdown", "+50 mouse leftup"};
const std::vector<std::string> kCopyWithMenu{"+0 mouse leftup",    "+10 key 17 down",   "+10 key 67 down",
                                             "+10 key 67 up",      "+10 key 17 up",     "+20 mouse rightdown",
                                             "+20 mouse rightup", "+20 key 67 down",   "+20 key 67 up"};
const std::vector<std::string> kCopyOnly{"+0 mouse leftup", "+10 key 17 down", "+10 key 67 down", "+10 key 67 up",
                                         "+10 key 17 up"};
const std::vector<std::string> kCut{"+0 mouse leftup", "+0 key 16 down", "+0 key 46 down", "+0 key 46 up",
                                    "+0 key 16 up"};
const std::vector<std::string> kMenuCopy{"+10 key 67 down", "+10 key 67 up", "+10 mouse leftup"};
const std::vector<std::string> kNothing;

INSTANTIATE_TEST_SUITE_P(
    EveryResult, StatusDragResults,
    ::testing::Values(
        DragCase{"WindowsKeyPastes", Drag::Easy, "Edit", kWindowsKey, "", kPaste, "xx drag up", "xx drag up", "", "regform"},
        DragCase{"CtrlCopiesAndSearches", Drag::Easy, "Edit", kCtrl, "", kCopyWithMenu, "xx drag up", "xx drag up",
                 "ctrl function", "vykgonewurl=鼠标"},
        DragCase{"CtrlInAWordPageCopiesWithoutTheMenu", Drag::Easy, "_WwG", kCtrl, "", kCopyOnly, "xx drag up",
                 "xx drag up", "ctrl function", "vykgonewurl=鼠标"},
        DragCase{"CtrlInTheOtherDocumentPane", Drag::Easy, "paneClassDC", kCtrl, "", kCopyOnly, "xx drag up",
                 "xx drag up", "ctrl function", "vykgonewurl=鼠标"},
        DragCase{"SpaceCuts", Drag::Easy, "Edit", kSpace, "", kCut, "xx drag up", "xx drag up", "", "regform"},
        DragCase{"SpaceAfterAKeyPadDrag", Drag::KeyPad, "Edit", kSpace, "", kCut, "xx drag up", "xx drag up", "",
                 "regform"},
        DragCase{"RightReleaseTakesTheMenusCopy", Drag::Easy, "Edit", 0, "xx rightup ok", kMenuCopy, "xx drag up",
                 "xx drag up", "ctrl function", "regform"},
        DragCase{"WheelDropsTheDrag", Drag::Easy, "Edit", 0, "ystop browok", kNothing, "qq drag", "qq drag up", "",
                 "regform"},
        DragCase{"NoKeyNoResult", Drag::Easy, "Edit", 0, "", kNothing, "", "", "", "regform"},
        DragCase{"NoDragNoResult", Drag::None, "Edit", kSpace, "", kNothing, "", "", "", "regform"}),
    [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST_F(StatusForm, CtrlAfterADragDoesNotRestartEasyDragUntilTheLeftButtonConfirms)
{
    start_program();
    desk.user_move({500, 400});
    app->pyoil().easydrag.click();
    desk.advance(100);
    desk.user_key(kCtrl, KeyAction::Down);
    desk.advance(100);
    desk.user_key(kCtrl, KeyAction::Up);
    ASSERT_EQ(bar().easydragid.text(), "ctrl function");

    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.advance(100);
    EXPECT_EQ(bar().easydragid.text(), "okctrl function");
}

} // namespace
} // namespace tv::test
