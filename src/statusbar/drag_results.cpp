#include "statusbar/drag_results.h"

#include "board/cells.h"
#include "board/escmenu.h"
#include "board/lifeform.h"
#include "board/pyoil.h"
#include "board/vykform3.h"
#include "board/vykform4.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/synthetic_input.h"

#include <array>
#include <string_view>

namespace tv {
namespace {

constexpr const char* kDragTaken = "xx drag up";

// The word processor and the other document pane copy with Ctrl+C alone; a
// context menu there would only get in the way.
constexpr std::array<std::string_view, 2> kCopyWithoutMenuClasses{classify::kWordPageClass, "paneClassDC"};

bool drag_ended(const Tlifeform& bar)
{
    return bar.dragflag.text() == "drag up" || bar.ListBox8.item(0) == token::kEasyDragHeld;
}

void drag_taken(App& app, Tlifeform& bar)
{
    app.vykForm4().set_caption(kDragTaken);
    bar.dragflag.set_text(kDragTaken);
}

// The selection is to be searched: the mouse-event and keyboard-event cells
// are spoiled so that nothing else takes the keys and clicks that follow.
void searching(App& app, Tlifeform& bar)
{
    app.vykForm4().set_caption(kDragTaken);
    app.vykForm3().set_caption("xx search");
    bar.dragflag.set_text(kDragTaken);
    app.pyoil().set_caption("old--ttttt");
}

void release_left(Platform& p) { p.send_mouse(MouseInput::LeftUp); }

// Windows key: the clipboard goes where the drag ended.
void paste_here(App& app, Tlifeform& bar)
{
    Platform& p = app.platform();
    drag_taken(app, bar);
    release_left(p);
    input::ctrl_plus(p, 'V');
    input::click(p, MouseButton::Left);
    p.sleep_ms(50);
    input::click(p, MouseButton::Left);
}

// Ctrl: copy the selection, then let the main loop open it as an address
// ("----" in `escmenu.Panel8`). Outside the document panes the context menu's
// Copy is chosen as well, for applications that ignore Ctrl+C.
void copy_and_search(App& app, Tlifeform& bar, const std::string& class_under_pointer)
{
    Platform& p = app.platform();
    searching(app, bar);
    release_left(p);
    p.sleep_ms(10);
    input::ctrl_plus(p, 'C');
    bar.easydragid.set_text("ctrl function");
    p.sleep_ms(10);
    if (!classify::in_list(class_under_pointer, kCopyWithoutMenuClasses)) {
        input::click(p, MouseButton::Right);
        input::press(p, 'C');
    }
    p.sleep_ms(20);
    app.escmenu().Panel8.set_text("----");
}

// Space: the selection is cut for good (Shift+Delete).
void cut_for_good(App& app, Tlifeform& bar)
{
    Platform& p = app.platform();
    drag_taken(app, bar);
    release_left(p);
    p.send_key(vk::kShift, KeyAction::Down);
    input::press(p, vk::kDelete);
    p.send_key(vk::kShift, KeyAction::Up);
}

// A right release during the drag opened the application's context menu:
// its Copy is chosen.
void copy_from_context_menu(App& app, Tlifeform& bar)
{
    Platform& p = app.platform();
    searching(app, bar);
    bar.easydragid.set_text("ctrl function");
    p.sleep_ms(10);
    input::press(p, 'C');
    release_left(p);
    p.sleep_ms(10);
}

void wheel_drops_drag(App& app, Tlifeform& bar)
{
    app.vykForm4().set_caption("qq drag");
    bar.dragflag.set_text("qq drag up");
}

} // namespace

AfterDrag act_on_drag_end(App& app)
{
    Tlifeform& bar = app.lifeform();
    if (!drag_ended(bar))
        return AfterDrag::Continue;
    Platform& p = app.platform();
    const std::string class_under_pointer = classify::class_at(p, p.cursor_pos());
    const std::string mouse_cell = app.vykForm3().caption();
    if (p.key_down(vk::kLWin)) {
        paste_here(app, bar);
    } else if (p.key_down(vk::kCtrl)) {
        copy_and_search(app, bar, class_under_pointer);
    } else if (p.key_down(vk::kSpace)) {
        cut_for_good(app, bar);
    } else if (cell::contains(mouse_cell, "xx rightup")) {
        copy_from_context_menu(app, bar);
        return AfterDrag::EndTick;
    } else if (cell::contains(mouse_cell, "ystop")) {
        wheel_drops_drag(app, bar);
    }
    return AfterDrag::Continue;
}

} // namespace tv
