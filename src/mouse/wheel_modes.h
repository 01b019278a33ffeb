// The four wheel modes: their names in the mode cell, their tokens for the
// status form and the hints that tell the user what the wheel and the right
// button do in each. Shared by the mode engine, which selects a mode, and the
// wheel dispatch, which acts on one notch by the mode cell.
#pragma once

#include "platform/platform.h"

#include <optional>
#include <string_view>

namespace tv::wheel {

// Moving left selects the task wheel, right the normal wheel, up the auto
// wheel, down the quick wheel.
enum class Mode { Task, Normal, Auto, Quick };

// The mode cell (`lifeform.Label1`).
inline constexpr std::string_view kTaskName = "任务滚轮";
inline constexpr std::string_view kNormalName = "正常滚轮";
inline constexpr std::string_view kAutoName = "自动滚轮";
inline constexpr std::string_view kQuickName = "快速滚轮";

std::string_view name_of(Mode);
// The mode the cell names; none for the values a right-button action leaves
// ("ok自动滚轮", "ok滚轮"), which keep the wheel off until the next selection.
std::optional<Mode> mode_named(std::string_view mode_cell);

// The mode token in the caption of `lifeform`.
std::string_view token_of(Mode);

// The caption of `inputmode`: whether the hook leaves the right button to the
// wheel mode or to the application.
inline constexpr std::string_view kRightToMode = "myright";
inline constexpr std::string_view kRightToApplication = "xx myright";

// The hints of one mode. Where the table gives two button texts, the first is
// shown while the quick right button (`FormMain.N2qq`) is ticked, the second
// ("Ctrl＝") while it is not.
struct Hints {
    std::string_view up;
    std::string_view down;
    std::string_view right_quick;
    std::string_view right_ctrl;
    std::string_view wheel_line;       // line 11 of the hint template
    std::string_view button_line_quick; // line 13
    std::string_view button_line_ctrl;
};

// Which window is in front decides the hints: the sibling browser has its own.
enum class InFront { OtherWindow, SiblingBrowser };

// The hints of a mode; the normal wheel has one row for every window.
const Hints& hints_of(Mode, InFront);

// Virtual keys the wheel sends.
inline constexpr int kPageUp = 0x21, kPageDown = 0x22, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

// A window lies within another when it is that window or one of its
// descendants. The program's own forms draw their controls themselves, so the
// window under the pointer on one of them is the form itself.
bool lies_within(const Platform&, Hwnd window, Hwnd outer);

} // namespace tv::wheel
