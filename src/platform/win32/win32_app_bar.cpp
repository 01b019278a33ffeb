// Desktop toolbars: a window registered with the shell, docked to an edge of
// the screen so that other windows keep clear of the space it reserves.
#include "platform/win32/win32_platform.h"

#include "platform/app_bar.h"
#include "platform/win32/win32_web_view.h"

#include <shellapi.h>

namespace tv::win32 {
namespace {

UINT edge_code(AppBarEdge edge)
{
    switch (edge) {
    case AppBarEdge::Left: return ABE_LEFT;
    case AppBarEdge::Top: return ABE_TOP;
    case AppBarEdge::Right: return ABE_RIGHT;
    case AppBarEdge::Bottom: return ABE_BOTTOM;
    }
    return ABE_TOP;
}

APPBARDATA bar_data(HWND w)
{
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = w;
    return data;
}

// The shell may move a proposed rectangle off other toolbars; the bar keeps
// its thickness from the docked edge the shell settled on.
RECT keep_thickness(AppBarEdge edge, const Rect& wanted, RECT proposed)
{
    switch (edge) {
    case AppBarEdge::Top: proposed.bottom = proposed.top + wanted.height(); break;
    case AppBarEdge::Bottom: proposed.top = proposed.bottom - wanted.height(); break;
    case AppBarEdge::Left: proposed.right = proposed.left + wanted.width(); break;
    case AppBarEdge::Right: proposed.left = proposed.right - wanted.width(); break;
    }
    return proposed;
}

} // namespace

AppBars::~AppBars()
{
    for (HWND w : registered_) {
        APPBARDATA data = bar_data(w);
        SHAppBarMessage(ABM_REMOVE, &data);
    }
}

bool AppBars::add(HWND w, UINT callback_message)
{
    if (!w || !IsWindow(w))
        return false;
    if (registered_.count(w))
        return true;
    APPBARDATA data = bar_data(w);
    data.uCallbackMessage = callback_message;
    if (!SHAppBarMessage(ABM_NEW, &data))
        return false;
    registered_.insert(w);
    return true;
}

std::optional<Rect> AppBars::place(HWND w, AppBarEdge edge, const Rect& r)
{
    if (!registered_.count(w) || !IsWindow(w))
        return std::nullopt;
    APPBARDATA data = bar_data(w);
    data.uEdge = edge_code(edge);
    data.rc = RECT{r.left, r.top, r.right, r.bottom};
    if (SHAppBarMessage(ABM_QUERYPOS, &data))
        data.rc = keep_thickness(edge, r, data.rc);
    else
        data.rc = RECT{r.left, r.top, r.right, r.bottom};
    if (!SHAppBarMessage(ABM_SETPOS, &data))
        return std::nullopt;
    return Rect{data.rc.left, data.rc.top, data.rc.right, data.rc.bottom};
}

void AppBars::remove(HWND w)
{
    if (!registered_.erase(w))
        return;
    APPBARDATA data = bar_data(w);
    SHAppBarMessage(ABM_REMOVE, &data);
}

// ---- Win32Platform ----

bool Win32Platform::register_app_bar(Hwnd h, std::uint32_t callback_message)
{
    return app_bars_.add(reinterpret_cast<HWND>(h), callback_message);
}

void Win32Platform::place_app_bar(Hwnd h, AppBarEdge edge, const Rect& r)
{
    const std::optional<Rect> reserved = app_bars_.place(reinterpret_cast<HWND>(h), edge, r);
    if (!reserved)
        return;
    const Rect now = window_rect(h);
    set_window_rect(h, app_bar_window_rect(edge, *reserved, {now.width(), now.height()}));
}

void Win32Platform::remove_app_bar(Hwnd h) { app_bars_.remove(reinterpret_cast<HWND>(h)); }

} // namespace tv::win32
