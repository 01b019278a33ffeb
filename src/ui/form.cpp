#include "ui/form.h"

namespace tv::ui {

Form::Form(Platform& platform, const FormSpec& wanted, CellObserver* observer)
    : platform_(platform), observer_(observer), name_(wanted.name), class_name_(wanted.class_name)
{
    WindowSpec w{wanted.class_name, wanted.caption, wanted.rect, wanted.visibility, wanted.topmost, wanted.ex_style, 0, wanted.style};
    hwnd_ = platform_.create_window(w, this);
}

Form::~Form() { platform_.destroy_window(hwnd_); }

std::string Form::caption() const { return platform_.title(hwnd_); }

// A caption or a place written again unchanged is not sent to the system again.
void Form::set_caption(std::string_view text)
{
    if (platform_.title(hwnd_) != text)
        platform_.set_title(hwnd_, text);
}

Rect Form::bounds() const { return platform_.window_rect(hwnd_); }

void Form::set_bounds(int left, int top, int width, int height)
{
    const Rect wanted = Rect::from_size(left, top, width, height);
    if (bounds() != wanted)
        platform_.set_window_rect(hwnd_, wanted);
}

void Form::set_left(int left)
{
    Rect r = bounds();
    set_bounds(left, r.top, r.width(), r.height());
}

void Form::set_top(int top)
{
    Rect r = bounds();
    set_bounds(r.left, top, r.width(), r.height());
}

void Form::set_width(int width)
{
    Rect r = bounds();
    set_bounds(r.left, r.top, width, r.height());
}

void Form::set_height(int height)
{
    Rect r = bounds();
    set_bounds(r.left, r.top, r.width(), height);
}

Point Form::screen_point(Point layout) const
{
    const Rect r = bounds();
    return {r.left + layout.x * dpi_ / 96, r.top + layout.y * dpi_ / 96};
}

Point Form::to_layout(Point client) const
{
    if (dpi_ == 96)
        return client;
    return {client.x * 96 / dpi_, client.y * 96 / dpi_};
}

bool Form::visible() const { return platform_.is_visible(hwnd_); }
void Form::show() { platform_.show_window(hwnd_, Visibility::Shown); }
void Form::hide() { platform_.show_window(hwnd_, Visibility::Hidden); }
void Form::set_topmost(Topmost t) { platform_.set_topmost(hwnd_, t); }

void Form::close()
{
    if (on_close)
        on_close();
    else
        hide();
}

Control* Form::control(std::string_view name) const
{
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

void Form::notify_cell_changed(const Control* c) const
{
    if (observer_)
        observer_->cell_changed(*this, c);
}

Control* Form::control_at(Point p) const
{
    // Later controls lie on top of earlier ones.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->visible() && (*it)->bounds().contains(p))
            return *it;
    return nullptr;
}

void Form::on_mouse_move(Point client)
{
    const Point p = to_layout(client);
    pointer_ = p;
    Control* c = control_at(p);
    if (c != hovered_) {
        hovered_ = c;
        if (c)
            c->hover();
    }
    if (on_pointer_moved)
        on_pointer_moved(p);
}

void Form::on_mouse_leave() { hovered_ = nullptr; }

void Form::on_button(MouseButton b, ButtonAction a, Point client)
{
    const Point p = to_layout(client);
    pointer_ = p;
    if (message_filter_ && message_filter_(b, a))
        return;
    Control* c = control_at(p);
    if (!c) {
        if (a == ButtonAction::Down && on_body_press)
            on_body_press(b);
        return;
    }
    if (a == ButtonAction::Down) {
        pressed_ = c;
        c->press(b);
        return;
    }
    c->release(b);
    if (b == MouseButton::Left && pressed_ == c) {
        if (auto* box = dynamic_cast<Check*>(c))
            box->clicked_by_user();
        c->click();
    }
    pressed_ = nullptr;
}

// A key goes to the control with the focus, else to the one under the pointer.
void Form::on_key(int vk, KeyAction a)
{
    if (a != KeyAction::Down) {
        if (focused_ && focused_->on_key_release)
            focused_->on_key_release(vk);
        else if (hovered_ && hovered_->on_key_release)
            hovered_->on_key_release(vk);
        return;
    }
    if (focused_ && focused_->on_key)
        focused_->on_key(vk);
    else if (hovered_ && hovered_->on_key)
        hovered_->on_key(vk);
}

void Form::on_char(std::string_view text)
{
    if (auto* edit = dynamic_cast<Edit*>(focused_))
        edit->type(text);
}

void Form::on_close_request() { close(); }

void Form::on_title_changed() { notify_cell_changed(nullptr); }

// A list view's rows over its background, each with its icon, clipped to the view.
void Form::add_list_view_rows(const ListView& view, std::vector<PaintItem>& items) const
{
    const Rect area = view.bounds();
    for (std::size_t i = 0; i < view.count(); ++i) {
        const int top = area.top + static_cast<int>(i) * ListView::kRowHeight;
        if (top + ListView::kRowHeight > area.bottom)
            break;
        const bool selected = static_cast<int>(i) == view.item_index();
        PaintItem row{Rect::from_size(area.left, top, area.width(), ListView::kRowHeight), view.items()[i].caption,
                      selected ? 0x00C56A31u : view.color(), selected ? 0x00FFFFFFu : view.font_color()};
        row.icon = view.image(view.items()[i].image);
        items.push_back(std::move(row));
    }
}

void Form::on_tray_message(std::uint32_t mouse_message)
{
    if (on_tray)
        on_tray(mouse_message);
}

void Form::on_hot_key(int id)
{
    if (on_hot)
        on_hot(id);
}

// Visible controls with a size, in registration order (later ones on top). Web
// views draw themselves; a list box shows its items one per line.
std::vector<PaintItem> Form::paint_items() const
{
    std::vector<PaintItem> items;
    for (const Control* c : controls_) {
        if (!c->visible() || c->width() <= 0 || c->height() <= 0 || c->kind() == ControlKind::WebView)
            continue;
        PaintItem item{c->bounds(), c->text(), c->color(), c->font_color()};
        item.strike_out = c->strike_out();
        if (auto* edit = dynamic_cast<const Edit*>(c); edit && edit->password())
            item.text.assign(c->text().size(), '*');
        if (auto* box = dynamic_cast<const Check*>(c); box && c->kind() != ControlKind::MenuItem) {
            // A check box or radio button shows its tick before its caption.
            const bool radio = c->kind() == ControlKind::RadioButton;
            item.text = std::string(box->checked() ? (radio ? "(●) " : "[√] ") : (radio ? "( ) " : "[ ] ")) + c->text();
        }
        if (auto* list = dynamic_cast<const ListBox*>(c)) {
            item.text.clear();
            for (const std::string& line : list->items())
                item.text += line + "\n";
        } else if (auto* picture = dynamic_cast<const Image*>(c)) {
            const Image::Pixel p = picture->pixel(picture->picture_width() / 2, picture->picture_height() / 2);
            item.color = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
        }
        items.push_back(std::move(item));
        if (auto* view = dynamic_cast<const ListView*>(c))
            add_list_view_rows(*view, items);
    }
    if (dpi_ != 96)
        for (PaintItem& item : items) {
            item.rect = Rect{item.rect.left * dpi_ / 96, item.rect.top * dpi_ / 96, item.rect.right * dpi_ / 96,
                             item.rect.bottom * dpi_ / 96};
            item.font_height = item.font_height * dpi_ / 96;
        }
    return items;
}

Timer::Timer(Form& owner, std::string name, int interval_ms, bool enabled)
    : owner_(owner), name_(std::move(name)), interval_ms_(interval_ms)
{
    owner_.register_timer(this);
    set_enabled(enabled);
}

Timer::~Timer()
{
    set_enabled(false);
    std::erase(owner_.timers_, this);
}

void Timer::set_enabled(bool enabled)
{
    if (enabled == (id_ != 0))
        return;
    if (enabled) {
        id_ = owner_.platform().start_timer(interval_ms_, [this] { fire(); });
    } else {
        owner_.platform().stop_timer(id_);
        id_ = 0;
    }
}

void Timer::set_interval(int ms)
{
    interval_ms_ = ms;
    if (enabled()) {
        set_enabled(false);
        set_enabled(true);
    }
}

void Timer::fire()
{
    if (!on_timer)
        return;
    try {
        on_timer();
    } catch (...) {
        // A failing handler ends its tick; the next tick runs normally.
    }
}

} // namespace tv::ui
