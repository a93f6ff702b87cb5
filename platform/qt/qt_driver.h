// The desktop driver: real windows drawn with Qt, a precise timer for the
// game's timers, keys mapped to the game's codes, one thread.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

#include "platform/qt/game_clock.h"
#include "ui/driver.h"

namespace ui {
class Program;
}

namespace platform::qt {

class KeyBindings;
class WindowView;

// Inputs from a recording, in place of the player's.
class Playback {
 public:
  virtual ~Playback() = default;
  // The game time of the next input; -1 when none is left.
  virtual std::int64_t nextAt() const = 0;
  virtual void runNext() = 0;
  // The game time at which the recording ends.
  virtual std::int64_t endsAt() const = 0;
  // It has played to its end, or the program ended in it.
  virtual void over() = 0;
};

class QtDriver : public QObject, public ui::Driver {
 public:
  explicit QtDriver(int scale);
  ~QtDriver() override;
  void attach(ui::Program& program);
  int scale() const { return scale_; }
  // The scale of the windows shown from now on.
  void setScale(int scale) { scale_ = scale; }
  // Or a scale chosen for each window as it is first shown (say, the largest
  // that fits the screen up to the one asked for).
  void setScaleOfEachWindow(std::function<int(const ui::Window&)> rule) {
    scaleOf_ = std::move(rule);
  }
  WindowView* viewOf(const ui::Window& w) const;
  // The windows shown drawn again at the scale now chosen for them (but for
  // those filling the screen, which keep the largest scale that fits).
  void rescaleShown();
  // Every window drawn afresh: after the language changes.
  void redrawAll();
  // F11: every game window fills the screen, or returns to its own size.
  void setFullScreen(bool on);
  bool fullScreen() const { return fullScreen_; }
  // A key of the desktop's own, as F11 is: pressed in any game window it
  // does `act` (after the key's event) and the game never hears it.
  void setDesktopKey(int qtKey, std::function<void()> act);
  // The player's keys: in a window of a mode, the key pressed becomes the
  // code of the action it does. Null: every key as pressed.
  void setKeyBindings(const KeyBindings* keys) { keys_ = keys; }
  // Who hears the player's inputs, with their game times (null: nobody).
  void setInputListener(ui::InputListener* listener) { listener_ = listener; }
  // Plays a recording: its inputs run at their times, and the player's keys
  // and clicks no longer reach the game (the desktop's keys still work).
  // Closing a window ends the watching.
  void watch(Playback* playback);
  bool watching() const { return playback_ != nullptr; }
  // The desktop is done with the game (its event loop has returned): the
  // game's time stays at the last thing handled, and no timer runs again.
  void stop();
  // The game's clock stands still, or runs `speed` times as fast.
  void setPaused(bool paused);
  bool paused() const { return clock_.paused(); }
  void setSpeed(int speed);
  int speed() const { return clock_.speed(); }
  // Words after every window's caption in its title bar, and on a glass tag
  // over its corner.
  void setTitleNote(const QString& note, const QString& tag);

  // The game's clock. It follows the wall clock, but never runs past a tick
  // that has not been handled: when the desktop falls behind (a busy
  // machine, a window being dragged), the game's time waits, and the ticks
  // that fell due meanwhile merge into one. Every event is handled at one
  // game time, so a race replays on the virtual clock exactly as it ran.
  std::int64_t nowMs() const override;
  void timersChanged() override;
  void eventStarted(const ui::Happening& h) override;
  void eventFinished(const ui::Happening&) override;
  void windowLoading(ui::Window& w) override;
  void windowUnloading(ui::Window& w) override;
  void windowShown(ui::Window& w) override;
  void windowHidden(ui::Window& w) override;
  void windowUnloaded(ui::Window& w) override;
  void programEnded() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void arm();
  void tick();
  // The game time of the next thing to run: a tick, or a recording's input
  // or its end.
  std::int64_t nextThing() const;
  bool runNext(std::int64_t t);
  bool playersInput(QObject* watched, QEvent::Type type) const;
  // The game time of an input arriving now: after every tick already
  // handled, and no later than a tick still waiting, which it precedes.
  std::int64_t inputTime() const;
  void syncAll();
  WindowView* viewFor(QObject* o) const;
  int scaleOf(const ui::Window& w) const { return scaleOf_ ? scaleOf_(w) : scale_; }

  ui::Program* program_ = nullptr;
  int scale_;
  std::function<int(const ui::Window&)> scaleOf_;
  GameClock clock_;
  std::int64_t gameNow_ = 0;      // the time of the event running, or of the last one
  std::int64_t ticksRanAt_ = -1;  // the time of the last ticks handled
  bool started_ = false;
  ui::InputListener* listener_ = nullptr;
  Playback* playback_ = nullptr;
  bool scripted_ = false;  // the event running is the recording's
  bool watchedToEnd_ = false;
  bool stopped_ = false;
  QString titleNote_, tag_;
  QTimer timer_;
  std::map<const ui::Window*, QPointer<WindowView>> views_;
  const ui::Window* lastFront_ = nullptr;
  int depth_ = 0;
  bool armPending_ = false;
  bool active_ = true;
  bool fullScreen_ = false;
  std::map<int, std::function<void()>> desktopKeys_;  // by Qt key
  const KeyBindings* keys_ = nullptr;
};

// Opens web and mail addresses with the desktop's programs, without waiting.
class DesktopShell : public ui::Shell {
 public:
  void open(const std::string& address) override;
};

}  // namespace platform::qt
