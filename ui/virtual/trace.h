// The trace of a run on the virtual clock: one JSON line per handled event,
// with the state of its window after the handler, what it changed in other
// windows, and the sounds, music and network texts it caused.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "ui/driver.h"

namespace ui {

class Program;

class TraceWriter {
 public:
  // `instance` is "A" or "B" in a two-instance run, empty otherwise.
  TraceWriter(std::ostream& out, std::string instance = {});
  void attach(Program& program) { program_ = &program; }

  void eventStarted(const Happening& h);
  void windowLoading(Window& w);
  void windowLoaded(Window& w);
  void windowUnloading(Window& w);
  void windowUnloaded(Window& w);
  void eventFinished(const Happening& h);
  void programEnded();

  void sound(const std::string& name) { top().sounds.push_back(name); }
  void music(const std::string& file) { top().music.push_back(file); }
  void net(const std::string& text) { top().net.push_back(text); }
  void shell(const std::string& address) { top().shell.push_back(address); }

 private:
  struct Frame {
    std::vector<std::string> sounds, music, net, shell;
  };
  Frame& top();
  Frame pop();
  std::string head(const char* event, const Window* w);
  void tail(std::string& line, const Frame& f);
  std::string state(const Window& w) const;

  std::ostream& out_;
  std::string instance_;
  Program* program_ = nullptr;
  std::vector<Frame> frames_;
  std::map<const Window*, std::string> before_;
};

}  // namespace ui
