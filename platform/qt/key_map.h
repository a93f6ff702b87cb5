// Turns Qt's keys into the game's key codes (Windows virtual-key numbers)
// and applies the one rule for held keys: every press counts, auto-repeated
// ones too, but a key comes up only once.
#pragma once

#include <Qt>

namespace platform::qt {

// The game's code for a Qt key, or -1 for a key the game has no code for.
// Keys of the numeric keypad give the keypad digits whatever the Num Lock,
// as the labels on the keys say.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

enum class KeyAction { None, Down, Up };

// What a key event means for the game: auto-repeated releases are dropped.
KeyAction keyAction(bool press, bool autoRepeat);

}  // namespace platform::qt
