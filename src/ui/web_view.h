// A web view control: the platform's embeddable browser inside a form.
//
// Its text is the address last navigated to or, after write_document, the
// document written. When the platform cannot create the control (under Wine
// without its HTML engine, for example) the view stays empty, the calls do
// nothing and nothing else fails.
#pragma once

#include "ui/control.h"

#include <functional>

namespace tv::ui {

class WebView : public Control, private WebViewEvents {
public:
    WebView(Form& f, std::string name);
    ~WebView() override;

    bool created() const { return id_ != 0; }
    void navigate(std::string_view url);
    void write_document(std::string_view html);
    void go_back();
    void go_forward();
    void stop();
    void refresh();
    // Follows the control's bounds (set_bounds) on the platform.
    void sync_bounds();

    // The control's events, named as the control names them; `cancel`
    // refuses a new window or a navigation.
    std::function<void(bool& cancel)> NewWindow2;
    std::function<void(std::string_view title)> TitleChange;
    std::function<void(std::string_view text)> StatusTextChange;
    std::function<void()> DownloadComplete;
    std::function<void(std::string_view url)> DocumentComplete;
    std::function<void(std::string_view url, bool& cancel)> BeforeNavigate2;
    std::function<void(std::string_view url)> NavigateComplete2;
    // A new-window request that may hand over a view of the program's own
    // (`target`); when set it replaces NewWindow2.
    std::function<void(bool& cancel, WebViewId& target)> NewWindowInto;

    // The platform view (0 before it is made or when it cannot be made) and
    // the address it shows.
    WebViewId id() const { return id_; }
    std::string location() const;

    // What the view last showed: for the sim and the diagnostics.
    const std::string& document() const { return document_; }

private:
    void on_new_window(bool& cancel) override;
    void on_title_change(std::string_view) override;
    void on_status_text_change(std::string_view) override;
    void on_download_complete() override;
    void on_document_complete(std::string_view) override;
    void on_before_navigate(std::string_view, bool& cancel) override;
    void on_navigate_complete(std::string_view) override;
    void on_new_window_into(bool& cancel, WebViewId& target) override;
    void ensure_created();

    WebViewId id_ = 0;
    bool tried_ = false;
    std::string document_;
};

} // namespace tv::ui
