// The navigation panel `vykForm3`, and the browser form's address list and
// hand-overs.
#include "wiring/wiring.h"

#include "board/ombrel.h"
#include "board/vykform3.h"
#include "core/sibling_channel.h"
#include "platform/keys.h"

namespace tv {

void Wiring::created(TvykForm3& f)
{
    NavigationPanel& n = navigation_panel_;
    f.setlike.on_click = [&n] { n.load_favourites(); };
    f.on_pointer_moved = [&n](Point p) { n.pointer_moved(p); };
    f.on_body_press = [&n](MouseButton) { n.body_pressed(); };
    f.FileListBox1.on_hover = [&n] { n.hover_favourites(); };
    // A right press reaches no form (the application's filter keeps it for
    // the right button's meaning): the right button chooses on its release.
    f.FileListBox1.on_press = [&n](MouseButton b) { n.favourite_pressed(b); };
    f.FileListBox1.on_release = [&n](MouseButton b) {
        if (b == MouseButton::Right)
            n.favourite_pressed(b);
    };
    f.FileListBox1.on_key_release = [&n](int vk) {
        if (vk == vk::kEnter)
            n.favourite_entered();
    };
    f.Edit2.on_key_release = [&n](int vk) {
        if (vk == vk::kEnter)
            n.address_entered();
    };
    f.Label22.on_hover = [&n] { n.close_all_pages(true); };
    f.Label22.on_press = [&n](MouseButton) { n.close_all_pages(false); };
    f.Panel15.on_release = [&n](MouseButton b) {
        if (b == MouseButton::Right)
            n.close_all_pages(true);
    };
    f.Label13.on_hover = [&n] { n.go_to_task_bar(true); };
    f.Panel14.on_hover = [&n] { n.go_to_task_bar(false); };
    f.Panel16.on_hover = [&n] { n.go_to_task_bar(false); };
    f.Button4.on_click = [this] { sibling::send(app_, "vyknext"); };
    f.Button5.on_click = [this] { sibling::send(app_, "vykprev"); };
    n.created();
}

void Wiring::bind_address_lists(Tombrel& f)
{
    AddressCommands& a = address_commands_;
    a.load_list();
    f.on_destroy = [&a, &f] { a.save_list(f.ListBox10.items()); };
    f.Timer1.on_timer = [&a, engine = std::move(f.Timer1.on_timer)] {
        if (engine)
            engine();
        a.engine_tick();
    };
}

} // namespace tv
