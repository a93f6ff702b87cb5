// The player's cars: the red car of the early stages, and the Ultrapex, the
// pro car lent to the player for the last two stages, in its three poses:
// driving straight, sliding into a turn, and flat out on boost.

#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <iterator>

#include "cars/car_parts.h"
#include "style.h"

namespace art {
namespace {

using namespace car;

// Burnished gold over a jet-black spine.
const QColor kGold{0xf0, 0xb8, 0x3c}, kGoldLight{0xff, 0xe6, 0x9a}, kGoldDeep{0xa8, 0x6c, 0x14},
    kJet{0x17, 0x16, 0x1f};
// The smoked canopy.
const QColor kCanopyTop{0x6a, 0x6f, 0x8a}, kCanopySmoke{0x22, 0x22, 0x30},
    kCanopyGlint = lightTint(120);
// Exhausts and their blue flames at full power.
const QColor kExhaust{0x8a, 0x8c, 0x98}, kFlameCore{255, 255, 255}, kFlame{0x9b, 0xe8, 0xff},
    kFlameGlow{0x7f, 0xd8, 0xff, 200};
// Speed streaks and tyre smoke.
const QColor kIce{0xc8, 0xee, 0xff}, kSmoke{238, 238, 244};

// How the pro car is posed.
enum class Pose { kStraight, kSteering, kFlatOut };

// The tail sits short of the sprite's bottom edge to leave room for tyre
// smoke and exhaust flames behind it.
constexpr double kProTail = 74;

constexpr Bezier kFlank[] = {
    {{26, 2}, {23.5, 2.6}, {21, 4}},   {{15, 6}, {10, 10}, {9, 17}},
    {{8.5, 21}, {8.5, 24}, {9.5, 28}}, {{11, 32}, {13, 35}, {13, 40}},
    {{13, 45}, {8, 46}, {8, 53}},      {{8, 58}, {8, 62}, {9, 67}},
    {{10, 71}, {13, 73.5}, {19, 74}},  {{23, 74.5}, {27, 74.5}, {kMid, kProTail}},
};

// A low teardrop canopy of smoked glass, set well forward.
constexpr Bezier kCanopy[] = {
    {{35, 21}, {39.5, 27}, {39.5, 34}},
    {{39.5, 41}, {36.5, 48}, {kMid, 49.5}},
    {{23.5, 48}, {20.5, 41}, {20.5, 34}},
    {{20.5, 27}, {25, 21}, {kMid, 21}},
};
constexpr QPointF kCanopyShine[] = {{22.5, 31}, {27.5, 24.5}, {31, 24.5}, {23.5, 33.5}};

// A headlight slit on the left, swept back into the wing: x out from the
// centre line, and y.
constexpr QPointF kHeadlightSlit[] = {{9, 5.2}, {18, 8}, {19.5, 11.5}, {16.5, 9.4}};
constexpr double kExhausts[] = {25.5, 34.5};

QPointF side(double s, QPointF q) { return {kMid + s * q.x(), q.y()}; }

// A side blade sweeping into the intake, on side `s` (-1 left, 1 right).
QPainterPath blade(double s) {
  QPainterPath path(side(s, {17, 36}));
  path.cubicTo(side(s, {15, 41}), side(s, {15.5, 46}), side(s, {20, 50}));
  path.lineTo(side(s, {17.5, 50.5}));
  path.cubicTo(side(s, {14, 46}), side(s, {13.5, 41}), side(s, {15.5, 36}));
  path.closeSubpath();
  return path;
}

// Black splitter lip and ducktail.
QPainterPath ducktail() {
  QPainterPath duck(QPointF(8, 69));
  duck.cubicTo(20, 67, 40, 67, 52, 69);
  for (const QPointF corner : {QPointF(52, 80), QPointF(8, 80)}) duck.lineTo(corner);
  duck.closeSubpath();
  return duck;
}

void paintUltrapex(QPainter& p, double steer) {
  const QPainterPath shell = body({kMid, 2}, kFlank);
  dropShadow(p, shell);
  tyre(p, QRectF(6.5, 13, 6, 13), steer);
  tyre(p, mirrored(QRectF(6.5, 13, 6, 13)), steer);
  tyrePairs(p, {QRectF(5.5, 51, 7, 15)});

  // Burnished gold, brightest along the crown of each wing.
  fillOutlined(p, shell,
               gradient({8, 0}, {52, 0},
                        {{0.0, kGoldDeep},
                         {0.16, kGold},
                         {0.3, kGoldLight},
                         {0.45, kGold},
                         {0.7, kGold},
                         {0.86, kGoldLight.darker(112)},
                         {1.0, kGoldDeep}}),
               0);
  topLight(p, shell, 2, kProTail);

  onBody(p, shell, [&] {
    // A jet-black spine nose to tail, edged with white pinstripes.
    p.setBrush(pal::kWhite);
    p.drawRect(QRectF(24.2, 0, 11.6, 80));
    p.setBrush(kJet);
    p.drawRect(QRectF(25.6, 0, 8.8, 80));
    p.drawRect(QRectF(0, 0, 60, 3.6));
    p.drawPath(ducktail());
    for (double s : {-1.0, 1.0}) p.drawPath(blade(s));
  });
  stroke(p, shell);

  p.setPen(Qt::NoPen);
  p.setBrush(pal::kWhite);
  for (double s : {-1.0, 1.0}) {
    std::array<QPointF, std::size(kHeadlightSlit)> slit;
    std::transform(std::begin(kHeadlightSlit), std::end(kHeadlightSlit), slit.begin(),
                   [s](QPointF q) { return side(s, q); });
    p.drawPath(polygon(slit));
  }

  fillOutlined(p, loop({kMid, 21}, kCanopy),
               gradient({0, 21}, {0, 49.5}, {{0.0, kCanopyTop}, {0.35, kCanopySmoke}, {1.0, kJet}}),
               kOutline * 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(kCanopyGlint);
  p.drawPath(polygon(kCanopyShine));

  // Engine louvres behind the canopy.
  p.setPen(QPen(kGold.darker(110), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double y = 54; y < 66; y += 3) p.drawLine(QPointF(26.8, y), QPointF(33.2, y));

  // A light bar across the tail, and twin exhausts in the diffuser.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kTailLight);
  p.drawRoundedRect(QRectF(12, 70, 36, 1.6), 0.8, 0.8);
  p.setPen(fineInk());
  p.setBrush(kExhaust);
  for (double x : kExhausts) p.drawEllipse(QPointF(x, kProTail - 0.5), 2.2, 1.6);
}

// Blue flames from the exhausts at full power.
void paintAfterburn(QPainter& p) {
  for (double x : kExhausts) {
    const QPointF mouth(x, kProTail);
    QRadialGradient glow(mouth + QPointF(0, 4), 9);
    glow.setColorAt(0, kFlameGlow);
    glow.setColorAt(1, withAlpha(pal::kCarBlue, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(mouth + QPointF(0, 4), 9, 9);
    QPainterPath flame(mouth + QPointF(-3.4, -1));
    flame.cubicTo(mouth + QPointF(-3.8, 4), mouth + QPointF(-1.2, 8), mouth + QPointF(0, 11));
    flame.cubicTo(mouth + QPointF(1.2, 8), mouth + QPointF(3.8, 4), mouth + QPointF(3.4, -1));
    flame.closeSubpath();
    p.setBrush(gradient(mouth, mouth + QPointF(0, 11),
                        {{0.0, kFlameCore}, {0.35, kFlame}, {1.0, withAlpha(pal::kCarBlue, 0)}}));
    p.drawPath(flame);
  }
}

// Speed streaks flying past the flanks.
struct Streak {
  double x, y, len, w;
};
constexpr Streak kStreaks[] = {{5, 14, 56, 2.6},  {2.2, 38, 44, 2}, {55, 18, 54, 2.6},
                               {57.8, 42, 40, 2}, {7, 58, 24, 1.6}, {53, 60, 22, 1.6}};

void paintSpeedStreaks(QPainter& p) {
  for (const Streak& s : kStreaks) {
    drawStreak(p, QPointF(s.x, s.y), QPointF(s.x, s.y + s.len), s.w, withAlpha(kIce, 230));
  }
}

// Tyre smoke boiling off the rear wheels as the car slides.
void paintTyreSmoke(QPainter& p) {
  Dice dice(1417);
  p.setPen(Qt::NoPen);
  for (double x : {10.0, 50.0}) {
    for (int i = 0; i < 7; ++i) {
      const double t = i / 6.0;
      const QPointF c(x + 5 * t + dice.uniform(-1.5, 1.5), 66 + 14 * t);
      const double r = 3 + 3.5 * t;
      QRadialGradient puff(c, r);
      puff.setColorAt(0, withAlpha(kSmoke, static_cast<int>(150 - 70 * t)));
      puff.setColorAt(1, withAlpha(kSmoke, 0));
      p.setBrush(puff);
      p.drawEllipse(c, r, r);
    }
  }
}

void paintPro(QPainter& p, Pose pose) {
  onDesignGrid(p, [&] {
    switch (pose) {
      case Pose::kStraight:
        paintUltrapex(p, 0);
        break;
      case Pose::kSteering: {
        // The tail steps out as the nose turns in: a slight yaw to the left,
        // front wheels on opposite lock, smoke from the rears.
        paintTyreSmoke(p);
        p.save();
        p.translate(kMid, 40);
        p.rotate(-8);
        p.translate(-kMid, -40);
        paintUltrapex(p, -22);
        p.restore();
        break;
      }
      case Pose::kFlatOut:
        paintSpeedStreaks(p);
        paintUltrapex(p, 0);
        paintAfterburn(p);
        break;
    }
  });
}

}  // namespace

void paintCarPlayer(QPainter& p) {
  car::onDesignGrid(p,
                    [&] { drawCarTopDown(p, QRectF(6, 2, 48, 80.5), pal::kCarRed, pal::kWhite); });
}

void paintCarProNormal(QPainter& p) { paintPro(p, Pose::kStraight); }
void paintCarProTurn(QPainter& p) { paintPro(p, Pose::kSteering); }
void paintCarProSpeed(QPainter& p) { paintPro(p, Pose::kFlatOut); }

}  // namespace art
