#include "board/inputmode.h"

namespace tv {

std::vector<std::string> Tinputmode::default_table()
{
    return {"微软拼音输入法 2.0 版", "CompPINTLGNT", "微软拼音输入法 3.0 版", "MSPY Component",
            "紫光拼音输入法3.0",     "UNISPIM_COMPCLS", "智能ABC输入法 5.0 版", "ImeCompPHON"};
}

Tinputmode::Tinputmode(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"inputmode", "Tinputmode", "inputmode", Rect::from_size(0, 0, 300, 200), Visibility::Hidden, Topmost::No, 0}, observer),
      ListBox4(*this, "ListBox4"),
      ListBox5(*this, "ListBox5", default_table()),
      Panel5(*this, "Panel5"),
      Panel6(*this, "Panel6"),
      Panel12(*this, "Panel12"),
      Panel13(*this, "Panel13"),
      imetip(*this, "imetip"),
      pytip(*this, "pytip"),
      dragmess(*this, "dragmess"),
      ListBox1(*this, "ListBox1"),
      ListBox6(*this, "ListBox6", default_table()),
      Edit2(*this, "Edit2"),
      Panel1(*this, "Panel1"),
      Timer1(*this, "Timer1", 100, true),
      inputtip(*this, "inputtip"), Panel8(*this, "Panel8")
{
    ListBox6.set_bounds(10, 10, 200, kItemHeight * static_cast<int>(ListBox6.count()));
    ListBox6.show();
}

Tinputmode::~Tinputmode()
{
    if (on_destroy)
        on_destroy();
}

} // namespace tv
