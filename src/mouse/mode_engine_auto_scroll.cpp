// Automatic scrolling at the end of every mode-engine tick: the stop tests,
// the page-end probe of the sibling browser and the completion of a pending
// wheel scroll. Starting a scroll is auto_scroll.cpp.
#include "mouse/mode_engine.h"

#include "board/lifeform.h"
#include "board/ombrel.h"
#include "board/places.h"
#include "board/regform.h"
#include "board/vykform3.h"
#include "core/auto_scroll.h"
#include "core/cell.h"
#include "core/sibling_channel.h"
#include "platform/keys.h"

#include <array>
#include <string>

namespace tv {
namespace {

// The probe reads four pixels in a column 12 pixels inside the right screen
// edge, where the sibling browser's vertical scroll bar runs.
constexpr int kProbeInsetRight = 12;
constexpr int kProbeRows = 4;
// The probed row lies this far plus one scroll-bar arrow above the sibling's
// bottom edge, or this far above the screen's bottom without the sibling.
constexpr int kProbeAboveSiblingBottom = 90;
constexpr int kProbeAboveScreenBottom = 100;

constexpr std::string_view kPageEnd = "end--";
constexpr std::string_view kNotPageEnd = "not end--";
constexpr std::string_view kPageEndTaken = "okend--";
constexpr std::string_view kSiblingScrolls = "autotv";
constexpr std::string_view kSiblingScrollStopped = "xx auto";
constexpr std::string_view kPendingTaken = "qq ystop--";
constexpr int kPendingFocusFromX = 2;

} // namespace

void ModeEngine::auto_scroll_stop_tests()
{
    if (platform_.key_down(vk::kLButton) && auto_scroll_running(app_))
        end_auto_scroll(app_);
    if (platform_.key_down(vk::kLButton) && platform_.key_down(vk::kMButton))
        platform_.send_mouse(MouseInput::MiddleUp);
    probe_page_end();
}

int ModeEngine::page_end_row() const
{
    const Hwnd sibling = platform_.find_window(sibling::kFrameClass);
    if (!sibling)
        return platform_.screen_size().height - kProbeAboveScreenBottom;
    return platform_.window_rect(sibling).bottom - (kProbeAboveSiblingBottom + scroll_arrow_height_);
}

// Four equal pixels mean the scroll bar's track has ended: the page's end.
// A pixel that cannot be read counts as not the end. The cell is written only
// when the answer changes, and the sibling's own scrolling stops at the end.
void ModeEngine::probe_page_end()
{
    const int x = platform_.screen_size().width - kProbeInsetRight;
    const int y = page_end_row();
    const std::vector<std::optional<std::uint32_t>> pixels = platform_.screen_column({x, y}, kProbeRows);
    bool at_end = pixels[0].has_value();
    for (const std::optional<std::uint32_t>& pixel : pixels)
        at_end = at_end && pixel == pixels[0];
    ui::Panel& probe = app_.lifeform().Panel35;
    const std::string_view answer = at_end ? kPageEnd : kNotPageEnd;
    if (!cell::starts_with(probe.text(), answer))
        probe.set_text(std::string(answer) + std::to_string(y));
    Tregform& channel = app_.regform();
    if (!cell::starts_with(probe.text(), kPageEnd) || channel.caption() != kSiblingScrolls)
        return;
    channel.set_caption(kSiblingScrollStopped);
    probe.set_text(kPageEndTaken);
    platform_.send_mouse(MouseInput::MiddleUp);
    end_auto_scroll(app_);
}

bool ModeEngine::complete_pending_wheel_scroll()
{
    Tombrel& browser = app_.ombrel();
    PendingWheelScroll& pending = browser.pending_wheel_scroll;
    if (!pending.set || !platform_.key_down(vk::kLButton))
        return false;
    app_.vykForm3().set_caption(kPendingTaken);
    pending.set = false;
    if (pending.at.x > kPendingFocusFromX && left_shows(browser))
        browser.wfocus.click();
    return true;
}

} // namespace tv
