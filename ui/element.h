// The element model: every window is a set of named elements with plain
// properties. The logic reads and writes these properties; the desktop
// driver draws windows from them. Positions are twips (15 to a pixel at
// scale 1), relative to the element's container.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

class Window;

enum class Kind {
  Image,        // a sprite showing a picture
  PictureArea,  // a picture box: shows a picture, holds other elements, takes key focus
  Label,
  TextBox,
  Button,
  OptionButton,
  Frame,     // a captioned group around other elements
  ComboBox,  // an editable text box with a drop-down list
  Timer,
  Socket,  // a network endpoint; never drawn
};

const char* kindName(Kind kind);

// Colours are 24-bit values with red in the low byte.
namespace colour {
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kYellow = 0x00FFFF;
constexpr std::int32_t kButtonFace = 0xF0F0F0;
constexpr std::int32_t rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
}  // namespace colour

enum class Align { Left, Right, Center };

// How the desktop draws a text box or a label: as a desktop control, or as
// part of the game's own picture. Only ever drawn, never traced.
enum class Skin {
  Plain,    // a text box the player can select from; a label's bare text
  Readout,  // a locked text box drawn as a game readout: no caret, no selection, no focus
  Banner,   // a label on a banner of its own, for a message across the field
};

class Element {
 public:
  Element() = default;
  Element(Kind kind, std::string name, int index = -1);

  // Identity.
  Kind kind = Kind::Label;
  std::string name;
  int index = -1;         // position in an element array, -1 when not in one
  std::string container;  // id of the picture area or frame that holds it; empty: the window
  int tabIndex = 0;       // order of keyboard focus within the window

  // Properties the game uses, by their design names.
  float Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  std::string Caption;
  std::string Text;
  std::string Picture;  // name of the picture shown; empty for none
  std::int32_t ForeColor = colour::kBlack;
  std::int32_t BackColor = colour::kButtonFace;
  bool BackOpaque = false;  // paint BackColor behind the caption or picture
  float FontSize = 9.0f;
  bool FontBold = false;
  Align Alignment = Align::Left;
  bool Value = false;            // option buttons: chosen
  bool MultiLine = false;        // text boxes
  bool Border = false;           // picture areas and text boxes: a sunken frame
  bool Locked = false;           // text boxes: shown, but the player cannot type in them
  float CustomScaleHeight = -1;  // picture areas: a scale of their own, -1 for none
  bool Stretch = true;           // images: stretch the picture to Width x Height
  bool Focusable = true;         // false: clicks and Tab never give it the keyboard focus
  Skin skin = Skin::Plain;       // text boxes and labels: how the desktop draws them

  // Enabled and Interval go through setters: a timer reschedules itself
  // the moment either changes.
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  int interval() const { return interval_; }
  void setInterval(int ms);

  // "Label5(0)" for an array element, "Label5" otherwise.
  std::string id() const;
  // Inner height of a picture area: its own scale when it has one, else its
  // height without its frame.
  float scaleHeight() const;
  bool takesFocus() const;

  // Design-time helpers, chained: label("L", ...).caption("x").font(12)
  Element& caption(std::string s) {
    Caption = std::move(s);
    return *this;
  }
  Element& text(std::string s) {
    Text = std::move(s);
    return *this;
  }
  Element& picture(std::string s) {
    Picture = std::move(s);
    return *this;
  }
  Element& font(float size, bool bold = false) {
    FontSize = size;
    FontBold = bold;
    return *this;
  }
  Element& fore(std::int32_t c) {
    ForeColor = c;
    return *this;
  }
  // Picture areas: no background of their own, only the picture.
  Element& seeThrough() {
    BackOpaque = false;
    return *this;
  }
  Element& back(std::int32_t c) {
    BackColor = c;
    BackOpaque = true;
    return *this;
  }
  Element& hidden() {
    Visible = false;
    return *this;
  }
  Element& disabled() {
    enabled_ = false;
    return *this;
  }
  Element& in(std::string containerId) {
    container = std::move(containerId);
    return *this;
  }
  Element& align(Align a) {
    Alignment = a;
    return *this;
  }
  Element& multiLine() {
    MultiLine = true;
    return *this;
  }
  Element& locked() {
    Locked = true;
    return *this;
  }
  Element& scaledTo(float height) {
    CustomScaleHeight = height;
    return *this;
  }
  Element& bordered() {
    Border = true;
    return *this;
  }
  Element& unstretched() {
    Stretch = false;
    return *this;
  }
  Element& chosen() {
    Value = true;
    return *this;
  }
  // A box to read (and select from with the mouse), never to type in: the
  // keys stay where they are, on the road in a race.
  Element& unfocusable() {
    Focusable = false;
    return *this;
  }
  Element& tab(int i) {
    tabIndex = i;
    return *this;
  }
  Element& skinned(Skin s) {
    skin = s;
    return *this;
  }

 private:
  friend class Window;
  friend class Program;
  friend Element timer(std::string name, int intervalMs, bool enabled);
  bool enabled_ = true;
  int interval_ = 0;
  Window* owner_ = nullptr;  // set while the element is loaded
  std::int64_t due_ = -1;    // timers: virtual or wall time of the next tick, -1 when idle
};

// Design builders: positions and sizes in twips.
Element image(std::string name, float left, float top, float width, float height, int index = -1);
Element pictureArea(std::string name, float left, float top, float width, float height);
Element label(std::string name, float left, float top, float width, float height, int index = -1);
Element textBox(std::string name, float left, float top, float width, float height);
Element button(std::string name, float left, float top, float width, float height,
               std::string caption, int index = -1);
Element optionButton(std::string name, float left, float top, float width, float height,
                     std::string caption);
Element frame(std::string name, float left, float top, float width, float height,
              std::string caption);
Element comboBox(std::string name, float left, float top, float width, float height);
Element timer(std::string name, int intervalMs, bool enabled);
Element socket(std::string name);

}  // namespace ui
