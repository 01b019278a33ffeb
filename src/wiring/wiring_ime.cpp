// The input-method companion's forms: identification on `inputmode` and the
// picker `srfForm`.
#include "wiring/wiring.h"

#include "board/inputmode.h"
#include "board/srfform.h"
#include "platform/keys.h"

namespace tv {

void Wiring::created(Tinputmode& f)
{
    InputMode& m = input_mode_;
    f.Timer1.on_timer = [&m] { m.identify(); };
    f.ListBox6.on_press = [&m](MouseButton) { m.class_pressed(); };
    f.on_destroy = [&m, &f] { m.save_table(f.ListBox5.items()); };
    m.load_table();
}

void Wiring::created(TsrfForm& f)
{
    ImePicker& p = ime_picker_;
    f.Button1.on_click = [&p] { p.list(); };
    f.Button2.on_click = [&p] { p.fill_icons(); };
    f.Timer1.on_timer = [&p] { p.icons_due(); };
    f.Memo1.on_key = [&p](int vk) {
        if (vk == vk::kSpace)
            p.list();
    };
    f.ListView1.on_key = [&p](int vk) { p.key_down(vk); };
    f.ListView1.on_key_release = [&p](int vk) { p.key_released(vk); };
    f.ListView1.on_press = [&p](MouseButton) { p.entry_pressed(); };
    f.ListBox4.on_press = [&p](MouseButton) { p.description_pressed(); };
    f.closebox.on_click = [&p] { p.close(); };
    p.list();
}

} // namespace tv
