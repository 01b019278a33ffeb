// Controls of the form toolkit.
//
// A control is named as the forms name it (`Label7`, `ListBox3`, `pf4`) and holds
// its text as a cell. Controls are drawn and hit-tested by their form (like
// windowless controls), so they behave the same on every backend: a pointer move
// onto a control is a hover, a press and release are press and release, a left
// release over the control that was pressed is a click. Hidden buttons are
// commands: running one calls its click handler.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::ui {

class Form;

enum class ControlKind { Panel, Label, Button, Edit, ListBox, CheckBox, RadioButton, Image, MenuItem, WebView, ListView };

const char* kind_name(ControlKind);

class Control {
public:
    Control(Form& owner, std::string name, ControlKind kind, std::string text = {});
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return owner_; }

    // The cell: a panel's, label's or button's caption, an edit's text.
    const std::string& text() const { return text_; }
    void set_text(std::string_view);

    // Background and font colours, 0x00BBGGRR as the platform's colour dialog gives them.
    std::uint32_t color() const { return color_; }
    void set_color(std::uint32_t);
    std::uint32_t font_color() const { return font_color_; }
    void set_font_color(std::uint32_t);

    Rect bounds() const { return bounds_; } // client coordinates of the form
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width(); }
    int height() const { return bounds_.height(); }
    void set_bounds(int left, int top, int width, int height);
    void set_left(int left) { set_bounds(left, top(), width(), height()); }
    void set_top(int top) { set_bounds(left(), top, width(), height()); }
    void set_width(int width) { set_bounds(left(), top(), width, height()); }
    void set_height(int height) { set_bounds(left(), top(), width(), height); }

    bool visible() const { return visible_; }
    void set_visible(bool);

    // The caption's font is struck out (a switch shown as off).
    bool strike_out() const { return strike_out_; }
    void set_strike_out(bool);
    void show() { set_visible(true); }
    void hide() { set_visible(false); }

    // Handlers; commands run them directly.
    std::function<void()> on_click;
    std::function<void()> on_hover;
    std::function<void(MouseButton)> on_press;
    std::function<void(MouseButton)> on_release;
    std::function<void(int vk)> on_key;
    std::function<void(int vk)> on_key_release;

    void click();
    void hover();
    void press(MouseButton);
    void release(MouseButton);

protected:
    void changed();

private:
    Form& owner_;
    std::string name_;
    ControlKind kind_;
    std::string text_;
    std::uint32_t color_ = 0x00FFFFFF;
    std::uint32_t font_color_ = 0;
    Rect bounds_;
    bool visible_ = false;
    bool strike_out_ = false;
};

class Panel : public Control {
public:
    Panel(Form& f, std::string name, std::string text = {}) : Control(f, std::move(name), ControlKind::Panel, std::move(text)) {}
};

class Label : public Control {
public:
    Label(Form& f, std::string name, std::string text = {}) : Control(f, std::move(name), ControlKind::Label, std::move(text)) {}
};

class Button : public Control {
public:
    Button(Form& f, std::string name, std::string text = {}) : Control(f, std::move(name), ControlKind::Button, std::move(text)) {}
};

class Edit : public Control {
public:
    Edit(Form& f, std::string name, std::string text = {}) : Control(f, std::move(name), ControlKind::Edit, std::move(text)) {}

    // Typing at the end of the text: "\b" takes the last character back (a
    // Chinese character whole), other control characters are ignored. While
    // the whole text is selected, the first key typed replaces it.
    void type(std::string_view typed);
    void select_all() { all_selected_ = true; }
    // A password box shows a star for every byte of its text.
    void set_password(bool on) { password_ = on; }
    bool password() const { return password_; }

private:
    bool all_selected_ = false;
    bool password_ = false;
};

// A check box, radio button or menu item: its tick is a flag other forms read.
class Check : public Control {
public:
    Check(Form& f, std::string name, ControlKind kind, std::string text = {}, bool checked = false)
        : Control(f, std::move(name), kind, std::move(text)), checked_(checked)
    {
    }
    bool checked() const { return checked_; }
    void set_checked(bool);
    // A user's click, before the click handler runs: a check box changes its
    // tick, a radio button becomes ticked (its group is the handler's work),
    // a menu item is left alone. A command's click() does neither.
    void clicked_by_user();

private:
    bool checked_;
};

// A list box: its items are a list cell.
class ListBox : public Control {
public:
    ListBox(Form& f, std::string name, std::vector<std::string> items = {});

    const std::vector<std::string>& items() const { return items_; }
    std::size_t count() const { return items_.size(); }
    // Item i, or an empty text when there is none: a missing line is an empty value.
    const std::string& item(std::size_t i) const;
    void set_item(std::size_t i, std::string_view); // ignored out of range
    void set_items(std::vector<std::string>);
    void insert(std::size_t i, std::string_view);   // i past the end appends
    void add(std::string_view);
    void remove(std::size_t i);                     // ignored out of range
    void clear();
    void truncate(std::size_t n);                   // keep the first n items

    int item_index() const { return item_index_; } // -1: none selected
    void select(int index);                        // out of range selects none

    std::function<void()> on_select;

private:
    std::vector<std::string> items_;
    int item_index_ = -1;
};

// A picture: its pixels decide window shapes (green and blue both 255 is "cut").
class Image : public Control {
public:
    using Pixel = std::uint32_t; // 0x00RRGGBB
    Image(Form& f, std::string name, int width, int height, std::function<Pixel(int x, int y)> pixels);

    Pixel pixel(int x, int y) const;
    int picture_width() const { return picture_width_; }
    int picture_height() const { return picture_height_; }

private:
    int picture_width_;
    int picture_height_;
    std::function<Pixel(int, int)> pixels_;
};

// A list view in the small-icon style: one row per item, each a caption with
// an icon of the view's image list beside it, drawn by the platform. The image
// list holds icons the platform handed out (Platform::file_icon); the view
// gives each back when it drops it.
struct ListViewItem {
    std::string caption;
    int image = -1; // index into the image list; -1 for none
    bool operator==(const ListViewItem&) const = default;
};

class ListView : public Control {
public:
    static constexpr int kRowHeight = 18;

    ListView(Form& f, std::string name) : Control(f, std::move(name), ControlKind::ListView) {}
    ~ListView() override;

    const std::vector<ListViewItem>& items() const { return items_; }
    std::size_t count() const { return items_.size(); }
    void add(std::string_view caption, int image = -1);
    void set_item(std::size_t i, ListViewItem item); // ignored out of range
    void remove(std::size_t i);                      // ignored out of range
    void clear();

    // The image list: an icon per index (0 holds the place of a missing icon).
    std::size_t image_count() const { return images_.size(); }
    std::uintptr_t image(int index) const;
    void add_image(std::uintptr_t icon);
    void clear_images();

    // The row under a client point of the form, or -1.
    int item_at(Point client) const;
    int item_index() const { return item_index_; } // -1: none selected
    void select(int index);                        // out of range selects none
    std::function<void()> on_select;

private:
    std::vector<ListViewItem> items_;
    std::vector<std::uintptr_t> images_;
    int item_index_ = -1;
};

} // namespace tv::ui
