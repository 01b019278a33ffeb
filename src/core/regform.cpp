#include "core/regform.h"

#include "browser/ombrel.h"
#include "browser/vykform3.h"
#include "panels/rqmenu.h"
#include "settings/form_main.h"
#include "settings/settings_list.h"
#include "statusbar/lifeform.h"

namespace tv {

Tregform::Tregform(App& app)
    : AppForm(app, {"regform", "Tregform", "regform", Rect::from_size(kParkedLeft, 0, 300, 200), Visibility::Hidden,
                    Topmost::No, 0}),
      oldpath(*this, "oldpath", app.platform().program_folder()), ListBox2(*this, "ListBox2"), dy(*this, "dy"),
      cmdstart(*this, "cmdstart"), Timer1(*this, "Timer1", 30, true, [this] { start_tick(); })
{
    cmdstart.on_click = [this] { cmdstart_click(); };
    settings::load_runtime_list(app.platform(), *this);
}

void Tregform::start_tick()
{
    if (!started_) {
        started_ = true;
        cmdstart.click();
        app_.FormMain().show_help();
    }
    if (left() != kParkedLeft)
        park(app_.ombrel());
}

void Tregform::cmdstart_click()
{
    Trqmenu& rqmenu = app_.rqmenu();
    TvykForm3& vykForm3 = app_.vykForm3();
    rqmenu.show();
    park(rqmenu);
    vykForm3.show();
    park(vykForm3);
    app_.lifeform().set_caption("mywheel");
    app_.ombrel().Button41.set_text("返回");
    app_.ombrel().rtmenu.set_left(kParkedLeft);
}

} // namespace tv
