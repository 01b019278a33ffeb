#include "panels/quick_menus.h"

#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/rqmenu.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "core/sibling_channel.h"
#include "core/synthetic_input.h"

#include <cmath>

namespace tv {
namespace {

constexpr int kCloseZoneWidth = 50;
constexpr int kFoldedHeight = 45, kUnfoldedHeight = 171, kFoldFrom = 100;
constexpr int kBackPauseMs = 100;
constexpr int kTaskbarAllowance = 32;

// An ellipse filling width x height, as one rectangle per row.
WindowRegion ellipse(int width, int height)
{
    WindowRegion region;
    const double a = width / 2.0, b = height / 2.0;
    for (int y = 0; y < height; ++y) {
        const double dy = (y + 0.5 - b) / b;
        const int half = static_cast<int>(std::lround(a * std::sqrt(std::max(0.0, 1.0 - dy * dy))));
        if (half > 0)
            region.xor_rects.push_back(Rect::from_size(static_cast<int>(a) - half, y, 2 * half, 1));
    }
    return region;
}

} // namespace

bool QuickMenus::small_shown() const
{
    const Tkxmm& menu = app_.kxmm();
    return menu.visible() && left_shows(menu);
}

bool QuickMenus::right_shown() const
{
    const Trqmenu& menu = app_.rqmenu();
    return menu.visible() && left_shows(menu);
}

void QuickMenus::hide_small() { app_.kxmm().hide(); }

void QuickMenus::small_background()
{
    if (!small_shown())
        return;
    hide_small();
    app_.lifeform().Button6.set_text("start menu");
}

void QuickMenus::small_item(std::string_view item_text)
{
    if (!small_shown())
        return;
    hide_small();
    app_.lifeform().Button6.set_text("vyk" + std::string(item_text));
    if (item_text == "桌面")
        app_.taskform().show();
    app_.kxmm().Button1.set_text(item_text);
    app_.ombrel().vykxcmd.click();
}

void QuickMenus::small_more()
{
    if (!small_shown())
        return;
    hide_small();
    app_.lifeform().Button6.set_text("close window");
}

void QuickMenus::small_close_or_online(MouseButton button, ButtonAction action, int x_in_item)
{
    if (!small_shown())
        return;
    if (button != MouseButton::Left) {
        Platform& p = app_.platform();
        if (Hwnd frame = p.find_window(sibling::kFrameClass))
            p.set_foreground(frame);
        hide_small();
        return;
    }
    if (action != ButtonAction::Up)
        return;
    if (x_in_item > kCloseZoneWidth) {
        hide_small();
        return;
    }
    app_.kxmm().Button1.set_text("关闭");
    app_.ombrel().vykxcmd.click();
}

void QuickMenus::shape_small_menu()
{
    app_.platform().set_window_region(app_.kxmm().hwnd(), ellipse(Tkxmm::kWidth, Tkxmm::kHeight));
}

void QuickMenus::right_background()
{
    if (!right_shown())
        return;
    park(app_.rqmenu());
    Platform& p = app_.platform();
    const Tombrel& browser = app_.ombrel();
    p.set_cursor_pos(browser.right_press);
    if (browser.return_window && p.window_exists(browser.return_window))
        p.set_foreground(browser.return_window);
}

void QuickMenus::right_back()
{
    if (!right_shown())
        return;
    Platform& p = app_.platform();
    Tombrel& browser = app_.ombrel();
    Trqmenu& menu = app_.rqmenu();
    input::press(p, vk::kEscape);
    if (browser.Button41.text().empty()) {
        browser.Button41.set_text("返回");
        input::press(p, vk::kEscape);
        park(menu);
        const Size s = p.screen_size();
        browser.set_topmost(Topmost::Yes);
        browser.set_bounds(0, 0, s.width, s.height - kTaskbarAllowance);
        browser.hide();
        finish_back_later();
    } else {
        browser.Button41.set_text("");
        menu.Label12.set_text("三速滚轮");
        park(browser);
        menu.Panel3.set_left(kParkedLeft);
        browser.set_width(-10);
        app_.lifeform().set_caption("xx mywheel");
        park(app_.vykForm3());
    }
    park(menu);
}

// 100 ms after going back: the navigation panel and the right menu put away,
// the browser form narrowed to nothing.
void QuickMenus::finish_back_later()
{
    Platform& p = app_.platform();
    if (back_timer_)
        p.stop_timer(back_timer_);
    back_timer_ = p.start_timer(kBackPauseMs, [this] {
        app_.platform().stop_timer(back_timer_);
        back_timer_ = 0;
        Tombrel& browser = app_.ombrel();
        browser.Panel3.set_left(kParkedLeft);
        browser.rtmenu.set_left(kParkedLeft);
        browser.set_width(0);
    });
}

void QuickMenus::fold_right_menu()
{
    Trqmenu& menu = app_.rqmenu();
    menu.set_height(menu.height() >= kFoldFrom ? kFoldedHeight : kUnfoldedHeight);
}

void QuickMenus::press_layout()
{
    Trqmenu& menu = app_.rqmenu();
    const int index = (menu.pointer().y - menu.ListBox2.top()) / Trqmenu::kItemHeight;
    if (index < 0 || index >= static_cast<int>(layouts_.size()) || index >= static_cast<int>(menu.ListBox2.count()))
        return;
    menu.ListBox2.select(index);
    app_.platform().activate_keyboard_layout(layouts_[static_cast<std::size_t>(index)], kActivateReorder);
}

void QuickMenus::refresh_layouts()
{
    Platform& p = app_.platform();
    ui::ListBox& menu_list = app_.rqmenu().ListBox2;
    ui::ListBox& main_list = app_.pyoil().ListBox4;
    menu_list.clear();
    main_list.clear();
    layouts_ = p.keyboard_layouts(kMostLayouts);
    if (layouts_.size() > kMostLayouts)
        layouts_.resize(kMostLayouts);
    for (KeyboardLayout layout : layouts_) {
        std::string text = "英文输入法";
        if (p.is_input_method(layout)) {
            text = p.input_method_description(layout);
            p.sleep_ms(kDescriptionPauseMs);
        }
        menu_list.add(text);
        main_list.add(text);
    }
    main_list.select(0);
}

} // namespace tv
