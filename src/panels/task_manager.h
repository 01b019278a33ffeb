// The task manager: the list of the desktop's application windows with their
// program icons, switching to one, closing by the function keys, cycling the
// foreground window through the list, and the form's command row.
//
// The entries are parallel lists: the titles (`taskform.ListBox5`), the paths
// (`ListBox10`), the list view's items, and here the window handles, process
// ids and classes. Removing entry i removes index i from every one of them.
#pragma once

#include "core/app.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

class Ttaskform;

namespace task {

inline constexpr std::size_t kMaxEntries = 1001;
inline constexpr std::uint32_t kExWindowEdge = 0x100;
inline constexpr std::size_t kTitleBytes = 110;
inline constexpr std::size_t kClassBytes = 95;

// What the filter looks at of one top-level window.
struct WindowFacts {
    std::uint32_t process_id = 0;
    std::uint32_t ex_style = 0;
    bool visible = false;
    Hwnd parent = 0;
    std::string title;
    bool own = false; // one of the program's own forms
};

// The enumeration filter: an application window of another program, while
// fewer than kMaxEntries are listed.
bool listed(const WindowFacts&, std::size_t listed_so_far);

// At most `bytes` bytes of a CP936 text, never ending inside a double-byte
// character (a lead byte without its trail byte is dropped).
std::string cut_text(std::string_view cp936, std::size_t bytes);

// An entry's title as the list shows it: the title, 96 spaces and "-".
std::string entry_title(std::string_view title);

} // namespace task

class TaskManager {
public:
    explicit TaskManager(App&);

    // The hidden commands.
    void show_list();    // `showad`
    void refresh();      // `Button1`
    void load_icons();   // `setlistview`
    void remove_entry(); // `Button6`: the index in its caption
    void next_task();    // `nexttask`
    void prev_task();    // `prevtask`
    void out_desk();     // `outdesk`
    void preview_tick(); // `Timer1`

    // The list view.
    void pointer_moved(Point client);
    void key_released(int vk);
    void item_pressed(MouseButton);
    void body_pressed(MouseButton); // the form's body or `Panel17`

    // The command row and the bars.
    void close_behind();       // pf1
    void show_desktop();       // pf2
    void open_start_menu();    // pf3
    void open_internet();      // pf4's steps before the sibling is brought up
    void bar_size(int which);  // pf5 (2), pf6 (1), pf7 (3)
    void show_options();       // pf8
    void switch_keyboard();    // srfid
    void switch_mouse();       // sbid
    void hint_close();         // hovering pf1
    void hint(std::string_view text, bool spaced = true);
    void open_current_menu();  // hovering Panel2
    void leave();              // hovering Panel6 or Panel12

    std::size_t count() const { return handles_.size(); }
    const std::vector<Hwnd>& handles() const { return handles_; }
    const std::vector<std::uint32_t>& process_ids() const { return process_ids_; }
    int selected() const { return selected_; }
    int last_activated() const { return last_activated_; }

private:
    Ttaskform& form() const;
    void clear_entries();
    void add_entry(Hwnd, const task::WindowFacts&, const std::string& class_name);
    void fill_paths();
    void remove_at(std::size_t i);
    void close_and_remove(std::size_t i);
    void close_where(bool (*same)(const TaskManager&, std::size_t, std::size_t));
    void activate(Hwnd);
    void enter();
    void cycle(int step);
    void park_escape_menu();
    void hide_form();
    void cursor_back();
    Hwnd window_behind() const;
    void strike(ui::Control& own_button, std::string_view escape_button, bool on);
    // Both switch buttons struck out or not as their switches stand now.
    void show_switches();

    App& app_;
    Platform& platform_;
    std::vector<Hwnd> handles_;
    std::vector<std::uint32_t> process_ids_;
    std::vector<std::string> classes_;
    int selected_ = 0;
    int last_activated_ = 0;
    Hwnd behind_ = 0;
};

} // namespace tv
