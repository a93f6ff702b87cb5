#include "app/settings_door.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "app/options.h"
#include "app/player_settings.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/window_view.h"
#include "ui/program.h"
#include "ui/window.h"

namespace app {

namespace {

// The whole scales at which every game window fits the screen.
std::vector<int> fittingScales(const ui::Program& program) {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
  int largest = kLargestScale;
  for (const auto& w : program.windows()) {
    const int f = largestFittingScale((w->design().width + 14) / 15, (w->design().height + 14) / 15,
                                      area.width(), area.height());
    if (f > 0) largest = std::min(largest, f);
  }
  if (largest == kLargestScale) largest = 3;  // no screen size known
  std::vector<int> scales;
  for (int s = 1; s <= largest; ++s) scales.push_back(s);
  return scales;
}

}  // namespace

SettingsDoor::SettingsDoor(PlayerSettings& settings, platform::qt::QtDriver& driver,
                           ui::Program& program, platform::qt::ReplayShelf shelf,
                           platform::qt::Watch watch)
    : settings_(settings),
      driver_(driver),
      program_(program),
      shelf_(std::move(shelf)),
      watch_(std::move(watch)) {}

SettingsDoor::~SettingsDoor() {
  if (window_) {
    QObject::disconnect(window_, nullptr, nullptr, nullptr);
    delete window_.data();
  }
}

void SettingsDoor::toggle() {
  if (window_ && window_->isVisible())
    close();
  else
    open();
}

void SettingsDoor::toggleAt(int page) {
  if (window_ && window_->isVisible() && window_->shownPage() == page)
    close();
  else
    openAt(page);
}

void SettingsDoor::openAt(int page) {
  open();
  window_->showPage(page);
}

void SettingsDoor::open() {
  if (!window_) {
    std::array<const ui::PadBindings*, 4> pads{};
    for (const auto& w : program_.windows())
      if (const auto mode = platform::qt::modeOfWindow(w->name()))
        if (pads[static_cast<std::size_t>(*mode)] == nullptr)
          pads[static_cast<std::size_t>(*mode)] = w->padBindings();
    window_ = new platform::qt::SettingsWindow(
        driver_.scale(), fittingScales(program_), pads,
        [this](const std::function<void(platform::qt::Preferences&)>& edit) {
          settings_.change(edit);
        },
        shelf_, watch_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    // However it closes (F10, Esc, its button), the keys go back to the game.
    QObject::connect(window_, &QObject::destroyed, [this] { giveBackKeys(); });
    window_->showPreferences(settings_.inUse());
    window_->adjustSize();
  }
  // Over the game window in front, as the game's own dialogs open.
  platform::qt::WindowView* front =
      program_.front() != nullptr ? driver_.viewOf(*program_.front()) : nullptr;
  if (front != nullptr && front->isVisible()) {
    window_->winId();
    if (window_->windowHandle() != nullptr && front->windowHandle() != nullptr)
      window_->windowHandle()->setTransientParent(front->windowHandle());
    window_->move(front->geometry().center() - window_->rect().center());
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void SettingsDoor::close() {
  if (window_) window_->close();
}

void SettingsDoor::giveBackKeys() {
  if (program_.front() != nullptr)
    if (platform::qt::WindowView* front = driver_.viewOf(*program_.front())) {
      front->activateWindow();
      front->syncFocus();
    }
}

void SettingsDoor::refresh() {
  if (window_) window_->showPreferences(settings_.inUse());
}

}  // namespace app
