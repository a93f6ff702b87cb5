// The parts Skyforge's pictures share: the fortress's colours, paint lit
// from above, soft glows, engine flames and the nozzles they burn from.
//
// Every craft is drawn side-on with a pointed nose towards where it is going
// and its engine glow trailing behind, so the direction of travel reads at a
// glance: the players' ships face right, everything of the fortress faces
// left. The players fly in the team's red and blue; the fortress is gunmetal
// and old stone lit by magenta cores.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <numbers>

#include "draw.h"

namespace art::skyforge {

inline constexpr double kPi = std::numbers::pi;

// The fortress's metal: gunmetal in its light, its body and its shadow.
struct Metal {
  QColor light, base, dark;
};
inline const Metal kGunmetal{{0x8b, 0x8f, 0xa8}, {0x4a, 0x4c, 0x63}, {0x2a, 0x2a, 0x3b}};

// The old stone of its walls, and the magenta of the cores that power it,
// from their pale heart to their deep rim.
struct Stone {
  QColor base, dark;
};
inline const Stone kStone{{0x6d, 0x66, 0x82}, {0x3e, 0x38, 0x52}};
struct CoreLight {
  QColor pale, glow, deep;
};
inline const CoreLight kCore{{0xff, 0xc8, 0xf0}, {0xff, 0x4f, 0xc4}, {0xa0, 0x1c, 0x8c}};

// Brass trim, the white at the heart of anything burning or shining, and
// the black of shadows.
inline const QColor kBrass{0xe8, 0xb0, 0x44};
inline const QColor kWhiteHot{0xff, 0xff, 0xff};
inline const QColor kShadow{0x00, 0x00, 0x00};

// Engine colours: the core of the flame, its body and its fading edge.
struct Flame {
  QColor core, hot, outer;
};
inline const Flame kRedFlame{{0xff, 0xf6, 0xd0}, pal::kSkyGold, pal::kSkyOrange};
inline const Flame kBlueFlame{{0xe8, 0xfb, 0xff}, {0x7f, 0xe0, 0xff}, pal::kCarBlue};
inline const Flame kFortressFlame{{0xff, 0xe4, 0xf4}, {0xff, 0x9a, 0xe0}, kCore.glow};

// Paint lit from above: bright along the top, deep along the belly.
QLinearGradient paintwork(const QColor& c, double top, double bottom);

// A soft round light that fades to nothing at its rim.
void glow(QPainter& p, QPointF c, double rx, double ry, const QColor& colour, int alpha);

// A jet's flame from a nozzle at `mouth`, `radius` high, trailing `length`
// pixels towards `dir` (-1 to the left, +1 to the right). It is never fully
// opaque: the hull in front of it is always the solid part of a sprite.
void exhaust(QPainter& p, QPointF mouth, double radius, double length, double dir, const Flame& f);

// An engine nozzle: a rounded steel mouth `corner` round, lit from
// `shadeTop` down to `shadeBottom`, inked `weight` thick.
struct Nozzle {
  QRectF mouth;
  double corner, shadeTop, shadeBottom;
};
void nozzle(QPainter& p, const Nozzle& n, double weight);

}  // namespace art::skyforge
