#include "ui/control.h"

#include "ui/form.h"

namespace tv::ui {
namespace {

// Removes row i of a list and forgets the selection when it no longer points
// at a row; false when there is no row i.
template <typename Rows>
bool erase_row(Rows& rows, int& selected, std::size_t i)
{
    if (i >= rows.size())
        return false;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(i));
    if (selected >= static_cast<int>(rows.size()))
        selected = -1;
    return true;
}

} // namespace

const char* kind_name(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Panel: return "Panel";
    case ControlKind::Label: return "Label";
    case ControlKind::Button: return "Button";
    case ControlKind::Edit: return "Edit";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::RadioButton: return "RadioButton";
    case ControlKind::Image: return "Image";
    case ControlKind::MenuItem: return "MenuItem";
    case ControlKind::WebView: return "WebView";
    case ControlKind::ListView: return "ListView";
    }
    return "Control";
}

Control::Control(Form& owner, std::string name, ControlKind kind, std::string text)
    : owner_(owner), name_(std::move(name)), kind_(kind), text_(std::move(text))
{
    owner_.register_control(this);
}

void Control::set_text(std::string_view text)
{
    if (text_ == text)
        return;
    text_.assign(text);
    changed();
}

void Control::set_color(std::uint32_t color)
{
    if (color_ == color)
        return;
    color_ = color;
    changed();
}

void Control::set_font_color(std::uint32_t color)
{
    if (font_color_ == color)
        return;
    font_color_ = color;
    changed();
}

void Control::set_bounds(int left, int top, int width, int height)
{
    Rect r = Rect::from_size(left, top, width, height);
    if (r == bounds_)
        return;
    bounds_ = r;
    owner_.platform().invalidate(owner_.hwnd());
}

void Control::set_visible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    owner_.platform().invalidate(owner_.hwnd());
}

void Control::set_strike_out(bool strike_out)
{
    if (strike_out_ == strike_out)
        return;
    strike_out_ = strike_out;
    changed();
}

void Control::click()
{
    if (on_click)
        on_click();
}

void Control::hover()
{
    if (on_hover)
        on_hover();
}

void Control::press(MouseButton b)
{
    if (on_press)
        on_press(b);
}

void Control::release(MouseButton b)
{
    if (on_release)
        on_release(b);
}

void Control::changed()
{
    owner_.notify_cell_changed(this);
    owner_.platform().invalidate(owner_.hwnd());
}

void Edit::type(std::string_view typed)
{
    std::string text = this->text();
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto byte = static_cast<unsigned char>(typed[i]);
        const bool typing = byte == '\b' || (byte >= 0x20 && byte != 0x7F);
        if (typing && all_selected_) {
            all_selected_ = false;
            text.clear();
            if (byte == '\b')
                continue;
        }
        if (byte == '\b') {
            // The last character starts after the last complete one: walk from the front.
            std::size_t last = 0;
            for (std::size_t at = 0; at < text.size(); at += static_cast<unsigned char>(text[at]) >= 0x81 ? 2 : 1)
                last = at;
            text.resize(text.empty() ? 0 : last);
        } else if (byte >= 0x20 && byte != 0x7F) {
            text += typed[i];
        }
    }
    set_text(text);
}

void Check::set_checked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    changed();
}

ListBox::ListBox(Form& f, std::string name, std::vector<std::string> items)
    : Control(f, std::move(name), ControlKind::ListBox), items_(std::move(items))
{
}

const std::string& ListBox::item(std::size_t i) const
{
    static const std::string empty;
    return i < items_.size() ? items_[i] : empty;
}

void ListBox::set_item(std::size_t i, std::string_view value)
{
    if (i >= items_.size() || items_[i] == value)
        return;
    items_[i].assign(value);
    changed();
}

void ListBox::set_items(std::vector<std::string> items)
{
    if (items == items_)
        return;
    items_ = std::move(items);
    if (item_index_ >= static_cast<int>(items_.size()))
        item_index_ = -1;
    changed();
}

void ListBox::insert(std::size_t i, std::string_view value)
{
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(i, items_.size())), std::string(value));
    changed();
}

void ListBox::add(std::string_view value) { insert(items_.size(), value); }

void ListBox::remove(std::size_t i)
{
    if (erase_row(items_, item_index_, i))
        changed();
}

void ListBox::clear() { truncate(0); }

void ListBox::truncate(std::size_t n)
{
    if (n >= items_.size())
        return;
    items_.resize(n);
    if (item_index_ >= static_cast<int>(n))
        item_index_ = -1;
    changed();
}

void ListBox::select(int index)
{
    item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (on_select)
        on_select();
}

Image::Image(Form& f, std::string name, int width, int height, std::function<Pixel(int, int)> pixels)
    : Control(f, std::move(name), ControlKind::Image), picture_width_(width), picture_height_(height),
      pixels_(std::move(pixels))
{
    set_bounds(0, 0, width, height);
}

Image::Pixel Image::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= picture_width_ || y >= picture_height_ || !pixels_)
        return 0;
    return pixels_(x, y);
}

ListView::~ListView() { clear_images(); }

void ListView::add(std::string_view caption, int image)
{
    items_.push_back({std::string(caption), image});
    changed();
}

void ListView::set_item(std::size_t i, ListViewItem item)
{
    if (i >= items_.size() || items_[i] == item)
        return;
    items_[i] = std::move(item);
    changed();
}

void ListView::remove(std::size_t i)
{
    if (erase_row(items_, item_index_, i))
        changed();
}

void ListView::clear()
{
    if (items_.empty())
        return;
    items_.clear();
    item_index_ = -1;
    changed();
}

std::uintptr_t ListView::image(int index) const
{
    return index >= 0 && index < static_cast<int>(images_.size()) ? images_[static_cast<std::size_t>(index)] : 0;
}

void ListView::add_image(std::uintptr_t icon)
{
    images_.push_back(icon);
    changed();
}

void ListView::clear_images()
{
    for (std::uintptr_t icon : images_)
        if (icon)
            form().platform().free_icon(icon);
    if (images_.empty())
        return;
    images_.clear();
    changed();
}

int ListView::item_at(Point client) const
{
    if (!bounds().contains(client))
        return -1;
    const int row = (client.y - top()) / kRowHeight;
    return row < static_cast<int>(items_.size()) ? row : -1;
}

void ListView::select(int index)
{
    item_index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (on_select)
        on_select();
}

void Check::clicked_by_user()
{
    if (kind() == ControlKind::CheckBox)
        set_checked(!checked());
    else if (kind() == ControlKind::RadioButton)
        set_checked(true);
}

} // namespace tv::ui
