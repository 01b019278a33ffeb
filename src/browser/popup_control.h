// The pop-up control of the browser form: pages that change the size of their
// view behave like pop-ups and, while blocking is on, are closed on the engine
// tick after their download completed. Pages that show no view are removed.
#pragma once

#include "browser/page_slots.h"
#include "core/app.h"

#include <string>
#include <string_view>

namespace tv {

class PopupControl {
public:
    explicit PopupControl(App& app) : app_(app) {}

    // `blockPopups`: 1 blocks, 0 allows; the caption of `ombrel.SpeedButton2` says which.
    int block_popups() const { return block_; }
    // A release on `SpeedButton2`, any button.
    void toggle();
    void hover();
    // A page's download completed: the next tick checks the pages while blocking.
    void download_completed() { check_pending_ = block_ != 0; }
    bool check_pending() const { return check_pending_; }

    // The check: every page whose view is not `full` is stopped and closed,
    // last first, and the last page left becomes active. `ombrel.ListBox11`
    // holds one line per page ("index//width..height" for a pop-up). True when
    // a page was closed.
    bool check(PageSlots&, Size full);
    // The active page shows no view at the probe point of the page area (140
    // pixels right and down): it is closed and the last page becomes active.
    bool remove_empty_page(PageSlots&);

    // The navigation panel's view: its requests never open a window. The
    // address of the link under the pointer (its last status text) goes to the
    // sibling as "vyknewurl=" and the panel is hidden; with no such address the
    // request is dropped. Its navigations to an address holding "copyso" never start.
    void navigation_status_text(std::string_view text) { navigation_link_.assign(text); }
    void navigation_new_window(bool& cancel);
    static void navigation_before_navigate(std::string_view url, bool& cancel);

private:
    App& app_;
    std::string navigation_link_;
    int block_ = 1;
    bool check_pending_ = false;
};

} // namespace tv
