// The form `kxm`: the keyboard mouse pad. It also holds the key history.
#pragma once

#include "ui/form.h"
#include "ui/web_view.h"

namespace tv {

class Tkxm : public ui::Form {
public:
    Tkxm(Platform&, ui::CellObserver*);

    // Caption: "find" / "xx find" while the pad searches (the main loop presses
    // Shift after a left release in "find"; holding ; is ignored in "xx find").

    // The key history: recent distinct values of the keyboard-event cell,
    // newest first, mirrored in `inputmode.ListBox4`. The main loop keeps it;
    // the Alt gestures and double Ctrl read and mark its entries.
    ui::ListBox ListBox1;
    // Lines 7 and 8: whether the window under the pointer and its parent are
    // visible (main loop, every tick).
    ui::ListBox ListBox2;
    // "close" while an input method is active, "open" otherwise (blind
    // selection, every tick). The input hook reads it with Panel17: letters are
    // selection keys while Panel17 is not "0" and this reads "close".
    ui::Panel Panel1;
    ui::Panel Panel4;   // the edit-keyboard mode: "key--cap" (Caps Lock released twice), "old--cap" when the left button went down
    ui::Panel Panel5;   // Num Lock "on"/"off" while Caps Lock or B is held
    ui::Panel Panel6;   // the last Alt gesture: "altwin", "alt2"
    ui::Panel Panel7;   // the input-method name: the foreground layout's description, or "英文输入法" (blind selection)
    ui::Panel Panel17;  // the blind selection's state in decimal, written at the start of its rules each tick
    ui::Panel pyoilcap; // a copy of the keyboard-event cell
    ui::Check quickmenu; // two right-Alt taps toggle it: the options form parks further away

    // The pad's 10 ms work while it is open; the mode engine stops it when
    // Caps Lock or N is held.
    ui::Timer Timer1;

    ui::Panel Panel19; // the window "返回" or "关闭" acted on: title "//" class (quick commands)

    // The pad itself. Its 100 ms guard runs from creation: while a mouse button
    // is held the pad's height is 0, and it answers the middle release's
    // "mkeyscroll" in `vykForm4`.
    ui::Timer Timer3;
    ui::Button refresh;       // after each movement: back on top when something covers it
    ui::Button Button1;       // at creation: the rounded corners, radius `Edit2`
    ui::Edit Edit2;           // the corner radius in pixels, "20"
    ui::Panel oldleft;        // its Left keeps the pad's Left while the pad is parked
    ui::WebView CppWebBrowser1; // the help page "keycontrol.htm", filling the pad

    // "old--ctrlcok" / "old--ctrlvok" after the edit keyboard's copy and paste (edit keyboard).
    ui::Panel Panel18;
};

} // namespace tv
