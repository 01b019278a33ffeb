// The scenario runner: a script drives the simulated desktop and the trace
// shows what happened, in UTF-8.
#include "scenario.h"
#include "sim_app.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tv::test {
namespace {

std::string run_script(const std::string& script, bool expect_ok = true, std::string* error = nullptr)
{
    std::ostringstream trace;
    ScenarioRunner runner(trace);
    std::istringstream in(script);
    EXPECT_EQ(runner.run(in), expect_ok) << runner.error();
    if (error)
        *error = runner.error();
    return trace.str();
}

TEST(Scenario, TraceShowsCellChangesAndInputWithVirtualTime)
{
    const std::string trace = run_script(utf8(u8"start auto\n"
                                              u8"advance 40\n"
                                              u8"key 65\n"
                                              u8"advance 10\n"
                                              u8"wheel up\n"
                                              u8"caption Tregform \"filecmd=C:\\文档\\计划.txt\"\n"
                                              u8"expect TvykForm3 \"ystop wheel=///\"\n"));
    EXPECT_NE(trace.find("[      0 ms] pyoil.Label7 = \"auto\""), std::string::npos) << trace;
    EXPECT_NE(trace.find(utf8(u8"[     30 ms] ombrel.Button41 = \"返回\"")), std::string::npos) << trace;
    EXPECT_NE(trace.find("[     40 ms] caption pyoil = \"key--65\""), std::string::npos) << trace;
    EXPECT_NE(trace.find("[     50 ms] caption vykForm3 = \"ystop wheel=///\""), std::string::npos) << trace;
    EXPECT_NE(trace.find(utf8(u8"caption regform = \"filecmd=C:\\文档\\计划.txt\"")), std::string::npos) << trace;
}

TEST(Scenario, WithoutTheHookLibraryTheMessageIsTraced)
{
    const std::string trace = run_script("no-library wrhk.dll\nstart\nadvance 100\n");
    EXPECT_NE(trace.find("started, 1 forms, ended with code 1"), std::string::npos) << trace;
    EXPECT_NE(trace.find(utf8(u8"message box \"Tarvesk\": \"DLL: 不能加载！程序退出。\"")), std::string::npos) << trace;
}

TEST(Scenario, BadLinesAndFailedExpectationsStopWithTheirLine)
{
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"advance\n", "line 1: not understood: advance"},
        {"move 1\n", "line 1: not understood: move 1"},
        {"\n# note\nwheel sideways\n", "line 3: not understood: wheel sideways"},
        {"key x down\n", "line 1: not understood: key x down"},
        {"expect Tlifeform other\n", "line 1: expected Tlifeform caption \"other\", found \"mywheel\""},
        {"start\nstart\n", "line 2: the program is already running"},
    };
    for (const Case& c : cases) {
        std::string error;
        run_script(c.script, false, &error);
        EXPECT_EQ(error, c.error) << c.script;
    }
}

TEST(Scenario, DumpListsEveryForm)
{
    const std::string trace = run_script("start\ndump\n");
    EXPECT_NE(trace.find("form pyoil class=Tpyoil left=-2000 top=380 width=284 height=234 visible=0 "
                         "caption=\"old--78..2\""),
              std::string::npos)
        << trace;
    EXPECT_NE(trace.find("  ListBox3 ListBox"), std::string::npos);
    EXPECT_NE(trace.find("form escmenu class=Tescmenu"), std::string::npos);
}

TEST(Scenario, OtherProgramsWindowsCanBeAdded)
{
    std::ostringstream trace;
    ScenarioRunner runner(trace);
    ASSERT_TRUE(runner.run_line(utf8(u8"window Notepad \"无标题 - 记事本\" 100 200 600 400")));
    const Hwnd h = runner.desktop().find_window("Notepad");
    EXPECT_EQ(runner.desktop().title(h), "无标题 - 记事本") << "kept as CP936 on the desktop";
    EXPECT_EQ(runner.desktop().window_rect(h), Rect::from_size(100, 200, 600, 400));
    EXPECT_EQ(runner.desktop().window_from_point({150, 250}), h);
}

// A run recorded while it goes replays to the same trace: the recording keeps
// the acting lines (the implicit start, windows with blank or empty titles,
// captions, input, the clock) and drops comments and expectations; the run
// stopped by a failed expectation is recorded up to it.
TEST(Scenario, ARecordingReplaysToTheSameTrace)
{
    const std::string script = utf8(u8"# a comment\n"
                                    u8"no-library missing.dll\n"
                                    u8"window Notepad \"无标题 - 记事本\" 100 300 600 400\n"
                                    u8"window Other \"\" 0 0 10 10\n"
                                    u8"key 65\n"
                                    u8"advance 50\n"
                                    u8"move 300 400\n"
                                    u8"advance 50\n"
                                    u8"move 280 400\n"
                                    u8"wheel up\n"
                                    u8"button right down\n"
                                    u8"button right up\n"
                                    u8"caption Tregform \"filecmd=C:\\文档\\计划.txt\"\n"
                                    u8"advance 100\n"
                                    u8"expect Tpyoil \"not this\"\n"
                                    u8"advance 100\n");
    std::ostringstream trace, recording;
    ScenarioRunner recorder(trace);
    recorder.record_to(recording);
    std::istringstream in(script);
    EXPECT_FALSE(recorder.run(in)) << "the last expectation fails";
    const std::string recorded = recording.str();
    EXPECT_EQ(recorded.find('#'), std::string::npos) << recorded;
    EXPECT_EQ(recorded.find("expect"), std::string::npos) << recorded;
    EXPECT_EQ(recorded.rfind("advance 100\n"), recorded.size() - 12) << "nothing after the failed line: " << recorded;

    EXPECT_EQ(run_script(recorded), trace.str());
}

} // namespace
} // namespace tv::test
