#include "browser/navigation_panel.h"

#include "board/escmenu.h"
#include "board/kxm.h"
#include "board/kxmm.h"
#include "board/m3d.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/taskform.h"
#include "board/vykform3.h"
#include "browser/url_lists.h"
#include "core/app.h"
#include "core/sibling_channel.h"

namespace tv {
namespace {

constexpr const char* kStartPage = "adcenter.htm";
constexpr std::string_view kBodyHint = "直接输入新网址，回车打开；向右返回【移动操作系统导航】；向下选择收藏网页";
constexpr std::size_t kLongHintBytes = 60;
constexpr std::string_view kGoToken = "vykgonewurl=";
constexpr Point kTaskBarPointer{130, 140};
constexpr int kTaskBarLeft = 100, kTaskBarTop = 100, kTaskBarWidth = 256, kTaskBarHeight = 72;
constexpr int kTaskBarNarrow = 100;

TvykForm3& panel(App& app) { return app.vykForm3(); }

// The task form is clicked open; it starts the sibling or brings it forward.
void raise_sibling(App& app) { app.taskform().pf4.click(); }

} // namespace

void NavigationPanel::created()
{
    TvykForm3& f = panel(app_);
    f.hbar.set_height(app_.platform().screen_size().height);
    f.scrollcmd.set_bounds(0, 0, f.scrollcmd.width(), f.scrollcmd.height());
    f.pagecmd.set_bounds(0, 0, f.pagecmd.width(), f.pagecmd.height());
    f.CppWebBrowser3.navigate("file://" + app_.platform().program_folder() + kStartPage);
    load_favourites();
}

void NavigationPanel::load_favourites()
{
    TvykForm3& f = panel(app_);
    const std::optional<std::string> folder = urls::favourites_folder(app_.platform().desktop_folder());
    f.favourites_folder = folder.value_or("");
    f.FileListBox1.set_items(folder ? app_.platform().folder_files(*folder) : std::vector<std::string>{});
    line_handled_ = -1;
}

void NavigationPanel::pointer_moved(Point client)
{
    TvykForm3& f = panel(app_);
    const bool body = f.control_at(client) == nullptr;
    if (body && !over_body_) {
        app_.m3d().set_caption("old--xxpop");
        if (f.focused() == nullptr)
            f.focus(&f.Edit2);
        if (f.Label16.text().size() < kLongHintBytes)
            f.Label16.set_text(kBodyHint);
    }
    over_body_ = body;
    const Rect list = f.FileListBox1.bounds();
    if (body || !list.contains(client))
        return;
    const int line = (client.y - list.top) / TvykForm3::kItemHeight;
    if (line != line_handled_ && line < static_cast<int>(f.FileListBox1.count())) {
        line_handled_ = line;
        f.FileListBox1.select(line);
    }
}

void NavigationPanel::hover_favourites()
{
    TvykForm3& f = panel(app_);
    if (f.focused() != &f.FileListBox1)
        f.focus(&f.FileListBox1);
}

void NavigationPanel::body_pressed()
{
    app_.kxmm().Button1.set_text("任务");
    app_.ombrel().vykxcmd.click();
    park(panel(app_));
}

// The selected favourite's address; none when no line is selected, the file
// is gone or unreadable, or it holds no address line.
std::optional<std::string> NavigationPanel::selected_favourite()
{
    TvykForm3& f = panel(app_);
    const int line = f.FileListBox1.item_index();
    if (line < 0 || f.favourites_folder.empty())
        return std::nullopt;
    const FileContent file =
        app_.platform().read_file_status(f.favourites_folder + "\\" + f.FileListBox1.item(static_cast<std::size_t>(line)));
    if (file.status != FileStatus::Read)
        return std::nullopt;
    f.ListBox3.set_items(urls::lines_of(file.bytes));
    std::string address = urls::shortcut_address(file.bytes);
    if (address.empty())
        return std::nullopt;
    return address;
}

void NavigationPanel::favourite_pressed(MouseButton button)
{
    const std::optional<std::string> address = selected_favourite();
    if (!address)
        return;
    raise_sibling(app_);
    sibling::hand_over(app_, kGoToken, *address);
    hide_with_escape_menu();
    panel(app_).Edit2.set_text(button == MouseButton::Left ? "down-- ok" : "right ok");
}

// The keyboard's order: the outbox first, then the sibling is raised.
void NavigationPanel::favourite_entered()
{
    panel(app_).Edit2.set_text("13--right ok");
    const std::optional<std::string> address = selected_favourite();
    if (!address)
        return;
    sibling::send(app_, std::string(kGoToken) + *address);
    park(panel(app_));
    raise_sibling(app_);
    if (sibling::missing(app_))
        sibling::open_in_default_browser(app_, *address);
}

// The address box's text goes to the sibling, which is started first when it
// does not run; without it the default browser opens the text.
void NavigationPanel::address_entered()
{
    TvykForm3& f = panel(app_);
    f.CppWebBrowser3.stop();
    const std::string text = f.Edit2.text();
    sibling::send_to_running(app_, std::string(kGoToken) + text, [this] { raise_sibling(app_); });
    if (sibling::missing(app_))
        sibling::open_in_default_browser(app_, text);
    hide_with_escape_menu();
    back_to_remembered_point();
}

void NavigationPanel::close_all_pages(bool hide_escape_menu)
{
    if (hide_escape_menu)
        hide_with_escape_menu();
    else
        park(panel(app_));
    back_to_remembered_point();
    sibling::send(app_, "vykcloseall");
}

void NavigationPanel::go_to_task_bar(bool hide_sibling)
{
    Platform& p = app_.platform();
    Ttaskform& tasks = app_.taskform();
    if (hide_sibling) {
        hide_with_escape_menu();
        sibling::hide_browser(app_);
        if (app_.kxm().Timer1.enabled())
            app_.kxm().set_bounds(tasks.left() - 2, tasks.top() + 8, app_.kxm().width(), app_.kxm().height());
        tasks.set_width(kTaskBarNarrow);
    } else {
        park(panel(app_));
    }
    p.set_cursor_pos(kTaskBarPointer);
    tasks.set_bounds(kTaskBarLeft, kTaskBarTop, kTaskBarWidth, kTaskBarHeight);
    tasks.set_topmost(Topmost::Yes);
    tasks.show();
    tasks.showad.click();
}

void NavigationPanel::hide_with_escape_menu()
{
    park(panel(app_));
    park(app_.escmenu());
}

void NavigationPanel::back_to_remembered_point()
{
    const ui::Panel& remembered = app_.ombrel().oldrightpos;
    app_.platform().set_cursor_pos({remembered.left(), remembered.top()});
}

} // namespace tv
