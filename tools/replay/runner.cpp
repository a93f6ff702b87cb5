#include "tools/replay/runner.h"

#include <algorithm>
#include <limits>

#include "ui/virtual/session.h"

namespace replay {

namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();

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

}  // namespace

int run(const Options& opt, const std::vector<ScriptLine>& script,
        const std::function<void(ui::Program&)>& addWindows, std::ostream* trace,
        const PngWriter& png, std::string& error) {
  std::int64_t clock = 0;
  ui::VirtualSession session(clock, addWindows, opt.folder, trace);
  ui::Program& program = session.program();

  ui::Window* first = program.find(opt.screen);
  if (first == nullptr) {
    error = "no window " + opt.screen;
    return 2;
  }
  for (const auto& [name, value] : opt.sets) {
    if (!program.globals().set(name, value) && !first->vars().set(name, value)) {
      error = "--set: " + opt.screen + " has no setting or variable " + name;
      return 2;
    }
  }

  std::int64_t until = opt.until.value_or(script.empty() ? 0 : script.back().t);
  if (!opt.until)
    for (const auto& [t, file] : opt.pngs) until = std::max(until, t);

  auto pngs = opt.pngs;
  std::stable_sort(pngs.begin(), pngs.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  program.start(*first);
  std::size_t next = 0, nextPng = 0;
  while (!program.ended()) {
    std::int64_t t = kNever;
    if (next < script.size()) t = script[next].t;
    const std::int64_t due = program.nextDue();
    if (due >= 0) t = std::min(t, due);
    if (nextPng < pngs.size()) t = std::min(t, pngs[nextPng].first);
    if (t == kNever || t > until) break;
    clock = std::max(clock, t);

    while (next < script.size() && script[next].t == clock && !program.ended())
      if (!apply(program, script[next++], error)) return 2;
    program.runTimers(clock);
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
  return 0;
}

}  // namespace replay
