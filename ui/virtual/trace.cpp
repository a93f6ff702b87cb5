#include "ui/virtual/trace.h"

#include "ui/json.h"
#include "ui/program.h"

namespace ui {

TraceWriter::TraceWriter(std::ostream& out, std::string instance)
    : out_(out), instance_(std::move(instance)) {}

TraceWriter::Frame& TraceWriter::top() {
  if (frames_.empty()) frames_.emplace_back();
  return frames_.back();
}

TraceWriter::Frame TraceWriter::pop() {
  if (frames_.empty()) return {};
  Frame f = std::move(frames_.back());
  frames_.pop_back();
  return f;
}

std::string TraceWriter::state(const Window& w) const {
  return varsJson(w.vars()) + elementsJson(w);
}

std::string TraceWriter::head(const char* event, const Window* w) {
  std::string line = "{\"t\": " + std::to_string(program_->now());
  if (!instance_.empty()) {
    line += ", \"instance\": ";
    appendJsonString(line, instance_);
  }
  line += ", \"event\": ";
  appendJsonString(line, event);
  if (w != nullptr) {
    line += ", \"window\": ";
    appendJsonString(line, w->name());
  }
  return line;
}

namespace {
void list(std::string& line, const char* key, const std::vector<std::string>& items) {
  line += ", \"";
  line += key;
  line += "\": [";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) line += ", ";
    appendJsonString(line, items[i]);
  }
  line += ']';
}
}  // namespace

void TraceWriter::tail(std::string& line, const Frame& f) {
  list(line, "sounds", f.sounds);
  list(line, "music", f.music);
  list(line, "net", f.net);
  if (!f.shell.empty()) list(line, "shell", f.shell);
  line += "}\n";
  out_ << line;
  out_.flush();
}

namespace {
void common(std::string& line, Program& p, const Window& w, bool withElements) {
  line += ", \"front\": ";
  if (Window* f = p.front())
    appendJsonString(line, f->name());
  else
    line += "null";
  line += ", \"globals\": " + varsJson(p.globals());
  line += ", \"vars\": " + varsJson(w.vars());
  if (withElements) line += ", \"elements\": " + elementsJson(w);
}
}  // namespace

void TraceWriter::eventStarted(const Happening&) {
  frames_.emplace_back();
  before_.clear();
  for (const auto& w : program_->windows())
    if (w->loaded()) before_[w.get()] = state(*w);
}

void TraceWriter::windowLoading(Window&) { frames_.emplace_back(); }

void TraceWriter::windowLoaded(Window& w) {
  Frame f = pop();
  std::string line = head("load", &w);
  common(line, *program_, w, true);
  line += ", \"changed\": {}";
  tail(line, f);
  before_[&w] = state(w);
}

void TraceWriter::windowUnloading(Window&) { frames_.emplace_back(); }

void TraceWriter::windowUnloaded(Window& w) {
  Frame f = pop();
  std::string line = head("unload", &w);
  common(line, *program_, w, false);
  tail(line, f);
  before_.erase(&w);
}

void TraceWriter::eventFinished(const Happening& h) {
  Frame f = pop();
  if (h.kind.empty()) return;  // the program's start has no line of its own
  std::string line = head(h.kind.c_str(), h.window);
  if (!h.source.empty()) {
    line += ", \"source\": ";
    appendJsonString(line, h.source);
  }
  if (h.code >= 0) line += ", \"code\": " + std::to_string(h.code);
  if (h.bytes >= 0) {
    line += ", \"data\": ";
    appendJsonString(line, h.data);
    line += ", \"bytes\": " + std::to_string(h.bytes);
  }
  common(line, *program_, *h.window, h.window->loaded());
  if (!h.window->loaded()) line += ", \"elements\": {}";
  line += ", \"changed\": {";
  bool first = true;
  for (const auto& w : program_->windows()) {
    if (w.get() == h.window || !w->loaded()) continue;
    std::string now = state(*w);
    auto it = before_.find(w.get());
    if (it != before_.end() && it->second == now) continue;
    if (!first) line += ", ";
    first = false;
    appendJsonString(line, w->name());
    line += ": {\"vars\": " + varsJson(w->vars()) + ", \"elements\": " + elementsJson(*w) + "}";
  }
  line += '}';
  tail(line, f);
}

void TraceWriter::programEnded() {
  std::string line = head("end", nullptr);
  line += "}\n";
  out_ << line;
  out_.flush();
}

}  // namespace ui
