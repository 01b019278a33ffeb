// The escape menu's contents: three web views, the search box, the command
// row that runs the task form's commands, the hover strips, the quick bar of
// help pages, and the personal centre: notes kept in "plan.txt" and a diary in
// "riji.txt", locked away with the outside archiver.
//
// Files live in the program folder (`regform.oldpath`, absolute). A notes file
// that is there but cannot be read is never written this run, and neither is
// one that holds no text (NUL bytes): a new note must not replace what is in
// it. Every save is atomic. The diary is taken from "riji.txt" whole, with the
// file held exclusively, and the file is deleted only after a complete read;
// "保存" refuses while a "riji.txt" not yet opened is there, so a diary just
// extracted is never replaced by the text of the form.
#pragma once

#include "core/app.h"

#include <string>
#include <string_view>

namespace tv {

class EscapeMenuForm {
public:
    explicit EscapeMenuForm(App& app) : app_(app) {}

    // Creation: the three views, the design size, the notes from "plan.txt".
    void create();
    void tick(); // Timer1, 100 ms

    // The views' events.
    void local_status_text(std::string_view text);
    void preview_status_text(std::string_view text);
    void new_window_requested(std::string_view address, bool& cancel);

    void hover_command(ui::Panel& item);
    void click_command(ui::Panel& item);
    void search();
    void hover_search_box();
    void hover_note_box();
    void hover_control_strip();
    void hover_quickbar_switch();
    void hover_quickbar_button(const ui::Button&);
    void hover_leave_web_or_menu();
    void hover_task_bar_strip();
    void hover_navigation_strip();

    // The personal centre (escape_menu_form_notes.cpp).
    void load_notes();
    void add_note();
    void release_on_note(MouseButton);
    void open_diary();
    void save_diary();
    void lock_diary();
    void unlock_diary();
    void diary_key(int vk);

    static constexpr const char* kNotesFile = "plan.txt";
    static constexpr const char* kDiaryFile = "riji.txt";
    static constexpr const char* kArchiveFile = "riji.txt.rar";
    static constexpr int kNoteLineHeight = 16;

private:
    std::string folder() const; // the program folder, ending with a backslash
    std::string path_of(std::string_view file) const { return folder() + std::string(file); }
    void hide_menu();
    void tell(std::string_view hint);

    App& app_;
    bool notes_writable_ = true; // false after "plan.txt" could not be read as notes
};

} // namespace tv
