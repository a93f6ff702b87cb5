// Small windows made for testing the screen toolkit: a hub with a button
// that shows a dialog modally, a dialog that can fail and show itself again,
// and a window with timers. Each records what its handlers did.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/keys.h"
#include "ui/program.h"
#include "ui/window.h"

namespace toy {

inline std::vector<std::string>* gLog = nullptr;
inline void log(const std::string& s) {
  if (gLog) gLog->push_back(s);
}

class Hub : public ui::Window {
 public:
  explicit Hub(ui::Program& p) : Window(p, "Hub") {
    var("clicks", clicks);
    on(ui::Event::Load, "", [] { log("Hub.Load"); });
    on(ui::Event::Unload, "", [this] {
      log("Hub.Unload");
      program().end();
    });
    on(ui::Event::Click, "Open", [this] {
      ++clicks;
      log("Hub.Open:before");
      program().show(program().window("Dialog"), ui::ShowMode::Modal, [this] {
        log("Hub.Open:after");
        el("Status").Caption = "back";
      });
    });
    on(ui::Event::Click, "Count", [this] { ++clicks; });
    on(ui::Event::Click, "Quit", [this] {
      log("Hub.Quit:before");
      program().end();
      log("Hub.Quit:after");
    });
  }
  const ui::Design& design() const override {
    static const ui::Design d{"Hub",
                              3000,
                              2000,
                              "",
                              0,
                              {
                                  ui::button("Open", 0, 0, 900, 300, "Open"),
                                  ui::button("Count", 0, 400, 900, 300, "Count"),
                                  ui::button("Hidden", 0, 800, 900, 300, "Hidden").hidden(),
                                  ui::label("Status", 0, 1200, 900, 300).caption("home"),
                                  ui::button("Quit", 1000, 0, 900, 300, "Quit"),
                              }};
    return d;
  }
  std::int16_t clicks = 0;
};

// Space closes it; when `pass` is 0 it shows itself again at once, as a
// failed race does.
class Dialog : public ui::Window {
 public:
  explicit Dialog(ui::Program& p) : Window(p, "Dialog") {
    var("pass", pass);
    var("loads", loads);
    on(ui::Event::Load, "", [this] {
      ++loads;
      log("Dialog.Load");
    });
    onKey(ui::Event::KeyDown, "Area", [this](int code) {
      if (code != ui::vk::kSpace) return;
      program().unload(*this);
      if (pass == 0) program().show(*this, ui::ShowMode::Modal);
      log("Dialog.Space:end");
    });
    on(ui::Event::Click, "Hide", [this] { program().hide(*this); });
  }
  const ui::Design& design() const override {
    static const ui::Design d{"Dialog",
                              2000,
                              1500,
                              "",
                              0,
                              {
                                  ui::pictureArea("Area", 0, 0, 1500, 1000),
                                  ui::image("Car", 100, 100, 300, 400).in("Area").picture("car"),
                                  ui::label("Message", 0, 1100, 1500, 300).caption("ready"),
                                  ui::button("Hide", 1600, 0, 300, 300, "x"),
                              }};
    return d;
  }
  std::int16_t pass = 1;
  std::int16_t loads = 0;
};

// Timers named as a race screen names them; each tick is logged with the
// time it ran at.
class Clocks : public ui::Window {
 public:
  explicit Clocks(ui::Program& p, std::string name = "Clocks") : Window(p, std::move(name)) {
    for (const char* t : {"Timer1", "Timer2", "Timer10"})
      on(ui::Event::Timer, t,
         [this, t] { log(this->name() + "." + t + "@" + std::to_string(program().now())); });
  }
  const ui::Design& design() const override {
    static const ui::Design d{"Clocks",
                              1000,
                              1000,
                              "",
                              0,
                              {
                                  ui::timer("Timer10", 100, false),
                                  ui::timer("Timer2", 100, false),
                                  ui::timer("Timer1", 100, false),
                              }};
    return d;
  }
};

// Logs every key, click and edit, as the desktop delivers them.
class Keys : public ui::Window {
 public:
  explicit Keys(ui::Program& p) : Window(p, "Keys") {
    onKey(ui::Event::KeyDown, "Area", [](int c) { log("down " + std::to_string(c)); });
    onKey(ui::Event::KeyUp, "Area", [](int c) { log("up " + std::to_string(c)); });
    on(ui::Event::Click, "Go", [this] { el("Said").Caption = "clicked"; });
    on(ui::Event::Change, "Name", [this] { log("text " + el("Name").Text); });
    on(ui::Event::Timer, "Timer1", [this] { log("tick@" + std::to_string(program().now())); });
  }
  const ui::Design& design() const override {
    static const ui::Design d{"Keys",
                              3000,
                              2000,
                              "",
                              0,
                              {
                                  ui::pictureArea("Area", 0, 0, 1500, 1500).tab(0),
                                  ui::button("Go", 1600, 0, 900, 375, "Go").tab(1),
                                  ui::textBox("Name", 1600, 500, 1200, 375).tab(2),
                                  ui::label("Said", 1600, 1000, 1200, 375).caption("waiting"),
                                  ui::timer("Timer1", 25, false),
                              }};
    return d;
  }
};

inline void addAll(ui::Program& p) {
  p.add<Keys>();
  p.add<Hub>();
  p.add<Dialog>();
  p.add<Clocks>();
  p.add<Clocks>("Clocks2");
}

}  // namespace toy
