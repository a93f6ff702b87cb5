#include "ui/window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "media/media.h"
#include "ui/program.h"

namespace ui {

Window::Window(Program& program, std::string name) : program_(program), name_(std::move(name)) {}

Window::~Window() = default;

Element* Window::find(std::string_view name, int index) {
  for (auto& e : elements_)
    if (e.index == index && e.name == name) return &e;
  return nullptr;
}

Element& Window::el(std::string_view name, int index) {
  if (Element* e = find(name, index)) return *e;
  std::fprintf(stderr, "driftwing: %s has no element %.*s(%d)%s\n", name_.c_str(),
               static_cast<int>(name.size()), name.data(), index,
               loaded_ ? "" : " (the window is not loaded)");
  std::abort();
}

Element* Window::focused() {
  if (focus_ < 0 || focus_ >= static_cast<int>(elements_.size())) return nullptr;
  return &elements_[focus_];
}

void Window::setFocus(Element* e) {
  focus_ = e == nullptr ? -1 : static_cast<int>(e - elements_.data());
}

void Window::build() {
  const Design& d = design();
  Caption = d.caption;
  elements_ = d.elements;
  for (auto& e : elements_) {
    e.owner_ = this;
    e.due_ = -1;
  }
  // The keyboard focus starts on the first element in tab order that takes it.
  focus_ = -1;
  int best = 0;
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    if (!elements_[i].takesFocus()) continue;
    if (focus_ < 0 || elements_[i].tabIndex < best) {
      focus_ = static_cast<int>(i);
      best = elements_[i].tabIndex;
    }
  }
}

void Window::discard() {
  elements_.clear();
  focus_ = -1;
}

void Window::on(Event ev, std::string element, std::function<void()> fn) {
  handlers_[{ev, std::move(element)}] = [fn = std::move(fn)](const EventArgs&) { fn(); };
}

void Window::onIndexed(Event ev, std::string element, std::function<void(int)> fn) {
  handlers_[{ev, std::move(element)}] = [fn = std::move(fn)](const EventArgs& a) { fn(a.index); };
}

void Window::onKey(Event ev, std::string element, std::function<void(int)> fn) {
  handlers_[{ev, std::move(element)}] = [fn = std::move(fn)](const EventArgs& a) { fn(a.code); };
}

void Window::onArgs(Event ev, std::string element, std::function<void(const EventArgs&)> fn) {
  handlers_[{ev, std::move(element)}] = std::move(fn);
}

bool Window::hasHandler(Event ev, std::string_view elementName) const {
  return handlers_.count({ev, std::string(elementName)}) != 0;
}

bool Window::handle(Event ev, Element* source, const EventArgs& args) {
  auto it = handlers_.find({ev, source == nullptr ? std::string() : source->name});
  if (it == handlers_.end()) return false;
  it->second(args);
  return true;
}

void Window::playWave(const std::string& name) { program_.media().playWave(name); }
void Window::setMusic(const std::string& file) { program_.media().setMusic(file); }
int Window::deviceCount() { return program_.media().deviceCount(); }

}  // namespace ui
