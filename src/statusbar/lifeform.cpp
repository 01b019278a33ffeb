#include "statusbar/lifeform.h"

#include "core/regform.h"
#include "statusbar/hint_template.h"
#include "statusbar/system_name.h"

namespace tv {
namespace {

constexpr int kFirstHeight = 90;
constexpr int kFirstWidth = 64;
constexpr int kLowerEdgeMargin = 30;

std::vector<std::string> load_template(const Platform& p)
{
    auto file = p.read_file(hint::kTemplateFile);
    std::vector<std::string> lines = file ? hint::template_lines(*file) : std::vector<std::string>{};
    return lines.empty() ? hint::built_in_template() : lines;
}

// A small navy square.
ui::Image::Pixel form_count_picture(int, int) { return 0x000080; }

} // namespace

Tlifeform::Tlifeform(App& app)
    : AppForm(app, {"lifeform", "Tlifeform", "mywheel", Rect::from_size(0, 0, kFirstWidth, kFirstHeight),
                    Visibility::Hidden, Topmost::Yes, 0}),
      Timer1(*this, "Timer1", 100, false, [this] { status_timer_.tick(); }),
      Timer2(*this, "Timer2", 10, false, [this] { count_drag(); }),
      Label1(*this, "Label1", "正常滚轮"), Label4(*this, "Label4"), Label8(*this, "Label8"), upmess(*this, "upmess"),
      downmess(*this, "downmess"), leftmess(*this, "leftmess"), rightmess(*this, "rightmess"),
      status(*this, "status"), Panel20(*this, "Panel20"), windmess(*this, "windmess"), Panel33(*this, "Panel33"),
      Panel34(*this, "Panel34"), Panel36(*this, "Panel36"), Panel37(*this, "Panel37"), Panel38(*this, "Panel38"),
      Panel39(*this, "Panel39"), Panel10(*this, "Panel10"), Panel24(*this, "Panel24"), Panel32(*this, "Panel32"),
      Panel40(*this, "Panel40"), easydragid(*this, "easydragid"), dragflag(*this, "dragflag"),
      srfboard(*this, "srfboard"), srftip1(*this, "srftip1"), srftip2(*this, "srftip2"), srftip3(*this, "srftip3"),
      menutip(*this, "menutip", "菜单快捷键:     E=↑  D=↓ S=←  F=→  空格=确认"), movebar(*this, "movebar"),
      Button5(*this, "Button5"), Button6(*this, "Button6"), Panel25(*this, "Panel25"), mup(*this, "mup"),
      mdown(*this, "mdown"), Label9(*this, "Label9", ">>"), Image5(*this, "Image5", 16, 16, form_count_picture),
      Panel26(*this, "Panel26"),
      messlistold(*this, "messlistold"), ListBox7(*this, "ListBox7"), ListBox8(*this, "ListBox8"),
      ListBox5(*this, "ListBox5", load_template(app.platform())),
      CppWebBrowser1(*this, "CppWebBrowser1"), CppWebBrowser2(*this, "CppWebBrowser2"),
      settopmess(*this, "settopmess"), Button1(*this, "Button1", "大天"), smallbar(*this, "smallbar", "中天"),
      tinybar(*this, "tinybar", "小天"), nobar(*this, "nobar"), Button3(*this, "Button3"),
      resetomb(*this, "resetomb"),
      status_timer_(app, *this)
{
    settopmess.on_click = [this] { rebuild_hint_bar(); };
    Button1.on_click = [this] { large_bar(); };
    smallbar.on_click = [this] { set_bar_height(32, MoveHandle::Hidden); };
    tinybar.on_click = [this] { set_bar_height(5, MoveHandle::Shown); };
    nobar.on_click = [this] { no_bar(); };
    Button3.on_click = [this] { undock(); };
    wire_small_commands();
    wire_web_view(CppWebBrowser1);
    wire_web_view(CppWebBrowser2);

    place_panels();
    open_pages();
    if (!CppWebBrowser2.created())
        show_hint_labels();
    const Size s = screen();
    set_bounds(0, s.height - kLowerEdgeMargin, kFirstWidth, kFirstHeight);
    set_topmost(Topmost::Yes);
    show();
    Button1.click();
    Panel40.set_text(system_name(platform().system_version()));
}

Tlifeform::~Tlifeform() { undock(); }

void Tlifeform::place_panels()
{
    Panel20.set_bounds(0, 0, Panel20.width(), Panel20.height());
    windmess.set_bounds(0, 0, windmess.width(), windmess.height());
    srfboard.set_bounds(138, 4, 767, 24);
    srftip1.set_bounds(57, 2, 76, 20);
    srftip1.show();
    srftip2.hide();
    srftip3.hide();
    movebar.set_bounds(0, 0, 40, 5);
}

// Without the platform's web control the hint bar's HTML cannot be shown: the
// title, the wheel mode and its hints then stand on the bar as plain labels.
void Tlifeform::show_hint_labels()
{
    constexpr std::uint32_t kTeal = 0x808000, kMaroon = 0x000080, kBlue = 0xFF0000;
    struct Place {
        ui::Control& label;
        int left, width;
        std::uint32_t font;
    };
    const Place places[] = {{Label8, 140, 160, kTeal},     {Label1, 308, 90, kMaroon}, {upmess, 406, 170, kMaroon},
                            {downmess, 584, 170, kMaroon}, {rightmess, 762, 220, kBlue}};
    for (const Place& p : places) {
        p.label.set_bounds(p.left, 8, p.width, 22);
        p.label.set_font_color(p.font);
        p.label.show();
    }
    // ">>" at the right end of the bar opens the options menu.
    constexpr int kMenuMarkWidth = 24;
    Label9.set_bounds(screen().width - kMenuMarkWidth - 6, 8, kMenuMarkWidth, 22);
    Label9.set_font_color(kBlue);
    Label9.show();
}

// The help title page fills the form for now; the hint bar's view is laid
// over it below the move handle. Start-up completion gives both their places.
void Tlifeform::open_pages()
{
    CppWebBrowser1.navigate("file://" + program_folder() + "helptitle.htm");
    set_height(kFirstHeight);
    const Size s = screen();
    CppWebBrowser2.set_bounds(0, movebar.height(), s.width, s.height - kLowerEdgeMargin);
    CppWebBrowser2.navigate("file://" + program_folder() + hint::kTemplateFile);
}

// The program folder already ends with a backslash.
std::string Tlifeform::program_folder() const { return app_.regform().oldpath.text(); }

} // namespace tv
