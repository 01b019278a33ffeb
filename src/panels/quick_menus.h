// The two quick menus: the small one (`kxmm`), whose items run a quick
// command when the pointer moves onto them, and the right one (`rqmenu`) with
// its back item and the list of installed keyboard layouts.
//
// An item acts only while its menu is on the screen, and acting hides the menu
// first, so one gesture across several items runs at most one command.
#pragma once

#include "core/app.h"

#include <string_view>
#include <vector>

namespace tv {

class QuickMenus {
public:
    explicit QuickMenus(App& app) : app_(app) {}

    // ---- the small quick menu ----
    void small_background();
    void small_item(std::string_view item_text); // "任务", "桌面", "开始"
    void small_more();                           // ">>"
    void small_close_or_online(MouseButton, ButtonAction, int x_in_item);
    void shape_small_menu(); // `kxmm.Button1`: an elliptic window

    // ---- the right quick menu ----
    void right_background();
    void right_back();
    void fold_right_menu(); // `srfsel`
    void press_layout();    // a press on `ListBox2`

    // `pyoil.getsrf`: the installed layouts, at most kMostLayouts, into
    // `rqmenu.ListBox2` and `pyoil.ListBox4`; the lists start afresh each time.
    void refresh_layouts();
    const std::vector<KeyboardLayout>& layouts() const { return layouts_; }

    static constexpr std::size_t kMostLayouts = 25;
    static constexpr std::uint32_t kActivateReorder = 8;
    static constexpr int kDescriptionPauseMs = 100;

private:
    bool small_shown() const;
    bool right_shown() const;
    void hide_small();
    void finish_back_later();

    App& app_;
    std::vector<KeyboardLayout> layouts_;
    TimerId back_timer_ = 0;
};

} // namespace tv
