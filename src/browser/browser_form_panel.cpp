// The browser form's page panel `Panel3`: the page list with hover switching,
// the address box and the personal address list, the navigation buttons, the
// save, stop and end buttons, the hint line and the small panel button.
#include "browser/browser_form.h"

#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/pyoil.h"
#include "board/vykform3.h"
#include "browser/page_addresses.h"
#include "core/cell.h"
#include "core/classify.h"
#include "core/synthetic_input.h"

#include <algorithm>

namespace tv {
namespace {

constexpr int kLineHeight = 16;       // a line of the panel's lists
constexpr int kButtonRowTop = 6;
constexpr int kButtonHeight = 22;
constexpr int kListTop = 56;
constexpr int kHintHeight = 20;
constexpr std::string_view kEntrySeparator = "     --"; // title, separator, address
constexpr std::string_view kFailedPageTitle = "没有可以显示的页";
// The go button's search: the words, percent-encoded, follow the prefix.
constexpr std::string_view kSearchPrefix = "https://www.baidu.com/s?ie=gbk&wd=";
constexpr Point kScrollPadWindowAt{990, 0}; // x of the window the scroll pad pages
constexpr int kEnterKey = 0x0D;

} // namespace

// ---- the panel's place ----

void BrowserForm::place_panel(Rect r)
{
    Tombrel& f = form();
    const int w = r.width(), h = r.height(), x = r.left, y = r.top;
    f.Panel3.set_bounds(x, y, w, h);
    f.Panel8.set_bounds(x, y, w, 4);
    const int step = w / 10;
    ui::Button* row[] = {&f.SpeedButton63, &f.SpeedButton64, &f.SpeedButton1, &f.SpeedButton3, &f.SpeedButton67,
                         &f.SpeedButton2,  &f.SpeedButton6,  &f.Button19,     &f.Button22,     &f.Button14};
    for (int i = 0; i < 10; ++i)
        row[i]->set_bounds(x + i * step, y + kButtonRowTop, step - 2, kButtonHeight);
    f.Edit1.set_bounds(x, y + kButtonRowTop + kButtonHeight + 2, w - 60, kButtonHeight);
    f.Button21.set_bounds(x + w - 58, f.Edit1.top(), 28, kButtonHeight);
    f.Button8.set_bounds(x + w - 28, f.Edit1.top(), 28, kButtonHeight);
    const int list_height = h - kListTop - kHintHeight;
    for (ui::ListBox* list : {&f.ListBox1, &f.ListBox10, &f.FileListBox1})
        list->set_bounds(x, y + kListTop, w, list_height);
    f.Panel23.set_bounds(x, y + h - kHintHeight, w, kHintHeight);
    f.Button38.set_bounds(x + w / 2, y + h - kHintHeight / 2, 1, 1);
}

void BrowserForm::set_panel_visible(bool visible)
{
    Tombrel& f = form();
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &f.Panel3, &f.Panel8, &f.SpeedButton63, &f.SpeedButton64, &f.SpeedButton1, &f.SpeedButton3,
             &f.SpeedButton67, &f.SpeedButton2, &f.SpeedButton6, &f.Button19, &f.Button22, &f.Button14, &f.Edit1,
             &f.Button21, &f.Button8, &f.ListBox1, &f.Panel23})
        c->set_visible(visible);
    if (!visible) {
        f.ListBox10.hide();
        f.FileListBox1.hide();
    }
}

void BrowserForm::hide_panel()
{
    const ui::Panel& panel = form().Panel3;
    place_panel(Rect::from_size(kParkedLeft, panel.top(), panel.width(), panel.height()));
}

void BrowserForm::show_address_list(bool shown) { form().ListBox10.set_visible(shown); }

void BrowserForm::hint(std::string_view text) { form().Panel23.set_text(text); }

int BrowserForm::line_under(const ui::ListBox& list, Point p) const
{
    if (!list.visible() || !list.bounds().contains(p))
        return -1;
    const int line = (p.y - list.top()) / kLineHeight;
    return line < static_cast<int>(list.count()) ? line : -1;
}

// ---- the page list ----

void BrowserForm::rebuild_page_list()
{
    Tombrel& f = form();
    const PageSlots& slots = slots_of_form();
    if (f.ListBox1.count() == slots.count())
        return;
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < slots.count(); ++i)
        captions.push_back(slots.page(i).caption());
    f.ListBox1.set_items(std::move(captions));
}

void BrowserForm::page_switcher()
{
    Tombrel& f = form();
    rebuild_page_list();
    place_panel(centred(app_.platform(), 400, 540));
    set_panel_visible(true);
    app_.platform().set_cursor_pos({f.left() + f.Button38.left(), f.top() + f.Button38.top()});
    f.rtmenu.set_left(kParkedLeft);
    f.ListBox1.select(slots_of_form().active_index());
}

void BrowserForm::switch_to_line(int line)
{
    PageSlots& slots = slots_of_form();
    form().ListBox1.select(line);
    if (line < static_cast<int>(slots.count()))
        slots.set_active(line);
}

void BrowserForm::pointer_moved(Point p)
{
    Tombrel& f = form();
    if (f.ListBox10.visible() && f.ListBox10.bounds().contains(p)) {
        const int line = line_under(f.ListBox10, p);
        if (line >= 0 && line != last_address_line_) {
            last_address_line_ = line;
            f.ListBox10.select(line);
            f.Edit1.set_text(f.ListBox10.item(static_cast<std::size_t>(line)));
            hint("左键打开网址；右键清除网址");
        }
        return;
    }
    if (f.FileListBox1.visible() && f.FileListBox1.bounds().contains(p)) {
        f.FileListBox1.select(line_under(f.FileListBox1, p));
        hint("左键转到所选窗口；右键");
        show_address_list(false);
        return;
    }
    if (!f.ListBox1.visible() || !f.ListBox1.bounds().contains(p))
        return;
    if (f.topStrip.top() != 0 || f.CppWebBrowser2.left() >= 0) {
        lay_out_strips();
        f.CppWebBrowser2.set_left(kParkedLeft);
    }
    slots_of_form().set_area_shown(true);
    show_address_list(false);
    const int line = line_under(f.ListBox1, p);
    if (line >= 0 && line != last_page_line_) {
        last_page_line_ = line;
        switch_to_line(line);
    }
    hint("左键转到所选窗口；右键关闭所选窗口");
}

void BrowserForm::page_list_key_released(int vk)
{
    const ui::ListBox& list = form().ListBox1;
    if ((vk == vk::kUp || vk == vk::kDown) && list.item_index() >= 0 &&
        list.item_index() != slots_of_form().active_index())
        switch_to_line(list.item_index());
}

void BrowserForm::page_list_pressed(MouseButton button)
{
    if (button == MouseButton::Right) {
        close_active_page();
        return;
    }
    hide_panel();
    focus_page();
}

// ---- the buttons ----

void BrowserForm::close_button_hover()
{
    Tombrel& f = form();
    hint(f.SpeedButton1.text() == "X" ? "左键关闭浏览器/右键关闭所选窗口" : "左键转到所选窗口/右键关闭所选窗口");
    f.FileListBox1.hide();
    show_address_list(false);
    f.focus(&f.ListBox1);
}

void BrowserForm::close_button_released(MouseButton button)
{
    Tombrel& f = form();
    if (button == MouseButton::Left) {
        close_active_page();
        return;
    }
    if (button != MouseButton::Right)
        return;
    if (f.SpeedButton1.text() == "X") {
        hide_panel();
        return;
    }
    set_panel_visible(false);
    hide_panel();
    Platform& p = app_.platform();
    const Point at = p.cursor_pos();
    if (at.x > 2)
        p.set_cursor_pos({at.x, at.y - 10});
}

void BrowserForm::back_forward_pressed(MouseButton button)
{
    const TabPage* page = slots_of_form().active();
    hint("左键后退/右键前进");
    if (!page)
        return;
    Platform& p = app_.platform();
    p.web_command(page->view(), WebCommand::Stop);
    p.web_command(page->view(), button == MouseButton::Left ? WebCommand::Back : WebCommand::Forward);
}

void BrowserForm::scroll_pad_released(MouseButton button)
{
    Platform& p = app_.platform();
    const Point at = p.cursor_pos();
    if (const Hwnd window = classify::root_at(p, {kScrollPadWindowAt.x, at.y}))
        p.set_foreground(window);
    p.sleep_ms(10);
    input::press(p, button == MouseButton::Left ? vk::kPageDown : vk::kPageUp);
}

void BrowserForm::stop_clicked()
{
    Tombrel& f = form();
    PageSlots& slots = slots_of_form();
    for (std::size_t i = 0; i < slots.count(); ++i)
        slots.page(i).stop();
    slots.set_area_shown(false);
    f.topStrip.stop();
    f.bottomStrip.stop();
    f.hide();
}

void BrowserForm::stop_released(MouseButton button)
{
    Tombrel& f = form();
    hint("左键停止浏览/右键刷新");
    if (button != MouseButton::Right)
        return;
    if (const TabPage* page = slots_of_form().active())
        app_.platform().web_command(page->view(), WebCommand::Refresh);
    f.topStrip.refresh();
    f.bottomStrip.refresh();
}

void BrowserForm::save_clicked()
{
    const TabPage* page = slots_of_form().active();
    if (!page)
        return;
    hide_panel();
    app_.platform().web_command(page->view(), WebCommand::SaveAs);
}

void BrowserForm::keep_address(MouseButton button)
{
    Tombrel& f = form();
    if (button == MouseButton::Right)
        f.ListBox10.insert(0, f.Edit1.text());
}

void BrowserForm::go_hover()
{
    Tombrel& f = form();
    show_address_list(true);
    f.focus(&f.Edit1);
    f.SpeedButton1.set_text("X");
    hint("左键搜索/右键打开网址");
}

void BrowserForm::go_released(MouseButton button)
{
    Tombrel& f = form();
    if (button == MouseButton::Left) {
        const int selected = f.ListBox10.item_index();
        if (f.Edit1.text().empty() && selected >= 0)
            f.Edit1.set_text(f.ListBox10.item(static_cast<std::size_t>(selected)));
    } else {
        f.Edit1.set_text(std::string(kSearchPrefix) + page_address::percent_encoded(f.Edit1.text()) + "&");
    }
    open_address();
}

void BrowserForm::new_page_released()
{
    open_address();
    Tombrel& f = form();
    const ui::Panel& panel = f.Panel3;
    place_panel(Rect::from_size(-1000, panel.top(), panel.width(), panel.height()));
}

// ---- the address box and the address list ----

void BrowserForm::address_box_pressed(MouseButton button)
{
    Tombrel& f = form();
    show_address_list(true);
    if (button == MouseButton::Right)
        f.Edit1.set_text("");
    hint("");
    f.focus(&f.Edit1);
}

void BrowserForm::address_box_key(int vk)
{
    Tombrel& f = form();
    if (vk != kEnterKey)
        return;
    const std::string text = f.Edit1.text();
    const auto& lines = f.ListBox10.items();
    if (!text.empty() && std::find(lines.begin(), lines.end(), text) == lines.end())
        f.ListBox10.add(text);
    if (text.empty())
        return;
    open_address();
    set_panel_visible(false);
}

void BrowserForm::address_list_pressed(MouseButton button)
{
    Tombrel& f = form();
    const int selected = f.ListBox10.item_index();
    if (selected < 0)
        return;
    if (button == MouseButton::Right) {
        f.ListBox10.remove(static_cast<std::size_t>(selected));
        last_address_line_ = -1;
        return;
    }
    f.Edit1.set_text(page_address::of_entry(f.ListBox10.item(static_cast<std::size_t>(selected))));
    open_address();
    hide_panel();
}

void BrowserForm::favourites_released(MouseButton button)
{
    const TabPage* page = slots_of_form().active();
    if (button != MouseButton::Right || !page)
        return;
    const std::string entry =
        page->caption() + std::string(kEntrySeparator) + app_.platform().web_location(page->view());
    form().ListBox10.insert(0, entry);
}

// ---- leaving ----

void BrowserForm::back_clicked()
{
    Tombrel& f = form();
    park(f);
    hide_panel();
    f.set_width(-10);
    f.Button41.set_text("");
    app_.lifeform().set_caption("xx mywheel");
    park(app_.vykForm3());
}

void BrowserForm::end_clicked()
{
    app_.pyoil().Button1.click();
    form().hide();
}

void BrowserForm::paste_clicked()
{
    if (const TabPage* page = slots_of_form().active())
        app_.platform().web_command(page->view(), WebCommand::Paste);
}

// The small panel button "O": notes a failed page in the list, then opens
// the small panel at the pointer.
void BrowserForm::small_panel_pressed(MouseButton button)
{
    if (button != MouseButton::Left)
        return;
    Tombrel& f = form();
    Platform& p = app_.platform();
    const auto& lines = f.ListBox1.items();
    const bool failed = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.compare(0, kFailedPageTitle.size(), kFailedPageTitle) == 0;
    });
    f.Panel44.set_text(std::string(failed ? "1" : "0") + "//" + std::to_string(lines.size()));
    f.SpeedButton1.set_text("X");
    if (classify::top_class(p) == classify::kSystemMenuClass)
        input::press(p, vk::kEscape);
    if (!f.Panel9.visible())
        return;
    const bool plain = f.Panel14.text() == "O";
    const Point at = p.cursor_pos();
    place_panel(Rect::from_size(at.x - f.left() - 200, at.y - f.top() - (plain ? 80 : 60), 230, 260));
    set_panel_visible(true);
    f.Panel9.hide();
    if (plain)
        return;
    f.Panel14.set_text("O");
    input::click(p, MouseButton::Left);
}

void BrowserForm::panel_background_hover()
{
    Tombrel& f = form();
    app_.vykForm3().set_caption("iemenu");
    f.SpeedButton1.set_text("X");
    f.rflag.set_text("xx right menu");
    hide_panel();
    focus_page();
}

} // namespace tv
