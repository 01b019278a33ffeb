// The application: the eighteen forms in roster order, the entry sequence and
// the ways the program ends.
//
// Forms are created one after the other; a form's creation may use only itself
// and the forms created before it, so a behaviour reaches a form through the App
// and never keeps a pointer across the roster order. None is created or
// destroyed during the run. The forms themselves are the state board
// (src/board/); what they do is bound to them by a FormBinder as they are created.
#pragma once

#include "core/form_binder.h"
#include "platform/platform.h"
#include "ui/form.h"

#include <memory>
#include <string>
#include <vector>

namespace tv {

inline constexpr const char* kApplicationTitle = "Tarvesk";

class App {
public:
    // args: the command line without the program name (argument 1 is args[0]).
    App(Platform&, std::vector<std::string> args, ui::CellObserver* observer = nullptr);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Entry steps 1 and 2: set the title and create the forms in roster order,
    // each bound by `binder` as it is created. Stops early when a creation ends
    // the program (the hook library failed). The binder outlives the App's run.
    void create_forms(FormBinder& binder);
    // The whole entry sequence: create, run the message loop, return the exit code.
    int run(FormBinder& binder);

    Platform& platform() const { return platform_; }
    const std::vector<std::string>& args() const { return args_; }
    std::string argument(std::size_t n) const; // 1-based; empty when absent

    // Ending the program: closing the main form, or a failure during start.
    void end_program(int exit_code);
    bool ended() const { return ended_; }
    int exit_code() const { return exit_code_; }

    // Every form created so far, in roster order.
    std::vector<ui::Form*> forms() const;
    ui::Form* form(std::string_view global_name) const;

    Tpyoil& pyoil() const { return *pyoil_; }
    TFormMain& FormMain() const { return *FormMain_; }
    Tkxm& kxm() const { return *kxm_; }
    Tmodeform& modeform() const { return *modeform_; }
    Tregform& regform() const { return *regform_; }
    Tinputmode& inputmode() const { return *inputmode_; }
    TvykForm3& vykForm3() const { return *vykForm3_; }
    Tombrel& ombrel() const { return *ombrel_; }
    Trqmenu& rqmenu() const { return *rqmenu_; }
    Ttaskform& taskform() const { return *taskform_; }
    Tkxmm& kxmm() const { return *kxmm_; }
    Tlifeform& lifeform() const { return *lifeform_; }
    Tsetform& setform() const { return *setform_; }
    Tm3d& m3d() const { return *m3d_; }
    TsrfForm& srfForm() const { return *srfForm_; }
    TvykForm4& vykForm4() const { return *vykForm4_; }
    Timemess& imemess() const { return *imemess_; }
    Tescmenu& escmenu() const { return *escmenu_; }

    ui::CellObserver* observer() const { return observer_; }

    // The diagnostics dump: every form's place and every cell, UTF-8.
    std::string diagnostics_dump() const;

    // The forms go, in reverse roster order; the run's end does this too.
    void destroy_forms();

private:
    template <class F> void create(std::unique_ptr<F>& slot);

    Platform& platform_;
    std::vector<std::string> args_;
    ui::CellObserver* observer_;
    FormBinder* binder_ = nullptr;
    bool ended_ = false;
    int exit_code_ = 0;

    std::unique_ptr<Tpyoil> pyoil_;
    std::unique_ptr<TFormMain> FormMain_;
    std::unique_ptr<Tkxm> kxm_;
    std::unique_ptr<Tmodeform> modeform_;
    std::unique_ptr<Tregform> regform_;
    std::unique_ptr<Tinputmode> inputmode_;
    std::unique_ptr<TvykForm3> vykForm3_;
    std::unique_ptr<Tombrel> ombrel_;
    std::unique_ptr<Trqmenu> rqmenu_;
    std::unique_ptr<Ttaskform> taskform_;
    std::unique_ptr<Tkxmm> kxmm_;
    std::unique_ptr<Tlifeform> lifeform_;
    std::unique_ptr<Tsetform> setform_;
    std::unique_ptr<Tm3d> m3d_;
    std::unique_ptr<TsrfForm> srfForm_;
    std::unique_ptr<TvykForm4> vykForm4_;
    std::unique_ptr<Timemess> imemess_;
    std::unique_ptr<Tescmenu> escmenu_;
    std::vector<ui::Form*> roster_;
};

} // namespace tv
