// The running program: every window of the game, which of them are loaded,
// shown and in front, the modal shows in progress, the timers, and the
// program-wide settings. Drivers feed it events; it runs the handlers one at
// a time, each to its end.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/driver.h"
#include "ui/vars.h"
#include "ui/window.h"

namespace media {
class Media;
}

namespace ui {

// Thrown by Program::end to stop the running handler at once; the program
// catches it where the event came in.
struct ProgramEnded {};

enum class ShowMode { Modeless, Modal };

// Game state that lives as long as the program and belongs to no window
// (the program-wide settings, a network connection's shared variables).
class Module {
 public:
  virtual ~Module() = default;
};

class Program {
 public:
  Program(Driver& driver, media::Media& media, Shell& shell, std::string folder);
  ~Program();

  // Windows exist for the whole run; loading builds their elements.
  template <class W, class... Args>
  W& add(Args&&... args) {
    auto w = std::make_unique<W>(*this, std::forward<Args>(args)...);
    W& ref = *w;
    windows_.push_back(std::move(w));
    return ref;
  }
  template <class M>
  M& module() {
    for (auto& m : modules_)
      if (auto* found = dynamic_cast<M*>(m.get())) return *found;
    auto m = std::make_unique<M>(*this);
    M& ref = *m;
    modules_.push_back(std::move(m));
    return ref;
  }

  Window* find(std::string_view name) const;
  Window& window(std::string_view name) const;  // must exist
  const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }

  // Window life. show() loads a window that is not loaded. A modal show
  // makes every window behind it inert; `then` runs when the shown window
  // is finally closed (hidden or unloaded), right after the handler that
  // closed it. A window that closes and shows itself modally again in one
  // handler keeps its place: the pending `then` waits for the final close.
  // Starts the program: shows the first window, as an event of its own that
  // writes no trace line but the window's load.
  void start(Window& first);
  void load(Window& w);
  void show(Window& w, ShowMode mode = ShowMode::Modeless, std::function<void()> then = {});
  void hide(Window& w);
  void unload(Window& w);
  [[noreturn]] void end();
  bool ended() const { return ended_; }

  // The window in front: the last one shown that is still visible.
  Window* front() const;
  // False for a window behind a modal one: it takes no clicks or keys.
  bool accepts(const Window& w) const;
  bool modalOpen() const;
  // True while `w` is shown modally and not yet closed.
  bool isModal(const Window& w) const;

  void processPendingEvents() { driver_.processPendingEvents(); }
  VarTable& globals() { return globals_; }
  media::Media& media() { return media_; }
  Shell& shell() { return shell_; }
  const std::string& folder() const { return folder_; }
  std::int64_t now() const { return driver_.nowMs(); }
  Driver& driver() { return driver_; }

  // Events from the driver. Each runs its handlers to the end, then the
  // continuations of modal shows that closed. Events for a window behind a
  // modal one, or for a hidden or disabled element, do nothing.
  void click(Window& w, Element& e);
  void dblClick(Window& w, Element& e);
  void keyDown(Window& w, int code);
  void keyUp(Window& w, int code);
  void text(Window& w, Element& e, const std::string& text);
  void option(Window& w, Element& e);
  void focus(Window& w, Element& e);
  void blur(Window& w);
  void close(Window& w);
  // Socket events: a connection request (`arg` its number), a connection, or
  // a data arrival (the text read and the byte count reported, for the trace).
  void socketEvent(Window& w, Element& e, Event ev, std::string kind, int arg,
                   const std::string* data = nullptr, int bytes = -1);

  // Timers: the earliest tick due (-1 for none), and running every tick due
  // at or before `now`, in order of time, window load order and timer name.
  std::int64_t nextDue() const;
  void runTimers(std::int64_t now);

  // Called by Element when a timer's Enabled or Interval changes.
  void timerChanged(Element& t, bool wasEnabled);

 private:
  struct ModalShow {
    Window* window;
    std::vector<std::function<void()>> then;  // innermost first
    bool closed = false;
  };
  void dispatch(const Happening& h, const std::function<void()>& body);
  void settle();
  void closeModal(Window& w);
  void checkLastWindow();
  bool usable(const Window& w, const Element& e) const;
  void keyEvent(Window& w, int code, Event ev, const char* kind);

  Driver& driver_;
  media::Media& media_;
  Shell& shell_;
  std::string folder_;
  std::vector<std::unique_ptr<Module>> modules_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<ModalShow> modals_;
  VarTable globals_;
  std::uint64_t loadCounter_ = 0;
  std::uint64_t zCounter_ = 0;
  int depth_ = 0;  // nesting of dispatch: continuations settle only at the outermost
  bool ended_ = false;
};

}  // namespace ui
