// A window of the game: its design (written once, as data), its elements
// while loaded, its screen-level variables and its event handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/element.h"
#include "ui/vars.h"

namespace ui {

class Program;
struct PadBinding;  // ui/pad_bindings.h
using PadBindings = std::vector<PadBinding>;

enum class Event {
  Load,
  Unload,
  Click,
  DblClick,
  KeyDown,
  KeyUp,
  Change,  // the user edited a text box or combo
  GotFocus,
  LostFocus,
  Timer,
  ConnectionRequest,
  Connect,
  DataArrival,
};

struct EventArgs {
  int index = -1;  // element array index of the source
  int code = 0;    // key code, or a byte count for data arrivals
};

// The design of a window: what a load builds.
struct Design {
  std::string caption;
  int width = 0;        // client area, twips
  int height = 0;       // client area, twips
  std::string picture;  // background picture, drawn from the top-left corner
  std::int32_t backColor = colour::kButtonFace;
  std::vector<Element> elements;
};

class Window {
 public:
  Window(Program& program, std::string name);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& name() const { return name_; }
  Program& program() const { return program_; }
  virtual const Design& design() const = 0;
  // The background picture shown now: the design's, unless the window
  // dresses itself for the moment. Only ever drawn, never traced.
  virtual std::string backdrop() const { return design().picture; }
  // The window's keys on the gamepads; none unless it plays with pads.
  virtual const PadBindings* padBindings() const { return nullptr; }

  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }
  // True when the player closed the window with its close control since it
  // was last loaded, rather than the game closing it.
  bool closedByPlayer() const { return closedByPlayer_; }
  std::string Caption;  // the window's title bar

  // Elements exist only while the window is loaded. Looking up an element
  // the design does not have is a programming error and aborts.
  Element& el(std::string_view name, int index = -1);
  Element* find(std::string_view name, int index = -1);
  std::vector<Element>& elements() { return elements_; }
  const std::vector<Element>& elements() const { return elements_; }

  // The element with the keyboard focus, or nullptr.
  Element* focused();
  void setFocus(Element* e);

  const VarTable& vars() const { return vars_; }
  VarTable& vars() { return vars_; }

  // Runs the handler registered for an event; false when there is none.
  bool handle(Event ev, Element* source, const EventArgs& args);
  bool hasHandler(Event ev, std::string_view elementName) const;

 protected:
  // Screen-level variables, registered in the constructor.
  template <class T>
  void var(std::string name, T& v) {
    vars_.add(std::move(name), v);
  }
  // Handlers, registered in the constructor. An empty element name stands
  // for the window itself (Form_Load, Form_KeyDown, Form_LostFocus).
  void on(Event ev, std::string element, std::function<void()> fn);
  void onIndexed(Event ev, std::string element, std::function<void(int index)> fn);
  void onKey(Event ev, std::string element, std::function<void(int code)> fn);
  void onArgs(Event ev, std::string element, std::function<void(const EventArgs&)> fn);

  // Shortcuts to the program, for handlers.
  void playWave(const std::string& name);
  void setMusic(const std::string& file);
  int deviceCount();

 private:
  friend class Program;
  void build();    // elements from the design
  void discard();  // drop the elements

  Program& program_;
  std::string name_;
  bool loaded_ = false;
  bool visible_ = false;
  bool closedByPlayer_ = false;
  std::uint64_t loadSeq_ = 0;  // order of loading, for timer order
  std::uint64_t zSeq_ = 0;     // order of showing, for the front window
  int focus_ = -1;
  std::vector<Element> elements_;
  VarTable vars_;
  std::map<std::pair<Event, std::string>, std::function<void(const EventArgs&)>> handlers_;
};

}  // namespace ui
