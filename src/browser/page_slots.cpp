#include "browser/page_slots.h"

#include <string>

namespace tv {
namespace {

// Where a page's view waits while it is not the active one.
constexpr Point kAwayFromForm{-2000, 0};

} // namespace

TabPage::TabPage(Platform& platform, Hwnd form, int slot, Size size, PageEvents& events)
    : platform_(platform), events_(events), slot_(slot), caption_("web" + std::to_string(slot)), size_(size)
{
    view_ = platform_.create_web_view(form, Rect::from_size(kAwayFromForm.x, kAwayFromForm.y, size.width, size.height),
                                      this);
}

TabPage::~TabPage() { close(); }

void TabPage::place(Point at)
{
    if (!open_ || (at == placed_at_))
        return;
    placed_at_ = at;
    platform_.set_web_view_rect(view_, Rect::from_size(at.x, at.y, size_.width, size_.height));
}

void TabPage::stop()
{
    if (open_)
        platform_.web_command(view_, WebCommand::Stop);
}

void TabPage::close()
{
    if (!open_)
        return;
    stop();
    open_ = false;
    if (view_)
        platform_.destroy_web_view(view_);
}

void TabPage::on_new_window_into(bool& cancel, WebViewId& target)
{
    if (open_)
        events_.page_new_window(*this, cancel, target);
}

void TabPage::on_title_change(std::string_view title)
{
    if (open_)
        events_.page_title(title);
}

void TabPage::on_status_text_change(std::string_view text)
{
    if (open_)
        events_.page_status_text(text);
}

void TabPage::on_download_complete()
{
    if (open_)
        events_.page_download_complete();
}

void TabPage::on_document_complete(std::string_view)
{
    if (open_)
        events_.page_document_complete();
}

// The page resizes its own window: the view takes that size, as a pop-up's would.
void TabPage::on_window_set_width(int width)
{
    if (!open_ || width == size_.width)
        return;
    size_.width = width;
    placed_at_ = {-1, -1};
}

void TabPage::on_window_set_height(int height)
{
    if (!open_ || height == size_.height)
        return;
    size_.height = height;
    placed_at_ = {-1, -1};
}

PageSlots::PageSlots(Platform& platform, Hwnd form, ui::ListBox& area, int& slot_pos, PageEvents& events)
    : platform_(platform), form_(form), area_(area), events_(events), slot_pos_(slot_pos)
{
}

TabPage& PageSlots::allocate(Size size)
{
    slot_pos_ = slot_pos_ + 1 >= kSlotCount ? 0 : slot_pos_ + 1;
    auto page = std::make_shared<TabPage>(platform_, form_, slot_pos_, size, events_);
    slots_[static_cast<std::size_t>(slot_pos_)] = page;
    pages_.push_back(page);
    list_captions();
    set_active(static_cast<int>(pages_.size()) - 1);
    return *page;
}


const TabPage* PageSlots::slot(int number) const
{
    if (number < 0 || number >= kSlotCount)
        return nullptr;
    return slots_[static_cast<std::size_t>(number)].get();
}

void PageSlots::set_slot_title(int number, std::string_view title)
{
    if (number >= 0 && number < kSlotCount && slots_[static_cast<std::size_t>(number)])
        slots_[static_cast<std::size_t>(number)]->set_title(title);
}

int PageSlots::active_index() const
{
    const int index = area_.item_index();
    return index >= 0 && index < static_cast<int>(pages_.size()) ? index : -1;
}

TabPage* PageSlots::active() const
{
    const int index = active_index();
    return index < 0 ? nullptr : pages_[static_cast<std::size_t>(index)].get();
}

void PageSlots::set_active(int index)
{
    area_.select(index);
    place_views();
}

void PageSlots::rename_active(std::string_view caption)
{
    TabPage* page = active();
    if (!page)
        return;
    page->set_caption(caption);
    area_.set_item(static_cast<std::size_t>(active_index()), caption);
}

void PageSlots::close(std::size_t index)
{
    if (index >= pages_.size())
        return;
    const int active = active_index();
    const std::shared_ptr<TabPage> page = pages_[index];
    pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(index));
    page->close();
    list_captions();
    // The page control keeps the active index where it can.
    if (active >= 0 && !pages_.empty())
        area_.select(static_cast<int>(index) < active ? active - 1 : std::min(active, static_cast<int>(pages_.size()) - 1));
    place_views();
}

void PageSlots::place_views()
{
    const int active = active_index();
    for (std::size_t i = 0; i < pages_.size(); ++i)
        pages_[i]->place(static_cast<int>(i) == active && area_shown_ ? Point{area_.left(), area_.top()}
                                                                            : kAwayFromForm);
}

void PageSlots::set_heights(int height)
{
    for (const auto& page : pages_)
        page->set_height(height);
    place_views();
}

void PageSlots::list_captions()
{
    const int selected = area_.item_index();
    std::vector<std::string> captions;
    for (const auto& page : pages_)
        captions.push_back(page->caption());
    area_.set_items(std::move(captions));
    area_.select(selected < static_cast<int>(pages_.size()) ? selected : -1);
}

} // namespace tv
