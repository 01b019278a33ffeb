// The browser's page slots: sixty numbered places for the pages of the page
// area, each page a web view of its own.
//
// The page area (`ombrel.PageControl1`, a cell that is never drawn: its bounds
// are the area) lists the open pages in order, by caption, and its selection is
// the active page: other behaviours may select
// another page, and the next placement shows it. Only the active page's view
// lies in the page area; the others wait off the form. A closed page leaves the
// page area for good: its view is stopped and ended, so it reports nothing
// more, while its slot keeps it until the number comes round again.
#pragma once

#include "platform/platform.h"
#include "ui/control.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tv {

inline constexpr int kSlotCount = 60;

class TabPage;

// What the browser does with the events of its pages' views.
class PageEvents {
public:
    virtual ~PageEvents() = default;
    virtual void page_new_window(TabPage&, bool& cancel, WebViewId& target) = 0;
    virtual void page_title(std::string_view title) = 0;
    virtual void page_status_text(std::string_view text) = 0;
    virtual void page_download_complete() = 0;
    virtual void page_document_complete() = 0;
};

// One page: its slot number, its caption and its view with the size it has
// (the size given, or the one its page asked for).
class TabPage : private WebViewEvents {
public:
    TabPage(Platform&, Hwnd form, int slot, Size size, PageEvents&);
    ~TabPage() override;
    TabPage(const TabPage&) = delete;
    TabPage& operator=(const TabPage&) = delete;

    int slot() const { return slot_; }
    const std::string& caption() const { return caption_; }
    void set_caption(std::string_view caption) { caption_.assign(caption); }
    const std::string& title() const { return title_; }
    void set_title(std::string_view title) { title_.assign(title); }
    WebViewId view() const { return view_; }
    bool open() const { return open_; }
    Size size() const { return size_; }
    void set_height(int height)
    {
        size_.height = height;
        placed_at_ = {-1, -1};
    }
    // The view's place on the form: its size at `at`.
    void place(Point at);
    void stop();
    // Stops the view and ends it; nothing of it is reported any more.
    void close();

private:
    void on_new_window_into(bool& cancel, WebViewId& target) override;
    void on_title_change(std::string_view) override;
    void on_status_text_change(std::string_view) override;
    void on_download_complete() override;
    void on_document_complete(std::string_view) override;
    void on_window_set_width(int) override;
    void on_window_set_height(int) override;

    Platform& platform_;
    PageEvents& events_;
    int slot_;
    std::string caption_;
    std::string title_;
    WebViewId view_ = 0;
    bool open_ = true;
    Size size_;
    Point placed_at_{-1, -1};
};

class PageSlots {
public:
    // `area` is the page area's cell (`ombrel.PageControl1`), `slot_pos` the
    // most recent slot number (`ombrel.slotPos`, which a hand-over moves on).
    PageSlots(Platform&, Hwnd form, ui::ListBox& area, int& slot_pos, PageEvents&);

    // The next slot number (after 59 comes 0), a new page with caption "web"
    // and the number in it, appended to the page area and made active.
    TabPage& allocate(Size);
    int slot_pos() const { return slot_pos_; }
    // The page a slot holds; nullptr for a slot never used.
    const TabPage* slot(int number) const;
    void set_slot_title(int number, std::string_view title);

    std::size_t count() const { return pages_.size(); }
    TabPage& page(std::size_t index) const { return *pages_[index]; }
    int active_index() const;
    TabPage* active() const;
    void set_active(int index);
    void rename_active(std::string_view caption);
    // Takes page `index` out of the page area and closes it.
    void close(std::size_t index);
    // Shows the active page's view in the page area and sends the others off the form.
    void place_views();
    void set_heights(int height);
    // Whether the page area shows at all (the stop button takes it away).
    bool area_shown() const { return area_shown_; }
    void set_area_shown(bool shown)
    {
        area_shown_ = shown;
        place_views();
    }

private:
    void list_captions();

    Platform& platform_;
    Hwnd form_;
    ui::ListBox& area_;
    PageEvents& events_;
    int& slot_pos_;
    bool area_shown_ = true;
    std::array<std::shared_ptr<TabPage>, kSlotCount> slots_;
    std::vector<std::shared_ptr<TabPage>> pages_; // the page area, in order
};

} // namespace tv
