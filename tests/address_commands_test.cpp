// The browser's address commands on the simulated desktop: private-scheme
// links, the personal address list "url.txt", and what the engine tick takes
// over ("vyknewurl.txt", the "ystop" titles of the navigation panel).
#include "sim_app.h"

#include "board/ombrel.h"
#include "board/regform.h"
#include "board/vykform3.h"
#include "wiring/wiring.h"

#include <map>
#include <ostream>

namespace tv::test {
namespace {

constexpr const char* kList = "C:\\Tarvesk\\url.txt";
constexpr const char* kHandover = "C:\\Tarvesk\\vyknewurl.txt";

class AddressCommands : public SimApp {
protected:
    Tombrel& browser() { return app->ombrel(); }
    // Counts the clicks of the browser form's commands the address commands use.
    void count_clicks()
    {
        for (ui::Button* b : {&browser().Button1, &browser().Button14, &browser().cmdnewslot, &browser().SpeedButton65,
                              &browser().SpeedButton68})
            b->on_click = [this, b] { ++clicks[b->name()]; };
    }
    tv::AddressCommands commands() { return tv::AddressCommands(*app, desk); }
    void engine_tick()
    {
        browser().Timer1.set_enabled(true);
        desk.advance(40);
    }
    std::map<std::string, int> clicks;
};

struct LinkCase {
    const char* link;
    std::map<std::string, int> clicks;
    bool ends_program;
};
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.link; }

class SchemeCommand : public AddressCommands, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(SchemeCommand, RunsItsCommandOnly)
{
    const LinkCase& c = GetParam();
    start();
    count_clicks();
    browser().set_bounds(0, 0, 800, 600);
    commands().scheme_command(c.link);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(app->ended(), c.ends_program);
    if (c.clicks.contains("Button14")) {
        EXPECT_EQ(browser().height(), 0);
    }
    if (c.clicks.contains("Button1")) {
        EXPECT_EQ(browser().Edit1.text(), "file://C:\\Tarvesk\\adcenter.htm");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Links, SchemeCommand,
    ::testing::Values(LinkCase{"vyk://bbs/anything", {}, false}, LinkCase{"vyk://close", {}, false},
                      LinkCase{"vyk://exit", {}, true}, LinkCase{"vyk://help", {}, true},
                      LinkCase{"vyk://http://a.cn/", {{"cmdnewslot", 1}}, false},
                      LinkCase{"vyk002cmd", {{"Button1", 1}}, false}, LinkCase{"vyk003", {{"Button14", 1}}, false},
                      LinkCase{"vyk999", {}, false}, LinkCase{"vykabc", {}, false}, LinkCase{"vyk", {}, false}),
    [](const auto& info) { return "link" + std::to_string(info.index); });

TEST_F(AddressCommands, TheListIsLoadedAtStartAndSavedAtTheEnd)
{
    desk.put_file(kList, "http://start.example/\r\n新闻     --http://news.example/\r\n");
    start();
    EXPECT_EQ(browser().ListBox10.items(),
              (std::vector<std::string>{"http://start.example/", "新闻     --http://news.example/"}));
    EXPECT_EQ(browser().Edit1.text(), "http://start.example/");
    browser().ListBox10.insert(0, "http://first.example/");
    program.reset();
    EXPECT_EQ(desk.files().at(kList),
              "http://first.example/\r\nhttp://start.example/\r\n新闻     --http://news.example/\r\n");
}

TEST_F(AddressCommands, AnEmptyListWritesAnEmptyFile)
{
    for (const char* before : {"", "http://a.example/\r\n"}) {
        if (*before)
            desk.put_file(kList, before);
        start();
        browser().ListBox10.clear();
        program.reset();
        ASSERT_TRUE(desk.files().contains(kList)) << before;
        EXPECT_EQ(desk.files().at(kList), "") << before;
    }
}

TEST_F(AddressCommands, AFileThatCannotBeReadIsNeverWritten)
{
    const std::string garbled("a\0\xFF\xFE\r\nb", 7);
    for (const bool locked : {false, true}) {
        desk.put_file(kList, garbled);
        if (locked)
            desk.locked_files.insert(kList);
        start();
        EXPECT_TRUE(browser().ListBox10.items().empty()) << locked;
        browser().ListBox10.add("http://new.example/");
        program.reset();
        desk.locked_files.clear();
        EXPECT_EQ(desk.files().at(kList), garbled) << locked;
    }
}

TEST_F(AddressCommands, TheHandedOverFileIsTakenOnTheEngineTick)
{
    start();
    browser().Edit1.set_text("http://box.example/");
    browser().Panel3.set_bounds(10, 10, 400, 540);
    desk.put_file(kHandover, "http://handed.example/\r\nsecond\r\n");
    engine_tick();
    EXPECT_FALSE(desk.files().contains(kHandover));
    EXPECT_EQ(browser().ListBox8.items(), (std::vector<std::string>{"http://handed.example/", "second"}));
    EXPECT_EQ(browser().Panel23.text(), "http://handed.example/");
    EXPECT_EQ(browser().Panel29.text(), "http://box.example/");
    EXPECT_EQ(browser().slotPos, 1);
    EXPECT_LT(browser().Panel3.left(), 0);

    browser().Edit1.set_text("vyk002cmd");
    browser().slotPos = 59;
    desk.put_file(kHandover, "http://other.example/");
    engine_tick();
    EXPECT_FALSE(desk.files().contains(kHandover)) << "deleted in every case";
    EXPECT_EQ(browser().slotPos, 59) << "the start page mark keeps the slot";
    browser().Edit1.set_text("x");
    desk.put_file(kHandover, "http://third.example/");
    engine_tick();
    EXPECT_EQ(browser().slotPos, 1) << "above 59 wraps to 1";

    desk.put_file(kHandover, "http://locked.example/");
    desk.locked_files.insert(kHandover);
    engine_tick();
    EXPECT_TRUE(desk.files().contains(kHandover)) << "a file not read whole stays";
}

struct TitleCase {
    const char* title;
    const char* title_after;
    std::map<std::string, int> clicks;
    bool panel_hidden;
    bool panel_at_cursor;
    int slot_moves;
};
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.title; }

class TitleCommand : public AddressCommands, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleCommand, IsAnsweredInTheTitle)
{
    const TitleCase& c = GetParam();
    start();
    count_clicks();
    desk.user_move({300, 700});
    browser().Panel3.set_bounds(10, 10, 230, 260);
    set_caption("TvykForm3", c.title);
    engine_tick();
    EXPECT_EQ(caption("TvykForm3"), c.title_after);
    EXPECT_EQ(browser().Panel5.text(), c.title);
    EXPECT_EQ(clicks, c.clicks);
    if (c.panel_at_cursor)
        EXPECT_EQ(browser().Panel3.bounds(), Rect::from_size(300, 440, 230, 260));
    else
        EXPECT_EQ(browser().Panel3.left() < 0, c.panel_hidden);
    EXPECT_EQ(browser().slotPos, c.slot_moves);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleCommand,
    ::testing::Values(TitleCase{"ystop goweb", "ystop xxgoweb", {}, false, true, 0},
                      TitleCase{"ystop gowebhelp", "ystop xxgoweb", {{"SpeedButton68", 1}}, false, true, 0},
                      TitleCase{"ystop gowebxx", "ystop xxgoweb", {}, true, false, 0},
                      TitleCase{"ystop help", "ystop xxhelp", {{"SpeedButton68", 1}}, false, false, 0},
                      TitleCase{"ystop myworld", "ystop welxxfil", {{"SpeedButton65", 1}}, false, false, 0},
                      TitleCase{"ystop vykscroll", "ystop vykscroll", {}, true, false, 0},
                      TitleCase{"ystop vykinput", "ystop vykinput", {}, false, false, 0},
                      TitleCase{"ystopurlhttp://t.example/", "ystop browok", {}, true, false, 1}),
    [](const auto& info) { return "title" + std::to_string(info.index); });

TEST_F(AddressCommands, WhileTheSiblingTypesNothingIsHandedOver)
{
    start();
    desk.put_file(kHandover, "http://handed.example/");
    for (const char* typing : {"ystop vykinput", "ystop vykinputok"}) {
        set_caption("TvykForm3", typing);
        engine_tick();
        EXPECT_TRUE(desk.files().contains(kHandover)) << typing;
    }
    set_caption("TvykForm3", "rightup");
    engine_tick();
    EXPECT_FALSE(desk.files().contains(kHandover));
    EXPECT_EQ(browser().slotPos, 1);
}

TEST_F(AddressCommands, TheTitleHandoverShowsItsAddress)
{
    start();
    browser().Edit1.set_text("box");
    set_caption("TvykForm3", "ystopurlhttp://t.example/");
    engine_tick();
    EXPECT_EQ(caption("TvykForm3"), "ystop browok");
    EXPECT_EQ(browser().Panel23.text(), "http://t.example/");
    EXPECT_EQ(browser().Panel29.text(), "box");
}

} // namespace
} // namespace tv::test
