// Stage three's scenery: the city at night. Flat roofs with their plant seen
// from above, a pavement of street lamps, and neon on the shop fronts and the
// roofs.

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "stage/scenery.h"
#include "stage/venue.h"

namespace art::stages {
namespace {

// Roofs at night.
const QColor kNightGround{0x12, 0x11, 0x1c},
    kParapet = lightTint(22), kPlantShadow = shadowTint(60), kLitWindow{0xff, 0xc4, 0x5e, 130},
    kTank{0x4a, 0x44, 0x5a}, kHelipad = lightTint(60);
// The pavement and its lamps.
const QColor kPavement{0x2c, 0x2d, 0x3a},
    kPavingJoint = lightTint(14), kLampPool{0xff, 0xd8, 0x8a, 110}, kDimLamp{0x8a, 0x7a, 0x5a},
    kMessageDim{0x05, 0x04, 0x0c, 110};
// Neon.
const QColor kNeonPink{0xff, 0x3f, 0xb4}, kNeonCyan{0x3f, 0xf0, 0xff}, kNeonAmber{0xff, 0xb0, 0x3f};
const QColor kKerbside{0x4a, 0x4c, 0x5c};

// City blocks seen from above: flat roofs with parapets and plant on top.
struct Roof {
  QRectF r;
  QColor c;
};
const Roof kRoofs[] = {
    {{-4, -4, 62, 70}, {0x26, 0x25, 0x36}},  {{60, -4, 40, 50}, {0x2e, 0x2a, 0x3e}},
    {{60, 48, 40, 58}, {0x22, 0x24, 0x34}},  {{-4, 68, 62, 86}, {0x2a, 0x28, 0x3a}},
    {{60, 108, 40, 52}, {0x28, 0x24, 0x38}}, {{-4, 156, 54, 62}, {0x30, 0x2c, 0x42}},
    {{52, 162, 48, 70}, {0x2a, 0x2a, 0x3e}}, {{-4, 220, 54, 64}, {0x26, 0x26, 0x38}},
    {{52, 234, 48, 52}, {0x30, 0x2a, 0x40}}, {{-4, 288, 104, 62}, {0x22, 0x22, 0x32}},
};

// Neon tubes along the shop fronts, from y0 to y1.
struct Neon {
  double y0, y1;
  const QColor& c;
};
const Neon kTubes[] = {{168, 216, kNeonPink}, {228, 264, kNeonCyan}, {272, 296, kNeonAmber}};

// Neon signs on the roofs.
struct Sign {
  QRectF r;
  const QColor& c;
};
const Sign kSigns[] = {
    {{8, 168, 34, 12}, kNeonCyan}, {{62, 196, 12, 28}, kNeonPink}, {{14, 262, 26, 10}, kNeonPink}};

void roof(QPainter& p, const Roof& roof, Dice& dice) {
  fillOutlined(
      p, rect(roof.r.x(), roof.r.y(), roof.r.width(), roof.r.height()),
      gradient(roof.r.topLeft(), roof.r.bottomRight(), {{0.0, roof.c.lighter(118)}, {1.0, roof.c}}),
      1.2);
  p.setPen(QPen(kParapet, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(roof.r.adjusted(2.5, 2.5, -2.5, -2.5));
  if (roof.r.top() > 280) return;  // the plaza below stays bare
  // Air handlers, vents and the odd skylight.
  const int units = 1 + dice.below(3);
  for (int u = 0; u < units; ++u) {
    const double w = dice.uniform(7, 14);
    const double h = dice.uniform(6, 11);
    const QRectF box(dice.uniform(roof.r.left() + 5, roof.r.right() - 5 - w),
                     dice.uniform(std::max(roof.r.top() + 5, 2.0), roof.r.bottom() - 5 - h), w, h);
    p.setPen(QPen(pal::kInk, 0.9));
    p.setBrush(roof.c.lighter(150));
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(kPlantShadow);
    p.drawRect(QRectF(box.right(), box.top() + 2, 2, box.height()));
  }
  if (roof.r.top() > 150) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLitWindow);
    p.drawRect(QRectF(roof.r.left() + 8, roof.r.bottom() - 14, 10, 7));
  }
}

// The pavement with its street lamps.
void pavement(QPainter& p) {
  p.fillRect(QRectF(101, 0, 27, kWindowH), kPavement);
  p.setPen(QPen(kPavingJoint, 1.0));
  for (double y = 0; y < kWindowH; y += 9) p.drawLine(QPointF(101, y), QPointF(128, y));
  for (double y : {190.0, 262.0}) {
    QRadialGradient pool(QPointF(116, y), 20);
    pool.setColorAt(0, kLampPool);
    pool.setColorAt(1, withAlpha(kLampPool, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(QPointF(116, y), 20, 20);
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(pal::kHeadlight);
    p.drawEllipse(QPointF(116, y), 2, 2);
  }
}

// A tube along a shop front, spilling colour onto the pavement.
void neonTube(QPainter& p, const Neon& n) {
  p.setPen(Qt::NoPen);
  p.fillRect(
      QRectF(96, n.y0 - 8, 26, n.y1 - n.y0 + 16),
      gradient({96, 0}, {122, 0},
               {{0.0, withAlpha(n.c, 0)}, {0.2, withAlpha(n.c, 100)}, {1.0, withAlpha(n.c, 0)}}));
  p.setPen(QPen(withAlpha(n.c, 120), 4.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(101, n.y0), QPointF(101, n.y1));
  p.setPen(QPen(n.c.lighter(150), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(101, n.y0), QPointF(101, n.y1));
}

void neonSign(QPainter& p, const Sign& sign) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(withAlpha(sign.c, 70), 5.0));
  p.drawRoundedRect(sign.r, 3, 3);
  p.setPen(QPen(sign.c.lighter(140), 1.4));
  p.drawRoundedRect(sign.r, 3, 3);
  // A squiggle of lettering inside, too far below to read.
  const bool across = sign.r.width() > sign.r.height();
  const double len = (across ? sign.r.width() : sign.r.height()) - 8;
  const QPointF step = across ? QPointF(len / 4, 0) : QPointF(0, len / 4);
  const QPointF wobble = across ? QPointF(0, 2.5) : QPointF(2.5, 0);
  QPointF at = across ? QPointF(sign.r.left() + 4, sign.r.center().y())
                      : QPointF(sign.r.center().x(), sign.r.top() + 4);
  QPainterPath squiggle(at);
  for (int k = 0; k < 4; ++k) {
    squiggle.quadTo(at + step / 2 + (k % 2 ? wobble : -wobble), at + step);
    at += step;
  }
  p.drawPath(squiggle);
}

}  // namespace

void sceneryCity(QPainter& p) {
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH), kNightGround);
  Dice dice(33);
  for (const Roof& r : kRoofs) roof(p, r, dice);
  // A rooftop water tank and a helipad on the tall block.
  p.setPen(QPen(pal::kInk, 1.0));
  p.setBrush(kTank);
  p.drawEllipse(QPointF(22, 196), 8, 8);
  p.setPen(QPen(kHelipad, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(76, 262), 10, 10);

  pavement(p);
  for (const Neon& n : kTubes) neonTube(p, n);
  for (const Sign& sign : kSigns) neonSign(p, sign);
  // Inside the message band the lamps are dimmed to a glint.
  for (double y : {40.0, 118.0}) {
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(kDimLamp);
    p.drawEllipse(QPointF(116, y), 2, 2);
  }
  p.fillRect(QRectF(101, 0, 27, 176),
             gradient({0, 0}, {0, 176},
                      {{0.0, kMessageDim}, {0.84, kMessageDim}, {1.0, withAlpha(kMessageDim, 0)}}));
  verge(p, kKerbside, 4);
}

}  // namespace art::stages
