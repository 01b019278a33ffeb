#include "panels/escmenu.h"

namespace tv {

Tescmenu::Tescmenu(App& app)
    : AppForm(app, {"escmenu", "Tescmenu", "old--downok", centred(app.platform(), 729, 541), Visibility::Hidden, Topmost::No, 0}),
      Panel8(*this, "Panel8", "菜单"),
      Edit1(*this, "Edit1"),
      Edit2(*this, "Edit2"),
      plan(*this, "plan")
{
}

} // namespace tv
