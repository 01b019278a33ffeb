// Window classification: which window each probe examines and how its class is
// compared with the named lists, on desktops built for each case.
#include "random_desktop.h"
#include "sim_app.h"

#include "board/vykform3.h"
#include "core/classify.h"
#include "board/m3d.h"
#include "board/form_main.h"
#include "board/lifeform.h"

#include <array>
#include <cctype>
#include <random>
#include <string>

namespace tv::test {
namespace {

namespace cls = tv::classify;

using ClassifyApp = SimApp;

// A square of side 2 * half centred on a point.
Rect around(Point c, int half) { return Rect::from_size(c.x - half, c.y - half, 2 * half, 2 * half); }

// ---- class and title buffers ----

struct BufferRow {
    std::string text;
    std::string read; // what the program compares
};

TEST(ClassifyBuffers, ClassNamesAreComparedByTheirFirst94Bytes)
{
    const std::string p94 = std::string(88, 'L') + "#32768";
    const BufferRow rows[] = {
        {"Notepad", "Notepad"},
        {p94, p94},
        {p94 + "X", p94},
        {p94 + std::string(200, 'Y'), p94},
    };
    for (const BufferRow& row : rows) {
        SCOPED_TRACE(row.text.size());
        sim::SimDesktop desk;
        const Hwnd h = desk.add_window(row.text, "t", Rect::from_size(100, 240, 300, 200));
        EXPECT_EQ(cls::class_of(desk, h), row.read);
        EXPECT_EQ(cls::class_at(desk, {200, 300}), row.read);
        EXPECT_EQ(cls::screen_has_class(desk, row.text), row.text.size() <= 94)
            << "a name longer than the buffer is never found";
    }
}

TEST(ClassifyBuffers, LongClassMatchesAListMemberOfItsFirst94Bytes)
{
    // A class whose first 94 bytes equal a wanted name is found by the scan.
    const std::string wanted = std::string(79, 'W') + "ToolbarWindow32";
    ASSERT_EQ(wanted.size(), 94u);
    sim::SimDesktop desk;
    desk.add_window(wanted + "-and-more", "", Rect::from_size(0, 600, 1024, 200));
    EXPECT_TRUE(cls::screen_has_class(desk, wanted));
    EXPECT_FALSE(cls::screen_has_class(desk, wanted + "-and-more"));
}

TEST(ClassifyBuffers, TitlesAreReadUpTo109Bytes)
{
    const std::string t109(109, 'T');
    const BufferRow rows[] = {
        {"", ""},
        {"记事本", "记事本"},
        {t109, t109},
        {t109 + "U", t109},
        {t109 + std::string(5000, 'V'), t109},
    };
    for (const BufferRow& row : rows) {
        SCOPED_TRACE(row.text.size());
        sim::SimDesktop desk;
        const Hwnd h = desk.add_window("Notepad", row.text, Rect::from_size(100, 240, 300, 200));
        EXPECT_EQ(cls::title_of(desk, h), row.read);
    }
}

TEST(ClassifyBuffers, NullOrVanishedWindowsHaveNoClassAndMatchNothing)
{
    sim::SimDesktop desk;
    const Hwnd gone = desk.add_window("#32768", "menu", Rect::from_size(100, 240, 300, 200), Visibility::Shown, Topmost::Yes);
    desk.destroy_window(gone);
    for (Hwnd h : {Hwnd{0}, gone, Hwnd{0xDEADBEEF}}) {
        SCOPED_TRACE(h);
        EXPECT_EQ(cls::class_of(desk, h), "");
        EXPECT_EQ(cls::title_of(desk, h), "");
        EXPECT_FALSE(cls::in_list(cls::class_of(desk, h), cls::kMenuClasses));
        EXPECT_FALSE(cls::contains_any(cls::class_of(desk, h), cls::kPopupNeighbourhoodClasses));
        EXPECT_FALSE(cls::cursor_inside(desk, h, {200, 300}));
    }
    // Nothing left on the desktop: every probe comes back empty.
    EXPECT_EQ(cls::class_at(desk, {200, 300}), "");
    EXPECT_EQ(cls::root_at(desk, {200, 300}), 0u);
    EXPECT_EQ(cls::top_class(desk), "");
    EXPECT_EQ(cls::foreground_class(desk), "");
    EXPECT_EQ(cls::window_below_top(desk), 0u);
    EXPECT_EQ(cls::class_below_top(desk), "");
    EXPECT_EQ(cls::neighbourhood_classes(desk, {200, 300}), "//////");
    EXPECT_FALSE(cls::menu_open(desk));
    EXPECT_FALSE(cls::cursor_on_menu_item(desk, {200, 300}));
}

// ---- point window, root window, cursor inside ----

// A notepad frame with an edit and a status bar; the edit holds a small panel.
struct Notepad {
    explicit Notepad(sim::SimDesktop& desk)
        : frame(desk.add_window("Notepad", "无标题 - 记事本", Rect::from_size(100, 200, 400, 300))),
          edit(desk.add_window("Edit", "", Rect::from_size(10, 30, 380, 200), Visibility::Shown, Topmost::No, frame)),
          panel(desk.add_window("Panel", "", Rect::from_size(20, 20, 50, 50), Visibility::Shown, Topmost::No, edit)),
          status(desk.add_window("msctls_statusbar32", "", Rect::from_size(0, 270, 400, 30), Visibility::Shown,
                                 Topmost::No, frame))
    {
    }
    Hwnd frame, edit, panel, status;
};

struct PointRow {
    const char* where;
    Point at;
    const char* class_there;
    bool root_is_frame;
    bool inside_frame;
};

TEST(ClassifyPoint, RootClimbsParentsAndInsideMeansADescendant)
{
    const PointRow rows[] = {
        {"panel in the edit", {140, 260}, "Panel", true, true},
        {"edit", {300, 300}, "Edit", true, true},
        {"status bar", {300, 480}, "msctls_statusbar32", true, true},
        {"frame itself", {105, 205}, "Notepad", true, false},
        {"bare desktop", {700, 300}, "", false, false},
    };
    for (const PointRow& row : rows) {
        SCOPED_TRACE(row.where);
        sim::SimDesktop desk;
        const Notepad np(desk);
        EXPECT_EQ(cls::class_at(desk, row.at), row.class_there);
        EXPECT_EQ(cls::root_at(desk, row.at), row.root_is_frame ? np.frame : Hwnd{0});
        EXPECT_EQ(cls::cursor_inside(desk, np.frame, row.at), row.inside_frame);
    }
}

TEST(ClassifyPoint, AWindowInFrontHidesTheDescendantUnderTheCursor)
{
    sim::SimDesktop desk;
    const Notepad np(desk);
    const Hwnd front = desk.add_window("Calc", "", Rect::from_size(250, 250, 100, 100));
    EXPECT_EQ(cls::root_at(desk, {300, 300}), front);
    EXPECT_FALSE(cls::cursor_inside(desk, np.frame, {300, 300}));
    EXPECT_TRUE(cls::cursor_inside(desk, np.edit, {140, 260}));
    EXPECT_FALSE(cls::cursor_inside(desk, np.panel, {140, 260}));
}

// ---- top window, foreground, tooltips ----

struct TopRow {
    const char* top;
    bool menu;
};

TEST(ClassifyTop, TheTopWindowNotTheForegroundDecidesWhetherAMenuIsOpen)
{
    const TopRow rows[] = {
        {"#32768", true},          {"BaseBar", true},          {"MsoCommandBarPopup", true},
        {"ToolbarWindow32", false}, {"tooltips_class32", false}, {"#327680", false},
        {"BaseBar2", false},        {"basebar", false},          {"ComboLBox", false},
    };
    for (const TopRow& row : rows) {
        SCOPED_TRACE(row.top);
        sim::SimDesktop desk;
        const Hwnd word = desk.add_window("OpusApp", "文档1 - Word", Rect::from_size(0, 0, 1024, 740));
        desk.set_foreground(word);
        // A menu of a background program: it is on top but not in front.
        desk.add_window(row.top, "", Rect::from_size(600, 300, 150, 200), Visibility::Shown, Topmost::Yes);
        EXPECT_EQ(cls::foreground_class(desk), "OpusApp");
        EXPECT_EQ(cls::top_class(desk), row.top);
        EXPECT_EQ(cls::menu_on_top(desk), row.menu);
        EXPECT_EQ(cls::menu_open(desk), row.menu);
    }
}

TEST(ClassifyTop, AMenuInFrontButNotOnTopIsNotOpen)
{
    sim::SimDesktop desk;
    const Hwnd menu = desk.add_window("#32768", "", Rect::from_size(600, 300, 150, 200));
    desk.set_foreground(menu);
    desk.add_window("Shell_TrayWnd", "", Rect::from_size(0, 728, 1024, 40), Visibility::Shown, Topmost::Yes);
    EXPECT_EQ(cls::foreground_class(desk), "#32768");
    EXPECT_FALSE(cls::menu_open(desk));
}

TEST(ClassifyTop, ATooltipOnTopIsNoMenuAndTheWindowBelowItIsReported)
{
    const char* const below_rows[] = {"#32768", "Notepad"};
    for (const char* below : below_rows) {
        SCOPED_TRACE(below);
        sim::SimDesktop desk;
        const Hwnd under = desk.add_window(below, "", Rect::from_size(300, 300, 200, 200), Visibility::Shown, Topmost::Yes);
        desk.add_window("tooltips_class32", "提示", Rect::from_size(320, 280, 120, 20), Visibility::Shown, Topmost::Yes);
        EXPECT_EQ(cls::top_class(desk), "tooltips_class32");
        EXPECT_FALSE(cls::menu_open(desk));
        EXPECT_EQ(cls::window_below_top(desk), under);
        EXPECT_EQ(cls::class_below_top(desk), below);
    }
}

// ---- the neighbourhood ----

TEST(ClassifyNeighbourhood, FourDiagonalPointsInOrderJoinedBySlashes)
{
    sim::SimDesktop desk;
    const Point c{500, 400};
    const Hwnd desktop = desk.add_window("Desktop", "", Rect::from_size(0, 0, 1024, 768));
    desk.add_window("SE", "", around({c.x + 30, c.y + 30}, 5));
    const Hwnd ne = desk.add_window("NE", "", around({c.x + 30, c.y - 30}, 5));
    desk.add_window("NW", "", around({c.x - 30, c.y - 30}, 5));
    desk.add_window("SW", "", around({c.x - 30, c.y + 30}, 5));
    desk.add_window("Centre", "", around(c, 20));
    EXPECT_EQ(cls::neighbourhood_classes(desk, c), "SE//NE//NW//SW");

    desk.destroy_window(ne);
    desk.destroy_window(desktop);
    EXPECT_EQ(cls::neighbourhood_classes(desk, c), "SE////NW//SW") << "a point over nothing keeps its place";
}

// ---- list semantics through the probes that use them ----

struct ListRow {
    const char* cls;
    bool menu_open;    // as the top window
    bool on_menu_item; // under the cursor
    bool near_popup;   // around the cursor
};

void PrintTo(const ListRow& row, std::ostream* os) { *os << row.cls; }

class ClassifyLists : public SimApp, public ::testing::WithParamInterface<ListRow> {};

TEST_P(ClassifyLists, PopupPartsMatchAnywhereOtherListsWholeNamesOnly)
{
    const ListRow& row = GetParam();
    start();
    const Point cursor{400, 450};
    desk.add_window(row.cls, "", around(cursor, 100), Visibility::Shown, Topmost::Yes);
    EXPECT_EQ(cls::menu_open(desk), row.menu_open);
    EXPECT_EQ(cls::cursor_on_menu_item(desk, cursor), row.on_menu_item);
    EXPECT_EQ(cls::near_popup(*app, cursor), row.near_popup);
}

INSTANTIATE_TEST_SUITE_P(Classify, ClassifyLists,
                         ::testing::Values(ListRow{"#32768", true, true, true},
                                           ListRow{"BaseBar", true, true, true},
                                           ListRow{"MsoCommandBarPopup", true, true, true},
                                           ListRow{"ToolbarWindow32", false, true, true},
                                           ListRow{"OfficeDropdown", false, false, true},
                                           ListRow{"VFP66400002", false, false, true},
                                           ListRow{"ComboBox", false, false, true},
                                           ListRow{"ComboLBox", false, false, true},
                                           ListRow{"Chrome_WidgetWin_Popup", false, false, true},
                                           ListRow{"#327680", false, false, true},
                                           ListRow{"BaseBarWindow32", false, false, true},
                                           ListRow{"combobox", false, false, false},
                                           ListRow{"popup", false, false, false},
                                           ListRow{"Notepad", false, false, false}),
                         [](const auto& info) {
                             std::string name;
                             for (char ch : std::string(info.param.cls))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

struct PopupRow {
    const char* what;
    Rect combo;             // a "ComboBox" relative to the cursor at (400, 450)
    const char* m3d;        // caption of the 3D panel form
    const char* mouse_cell; // caption of `vykForm3`
    bool near;
};

void PrintTo(const PopupRow& row, std::ostream* os) { *os << row.what; }

class ClassifyPopup : public SimApp, public ::testing::WithParamInterface<PopupRow> {};

TEST_P(ClassifyPopup, NeighbourhoodAndTheTwoCaptionsAreSearched)
{
    const PopupRow& row = GetParam();
    start();
    const Point cursor{400, 450};
    desk.add_window("Notepad", "", around(cursor, 200));
    desk.add_window("ComboBox", "", row.combo.moved_to(cursor.x + row.combo.left, cursor.y + row.combo.top));
    app->m3d().set_caption(row.m3d);
    app->vykForm3().set_caption(row.mouse_cell);
    EXPECT_EQ(cls::near_popup(*app, cursor), row.near) << cls::popup_neighbourhood_text(*app, cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Classify, ClassifyPopup,
    ::testing::Values(PopupRow{"on_the_lower_right_point", Rect::from_size(25, 25, 10, 10), "m3d", "down/", true},
                      PopupRow{"on_the_upper_left_point", Rect::from_size(-35, -35, 10, 10), "m3d", "down/", true},
                      PopupRow{"under_the_cursor_only", Rect::from_size(-20, -20, 40, 40), "m3d", "down/", false},
                      PopupRow{"beyond_the_points", Rect::from_size(31, 31, 40, 40), "m3d", "down/", false},
                      PopupRow{"none_near_menu_token", Rect::from_size(300, 0, 10, 10), "old--pop", "down/", false},
                      PopupRow{"in_the_3d_caption", Rect::from_size(300, 0, 10, 10), "Popup", "", true},
                      PopupRow{"in_the_mouse_cell", Rect::from_size(300, 0, 10, 10), "m3d", "down/#32768", true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ClassifyApp, PopupTextJoinsTheClassesThenBothCaptions)
{
    start();
    const Point cursor{400, 450};
    desk.add_window("Notepad", "", around(cursor, 200));
    app->m3d().set_caption("old--pop");
    app->vykForm3().set_caption("rightup");
    EXPECT_EQ(cls::popup_neighbourhood_text(*app, cursor), "Notepad//Notepad//Notepad//Notepad--old--pop..rightup");
}

// ---- the screen scan ----

struct ScanRow {
    const char* what;
    Size screen;
    Rect toolbar;
    const char* toolbar_class;
    bool found;
};

TEST(ClassifyScreenScan, FindsTheToolbarOnlyOnAGridPoint)
{
    const ScanRow rows[] = {
        {"bottom taskbar on row 720", {1024, 768}, Rect::from_size(0, 720, 1024, 48), "ToolbarWindow32", true},
        {"taskbar between row 720 and the bottom", {1024, 768}, Rect::from_size(0, 730, 1024, 38), "ToolbarWindow32", false},
        {"strip between rows 120 and 240", {1024, 768}, Rect::from_size(0, 121, 1024, 118), "ToolbarWindow32", false},
        {"strip over row 240", {1024, 768}, Rect::from_size(0, 239, 1024, 2), "ToolbarWindow32", true},
        {"left taskbar on column 0", {1024, 768}, Rect::from_size(0, 0, 40, 768), "ToolbarWindow32", true},
        {"side bar between columns 60 and 120", {1024, 768}, Rect::from_size(61, 0, 58, 768), "ToolbarWindow32", false},
        {"right edge past the last column", {1024, 768}, Rect::from_size(1021, 0, 3, 768), "ToolbarWindow32", false},
        {"last point of a wide screen", {1920, 1080}, Rect::from_size(1860, 960, 1, 1), "ToolbarWindow32", true},
        {"a toolbar of another name", {1024, 768}, Rect::from_size(0, 720, 1024, 48), "ToolbarWindow32x", false},
        {"an empty screen", {0, 0}, Rect::from_size(0, 0, 10, 10), "ToolbarWindow32", false},
    };
    for (const ScanRow& row : rows) {
        SCOPED_TRACE(row.what);
        sim::SimDesktop desk(row.screen);
        desk.add_window("Progman", "Program Manager", Rect::from_size(0, 0, 1920, 1080));
        desk.add_window(row.toolbar_class, "", row.toolbar, Visibility::Shown, Topmost::Yes);
        EXPECT_EQ(cls::screen_has_class(desk, "ToolbarWindow32"), row.found);
    }
}

TEST(ClassifyScreenScan, SeesTheInnermostWindowAndOnlyWhatIsInFront)
{
    sim::SimDesktop desk;
    const Hwnd tray = desk.add_window("Shell_TrayWnd", "", Rect::from_size(0, 720, 1024, 48), Visibility::Shown, Topmost::Yes);
    const Hwnd rebar = desk.add_window("ReBarWindow32", "", Rect::from_size(0, 0, 1024, 48), Visibility::Shown, Topmost::No, tray);
    desk.add_window("ToolbarWindow32", "", Rect::from_size(0, 0, 1024, 48), Visibility::Shown, Topmost::No, rebar);
    EXPECT_TRUE(cls::screen_has_class(desk, "ToolbarWindow32"));
    EXPECT_FALSE(cls::screen_has_class(desk, "Shell_TrayWnd"));

    desk.add_window("Cover", "", Rect::from_size(0, 700, 1024, 68), Visibility::Shown, Topmost::Yes);
    EXPECT_FALSE(cls::screen_has_class(desk, "ToolbarWindow32"));
}

// The scan that probes only inside windows of the class gives the answer of
// probing every grid point, on random desktops.
TEST(ClassifyScreenScan, AgreesWithProbingEveryGridPointOnRandomDesktops)
{
    const std::array<std::string, 4> wanted{"ToolbarWindow32", "Notepad", std::string(79, 'W') + "ToolbarWindow32",
                                            "NoSuchClass"};
    const std::array<Size, 3> screens{Size{1024, 768}, Size{1920, 1080}, Size{800, 600}};
    int found = 0, checked = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        sim::SimDesktop desk(screens[seed % screens.size()]);
        RandomDesktop(seed).build(desk);
        for (const std::string& name : wanted) {
            const bool by_probes = cls::screen_has_class_by_probes(desk, name);
            EXPECT_EQ(cls::screen_has_class(desk, name), by_probes) << "seed " << seed << ", class " << name;
            found += by_probes ? 1 : 0;
            ++checked;
        }
    }
    // The layouts exercise both answers, so neither side can agree by always saying one thing.
    EXPECT_GT(found, checked / 10);
    EXPECT_LT(found, checked - checked / 10);
}

// ---- the start-menu marker ----

using ClassifyMarker = SimApp;

TEST_F(ClassifyMarker, CountsAsAMenuUntilAClickClearsItEvenAfterTheMenuClosed)
{
    start();
    EXPECT_FALSE(cls::menu_open(desk));
    app->FormMain().set_caption("开始菜单--12345678  12345678  ");
    const Hwnd start_menu = desk.add_window("DV2ControlHost", "开始菜单", Rect::from_size(0, 400, 400, 328),
                                            Visibility::Shown, Topmost::Yes);
    EXPECT_TRUE(cls::start_menu_marked(desk));
    EXPECT_TRUE(cls::menu_open(desk)) << "the Start menu's own class is in no list";
    EXPECT_FALSE(cls::menu_on_top(desk));

    desk.destroy_window(start_menu);
    EXPECT_TRUE(cls::menu_open(desk)) << "the marker outlives the menu";

    cls::clear_start_menu_marker(*app);
    EXPECT_FALSE(cls::start_menu_marked(desk));
    EXPECT_FALSE(cls::menu_open(desk));
}

struct MarkerRow {
    const char* before;
    const char* after;
};

TEST_F(ClassifyMarker, ClearingReplacesTheFirstTenBytesAndKeepsTheRest)
{
    start();
    const MarkerRow rows[] = {
        {"开始菜单--12345678  12345678  ", "设置说明--12345678  12345678  "},
        {"开始菜单--12345678  超级菜单", "设置说明--12345678  超级菜单"},
        {"开始菜单--", "设置说明--"},
        {"开始菜单", "设置说明--"},
        {"开始菜单-", "设置说明--"},
        {"xx开始菜单yy", "设置说明--yy"},
        {"设置说明  12345678", "设置说明  12345678"},
        {"", ""},
        {"开始", "开始"},
    };
    for (const MarkerRow& row : rows) {
        SCOPED_TRACE(cp936_to_utf8(row.before));
        app->FormMain().set_caption(row.before);
        cls::clear_start_menu_marker(*app);
        EXPECT_EQ(caption("TFormMain"), row.after);
        EXPECT_FALSE(cls::start_menu_marked(desk));
    }
}

// ---- by class ----

class ClassifyOwnForms : public SimApp, public ::testing::WithParamInterface<const char*> {};

// As FindWindow answers: a window of the class from another program (a second
// copy of this one) counts as well as the program's own form.
TEST_P(ClassifyOwnForms, AllFoundUntilOneMainWindowIsMissing)
{
    start();
    EXPECT_TRUE(cls::all_own_forms_found(*app));
    desk.destroy_window(window(GetParam()));
    EXPECT_FALSE(cls::all_own_forms_found(*app));
    desk.add_window(GetParam(), "", Rect::from_size(0, 0, 100, 100), Visibility::Hidden);
    EXPECT_TRUE(cls::all_own_forms_found(*app));
}

INSTANTIATE_TEST_SUITE_P(Classify, ClassifyOwnForms,
                         ::testing::Values("TFormMain", "Tpyoil", "Tinputmode", "TvykForm3", "Tlifeform", "Tmodeform",
                                           "Tregform", "Trqmenu", "Tombrel", "Ttaskform", "Tkxm"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(ClassifyApp, OtherFormsAreNotNeededForAllOwnFormsFound)
{
    start();
    for (const char* other : {"Tescmenu", "Tm3d", "TvykForm4", "Tsetform"})
        desk.destroy_window(window(other));
    EXPECT_TRUE(cls::all_own_forms_found(*app));
}

TEST(ClassifyByClass, ScriptErrorBoxNeedsItsClassAndTitle)
{
    struct Row {
        const char* cls;
        const char* title;
        bool found;
    };
    const Row rows[] = {
        {"Internet Explorer_TridentDlgFrame", "Internet Explorer 脚本错误", true},
        {"Internet Explorer_TridentDlgFrame", "Internet Explorer", false},
        {"#32770", "Internet Explorer 脚本错误", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cls);
        sim::SimDesktop desk;
        const Hwnd box = desk.add_window(row.cls, row.title, Rect::from_size(300, 300, 300, 200));
        EXPECT_EQ(cls::script_error_box(desk), row.found ? box : Hwnd{0});
    }
}

// ---- the desktop, the browser's pages, the shell's windows ----

TEST_F(ClassifyApp, DesktopListViewMustBeAtTheProbePointAndAtThePoint)
{
    start();
    const int below_bar = app->lifeform().height() + 8;
    EXPECT_EQ(cls::list_view_probe_point(*app), (Point{4, below_bar}));
    const Hwnd icons = desk.add_window("SysListView32", "FolderView", Rect::from_size(0, 0, 1024, 768));
    const Hwnd editor = desk.add_window("Notepad", "", Rect::from_size(300, 300, 300, 200));
    EXPECT_TRUE(cls::on_desktop_list_view(*app, {800, 600}));
    EXPECT_FALSE(cls::on_desktop_list_view(*app, {400, 400})) << "the editor covers the desktop there";
    desk.add_window("SysListView32", "", Rect::from_size(700, 500, 200, 200)); // another list view
    EXPECT_FALSE(cls::on_desktop_list_view(*app, {800, 600})) << "not the same list view";
    desk.destroy_window(icons);
    EXPECT_FALSE(cls::on_desktop_list_view(*app, {800, 600}));
    EXPECT_TRUE(desk.window_exists(editor));
}

TEST(ClassifyByClass, TabSheetIs140PixelsRightAndDownOfThePageControl)
{
    sim::SimDesktop desk;
    desk.add_window("TTabSheet", "", Rect::from_size(240, 240, 10, 10));
    EXPECT_TRUE(cls::tab_sheet_below(desk, {100, 100}));
    EXPECT_FALSE(cls::tab_sheet_below(desk, {100, 120}));
    EXPECT_FALSE(cls::tab_sheet_below(desk, {240, 240}));
}

TEST_F(ClassifyApp, ShellWindowsAndOwnFormsByHandle)
{
    start();
    for (const char* shell : {"#32769", "Progman", "WorkerW", "Shell_TrayWnd"})
        EXPECT_TRUE(cls::is_shell_window(desk, desk.add_window(shell, "", Rect::from_size(0, 0, 10, 10)))) << shell;
    const Hwnd other = desk.add_window("ProgmanX", "", Rect::from_size(0, 0, 10, 10));
    EXPECT_FALSE(cls::is_shell_window(desk, other));
    EXPECT_FALSE(cls::is_shell_window(desk, 0));
    for (const ui::Form* f : app->forms())
        EXPECT_TRUE(cls::is_own_form(*app, f->hwnd())) << f->name();
    EXPECT_FALSE(cls::is_own_form(*app, other));
    EXPECT_FALSE(cls::is_own_form(*app, 0));
}

} // namespace
} // namespace tv::test
