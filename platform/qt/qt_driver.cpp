#include "platform/qt/qt_driver.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include "platform/qt/key_bindings.h"
#include "platform/qt/key_map.h"
#include "platform/qt/window_view.h"
#include "ui/program.h"
#include "ui/window.h"

namespace platform::qt {

QtDriver::QtDriver(int scale) : scale_(scale) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  setDesktopKey(Qt::Key_F11, [this] { setFullScreen(!fullScreen_); });
  qApp->installEventFilter(this);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    const bool active = s == Qt::ApplicationActive;
    if (active_ && !active && program_ != nullptr && !program_->ended() && !watching()) {
      // The game lost the keyboard to another program.
      if (ui::Window* front = program_->front()) program_->blur(*front);
    }
    active_ = active;
  });
}

QtDriver::~QtDriver() {
  qApp->removeEventFilter(this);
  for (auto& [w, view] : views_) delete view.data();
}

void QtDriver::attach(ui::Program& program) { program_ = &program; }

WindowView* QtDriver::viewOf(const ui::Window& w) const {
  auto it = views_.find(&w);
  return it == views_.end() ? nullptr : it->second.data();
}

void QtDriver::setFullScreen(bool on) {
  fullScreen_ = on;
  for (auto& [w, view] : views_)
    if (view && view->isVisible()) view->setFullScreenMode(on, scaleOf(*w));
  if (lastFront_ != nullptr)
    if (WindowView* front = viewOf(*lastFront_)) {
      front->raise();
      front->activateWindow();
      front->syncFocus();
    }
}

void QtDriver::rescaleShown() {
  for (auto& [w, view] : views_)
    if (view && !view->fullScreenMode()) view->setScale(scaleOf(*w));
}

void QtDriver::redrawAll() {
  for (auto& [w, view] : views_)
    if (view) view->rebuild();
}

std::int64_t QtDriver::nowMs() const {
  if (depth_ > 0 || stopped_ || (program_ != nullptr && program_->ended())) return gameNow_;
  return std::max(gameNow_, clock_.now());
}

std::int64_t QtDriver::inputTime() const {
  const std::int64_t handled = ticksRanAt_ == gameNow_ ? gameNow_ + 1 : gameNow_;
  std::int64_t t = std::max(clock_.now(), handled);
  const std::int64_t due = program_ != nullptr ? program_->nextDue() : -1;
  if (due >= 0 && due < t) t = due;
  return t;
}

void QtDriver::eventStarted(const ui::Happening& h) {
  if (depth_++ > 0) return;
  if (h.kind.empty()) {
    // The program starts: the game's time begins.
    if (!started_) clock_.start();
    started_ = true;
    return;
  }
  if (h.kind == "tick" || scripted_) return;  // at the time tick() set
  gameNow_ = inputTime();
  if (listener_ != nullptr) listener_->inputStarting(h, gameNow_);
}

void QtDriver::windowLoading(ui::Window& w) {
  if (listener_ != nullptr) listener_->windowLoading(w, gameNow_);
}

void QtDriver::windowUnloading(ui::Window& w) {
  if (listener_ != nullptr) listener_->windowUnloading(w);
}

void QtDriver::timersChanged() {
  if (depth_ > 0)
    armPending_ = true;
  else
    arm();
}

void QtDriver::setTitleNote(const QString& note, const QString& tag) {
  titleNote_ = note;
  tag_ = tag;
  for (auto& [w, view] : views_)
    if (view) {
      view->setTitleNote(note);
      view->setTag(tag);
    }
}

void QtDriver::stop() {
  stopped_ = true;
  timer_.stop();
}

void QtDriver::setPaused(bool paused) {
  clock_.setPaused(paused);
  arm();
}

void QtDriver::setSpeed(int speed) {
  clock_.setSpeed(speed);
  arm();
}

void QtDriver::watch(Playback* playback) {
  playback_ = playback;
  arm();
}

std::int64_t QtDriver::nextThing() const {
  std::int64_t t = program_->nextDue();
  if (playback_ == nullptr) return t;
  if (watchedToEnd_) return -1;
  // A recording plays up to its end and no further.
  const std::int64_t end = playback_->endsAt();
  if (t > end) t = -1;
  if (const std::int64_t line = playback_->nextAt(); line >= 0 && (t < 0 || line <= t)) t = line;
  return t >= 0 ? t : end;
}

void QtDriver::arm() {
  armPending_ = false;
  if (program_ == nullptr || program_->ended() || stopped_) {
    timer_.stop();
    return;
  }
  const std::int64_t t = nextThing();
  if (t < 0) {
    timer_.stop();
    return;
  }
  timer_.start(static_cast<int>(clock_.wallMsUntil(t)));
}

// Everything due at one millisecond runs as on the virtual clock: the
// recording's inputs, then the timers. False at the recording's end, where
// it stands still.
bool QtDriver::runNext(std::int64_t t) {
  if (playback_ != nullptr && playback_->nextAt() == t) {
    gameNow_ = t;
    scripted_ = true;
    playback_->runNext();
    scripted_ = false;
  } else if (program_->nextDue() == t) {
    gameNow_ = ticksRanAt_ = t;
    program_->runTimers(t);
  } else {
    watchedToEnd_ = true;
    timer_.stop();
    playback_->over();
    return false;
  }
  return true;
}

void QtDriver::tick() {
  if (program_ == nullptr || program_->ended()) return;
  const std::int64_t now = clock_.now();
  const std::int64_t t = nextThing();
  if (t >= 0 && t <= now) {
    if (!runNext(t) || program_->ended()) return;
    // Still behind: the game's clock waits for the desktop, and the ticks
    // that fell due meanwhile merge into the one just run.
    if (const std::int64_t next = nextThing(); next > t && next <= now) clock_.holdAt(t);
  }
  arm();
}

void QtDriver::syncAll() {
  for (auto& [w, view] : views_)
    if (view) view->sync();
  if (program_ != nullptr) {
    lastFront_ = program_->front();
    if (lastFront_ != nullptr)
      if (WindowView* v = viewOf(*lastFront_)) v->syncFocus();
  }
}

void QtDriver::eventFinished(const ui::Happening&) {
  if (--depth_ > 0) return;
  if (listener_ != nullptr) listener_->eventDone(gameNow_);
  syncAll();
  if (armPending_) arm();
}

void QtDriver::windowShown(ui::Window& w) {
  WindowView* view = viewOf(w);
  if (view == nullptr) {
    // The window in front until now owns the new one, which opens over it.
    WindowView* owner = lastFront_ != nullptr ? viewOf(*lastFront_) : nullptr;
    view = new WindowView(*program_, w, scaleOf(w), true);
    views_[&w] = view;
    if (!titleNote_.isEmpty()) view->setTitleNote(titleNote_);
    if (!tag_.isEmpty()) view->setTag(tag_);
    QRect area = view->screen() ? view->screen()->availableGeometry() : QRect();
    if (owner != nullptr && owner->isVisible()) {
      area = owner->geometry();
      view->winId();
      if (view->windowHandle() && owner->windowHandle())
        view->windowHandle()->setTransientParent(owner->windowHandle());
    }
    if (area.isValid()) view->move(area.center() - view->rect().center());
  }
  lastFront_ = &w;
  const bool modal = program_->isModal(w);
  if (view->isVisible() && (view->windowModality() != Qt::NonModal) != modal) view->hide();
  view->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  view->sync();
  if (view->fullScreenMode() != fullScreen_ || !view->isVisible()) {
    if (fullScreen_)
      view->setFullScreenMode(true, scaleOf(w));
    else if (view->fullScreenMode())
      view->setFullScreenMode(false, scaleOf(w));
  }
  view->show();
  view->raise();
  view->activateWindow();
  view->syncFocus();
}

void QtDriver::windowHidden(ui::Window& w) {
  if (WindowView* view = viewOf(w)) view->hide();
}

void QtDriver::windowUnloaded(ui::Window& w) {
  auto it = views_.find(&w);
  if (it == views_.end()) return;
  if (it->second) {
    it->second->hide();
    it->second->deleteLater();  // a handler of its own widgets may still be running
  }
  views_.erase(it);
  if (lastFront_ == &w) lastFront_ = nullptr;
}

void QtDriver::programEnded() {
  timer_.stop();
  if (listener_ != nullptr) listener_->programEnded(gameNow_);
  if (playback_ != nullptr) {
    // The recording ended the game: its last picture stays to be seen.
    playback_->over();
    return;
  }
  for (auto& [w, view] : views_)
    if (view) view->hide();
  QCoreApplication::exit(0);
}

WindowView* QtDriver::viewFor(QObject* o) const {
  auto* widget = qobject_cast<QWidget*>(o);
  if (widget == nullptr) return nullptr;
  for (const auto& [w, view] : views_)
    if (view && (view == widget->window())) return view;
  return nullptr;
}

void QtDriver::setDesktopKey(int qtKey, std::function<void()> act) {
  desktopKeys_[qtKey] = std::move(act);
}

bool QtDriver::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const auto desktop = desktopKeys_.find(key);
    if (desktop != desktopKeys_.end() && viewFor(watched) != nullptr) {
      // The desktop's keys, never the game's; each stops at the first widget
      // it reaches. What it does happens after the event, not under the
      // widget that is receiving it (full screen rebuilds the views).
      if (type == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
        QMetaObject::invokeMethod(this, desktop->second, Qt::QueuedConnection);
      return true;
    }
  }
  if (watching() && viewFor(watched) != nullptr) {
    // Watching a recording: the player's hands stay off the race, and
    // closing a window ends the watching.
    if (type == QEvent::Close) {
      event->ignore();
      QCoreApplication::exit(0);
      return true;
    }
    if (playersInput(watched, type)) return true;
  }
  if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && program_ != nullptr &&
      !program_->ended()) {
    // A key reaches the focus widget first and may travel up from there;
    // the game hears it once.
    QWidget* focus = QApplication::focusWidget();
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && (widget == focus || (focus == nullptr && widget->isWindow()))) {
      if (WindowView* view = viewFor(watched)) {
        auto* ke = static_cast<QKeyEvent*>(event);
        ui::Window& w = view->window();
        int code = virtualKey(ke->key(), ke->modifiers());
        if (const auto mode = modeOfWindow(w.name()); keys_ != nullptr && mode && code >= 0)
          code = keys_->gameCode(*mode, code);
        const KeyAction action = keyAction(type == QEvent::KeyPress, ke->isAutoRepeat());
        if (code >= 0 && action != KeyAction::None) {
          if (action == KeyAction::Down)
            program_->keyDown(w, code);
          else
            program_->keyUp(w, code);
        }
      }
    }
  } else if (type == QEvent::FocusIn && program_ != nullptr) {
    // The player moved the focus (a click, Tab): the window follows quietly.
    if (WindowView* view = viewFor(watched)) {
      if (ui::Element* e = view->elementOf(qobject_cast<QWidget*>(watched)))
        view->window().setFocus(e);
    }
  }
  return QObject::eventFilter(watched, event);
}

bool QtDriver::playersInput(QObject* watched, QEvent::Type type) const {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ShortcutOverride:
      return true;
    case QEvent::FocusIn:
      return qobject_cast<QWidget*>(watched) != nullptr;
    default:
      return false;
  }
}

void DesktopShell::open(const std::string& address) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace platform::qt
