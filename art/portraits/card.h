// The story's character cards: a head-and-shoulders portrait of each racer
// on a rounded card tinted in their own colour, with a white border so the
// card reads over the title sunset or any of the scene pictures.
//
// Every bust is drawn facing right. Characters who stand on the right of the
// screen are drawn mirrored, so everybody looks in towards the middle where
// the player is. Hair, headwear, the cut and colours of the racing suit and
// one accessory tell them apart.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace art::portrait {

inline constexpr double kCardW = 100;

struct Card {
  double height;
  bool facesLeft;  // stands on the right of the screen, so is drawn mirrored
  QColor top;      // background at the top of the card
  QColor bottom;   // and at its foot
  QColor glow;     // the halo behind the head
  QColor streak;   // the speed streaks across it
};

// Draws the card and `bust` on it, in the facing-right frame of a card
// `height` tall.
void paintCard(QPainter& p, const Card& card, void (*bust)(QPainter& p, double height));

// A badge in the card's upper corner on the side the character faces.
void paintBadge(QPainter& p, const QPainterPath& shape, const QColor& colour);

}  // namespace art::portrait
