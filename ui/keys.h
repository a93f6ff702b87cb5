// Key codes: Windows virtual-key numbers, which is what every key event of
// the game carries whatever the desktop.
#pragma once

namespace ui::vk {

// Editing and control keys.
constexpr int kBack = 8, kTab = 9, kReturn = 13, kShift = 16, kControl = 17, kMenu = 18 /* Alt */,
              kPause = 19, kEscape = 27;
// The space bar, the block above the arrows, and the arrows.
constexpr int kSpace = 32, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36, kInsert = 45,
              kDelete = 46;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
// '0' to '9' are 48 to 57, 'A' to 'Z' 65 to 90, F1 to F12 112 to 123.
constexpr int k0 = 48, kA = 65, kF1 = 112;
// The keypad: its digits 0 to 9 are 96 to 105, then its signs.
constexpr int kNumpad0 = 96, kMultiply = 106, kAdd = 107, kSubtract = 109, kDecimal = 110,
              kDivide = 111;

constexpr int letter(char c) { return kA + (c - 'A'); }
constexpr int numpad(int digit) { return kNumpad0 + digit; }

}  // namespace ui::vk
