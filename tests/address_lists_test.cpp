// The address texts: search addresses for the default browser, the personal
// address list's file, the favourites folder and shortcut files, and the
// private-scheme links.
#include "browser/url_lists.h"
#include "core/web_address.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tv::test {
namespace {

constexpr std::string_view kPrefix = "https://s.example/s?wd=";

struct BrowserAddressCase {
    const char* name;
    std::string text;
    std::optional<std::string> address;
};
void PrintTo(const BrowserAddressCase& c, std::ostream* os) { *os << c.name; }

class DefaultBrowserAddress : public ::testing::TestWithParam<BrowserAddressCase> {};

TEST_P(DefaultBrowserAddress, OnlyWebAddressesAndSearchesReachTheShell)
{
    const BrowserAddressCase& c = GetParam();
    EXPECT_EQ(web::default_browser_address(c.text, kPrefix), c.address);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DefaultBrowserAddress,
    ::testing::Values(
        BrowserAddressCase{"WebAddressAsItIs", "http://a.cn/x?y=1&z=2", "http://a.cn/x?y=1&z=2"},
        BrowserAddressCase{"HttpsAnyCase", "HTTPS://A.cn/", "HTTPS://A.cn/"},
        BrowserAddressCase{"BlanksAroundDropped", "  https://a.cn/ \r\n", "https://a.cn/"},
        BrowserAddressCase{"BlankInsideEncoded", "https://a.cn/a b", "https://a.cn/a%20b"},
        BrowserAddressCase{"ChineseInAddressAsUtf8", "https://a.cn/天", "https://a.cn/%E5%A4%A9"},
        BrowserAddressCase{"WordsBehindThePrefix", "天气 预报", "https://s.example/s?wd=%E5%A4%A9%E6%B0%94%20%E9%A2%84%E6%8A%A5"},
        BrowserAddressCase{"QuerySeparatorsEncoded", "a&b=c;d#e", "https://s.example/s?wd=a%26b%3Dc%3Bd%23e"},
        BrowserAddressCase{"PercentEncoded", "100%", "https://s.example/s?wd=100%25"},
        BrowserAddressCase{"UnreservedKept", "A-z_0.9~", "https://s.example/s?wd=A-z_0.9~"},
        BrowserAddressCase{"InvalidCp936AsReplacement", std::string("a\x81"), "https://s.example/s?wd=a%EF%BF%BD"},
        BrowserAddressCase{"Empty", "", std::nullopt},
        BrowserAddressCase{"OnlyBlanks", " \t\r\n", std::nullopt},
        BrowserAddressCase{"FileScheme", "file:///C:/Windows/notepad.exe", std::nullopt},
        BrowserAddressCase{"FileSchemeUpper", "FILE://c:\\a.txt", std::nullopt},
        BrowserAddressCase{"Javascript", "javascript:alert(1)", std::nullopt},
        BrowserAddressCase{"OtherScheme", "mailto:a@b.cn", std::nullopt},
        BrowserAddressCase{"DrivePath", "C:\\Windows\\system32\\calc.exe", std::nullopt},
        BrowserAddressCase{"RelativePath", "tools\\run.bat", std::nullopt},
        BrowserAddressCase{"UncPath", "\\\\server\\share\\a.exe", std::nullopt},
        BrowserAddressCase{"RootedPath", "/bin/sh", std::nullopt},
        BrowserAddressCase{"HttpWithQuote", "http://a.cn/\"x", std::nullopt},
        BrowserAddressCase{"HttpWithLineBreakInside", "http://a.cn/\nfile:///c:/x", std::nullopt},
        BrowserAddressCase{"VeryLongAddress", "http://a.cn/" + std::string(64 * 1024, 'a'), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultBrowserAddressLimits, LongWordsAreCutAtAWholeCharacter)
{
    std::string words;
    for (int i = 0; i < 32 * 1024; ++i)
        words += "天";
    const std::optional<std::string> address = web::default_browser_address(words, kPrefix);
    ASSERT_TRUE(address);
    EXPECT_LE(address->size(), web::kLongestAddress);
    EXPECT_TRUE(address->starts_with(kPrefix));
    const std::string rest = address->substr(kPrefix.size());
    ASSERT_EQ(rest.size() % 9, 0u) << "whole characters of three escaped bytes: " << rest.substr(rest.size() - 12);
    EXPECT_GT(rest.size(), 9u * 100);
}

TEST(DefaultBrowserAddressLimits, APrefixThatIsNoWebAddressIsReplaced)
{
    EXPECT_EQ(web::search_prefix(""), web::kDefaultSearchPrefix);
    EXPECT_EQ(web::search_prefix("file:///C:/a.exe?"), web::kDefaultSearchPrefix);
    EXPECT_EQ(web::search_prefix(" https://s.example/?q= "), "https://s.example/?q=");
    EXPECT_EQ(web::default_browser_address("a", "file:///x?"), std::nullopt) << "never a search behind a local file";
}

TEST(AddressListFile, LinesRoundTripWithCrLf)
{
    const std::vector<std::string> lines{"http://a.cn/", "标题     --http://b.cn/", ""};
    const std::string text = urls::list_file_text(lines);
    EXPECT_EQ(text, "http://a.cn/\r\n标题     --http://b.cn/\r\n\r\n");
    EXPECT_EQ(urls::lines_of(text), lines);
    EXPECT_EQ(urls::list_file_text({}), "");
    EXPECT_TRUE(urls::lines_of("").empty());
    EXPECT_EQ(urls::lines_of("a\nb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(urls::is_text(std::string("a\0b", 3)));
}

TEST(AddressListFile, EntryAddressIsCutAtTheSeparatorOnly)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"新闻     --http://xn--fiqs8s.cn/", "http://xn--fiqs8s.cn/"},
        {"http://xn--fiqs8s.cn/a--b", "http://xn--fiqs8s.cn/a--b"},
        {"a--b     --http://c.cn/", "http://c.cn/"},
        {"     --", ""},
        {"", ""},
    };
    for (const auto& [line, address] : cases)
        EXPECT_EQ(urls::entry_address(line), address) << line;
}

TEST(Favourites, FolderIsTheDesktopsParentsFavorites)
{
    const std::pair<std::string_view, std::optional<std::string>> cases[] = {
        {"C:\\Desktop", "C:\\Favorites"},
        {"C:\\Users\\张三\\Desktop", "C:\\Users\\张三\\Favorites"},
        {"C:\\Users\\user\\Desktop\\", "C:\\Users\\user\\Desktop\\Favorites"},
        {"Desktop", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [desktop, folder] : cases)
        EXPECT_EQ(urls::favourites_folder(desktop), folder) << desktop;
}

TEST(Favourites, ShortcutAddressIsTheUrlLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"[InternetShortcut]\r\nURL=http://a.cn/\r\n", "http://a.cn/"},
        {"[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n[InternetShortcut]\r\nIDList=\r\nURL=https://b.cn/x\r\n",
         "https://b.cn/x"},
        {"[InternetShortcut]\nurl = http://c.cn/ \n", "http://c.cn/"},
        {"[InternetShortcut]\r\nIconFile=http://d.cn/favicon.ico\r\n", ""},
        {"", ""},
        {std::string("\0\0\xFF\xFE", 4), ""},
    };
    for (const auto& [file, address] : cases)
        EXPECT_EQ(urls::shortcut_address(file), address) << file;
}

TEST(AddressListFile, GoButtonSearchKeepsItsPrefixWhateverTheWords)
{
    const std::pair<std::string_view, std::string> cases[] = {
        {"天气", "https://s.example/s?wd=%E5%A4%A9%E6%B0%94&"},
        {"a;b", "https://s.example/s?wd=a%3Bb&"},
        {"", "https://s.example/s?wd=&"},
    };
    for (const auto& [words, address] : cases)
        EXPECT_EQ(urls::go_search_address(kPrefix, words), address) << words;
}

struct SchemeCase {
    const char* link;
    urls::SchemeCommand command;
};
void PrintTo(const SchemeCase& c, std::ostream* os) { *os << c.link; }

class SchemeLinks : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(SchemeLinks, TableThenNumber)
{
    EXPECT_EQ(urls::scheme_command_of(GetParam().link), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Links, SchemeLinks,
                         ::testing::Values(SchemeCase{"vyk://bbs", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk://bbs/exit", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk://exit", urls::SchemeCommand::Exit},
                                           SchemeCase{"vyk://help", urls::SchemeCommand::Help},
                                           SchemeCase{"vyk://http://a.cn/", urls::SchemeCommand::NewSlot},
                                           SchemeCase{"vyk://close", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk002cmd", urls::SchemeCommand::StartPage},
                                           SchemeCase{"vyk003", urls::SchemeCommand::Hide},
                                           SchemeCase{"vyk3", urls::SchemeCommand::Hide},
                                           SchemeCase{"vyk999", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk000", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vykabc", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk0a3", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk", urls::SchemeCommand::Nothing},
                                           SchemeCase{"vyk://", urls::SchemeCommand::Nothing}),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : std::string_view(info.param.link))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name + "_" + std::to_string(info.index);
                         });

} // namespace
} // namespace tv::test
