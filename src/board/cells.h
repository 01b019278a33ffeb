// The values written into cells that several behaviours share. A cell is a
// form's caption or a control's text; these are its fixed words and the line
// numbers of the two list cells many parts read (the hint template and the
// settings list). Which control holds which cell, and who writes and reads it,
// is told beside the control in the form's header in this folder.
#pragma once

#include "hook/hook_contract.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tv::wheel {

// Moving left selects the task wheel, right the normal wheel, up the auto
// wheel, down the quick wheel.
enum class Mode { Task, Normal, Auto, Quick };

// The mode cell (`lifeform.Label1`): written by the mode engine, read by the
// wheel dispatch and the status timer.
inline constexpr std::string_view kTaskName = "任务滚轮";
inline constexpr std::string_view kNormalName = "正常滚轮";
inline constexpr std::string_view kAutoName = "自动滚轮";
inline constexpr std::string_view kQuickName = "快速滚轮";

inline constexpr std::string_view name_of(Mode m)
{
    switch (m) {
    case Mode::Task: return kTaskName;
    case Mode::Normal: return kNormalName;
    case Mode::Auto: return kAutoName;
    case Mode::Quick: return kQuickName;
    }
    return kNormalName;
}

// The mode the cell names; none for the values a right-button action leaves
// ("ok自动滚轮", "ok滚轮"), which keep the wheel off until the next selection.
inline constexpr std::optional<Mode> mode_named(std::string_view mode_cell)
{
    for (Mode m : {Mode::Task, Mode::Normal, Mode::Auto, Mode::Quick})
        if (mode_cell == name_of(m))
            return m;
    return std::nullopt;
}

// The mode token in the caption of `lifeform`, for the sibling browser.
inline constexpr std::string_view token_of(Mode m)
{
    switch (m) {
    case Mode::Task: return "mywheeltask";
    case Mode::Normal: return "mywheel0";
    case Mode::Auto: return "mywheelslow";
    case Mode::Quick: return "mywheelquick";
    }
    return "mywheel0";
}

// The caption of `inputmode`: whether the hook leaves the right button to the
// wheel mode or to the application (the hook's contract reads it).
inline constexpr std::string_view kRightToMode = hook::kRightButtonOwned;
inline constexpr std::string_view kRightToApplication = hook::kRightButtonToApplication;

} // namespace tv::wheel

namespace tv::token {

// The mouse-event cell (the caption of `vykForm3`), written by the input hook.
inline constexpr std::string_view kWheelNotch = "ystop wheel="; // then "///" up or "..." down
inline constexpr std::string_view kWheelUp = "///";
inline constexpr long kNotchDirectionAt = 13; // 1-based byte of the direction
inline constexpr std::string_view kButtonDown = "down/";
inline constexpr std::string_view kRightUp = "rightup";
// The escape menu's caption: any release, and the right release.
inline constexpr std::string_view kButtonUp = "buttonup";
inline constexpr std::string_view kRightButtonUp = "rbuttonup";
// The caption of `vykForm4` while an easy drag holds the button for the user.
inline constexpr std::string_view kEasyDragHeld = "down/...down/";
// A notch's token ends with this when the user pressed the middle button since
// the last notch or other button press: an application may be scrolling by it.
inline constexpr std::string_view kNotchAfterMiddlePress = hook::kNotchAfterMiddlePress;
// The Esc latch (the caption of `srfForm`): the hook writes "esc down" on an Esc
// press, the main loop's next tick consumes it ("esc ok").
inline constexpr std::string_view kEscapePressed = hook::kEscapePressed;
inline constexpr std::string_view kEscapeTaken = "esc ok";

} // namespace tv::token

namespace tv::hint {

// The hint bar's template (`lifeform.ListBox5`), one HTML line per item. The
// program writes only the title, the wheel hint and the button hint.
inline constexpr std::size_t kCountLine = 7;
inline constexpr std::size_t kTitleLine = 9;
inline constexpr std::size_t kWheelLine = 11;
inline constexpr std::size_t kButtonLine = 13;
inline constexpr const char* kTemplateFile = "topmess.htm";

} // namespace tv::hint

namespace tv::settings {

// The settings list "发行软件.txt" (`regform.ListBox2` at run time,
// `setform.ListBox1` for editing). Lines are addressed by number, never by key.
inline constexpr const char* kFileName = "发行软件.txt";

// The bytes of a line before its value: a key of four double-byte characters and "--".
inline constexpr std::size_t kKeyBytes = 10;

inline constexpr std::size_t kNavigationLine = 1;  // the navigation page's address (`regform.fx`)
inline constexpr std::size_t kHomeAddressLine = 2; // the home address
inline constexpr std::size_t kTitleLine = 6;       // "发行标题--"
inline constexpr std::size_t kScrollStepLine = 9;  // "滚动偏移--"
inline constexpr std::size_t kStartPageLine = 11;  // "进入窗口--1", "--2", "--3"
inline constexpr std::size_t kBarSizeLine = 12;    // "Skarn种类--1", "--2", "--3"
inline constexpr std::size_t kFirstColourLine = 14;
inline constexpr std::size_t kFirstLabelColourLine = 18; // lines 18 to 21 colour a sample label's text
inline constexpr std::size_t kLastColourLine = 21;
inline constexpr std::size_t kQuickRightLine = 22; // "快速右键--1"
inline constexpr std::size_t kQuickMenuLine = 23;  // "快速菜单--1"
// "搜索地址--" + the search address that search words follow when the default
// browser opens them (no sibling browser); empty or not http(s): a built-in one.
inline constexpr std::size_t kSearchPrefixLine = 27;

} // namespace tv::settings

namespace tv::layouts {

// The installed keyboard layouts the input-method lists look at (the picker
// and the right quick menu), and how a chosen one is activated: KLF_REORDER.
inline constexpr std::size_t kMostExamined = 25;
inline constexpr std::uint32_t kActivateReorder = 8;

} // namespace tv::layouts

namespace tv {

// Whether an automatic scroll runs (`ombrel.auto_scroll`). The scroll commands
// start it, a left click or the page-end probe ends it, and the mode engine
// selects no mode while it runs.
enum class AutoScroll { Idle = 0, Up = 1, Down = 2 };

} // namespace tv
