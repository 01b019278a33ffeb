#include "board/srfform.h"

#include "board/places.h"

namespace tv {

TsrfForm::TsrfForm(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, {"srfForm", "TsrfForm", "srfForm", parked_rect(platform, 0, kWidth, kHeight), Visibility::Hidden, Topmost::Yes, 0}, observer),
      ListView1(*this, "ListView1"),
      ListBox4(*this, "ListBox4"),
      ListBox1(*this, "ListBox1"),
      Memo1(*this, "Memo1"),
      Button1(*this, "Button1"),
      Button2(*this, "Button2"),
      Panel1(*this, "Panel1"),
      Panel3(*this, "Panel3"),
      oldp(*this, "oldp"),
      Timer1(*this, "Timer1", 100, false),
      closebox(*this, "closebox", "×")
{
    Panel1.set_bounds(4, 2, 40, 18);
    Panel1.show();
    Panel3.set_bounds(48, 2, kWidth - 74, 18);
    Panel3.show();
    ListView1.set_bounds(4, 24, kWidth - 8, ui::ListView::kRowHeight * 25);
    ListView1.show();
    closebox.set_bounds(kWidth - 22, 2, 18, 18);
    closebox.show();
}

} // namespace tv
