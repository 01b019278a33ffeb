// Start-up: the form roster, loading the input hook library, the start command
// and the ways the program ends.
#include "sim_app.h"

#include "board/ombrel.h"
#include "board/vykform3.h"
#include "board/regform.h"
#include "board/kxm.h"
#include "board/pictures.h"
#include "board/pyoil.h"
#include "board/rqmenu.h"
#include "board/lifeform.h"

namespace tv::test {
namespace {

using Roster = SimApp;

struct RosterRow {
    const char* name;
    const char* cls;
    const char* caption; // nullptr: not a token cell
    bool visible;
    int left;            // INT_MIN: not fixed
};

constexpr int kAny = INT_MIN;

// Creation order, classes, initial captions and states, as the user's desktop shows them.
const RosterRow kRoster[] = {
    {"pyoil", "Tpyoil", "old--78..2", false, -2000},
    {"FormMain", "TFormMain", "设置说明  12345678  12345678  ", false, -1234},
    {"kxm", "Tkxm", "kxm", false, (1024 - 284) / 2},
    {"modeform", "Tmodeform", "modeform", false, 1024 + 10},
    {"regform", "Tregform", nullptr, false, kAny},
    {"inputmode", "Tinputmode", "inputmode", false, kAny},
    {"vykForm3", "TvykForm3", "down/[[[38661280,1243372--", false, kAny},
    {"ombrel", "Tombrel", "myright", false, -2000},
    {"rqmenu", "Trqmenu", "rqmenu", false, kAny},
    {"taskform", "Ttaskform", "ystop wheel=...", false, kAny},
    {"kxmm", "Tkxmm", "kxmm", false, kAny},
    {"lifeform", "Tlifeform", "mywheel", true, 0},
    {"setform", "Tsetform", "设置", false, kAny},
    {"m3d", "Tm3d", "m3d", false, -2000},
    {"srfForm", "TsrfForm", "srfForm", false, -2000},
    {"vykForm4", "TvykForm4", "vykForm4", false, kAny},
    {"imemess", "Timemess", "imemess", false, kAny},
    {"escmenu", "Tescmenu", "old--downok", false, kAny},
};

TEST_F(Roster, EighteenFormsInOrderWithClassesCaptionsAndStates)
{
    start();
    const auto forms = app->forms();
    ASSERT_EQ(forms.size(), std::size(kRoster));
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const RosterRow& row = kRoster[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(forms[i]->name(), row.name);
        const Hwnd h = window(row.cls);
        ASSERT_NE(h, 0u) << "no window of class " << row.cls;
        EXPECT_EQ(h, forms[i]->hwnd());
        if (row.caption) {
            EXPECT_EQ(desk.title(h), row.caption);
        }
        EXPECT_EQ(desk.is_visible(h), row.visible);
        if (row.left != kAny) {
            EXPECT_EQ(desk.window_rect(h).left, row.left);
        }
    }
    EXPECT_EQ(desk.application_title(), "Tarvesk");
    EXPECT_EQ(desk.application_ex_style() & kExToolWindow, kExToolWindow);
    EXPECT_EQ(desk.current_folder(), desk.program_folder());
}

TEST_F(Roster, FixedPlacesAndSizes)
{
    start();
    EXPECT_EQ(desk.window_rect(window("Tlifeform")), Rect::from_size(0, 0, 1024, 180));
    EXPECT_EQ(desk.window_rect(window("Tkxm")), Rect::from_size(370, 297, 284, 173));
    EXPECT_EQ(desk.window_rect(window("Tmodeform")).width(), 482);
    EXPECT_EQ(desk.window_rect(window("Tescmenu")).width(), 729);
    EXPECT_EQ(desk.window_rect(window("Tescmenu")).height(), 541);
    EXPECT_EQ(desk.window_rect(window("TFormMain")).height(), 508);
    const Rect main = desk.window_rect(window("Tpyoil"));
    EXPECT_EQ(main, Rect::from_size(-2000, 380, kMainPictureWidth, kMainPictureHeight));
    EXPECT_EQ(app->regform().oldpath.text(), desk.program_folder());
    EXPECT_EQ(app->pyoil().Panel6.text(), "UNISPIM_COMPCLS");
}

TEST_F(Roster, HooksAreSwitchedOnAtStart)
{
    start();
    EXPECT_TRUE(desk.library_loaded("wrhk.dll"));
    EXPECT_TRUE(desk.mouse_hook_on());
    EXPECT_TRUE(desk.keyboard_hook_on());
    EXPECT_TRUE(desk.message_boxes().empty());
    EXPECT_FALSE(app->ended());
}

struct LibraryFailure {
    const char* what;
    bool library_present;
    bool has_mouse_entry;
    bool has_keyboard_entry;
    const char* message;
    bool mouse_hook_was_set;
};

void PrintTo(const LibraryFailure& c, std::ostream* os) { *os << c.what; }

class HookLibraryFailure : public SimApp, public ::testing::WithParamInterface<LibraryFailure> {};

TEST_P(HookLibraryFailure, TellsTheUserAndEndsWithCodeOne)
{
    const LibraryFailure& c = GetParam();
    desk.remove_library("wrhk.dll");
    if (c.library_present) {
        sim::SimLibrary lib = desk.hook_library();
        if (!c.has_mouse_entry)
            lib.entries.erase("SetHookmo");
        if (!c.has_keyboard_entry)
            lib.entries.erase("SetHookkb");
        desk.install_library("wrhk.dll", lib);
    }
    start();
    ASSERT_EQ(desk.message_boxes().size(), 1u);
    EXPECT_EQ(desk.message_boxes()[0].text, c.message);
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(app->exit_code(), 1);
    EXPECT_EQ(desk.quit_code(), 1);
    EXPECT_FALSE(desk.library_loaded("wrhk.dll"));
    EXPECT_EQ(app->forms().size(), 1u) << "no form after the main form is created";
    EXPECT_EQ(window("TFormMain"), 0u);
    EXPECT_EQ(desk.mouse_hook_on(), c.mouse_hook_was_set);
    EXPECT_FALSE(desk.keyboard_hook_on());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HookLibraryFailure,
    ::testing::Values(LibraryFailure{"missing", false, false, false, "DLL: 不能加载！程序退出。", false},
                      LibraryFailure{"no_SetHookmo", true, false, true, "DLL: 函数没找到！程序退出。", false},
                      LibraryFailure{"no_SetHookkb", true, true, false, "DLL: 函数没找到！程序退出。", true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Roster, ArgumentOneGoesIntoLabel7)
{
    start({"auto", "second"});
    EXPECT_EQ(app->pyoil().Label7.text(), "auto");
}

TEST_F(Roster, NoArgumentLeavesLabel7Empty)
{
    start();
    EXPECT_EQ(app->pyoil().Label7.text(), "");
}

TEST_F(Roster, StartCommandRunsOnTheFirstTick)
{
    start();
    app->lifeform().set_caption("mywheelquick");
    desk.advance(29);
    EXPECT_FALSE(desk.is_visible(window("Trqmenu")));
    desk.advance(1);
    for (const char* cls : {"Trqmenu", "TvykForm3"}) {
        EXPECT_TRUE(desk.is_visible(window(cls))) << cls;
        EXPECT_EQ(desk.window_rect(window(cls)).left, -2000) << cls;
    }
    EXPECT_EQ(caption("Tlifeform"), "mywheel");
    EXPECT_EQ(app->ombrel().Button41.text(), "返回");
    EXPECT_EQ(app->ombrel().rtmenu.left(), -2000);
    // Only once: a later change of the mode token stays.
    app->lifeform().set_caption("mywheelslow");
    desk.advance(300);
    EXPECT_EQ(caption("Tlifeform"), "mywheelslow");
}

TEST_F(Roster, BrowserFormIsParkedWhileRegformIsOnTheScreen)
{
    start();
    app->regform().set_left(1025);
    app->ombrel().set_left(10);
    desk.advance(30);
    EXPECT_EQ(app->ombrel().left(), -2000);
    app->regform().set_left(-2000);
    app->ombrel().set_left(10);
    desk.advance(60);
    EXPECT_EQ(app->ombrel().left(), 10);
}

TEST_F(Roster, ClosingTheMainFormEndsTheProgram)
{
    start();
    desk.post_close(window("Tpyoil"));
    desk.advance(1);
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(desk.quit_code(), 0);
}

TEST_F(Roster, ClosingAnotherFormDoesNotEndTheProgram)
{
    start();
    app->kxm().show();
    desk.post_close(window("Tkxm"));
    desk.advance(1);
    EXPECT_FALSE(app->ended());
    EXPECT_FALSE(desk.is_visible(window("Tkxm")));
}

// The main form's window is its picture minus the cyan-keyed pixels.
TEST_F(Roster, WindowRegionCutsGreenAndBlueSaturatedPixels)
{
    start();
    const WindowRegion* region = desk.region(window("Tpyoil"));
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(region->contains({0, 0})) << "corner pixel of Image1 is cut";
    EXPECT_FALSE(region->contains({kMainPictureWidth - 1, kMainPictureHeight - 1}));
    EXPECT_TRUE(region->contains({kMainPictureWidth / 2, kMainPictureHeight / 2}));
    EXPECT_TRUE(region->contains({5, 5})) << "cut by Image3's wider corner only, not by Image1";
    EXPECT_FALSE(region->contains({kMainPictureWidth, 10})) << "outside the picture";

    app->pyoil().dispall.click();
    region = desk.region(window("Tpyoil"));
    EXPECT_FALSE(region->contains({5, 5})) << "dispall cuts Image3's pixels";
}

TEST_F(Roster, CutPixelIgnoresRed)
{
    EXPECT_TRUE(is_cut_pixel(0x00FFFF));
    EXPECT_TRUE(is_cut_pixel(0xFFFFFF));
    EXPECT_TRUE(is_cut_pixel(0x80FFFF));
    EXPECT_FALSE(is_cut_pixel(0x00FEFF));
    EXPECT_FALSE(is_cut_pixel(0x00FFFE));
}

class MainPictures : public SimApp {
protected:
    void SetUp() override
    {
        start();
        pyoil().set_left(100); // bring it where a test can point at it
        pyoil().show();
    }
    Tpyoil& pyoil() { return app->pyoil(); }
    void click_at(Point p, MouseButton b)
    {
        desk.user_move(p);
        desk.user_button(b, ButtonAction::Down);
        desk.user_button(b, ButtonAction::Up);
    }
    Point on(const ui::Control& c) const { return {100 + c.left() + 2, 380 + c.top() + 2}; }
};

TEST_F(MainPictures, StartLabelMovesMainFormAndRegformOffScreen)
{
    click_at(on(pyoil().Label2), MouseButton::Left);
    EXPECT_EQ(pyoil().left(), 1025);
    EXPECT_EQ(app->regform().left(), 1025);
    EXPECT_FALSE(pyoil().visible());
}

TEST_F(MainPictures, PressOnLabel4ParksMainFormAndKeyPad)
{
    desk.user_move(on(pyoil().Label4));
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    EXPECT_EQ(app->kxm().left(), 1034);
    EXPECT_FALSE(pyoil().Image3.visible());
    EXPECT_FALSE(pyoil().visible());
    EXPECT_EQ(pyoil().left(), -2000) << "Button2 parks it again";
}

TEST_F(MainPictures, RightReleaseOverThePictureEndsTheProgram)
{
    pyoil().Image3.hide();
    click_at({100 + 150, 380 + 120}, MouseButton::Right);
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(desk.quit_code(), 0);
}

TEST_F(MainPictures, LeftReleaseOverThePictureOnlyResizesIt)
{
    pyoil().Image3.hide();
    click_at({100 + 150, 380 + 120}, MouseButton::Left);
    EXPECT_FALSE(app->ended());
    EXPECT_EQ(pyoil().Image1.height(), 234);
    pyoil().Image1.set_height(150);
    click_at({100 + 150, 380 + 120}, MouseButton::Left);
    EXPECT_EQ(pyoil().Image1.height(), 76);
}

TEST_F(Roster, ChoosingAnotherCompositionClassCopiesIt)
{
    start();
    app->pyoil().ListBox3.select(0);
    EXPECT_EQ(app->pyoil().Panel6.text(), "ReadPINTLGNT");
}

} // namespace
} // namespace tv::test
