// The state board's tests on cells and the history lists.
#include "core/cell.h"
#include "core/history.h"
#include "sim_app.h"

#include "board/kxm.h"

#include <climits>

namespace tv::test {
namespace {

struct PrefixCase {
    const char* text;
    const char* token;
    bool starts;
    bool contains;
};

TEST(CellTests, PrefixAndSubstringReadTheBoardAsItsReadersDo)
{
    const PrefixCase cases[] = {
        {"rbuttonup", "buttonup", false, true},        // a release test also sees the right release
        {"buttonup", "buttonup", true, true},
        {"old--18up", "old--18", true, true},
        {"old--18..0", "old--18..", true, true},       // the hook's Alt events
        {"old--18up", "old--18..", false, false},
        {"xxystop wheel", "ystop wheel=", false, false}, // a spoiled token is ignored
        {"qqystop wheel=xxxx", "ystop wheel=", false, true},
        {"ystop wheel=///", "ystop wheel=", true, true},
        {"", "old--", false, false},
        {"old--", "", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.token);
        EXPECT_EQ(cell::starts_with(c.text, c.token), c.starts);
        EXPECT_EQ(cell::contains(c.text, c.token), c.contains);
    }
    EXPECT_TRUE(cell::is("rightup", "rightup"));
    EXPECT_FALSE(cell::is("rightup", "Rightup")) << "tests are case-sensitive";
}

TEST(CellTests, PositionsCountBytesFromOne)
{
    // Every settings key is four Chinese characters and "--": the value starts at byte 11.
    const std::string line = "进入窗口--2";
    ASSERT_EQ(line.size(), 11u);
    EXPECT_EQ(cell::from(line, 11), "2");
    EXPECT_EQ(cell::piece(line, 1, 8), "进入窗口");
    EXPECT_EQ(cell::piece(line, 9, 2), "--");
    EXPECT_EQ(cell::number(line, 11, 1), 2);
    EXPECT_EQ(cell::position(line, "--"), 9);
    EXPECT_EQ(cell::position(line, "xx"), 0);
}

struct PieceCase {
    const char* text;
    long pos;
    long len;
    const char* expected;
};

TEST(CellTests, PiecesNeverReadOutOfRange)
{
    const PieceCase cases[] = {
        {"abc", 1, 3, "abc"},   {"abc", 2, 10, "bc"},   {"abc", 4, 1, ""},     {"abc", 100, 5, ""},
        {"abc", 0, 2, "a"},     {"abc", -5, 2, ""},     {"abc", -1, 4, "ab"},   {"abc", 1, 0, ""},
        {"abc", 1, -3, ""},     {"", 1, 1, ""},         {"abc", LONG_MIN, LONG_MAX, ""},
        {"abc", 2, LONG_MAX, "bc"}, {"abc", LONG_MAX, LONG_MAX, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.pos) + " " + std::to_string(c.len));
        EXPECT_EQ(cell::piece(c.text, c.pos, c.len), c.expected);
    }
    EXPECT_EQ(cell::from("abc", 11), "") << "a short settings line has an empty value";
}

TEST(CellTests, NumbersArePlainDecimals)
{
    EXPECT_EQ(cell::number("17"), 17);
    EXPECT_EQ(cell::number("-2000"), -2000);
    EXPECT_EQ(cell::number("0"), 0);
    for (const char* bad : {"", "1a", " 1", "--", "99999999999999999999999", "１"})
        EXPECT_EQ(cell::number(bad), std::nullopt) << bad;
    EXPECT_EQ(cell::number("速度--12", 7, 2), 12);
}

using History = SimApp;

TEST_F(History, InsertsOnlyWhenDifferentFromTheTop)
{
    start();
    ui::ListBox& keys = app->kxm().ListBox1;
    EXPECT_TRUE(history::push(keys, "18down"));
    EXPECT_FALSE(history::push(keys, "18down"));
    EXPECT_TRUE(history::push(keys, "old--18up"));
    EXPECT_TRUE(history::push(keys, "18down")) << "equal to an older entry, not to the top";
    EXPECT_EQ(keys.items(), (std::vector<std::string>{"18down", "old--18up", "18down"}));
}

TEST_F(History, IsCutBackOnceItGrowsPastItsLimit)
{
    start();
    ui::ListBox& keys = app->kxm().ListBox1;
    for (int i = 0; i < 10; ++i)
        history::push(keys, "key--" + std::to_string(65 + i));
    history::trim(keys, 10, 4);
    EXPECT_EQ(keys.count(), 10u) << "ten is not past the limit";
    history::push(keys, "key--90");
    history::trim(keys, 10, 4);
    EXPECT_EQ(keys.items(), (std::vector<std::string>{"key--90", "key--74", "key--73", "key--72"}));
}

} // namespace
} // namespace tv::test
