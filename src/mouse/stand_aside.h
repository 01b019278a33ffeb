// Standing aside: pause, the exclusion list and full-screen programs.
//
//   when                                        the hook (flags)     the timers that send input
//   ------------------------------------------  -------------------  --------------------------
//   paused (tray item "暂停", Ctrl+Alt+P)        keys, buttons, wheel stopped
//   a full-screen program runs (the shell says   keys, buttons, wheel stopped
//   D3D full screen, presentation mode or busy)
//   the window in front belongs to a listed      keys                 run
//   program (by executable or class)
//   the window under the pointer does           buttons, wheel       run
//
// "Stands aside" for the hook means: the events pass untouched and leave no
// token (hook_contract.h), so no rule of the program sees them. The check runs
// every 50 ms (`pyoil.Timer3`), writes `pyoil.asideflags` and `pyoil.asidewhy`,
// shows why on the status bar (`lifeform.asidemess`) and tells the hook
// (`pyoil.keystt`) when that changed. The pause is kept in "pause.txt" beside
// the program, so it survives a restart; the list, "exclude.txt", is read at
// start and again within a second of every change.
#pragma once

#include "core/app.h"
#include "core/exclusion_list.h"

#include <string>

namespace tv {

class StandAside {
public:
    explicit StandAside(App& app) : app_(app) {}

    // Reads the pause and the list and registers the hot key on the main form.
    void start();
    void tick();          // `pyoil.Timer3`
    void toggle_pause();  // `pyoil.pausett`
    void open_list();     // `FormMain.N13`: the list in the user's editor, the example first when missing
    bool paused() const { return paused_; }

    static constexpr int kPauseHotKeyId = 1;

private:
    std::string beside_program(std::string_view name) const;
    struct Seen {
        Hwnd window = 0;
        std::string match; // the listed name the window matched, empty for none
    };

    void reload_list_when_changed();
    void check_full_screen();
    const std::string& excluded(Seen&, Hwnd);
    void publish(const std::string& why, int flags);

    App& app_;
    bool paused_ = false;
    bool full_screen_ = false;
    std::string list_bytes_;
    aside::ExclusionList list_;
    Seen front_;
    Seen pointed_;
    int ticks_ = 0;
};

// Paused, or a full-screen program runs: the timers that send input skip their work.
bool stands_aside_everywhere(const App&);

} // namespace tv
