#include "core/start_command.h"

#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/regform.h"
#include "board/rqmenu.h"
#include "board/vykform3.h"

namespace tv {

void StartCommand::tick()
{
    if (!started_) {
        started_ = true;
        app_.regform().cmdstart.click();
        show_options_help();
    }
    if (!parked_at(app_.regform()))
        park(app_.ombrel());
}

void StartCommand::run()
{
    Trqmenu& rqmenu = app_.rqmenu();
    TvykForm3& vykForm3 = app_.vykForm3();
    rqmenu.show();
    park(rqmenu);
    vykForm3.show();
    park(vykForm3);
    app_.lifeform().set_caption("mywheel");
    app_.ombrel().Button41.set_text("返回");
    app_.ombrel().rtmenu.set_left(kParkedLeft);
}

} // namespace tv
