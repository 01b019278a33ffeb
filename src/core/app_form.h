// The base of the program's forms: a toolkit form that knows its App.
#pragma once

#include "core/app.h"
#include "ui/form.h"

namespace tv {

// Left edges that mean "parked": the form counts as hidden.
inline constexpr int kParkedLeft = -2000;
inline constexpr int kParkedLeftFormMain = -1234;

class AppForm : public ui::Form {
public:
    AppForm(App& app, const ui::FormSpec& wanted) : ui::Form(app.platform(), wanted, app.observer()), app_(app) {}
    App& app() const { return app_; }

protected:
    Size screen() const { return platform().screen_size(); }
    App& app_;
};

// A rectangle of the given size centred on the screen.
inline Rect centred(const Platform& p, int width, int height)
{
    const Size s = p.screen_size();
    return Rect::from_size((s.width - width) / 2, (s.height - height) / 2, width, height);
}

// Hides a form by moving its left edge off the screen.
inline void park(ui::Form& form, int left = kParkedLeft) { form.set_left(left); }
// A left edge of 0 or more counts as shown for every test of a left edge.
inline bool left_shows(const ui::Form& form) { return form.left() >= 0; }

} // namespace tv
