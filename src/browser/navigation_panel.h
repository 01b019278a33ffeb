// The navigation panel `vykForm3`: the user's favourites and an address box,
// both sending their address to the sibling browser ("vykgonewurl="), and a
// few hover targets (close every page, go to the task bar). It hides itself
// as soon as a choice is made.
#pragma once

#include "platform/platform.h"

#include <optional>
#include <string>

namespace tv {

class App;

class NavigationPanel {
public:
    explicit NavigationPanel(App& app) : app_(app) {}

    // Form creation: the mouse engine's marks, the local start page and the favourites.
    void created();
    // `setlike`: the favourites folder into the list.
    void load_favourites();

    // Every pointer move over the panel: the bare body is its main area, a
    // line of the favourites under the pointer is selected.
    void pointer_moved(Point client);
    void body_pressed();
    void favourite_pressed(MouseButton);
    void favourite_entered();
    void address_entered();
    // "全部关闭" and the bar left of the list: every page of the sibling closes.
    void close_all_pages(bool hide_escape_menu);
    // "×": the task bar at the top left; from "导航-----" the sibling hides first.
    void go_to_task_bar(bool hide_sibling);
    void hover_favourites();

private:
    std::optional<std::string> selected_favourite();
    void hide_with_escape_menu();
    void back_to_remembered_point();

    App& app_;
    bool over_body_ = false;
    int line_handled_ = -1;
};

} // namespace tv
