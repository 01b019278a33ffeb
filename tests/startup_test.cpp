// Start-up completion: the first main-loop tick at which all eleven main
// windows exist applies the settings and shows the options form, once.
#include "sim_app.h"

#include "board/regform.h"
#include "board/taskform.h"
#include "board/form_main.h"
#include "board/hint_template.h"
#include "board/lifeform.h"

namespace tv::test {
namespace {

// A settings file whose lines 6, 11, 12, 22 and 23 are given; the rest are short.
std::string settings_file(const std::string& title, const std::string& entry, const std::string& bar,
                          const std::string& quick_right = "标记文件--", const std::string& quick_menu = "菜单文件--")
{
    std::vector<std::string> lines(27, "x");
    lines[6] = "发行标题--" + title;
    lines[11] = entry;
    lines[12] = "Skarn种类--" + bar;
    lines[22] = quick_right;
    lines[23] = quick_menu;
    std::string file;
    for (const auto& l : lines)
        file += l + "\r\n";
    return file;
}

class Startup : public SimApp {
protected:
    void start_with(const std::string& file)
    {
        desk.put_file("发行软件.txt", file);
        start();
    }
    TFormMain& options() { return app->FormMain(); }
};

TEST_F(Startup, CompletesOnTheFirstTickWithAllWindows)
{
    start_with(settings_file("滚轮助手", "进入窗口--1", "2"));
    desk.user_move({400, 400});
    EXPECT_EQ(options().height(), 508);
    desk.advance(50);
    EXPECT_EQ(options().height(), 520);
    EXPECT_TRUE(options().visible());
    EXPECT_EQ(options().top(), 100);
    EXPECT_EQ(options().left(), (1024 - options().width()) / 2);
    EXPECT_EQ(desk.cursor_pos(), (Point{options().left() + options().width() / 2, 100 + 520 - 50}));
    EXPECT_EQ(desk.foreground_window(), options().hwnd());
    EXPECT_EQ(desk.top_window(), options().hwnd()) << "topmost, in front";
    EXPECT_EQ(app->lifeform().Label8.text(), "滚轮助手");
    EXPECT_EQ(app->lifeform().ListBox5.item(hint::kTitleLine), "滚轮助手");
    EXPECT_NE(app->lifeform().CppWebBrowser2.text().find("滚轮助手"), std::string::npos) << "hint bar rebuilt";
    EXPECT_EQ(app->lifeform().CppWebBrowser2.bounds(), Rect::from_size(0, 0, 1024, 90));
    EXPECT_EQ(app->lifeform().CppWebBrowser1.bounds(), Rect::from_size(0, 90, 1024, 768 - 90));
    EXPECT_TRUE(options().helpid.checked());
    EXPECT_TRUE(options().midid.checked());
    EXPECT_FALSE(options().bigid.checked());
    EXPECT_EQ(app->lifeform().height(), 32) << "the middle bar";
    EXPECT_EQ(caption("Tregform"), "newpos");
    EXPECT_TRUE(desk.started_programs().empty());

    // Once per run: hidden again, it stays hidden.
    options().hide();
    desk.advance(500);
    EXPECT_FALSE(options().visible());
}

struct EntryCase {
    const char* entry;
    const char* bar;
    const char* selected_entry;
    const char* selected_bar;
    int bar_height;
    bool runs_ee;
};

TEST_F(Startup, StartPageAndBarSizeFromTheSettings)
{
    const EntryCase cases[] = {
        {"进入窗口--2", "1", "netid", "smallid", 5, true},
        {"进入窗口--3", "3", "freeid", "bigid", 180, false},
        {"进入窗口--2 ", "9", "helpid", "bigid", 180, false}, // not the whole line; unknown size
        {"进入", "", "helpid", "bigid", 180, false},          // short lines give empty values
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.entry);
        program.reset();
        app = nullptr;
        desk.set_title(window("Tlifeform"), "");
        const std::size_t programs_before = desk.started_programs().size();
        start_with(settings_file("T", c.entry, c.bar));
        desk.advance(100);
        EXPECT_TRUE(dynamic_cast<ui::Check&>(*options().control(c.selected_entry)).checked());
        EXPECT_TRUE(dynamic_cast<ui::Check&>(*options().control(c.selected_bar)).checked());
        EXPECT_EQ(app->lifeform().height(), c.bar_height);
        const bool ran_ee = desk.started_programs().size() > programs_before &&
                            desk.started_programs().back().first == desk.program_folder() + "ee.bat";
        EXPECT_EQ(ran_ee, c.runs_ee);
        if (ran_ee) {
            EXPECT_EQ(desk.started_programs().back().second, Visibility::Hidden);
        }
    }
}

TEST_F(Startup, NeverCompletesWhileAMainWindowIsMissing)
{
    start_with(settings_file("滚轮助手", "进入窗口--1", "3"));
    desk.destroy_window(window("Ttaskform"));
    desk.advance(500);
    EXPECT_EQ(options().height(), 508);
    EXPECT_FALSE(options().visible());
    EXPECT_EQ(app->lifeform().Label8.text(), "");
    EXPECT_EQ(app->lifeform().ListBox5.item(hint::kTitleLine), "    标题   ");
}

TEST_F(Startup, MissingSettingsFileGivesEmptyValues)
{
    start();
    desk.advance(100);
    EXPECT_EQ(options().height(), 520);
    EXPECT_EQ(app->lifeform().Label8.text(), "");
    EXPECT_TRUE(options().helpid.checked());
    EXPECT_TRUE(options().bigid.checked());
    EXPECT_FALSE(options().N2qq.checked());
    EXPECT_TRUE(desk.files().empty()) << "nothing written";
}

TEST_F(Startup, QuickSwitchesFromLines22And23)
{
    start_with(settings_file("T", "进入窗口--1", "3", "快速右键--1", "快速菜单--1"));
    desk.advance(50);
    EXPECT_TRUE(options().N2qq.checked());
    EXPECT_TRUE(options().cdbl.checked());
    EXPECT_EQ(caption("TFormMain"), "设置说明  超级右键  超级菜单") << "the quick right button's click marks the caption";
}

TEST_F(Startup, TaskManagerOpenedFirstSuppressesTheOptionsForm)
{
    start_with(settings_file("T", "进入窗口--2", "2"));
    app->taskform().show();
    desk.advance(50);
    EXPECT_EQ(options().height(), 520) << "the completion ran...";
    EXPECT_TRUE(options().netid.checked());
    EXPECT_TRUE(options().midid.checked());
    EXPECT_FALSE(options().visible()) << "...and the task manager took the options form's place";
    EXPECT_TRUE(desk.started_programs().empty()) << "no ee.bat though the web is the start page";
    EXPECT_NE(app->lifeform().height(), 32) << "the middle bar's guard is set too";

    // The guards hold once the task manager is gone.
    app->taskform().hide();
    desk.advance(200);
    EXPECT_FALSE(options().visible());
    EXPECT_TRUE(desk.started_programs().empty());
    EXPECT_NE(app->lifeform().height(), 32);
}

} // namespace
} // namespace tv::test
