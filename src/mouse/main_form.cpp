#include "mouse/main_form.h"

#include "board/form_main.h"
#include "board/kxm.h"
#include "board/pictures.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "core/cell.h"
#include "hook/tokenizer.h"
#include "mouse/edit_keyboard.h"

namespace tv {
namespace {

constexpr const char* kHookLibrary = "wrhk.dll";
constexpr const char* kCannotLoad = "DLL: 不能加载！程序退出。";
constexpr const char* kEntryMissing = "DLL: 函数没找到！程序退出。";
constexpr int kKeyboardHookMode = 3;
constexpr int kComposingClassIndex = 6;

} // namespace

void MainForm::create()
{
    Tpyoil& form = app_.pyoil();
    Platform& p = app_.platform();
    p.set_current_folder(p.program_folder());
    if (!load_hook_library())
        return;
    form.ListBox3.select(kComposingClassIndex);
    p.set_application_ex_style(kExToolWindow);
    form.dispall.click();
    form.Image3.set_bounds(0, 0, form.Image3.picture_width(), form.Image3.picture_height());
    form.Image3.show();
    form.Label5.set_bounds(27, 59, form.Label5.width(), form.Label5.height());
    form.Label5.hide();
    form.set_height(234);
    park(form);
    form.set_top(380);
    form.set_bounds(form.left(), form.top(), form.Image1.picture_width(), form.Image1.picture_height());
    form.Label7.set_text(app_.argument(1));
    form.hide();
    form.set_caption("old--78..2");
    form.Button2.click();
    form.Timer1.set_enabled(true);
    form.Timer2.set_enabled(true);
}

// Loads the hook library and switches both hooks on; on failure tells the user
// and ends the program with code 1 (the library unloaded when it was loaded).
bool MainForm::load_hook_library()
{
    Platform& p = app_.platform();
    const auto window = static_cast<std::intptr_t>(app_.pyoil().hwnd());
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
    set_hook_mo_({window, 1});
    set_hook_kb_ = p.entry_point(lib, "SetHookkb");
    if (!set_hook_kb_)
        return fail();
    set_hook_kb_({window, 1, kKeyboardHookMode});
    set_hook_pad_ = p.entry_point(lib, "SetHookPad");
    set_hook_keys_ = p.entry_point(lib, "SetHookKeys");
    return true; // the library stays loaded for the whole run
}

void MainForm::shape_window(const ui::Image& mask)
{
    Tpyoil& form = app_.pyoil();
    app_.platform().set_window_region(form.hwnd(), cut_region(form.Image1, mask));
}

void MainForm::shape_by_overlay() { shape_window(app_.pyoil().Image3); }

void MainForm::shape_hide_and_park()
{
    Tpyoil& form = app_.pyoil();
    shape_window(form.Image1);
    form.hide();
    park(form);
}

void MainForm::start_label_clicked()
{
    const int off_screen = right_of_screens(app_.platform(), 1);
    app_.pyoil().set_left(off_screen);
    app_.regform().set_left(off_screen);
    app_.pyoil().hide();
}

void MainForm::pad_labels_pressed()
{
    Tpyoil& form = app_.pyoil();
    const int off_screen = right_of_screens(app_.platform(), 10);
    form.set_left(off_screen);
    app_.kxm().set_left(off_screen);
    form.Image3.hide();
    form.Button2.click();
}

void MainForm::picture_released(MouseButton button)
{
    Tpyoil& form = app_.pyoil();
    if (button != MouseButton::Left)
        form.close();
    if (app_.ended())
        return;
    form.Image1.set_height(form.Image1.height() > 200 ? 234 : 76);
}

void MainForm::composition_class_chosen()
{
    Tpyoil& form = app_.pyoil();
    form.Panel6.set_text(form.ListBox3.item(static_cast<std::size_t>(form.ListBox3.item_index())));
}

void MainForm::switch_keyboard_hook()
{
    if (set_hook_kb_)
        set_hook_kb_({static_cast<std::intptr_t>(app_.pyoil().hwnd()), app_.FormMain().srfbl.checked() ? 1 : 0,
                      kKeyboardHookMode});
}

// While the key pad is open the hook keeps the pad's keys from the applications.
void MainForm::tell_hook_pad()
{
    if (set_hook_pad_)
        set_hook_pad_({static_cast<std::intptr_t>(app_.pyoil().hwnd()), app_.kxm().Timer1.enabled() ? 1 : 0});
}

// What the letters are now, for the input hook: selection keys while a blind
// selection is going on in an input method (`kxm.Panel17`, the blind state,
// not 0, and `kxm.Panel1` "close"), editing keys while the edit keyboard is on
// and the key pad closed,
// and whether an input method is active; and whether the hook stands aside
// (`asideflags`, the stand-aside check). Told only when it changed.
void MainForm::tell_hook_keys()
{
    const Tkxm& pad = app_.kxm();
    const bool input_method = pad.Panel1.text() == "close";
    int flags = 0;
    if (input_method && cell::number(pad.Panel17.text()).value_or(0) != 0)
        flags |= hook::kSelectionKeys;
    if (EditKeyboard::on(app_) && !pad.Timer1.enabled())
        flags |= hook::kEditingKeys; // while the key pad is open the letters are its
    if (input_method)
        flags |= hook::kInputMethodActive;
    flags |= static_cast<int>(cell::number(app_.pyoil().asideflags.text()).value_or(0)) &
             (hook::kStandAsideKeys | hook::kStandAsideButtons);
    if (!set_hook_keys_ || flags == told_key_flags_)
        return;
    set_hook_keys_({static_cast<std::intptr_t>(app_.pyoil().hwnd()), flags});
    told_key_flags_ = flags;
}

void MainForm::switch_mouse_hook()
{
    if (set_hook_mo_)
        set_hook_mo_({static_cast<std::intptr_t>(app_.pyoil().hwnd()), app_.FormMain().sbbl.checked() ? 1 : 0});
}

} // namespace tv
