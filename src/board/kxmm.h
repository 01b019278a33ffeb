// The form `kxmm`: the small quick menu. Its items act when the pointer moves
// onto them (quick menus); acting hides the menu.
#pragma once

#include "ui/form.h"

#include <array>

namespace tv {

class Tkxmm : public ui::Form {
public:
    Tkxmm(Platform&, ui::CellObserver*);

    ui::Button Button1; // names the quick command to run
    // The command the right button runs while the menu is shown: its bytes 6 to 9
    // name it (the right-button dispatch reads them).
    ui::Label Label10;

    // The items: "任务", "桌面", "开始", ">>" and "关闭/上网" (with `Label10`), each a picture and a label.
    ui::Image Image19;
    ui::Label Label27; // "任务"
    ui::Image Image1;
    ui::Label Label1;  // "桌面"
    ui::Image Image21;
    ui::Image Image2;
    ui::Label Label23; // "开始"
    ui::Image Image22;
    ui::Label Label29; // ">>"
    ui::Image Image20; // "关闭/上网": a left release at x <= 50 closes, further right hides

    static constexpr int kWidth = 250, kHeight = 120;
};

} // namespace tv
