#include "replay/recorder.h"

#include <algorithm>
#include <optional>

#include "ui/program.h"
#include "ui/vars.h"
#include "ui/window.h"

namespace replay {

namespace {

// A whole-number variable as `--set` takes it; nothing for text, or for a
// setting that was never given a value.
std::optional<std::string> valueOf(const ui::VarTable::Entry& e) {
  using Type = ui::VarTable::Type;
  switch (e.type) {
    case Type::Int16:
      return std::to_string(e.at(0));
    case Type::OptionalInt16: {
      const auto& v = *static_cast<const std::optional<std::int16_t>*>(e.ptr);
      if (!v) return std::nullopt;
      return std::to_string(*v);
    }
    case Type::Int16Array: {
      // One value sets every element; different ones are listed in order.
      bool same = true;
      for (std::size_t i = 1; i < e.count; ++i) same = same && e.at(i) == e.at(0);
      std::string list = std::to_string(e.at(0));
      if (!same)
        for (std::size_t i = 1; i < e.count; ++i) list += "," + std::to_string(e.at(i));
      return list;
    }
    case Type::Text:
      return std::nullopt;
  }
  return std::nullopt;
}

std::string focusOf(ui::Window& w) {
  const ui::Element* e = w.loaded() ? w.focused() : nullptr;
  return e != nullptr ? e->id() : std::string();
}

}  // namespace

Recorder::Recorder(ui::Program& program, Records records, std::vector<std::string> settings,
                   Describe describe, Done done)
    : program_(program),
      records_(std::move(records)),
      describe_(std::move(describe)),
      done_(std::move(done)),
      settingNames_(std::move(settings)) {}

std::vector<std::pair<std::string, std::string>> Recorder::settingsOf(const ui::Window& w) const {
  std::vector<std::pair<std::string, std::string>> sets;
  for (const auto& e : program_.globals().entries()) {
    if (std::find(settingNames_.begin(), settingNames_.end(), e.name) == settingNames_.end())
      continue;  // the network race's: no part of a race on one desktop
    if (auto v = valueOf(e)) sets.emplace_back(e.name, *v);
  }
  for (const auto& e : w.vars().entries())
    if (auto v = valueOf(e)) sets.emplace_back(e.name, *v);
  return sets;
}

void Recorder::windowLoading(ui::Window& w, std::int64_t t) {
  if (!records_(w)) return;
  for (const Running& r : running_)
    if (r.window == &w) return;  // a failed stage loading again: the same race
  Running r{&w, {}, {}};
  r.take.screen = w.name();
  r.take.sets = settingsOf(w);
  r.take.startedAt = t;
  running_.push_back(std::move(r));
}

void Recorder::add(Running& r, std::int64_t t, const std::string& event) {
  r.take.lines.push_back(std::to_string(t - r.take.startedAt) + " " + event);
}

void Recorder::inputStarting(const ui::Happening& h, std::int64_t t) {
  for (Running& r : running_) {
    if (h.window != r.window) continue;
    // The focus moved quietly (the player clicked or tabbed): the replay
    // moves it first, so that keys reach the same element.
    if (const std::string now = focusOf(*r.window); now != r.focus && !now.empty()) {
      add(r, t, "focus " + now);
      r.focus = now;
    }
    const std::string& k = h.kind;
    if (k == "keydown" || k == "keyup")
      add(r, t, k + " " + std::to_string(h.code));
    else if (k == "click" || k == "dblclick" || k == "option" || k == "focus")
      add(r, t, k + " " + h.source);
    else if (k == "text")
      add(r, t, k + " " + h.source + " " + h.data);
    else if (k == "blur" || k == "close")
      add(r, t, k);
  }
}

void Recorder::windowUnloading(ui::Window& w) {
  for (Running& r : running_)
    if (r.window == &w) r.take.about = describe_(w);
}

void Recorder::eventDone(std::int64_t t) {
  for (std::size_t i = running_.size(); i-- > 0;) {
    Running& r = running_[i];
    if (!r.window->loaded() || !r.window->visible())
      finish(i, t);
    else
      r.focus = focusOf(*r.window);
  }
}

void Recorder::programEnded(std::int64_t t) { finishAll(t); }

void Recorder::finishAll(std::int64_t t) {
  for (std::size_t i = running_.size(); i-- > 0;) finish(i, t);
}

void Recorder::finish(std::size_t i, std::int64_t t) {
  Running r = std::move(running_[i]);
  running_.erase(running_.begin() + static_cast<std::ptrdiff_t>(i));
  if (r.window->loaded()) r.take.about = describe_(*r.window);
  r.take.length = t - r.take.startedAt;
  r.take.about.try_emplace("time", std::to_string(r.take.length));
  done_(std::move(r.take));
}

}  // namespace replay
