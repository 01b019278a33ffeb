#include "ui/web_view.h"

#include "ui/form.h"

namespace tv::ui {

WebView::WebView(Form& f, std::string name) : Control(f, std::move(name), ControlKind::WebView) {}

WebView::~WebView()
{
    if (id_)
        form().platform().destroy_web_view(id_);
}

// The platform control is made on first use, once the form's window exists.
void WebView::ensure_created()
{
    if (tried_)
        return;
    tried_ = true;
    id_ = form().platform().create_web_view(form().hwnd(), bounds(), this);
}

void WebView::navigate(std::string_view url)
{
    ensure_created();
    document_.assign(url);
    set_text(url);
    form().platform().navigate(id_, url);
}

void WebView::write_document(std::string_view html)
{
    ensure_created();
    document_.assign(html);
    set_text(html);
    form().platform().write_document(id_, html);
}

void WebView::go_back() { form().platform().web_command(id_, WebCommand::Back); }
void WebView::go_forward() { form().platform().web_command(id_, WebCommand::Forward); }
void WebView::stop() { form().platform().web_command(id_, WebCommand::Stop); }
void WebView::refresh() { form().platform().web_command(id_, WebCommand::Refresh); }

void WebView::sync_bounds()
{
    ensure_created();
    form().platform().set_web_view_rect(id_, bounds());
}

void WebView::on_new_window(bool& cancel)
{
    if (NewWindow2)
        NewWindow2(cancel);
}

void WebView::on_new_window_into(bool& cancel, WebViewId& target)
{
    if (NewWindowInto)
        NewWindowInto(cancel, target);
    else
        on_new_window(cancel);
}

std::string WebView::location() const { return form().platform().web_location(id_); }

void WebView::on_title_change(std::string_view title)
{
    if (TitleChange)
        TitleChange(title);
}

void WebView::on_status_text_change(std::string_view text)
{
    if (StatusTextChange)
        StatusTextChange(text);
}

void WebView::on_download_complete()
{
    if (DownloadComplete)
        DownloadComplete();
}

void WebView::on_document_complete(std::string_view url)
{
    if (DocumentComplete)
        DocumentComplete(url);
}

void WebView::on_before_navigate(std::string_view url, bool& cancel)
{
    if (BeforeNavigate2)
        BeforeNavigate2(url, cancel);
}

void WebView::on_navigate_complete(std::string_view url)
{
    if (NavigateComplete2)
        NavigateComplete2(url);
}

} // namespace tv::ui
