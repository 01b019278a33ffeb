// Forms: top-level windows of the program, with named controls and timers.
//
// A form's caption is its real window title (the input hook and the sibling
// browser read and write it), so caption() always asks the platform. Its
// position is the window's rectangle: a left edge of -2000 (parked) counts as
// hidden for every test of a left edge.
#pragma once

#include "platform/platform.h"
#include "ui/control.h"

#include <functional>
#include <string>
#include <vector>

namespace tv::ui {

class Form;

// Told of every cell change: a caption (control null) or a control's text or items.
class CellObserver {
public:
    virtual ~CellObserver() = default;
    virtual void cell_changed(const Form&, const Control* control) = 0;
};

class Timer;

struct FormSpec {
    std::string name;       // global name: "pyoil"
    std::string class_name; // window class: "Tpyoil"
    std::string caption;
    Rect rect;
    Visibility visibility = Visibility::Hidden;
    Topmost topmost = Topmost::No;
    std::uint32_t ex_style = 0;
    std::uint32_t style = 0; // 0: the usual borderless pop-up
};

class Form : public WindowEvents {
public:
    Form(Platform&, const FormSpec&, CellObserver* = nullptr);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() override;

    Platform& platform() const { return platform_; }
    Hwnd hwnd() const { return hwnd_; }
    const std::string& name() const { return name_; }
    const std::string& class_name() const { return class_name_; }

    std::string caption() const;
    void set_caption(std::string_view);

    Rect bounds() const;
    int left() const { return bounds().left; }
    int top() const { return bounds().top; }
    int width() const { return bounds().width(); }
    int height() const { return bounds().height(); }
    void set_bounds(int left, int top, int width, int height);
    void set_left(int left);
    void set_top(int top);
    void set_width(int width);
    void set_height(int height);

    // The DPI of the monitor the form was last opened on. Controls keep their
    // layout at 96 DPI: the form scales them when it draws and hit-tests.
    int dpi() const { return dpi_; }
    void set_dpi(int dpi) { dpi_ = dpi > 0 ? dpi : 96; }
    // A point of the layout (96 DPI, client coordinates) on the screen.
    Point screen_point(Point layout) const;

    bool visible() const;
    void show();
    void hide();
    void set_topmost(Topmost);

    // Close: runs on_close; the roster decides what closing the main form means.
    void close();
    std::function<void()> on_close;
    // Every pointer move over the form, after its controls saw it.
    std::function<void(Point)> on_pointer_moved;
    // A button pressed on the form's own body, where no control lies.
    std::function<void(MouseButton)> on_body_press;
    // A mouse event on the form's notification-area icon (514 left up, 517 right up).
    std::function<void(std::uint32_t mouse_message)> on_tray;
    // A hot key the form registered was pressed (Platform::register_hot_key).
    std::function<void(int id)> on_hot;

    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(std::string_view name) const;
    // The visible control at a client point (the topmost of overlapping ones), or none.
    Control* control_at(Point) const;
    // Where the pointer was, in client coordinates, at the last move or button message.
    Point pointer() const { return pointer_; }
    const std::vector<Timer*>& timers() const { return timers_; }

    void notify_cell_changed(const Control*) const;

    // The control typed characters go to (an edit box), or none.
    void focus(Control* c) { focused_ = c; }
    Control* focused() const { return focused_; }

    // The application's message filter sees every button message of the form
    // first; when it answers true the message is handled and no control sees it.
    using MessageFilter = std::function<bool(MouseButton, ButtonAction)>;
    void set_message_filter(MessageFilter filter) { message_filter_ = std::move(filter); }

    // WindowEvents: the form hit-tests its controls.
    void on_mouse_move(Point) override;
    void on_mouse_leave() override;
    void on_button(MouseButton, ButtonAction, Point) override;
    void on_key(int vk, KeyAction) override;
    void on_char(std::string_view text) override;
    void on_close_request() override;
    void on_title_changed() override;
    std::vector<PaintItem> paint_items() const override;
    void on_tray_message(std::uint32_t mouse_message) override;
    void on_hot_key(int id) override;

private:
    friend class Control;
    friend class Timer;
    void register_control(Control* c) { controls_.push_back(c); }
    void register_timer(Timer* t) { timers_.push_back(t); }
    void add_list_view_rows(const ListView&, std::vector<PaintItem>&) const;

    Platform& platform_;
    CellObserver* observer_;
    std::string name_;
    std::string class_name_;
    Hwnd hwnd_ = 0;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    Control* hovered_ = nullptr;
    Control* pressed_ = nullptr;
    Control* focused_ = nullptr;
    Point pointer_;
    MessageFilter message_filter_;
    int dpi_ = 96;

    Point to_layout(Point client) const;
};

// A form's periodic timer. Its handler, bound once when the form is created,
// runs on the UI thread; an error inside the handler ends that tick only.
class Timer {
public:
    Timer(Form& owner, std::string name, int interval_ms, bool enabled);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    const std::string& name() const { return name_; }
    int interval() const { return interval_ms_; }
    bool enabled() const { return id_ != 0; }
    void set_enabled(bool);
    void set_interval(int ms);

    std::function<void()> on_timer;

private:
    void fire();

    Form& owner_;
    std::string name_;
    int interval_ms_;
    TimerId id_ = 0;
};

} // namespace tv::ui
