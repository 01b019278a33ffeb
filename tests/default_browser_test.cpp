// A user without the sibling browser ("ombrel.exe" not beside the program):
// the escape menu's search, the drag-end search and the hint bar's links open
// in the default browser through the shell, and only as http(s) addresses.
// With the sibling there nothing reaches the shell.
#include "status_form.h"

#include "board/escmenu.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/taskform.h"
#include "core/sibling_channel.h"
#include "mouse/escape_menu.h"

#include <ostream>

namespace tv::test {
namespace {

constexpr const char* kSiblingProgram = "C:\\Tarvesk\\ombrel.exe";

enum class Way { EscapeMenuSearch, DragEndSearch };

struct SearchCase {
    const char* name;
    std::string text;
    std::vector<std::string> opened;
};
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class NoSiblingSearch : public StatusForm,
                        public ::testing::WithParamInterface<std::tuple<Way, SearchCase>> {
protected:
    void search(Way way, const std::string& text)
    {
        if (way == Way::EscapeMenuSearch) {
            open_escape_menu(*app, {"菜单", {240, 295}, false});
            app->escmenu().Edit1.set_text(text);
            app->escmenu().BitBtn1.click();
            return;
        }
        // An easy drag over a page ends with Ctrl held: the selection is
        // copied (the clipboard holds it) and the main loop searches it.
        desk.add_window("Internet Explorer_Server", "", Rect::from_size(200, 300, 600, 300));
        desk.user_move({500, 400});
        desk.set_clipboard(text);
        app->pyoil().easydrag.click();
        desk.advance(100);
        restart_status_timer();
        desk.user_key(kCtrl, KeyAction::Down);
        desk.advance(150);
        desk.user_key(kCtrl, KeyAction::Up);
    }
};

TEST_P(NoSiblingSearch, ReachesTheShellAsOneWebAddressOrNotAtAll)
{
    const auto& [way, c] = GetParam();
    desk.missing_programs.push_back(kSiblingProgram);
    start_program();
    search(way, c.text);
    EXPECT_EQ(desk.opened_addresses(), c.opened);
    EXPECT_TRUE(sibling::missing(*app));
}

const SearchCase kSearches[] = {
    {"Words", "天气预报 北京", {"https://www.baidu.com/s?ie=utf-8&wd=%E5%A4%A9%E6%B0%94%E9%A2%84%E6%8A%A5%20%E5%8C%97%E4%BA%AC"}},
    {"WordsWithSeparators", "a;b&c=d", {"https://www.baidu.com/s?ie=utf-8&wd=a%3Bb%26c%3Dd"}},
    {"Address", "https://a.example/x?y=1", {"https://a.example/x?y=1"}},
    {"FileAddress", "file:///C:/Windows/system32/calc.exe", {}},
    {"Script", "javascript:location='file:///C:/'", {}},
    {"ProgramPath", "C:\\Windows\\system32\\calc.exe", {}},
    {"NetworkPath", "\\\\host\\share\\x.exe", {}},
    {"InvalidCp936", std::string("\x81\x20\xFF"), {"https://www.baidu.com/s?ie=utf-8&wd=%EF%BF%BD%20%EF%BF%BD"}},
};

INSTANTIATE_TEST_SUITE_P(Texts, NoSiblingSearch,
                         ::testing::Combine(::testing::Values(Way::EscapeMenuSearch, Way::DragEndSearch),
                                            ::testing::ValuesIn(kSearches)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == Way::EscapeMenuSearch ? "Menu" : "Drag") +
                                    std::get<1>(info.param).name;
                         });

TEST_F(StatusForm, A64KiBSearchOpensOneAddressOfBoundedLength)
{
    desk.missing_programs.push_back(kSiblingProgram);
    start_program();
    app->escmenu().Edit1.set_text(std::string(64 * 1024, 'x'));
    app->escmenu().BitBtn1.click();
    ASSERT_EQ(desk.opened_addresses().size(), 1u);
    EXPECT_LE(desk.opened_addresses()[0].size(), 2048u);
}

TEST_F(StatusForm, WithTheSiblingTheSearchGoesToItAlone)
{
    for (const bool running : {false, true}) {
        start_program();
        if (running)
            desk.add_window("TApplication", "ombrel", Rect::from_size(0, 0, 0, 0), Visibility::Hidden);
        app->escmenu().Edit1.set_text("天气");
        app->escmenu().BitBtn1.click();
        EXPECT_EQ(caption("Tregform"), "vykgonewurl=天气") << running;
        desk.set_clipboard(std::string("新闻"));
        app->escmenu().Panel8.set_text("----");
        desk.advance(50);
        EXPECT_EQ(caption("Tregform"), "vykgonewurl=新闻") << running;
        EXPECT_TRUE(desk.opened_addresses().empty()) << running;
        program.reset();
    }
}

TEST_F(StatusForm, AHintBarLinkOpensInTheDefaultBrowserWhenNothingCanStartTheSibling)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"http://a.example/page.htm", {"http://a.example/page.htm"}},
        {"javascript:void(0)", {}},
        {"file:///C:/a.exe", {}},
    };
    desk.missing_programs.push_back(desk.program_folder() + "ee.bat");
    start_program();
    const WebViewId view = view_opened_on(kHintPage);
    std::vector<std::string> opened;
    for (const auto& [link, expected] : cases) {
        desk.fire_status_text(view, link);
        EXPECT_TRUE(desk.fire_new_window(view));
        opened.insert(opened.end(), expected.begin(), expected.end());
        EXPECT_EQ(desk.opened_addresses(), opened) << link;
    }
}

} // namespace
} // namespace tv::test
