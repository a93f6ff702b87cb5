#include "ui/element.h"

#include "ui/program.h"
#include "ui/window.h"

namespace ui {

const char* kindName(Kind kind) {
  switch (kind) {
    case Kind::Image:
      return "image";
    case Kind::PictureArea:
      return "picture area";
    case Kind::Label:
      return "label";
    case Kind::TextBox:
      return "text box";
    case Kind::Button:
      return "button";
    case Kind::OptionButton:
      return "option button";
    case Kind::Frame:
      return "frame";
    case Kind::ComboBox:
      return "combo box";
    case Kind::Timer:
      return "timer";
    case Kind::Socket:
      return "socket";
  }
  return "?";
}

Element::Element(Kind k, std::string n, int i) : kind(k), name(std::move(n)), index(i) {}

void Element::setEnabled(bool on) {
  const bool was = enabled_;
  enabled_ = on;
  if (kind == Kind::Timer && owner_ != nullptr) owner_->program().timerChanged(*this, on && !was);
}

void Element::setInterval(int ms) {
  interval_ = ms;
  if (kind == Kind::Timer && owner_ != nullptr) owner_->program().timerChanged(*this, enabled_);
}

std::string Element::id() const {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

float Element::scaleHeight() const {
  if (CustomScaleHeight >= 0) return CustomScaleHeight;
  return Border ? Height - 60.0f : Height;
}

bool Element::takesFocus() const {
  switch (kind) {
    case Kind::PictureArea:
    case Kind::TextBox:
    case Kind::Button:
    case Kind::OptionButton:
    case Kind::ComboBox:
      return Focusable && Visible && enabled_;
    default:
      return false;
  }
}

namespace {
Element make(Kind kind, std::string name, float l, float t, float w, float h, int index) {
  Element e(kind, std::move(name), index);
  e.Left = l;
  e.Top = t;
  e.Width = w;
  e.Height = h;
  return e;
}
}  // namespace

Element image(std::string name, float l, float t, float w, float h, int index) {
  return make(Kind::Image, std::move(name), l, t, w, h, index);
}

Element pictureArea(std::string name, float l, float t, float w, float h) {
  Element e = make(Kind::PictureArea, std::move(name), l, t, w, h, -1);
  e.BackColor = colour::kButtonFace;
  e.BackOpaque = true;
  return e;
}

Element label(std::string name, float l, float t, float w, float h, int index) {
  return make(Kind::Label, std::move(name), l, t, w, h, index);
}

Element textBox(std::string name, float l, float t, float w, float h) {
  Element e = make(Kind::TextBox, std::move(name), l, t, w, h, -1);
  e.BackColor = colour::kWhite;
  e.Border = true;
  return e;
}

Element button(std::string name, float l, float t, float w, float h, std::string caption,
               int index) {
  Element e = make(Kind::Button, std::move(name), l, t, w, h, index);
  e.Caption = std::move(caption);
  return e;
}

Element optionButton(std::string name, float l, float t, float w, float h, std::string caption) {
  Element e = make(Kind::OptionButton, std::move(name), l, t, w, h, -1);
  e.Caption = std::move(caption);
  return e;
}

Element frame(std::string name, float l, float t, float w, float h, std::string caption) {
  Element e = make(Kind::Frame, std::move(name), l, t, w, h, -1);
  e.Caption = std::move(caption);
  return e;
}

Element comboBox(std::string name, float l, float t, float w, float h) {
  Element e = make(Kind::ComboBox, std::move(name), l, t, w, h, -1);
  e.BackColor = colour::kWhite;
  return e;
}

Element timer(std::string name, int intervalMs, bool enabled) {
  Element e(Kind::Timer, std::move(name));
  e.Visible = false;
  e.interval_ = intervalMs;
  e.enabled_ = enabled;
  return e;
}

Element socket(std::string name) {
  Element e(Kind::Socket, std::move(name));
  e.Visible = false;
  return e;
}

}  // namespace ui
