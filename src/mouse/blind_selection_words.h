// The blind selection's fixed words and the small tests its rules share.
#pragma once

#include "platform/cp936_cut.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tv::blind {

// The input method whose composition the selection keys drive.
inline constexpr std::string_view kPinyin = "微软拼音";
// The input-method name when the layout in front is not an input method.
inline constexpr std::string_view kEnglishName = "英文输入法";
inline constexpr std::string_view kInputMethodWord = "输入法";
inline constexpr std::string_view kEnglishWord = "英文";
// `kxm.Panel1`: an input method is active, or not.
inline constexpr std::string_view kSelectionOn = "close";
inline constexpr std::string_view kSelectionOff = "open";
// The status window of the Unispim input method.
inline constexpr std::string_view kUnispimStatusClass = "UNISPIM_STATUSCLS";
// The main form's key map (`pyoil.Label5`): the home row, and the upper row
// while the selection is latched.
inline constexpr std::string_view kMainMapHomeRow =
    "A=1 S=2 D=3 F=4 G=5      H=回删 J=下页 U=上页 N=返回 L＝← ;＝→ <Caps>2次=切换";
inline constexpr std::string_view kMainMapUpperRow =
    "Q=6 W=7 E=8 R=9 T=0    H=回删 J=下页 U=上页 N=返回 L＝← ;＝→ <Caps>2次=切换";

// The anchor inside the composition window, from its top-left corner.
inline constexpr int kAnchorDx = 15;
inline constexpr int kAnchorDy = 35;
// The main form while a selection shows: hidden at this place and size.
inline constexpr int kHiddenLeft = -2000;
inline constexpr int kBarWidth = 610;
inline constexpr int kBarHeight = 76;
// A main form taller than this is the large one.
inline constexpr int kTallMainForm = 200;
// An input method's description is cut to this many bytes.
inline constexpr std::size_t kDescriptionBytes = 255;

// An input method is active: its name is not the English one and says "输入法".
inline bool input_method_active(std::string_view name)
{
    return name != kEnglishName && name.find(kInputMethodWord) != std::string_view::npos;
}

// The identification's item names an input method, not the English keyboard.
inline bool names_input_method(std::string_view item)
{
    return item.find(kInputMethodWord) != std::string_view::npos && item.find(kEnglishWord) == std::string_view::npos;
}

// Characters 6 and 7 of a keyboard-event token read as a two-digit key code
// ("key--65" is 65, "key--186" is 18); none when they are not two digits.
inline std::optional<int> key_code(std::string_view token)
{
    if (token.size() < 7)
        return std::nullopt;
    const char a = token[5], b = token[6];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return std::nullopt;
    return (a - '0') * 10 + (b - '0');
}

// At most `limit` bytes, never half a double-byte character.
inline std::string cut_bytes(std::string_view text, std::size_t limit)
{
    return cut_whole_characters(text, limit);
}

} // namespace tv::blind
