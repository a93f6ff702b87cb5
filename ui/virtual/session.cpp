#include "ui/virtual/session.h"

#include <cstdio>
#include <cstdlib>

namespace ui {

VirtualSession::VirtualSession(const Setup& addWindows, std::string folder)
    : clock_(&ownClock_), driver_(ownClock_), shell_(driver_) {
  init(addWindows, std::move(folder), nullptr, {});
}

VirtualSession::VirtualSession(const std::int64_t& clock, const Setup& addWindows,
                               std::string folder, std::ostream* trace, std::string instance)
    : clock_(&clock), driver_(clock), shell_(driver_) {
  init(addWindows, std::move(folder), trace, std::move(instance));
}

void VirtualSession::init(const Setup& addWindows, std::string folder, std::ostream* trace,
                          std::string instance) {
  if (trace != nullptr) {
    trace_ = std::make_unique<TraceWriter>(*trace, std::move(instance));
    driver_.setTrace(trace_.get());
  }
  media_.onWave = [this](const std::string& n) {
    waves.push_back(n);
    if (trace_) trace_->sound(n);
  };
  media_.onMusic = [this](const std::string& n) {
    music.push_back(n);
    if (trace_) trace_->music(n);
  };
  program_ = std::make_unique<Program>(driver_, media_, shell_, std::move(folder));
  if (trace_) trace_->attach(*program_);
  addWindows(*program_);
}

void VirtualSession::start(const std::string& window) { program_->start(program_->window(window)); }

void VirtualSession::runUntil(std::int64_t t) {
  if (clock_ != &ownClock_) std::abort();  // a shared clock is moved by its owner
  for (;;) {
    const std::int64_t due = program_->nextDue();
    if (due < 0 || due > t) break;
    ownClock_ = due;
    program_->runTimers(due);
  }
  if (t > ownClock_) ownClock_ = t;
}

Window& VirtualSession::front() {
  Window* w = program_->front();
  if (w == nullptr) {
    std::fprintf(stderr, "no window is in front\n");
    std::abort();
  }
  return *w;
}

void VirtualSession::click(const std::string& element, int index) {
  if (ended()) return;
  Window& w = front();
  program_->click(w, w.el(element, index));
}

void VirtualSession::keyDown(int code) {
  if (!ended()) program_->keyDown(front(), code);
}
void VirtualSession::keyUp(int code) {
  if (!ended()) program_->keyUp(front(), code);
}

}  // namespace ui
