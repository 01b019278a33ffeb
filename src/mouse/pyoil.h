// The main form: owner of the input hook library and of the main loop.
//
// It stays hidden for the whole run; its caption is the keyboard-event cell.
// Its pictures shape its window (cyan-keyed pixels are cut away) and three
// small handlers of them park or close it.
#pragma once

#include "core/app_form.h"
#include "mouse/main_loop.h"

namespace tv {

class Tpyoil : public AppForm {
public:
    explicit Tpyoil(App&);

    // Pictures and labels of the form.
    ui::Image Image1;
    ui::Image Image3;
    ui::Image Image4;
    ui::Label Label2; // the fuchsia start label
    ui::Label Label4;
    ui::Label Label5;
    ui::Label Label7; // command-line argument 1

    // Input-method composition classes; the chosen one is copied into Panel6.
    ui::ListBox ListBox3;
    ui::ListBox ListBox4; // installed input methods
    ui::ListBox LBox2;    // the still counter's two position slots
    ui::Panel Panel1;
    ui::Panel Panel3;
    ui::Panel Panel6;
    ui::Panel Panel8;
    ui::Panel Panel9;
    ui::Panel ddstr;

    // Hidden command buttons other forms run.
    ui::Button dispall;
    ui::Button Button2;
    ui::Button getsrf;
    ui::Button srftt;
    ui::Button sbtt;
    ui::Button inputhz;
    ui::Button easydrag;
    ui::Button Button1;

    // The hook library's entry points, valid once creation succeeded.
    bool hooks_loaded() const { return library_ != 0; }

    MainLoop main_loop;
    void set_main_loop_running(bool running) { Timer1.set_enabled(running); }

private:
    bool load_hook_library();
    void shape_window(const ui::Image& mask);
    void dispall_click();
    void button2_click();
    void label2_click();
    void label4_or_7_press();
    void picture_release(MouseButton);
    void switch_keyboard_hook();
    void switch_mouse_hook();

    LibraryId library_ = 0;
    EntryPoint set_hook_mo_;
    EntryPoint set_hook_kb_;
    ui::Timer Timer1; // the main loop, 50 ms
    ui::Timer Timer2; // the still counter, 100 ms
};

} // namespace tv
