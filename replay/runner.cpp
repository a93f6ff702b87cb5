#include "replay/runner.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "net/net_state.h"
#include "net/sim_network.h"
#include "ui/virtual/session.h"

namespace replay {

namespace {
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
}  // namespace

// Applies one script line to the program; false when it cannot be applied.
bool apply(ui::Program& p, const ScriptLine& line, std::string& error) {
  auto fail = [&](const std::string& why) {
    error = "script line " + std::to_string(line.lineNo) + ": " + why;
    return false;
  };
  ui::Window* w = line.window.empty() ? p.front() : p.find(line.window);
  if (w == nullptr)
    return fail(line.window.empty() ? "no window is in front" : "no window " + line.window);
  if (line.event == "keydown") {
    p.keyDown(*w, line.code);
    return true;
  }
  if (line.event == "keyup") {
    p.keyUp(*w, line.code);
    return true;
  }
  if (line.event == "blur") {
    p.blur(*w);
    return true;
  }
  if (line.event == "close") {
    p.close(*w);
    return true;
  }
  if (!w->loaded()) return fail(w->name() + " is not loaded");
  ui::Element* e = w->find(line.element, line.index);
  if (e == nullptr) {
    std::string id = line.element;
    if (line.index >= 0) id += "(" + std::to_string(line.index) + ")";
    return fail(w->name() + " has no element " + id);
  }
  if (line.event == "click") {
    p.click(*w, *e);
  } else if (line.event == "dblclick") {
    p.dblClick(*w, *e);
  } else if (line.event == "option") {
    if (e->kind != ui::Kind::OptionButton) return fail(e->id() + " is not an option button");
    p.option(*w, *e);
  } else if (line.event == "focus") {
    p.focus(*w, *e);
  } else if (line.event == "text") {
    if (e->kind != ui::Kind::TextBox && e->kind != ui::Kind::ComboBox)
      return fail(e->id() + " is not a text box or combo");
    p.text(*w, *e, line.text);
  }
  return true;
}

bool setAtStart(const Options& opt, ui::Program& program, ui::Window& start, std::string& error) {
  for (const auto& setting : opt.sets) {
    const std::string wrong = ui::setAtStart(program.globals(), start.vars(), opt.screen, setting);
    if (!wrong.empty()) {
      error = "--set: " + wrong;
      return false;
    }
  }
  return true;
}

int run(const Options& opt, const std::vector<ScriptLine>& script,
        const std::function<void(ui::Program&)>& addWindows, std::ostream* trace,
        const PngWriter& png, std::string& error) {
  std::int64_t clock = 0;
  const bool two = opt.peerScript.has_value();
  net::SimNetwork network(clock, std::max(1, opt.latency));

  // One program per instance; with a peer, trace lines say which is which.
  struct Instance {
    std::unique_ptr<ui::VirtualSession> session;
    const std::vector<ScriptLine>* script;
    std::size_t next = 0;
    ui::Window* first = nullptr;
  };
  std::vector<Instance> instances;
  for (int i = 0; i < (two ? 2 : 1); ++i) {
    Instance in;
    in.session = std::make_unique<ui::VirtualSession>(clock, addWindows, opt.folder, trace,
                                                      two ? (i == 0 ? "A" : "B") : "");
    in.script = i == 0 ? &script : &*opt.peerScript;
    if (two)
      in.session->program().module<net::NetState>().makeSocket = [&network, i] {
        return network.socketFor(i);
      };
    const std::string screen = i == 1 && !opt.peerScreen.empty() ? opt.peerScreen : opt.screen;
    in.first = in.session->program().find(screen);
    if (in.first == nullptr) {
      error = "no window " + screen;
      return 2;
    }
    instances.push_back(std::move(in));
  }
  ui::Program& program = instances[0].session->program();
  if (!setAtStart(opt, program, *instances[0].first, error)) return 2;

  std::int64_t until = opt.until.value_or(0);
  if (!opt.until) {
    for (const auto& in : instances)
      if (!in.script->empty()) until = std::max(until, in.script->back().t);
    for (const auto& [t, file] : opt.pngs) until = std::max(until, t);
  }

  auto pngs = opt.pngs;
  std::stable_sort(pngs.begin(), pngs.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  for (auto& in : instances) in.session->program().start(*in.first);
  auto allEnded = [&] {
    for (const auto& in : instances)
      if (!in.session->ended()) return false;
    return true;
  };
  std::size_t nextPng = 0;
  while (!allEnded()) {
    std::int64_t t = kNever;
    for (const auto& in : instances) {
      if (in.session->ended()) continue;
      if (in.next < in.script->size()) t = std::min(t, (*in.script)[in.next].t);
      const std::int64_t due = in.session->program().nextDue();
      if (due >= 0) t = std::min(t, due);
    }
    if (const std::int64_t arrival = network.nextDelivery(); two && arrival >= 0)
      t = std::min(t, arrival);
    if (nextPng < pngs.size()) t = std::min(t, pngs[nextPng].first);
    if (t == kNever || t > until) break;
    clock = std::max(clock, t);

    // At one millisecond: script lines (A, then B), arrivals, then timers.
    for (auto& in : instances)
      while (in.next < in.script->size() && (*in.script)[in.next].t == clock &&
             !in.session->ended())
        if (!apply(in.session->program(), (*in.script)[in.next++], error)) return 2;
    if (two)
      for (int i = 0; i < 2; ++i)
        if (!instances[i].session->ended()) network.deliver(clock, i);
    for (auto& in : instances)
      if (!in.session->ended()) in.session->program().runTimers(clock);
    while (nextPng < pngs.size() && pngs[nextPng].first == clock) {
      const auto& file = pngs[nextPng++].second;
      ui::Window* front = program.front();
      if (front == nullptr) {
        error = "--png " + file + ": no window is shown at " + std::to_string(clock) + " ms";
        return 2;
      }
      if (!png(*front, opt.scale, file, error)) return 2;
    }
  }
  if (opt.atEnd) opt.atEnd(program);
  return 0;
}

}  // namespace replay
