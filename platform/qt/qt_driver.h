// The desktop driver: real windows drawn with Qt, a precise timer for the
// game's timers, keys mapped to the game's codes, one thread.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

#include "ui/driver.h"

namespace ui {
class Program;
}

namespace platform::qt {

class KeyBindings;
class WindowView;

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

  std::int64_t nowMs() const override { return clock_.elapsed(); }
  void timersChanged() override;
  void eventStarted(const ui::Happening&) override { ++depth_; }
  void eventFinished(const ui::Happening&) override;
  void windowShown(ui::Window& w) override;
  void windowHidden(ui::Window& w) override;
  void windowUnloaded(ui::Window& w) override;
  void programEnded() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void arm();
  void tick();
  void syncAll();
  WindowView* viewFor(QObject* o) const;
  int scaleOf(const ui::Window& w) const { return scaleOf_ ? scaleOf_(w) : scale_; }

  ui::Program* program_ = nullptr;
  int scale_;
  std::function<int(const ui::Window&)> scaleOf_;
  QElapsedTimer clock_;
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
