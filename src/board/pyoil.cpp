#include "board/pyoil.h"

#include "board/pictures.h"
#include "board/places.h"

namespace tv {
namespace {

ui::FormSpec pyoil_spec(const Platform& platform)
{
    return {"pyoil", "Tpyoil", "old--78..2", parked_rect(platform, 380, 284, 234), Visibility::Hidden,
            Topmost::Yes, 0};
}

std::vector<std::string> composition_classes()
{
    return {"ReadPINTLGNT", "CompPINTLGNT", "ImeCompPHON", "IMecompPHON", "ImeCompwinime",
            "MSPY Component", "UNISPIM_COMPCLS", "CCIMECOMP", "WNWB Input"};
}

} // namespace

Tpyoil::Tpyoil(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, pyoil_spec(platform), observer),
      Image1(*this, "Image1", kMainPictureWidth, kMainPictureHeight, main_picture),
      Image3(*this, "Image3", kMainPictureWidth, kMainPictureHeight, overlay_picture),
      Image4(*this, "Image4", 40, 40, plain_picture),
      Label2(*this, "Label2"), Label4(*this, "Label4"), Label5(*this, "Label5"), Label7(*this, "Label7"),
      ListBox3(*this, "ListBox3", composition_classes()), ListBox4(*this, "ListBox4"), LBox2(*this, "LBox2", {"", ""}),
      Panel1(*this, "Panel1"), Panel3(*this, "Panel3"), Panel6(*this, "Panel6"), Panel8(*this, "Panel8"),
      Panel9(*this, "Panel9"), ddstr(*this, "ddstr"),
      dispall(*this, "dispall"), Button2(*this, "Button2"), getsrf(*this, "getsrf"), srftt(*this, "srftt"),
      sbtt(*this, "sbtt"), padtt(*this, "padtt"), inputhz(*this, "inputhz"), easydrag(*this, "easydrag"), Button1(*this, "Button1"),
      Timer1(*this, "Timer1", 50, false), Timer2(*this, "Timer2", 100, false), ctrlmess(*this, "ctrlmess"),
      ListBox5(*this, "ListBox5"), Panel7(*this, "Panel7"), keystt(*this, "keystt"),
      Timer3(*this, "Timer3", 50, false), asideflags(*this, "asideflags", "0"), asidewhy(*this, "asidewhy"),
      pausett(*this, "pausett")
{
    Image1.show();
    Image4.set_bounds(0, 0, 40, 40);
    Image4.show();
    Label2.set_bounds(8, 8, 30, 20);
    Label4.set_bounds(240, 8, 30, 20);
    Label7.set_bounds(120, 200, 100, 20);
    for (ui::Label* label : {&Label2, &Label4, &Label7})
        label->show();
}

} // namespace tv
