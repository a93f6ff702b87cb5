#include "portraits/card.h"

#include <QRadialGradient>
#include <QRectF>

#include "draw.h"

namespace art::portrait {
namespace {

constexpr double kRadius = 9;    // the card's rounded corners
constexpr double kLeadRoom = 5;  // how far the bust sits back from the middle

QPainterPath roundedCard(double inset, double h) {
  QPainterPath card;
  const double r = kRadius - (inset - 0.5);
  card.addRoundedRect(QRectF(inset, inset, kCardW - 2 * inset, h - 2 * inset), r, r);
  return card;
}

QPainterPath cardShape(double h) { return roundedCard(0.5, h); }
QPainterPath innerShape(double h) { return roundedCard(3.5, h); }

void paintCardBack(QPainter& p, const Card& c) {
  const double h = c.height;
  const QPainterPath card = cardShape(h);
  fill(p, card, gradient({0, 0}, {0, h}, {{0.0, c.top}, {1.0, c.bottom}}));
  p.save();
  p.setClipPath(card);
  // A soft halo behind the head lifts the face off the background.
  QRadialGradient halo(QPointF(50, 52), 48);
  halo.setColorAt(0.0, withAlpha(c.glow, 230));
  halo.setColorAt(0.55, withAlpha(c.glow, 110));
  halo.setColorAt(1.0, withAlpha(c.glow, 0));
  fill(p, card, halo);
  // Speed streaks rising from the lower left, the racer's motif.
  Dice dice(77);
  for (int i = 0; i < 9; ++i) {
    const double x = dice.uniform(-30, 100);
    const double y = dice.uniform(20, h + 10);
    const double len = dice.uniform(30, 60);
    drawStreak(p, QPointF(x + len, y - len * 0.7), QPointF(x, y), dice.uniform(2.5, 5),
               withAlpha(c.streak, 60 + dice.below(60)));
  }
  // A thin diagonal band of the deeper tone across the lower corner.
  fill(p, polygon({{-2, h - 48}, {40, h + 2}, {20, h + 2}, {-2, h - 22}}),
       withAlpha(c.bottom.darker(125), 140));
  p.restore();
}

void paintCardFrame(QPainter& p, double h) {
  // A paper-white border inside the ink edge, then a fine ink line, so the
  // card stands apart from whatever picture it sits on.
  const QPainterPath card = cardShape(h);
  QPainterPath border = card.subtracted(innerShape(h));
  fill(p, border, gradient({0, 0}, {0, h}, {{0.0, pal::kWhite}, {1.0, pal::kPaperShade}}));
  stroke(p, innerShape(h), ink(0.9));
  stroke(p, card, ink(kOutline));
}

}  // namespace

void paintCard(QPainter& p, const Card& card, void (*bust)(QPainter& p, double height)) {
  const double h = card.height;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  paintCardBack(p, card);
  p.save();
  p.setClipPath(innerShape(h), Qt::IntersectClip);
  if (card.facesLeft) {
    p.translate(kCardW, 0);
    p.scale(-1, 1);
  }
  // The head sits back from the middle, leaving room in front of the face
  // for the look towards the other side of the screen.
  p.translate(-kLeadRoom, 0);
  bust(p, h);
  p.restore();
  paintCardFrame(p, h);
  p.restore();
}

void paintBadge(QPainter& p, const QPainterPath& shape, const QColor& colour) {
  fill(p, shape.translated(0.8, 1.2), withAlpha(pal::kInk, 90));
  fillOutlined(p, shape, colour, 1.2);
}

}  // namespace art::portrait
