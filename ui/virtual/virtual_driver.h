// The virtual clock's driver: time is whatever the runner says it is, and
// everything that happens goes to a trace when one is attached.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/driver.h"
#include "ui/virtual/trace.h"

namespace ui {

class VirtualDriver : public Driver {
 public:
  explicit VirtualDriver(const std::int64_t& clock) : clock_(clock) {}
  void setTrace(TraceWriter* trace) { trace_ = trace; }
  TraceWriter* trace() const { return trace_; }
  bool ended() const { return ended_; }

  std::int64_t nowMs() const override { return clock_; }
  void eventStarted(const Happening& h) override {
    if (trace_) trace_->eventStarted(h);
  }
  void windowLoading(Window& w) override {
    if (trace_) trace_->windowLoading(w);
  }
  void windowLoaded(Window& w) override {
    if (trace_) trace_->windowLoaded(w);
  }
  void windowUnloading(Window& w) override {
    if (trace_) trace_->windowUnloading(w);
  }
  void windowUnloaded(Window& w) override {
    if (trace_) trace_->windowUnloaded(w);
  }
  void eventFinished(const Happening& h) override {
    if (trace_) trace_->eventFinished(h);
  }
  void netSent(const std::string& text) override {
    if (trace_) trace_->net(text);
  }
  void programEnded() override {
    ended_ = true;
    if (trace_) trace_->programEnded();
  }

 private:
  const std::int64_t& clock_;
  TraceWriter* trace_ = nullptr;
  bool ended_ = false;
};

// Addresses are recorded, never opened.
class RecordingShell : public Shell {
 public:
  explicit RecordingShell(VirtualDriver& driver) : driver_(driver) {}
  void open(const std::string& address) override {
    opened.push_back(address);
    if (driver_.trace()) driver_.trace()->shell(address);
  }
  std::vector<std::string> opened;

 private:
  VirtualDriver& driver_;
};

}  // namespace ui
