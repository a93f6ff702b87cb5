// A window's keys on the gamepads: which player's controls press which key.
// Each window that plays with pads declares its table (Window::padBindings);
// the others take none.
#pragma once

#include <initializer_list>
#include <vector>

namespace ui {

// Buttons by their place on the pad: A below, B right, X left, Y above.
enum class PadButton { A, B, X, Y, Back, Start, Up, Down, Left, Right };

namespace pad {

// A pad's controls, one bit each: its buttons, then the triggers pressed past
// their thresholds. The left stick counts as the D-pad.
constexpr unsigned bit(PadButton b) { return 1u << static_cast<unsigned>(b); }
constexpr unsigned kA = bit(PadButton::A), kB = bit(PadButton::B), kX = bit(PadButton::X),
                   kY = bit(PadButton::Y), kBack = bit(PadButton::Back),
                   kStart = bit(PadButton::Start), kUp = bit(PadButton::Up),
                   kDown = bit(PadButton::Down), kLeft = bit(PadButton::Left),
                   kRight = bit(PadButton::Right);
constexpr unsigned kLeftTrigger = 1u << 10, kRightTrigger = 1u << 11;

}  // namespace pad

// One key of a window: the player (pad place) whose controls press it,
// which controls, and whether holding them repeats the key. Keys that the
// game reads as held (steering in the races, moving in the shooter, turbo in
// the battle) go down once; keys that act on every press repeat, as they do
// on a keyboard, except those where that would spoil the game (the pause
// flickering, a missile pinned to its car).
struct PadBinding {
  int player;
  unsigned controls;
  int code;
  bool repeats;
};

using PadBindings = std::vector<PadBinding>;

// The keys of a car: steering, faster, slower.
struct CarKeys {
  int left, right, faster, slower;
};

// A car driven from pad `player`: steering on the D-pad or the stick, faster
// on Up, A or the right trigger, slower on Down, B or the left trigger; then
// the window's `more` keys. Faster and slower repeat while held, as held
// keys do; steering does where the race steers a step a press.
inline PadBindings driving(int player, CarKeys keys, bool steerRepeats,
                           std::initializer_list<PadBinding> more) {
  using namespace pad;
  PadBindings b = {{player, kLeft, keys.left, steerRepeats},
                   {player, kRight, keys.right, steerRepeats},
                   {player, kUp | kA | kRightTrigger, keys.faster, true},
                   {player, kDown | kB | kLeftTrigger, keys.slower, true}};
  b.insert(b.end(), more);
  return b;
}

}  // namespace ui
