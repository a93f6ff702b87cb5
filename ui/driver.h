// What a driver gives the program: a clock, and a place to hear about
// everything that happens. The desktop driver draws windows and arms a real
// timer; the virtual clock runs scripts and writes traces.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

class Window;
class Element;
enum class Event;

// One event from outside (a click, a key, a timer tick, a data arrival), as
// the program handles it.
struct Happening {
  std::string kind;  // the trace's event name: "click", "keydown", "tick", ...; empty
                     // for the program's start, which has no line of its own
  Window* window = nullptr;
  std::string source;  // id of the element the event came to; empty for none
  int code = -1;       // key code, or -1
  std::string data;    // the text read, for data arrivals; the text typed, for text
  int bytes = -1;      // the byte count reported, for data arrivals
};

class Driver {
 public:
  virtual ~Driver() = default;

  // Milliseconds since the program started, on this driver's clock.
  virtual std::int64_t nowMs() const = 0;

  // A timer was enabled, disabled or given a new interval.
  virtual void timersChanged() {}
  // Handlers may ask for pending events to run; only the desktop uses it.
  virtual void processPendingEvents() {}

  // Notifications, in the order things happen.
  virtual void eventStarted(const Happening&) {}
  virtual void windowLoading(Window&) {}    // before its load handler
  virtual void windowLoaded(Window&) {}     // after its load handler
  virtual void windowUnloading(Window&) {}  // before its unload handler
  virtual void windowUnloaded(Window&) {}
  virtual void windowShown(Window&) {}
  virtual void windowHidden(Window&) {}
  virtual void eventFinished(const Happening&) {}
  virtual void programEnded() {}
  // A message the network race sent, as the game wrote it.
  virtual void netSent(const std::string&) {}
};

// Hears what the player does, on the game's clock: every event that comes
// from outside the program (not its timers), stamped with the time at which
// the program handles it, and the windows' lives around them. The desktop
// driver tells it; the recorder of races listens.
class InputListener {
 public:
  virtual ~InputListener() = default;
  virtual void inputStarting(const Happening& h, std::int64_t t) = 0;
  virtual void windowLoading(Window&, std::int64_t /*t*/) {}
  virtual void windowUnloading(Window&) {}
  // An event from outside and everything it caused have run.
  virtual void eventDone(std::int64_t /*t*/) {}
  virtual void programEnded(std::int64_t /*t*/) {}
};

// Opens addresses with the desktop's own programs, without waiting.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void open(const std::string& address) = 0;
};

}  // namespace ui
