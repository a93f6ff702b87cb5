// Text boxes and labels drawn as part of the game rather than as desktop
// controls: a readout for a locked box that only shows a number, and a
// banner behind a message shown across the field.
#pragma once

#include "platform/qt/drawn.h"

namespace platform::qt {

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
