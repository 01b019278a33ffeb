// The task form: its list, keys, preview timer, command row and bars.
#include "wiring/wiring.h"

#include "board/lifeform.h"
#include "board/taskform.h"

namespace tv {

void Wiring::bind_task_manager(Ttaskform& f)
{
    TaskManager& t = task_manager_;
    f.showad.on_click = [&t] { t.show_list(); };
    f.Button1.on_click = [&t] { t.refresh(); };
    f.setlistview.on_click = [&t] { t.load_icons(); };
    f.Button6.on_click = [&t] { t.remove_entry(); };
    f.nexttask.on_click = [&t] { t.next_task(); };
    f.prevtask.on_click = [&t] { t.prev_task(); };
    f.outdesk.on_click = [&t] { t.out_desk(); };
    f.Button2.on_click = [this, &f] { app_.platform().set_foreground(f.hwnd()); };
    f.Button3.on_click = [&f] { f.hide(); };
    f.Timer1.on_timer = [&t] { t.preview_tick(); };

    f.ListView1.on_key_release = [&t](int vk) { t.key_released(vk); };
    f.ListView1.on_press = [&t](MouseButton b) { t.item_pressed(b); };
    f.Panel17.on_press = [&t](MouseButton b) { t.body_pressed(b); };
    f.on_body_press = [&t](MouseButton b) { t.body_pressed(b); };
    f.on_pointer_moved = [&t](Point p) { t.pointer_moved(p); };

    f.pf1.on_click = [&t] { t.close_behind(); };
    f.pf2.on_click = [&t] { t.show_desktop(); };
    f.pf3.on_click = [&t] { t.open_start_menu(); };
    f.pf5.on_click = [&t] { t.bar_size(2); };
    f.pf6.on_click = [&t] { t.bar_size(1); };
    f.pf7.on_click = [&t] { t.bar_size(3); };
    f.pf8.on_click = [&t] { t.show_options(); };
    f.srfid.on_click = [&t] { t.switch_keyboard(); };
    f.sbid.on_click = [&t] { t.switch_mouse(); };

    f.pf1.on_hover = [&t] { t.hint_close(); };
    f.pf2.on_hover = [&t] { t.hint("转到桌面"); };
    f.pf3.on_hover = [&t] { t.hint("打开开始菜单"); };
    f.pf4.on_hover = [&t] { t.hint("进入互联网"); };
    f.pf5.on_hover = [&t] { t.hint("进入中模式"); };
    f.pf6.on_hover = [&t] { t.hint("进入小模式"); };
    f.pf7.on_hover = [&t] { t.hint("进入大模式"); };
    f.pf8.on_hover = [&t] { t.hint("显示帮助"); };
    f.pf9.on_hover = [&t] { t.hint("退出OMB"); };
    f.srfid.on_hover = [&t] { t.hint("打开/关闭Typamo"); };
    f.sbid.on_hover = [&t] { t.hint("打开/关闭Glidamo"); };
    f.Panel5.on_hover = [this] { app_.lifeform().Button6.set_text("close window"); };
    f.Panel7.on_hover = [this] { app_.lifeform().Button6.set_text("desktop"); };
    f.Panel2.on_hover = [&t] { t.open_current_menu(); };
    f.Panel6.on_hover = f.Panel12.on_hover = [&t] { t.leave(); };
}

} // namespace tv
