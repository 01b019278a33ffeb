#include "mouse/pyoil.h"

#include "mouse/pictures.h"
#include "settings/form_main.h"
#include "core/regform.h"
#include "mouse/easy_drag.h"
#include "mouse/kxm.h"
#include "mouse/wheel_dispatch.h"

namespace tv {
namespace {

constexpr const char* kHookLibrary = "wrhk.dll";
constexpr const char* kCannotLoad = "DLL: 不能加载！程序退出。";
constexpr const char* kEntryMissing = "DLL: 函数没找到！程序退出。";
constexpr int kKeyboardHookMode = 3;
constexpr int kComposingClassIndex = 6;

ui::FormSpec pyoil_spec()
{
    return {"pyoil", "Tpyoil", "old--78..2", Rect::from_size(kParkedLeft, 380, 284, 234), Visibility::Hidden,
            Topmost::Yes, 0};
}

std::vector<std::string> composition_classes()
{
    return {"ReadPINTLGNT", "CompPINTLGNT", "ImeCompPHON", "IMecompPHON", "ImeCompwinime",
            "MSPY Component", "UNISPIM_COMPCLS", "CCIMECOMP", "WNWB Input"};
}

} // namespace

Tpyoil::Tpyoil(App& app)
    : AppForm(app, pyoil_spec()),
      Image1(*this, "Image1", kMainPictureWidth, kMainPictureHeight, main_picture),
      Image3(*this, "Image3", kMainPictureWidth, kMainPictureHeight, overlay_picture),
      Image4(*this, "Image4", 40, 40, plain_picture),
      Label2(*this, "Label2"), Label4(*this, "Label4"), Label5(*this, "Label5"), Label7(*this, "Label7"),
      ListBox3(*this, "ListBox3", composition_classes()), ListBox4(*this, "ListBox4"), LBox2(*this, "LBox2", {"", ""}),
      Panel1(*this, "Panel1"), Panel3(*this, "Panel3"), Panel6(*this, "Panel6"), Panel8(*this, "Panel8"),
      Panel9(*this, "Panel9"), ddstr(*this, "ddstr"),
      dispall(*this, "dispall"), Button2(*this, "Button2"), getsrf(*this, "getsrf"), srftt(*this, "srftt"),
      sbtt(*this, "sbtt"), inputhz(*this, "inputhz"), easydrag(*this, "easydrag"), Button1(*this, "Button1"),
      main_loop(app), Timer1(*this, "Timer1", 50, false, [this] { main_loop.tick(); }),
      Timer2(*this, "Timer2", 100, false, [this] { main_loop.still_tick(); })
{
    on_close = [this] { app_.end_program(0); };
    main_loop.sections.wheel_dispatch = [this] { dispatch_wheel_notch(app_); };
    dispall.on_click = [this] { dispall_click(); };
    Button2.on_click = [this] { button2_click(); };
    Button1.on_click = [this] { close(); };
    easydrag.on_click = [this] { start_easy_drag(app_); };
    srftt.on_click = [this] { switch_keyboard_hook(); };
    sbtt.on_click = [this] { switch_mouse_hook(); };
    Label2.on_click = [this] { label2_click(); };
    Label4.on_press = Label7.on_press = [this](MouseButton) { label4_or_7_press(); };
    Image1.on_release = Image4.on_release = [this](MouseButton b) { picture_release(b); };
    ListBox3.on_select = [this] { Panel6.set_text(ListBox3.item(static_cast<std::size_t>(ListBox3.item_index()))); };
    Image1.show();
    Image4.set_bounds(0, 0, 40, 40);
    Image4.show();
    Label2.set_bounds(8, 8, 30, 20);
    Label4.set_bounds(240, 8, 30, 20);
    Label7.set_bounds(120, 200, 100, 20);
    for (ui::Label* label : {&Label2, &Label4, &Label7})
        label->show();

    platform().set_current_folder(platform().program_folder());
    if (!load_hook_library())
        return;
    ListBox3.select(kComposingClassIndex);
    platform().set_application_ex_style(kExToolWindow);
    dispall.click();
    Image3.set_bounds(0, 0, Image3.picture_width(), Image3.picture_height());
    Image3.show();
    Label5.set_bounds(27, 59, Label5.width(), Label5.height());
    Label5.hide();
    set_height(234);
    set_left(kParkedLeft);
    set_top(380);
    set_bounds(left(), top(), Image1.picture_width(), Image1.picture_height());
    Label7.set_text(app.argument(1));
    hide();
    set_caption("old--78..2");
    Button2.click();
    Timer1.set_enabled(true);
    Timer2.set_enabled(true);
}

// Loads the hook library and switches both hooks on; on failure tells the user
// and ends the program with code 1 (the library unloaded when it was loaded).
bool Tpyoil::load_hook_library()
{
    Platform& p = platform();
    LibraryId lib = p.load_library(kHookLibrary);
    if (!lib) {
        p.message_box(kCannotLoad, kApplicationTitle);
        app_.end_program(1);
        return false;
    }
    auto fail = [&] {
        p.message_box(kEntryMissing, kApplicationTitle);
        p.free_library(lib);
        app_.end_program(1);
        return false;
    };
    set_hook_mo_ = p.entry_point(lib, "SetHookmo");
    if (!set_hook_mo_)
        return fail();
    set_hook_mo_({static_cast<std::intptr_t>(hwnd()), 1});
    set_hook_kb_ = p.entry_point(lib, "SetHookkb");
    if (!set_hook_kb_)
        return fail();
    set_hook_kb_({static_cast<std::intptr_t>(hwnd()), 1, kKeyboardHookMode});
    library_ = lib;
    return true;
}

void Tpyoil::shape_window(const ui::Image& mask)
{
    platform().set_window_region(hwnd(), cut_region(Image1, mask));
}

void Tpyoil::dispall_click() { shape_window(Image3); }

void Tpyoil::button2_click()
{
    shape_window(Image1);
    hide();
    set_left(kParkedLeft);
}

void Tpyoil::label2_click()
{
    const int off_screen = screen().width + 1;
    set_left(off_screen);
    app_.regform().set_left(off_screen);
    hide();
}

void Tpyoil::label4_or_7_press()
{
    const int off_screen = screen().width + 10;
    set_left(off_screen);
    app_.kxm().set_left(off_screen);
    Image3.hide();
    Button2.click();
}

void Tpyoil::picture_release(MouseButton button)
{
    if (button != MouseButton::Left)
        close();
    if (app_.ended())
        return;
    Image1.set_height(Image1.height() > 200 ? 234 : 76);
}

void Tpyoil::switch_keyboard_hook()
{
    if (set_hook_kb_)
        set_hook_kb_({static_cast<std::intptr_t>(hwnd()), app_.FormMain().srfbl.checked() ? 1 : 0, kKeyboardHookMode});
}

void Tpyoil::switch_mouse_hook()
{
    if (set_hook_mo_)
        set_hook_mo_({static_cast<std::intptr_t>(hwnd()), app_.FormMain().sbbl.checked() ? 1 : 0});
}

} // namespace tv
