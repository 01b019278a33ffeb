// Input-method identification (`inputmode`): every 100 ms, which input method
// the foreground window types with and which class its composition window
// has, from the class table "ime.txt". Also the paste gesture read from the
// key history, the hand-picked class, and the table's load and save.
#pragma once

#include "core/app.h"

#include <string>
#include <vector>

namespace tv {

class InputMode {
public:
    explicit InputMode(App& app) : app_(app) {}

    // Creation: the class in force becomes "ImeCompPHON", and the table comes
    // from "ime.txt" when the file is there. A file that is there but cannot
    // be read as text leaves the default table and is never written this run.
    void load_table();
    // The run's end: the table `items` goes back to "ime.txt" whole and
    // atomically. False when nothing was written. (The form is going: the
    // caller hands its items over.)
    bool save_table(const std::vector<std::string>& items);

    // `inputmode.Timer1`, 100 ms.
    void identify();
    // A press on `ListBox6`: the item under the pointer becomes the class in
    // force, and the blind selection is asked to search for it ("searchime").
    void class_pressed();

    std::string table_path() const;

    static constexpr std::size_t kDescriptionBytes = 255;

private:
    bool paste_gesture();
    void bring_up_candidates();
    void learn(KeyboardLayout);
    void show_input_method();

    // The layout last seen in front, and what the system said of it.
    struct KnownLayout {
        bool asked = false;
        KeyboardLayout layout = 0;
        bool input_method = false;
        std::string description; // cut to kDescriptionBytes
    };

    App& app_;
    bool table_writable_ = true;
    KnownLayout known_;
};

} // namespace tv
