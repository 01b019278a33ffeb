// The hosted web-browser controls and the desktop toolbars of the Win32 backend.
//
// Each web view is the system's WebBrowser control, in-place active inside a
// child window of its form, hosted by a site of our own (win32_web_view.cpp).
// The OLE session of the UI thread starts with the first view and ends with the
// backend. Desktop toolbars (win32_app_bar.cpp) are registered with the shell
// once per window and removed at the latest when the backend ends.
#pragma once

#include "platform/platform.h"
#include "platform/win32/com_ref.h"

#include <windows.h>

#include <map>
#include <optional>
#include <set>

namespace tv::win32 {

class BrowserSite;

class WebViewHosts {
public:
    WebViewHosts() = default;
    ~WebViewHosts();
    WebViewHosts(const WebViewHosts&) = delete;
    WebViewHosts& operator=(const WebViewHosts&) = delete;

    // 0 when the control cannot be made; no window is left behind then.
    WebViewId create(HWND parent, const Rect& client, WebViewEvents*);
    void destroy(WebViewId);
    // A reference that keeps the site alive while a call into it runs, even
    // when a handler of its events destroys the view; empty for unknown ids.
    ComRef<BrowserSite> find(WebViewId) const;

private:
    bool start_ole();
    bool html_engine_present();
    bool register_container_class();

    std::map<WebViewId, BrowserSite*> sites_; // each holds one reference
    WebViewId last_id_ = 0;
    std::optional<bool> ole_ready_;
    bool ole_started_ = false;
    std::optional<bool> html_engine_;
    bool container_class_ = false;
};

class AppBars {
public:
    AppBars() = default;
    ~AppBars();
    AppBars(const AppBars&) = delete;
    AppBars& operator=(const AppBars&) = delete;

    bool add(HWND, UINT callback_message);
    // The rectangle the shell reserved; nullopt for a window not registered.
    std::optional<Rect> place(HWND, AppBarEdge, const Rect&);
    void remove(HWND);

private:
    std::set<HWND> registered_;
};

} // namespace tv::win32
