// The task manager: which windows it lists, the function keys that close them,
// the parallel lists staying aligned, foreground cycling, and windows that
// misbehave while the list is built.
#include "sim_app.h"

#include "board/escmenu.h"
#include "board/form_main.h"
#include "board/taskform.h"
#include "platform/keys.h"

#include <algorithm>

namespace tv::test {
namespace {

constexpr std::uint32_t kEdge = 0x100;

// An application window of another program: the window-edge style, process `pid`.
struct AppWindow {
    std::string title;
    std::string class_name = "Notepad";
    std::uint32_t pid = 40;
};

class TaskManagerTest : public SimApp {
protected:
    void SetUp() override { start(); }

    Ttaskform& task() { return app->taskform(); }

    Hwnd add(const AppWindow& w)
    {
        const Hwnd h = desk.add_window(w.class_name, w.title, Rect::from_size(300, 300, 200, 150));
        desk.set_ex_style(h, kEdge);
        desk.set_process(h, w.pid);
        return h;
    }

    // What opens the list: the form made small, then `showad`.
    void open_list()
    {
        task().set_bounds(100, 100, 704, 100);
        task().showad.click();
    }

    // The entries' titles without the list's padding of 96 spaces and "-".
    std::vector<std::string> listed_titles()
    {
        std::vector<std::string> titles;
        for (const std::string& item : task().ListBox5.items()) {
            EXPECT_GE(item.size(), 97u);
            EXPECT_EQ(item.substr(item.size() - 97), std::string(96, ' ') + "-");
            titles.push_back(item.substr(0, item.size() - 97));
        }
        return titles;
    }

    // The pointer on row i of the list view selects it (hot tracking).
    void point_at_row(int i)
    {
        const ui::ListView& view = task().ListView1;
        desk.user_move({task().left() + view.left() + 30, task().top() + view.top() + i * ui::ListView::kRowHeight + 5});
    }

    void release_key(int vk)
    {
        desk.set_foreground(task().hwnd());
        desk.user_key(vk, KeyAction::Down);
        desk.user_key(vk, KeyAction::Up);
    }
};

struct FilterCase {
    const char* rule;
    std::uint32_t ex_style;
    bool visible;
    bool child;
    std::uint32_t pid;
    const char* title;
    bool listed;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.rule; }

class TaskFilter : public TaskManagerTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(TaskFilter, EachRuleDecidesAlone)
{
    const FilterCase& c = GetParam();
    const Hwnd owner = add({"主窗口"});
    const Hwnd w = desk.add_window("Probe", c.title, Rect::from_size(10, 10, 50, 50),
                                   c.visible ? Visibility::Shown : Visibility::Hidden, Topmost::No, c.child ? owner : 0);
    desk.set_ex_style(w, c.ex_style);
    desk.set_process(w, c.pid);
    open_list();
    const auto titles = listed_titles();
    EXPECT_EQ(std::count(titles.begin(), titles.end(), std::string(c.title)), c.listed ? 1 : 0);
    EXPECT_EQ(task().ListBox5.count(), c.listed ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Rules, TaskFilter,
                         ::testing::Values(FilterCase{"an application window", kEdge, true, false, 7, "编辑器", true},
                                           FilterCase{"more bits beside the edge", 0x40100, true, false, 7, "app", true},
                                           FilterCase{"no window edge (tool window)", 0x80, true, false, 7, "tool", false},
                                           FilterCase{"no extended style", 0, true, false, 7, "bare", false},
                                           FilterCase{"hidden", kEdge, false, false, 7, "hidden", false},
                                           FilterCase{"exactly 0x188", 0x188, true, false, 7, "x188", false},
                                           FilterCase{"exactly 0x10100", 0x10100, true, false, 7, "x10100", false},
                                           FilterCase{"a child window", kEdge, true, true, 7, "child", false},
                                           FilterCase{"no process", kEdge, true, false, 0, "ghost", false},
                                           FilterCase{"the program's title", kEdge, true, false, 7, "Tarvesk", false},
                                           FilterCase{"the sibling's title", kEdge, true, false, 7, "ombrel", false}));

TEST_F(TaskManagerTest, OwnFormsAreNeverListedWhateverTheirStyle)
{
    add({"别的程序"});
    for (ui::Form* f : app->forms()) {
        desk.set_ex_style(f->hwnd(), kEdge);
        f->show();
    }
    open_list();
    EXPECT_EQ(listed_titles(), std::vector<std::string>{"别的程序"});
}

TEST_F(TaskManagerTest, AtMost1001Entries)
{
    for (int i = 0; i < 1005; ++i)
        add({"w" + std::to_string(i)});
    open_list();
    EXPECT_EQ(task().ListBox5.count(), 1001u);
    EXPECT_EQ(task().ListBox10.count(), 1001u);
    EXPECT_EQ(task().ListView1.count(), 1001u);
}

TEST_F(TaskManagerTest, F2ClosesEveryWindowOfTheTitleLaterFirst)
{
    const Hwnd first = add({"无标题 - 记事本"});
    const Hwnd other = add({"计算器", "Calc"});
    const Hwnd second = add({"无标题 - 记事本"});
    open_list();
    ASSERT_EQ(task().ListBox5.count(), 3u);
    // Z order, top first: second, other, first.
    point_at_row(0);
    release_key(vk::kF2);
    EXPECT_EQ(desk.posted_closes(), (std::vector<Hwnd>{first, second})) << "the later entry first";
    EXPECT_EQ(task().ListBox5.count(), 1u);
    EXPECT_EQ(listed_titles(), std::vector<std::string>{"计算器"});
    desk.pump_posted();
    EXPECT_FALSE(desk.window_exists(first));
    EXPECT_FALSE(desk.window_exists(second));
    EXPECT_TRUE(desk.window_exists(other));
}

struct KeyCase {
    const char* what;
    int vk;
    int row;
    std::vector<std::string> closed;
    std::vector<std::string> left;
};

// F1 first, then another key: the right windows close, and the entries that
// remain still name their own windows and paths.
TEST_F(TaskManagerTest, F1ThenAnotherKeyKeepsTheListsAligned)
{
    const std::vector<KeyCase> cases = {
        {"F2 on a title", vk::kF2, 2, {"甲", "甲"}, {"丙", "乙", "乙"}},
        {"F3 on a class", vk::kF3, 0, {"甲", "甲", "丙"}, {"乙", "乙"}},
        {"F4 on all", vk::kF4, 1, {"甲", "乙", "甲", "乙", "丙"}, {}},
        {"F1 again", vk::kF1, 1, {"乙"}, {"丙", "甲", "乙", "甲"}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (Hwnd h : desk.top_level_windows())
            if (desk.process_of(h) != sim::kOwnProcess)
                desk.destroy_window(h);
        std::uint32_t pid = 100;
        for (auto [title, cls] : {std::pair{"甲", "Edit"}, {"乙", "Calc"}, {"甲", "Edit"}, {"乙", "Calc"}, {"丙", "Edit"}, {"删", "Gone"}}) {
            desk.set_image_path(pid, std::string("C:\\p\\") + title + ".exe");
            add({title, cls, pid++});
        }
        open_list(); // top first: 删 丙 乙 甲 乙 甲
        point_at_row(0);
        release_key(vk::kF1);
        ASSERT_EQ(listed_titles(), (std::vector<std::string>{"丙", "乙", "甲", "乙", "甲"}));
        const std::size_t before = desk.posted_closes().size();
        point_at_row(c.row);
        release_key(c.vk);
        std::vector<std::string> closed;
        for (std::size_t i = before; i < desk.posted_closes().size(); ++i)
            closed.push_back(desk.title(desk.posted_closes()[i]));
        EXPECT_EQ(closed, c.closed);
        EXPECT_EQ(listed_titles(), c.left);
        ASSERT_EQ(task().ListBox10.count(), task().ListBox5.count());
        ASSERT_EQ(task().ListView1.count(), task().ListBox5.count());
        const auto titles = listed_titles();
        for (std::size_t i = 0; i < titles.size(); ++i) {
            EXPECT_EQ(task().ListBox10.item(i), "C:\\p\\" + titles[i] + ".exe") << i;
            EXPECT_EQ(task().ListView1.items()[i].caption, task().ListBox5.item(i)) << i;
        }
        desk.pump_posted();
    }
}

struct CycleCase {
    const char* what;
    int front; // row of the window in front; -1: an unlisted window
    bool next;
    int expected; // row brought to the front; -1: the front stays
};

TEST_F(TaskManagerTest, CyclingWrapsBothWays)
{
    const CycleCase cases[] = {
        {"next from the first", 0, true, 1},  {"next from the last wraps to the first", 2, true, 0},
        {"prev from the last", 2, false, 1}, {"prev from the first wraps to the last", 0, false, 2},
        {"next over an unlisted window", -1, true, -1}, {"prev over an unlisted window", -1, false, -1},
    };
    const Hwnd unlisted = desk.add_window("Tool", "tool", Rect::from_size(0, 0, 10, 10));
    add({"一"});
    add({"二"});
    add({"三"});
    open_list(); // top first: 三 二 一
    const std::vector<std::string> rows = listed_titles();
    ASSERT_EQ(rows.size(), 3u);
    auto window_titled = [&](const std::string& t) { return desk.find_window("Notepad", t); };
    for (const CycleCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Hwnd front = c.front < 0 ? unlisted : window_titled(rows[static_cast<std::size_t>(c.front)]);
        desk.set_foreground(front);
        (c.next ? task().nexttask : task().prevtask).click();
        const Hwnd expected = c.expected < 0 ? front : window_titled(rows[static_cast<std::size_t>(c.expected)]);
        EXPECT_EQ(desk.foreground_window(), expected);
    }
}

TEST_F(TaskManagerTest, AnEmptyDesktopListsNothingAndEveryKeyDoesNothing)
{
    open_list();
    EXPECT_EQ(task().ListBox5.count(), 0u);
    for (int key : {vk::kEnter, vk::kF1, vk::kF2, vk::kF3, vk::kF4})
        release_key(key);
    task().nexttask.click();
    task().prevtask.click();
    EXPECT_TRUE(desk.posted_closes().empty());
    EXPECT_EQ(task().pftip.text(), std::to_string(vk::kF4)) << "the last key's code";
}

TEST_F(TaskManagerTest, WindowsThatCloseWhileTheListIsBuiltAreLeftOut)
{
    add({"留下"});
    const Hwnd doomed = add({"关掉"});
    const Hwnd later = add({"也关掉"});
    // Asking the first window for its process closes two others: one already
    // enumerated, one not yet.
    desk.on_process_query = [&](Hwnd asked) {
        if (asked == later) {
            desk.destroy_window(doomed);
            desk.destroy_window(later);
        }
    };
    open_list();
    desk.on_process_query = nullptr;
    EXPECT_EQ(listed_titles(), std::vector<std::string>{"留下"});
    EXPECT_EQ(task().ListBox10.count(), 1u);
}

TEST_F(TaskManagerTest, LongAndBrokenTitlesAreCutWithoutSplittingACharacter)
{
    struct TitleCase {
        std::string title;
        std::string shown;
    };
    const TitleCase cases[] = {
        {std::string(65536, 'x'), std::string(110, 'x')},
        {std::string(109, 'a') + "中文", std::string(109, 'a')},
        {std::string(108, 'a') + "中文", std::string(108, 'a') + "中"},
        {"坏\x81", "坏"},
        {"\xFF\xFE\x80", "\xFF\xFE\x80"},
    };
    for (const TitleCase& c : cases) {
        for (Hwnd h : desk.top_level_windows())
            if (desk.process_of(h) != sim::kOwnProcess)
                desk.destroy_window(h);
        add({c.title});
        open_list();
        EXPECT_EQ(listed_titles(), std::vector<std::string>{c.shown});
    }
}

TEST_F(TaskManagerTest, EachEntryGetsItsProgramsIconAndAFreshListFreesTheOld)
{
    desk.set_image_path(7, "C:\\apps\\edit.exe");
    desk.set_image_path(8, "C:\\apps\\noicon.exe");
    desk.set_file_has_icon("C:\\apps\\edit.exe");
    add({"无图标", "A", 8});
    add({"编辑", "B", 7});
    add({"无进程路径", "C", 9});
    open_list(); // top first: 无进程路径, 编辑, 无图标
    EXPECT_EQ(task().ListBox10.items(), (std::vector<std::string>{"", "C:\\apps\\edit.exe", "C:\\apps\\noicon.exe"}));
    ASSERT_EQ(task().ListView1.count(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(task().ListView1.items()[static_cast<std::size_t>(i)].image, i);
    EXPECT_EQ(task().ListView1.image(0), 0u);
    EXPECT_NE(task().ListView1.image(1), 0u);
    EXPECT_EQ(task().ListView1.image(2), 0u);
    EXPECT_EQ(desk.live_icons().size(), 1u);
    open_list();
    EXPECT_EQ(desk.live_icons().size(), 1u) << "the first list's icon was given back";
}

TEST_F(TaskManagerTest, EnterBringsTheChosenWindowForwardAndHidesTheForm)
{
    const Hwnd low = add({"下面"});
    add({"上面"});
    open_list();
    EXPECT_TRUE(task().visible());
    EXPECT_EQ(desk.foreground_window(), task().hwnd()) << "the opened list takes the keys";
    point_at_row(1);
    release_key(vk::kEnter);
    EXPECT_EQ(desk.foreground_window(), low);
    EXPECT_FALSE(task().visible());
}

TEST_F(TaskManagerTest, EnterRestoresAMinimisedWindow)
{
    const Hwnd low = add({"下面"});
    add({"上面"});
    desk.minimise(low);
    open_list();
    point_at_row(1);
    release_key(vk::kEnter);
    EXPECT_FALSE(desk.is_iconic(low));
    EXPECT_EQ(desk.foreground_window(), low);
}

TEST_F(TaskManagerTest, ThePreviewBringsThePointedWindowForwardAndKeepsTheFormOnTop)
{
    const Hwnd low = add({"下面"});
    add({"上面"});
    open_list();
    point_at_row(1);
    desk.advance(100);
    EXPECT_EQ(desk.foreground_window(), low);
    EXPECT_TRUE(task().visible());
    EXPECT_EQ(desk.top_window(), task().hwnd());
}

// A press on the form's bare body (or its "-->" mark) shows it large, centred
// and topmost, and takes the escape menu off the screen.
TEST_F(TaskManagerTest, APressOnTheBodyShowsTheFormLarge)
{
    app->escmenu().set_bounds(10, 10, 720, 560);
    task().set_bounds(100, 100, 704, 300);
    task().show();
    const Point body{600, 250};
    ASSERT_EQ(task().control_at(body), nullptr) << "the point lies on no control";
    desk.user_move({task().left() + body.x, task().top() + body.y});
    desk.user_button(MouseButton::Left, ButtonAction::Down);
    desk.user_button(MouseButton::Left, ButtonAction::Up);
    EXPECT_EQ(task().width(), 704);
    EXPECT_EQ(task().height(), 504);
    EXPECT_EQ(task().left(), (1024 - 704) / 2);
    EXPECT_EQ(task().top(), (768 - 504) / 2);
    EXPECT_EQ(desk.top_window(), task().hwnd());
    EXPECT_EQ(app->escmenu().left(), -2000);
}

// The two switch buttons turn the companions off and on, and read struck out
// while off, here and on the escape menu; a switch turned back on elsewhere
// shows unstruck when the list opens again.
TEST_F(TaskManagerTest, SwitchButtonsStrikeOutWhileTheirCompanionIsOff)
{
    ui::Control& escape_twin = *app->escmenu().control("srfid");
    task().srfid.click();
    EXPECT_FALSE(app->FormMain().srfbl.checked());
    EXPECT_FALSE(desk.keyboard_hook_on());
    EXPECT_TRUE(task().srfid.strike_out());
    EXPECT_TRUE(escape_twin.strike_out());
    bool painted_struck = false;
    for (const PaintItem& item : task().paint_items())
        painted_struck = painted_struck || (item.strike_out && item.text == task().srfid.text());
    EXPECT_TRUE(painted_struck);

    task().sbid.click();
    EXPECT_FALSE(desk.mouse_hook_on());
    EXPECT_TRUE(task().sbid.strike_out());
    task().sbid.click();
    EXPECT_TRUE(desk.mouse_hook_on());
    EXPECT_FALSE(task().sbid.strike_out());

    app->FormMain().N10.click(); // the tray's restart of the keyboard companion
    EXPECT_TRUE(app->FormMain().srfbl.checked());
    open_list();
    EXPECT_FALSE(task().srfid.strike_out());
    EXPECT_FALSE(escape_twin.strike_out());
}

} // namespace
} // namespace tv::test
