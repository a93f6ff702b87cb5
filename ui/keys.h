// Key codes: Windows virtual-key numbers, which is what every key event of
// the game carries whatever the desktop.
#pragma once

namespace ui::vk {

constexpr int kBack = 8;
constexpr int kTab = 9;
constexpr int kReturn = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kMenu = 18;  // Alt
constexpr int kPause = 19;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int k0 = 48;        // '0' to '9' are 48 to 57
constexpr int kA = 65;        // 'A' to 'Z' are 65 to 90
constexpr int kNumpad0 = 96;  // keypad 0 to 9 are 96 to 105
constexpr int kMultiply = 106;
constexpr int kAdd = 107;
constexpr int kSubtract = 109;
constexpr int kDecimal = 110;
constexpr int kDivide = 111;
constexpr int kF1 = 112;  // F1 to F12 are 112 to 123

constexpr int letter(char c) { return kA + (c - 'A'); }
constexpr int numpad(int digit) { return kNumpad0 + digit; }

}  // namespace ui::vk
