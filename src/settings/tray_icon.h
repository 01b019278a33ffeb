// The options form's notification-area icon: shown while "放到托盘区" is
// ticked, its picture chosen by "状态1"/"状态2"; a left or right click on it
// pops up the options menu at the pointer.
#pragma once

#include "core/app.h"

#include <cstdint>

namespace tv {

class TFormMain;

class TrayIconOwner {
public:
    explicit TrayIconOwner(App& app) : app_(app) {}

    static constexpr const char* kTip = "轻松操作电脑－－Ombrel(OMB)";

    // Creation: the tray option ticked and the icon added.
    void create(TFormMain&);
    // `CheckBox1` clicked: the icon added or deleted, "隐藏" enabled with it.
    void tray_option_changed(TFormMain&);
    // `RadioButton1`/`RadioButton2` clicked: the chosen picture shown.
    void picture_chosen(TFormMain&, bool first);
    // `ToggleState1`: the other picture.
    void toggle_picture(TFormMain&);
    // The icon's callback: 514 (left up) or 517 (right up) pops up the menu.
    void message(TFormMain&, std::uint32_t mouse_message);
    // The form's end: the icon deleted.
    void remove(TFormMain&);

private:
    void update(TFormMain&);

    App& app_;
};

} // namespace tv
