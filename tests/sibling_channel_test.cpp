// The command channel to the sibling browser.
#include "sim_app.h"

#include "board/regform.h"
#include "core/sibling_channel.h"

namespace tv::test {
namespace {

class SiblingChannel : public SimApp {
protected:
    void SetUp() override { start(); }
    void add_sibling()
    {
        sibling_app = desk.add_window("TApplication", "ombrel", Rect::from_size(0, 0, 10, 10));
        desk.add_window("Tombrelmain", "ombrel main", Rect::from_size(100, 100, 800, 600));
        desk.add_window("Tvykombrel", "page", Rect::from_size(100, 100, 800, 600));
    }
    Hwnd sibling_app = 0;
};

TEST_F(SiblingChannel, TwoCommandsInOneTickLeaveOnlyTheSecond)
{
    add_sibling();
    sibling::send(*app, "vyknext");
    sibling::send(*app, "vykprev");
    EXPECT_EQ(caption("Tregform"), "vykprev");
}

TEST_F(SiblingChannel, AWriterThatNeedsTheSiblingStartsItFirst)
{
    int starts = 0;
    sibling::send_to_running(*app, "vykgonewurl=http://a.cn/", [&] { ++starts; });
    EXPECT_EQ(starts, 1) << "absent: started, and the command written at once";
    EXPECT_EQ(caption("Tregform"), "vykgonewurl=http://a.cn/");

    add_sibling();
    sibling::send_to_running(*app, "vyknewurl=http://b.cn/", [&] { ++starts; });
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(caption("Tregform"), "vyknewurl=http://b.cn/");
}

TEST_F(SiblingChannel, FindsTheSiblingByItsWindows)
{
    EXPECT_FALSE(sibling::running(desk));
    EXPECT_FALSE(sibling::main_window_shown(desk));
    add_sibling();
    EXPECT_TRUE(sibling::running(desk));
    EXPECT_TRUE(sibling::main_window_shown(desk));
    desk.set_window_rect(desk.find_window("Tombrelmain"), Rect::from_size(-1, 0, 800, 600));
    EXPECT_FALSE(sibling::main_window_shown(desk)) << "a negative left edge counts as not shown";
    EXPECT_FALSE(sibling::in_front(desk));
    desk.set_foreground(desk.find_window("Tvykombrel"));
    EXPECT_TRUE(sibling::in_front(desk));
}

TEST_F(SiblingChannel, HidingTheBrowserAlsoHidesItsApplicationWindow)
{
    add_sibling();
    sibling::hide_browser(*app);
    EXPECT_EQ(caption("Tregform"), "vykcmdhideie");
    EXPECT_FALSE(desk.is_visible(sibling_app));
}

struct InboxCase {
    const char* cell;
    const char* prefix;
    const char* answer;
    std::optional<std::string> request;
    const char* cell_after;
};

TEST_F(SiblingChannel, InboxRequestsAreAnsweredOnce)
{
    const InboxCase cases[] = {
        {"filecmd=C:\\文档\\a.txt", "filecmd=", "ok jmjm", "C:\\文档\\a.txt", "ok jmjm"},
        {"filecmd=", "filecmd=", "ok jmjm", "", "ok jmjm"},
        {"url=http://a.cn/", "url=", "ok--curl", "http://a.cn/", "ok--curl"},
        {"ok jmjm", "filecmd=", "ok jmjm", std::nullopt, "ok jmjm"},
        {"xxfilecmd=C:\\a", "filecmd=", "ok jmjm", std::nullopt, "xxfilecmd=C:\\a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        set_caption("Tregform", c.cell);
        EXPECT_EQ(sibling::take_request(*app, c.prefix, c.answer), c.request);
        EXPECT_EQ(caption("Tregform"), c.cell_after);
    }
}

} // namespace
} // namespace tv::test
