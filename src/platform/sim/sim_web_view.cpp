// SimDesktop: web views, recorded; a test fires their events.
#include "platform/sim/sim_desktop.h"

namespace tv::sim {

WebViewId SimDesktop::create_web_view(Hwnd parent_window, const Rect& client, WebViewEvents* events)
{
    if (!web_views_available_ || !find(parent_window))
        return 0;
    const WebViewId id = next_web_view_++;
    web_views_[id] = SimWebView{parent_window, client, {}, {}, {}, true, {}};
    web_view_events_[id] = events;
    return id;
}

SimWebView* SimDesktop::live_web_view(WebViewId id)
{
    auto it = web_views_.find(id);
    return it != web_views_.end() && it->second.alive ? &it->second : nullptr;
}

WebViewEvents* SimDesktop::web_view_events(WebViewId id) const
{
    auto it = web_view_events_.find(id);
    return it == web_view_events_.end() ? nullptr : it->second;
}

const SimWebView* SimDesktop::web_view(WebViewId id) const
{
    auto it = web_views_.find(id);
    return it == web_views_.end() ? nullptr : &it->second;
}

void SimDesktop::destroy_web_view(WebViewId id)
{
    if (SimWebView* view = live_web_view(id))
        view->alive = false;
    web_view_events_.erase(id);
}

void SimDesktop::end_web_views_of(Hwnd parent_window)
{
    for (auto& [id, view] : web_views_) {
        if (view.parent == parent_window)
            destroy_web_view(id);
    }
}

void SimDesktop::set_web_view_rect(WebViewId id, const Rect& client)
{
    if (SimWebView* view = live_web_view(id))
        view->rect = client;
}

void SimDesktop::navigate(WebViewId id, std::string_view url)
{
    if (SimWebView* view = live_web_view(id))
        view->navigations.emplace_back(url);
}

void SimDesktop::write_document(WebViewId id, std::string_view html)
{
    if (SimWebView* view = live_web_view(id))
        view->document.assign(html);
}

void SimDesktop::web_command(WebViewId id, WebCommand command)
{
    if (SimWebView* view = live_web_view(id))
        view->commands.push_back(command);
}

bool SimDesktop::fire_new_window(WebViewId id) { return fire_new_window_into(id).cancel; }

SimNewWindow SimDesktop::fire_new_window_into(WebViewId id)
{
    SimNewWindow request;
    if (WebViewEvents* events = web_view_events(id))
        events->on_new_window_into(request.cancel, request.target);
    if (request.cancel)
        request.target = 0;
    return request;
}

void SimDesktop::fire_window_set_size(WebViewId id, int width, int height)
{
    if (WebViewEvents* events = web_view_events(id)) {
        events->on_window_set_width(width);
        if (web_view_events(id) == events)
            events->on_window_set_height(height);
    }
}

std::string SimDesktop::web_location(WebViewId id) const
{
    const SimWebView* view = web_view(id);
    return view && view->alive ? view->location : std::string();
}

void SimDesktop::fire_title_change(WebViewId id, std::string_view title)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_title_change(title);
}

void SimDesktop::fire_status_text(WebViewId id, std::string_view text)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_status_text_change(text);
}

void SimDesktop::fire_download_complete(WebViewId id)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_download_complete();
}

void SimDesktop::fire_document_complete(WebViewId id, std::string_view url)
{
    if (WebViewEvents* events = web_view_events(id))
        events->on_document_complete(url);
}

bool SimDesktop::fire_before_navigate(WebViewId id, std::string_view url)
{
    bool cancel = false;
    if (WebViewEvents* events = web_view_events(id))
        events->on_before_navigate(url, cancel);
    return cancel;
}

void SimDesktop::fire_navigate_complete(WebViewId id, std::string_view url)
{
    if (SimWebView* view = live_web_view(id))
        view->location.assign(url);
    if (WebViewEvents* events = web_view_events(id))
        events->on_navigate_complete(url);
}

} // namespace tv::sim
