// The input-method picker (`srfForm`): the installed input methods with their
// icons; the arrow keys, Space and presses on an entry switch the keyboard layout.
//
// Only layouts that are input methods become entries, each keeping its own
// layout. Up on the first entry goes to the last and Down on the last to the
// first; elsewhere an arrow moves one entry, as in any list.
#pragma once

#include "core/app.h"

#include <vector>

namespace tv {

class TsrfForm;

class ImePicker {
public:
    explicit ImePicker(App& app) : app_(app) {}

    // Creation, `Button1`, Space typed in `Memo1`: the entries afresh, then
    // the icons 100 ms later (`Timer1`).
    void list();
    // `Timer1` (once after listing) and `Button2`: each entry's icon, the
    // first icon of its module in the system folder; then entry 0 is selected.
    void icons_due();
    void fill_icons();

    // Keys in the list view: an arrow moves as it goes down, wraps as it comes
    // up; Space coming up switches to the selected entry.
    void key_down(int vk);
    void key_released(int vk);
    // The close box, or Esc coming up in the list view: the picker goes away.
    void close();
    // A press on an entry of the list view or of the description list.
    void entry_pressed();
    void description_pressed();

    const std::vector<KeyboardLayout>& layouts() const { return layouts_; }

    static constexpr std::size_t kDescriptionBytes = 100;
    static constexpr int kDescriptionPauseMs = 10;

private:
    TsrfForm& form() const;
    int count() const { return static_cast<int>(layouts_.size()); }
    void select(int index);
    void switch_to(int index);

    App& app_;
    std::vector<KeyboardLayout> layouts_;
    int arrow_down_ = 0;       // the arrow key held, 0 for none
    int index_at_arrow_ = -1;  // the selected entry when it went down
};

} // namespace tv
