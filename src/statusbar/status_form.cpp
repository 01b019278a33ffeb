#include "statusbar/status_form.h"

#include "board/hint_template.h"
#include "board/lifeform.h"
#include "board/regform.h"
#include "statusbar/system_name.h"

namespace tv {
namespace {

constexpr int kLowerEdgeMargin = 30;

} // namespace

void StatusForm::create()
{
    Tlifeform& form = app_.lifeform();
    open_pages();
    if (!form.CppWebBrowser2.created())
        show_hint_labels();
    const Size s = screen();
    form.set_bounds(0, s.height - kLowerEdgeMargin, Tlifeform::kFirstWidth, Tlifeform::kFirstHeight);
    form.set_topmost(Topmost::Yes);
    form.show();
    form.Button1.click();
    form.Panel40.set_text(system_name(app_.platform().system_version()));
}

// Without the platform's web control the hint bar's HTML cannot be shown: the
// title, the wheel mode and its hints then stand on the bar as plain labels.
void StatusForm::show_hint_labels()
{
    Tlifeform& form = app_.lifeform();
    constexpr std::uint32_t kTeal = 0x808000, kMaroon = 0x000080, kBlue = 0xFF0000;
    struct Place {
        ui::Control& label;
        int left, width;
        std::uint32_t font;
    };
    const Place places[] = {{form.Label8, 140, 160, kTeal},     {form.Label1, 308, 90, kMaroon},
                            {form.upmess, 406, 170, kMaroon},   {form.downmess, 584, 170, kMaroon},
                            {form.rightmess, 762, 220, kBlue}};
    for (const Place& p : places) {
        p.label.set_bounds(p.left, 8, p.width, 22);
        p.label.set_font_color(p.font);
        p.label.show();
    }
    // ">>" at the right end of the bar opens the options menu.
    constexpr int kMenuMarkWidth = 24;
    form.Label9.set_bounds(screen().width - kMenuMarkWidth - 6, 8, kMenuMarkWidth, 22);
    form.Label9.set_font_color(kBlue);
    form.Label9.show();
}

// The help title page fills the form for now; the hint bar's view is laid
// over it below the move handle. Start-up completion gives both their places.
void StatusForm::open_pages()
{
    Tlifeform& form = app_.lifeform();
    form.CppWebBrowser1.navigate("file://" + program_folder() + "helptitle.htm");
    form.set_height(Tlifeform::kFirstHeight);
    const Size s = screen();
    form.CppWebBrowser2.set_bounds(0, form.movebar.height(), s.width, s.height - kLowerEdgeMargin);
    form.CppWebBrowser2.navigate("file://" + program_folder() + hint::kTemplateFile);
}

// The program folder already ends with a backslash.
std::string StatusForm::program_folder() const { return app_.regform().oldpath.text(); }

} // namespace tv
