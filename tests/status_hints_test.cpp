// The status form's hint bar and the rules of its two web views, on the
// simulated desktop; without the web control the hints stand as labels.
#include "status_form.h"

#include "board/hint_template.h"
#include "platform/lines.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tv::test {
namespace {

// ---- the hint bar ----

// Before the mouse first moves, the bar shows the hints of the mode it names
// (the normal wheel), not empty boxes.
TEST_F(StatusForm, TheFirstTickShowsTheNamedModesHintsWithoutAMovement)
{
    start_program();
    desk.advance(100);
    EXPECT_EQ(bar().Label1.text(), "正常滚轮");
    EXPECT_EQ(bar().upmess.text(), "上滚＝");
    EXPECT_EQ(bar().rightmess.text(), "Ctrl＝"); // quick right button off
    EXPECT_NE(hint_bar_document().find("上滚＝  下滚＝"), std::string::npos) << hint_bar_document();
}

TEST_F(StatusForm, HintBarWaitsWhileTheLeftButtonIsHeldThenShowsEveryChange)
{
    start_program();
    desk.user_move({500, 400});
    const std::string before = hint_bar_document();

    desk.user_button(MouseButton::Left, ButtonAction::Down);
    bar().ListBox5.set_item(hint::kWheelLine, "上滚＝上页 下滚＝下页");
    bar().settopmess.click();
    bar().ListBox5.set_item(hint::kButtonLine, "右键＝3D鼠标模拟");
    bar().settopmess.click();
    EXPECT_EQ(hint_bar_document(), before);

    desk.user_button(MouseButton::Left, ButtonAction::Up);
    bar().settopmess.click();
    const std::string after = hint_bar_document();
    EXPECT_NE(after.find("上滚＝上页 下滚＝下页"), std::string::npos);
    EXPECT_NE(after.find("右键＝3D鼠标模拟"), std::string::npos);
}

TEST_F(StatusForm, ATemplateCutShortKeepsItsOwnLinesAndStillShowsTheHints)
{
    std::vector<std::string> own = hint::built_in_template();
    own.resize(9);
    own[6] = "<td>our own bar line</td>";
    desk.put_file(hint::kTemplateFile, join_crlf(own));
    start_program();

    bar().ListBox5.set_item(hint::kWheelLine, "上滚＝上页 下滚＝下页");
    bar().ListBox5.set_item(hint::kButtonLine, "右键＝3D鼠标模拟");
    bar().settopmess.click();

    const std::string shown = hint_bar_document();
    EXPECT_NE(shown.find("our own bar line"), std::string::npos);
    EXPECT_NE(shown.find("上滚＝上页 下滚＝下页"), std::string::npos);
    EXPECT_NE(shown.find("右键＝3D鼠标模拟"), std::string::npos);
    EXPECT_NE(shown.find("</BODY>"), std::string::npos) << "the built-in end of the document";
}

// ---- the two web views ----

enum class View { HintBar, Page };

struct StatusTextCase {
    const char* name;
    View view;
    const char* button_hint;
    const char* status_text;
    const char* button_hint_after;
};

void PrintTo(const StatusTextCase& c, std::ostream* os) { *os << c.name; }

class StatusWebViewText : public StatusForm, public ::testing::WithParamInterface<StatusTextCase> {};

TEST_P(StatusWebViewText, KeepsTheAddressAndShowsTheSearchWord)
{
    const StatusTextCase& c = GetParam();
    start();
    bar().ListBox5.set_item(hint::kButtonLine, c.button_hint);
    bar().settopmess.click();

    desk.fire_status_text(view_opened_on(c.view == View::HintBar ? kHintPage : kHelpTitlePage), c.status_text);

    EXPECT_EQ(bar().Panel32.text(), c.status_text);
    EXPECT_EQ(bar().ListBox5.item(hint::kButtonLine), c.button_hint_after);
    EXPECT_NE(hint_bar_document().find(c.button_hint_after), std::string::npos) << "the bar shows it";
}

INSTANTIATE_TEST_SUITE_P(
    EveryText, StatusWebViewText,
    ::testing::Values(
        StatusTextCase{"SearchLink", View::HintBar, "右键＝快速菜单", "http://www.baidu.com/s?word=鼠标",
                       "右键＝快速菜单 左键＝搜索鼠标"},
        StatusTextCase{"SearchLinkOnThePage", View::Page, "Ctrl＝导航鼠标", "http://www.baidu.com/s?word=滚轮&pn=10",
                       "Ctrl＝导航鼠标 左键＝搜索滚轮&pn=10"},
        StatusTextCase{"SearchAddressTwice", View::HintBar, "右键＝",
                       "http://www.baidu.com/s?word=甲&from=http://www.baidu.com/s?word=乙",
                       "右键＝ 左键＝搜索甲&from=http://www.baidu.com/s?word=乙"},
        StatusTextCase{"OtherSearch", View::HintBar, "右键＝", "http://example.com/find?word=甲", "右键＝"},
        StatusTextCase{"HintNamesTheLeftButton", View::Page, "Ctrl＝Enter 右键＝Enter 左键＝返回",
                       "http://www.baidu.com/s?word=甲", "Ctrl＝Enter 右键＝Enter 左键＝返回"},
        StatusTextCase{"EmptyText", View::Page, "右键＝", "", "右键＝"}),
    [](const ::testing::TestParamInfo<StatusTextCase>& info) { return std::string(info.param.name); });

struct NewWindowCase {
    const char* name;
    View view;
    bool sibling_application; // the "ombrel" application window
    bool sibling_frame;       // `Tvykombrel`
    bool started;
};

void PrintTo(const NewWindowCase& c, std::ostream* os) { *os << c.name; }

class StatusWebViewNewWindow : public StatusForm, public ::testing::WithParamInterface<NewWindowCase> {};

TEST_P(StatusWebViewNewWindow, IsRefusedAndTheAddressGoesToTheSibling)
{
    const NewWindowCase& c = GetParam();
    start();
    if (c.sibling_application)
        desk.add_window("TApplication", "ombrel", Rect::from_size(0, 0, 0, 0), Visibility::Hidden);
    if (c.sibling_frame)
        desk.add_window("Tvykombrel", "ombrel", Rect::from_size(0, 200, 800, 500));
    const WebViewId view = view_opened_on(c.view == View::HintBar ? kHintPage : kHelpTitlePage);
    desk.fire_status_text(view, "http://a.example/page.htm");

    EXPECT_TRUE(desk.fire_new_window(view));

    EXPECT_EQ(caption("Tregform"), "vyknewurl=http://a.example/page.htm");
    using Started = std::vector<std::pair<std::string, Visibility>>;
    const Started expected = c.started ? Started{{desk.program_folder() + "ee.bat", Visibility::Hidden}} : Started{};
    EXPECT_EQ(desk.started_programs(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EverySibling, StatusWebViewNewWindow,
    ::testing::Values(NewWindowCase{"NoSibling", View::HintBar, false, false, true},
                      NewWindowCase{"OnlyTheApplication", View::Page, true, false, true},
                      NewWindowCase{"OnlyTheFrame", View::HintBar, false, true, true},
                      NewWindowCase{"SiblingRunning", View::Page, true, true, false}),
    [](const ::testing::TestParamInfo<NewWindowCase>& info) { return std::string(info.param.name); });

using StatusWithoutWebControl = SimApp;

// Without the web control (as under Wine) the hints stand on the bar as labels.
TEST_F(StatusWithoutWebControl, HintsAreShownAsLabels)
{
    desk.set_web_views_available(false);
    start();
    Tlifeform& bar = app->lifeform();
    for (const ui::Control* label : {static_cast<ui::Control*>(&bar.Label1), static_cast<ui::Control*>(&bar.upmess),
                                     static_cast<ui::Control*>(&bar.rightmess)}) {
        EXPECT_TRUE(label->visible()) << label->name();
        EXPECT_GT(label->width(), 0) << label->name();
    }
    const auto items = bar.paint_items();
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const PaintItem& i) { return i.text == "正常滚轮"; }));
}

TEST_F(StatusWithoutWebControl, WithTheWebControlTheLabelsStayHidden)
{
    start();
    EXPECT_FALSE(app->lifeform().Label1.visible());
}

} // namespace
} // namespace tv::test
