// The form `FormMain`: options form with the tray icon; its caption's first ten bytes are a state word.
#pragma once

#include "core/app_form.h"
#include "ui/popup_menu.h"

namespace tv {

class TFormMain : public AppForm {
public:
    explicit TFormMain(App&);

    // The form's click handler: its help page in its own web view. The start
    // command runs it once; the page itself comes with the tray and shell form.
    void show_help();

    // The start-page group (helpid, netid, freeid) and the bar-size group
    // (smallid, midid, bigid): one button of each is selected.
    void select_start_page(ui::Check&);
    void select_bar_size(ui::Check&);
    // Top 100, centred horizontally, shown.
    void show_near_top();

    ui::Check srfbl;
    ui::Check sbbl;
    ui::Check cdbl;
    ui::Check N2qq;
    ui::Check N3;
    ui::Check N2;
    ui::Check helpid;
    ui::Check netid;
    ui::Check freeid;
    ui::Check smallid;
    ui::Check midid;
    ui::Check bigid;
    ui::Edit outpath;
    ui::Panel outcmd;

    // The options menu (the tray icon's menu). N3 and N2 above are two of its
    // items; the restarts of the two companions and the message pages come with
    // the tray and shell integration.
    ui::Check Shutdown1;
    ui::Check N1;
    ui::Check ff1;
    ui::Check N4;
    ui::Check N5;
    ui::Check N6;
    ui::Check N7;
    ui::Check N8;
    ui::Check N9;
    ui::Check N10;
    ui::PopupMenu PopupMenu1;

private:
    void wire_menu();
    void run_bar_size(ui::Button& size_command);
};

} // namespace tv
