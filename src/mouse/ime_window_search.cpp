#include "mouse/ime_window_search.h"

#include "board/pyoil.h"
#include "core/cell.h"
#include "core/classify.h"

namespace tv {

Hwnd search_composition_window(App& app, std::string_view class_piece, bool record)
{
    Platform& p = app.platform();
    Tpyoil& main_form = app.pyoil();
    const Size screen = p.screen_size();
    // Only a point inside a shown window whose class holds the piece can hit;
    // every other probe would miss.
    const classify::ShownPlaces places(
        p, [class_piece](std::string_view cls) { return !class_piece.empty() && cell::contains(cls, class_piece); });
    Hwnd found = 0;
    bool last_probe_hit = false;
    for (int x = 0; x < screen.width && !places.none(); x += kSearchStepX) {
        last_probe_hit = false;
        for (int y = 0; y < screen.height; y += kSearchStepY) {
            if (!places.may_answer({x, y}))
                continue;
            const Hwnd w = p.window_from_point({x, y});
            const std::string cls = w ? p.class_name(w) : std::string();
            if (class_piece.empty() || cls.empty() || !cell::contains(cls, class_piece))
                continue;
            if (record)
                main_form.ListBox5.add(cls);
            found = w;
            last_probe_hit = true;
            break;
        }
    }
    main_form.Panel3.set_text(last_probe_hit ? "ff " + main_form.Panel1.text() : std::string("---- "));
    return found;
}

} // namespace tv
