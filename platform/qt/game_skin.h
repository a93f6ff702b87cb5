// Text boxes and labels drawn as part of the game rather than as desktop
// controls: a readout for a locked box that only shows a number, and a
// banner behind a message shown across the field.
#pragma once

#include <QColor>
#include <QWidget>

#include "platform/qt/drawn.h"

namespace platform::qt {

// The house colours of the game's own plates (the shooter's instruments, the
// settings window): night glass, a brass rim, warm white text.
namespace skin {
inline const QColor kGlassTop(0x1c, 0x16, 0x3a);
inline const QColor kGlassFoot(0x09, 0x07, 0x16);
inline const QColor kRim(0xe8, 0xb0, 0x44);
inline const QColor kText(0xff, 0xf0, 0xc4);
}  // namespace skin

// A glass plate with its rim and a glint along the top, `scale` pixels to
// the design's one.
void paintGlassPlate(QPainter& p, const QRectF& plate, double scale);

// A few words on a glass plate over a window's top corner ("重播 ×2"): it
// says what the desktop is doing with the window (a replay playing) without
// being part of the game. Clicks pass through it.
class GlassTag : public QWidget {
 public:
  GlassTag(QWidget* parent, int scale);
  void setText(const QString& text);
  // Sits `margin` design pixels in from the top left of `area`.
  void placeIn(const QRect& area);
  int scale() const { return scale_; }
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString text_;
  int scale_;
};

// A locked text box as the game's own readout: a dark glass plate with a
// rim and the text on it. It has no caret, nothing to select and never
// takes the keyboard focus.
class DrawnReadout : public DrawnElement {
 public:
  using DrawnElement::DrawnElement;
  void paint(QPainter& p, QRect dirty) override;
};

// A label on a band that fades out at both ends, ruled above and below.
class DrawnBanner : public DrawnLabel {
 public:
  using DrawnLabel::DrawnLabel;
  void paint(QPainter& p, QRect dirty) override;
  bool covers(const QPainter&, QRect) const override { return false; }
};

}  // namespace platform::qt
