// Skyforge's insignia: the burst the menu shows in the corner of the
// instruments until a game starts.

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

#include "bonus/craft.h"
#include "style.h"

namespace art {
namespace {

using namespace skyforge;

// Night glass in the roundel, from its lit corner to its dark rim.
const QColor kGlassLit{0x2a, 0x1e, 0x4a};
const QColor kGlassDark{0x0a, 0x07, 0x18};

// A star round `c` with `points` jagged points between radii `inner` and
// `outer`, turned by `twist`; `seed` roughens it the same way every time.
QPainterPath burst(QPointF c, int points, double inner, double outer, double twist,
                   std::uint32_t seed) {
  Dice dice(seed);
  std::vector<QPointF> rim;
  for (int i = 0; i < 2 * points; ++i) {
    const double a = twist + kPi * i / points;
    const double r = (i % 2 ? inner : outer) * dice.uniform(0.85, 1.08);
    rim.push_back(c + QPointF(std::cos(a), std::sin(a)) * r);
  }
  return polygon(rim);
}

}  // namespace

// A blast of fire on a brass-rimmed roundel, shards of hull flying out past
// the rim.
void paintBonusDead(QPainter& p) {
  const QPointF c(24, 24);
  // The roundel: night glass in a brass ring, ticks round it like a gauge.
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(kShadow, 110));
  p.drawEllipse(c + QPointF(1.2, 1.5), 21, 21);
  QRadialGradient glass(c - QPointF(5, 6), 26);
  glass.setColorAt(0, kGlassLit);
  glass.setColorAt(1, kGlassDark);
  p.setPen(QPen(pal::kInk, kOutline));
  p.setBrush(glass);
  p.drawEllipse(c, 21, 21);
  p.setPen(QPen(kBrass, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 18.6, 18.6);
  p.setPen(QPen(withAlpha(kBrass, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 16; ++i) {
    const double a = i * kPi / 8;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(c + d * 15.2, c + d * 16.6);
  }
  // The blast: red, then gold, then white hot at its heart.
  fillOutlined(p, burst(c, 10, 8, 14, 0.1, 77),
               gradient({0, 10}, {0, 38},
                        {{0.0, pal::kKerbRed.lighter(110)}, {1.0, pal::kKerbRed.darker(130)}}),
               1.2);
  fillOutlined(p, burst(c, 8, 5.5, 10, 0.5, 91), downward(14, 34, pal::kSkyGold, pal::kSkyOrange),
               0);
  QRadialGradient hot(c, 6);
  hot.setColorAt(0.0, kWhiteHot);
  hot.setColorAt(0.6, pal::kSunCore);
  hot.setColorAt(1.0, pal::kSkyGold);
  fillOutlined(p, burst(c, 6, 3, 6, 0.3, 5), hot, 0);
  // Shards of hull breaking out past the rim.
  for (const auto& [x, y, angle] :
       {std::tuple{4.5, 17.0, 20.0}, {43.0, 29.0, -35.0}, {31.0, 3.5, 60.0}, {16.0, 44.0, 10.0}}) {
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    fillOutlined(p, polygon({{-3, -1.2}, {2.5, -1.8}, {3, 1.4}, {-2, 1.6}}), pal::kAsphaltLight,
                 kOutline * 0.7);
    p.restore();
  }
}

}  // namespace art
