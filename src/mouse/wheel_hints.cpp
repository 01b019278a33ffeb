#include "mouse/wheel_hints.h"

namespace tv::wheel {
namespace {

constexpr Hints kTaskOther{"上滚＝←", "下滚＝→", "右键＝快速菜单", "Ctrl＝快速菜单", "上滚＝← 下滚＝→",
                           "右键＝快速菜单", "Ctrl＝快速菜单"};
constexpr Hints kTaskBrowser{"上滚＝左边网页", "下滚＝右边网页", "右键＝导航网页", "Ctrl＝导航网页",
                             "上滚＝左边网页 下滚＝右边网页", "右键＝导航网页", "Ctrl＝导航网页"};
constexpr Hints kNormalAny{"上滚＝", "下滚＝", "右键＝", "Ctrl＝", "上滚＝  下滚＝", "右键＝", "Ctrl＝"};
constexpr Hints kAutoOther{"上滚＝↑", "下滚＝↓", "右键＝Enter回车", "Ctrl＝Enter回车", "上滚＝↑ 下滚＝↓",
                           "右键＝Enter回车", "Ctrl＝Enter回车"};
// The wheel-up hint names the downward slide and the line names it the other
// way round; both are shown as they are.
constexpr Hints kAutoBrowser{"上滚＝自动下滑", "下滚＝自动上滑", "右键＝关闭当前网页", "Ctrl＝关闭当前网页",
                             "上滚＝自动上滑 下滚＝自动下滑", "右键＝关闭当前网页", "右键＝关闭当前网页"};
constexpr Hints kQuickOther{"上滚＝上页", "下滚＝下页", "右键＝3D鼠标模拟", "Ctrl＝3D鼠标模拟",
                            "上滚＝上页 下滚＝下页", "右键＝3D鼠标模拟", "Ctrl＝3D鼠标模拟"};
constexpr Hints kQuickBrowser{"上滚＝向上翻页", "下滚＝向下翻页", "右键＝导航鼠标", "Ctrl＝导航鼠标",
                              "上滚＝向上翻页 下滚＝向下翻页", "右键＝导航鼠标", "Ctrl＝导航鼠标"};

} // namespace

const Hints& hints_of(Mode m, InFront front)
{
    const bool browser_in_front = front == InFront::SiblingBrowser;
    switch (m) {
    case Mode::Task: return browser_in_front ? kTaskBrowser : kTaskOther;
    case Mode::Normal: return kNormalAny;
    case Mode::Auto: return browser_in_front ? kAutoBrowser : kAutoOther;
    case Mode::Quick: return browser_in_front ? kQuickBrowser : kQuickOther;
    }
    return kNormalAny;
}

} // namespace tv::wheel
