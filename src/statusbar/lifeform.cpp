#include "statusbar/lifeform.h"

#include "core/sibling_channel.h"
#include "statusbar/hint_template.h"

namespace tv {
namespace {

constexpr int kVkLButton = 1;

std::vector<std::string> load_template(const Platform& p)
{
    auto file = p.read_file(hint::kTemplateFile);
    std::vector<std::string> lines = file ? hint::template_lines(*file) : std::vector<std::string>{};
    return lines.empty() ? hint::built_in_template() : lines;
}

} // namespace

Tlifeform::Tlifeform(App& app)
    : AppForm(app, {"lifeform", "Tlifeform", "mywheel", Rect::from_size(0, 0, app.platform().screen_size().width, 180),
                    Visibility::Shown, Topmost::Yes, 0}),
      Timer1(*this, "Timer1", 100, false, [this] { status_tick(); }),
      Label1(*this, "Label1", "正常滚轮"), Label4(*this, "Label4"), Label8(*this, "Label8"), upmess(*this, "upmess"),
      downmess(*this, "downmess"), leftmess(*this, "leftmess"), rightmess(*this, "rightmess"),
      status(*this, "status"), Panel33(*this, "Panel33"), Panel34(*this, "Panel34"), Panel36(*this, "Panel36"),
      Panel38(*this, "Panel38"), Panel39(*this, "Panel39"), easydragid(*this, "easydragid"),
      dragflag(*this, "dragflag"), srfboard(*this, "srfboard"), movebar(*this, "movebar"), Button5(*this, "Button5"),
      Button6(*this, "Button6"), Panel26(*this, "Panel26"), messlistold(*this, "messlistold"),
      ListBox5(*this, "ListBox5", load_template(app.platform())),
      CppWebBrowser1(*this, "CppWebBrowser1"), CppWebBrowser2(*this, "CppWebBrowser2"),
      settopmess(*this, "settopmess"), Button1(*this, "Button1", "大天"), smallbar(*this, "smallbar", "中天"),
      tinybar(*this, "tinybar", "小天")
{
    srfboard.set_bounds(138, 4, 767, 24);
    movebar.set_bounds(0, 0, 40, 5);
    settopmess.on_click = [this] { rebuild_hint_bar(); };
    Button1.on_click = [this] { set_bar_height(180, false); };
    smallbar.on_click = [this] { set_bar_height(32, false); };
    tinybar.on_click = [this] { set_bar_height(5, true); };
}

void Tlifeform::status_tick()
{
    // Drag results, the right-release rules and keeping the bar on top land
    // with the status bar's own behaviour.
}

// Rewrites the hint view's whole document; skipped while the left button is
// down, so a drag in progress is never disturbed (the next run applies all).
void Tlifeform::rebuild_hint_bar()
{
    if (platform().key_down(kVkLButton))
        return;
    CppWebBrowser2.write_document(hint::document(ListBox5.items()));
}

void Tlifeform::set_bar_height(int height, bool handle_shown)
{
    set_bounds(left(), top(), screen().width, height);
    movebar.set_visible(handle_shown);
    sibling::send(app_, "newpos");
}

} // namespace tv
