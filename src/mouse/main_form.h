// What the main form `pyoil` does: at creation it loads the input hook library
// and switches both hooks on, shapes its window, parks itself and starts the
// main loop; its small commands park it, close it or switch the hooks.
#pragma once

#include "core/app.h"

namespace tv {

class MainForm {
public:
    explicit MainForm(App& app) : app_(app) {}

    // The creation steps; on a hook library failure the user is told and the
    // program ends with code 1.
    void create();

    // Commands and handlers of the form.
    void shape_by_overlay();        // `dispall`
    void shape_hide_and_park();     // `Button2`
    void start_label_clicked();     // `Label2`
    void pad_labels_pressed();      // `Label4`, `Label7`
    void picture_released(MouseButton); // `Image1`, `Image4`
    void composition_class_chosen();    // `ListBox3`
    void switch_keyboard_hook();    // `srftt`
    void switch_mouse_hook();       // `sbtt`
    void tell_hook_pad();           // `padtt`
    void tell_hook_keys();          // `keystt`

private:
    bool load_hook_library();
    void shape_window(const ui::Image& mask);

    App& app_;
    EntryPoint set_hook_mo_;
    EntryPoint set_hook_kb_;
    EntryPoint set_hook_pad_; // optional: a library without it never keeps keys
    EntryPoint set_hook_keys_; // optional: a library without it never translates letters
    int told_key_flags_ = 0;   // what SetHookKeys was last told (the library starts with 0)
};

} // namespace tv
