// Gamepads as more keyboards: a pad's buttons, D-pad, left stick and
// triggers become the keys of the player it drives, for the window in front,
// so the game hears the same key events it hears from the keyboard.
//
// Which keys is up to the window in front: each declares its own (see
// ui/pad_bindings.h), and a window that declares none takes no pad. Pads
// count in the order they were plugged in; when one goes, the next moves up.
//
// Plain logic on the program's clock: the desktop's pad poller reports what
// the pads do, then asks for the keys due, and asks again every few
// milliseconds so held buttons repeat with no new pad event.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/pad_bindings.h"

namespace ui {

class Program;

// Sticks from -1 (left, up) to 1 (right, down); triggers from 0 to 1.
enum class PadAxis { LeftX, LeftY, LeftTrigger, RightTrigger };

// A key going down or up in a window.
struct PadKey {
  std::string window;
  int code = -1;
  bool down = false;
  friend bool operator==(const PadKey&, const PadKey&) = default;
};

class Gamepads {
 public:
  // `pad` is the poller's number for the pad, unique while it is plugged in.
  // Reports about a pad that is not plugged in are ignored.
  void plug(int pad);
  void unplug(int pad);
  void button(int pad, PadButton b, bool pressed);
  void axis(int pad, PadAxis a, double value);
  int count() const { return static_cast<int>(pads_.size()); }

  // The key events due at `now` (milliseconds), the window in front being
  // `front` (empty for none) with its `bindings` (null for none). A key goes
  // down in the window in front and comes up in the same window: when the
  // front window changes, when its pad is unplugged or lets go. A button
  // still held when the front window changes, or when its pad moves up a
  // place, acts again once let go.
  std::vector<PadKey> keys(std::int64_t now, std::string_view front, const PadBindings* bindings);

  // keys() for the program: on its clock and its window in front.
  void drive(Program& program);

 private:
  struct Pad {
    int id = -1;
    unsigned buttons = 0;  // PadButton bits
    unsigned axes = 0;     // directions of the stick and triggers past their thresholds
    unsigned pressed = 0;  // controls that went down since the last keys()
    unsigned blocked = 0;  // held across a change: ignored until let go
    double rightTrigger = 0;
    unsigned held() const;
  };
  struct KeyState {
    bool down = false;
    std::int64_t last = 0;  // the last press sent
    int repeats = 0;
  };
  Pad* find(int pad);
  void changed(Pad& p, unsigned before);
  void blockHeld(Pad& p);

  std::vector<Pad> pads_;  // in the order they were plugged in
  std::string front_;
  std::map<int, KeyState> keys_;  // by key code, for the window `front_`
};

}  // namespace ui
