// The cars of the two-player battle: the players' red and blue cars, the
// gold one a car turns into under turbo, and the two computer cars. They are
// the house car from above in each one's paint.

#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "cars/car_parts.h"
#include "style.h"

namespace art {
namespace {

using namespace car;

// Sprites are 24 x 34 but shown at about 61 x 83: the car fills the grid.
const QRectF kCarBox(6, 2, 48, 80.5);
// Under turbo the car is a little shorter, to leave room for the flame.
const QRectF kTurboBox(9, 1, 42, 71);

// The gold turbo car.
const QColor kTurboGold{0xf2, 0xb4, 0x1c}, kTurboTrim{0x4a, 0x2c, 0x0c};
// Its boost: the glow, then the flames from white-hot to a red tip.
const QColor kBoostGlow{0xff, 0xd8, 0x6a, 210}, kBoostAmber{0xff, 0x8a, 0x2a, 90},
    kBoostFlame{0xff, 0x6a, 0x20};
const QColor kFlameWhite{255, 255, 240}, kFlameGold{0xff, 0xd0, 0x4a},
    kFlameTip{0xff, 0x40, 0x20, 0};
// The computer cars: gunmetal with orange, racing green with lime.
const QColor kGunmetal{0x4a, 0x4d, 0x57}, kSafetyOrange{0xff, 0x9a, 0x1e},
    kRacingGreen{0x1a, 0x84, 0x46}, kLime{0xc8, 0xf0, 0x5a};

constexpr double kExhausts[] = {23.0, 37.0};

// A white roundel on the bonnet with a star in the car's own colour. The
// cars carry no number: in the network race each player sees their own car
// in red, whichever side of the connection they are on.
void starRoundel(QPainter& p, QPointF c, const QColor& paint) {
  p.setPen(QPen(pal::kInk, kOutline * 0.7));
  p.setBrush(pal::kWhite);
  p.drawEllipse(c, 6.6, 6.6);
  std::array<QPointF, 10> star;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 ? 2.1 : 5.0;
    star[i] = c + QPointF(std::cos(a), std::sin(a)) * r;
  }
  fillOutlined(p, polygon(star), paint.darker(110), 1.0);
}

void playerCar(QPainter& p, QColor paint) {
  onDesignGrid(p, [&] {
    drawCarTopDown(p, kCarBox, paint, pal::kWhite);
    starRoundel(p, {kMid, 17}, paint);
  });
}

// Turbo: a gold car over the boost flames.
void turboCar(QPainter& p) {
  onDesignGrid(p, [&] {
    const QPointF mouth(kMid, 72);
    QRadialGradient glow(mouth + QPointF(0, 4), 13);
    glow.setColorAt(0, kBoostGlow);
    glow.setColorAt(0.6, kBoostAmber);
    glow.setColorAt(1, withAlpha(kBoostFlame, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(mouth + QPointF(0, 4), 13, 13);
    for (double x : kExhausts) {
      const QPointF m(x, 70);
      QPainterPath flame(m + QPointF(-4, 0));
      flame.cubicTo(m + QPointF(-4.5, 6), m + QPointF(-1.5, 10), m + QPointF(0, 14.5));
      flame.cubicTo(m + QPointF(1.5, 10), m + QPointF(4.5, 6), m + QPointF(4, 0));
      flame.closeSubpath();
      p.setBrush(gradient(m, m + QPointF(0, 14.5),
                          {{0.0, kFlameWhite},
                           {0.35, kFlameGold},
                           {0.75, withAlpha(kBoostFlame, 200)},
                           {1.0, kFlameTip}}));
      p.drawPath(flame);
    }
    drawCarTopDown(p, kTurboBox, kTurboGold, kTurboTrim);
  });
}

void computerCar(QPainter& p, const QColor& paint, const QColor& trim) {
  onDesignGrid(p, [&] { drawCarTopDown(p, kCarBox, paint, trim); });
}

}  // namespace

void paintBattleCarRed(QPainter& p) { playerCar(p, pal::kCarRed); }
void paintBattleCarBlue(QPainter& p) { playerCar(p, pal::kCarBlue); }
void paintBattleCarGold(QPainter& p) { turboCar(p); }
void paintBattleRival1(QPainter& p) { computerCar(p, kGunmetal, kSafetyOrange); }
void paintBattleRival2(QPainter& p) { computerCar(p, kRacingGreen, kLime); }

}  // namespace art
