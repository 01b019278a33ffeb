// The form `inputmode`: input-method state. Its caption tells the input hook
// whether the right button belongs to the wheel mode ("myright", written by the
// mode engine on a vertical or leftward movement) or to the application
// ("xx myright", on a rightward one).
//
// It is never shown. Every 100 ms it identifies the input method of the
// foreground window and the class of that method's composition window, from
// the class table "ime.txt" (input-method identification).
#pragma once

#include "ui/form.h"

#include <functional>
#include <string>
#include <vector>

namespace tv {

class Tinputmode : public ui::Form {
public:
    Tinputmode(Platform&, ui::CellObserver*);
    // Runs `on_destroy` while the controls still exist: the run's end.
    ~Tinputmode() override;

    ui::ListBox ListBox4; // a mirror of the key history (`kxm.ListBox1`); the status timer reads line 1
    // The class table, read in pairs: item 2k the beginning of an input
    // method's description, item 2k+1 a piece of its composition window's
    // class. Loaded from "ime.txt" at creation, written back at the run's end;
    // the blind selection may add pairs it learns.
    ui::ListBox ListBox5;
    ui::Panel Panel5;   // the composition class piece in force ("ImeCompPHON" at creation); identification writes it, the blind selection reads it
    ui::Panel Panel6;   // the input method's description; the main loop reads it every tick
    ui::Panel Panel12;  // the status timer's menu-close flag and the class on top
    ui::Panel Panel13;  // the status timer's key states: left Windows key, right button, Space
    ui::Panel imetip;   // "searchime" once a class was picked by hand in ListBox6; the blind selection answers it
    ui::Panel pytip;    // the blind selection's search echo: "py find" / "py err"
    ui::Panel dragmess; // drag echo: "dt=" + the drag count, "alt2", "ss"/"qqss"

    // Item 0: the foreground input method's description, or "英文" when the
    // foreground window types without one (identification, every 100 ms).
    ui::ListBox ListBox1;
    // The default table's eight texts, fixed: a press on one makes it the class in force.
    ui::ListBox ListBox6;
    ui::Edit Edit2;    // a class piece that overrides the table for every input method; empty by default
    ui::Panel Panel1;  // the foreground keyboard layout's handle, in decimal
    ui::Timer Timer1;  // identification, 100 ms, from creation
    // The blind selection's echoes: "..." once per tick; the keyboard-event cell
    // ".." the composition anchor x "/" y ".." the class at the anchor, while
    // no composition window is known.
    ui::Panel inputtip;
    ui::Panel Panel8;

    std::function<void()> on_destroy;

    static constexpr int kItemHeight = 16;
    // The default class table, prefix and class piece in turn.
    static std::vector<std::string> default_table();
};

} // namespace tv
