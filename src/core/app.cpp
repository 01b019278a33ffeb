#include "core/app.h"

#include "board/escmenu.h"
#include "board/form_main.h"
#include "board/imemess.h"
#include "board/inputmode.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/lifeform.h"
#include "board/m3d.h"
#include "board/modeform.h"
#include "board/ombrel.h"
#include "board/pyoil.h"
#include "board/regform.h"
#include "board/rqmenu.h"
#include "board/setform.h"
#include "board/srfform.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "board/vykform4.h"

#include <exception>

namespace tv {

App::App(Platform& platform, std::vector<std::string> args, ui::CellObserver* observer)
    : platform_(platform), args_(std::move(args)), observer_(observer)
{
    platform_.set_diagnostics_source([this] { return diagnostics_dump(); });
}

App::~App()
{
    platform_.set_diagnostics_source(nullptr);
    destroy_forms();
}

std::string App::argument(std::size_t n) const { return n >= 1 && n <= args_.size() ? args_[n - 1] : std::string(); }

template <class F> void App::create(std::unique_ptr<F>& slot)
{
    if (ended_)
        return;
    slot = std::make_unique<F>(platform_, observer_);
    slot->set_message_filter([this](MouseButton b, ButtonAction a) { return binder_->application_message(b, a); });
    roster_.push_back(slot.get());
    binder_->created(*slot);
}

void App::create_forms(FormBinder& binder)
{
    binder_ = &binder;
    platform_.set_application_title(kApplicationTitle);
    create(pyoil_);
    create(FormMain_);
    create(kxm_);
    create(modeform_);
    create(regform_);
    create(inputmode_);
    create(vykForm3_);
    create(ombrel_);
    create(rqmenu_);
    create(taskform_);
    create(kxmm_);
    create(lifeform_);
    create(setform_);
    create(m3d_);
    create(srfForm_);
    create(vykForm4_);
    create(imemess_);
    create(escmenu_);
}

int App::run(FormBinder& binder)
{
    try {
        create_forms(binder);
        if (ended_)
            return exit_code_;
        const int code = platform_.run_message_loop();
        destroy_forms();
        return ended_ ? exit_code_ : code;
    } catch (const std::exception& e) {
        platform_.message_box(e.what(), kApplicationTitle);
    } catch (...) {
        platform_.message_box("Exception", kApplicationTitle);
    }
    return 0;
}

void App::end_program(int exit_code)
{
    if (ended_)
        return;
    ended_ = true;
    exit_code_ = exit_code;
    platform_.quit(exit_code);
}

void App::destroy_forms()
{
    while (!roster_.empty())
        roster_.pop_back();
    escmenu_.reset();
    imemess_.reset();
    vykForm4_.reset();
    srfForm_.reset();
    m3d_.reset();
    setform_.reset();
    lifeform_.reset();
    kxmm_.reset();
    taskform_.reset();
    rqmenu_.reset();
    ombrel_.reset();
    vykForm3_.reset();
    inputmode_.reset();
    regform_.reset();
    modeform_.reset();
    kxm_.reset();
    FormMain_.reset();
    pyoil_.reset();
}

std::vector<ui::Form*> App::forms() const { return roster_; }

ui::Form* App::form(std::string_view global_name) const
{
    for (ui::Form* f : roster_)
        if (f->name() == global_name)
            return f;
    return nullptr;
}

} // namespace tv
