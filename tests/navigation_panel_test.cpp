// The navigation panel on the simulated desktop: the favourites read from the
// desktop folder's parent, choosing one, the address box, the hover targets,
// and the default browser taking the addresses when the sibling is missing.
#include "sim_app.h"

#include "board/escmenu.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "platform/keys.h"

#include <ostream>

namespace tv::test {
namespace {

constexpr const char* kSiblingProgram = "C:\\Tarvesk\\ombrel.exe";

class NavigationPanel : public SimApp {
protected:
    void SetUp() override
    {
        desk.set_desktop_folder("C:\\Users\\张三\\Desktop");
        desk.put_file("C:\\Users\\张三\\Favorites\\新闻.url", "[InternetShortcut]\r\nURL=http://news.example/\r\n");
        desk.put_file("C:\\Users\\张三\\Favorites\\b.url",
                      "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n[InternetShortcut]\r\nURL=https://b.example/x\r\n");
        desk.put_file("C:\\Users\\张三\\Favorites\\c.url", "[InternetShortcut]\r\nIconIndex=1\r\n");
        desk.put_file("C:\\Users\\张三\\Favorites\\Links\\d.url", "[InternetShortcut]\r\nURL=http://d.example/\r\n");
        desk.put_file("C:\\Users\\张三\\Desktop\\e.url", "[InternetShortcut]\r\nURL=http://e.example/\r\n");
    }
    TvykForm3& panel() { return app->vykForm3(); }
    // Shown in front, below the status bar.
    void open_panel()
    {
        panel().set_bounds(100, 200, 700, 500);
        panel().show();
        panel().set_topmost(Topmost::Yes);
        desk.set_foreground(panel().hwnd());
    }
    Point at(const ui::Control& c, int dy = 2) const
    {
        return {app->vykForm3().left() + c.left() + 2, app->vykForm3().top() + c.top() + dy};
    }
    void hover(const ui::Control& c, int dy = 2) { desk.user_move(at(c, dy)); }
    // A press where the pointer is. The right button goes to the panel's
    // window directly (the input hook keeps it for the right-button dispatch);
    // the application's filter still keeps the press from every form.
    void press(MouseButton b)
    {
        if (b == MouseButton::Right) {
            const Point p = desk.cursor_pos();
            const Point client{p.x - panel().left(), p.y - panel().top()};
            panel().on_button(b, ButtonAction::Down, client);
            panel().on_button(b, ButtonAction::Up, client);
            return;
        }
        desk.user_button(b, ButtonAction::Down);
        desk.user_button(b, ButtonAction::Up);
    }
    void enter()
    {
        desk.user_key(vk::kEnter, KeyAction::Down);
        desk.user_key(vk::kEnter, KeyAction::Up);
    }
    // The favourite on line `line` of the list is under the pointer.
    void hover_favourite(int line) { hover(panel().FileListBox1, line * TvykForm3::kItemHeight + 4); }
    void add_sibling() { desk.add_window("TApplication", "ombrel", Rect::from_size(0, 0, 0, 0), Visibility::Hidden); }
    void remember_point(Point p)
    {
        ui::Panel& remembered = app->ombrel().oldrightpos;
        remembered.set_bounds(p.x, p.y, remembered.width(), remembered.height());
    }
};

TEST_F(NavigationPanel, FavouritesAreTheFilesOfTheDesktopFoldersParentsFavorites)
{
    start();
    EXPECT_EQ(panel().favourites_folder, "C:\\Users\\张三\\Favorites");
    EXPECT_EQ(panel().FileListBox1.items(), (std::vector<std::string>{"b.url", "c.url", "新闻.url"}));

    desk.put_file("C:\\Users\\张三\\Favorites\\a.url", "[InternetShortcut]\r\nURL=http://a.example/\r\n");
    panel().setlike.click();
    EXPECT_EQ(panel().FileListBox1.count(), 4u) << "setlike reads the folder again";
}

TEST_F(NavigationPanel, ADesktopFolderUnderADriveRootGivesTheDrivesFavorites)
{
    desk.set_desktop_folder("C:\\Desktop");
    desk.put_file("C:\\Favorites\\x.url", "[InternetShortcut]\r\nURL=http://x.example/\r\n");
    start();
    EXPECT_EQ(panel().favourites_folder, "C:\\Favorites");
    EXPECT_EQ(panel().FileListBox1.items(), std::vector<std::string>{"x.url"});
}

TEST_F(NavigationPanel, NoDesktopFolderOrNoFavoritesLeaveTheListEmpty)
{
    for (const char* desktop : {"", "Desktop", "D:\\nowhere\\Desktop"}) {
        desk.set_desktop_folder(desktop);
        start();
        EXPECT_TRUE(panel().FileListBox1.items().empty()) << desktop;
        open_panel();
        hover_favourite(0);
        press(MouseButton::Left);
        EXPECT_NE(caption("Tregform").rfind("vykgonewurl=", 0), 0u) << desktop;
        program.reset();
    }
}

struct ChoiceCase {
    const char* name;
    MouseButton button;
    bool by_enter;
    const char* acknowledgement;
};
void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class FavouriteChoice : public NavigationPanel, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(FavouriteChoice, SendsTheAddressLineToTheSiblingAndHides)
{
    const ChoiceCase& c = GetParam();
    start();
    add_sibling();
    int raised = 0;
    app->taskform().pf4.on_click = [&] { ++raised; };
    open_panel();
    app->escmenu().set_left(100);
    hover_favourite(0);
    EXPECT_EQ(panel().FileListBox1.item_index(), 0);
    hover_favourite(2);
    EXPECT_EQ(panel().FileListBox1.item_index(), 2) << "hover alone selects the line under the pointer";
    hover_favourite(0);
    if (c.by_enter)
        enter();
    else
        press(c.button);
    EXPECT_EQ(caption("Tregform"), "vykgonewurl=https://b.example/x") << "the URL= line, not line 2 (Prop3)";
    EXPECT_EQ(raised, 1);
    EXPECT_LT(panel().left(), 0);
    EXPECT_EQ(app->escmenu().left() < 0, !c.by_enter) << "the mouse also hides the escape menu";
    EXPECT_EQ(panel().Edit2.text(), c.acknowledgement);
    EXPECT_TRUE(desk.opened_addresses().empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, FavouriteChoice,
                         ::testing::Values(ChoiceCase{"Left", MouseButton::Left, false, "down-- ok"},
                                           ChoiceCase{"Right", MouseButton::Right, false, "right ok"},
                                           ChoiceCase{"Middle", MouseButton::Middle, false, "right ok"},
                                           ChoiceCase{"Enter", MouseButton::Left, true, "13--right ok"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationPanel, AFavouriteWithoutAddressOrGoneSendsNothing)
{
    start();
    add_sibling();
    open_panel();
    set_caption("Tregform", "newpos");
    hover_favourite(1); // c.url: no URL= line
    press(MouseButton::Left);
    EXPECT_EQ(caption("Tregform"), "newpos");
    desk.remove_file("C:\\Users\\张三\\Favorites\\新闻.url");
    hover_favourite(2);
    press(MouseButton::Left);
    EXPECT_EQ(caption("Tregform"), "newpos");
    desk.locked_files.insert("C:\\Users\\张三\\Favorites\\b.url");
    hover_favourite(0);
    press(MouseButton::Left);
    EXPECT_EQ(caption("Tregform"), "newpos");
}

TEST_F(NavigationPanel, EnterInTheAddressBoxSendsItAndGoesBackToTheRememberedPoint)
{
    start();
    add_sibling();
    remember_point({321, 456});
    open_panel();
    hover(panel().Edit2);
    panel().focus(&panel().Edit2);
    panel().Edit2.set_text("");
    desk.user_type("天气");
    enter();
    EXPECT_EQ(caption("Tregform"), "vykgonewurl=天气");
    EXPECT_LT(panel().left(), 0);
    EXPECT_EQ(desk.cursor_pos(), (Point{321, 456}));

    open_panel();
    hover(panel().Edit2);
    panel().Edit2.set_text("");
    enter();
    EXPECT_EQ(caption("Tregform"), "vykgonewurl=") << "an empty box still writes the token";
}

TEST_F(NavigationPanel, CloseAllOnHoverPressAndRightPressOfTheBar)
{
    start();
    const std::pair<const ui::Control*, int> cases[] = {{&app->vykForm3().Label22, 0}, {&app->vykForm3().Panel15, 1}};
    for (const auto& [target, press_with_right] : cases) {
        remember_point({40, 700});
        open_panel();
        app->escmenu().set_left(100);
        set_caption("Tregform", "newpos");
        hover(*target);
        if (press_with_right) {
            EXPECT_EQ(caption("Tregform"), "newpos") << "the bar needs a press";
            press(MouseButton::Left);
            EXPECT_EQ(caption("Tregform"), "newpos") << "a left press on the bar does nothing";
            press(MouseButton::Right);
        }
        EXPECT_EQ(caption("Tregform"), "vykcloseall") << target->name();
        EXPECT_LT(panel().left(), 0);
        EXPECT_LT(app->escmenu().left(), 0);
        EXPECT_EQ(desk.cursor_pos(), (Point{40, 700}));
    }
}

TEST_F(NavigationPanel, HoveringTheBodyHintsOnlyOverAShortHint)
{
    start();
    open_panel();
    const std::string long_hint(60, 'x');
    const std::pair<std::string, bool> cases[] = {{"开始", true}, {std::string(59, 'x'), true}, {long_hint, false}};
    for (const auto& [hint, replaced] : cases) {
        panel().Label16.set_text(hint);
        app->m3d().set_caption("m3d");
        hover(panel().Edit2);
        desk.user_move({panel().left() + 260, panel().top() + 460}); // below the view: the bare body
        EXPECT_EQ(app->m3d().caption(), "old--xxpop");
        EXPECT_EQ(panel().Label16.text() != hint, replaced) << hint;
    }
}

TEST_F(NavigationPanel, TheCrossesGoToTheTaskBar)
{
    start();
    int shown = 0;
    app->taskform().showad.on_click = [&] { ++shown; };
    for (const ui::Control* cross : {&app->vykForm3().Panel14, &app->vykForm3().Panel16}) {
        open_panel();
        shown = 0;
        hover(*cross);
        EXPECT_LT(panel().left(), 0) << cross->name();
        EXPECT_EQ(desk.cursor_pos(), (Point{130, 140}));
        EXPECT_EQ(desk.window_rect(app->taskform().hwnd()), Rect::from_size(100, 100, 256, 72));
        EXPECT_EQ(shown, 1);
    }
    add_sibling();
    open_panel();
    hover(panel().Label13);
    EXPECT_EQ(caption("Tregform"), "vykcmdhideie") << "导航----- hides the sibling first";
}

// ---- without the sibling browser -------------------------------------------

struct FallbackCase {
    const char* name;
    const char* text;
    std::vector<std::string> opened;
};
void PrintTo(const FallbackCase& c, std::ostream* os) { *os << c.name; }

class NoSibling : public NavigationPanel, public ::testing::WithParamInterface<FallbackCase> {
protected:
    void SetUp() override
    {
        NavigationPanel::SetUp();
        desk.missing_programs.push_back(kSiblingProgram);
        start();
    }
};

TEST_P(NoSibling, TheAddressBoxGoesToTheDefaultBrowser)
{
    open_panel();
    hover(panel().Edit2);
    panel().Edit2.set_text(GetParam().text);
    enter();
    EXPECT_EQ(desk.opened_addresses(), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NoSibling,
    ::testing::Values(FallbackCase{"Address", "https://a.example/", {"https://a.example/"}},
                      FallbackCase{"Words", "天气 a&b", {"https://www.baidu.com/s?ie=utf-8&wd=%E5%A4%A9%E6%B0%94%20a%26b"}},
                      FallbackCase{"FileAddress", "file:///C:/Windows/notepad.exe", {}},
                      FallbackCase{"Script", "javascript:alert(1)", {}},
                      FallbackCase{"Program", "C:\\Windows\\notepad.exe", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationPanel, WithoutTheSiblingAFavouriteOpensInTheDefaultBrowser)
{
    desk.missing_programs.push_back(kSiblingProgram);
    start();
    open_panel();
    hover_favourite(2);
    press(MouseButton::Left);
    EXPECT_EQ(desk.opened_addresses(), std::vector<std::string>{"http://news.example/"});
    hover_favourite(0);
    open_panel();
    hover_favourite(0);
    enter();
    EXPECT_EQ(desk.opened_addresses(), (std::vector<std::string>{"http://news.example/", "https://b.example/x"}));
}

TEST_F(NavigationPanel, HugeAddressesAndOddNamesNeverCrashAndNeverReachTheShell)
{
    const std::string huge = "http://huge.example/" + std::string(64 * 1024, 'a');
    desk.put_file(std::string("C:\\Users\\张三\\Favorites\\\x81\xFF.url"), "[InternetShortcut]\r\nURL=" + huge + "\r\n");
    desk.put_file("C:\\Users\\张三\\Favorites\\script.url", "[InternetShortcut]\r\nURL=javascript:alert(1)\r\n");
    for (const bool sibling_there : {true, false}) {
        if (!sibling_there)
            desk.missing_programs.push_back(kSiblingProgram);
        start();
        if (sibling_there)
            add_sibling();
        for (const int line : {3, 2}) { // by bytes: b.url, c.url, script.url, the odd name, 新闻.url
            open_panel();
            hover_favourite(line);
            press(MouseButton::Left);
        }
        if (sibling_there) {
            EXPECT_EQ(caption("Tregform"), "vykgonewurl=javascript:alert(1)") << "the sibling reads what it is given";
        }
        EXPECT_TRUE(desk.opened_addresses().empty()) << sibling_there;
        program.reset();
    }
}

TEST_F(NavigationPanel, TheSearchPrefixIsASetting)
{
    desk.missing_programs.push_back(kSiblingProgram);
    start();
    ui::ListBox& settings = app->regform().ListBox2;
    while (settings.count() <= settings::kSearchPrefixLine)
        settings.add("");
    settings.set_item(settings::kSearchPrefixLine, "搜索地址--https://s.example/?q=");
    open_panel();
    hover(panel().Edit2);
    panel().Edit2.set_text("a b");
    enter();
    EXPECT_EQ(desk.opened_addresses(), std::vector<std::string>{"https://s.example/?q=a%20b"});
}

} // namespace
} // namespace tv::test
