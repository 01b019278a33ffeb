#include "browser/popup_control.h"

#include "board/ombrel.h"
#include "board/places.h"
#include "board/vykform3.h"
#include "core/sibling_channel.h"

#include <string>
#include <vector>

namespace tv {
namespace {

constexpr std::string_view kBlocking = "屏蔽";
constexpr std::string_view kAllowing = "开放";
constexpr std::string_view kToggleHint = "开放\\屏蔽弹出窗口";
constexpr int kProbeOffset = 140; // where a page's view must cover the page area

void activate_last(PageSlots& slots) { slots.set_active(static_cast<int>(slots.count()) - 1); }

} // namespace

void PopupControl::toggle()
{
    block_ = 1 - block_;
    app_.ombrel().SpeedButton2.set_text(block_ != 0 ? kBlocking : kAllowing);
}

void PopupControl::hover() { app_.ombrel().Panel23.set_text(kToggleHint); }

bool PopupControl::check(PageSlots& slots, Size full)
{
    check_pending_ = false;
    ui::ListBox& marks = app_.ombrel().ListBox11;
    std::vector<std::string> lines(slots.count());
    for (std::size_t i = 0; i < slots.count(); ++i) {
        const Size size = slots.page(i).size();
        if (size.width != full.width || size.height != full.height)
            lines[i] = std::to_string(i) + "//" + std::to_string(size.width) + ".." + std::to_string(size.height);
    }
    marks.set_items(lines);
    bool closed = false;
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (lines[i].empty())
            continue;
        slots.close(i);
        closed = true;
    }
    if (closed)
        activate_last(slots);
    return closed;
}

bool PopupControl::remove_empty_page(PageSlots& slots)
{
    const Tombrel& form = app_.ombrel();
    const TabPage* page = slots.active();
    if (!page || !left_shows(form) || !slots.area_shown())
        return false;
    const bool covered = page->view() != 0 && page->size().width > kProbeOffset && page->size().height > kProbeOffset;
    if (covered)
        return false;
    slots.close(static_cast<std::size_t>(slots.active_index()));
    activate_last(slots);
    return true;
}

void PopupControl::navigation_new_window(bool& cancel)
{
    cancel = true;
    if (navigation_link_.empty())
        return;
    sibling::send(app_, "vyknewurl=" + navigation_link_);
    TvykForm3& panel = app_.vykForm3();
    park(panel);
    panel.hide();
}

void PopupControl::navigation_before_navigate(std::string_view url, bool& cancel)
{
    if (url.find("copyso") != std::string_view::npos)
        cancel = true;
}

} // namespace tv
