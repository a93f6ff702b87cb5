#include "ui/gamepad.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/program.h"
#include "ui/window.h"

namespace ui {

namespace {

using namespace pad;

// The stick steers past half way and lets go below a third, so a stick
// resting near the line does not chatter. The left trigger brakes the same.
constexpr double kPress = 0.5, kRelease = 0.3;
// The right trigger presses from a light touch.
constexpr double kTouch = 0.1, kUntouch = 0.05;

// A held button repeats its key like a held key on a keyboard: again after a
// quarter of a second, then thirty times a second. That is how a player who
// holds Up drives with the keyboard, and the race's speed tells them when to
// let go. The right trigger plays the rhythm instead: its first press comes
// at once, and its depth sets the rate, from two presses a second at a light
// touch to thirty at the bottom. The rate grows with the square of the depth,
// so the middle of the travel, where a race is held just over its top speed
// (a tick of 25 ms takes 10 off it, a press adds 50: eight presses a second),
// is wide and easy to hold.
constexpr std::int64_t kFirstRepeatMs = 250, kRepeatMs = 33;
constexpr double kSlowestRate = 2, kFastestRate = 30;

std::int64_t triggerInterval(double depth) {
  const double t = std::clamp((depth - kTouch) / (1 - kTouch), 0.0, 1.0);
  const double rate = kSlowestRate + (kFastestRate - kSlowestRate) * t * t;
  return std::llround(1000 / rate);
}

// Sets or clears `b` in `bits` with hysteresis: on at `on`, off below `off`.
void latch(unsigned& bits, unsigned b, double v, double on, double off) {
  if (v >= on)
    bits |= b;
  else if (v < off)
    bits &= ~b;
}

}  // namespace

unsigned Gamepads::Pad::held() const { return buttons | axes; }

Gamepads::Pad* Gamepads::find(int pad) {
  for (Pad& p : pads_)
    if (p.id == pad) return &p;
  return nullptr;
}

void Gamepads::plug(int pad) {
  if (find(pad) == nullptr) pads_.push_back(Pad{pad});
}

void Gamepads::unplug(int pad) {
  auto it = std::find_if(pads_.begin(), pads_.end(), [&](const Pad& p) { return p.id == pad; });
  if (it == pads_.end()) return;
  // The pads after it move up a place and drive another player now: what
  // they hold was meant for the old one.
  for (auto after = pads_.erase(it); after != pads_.end(); ++after) blockHeld(*after);
}

void Gamepads::blockHeld(Pad& p) { p.blocked = p.held() & ~p.pressed; }

void Gamepads::changed(Pad& p, unsigned before) {
  const unsigned now = p.held();
  p.pressed |= now & ~before;
  p.blocked &= now;
}

void Gamepads::button(int pad, PadButton b, bool pressed) {
  Pad* p = find(pad);
  if (p == nullptr) return;
  const unsigned before = p->held();
  if (pressed)
    p->buttons |= bit(b);
  else
    p->buttons &= ~bit(b);
  changed(*p, before);
}

void Gamepads::axis(int pad, PadAxis a, double value) {
  Pad* p = find(pad);
  if (p == nullptr || !std::isfinite(value)) return;
  const unsigned before = p->held();
  switch (a) {
    case PadAxis::LeftX:
      latch(p->axes, kLeft, -value, kPress, kRelease);
      latch(p->axes, kRight, value, kPress, kRelease);
      break;
    case PadAxis::LeftY:
      latch(p->axes, kUp, -value, kPress, kRelease);
      latch(p->axes, kDown, value, kPress, kRelease);
      break;
    case PadAxis::LeftTrigger:
      latch(p->axes, kLeftTrigger, value, kPress, kRelease);
      break;
    case PadAxis::RightTrigger:
      latch(p->axes, kRightTrigger, value, kTouch, kUntouch);
      p->rightTrigger = value;
      break;
  }
  changed(*p, before);
}

std::vector<PadKey> Gamepads::keys(std::int64_t now, std::string_view front,
                                   const PadBindings* bindings) {
  std::vector<PadKey> out;
  if (front != front_) {
    for (auto& [code, k] : keys_)
      if (k.down) out.push_back({front_, code, false});
    keys_.clear();
    for (Pad& p : pads_) blockHeld(p);
    front_ = std::string(front);
  }
  if (bindings != nullptr) {
    for (const PadBinding& b : *bindings) {
      KeyState& k = keys_[b.code];
      const Pad* p = b.player < count() ? &pads_[b.player] : nullptr;
      const unsigned held = p != nullptr ? p->held() & ~p->blocked & b.controls : 0;
      // Every press makes a key-down, even one let go again since the last
      // call, or one of a second control of a key already down.
      const unsigned pressed = p != nullptr ? p->pressed & ~p->blocked & b.controls : 0;
      if (pressed != 0 || (held != 0 && !k.down)) {
        out.push_back({front_, b.code, true});
        k = KeyState{true, now, 0};
      } else if (k.down && held != 0 && b.repeats) {
        std::int64_t interval = std::numeric_limits<std::int64_t>::max();
        if ((held & ~kRightTrigger) != 0) interval = k.repeats == 0 ? kFirstRepeatMs : kRepeatMs;
        if ((held & kRightTrigger) != 0)
          interval = std::min(interval, triggerInterval(p->rightTrigger));
        const std::int64_t due = k.last + interval;
        if (now >= due) {
          out.push_back({front_, b.code, true});
          // Steady beats when the poller is a little late; no burst of
          // presses to catch up when it was held up for long.
          k.last = now - due < interval ? due : now;
          ++k.repeats;
        }
      }
      if (k.down && held == 0) {
        out.push_back({front_, b.code, false});
        k.down = false;
      }
    }
  }
  for (Pad& p : pads_) p.pressed = 0;
  return out;
}

void Gamepads::drive(Program& program) {
  if (program.ended()) return;
  const Window* front = program.front();
  const std::string name = front != nullptr ? front->name() : std::string();
  for (const PadKey& k :
       keys(program.now(), name, front != nullptr ? front->padBindings() : nullptr)) {
    if (program.ended()) return;
    Window* w = program.find(k.window);
    // A window unloaded since starts afresh when it loads again; a press in
    // a window no longer in front (a key before it closed it) is dropped.
    if (w == nullptr || !w->loaded()) continue;
    if (!k.down)
      program.keyUp(*w, k.code);
    else if (program.front() == w)
      program.keyDown(*w, k.code);
  }
}

}  // namespace ui
