// Stage two's scenery: a coast road at sunset. The sea glittering below a
// dark headland, and a beach with palms between the water and the road.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "stage/scenery.h"
#include "stage/venue.h"

namespace art::stages {
namespace {

// The sea, deep under the headland and bright with the sunset further down.
const QColor kSeaDeep{0x1e, 0x1a, 0x48}, kSeaViolet{0x3a, 0x2c, 0x6e}, kSeaMauve{0x7a, 0x3c, 0x78},
    kSeaRose{0x9a, 0x48, 0x70}, kCalmWater{0x8c, 0x44, 0x72, 230}, kSurf = lightTint(40);
// The headland's rock.
const QColor kRockTop{0x2c, 0x20, 0x36}, kRockFoot{0x4a, 0x2c, 0x44},
    kSlabEdge{0x14, 0x0e, 0x1e, 160}, kSlabGlow{0xff, 0x9a, 0x6a};
// The beach and its palms.
const QColor kSandWet{0xf2, 0xb0, 0x7a}, kSandDry{0xd8, 0x8a, 0x62}, kSandGrain{0x80, 0x40, 0x30};
const QColor kPalmShadow{0x2a, 0x10, 0x30, 80}, kFrondBase{0x4e, 0x6a, 0x30},
    kFrondTip{0x9a, 0x8a, 0x36}, kPalmTrunk{0x6a, 0x42, 0x2a}, kSeaWall{0xc8, 0x9a, 0x84};

constexpr QPointF kPalms[] = {{108, 196}, {104, 268}, {112, 36}};

// The dark headland of rock at the top, under the message.
QPainterPath headland() {
  QPainterPath rock(QPointF(-4, -4));
  rock.lineTo(104, -4);
  rock.cubicTo(102, 40, 92, 70, 80, 96);
  rock.cubicTo(70, 118, 44, 128, 30, 152);
  rock.cubicTo(18, 170, 4, 172, -4, 168);
  rock.closeSubpath();
  return rock;
}

// The beach along the road.
QPainterPath beach() {
  QPainterPath sand(QPointF(128, -2));
  sand.lineTo(96, -2);
  sand.cubicTo(90, 80, 100, 160, 94, 230);
  sand.cubicTo(92, 262, 118, 276, 118, 347);
  sand.lineTo(128, 347);
  sand.closeSubpath();
  return sand;
}

void sea(QPainter& p, Dice& dice) {
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH),
             gradient({0, 0}, {0, kWindowH},
                      {{0.0, kSeaDeep}, {0.45, kSeaViolet}, {0.75, kSeaMauve}, {1.0, kSeaRose}}));
  // Swell lines.
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 22; ++i) {
    const double y = dice.uniform(0, kWindowH);
    const double x = dice.uniform(-10, 70);
    const double w = dice.uniform(16, 34);
    QPainterPath swell(QPointF(x, y));
    swell.cubicTo(x + w * 0.3, y - 2.5, x + w * 0.7, y - 2.5, x + w, y);
    p.setPen(QPen(lightTint(22 + static_cast<int>(y / kWindowH * 30)), 1.2, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawPath(swell);
  }
  // Sun glitter, thick in the lower sea.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 120; ++i) {
    const double y = 170 + std::pow(dice.uniform(0, 1), 0.7) * 118;
    const double x = dice.uniform(0, 96);
    p.setBrush(withAlpha(dice.below(2) ? pal::kSkyGold : pal::kSunCore, 110 + dice.below(120)));
    p.drawRoundedRect(QRectF(x, y, dice.uniform(3, 9), 1.2), 0.6, 0.6);
  }
  // Calmer water behind the name box.
  p.fillRect(QRectF(0, 296, 100, 49),
             gradient({0, 296}, {0, 310}, {{0.0, withAlpha(kSeaRose, 0)}, {1.0, kCalmWater}}));
}

void rocks(QPainter& p, Dice& dice) {
  const QPainterPath rock = headland();
  p.setPen(Qt::NoPen);
  p.setBrush(kSurf);
  p.drawPath(rock.translated(-2, 3));  // surf round its foot
  fillOutlined(p, rock, gradient({0, 0}, {100, 150}, {{0.0, kRockTop}, {1.0, kRockFoot}}),
               kOutline);
  p.save();
  p.setClipPath(rock);
  for (int i = 0; i < 16; ++i) {
    const QPointF c(dice.uniform(0, 96), dice.uniform(0, 150));
    QPolygonF slab;
    const double r = dice.uniform(6, 13);
    for (int k = 0; k < 6; ++k) {
      const double a = k * kPi / 3 + dice.uniform(-0.3, 0.3);
      slab << c + QPointF(std::cos(a), std::sin(a)) * r * dice.uniform(0.7, 1.0);
    }
    p.setPen(QPen(kSlabEdge, 0.9));
    p.setBrush(withAlpha(kSlabGlow, 18 + dice.below(18)));
    p.drawPolygon(slab);
  }
  p.restore();
}

void sand(QPainter& p, Dice& dice) {
  const QPainterPath shore = beach();
  p.setPen(QPen(withAlpha(pal::kWhite, 200), 2.2));
  p.setBrush(gradient({90, 0}, {128, 0}, {{0.0, kSandWet}, {1.0, kSandDry}}));
  p.drawPath(shore);
  p.save();
  p.setClipPath(shore);
  grit(p, dice, 200, 88, 128, 0.7, kSandGrain, 40, 40);
  p.restore();
}

// Palms on the beach, fronds catching the last light.
void palm(QPainter& p, QPointF c) {
  p.setPen(Qt::NoPen);
  p.setBrush(kPalmShadow);
  p.drawEllipse(c + QPointF(10, 6), 12, 6);  // long evening shadow
  for (int k = 0; k < 7; ++k) {
    const double a = k * 2 * kPi / 7 + 0.4;
    const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 15;
    const QPointF n = QPointF(-std::sin(a), std::cos(a)) * 3.6;
    QPainterPath frond(c);
    frond.quadTo((c + tip) / 2 + n, tip);
    frond.quadTo((c + tip) / 2 - n * 0.3, c);
    fillOutlined(p, frond, gradient(c, tip, {{0.0, kFrondBase}, {1.0, kFrondTip}}), 1.0);
  }
  p.setPen(QPen(pal::kInk, 0.8));
  p.setBrush(kPalmTrunk);
  p.drawEllipse(c, 2.4, 2.4);
}

}  // namespace

void scenerySunsetCoast(QPainter& p) {
  Dice dice(22);
  sea(p, dice);
  rocks(p, dice);
  sand(p, dice);
  for (const QPointF c : kPalms) palm(p, c);
  // A low sea wall at the edge of the road.
  verge(p, kSeaWall, 6);
}

}  // namespace art::stages
