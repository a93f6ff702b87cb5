// Stage four's scenery: a mountain pass in the rain. Wet rock and scree,
// the lip of a misty valley, dark pines, a guard rail along the road, and
// rain slanting in over everything.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "stage/scenery.h"
#include "stage/venue.h"

namespace art::stages {
namespace {

// Wet rock and moss, and the misty valley.
const QColor kValleyShadow{0x1c, 0x24, 0x2c}, kMoss{0x3a, 0x48, 0x48}, kWetRock{0x4a, 0x58, 0x52},
    kMist{0x8a, 0x98, 0xa8, 200}, kLip{0x3a, 0x44, 0x52};
// Scree.
const QColor kStoneLight{0x9a, 0xa0, 0xa8}, kStoneDark{0x5a, 0x60, 0x6a},
    kStoneShadow = shadowTint(60);
// Pines.
const QColor kPineDark{0x1f, 0x4a, 0x3a}, kPine{0x24, 0x52, 0x36}, kLonePine{0x26, 0x56, 0x3c},
    kSmallPine{0x22, 0x4e, 0x38};
// The shoulder and its guard rail, and the rain.
const QColor kShoulder{0x56, 0x5c, 0x62}, kGravel{0xc0, 0xc8, 0xd0}, kPost{0x5a, 0x46, 0x34},
    kRailTop{0xd8, 0xde, 0xe6}, kRailUnder{0x7a, 0x82, 0x8c}, kRain{200, 220, 245};

// The valley edge: a crumbling lip with mist below.
QPainterPath valleyLip() {
  QPainterPath lip(QPointF(-2, -2));
  lip.lineTo(20, -2);
  lip.cubicTo(28, 80, 14, 160, 26, 230);
  lip.cubicTo(32, 280, 18, 320, 22, 347);
  lip.lineTo(-2, 347);
  lip.closeSubpath();
  return lip;
}

// Scree and boulders.
void scree(QPainter& p, Dice& dice) {
  for (int i = 0; i < 30; ++i) {
    const QPointF c(dice.uniform(22, 104), dice.uniform(150, 300));
    const double r = dice.uniform(4, 10);
    QPolygonF stone;
    for (int k = 0; k < 7; ++k) {
      const double a = k * 2 * kPi / 7 + dice.uniform(-0.3, 0.3);
      stone << c + QPointF(std::cos(a), std::sin(a) * 0.8) * r * dice.uniform(0.7, 1.0);
    }
    QPainterPath path;
    path.addPolygon(stone);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kStoneShadow);
    p.drawPath(path.translated(2, 2));
    fillOutlined(
        p, path,
        gradient(c - QPointF(r, r), c + QPointF(r, r), {{0.0, kStoneLight}, {1.0, kStoneDark}}),
        1.0);
  }
}

// Gravel shoulder and a guard rail on wooden posts.
void guardRail(QPainter& p, Dice& dice) {
  verge(p, kShoulder, 14);
  grit(p, dice, 160, 114, 127.5, 0.8, kGravel, 40, 60);
  for (double y = 8; y < kWindowH; y += 28) {
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(kPost);
    p.drawRect(QRectF(116, y, 4, 4));
  }
  p.fillRect(QRectF(117, 0, 2.5, kWindowH),
             gradient({117, 0}, {119.5, 0}, {{0.0, kRailTop}, {1.0, kRailUnder}}));
  p.setPen(QPen(withAlpha(pal::kInk, 180), 0.8));
  p.drawLine(QPointF(116.6, 0), QPointF(116.6, kWindowH));
  p.drawLine(QPointF(119.9, 0), QPointF(119.9, kWindowH));
}

}  // namespace

void sceneryMountain(QPainter& p) {
  // Wet rock and moss, dropping away to a misty valley on the far left.
  p.fillRect(
      QRectF(0, 0, kColumnW, kWindowH),
      gradient({0, 0}, {kColumnW, 0}, {{0.0, kValleyShadow}, {0.35, kMoss}, {1.0, kWetRock}}));
  Dice dice(44);
  scree(p, dice);
  fillOutlined(p, valleyLip(), gradient({0, 0}, {26, 0}, {{0.0, kMist}, {1.0, kLip}}), 1.2);
  // A dark stand of pines at the top.
  for (int i = 0; i < 24; ++i) {
    const QPointF c(dice.uniform(10, 104), dice.uniform(-6, 172));
    pineCrown(p, c, dice.uniform(10, 16), i % 2 ? kPineDark : kPine);
  }
  pineCrown(p, QPointF(40, 236), 12, kLonePine);
  pineCrown(p, QPointF(84, 204), 10, kSmallPine);
  guardRail(p, dice);

  // Rain over everything, slanting in on the wind.
  for (int i = 0; i < 240; ++i) {
    const QPointF a(dice.uniform(-10, kColumnW), dice.uniform(-10, kWindowH));
    const double len = dice.uniform(5, 11);
    p.setPen(QPen(withAlpha(kRain, 40 + dice.below(50)), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, a + QPointF(len * 0.35, len));
  }
}

}  // namespace art::stages
