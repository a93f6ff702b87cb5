#include "ui/program.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "media/media.h"

namespace ui {

namespace {

// What the trace records of one event: its name, window, element and key.
Happening happening(std::string kind, Window& w, std::string source = {}, int code = -1) {
  Happening h;
  h.kind = std::move(kind);
  h.window = &w;
  h.source = std::move(source);
  h.code = code;
  return h;
}

}  // namespace

Program::Program(Driver& driver, media::Media& media, Shell& shell, std::string folder)
    : driver_(driver), media_(media), shell_(shell), folder_(std::move(folder)) {}

Program::~Program() = default;

Window* Program::find(std::string_view name) const {
  for (const auto& w : windows_)
    if (w->name() == name) return w.get();
  return nullptr;
}

Window& Program::window(std::string_view name) const {
  if (Window* w = find(name)) return *w;
  std::fprintf(stderr, "driftwing: no window %.*s\n", static_cast<int>(name.size()), name.data());
  std::abort();
}

// ---- window life ---------------------------------------------------------

void Program::start(Window& first) {
  dispatch(happening("", first), [&] { show(first); });
}

void Program::load(Window& w) {
  if (w.loaded_ || ended_) return;
  w.build();
  w.loaded_ = true;
  w.closedByPlayer_ = false;
  w.loadSeq_ = ++loadCounter_;
  const std::int64_t t = now();
  for (auto& e : w.elements_)
    if (e.kind == Kind::Timer && e.enabled_ && e.interval_ > 0) e.due_ = t + e.interval_;
  driver_.windowLoading(w);
  w.handle(Event::Load, nullptr, {});
  driver_.windowLoaded(w);
  driver_.timersChanged();
}

void Program::show(Window& w, ShowMode mode, std::function<void()> then) {
  load(w);
  if (ended_ || !w.loaded_) return;
  w.visible_ = true;
  w.zSeq_ = ++zCounter_;
  if (mode == ShowMode::Modal) {
    auto it = std::find_if(modals_.begin(), modals_.end(),
                           [&](const ModalShow& m) { return m.window == &w; });
    if (it == modals_.end()) {
      modals_.push_back({&w, {std::move(then)}, false});
    } else if (it->closed) {
      // Closed and shown again in the same handler: the earlier show waits on.
      it->closed = false;
      it->then.insert(it->then.begin(), std::move(then));
    }
  }
  driver_.windowShown(w);
  if (mode == ShowMode::Modeless && then) then();
}

void Program::hide(Window& w) {
  if (!w.visible_) return;
  w.visible_ = false;
  driver_.windowHidden(w);
  closeModal(w);
}

void Program::unload(Window& w) {
  if (!w.loaded_) return;
  driver_.windowUnloading(w);
  w.handle(Event::Unload, nullptr, {});
  if (!w.loaded_) return;  // the unload handler unloaded it already
  const bool wasVisible = w.visible_;
  w.discard();
  w.loaded_ = false;
  w.visible_ = false;
  driver_.windowUnloaded(w);
  if (wasVisible) driver_.windowHidden(w);
  closeModal(w);
  driver_.timersChanged();
}

void Program::end() {
  ended_ = true;
  throw ProgramEnded{};
}

void Program::closeModal(Window& w) {
  for (auto& m : modals_)
    if (m.window == &w && !m.closed) m.closed = true;
}

// Runs the continuations of modal shows that have closed, innermost first.
void Program::settle() {
  while (!ended_) {
    auto it =
        std::find_if(modals_.rbegin(), modals_.rend(), [](const ModalShow& m) { return m.closed; });
    if (it == modals_.rend()) break;
    std::vector<std::function<void()>> then = std::move(it->then);
    modals_.erase(std::next(it).base());
    for (auto& f : then)
      if (f) f();
  }
}

void Program::checkLastWindow() {
  if (ended_) return;
  for (const auto& w : windows_)
    if (w->visible_) return;
  ended_ = true;
}

Window* Program::front() const {
  Window* best = nullptr;
  for (const auto& w : windows_)
    if (w->visible_ && (best == nullptr || w->zSeq_ > best->zSeq_)) best = w.get();
  return best;
}

bool Program::modalOpen() const {
  return std::any_of(modals_.begin(), modals_.end(), [](const ModalShow& m) { return !m.closed; });
}

bool Program::isModal(const Window& w) const {
  return std::any_of(modals_.begin(), modals_.end(),
                     [&](const ModalShow& m) { return m.window == &w && !m.closed; });
}

bool Program::accepts(const Window& w) const {
  if (!w.loaded_ || !w.visible_) return false;
  for (auto it = modals_.rbegin(); it != modals_.rend(); ++it) {
    if (it->closed) continue;
    return it->window == &w || w.zSeq_ > it->window->zSeq_;
  }
  return true;
}

bool Program::usable(const Window& w, const Element& e) const {
  if (!accepts(w) || !e.Visible || !e.enabled_) return false;
  // An element inside a hidden or disabled container cannot be reached either.
  const Element* inner = &e;
  for (int depth = 0; depth < 8 && !inner->container.empty(); ++depth) {
    const Element* outer = nullptr;
    for (const auto& c : w.elements_)
      if (c.id() == inner->container) outer = &c;
    if (outer == nullptr) break;
    if (!outer->Visible || !outer->enabled_) return false;
    inner = outer;
  }
  return true;
}

// ---- events ----------------------------------------------------------------

void Program::dispatch(const Happening& h, const std::function<void()>& body) {
  if (ended_) return;
  ++depth_;
  driver_.eventStarted(h);
  try {
    body();
    if (depth_ == 1) settle();
    checkLastWindow();
  } catch (const ProgramEnded&) {
    ended_ = true;
  }
  --depth_;
  driver_.eventFinished(h);
  if (ended_ && depth_ == 0) driver_.programEnded();
}

void Program::click(Window& w, Element& e) {
  dispatch(happening("click", w, e.id()), [&] {
    if (!usable(w, e)) return;
    if (e.takesFocus()) w.setFocus(&e);
    if (e.kind == Kind::OptionButton) {
      for (auto& o : w.elements_)
        if (o.kind == Kind::OptionButton && o.container == e.container) o.Value = false;
      e.Value = true;
    }
    w.handle(Event::Click, &e, {e.index, 0});
  });
}

void Program::dblClick(Window& w, Element& e) {
  dispatch(happening("dblclick", w, e.id()), [&] {
    if (usable(w, e)) w.handle(Event::DblClick, &e, {e.index, 0});
  });
}

void Program::keyEvent(Window& w, int code, Event ev, const char* kind) {
  Element* src = w.loaded_ ? w.focused() : nullptr;
  Happening h = happening(kind, w, src != nullptr ? src->id() : std::string(), code);
  dispatch(h, [&] {
    if (!accepts(w)) return;
    const EventArgs args{src != nullptr ? src->index : -1, code};
    // The window sees every key first, then the element with the focus.
    w.handle(ev, nullptr, args);
    if (src != nullptr && w.loaded_ && w.focused() == src && usable(w, *src))
      w.handle(ev, src, args);
  });
}

void Program::keyDown(Window& w, int code) { keyEvent(w, code, Event::KeyDown, "keydown"); }
void Program::keyUp(Window& w, int code) { keyEvent(w, code, Event::KeyUp, "keyup"); }

void Program::text(Window& w, Element& e, const std::string& value) {
  Happening h = happening("text", w, e.id());
  h.data = value;
  dispatch(h, [&] {
    if (!usable(w, e) || e.Locked || (e.kind != Kind::TextBox && e.kind != Kind::ComboBox)) return;
    e.Text = value;
    w.handle(Event::Change, &e, {e.index, 0});
  });
}

void Program::option(Window& w, Element& e) {
  if (e.kind != Kind::OptionButton) {
    dispatch(happening("option", w, e.id()), [] {});
    return;
  }
  dispatch(happening("option", w, e.id()), [&] {
    if (!usable(w, e)) return;
    w.setFocus(&e);
    for (auto& o : w.elements_)
      if (o.kind == Kind::OptionButton && o.container == e.container) o.Value = false;
    e.Value = true;
    w.handle(Event::Click, &e, {e.index, 0});
  });
}

void Program::focus(Window& w, Element& e) {
  dispatch(happening("focus", w, e.id()), [&] {
    if (!usable(w, e) || !e.takesFocus()) return;
    Element* old = w.focused();
    if (old == &e) return;
    if (old != nullptr) w.handle(Event::LostFocus, old, {old->index, 0});
    if (!w.loaded_) return;
    w.setFocus(&e);
    w.handle(Event::GotFocus, &e, {e.index, 0});
  });
}

void Program::blur(Window& w) {
  dispatch(happening("blur", w), [&] {
    if (w.loaded_) w.handle(Event::LostFocus, nullptr, {});
  });
}

void Program::close(Window& w) {
  dispatch(happening("close", w), [&] {
    if (!accepts(w)) return;
    w.closedByPlayer_ = true;
    unload(w);
  });
}

void Program::socketEvent(Window& w, Element& e, Event ev, std::string kind, int arg,
                          const std::string* data, int bytes) {
  Happening h = happening(std::move(kind), w, e.id());
  if (data != nullptr) {
    h.data = *data;
    h.bytes = bytes;
  }
  dispatch(h, [&] {
    if (w.loaded_) w.handle(ev, &e, {e.index, arg});
  });
}

// ---- timers ----------------------------------------------------------------

void Program::timerChanged(Element& t, bool restart) {
  if (!t.enabled_ || t.interval_ <= 0)
    t.due_ = -1;
  else if (restart || t.due_ < 0)
    t.due_ = now() + t.interval_;
  driver_.timersChanged();
}

std::int64_t Program::nextDue() const {
  std::int64_t best = -1;
  if (ended_) return best;
  for (const auto& w : windows_) {
    if (!w->loaded_) continue;
    for (const auto& e : w->elements_)
      if (e.kind == Kind::Timer && e.due_ >= 0 && (best < 0 || e.due_ < best)) best = e.due_;
  }
  return best;
}

namespace {
// Timer1 before Timer2 before Timer10; a timer without a number sorts by design order.
long timerNumber(const std::string& name) {
  std::size_t i = name.size();
  while (i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1]))) --i;
  return i == name.size() ? -1 : std::strtol(name.c_str() + i, nullptr, 10);
}
}  // namespace

void Program::runTimers(std::int64_t t) {
  struct Due {
    std::int64_t due;
    std::uint64_t loadSeq;
    long number;
    std::size_t index;
    Window* window;
  };
  std::vector<Due> due;
  for (const auto& w : windows_) {
    if (!w->loaded_) continue;
    for (std::size_t i = 0; i < w->elements_.size(); ++i) {
      const Element& e = w->elements_[i];
      if (e.kind == Kind::Timer && e.due_ >= 0 && e.due_ <= t)
        due.push_back({e.due_, w->loadSeq_, timerNumber(e.name), i, w.get()});
    }
  }
  std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) {
    if (a.due != b.due) return a.due < b.due;
    if (a.loadSeq != b.loadSeq) return a.loadSeq < b.loadSeq;
    if (a.number != b.number) return a.number < b.number;
    return a.index < b.index;
  });
  for (const Due& d : due) {
    if (ended_) return;
    Window& w = *d.window;
    // An earlier handler may have unloaded the window or stopped the timer.
    if (!w.loaded_ || w.loadSeq_ != d.loadSeq || d.index >= w.elements_.size()) continue;
    Element& e = w.elements_[d.index];
    if (e.kind != Kind::Timer || e.due_ != d.due || !e.enabled_) continue;
    // Ticks that fell due while the program was busy merge into one.
    std::int64_t next = d.due + e.interval_;
    while (next <= t) next += e.interval_;
    e.due_ = next;
    dispatch(happening("tick", w, e.id()), [&] { w.handle(Event::Timer, &e, {e.index, 0}); });
  }
  driver_.timersChanged();
}

}  // namespace ui
