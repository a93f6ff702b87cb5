// The keys a player may move, mode by mode. Each action of a mode presses the
// key the game expects for it (its code, which is also its key until the
// player moves it); the player chooses which key of the keyboard does it.
// The desktop turns the key pressed into the action's code before the game
// hears it, so the game's rules and its traces hear the codes they always
// have. Pads keep their bindings (each window declares its own), but each
// mode may swap the four face buttons.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/pad_bindings.h"

namespace platform::qt {

enum class Mode { Stage, Battle, Network, Shooter };
inline constexpr std::array<Mode, 4> kModes{Mode::Stage, Mode::Battle, Mode::Network,
                                            Mode::Shooter};

// "stage", "battle", "network", "shooter": the mode's part of the settings keys.
const char* modeId(Mode mode);
// What the settings window calls the mode, in the game's words (Traditional
// Chinese; shown() translates it).
const char* modeWords(Mode mode);
// The mode of a window the game plays in: the stage races, the battle, the
// network race and the shooter. Other windows (the title, dialogs) have none
// and hear their keys as pressed.
std::optional<Mode> modeOfWindow(const std::string& windowName);

struct Action {
  const char* id;     // its settings key within the mode: "left", "red-missile", …
  const char* words;  // what the settings window calls it, in the game's words
  int code;           // the game's key code for it, and its key by default
};
// The actions of a mode, in the order the settings window lists them.
const std::vector<Action>& actionsOf(Mode mode);

// A key's name as the settings window and the settings file write it: "Left",
// "Space", "G", "7", "Num 1", "F5"; empty for a code with no name.
QString keyName(int code);
// The code of a key named so, -1 for none.
int keyCode(const QString& name);
// Whether a player may bind this key: one the desktop reports, and not one of
// the desktop's own (F9, F10, F11) nor Esc, which leaves the key capture.
bool bindable(int code);

// The face buttons a mode may swap.
inline constexpr std::array<ui::PadButton, 4> kFaceButtons{ui::PadButton::A, ui::PadButton::B,
                                                           ui::PadButton::X, ui::PadButton::Y};
// "A", "B", "X", "Y"; and back, -1 for another name.
QString buttonName(ui::PadButton button);
int buttonOfName(const QString& name);

class KeyBindings {
 public:
  KeyBindings();  // every action on its own key, every button as it is

  // The key that does `action` of `mode`; -1 when none does.
  int key(Mode mode, std::size_t action) const;
  // Makes `key` do `action` (and only it: no other action of the mode keeps
  // it). A key that is not bindable() is refused; returns whether it was taken.
  bool bind(Mode mode, std::size_t action, int key);
  // Leaves `action` with no key.
  void unbind(Mode mode, std::size_t action);
  // Every action of `mode` on its own key again, and its buttons as they are.
  void restoreDefaults(Mode mode);
  bool isDefault(Mode mode) const;
  // Actions of `mode` whose key another action of it also has (a file edited
  // by hand can hold that): each is flagged until the player settles it.
  std::vector<std::size_t> conflicts(Mode mode) const;
  // Sets a key without taking it from others: what a settings file says.
  // -1 leaves the action with no key; a key that is not bindable() changes
  // nothing.
  void set(Mode mode, std::size_t action, int key);

  // The code the game hears for `key` pressed in a window of `mode`: the code
  // of the action it does; -1 (nothing) for the key of an action that has
  // moved to another key; else the key's own code. With keys shared in
  // conflict, the first action listed has it.
  int gameCode(Mode mode, int key) const;

  // The physical button that acts as `button` in `mode`: the face buttons
  // swap between themselves; the others are themselves.
  ui::PadButton button(Mode mode, ui::PadButton button) const;
  // Makes the physical button `pressed` act as `as` in `mode`; the button
  // that did so before takes `pressed`'s old part.
  void swapButton(Mode mode, ui::PadButton as, ui::PadButton pressed);
  // The part a physical button plays in `mode`: the inverse of button().
  ui::PadButton actsAs(Mode mode, ui::PadButton pressed) const;

  friend bool operator==(const KeyBindings&, const KeyBindings&) = default;

 private:
  static std::size_t at(Mode mode) { return static_cast<std::size_t>(mode); }
  std::array<std::vector<int>, kModes.size()> keys_;
  // For each mode, the physical button for A, B, X and Y in turn.
  std::array<std::array<ui::PadButton, 4>, kModes.size()> buttons_;
};

}  // namespace platform::qt
