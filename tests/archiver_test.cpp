// The outside archiver is started with password, archive and file each as one
// argument: the command line is read back by the start-up rules of Windows
// programs, and what the archiver code hands the platform is checked on the
// simulated desktop (the Wine test "archiver_arguments" runs the real thing).
#include "core/archiver.h"
#include "platform/command_line.h"
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace tv::test {
namespace {

struct SplitCase {
    std::wstring line;
    std::vector<std::wstring> arguments;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << std::string(c.line.begin(), c.line.end()); }

class SplitCommandLine : public ::testing::TestWithParam<SplitCase> {};

// The reading rules, on the documented examples of how a C program's start-up
// code splits its command line.
TEST_P(SplitCommandLine, ReadsArgumentsByTheStartUpRules)
{
    EXPECT_EQ(split_windows_command_line(GetParam().line), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(Documented, SplitCommandLine,
                         ::testing::Values(SplitCase{LR"("a b c" d e)", {L"a b c", L"d", L"e"}},
                                           SplitCase{LR"("ab\"c" "\\" d)", {LR"(ab"c)", LR"(\)", L"d"}},
                                           SplitCase{LR"(a\\\b d"e f"g h)", {LR"(a\\\b)", L"de fg", L"h"}},
                                           SplitCase{LR"(a\\\"b c d)", {LR"(a\"b)", L"c", L"d"}},
                                           SplitCase{LR"(a\\\\"b c" d e)", {LR"(a\\b c)", L"d", L"e"}},
                                           SplitCase{LR"(a"b"" c d)", {LR"(ab" c d)"}},
                                           SplitCase{L"  \t ", {}}));

class QuoteArgument : public ::testing::TestWithParam<std::wstring> {};

// Any text, quoted and put between two other arguments, reads back as itself:
// one argument, the neighbours untouched.
TEST_P(QuoteArgument, ArrivesAsExactlyOneArgument)
{
    const std::vector<std::wstring> words{L"C:\\a b\\rar.exe", GetParam(), L"-df"};
    EXPECT_EQ(split_windows_command_line(windows_command_line(words)), words);
}

INSTANTIATE_TEST_SUITE_P(Texts, QuoteArgument,
                         ::testing::Values(L"plain", L"two words", L"say \"hi\"", L"back\\\"slash", L"trailing\\",
                                           L"two trailing\\\\", L"\\\\server\\share\\", L"a & b", L"100%PATH%",
                                           L"", L"\"", L"\\", L"tab\there", L" lead", L"-hp\u79d8\u5bc6 \u65e5\u8bb0"));

TEST(QuoteArgumentText, LeavesPlainArgumentsAloneAndDoublesBackslashesOnlyBeforeQuotes)
{
    EXPECT_EQ(quote_windows_argument(std::wstring_view(L"-ep1")), L"-ep1");
    EXPECT_EQ(quote_windows_argument(std::wstring_view(L"C:\\x\\y")), L"C:\\x\\y");
    EXPECT_EQ(quote_windows_argument(std::wstring_view(L"a\\b c")), L"\"a\\b c\"");
    EXPECT_EQ(quote_windows_argument(std::wstring_view(L"a\\\"b")), L"\"a\\\\\\\"b\"");
    EXPECT_EQ(quote_windows_argument(std::wstring_view(L"d e\\")), L"\"d e\\\\\"");
}

class ArchiverFixture : public ::testing::Test {
protected:
    sim::SimDesktop desk;
    std::string folder() const { return desk.program_folder(); }
    std::string program() const { return folder() + "rar.exe"; }
};

TEST_F(ArchiverFixture, LockAndUnlockStartTheProgramFolderArchiverShownWithOneArgumentEach)
{
    const std::string password = "my \"secret\" & 100%";
    const std::string archive = folder() + "riji.txt.rar", file = folder() + "riji.txt";
    ASSERT_TRUE(archiver::lock(desk, password, archive, file));
    ASSERT_TRUE(archiver::unlock(desk, password, archive, folder()));
    const auto& started = desk.started_with_arguments();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].path, program());
    EXPECT_EQ(started[0].visibility, Visibility::Shown);
    EXPECT_EQ(started[0].arguments,
              (std::vector<std::string>{"m", "-ep1", "-t", "-hp" + password, "-df", "-m1", archive, file}));
    EXPECT_EQ(started[1].path, program());
    EXPECT_EQ(started[1].arguments, (std::vector<std::string>{"x", "-hp" + password, archive, folder()}));
}

struct Refused {
    const char* why;
    std::string password, archive, file;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << r.why; }

class ArchiverRefuses : public ArchiverFixture, public ::testing::WithParamInterface<Refused> {};

// An argument the archiver would read as something else starts nothing.
TEST_P(ArchiverRefuses, StartsNothing)
{
    const Refused& r = GetParam();
    EXPECT_FALSE(archiver::lock(desk, r.password, r.archive, r.file));
    EXPECT_FALSE(archiver::unlock(desk, r.password, r.archive, r.file));
    EXPECT_TRUE(desk.started_with_arguments().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiverRefuses,
    ::testing::Values(Refused{"empty password", "", "C:\\d\\a.rar", "C:\\d\\a.txt"},
                      Refused{"quote in a path", "pw", "C:\\d\\a\".rar", "C:\\d\\a.txt"},
                      Refused{"path read as a switch", "pw", "C:\\d\\a.rar", "-df"},
                      Refused{"path read as a list file", "pw", "@list", "C:\\d\\a.txt"},
                      Refused{"empty path", "pw", "C:\\d\\a.rar", ""}));

TEST_F(ArchiverFixture, MissingArchiverIsReportedAsNotStarted)
{
    desk.missing_programs.push_back(program());
    EXPECT_FALSE(archiver::lock(desk, "pw", folder() + "a.rar", folder() + "a.txt"));
    EXPECT_TRUE(desk.started_with_arguments().empty());
}

} // namespace
} // namespace tv::test
