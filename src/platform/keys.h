// Virtual-key codes, as Windows numbers them. The one list every part of the
// program uses: the hook's tokenizer, the synthetic input, the key tests of the
// behaviours and the simulated desktop.
#pragma once

namespace tv::vk {

inline constexpr int kLButton = 1, kRButton = 2, kMButton = 4;
inline constexpr int kBack = 8, kEnter = 13;
inline constexpr int kShift = 16, kCtrl = 17, kAlt = 18, kCapsLock = 20, kEscape = 27, kSpace = 32;
inline constexpr int kPageUp = 0x21, kPageDown = 0x22;
inline constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
inline constexpr int kDelete = 46;
inline constexpr int kLWin = 91, kRWin = 92;
inline constexpr int kNumLock = 144, kScrollLock = 145;
inline constexpr int kLShift = 160, kRShift = 161, kLCtrl = 162, kRCtrl = 163, kLAlt = 164, kRAlt = 165;
inline constexpr int kSemicolon = 186;
inline constexpr int kLetterD = 68;
inline constexpr int kF1 = 0x70, kF2 = 0x71, kF3 = 0x72, kF4 = 0x73;

} // namespace tv::vk
