// The pictures the story shows after each stage: the countryside heat won,
// side by side with Quellan on the coast road at sunset, facing Brisko under
// the city's neon, the Ultrapex in the mountain rain with Dorrin behind, and
// the floodlit podium after the final.
//
// The title window shows each picture unscaled from its top-left corner. The
// picture is a photo mounted on paper: the paper runs round it and to the
// window's edge, and the band of paper below holds the story box and the
// links as the title's panel does. The menu buttons sit on the photo's
// foot, so every scene keeps its story in the top two hundred pixels and
// its calmer ground below.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "art.h"
#include "style.h"

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;

// A soft round glow, brightest in the middle.
void glow(QPainter& p, QPointF c, double r, const QColor& colour, int alpha = 200) {
  QRadialGradient g(c, r);
  g.setColorAt(0, withAlpha(colour, alpha));
  g.setColorAt(0.4, withAlpha(colour, alpha / 3));
  g.setColorAt(1, withAlpha(colour, 0));
  fill(p, circle(c, r), g);
}

// A four-pointed twinkle.
void twinkle(QPainter& p, QPointF c, double s, const QColor& colour) {
  QPainterPath star(c + QPointF(0, -s));
  star.quadTo(c, c + QPointF(s, 0));
  star.quadTo(c, c + QPointF(0, s));
  star.quadTo(c, c + QPointF(-s, 0));
  star.quadTo(c, c + QPointF(0, -s));
  fill(p, star, colour);
}

// A fluffy cumulus: a flat base with round puffs on top, shaded underneath.
void cloud(QPainter& p, QPointF base, double w, const QColor& lit, const QColor& shade,
           std::uint32_t seed) {
  Dice dice(seed);
  QPainterPath puffs;
  puffs.setFillRule(Qt::WindingFill);
  const int n = 5;
  for (int i = 0; i < n; ++i) {
    const double t = (i + 0.5) / n;
    const double r = w * (0.12 + 0.14 * std::sin(t * kPi)) * dice.uniform(0.85, 1.15);
    puffs.addEllipse(QPointF(base.x() + (t - 0.5) * w * 0.9, base.y() - r * 0.6), r, r);
  }
  QPainterPath keep = rect(base.x() - w, base.y() - w, 2 * w, w);
  const QPainterPath shape = puffs.intersected(keep).simplified();
  const QRectF b = shape.boundingRect();
  fill(p, shape, gradient(b.topLeft(), b.bottomLeft(), {{0.0, lit}, {0.6, lit}, {1.0, shade}}));
  stroke(p, shape, QPen(withAlpha(shade.darker(130), 120), 1.0));
}

// --- Race cars ----------------------------------------------------------------------------------

struct Livery {
  QColor body;
  QColor accent;  // stripes or spine
  QColor trim;    // pinstripes, wing and splitter
  int number = 0;
};

// A race number painted as strokes.
QPainterPath numberPath(int digit, QPointF c, double h) {
  const double w = h * 0.6;
  auto at = [&](double u, double v) {
    return QPointF(c.x() + (u - 0.5) * w, c.y() + (v - 0.5) * h);
  };
  QPainterPath path;
  switch (digit) {
    case 1:
      path.moveTo(at(0.2, 0.22));
      path.lineTo(at(0.6, 0.0));
      path.lineTo(at(0.6, 1.0));
      break;
    case 2:
      path.moveTo(at(0.05, 0.25));
      path.cubicTo(at(0.1, -0.05), at(0.95, -0.05), at(0.9, 0.3));
      path.cubicTo(at(0.85, 0.55), at(0.2, 0.75), at(0.0, 1.0));
      path.lineTo(at(1.0, 1.0));
      break;
    case 3:
      path.moveTo(at(0.05, 0.1));
      path.cubicTo(at(0.4, -0.1), at(1.0, 0.05), at(0.8, 0.35));
      path.cubicTo(at(0.7, 0.48), at(0.45, 0.48), at(0.35, 0.48));
      path.cubicTo(at(1.1, 0.45), at(1.0, 1.05), at(0.4, 1.0));
      path.cubicTo(at(0.2, 1.0), at(0.05, 0.92), at(0.0, 0.85));
      break;
    case 7:
      path.moveTo(at(0.0, 0.0));
      path.lineTo(at(1.0, 0.0));
      path.lineTo(at(0.35, 1.0));
      break;
    case 9:
      path.addEllipse(QRectF(at(0.05, 0.0), at(0.95, 0.5)));
      path.moveTo(at(0.95, 0.25));
      path.lineTo(at(0.75, 1.0));
      break;
    default:  // 0
      path.addEllipse(QRectF(at(0.0, 0.0), at(1.0, 1.0)));
      break;
  }
  return path;
}

// A wheel seen from the side; a spinning one blurs its spokes into rings.
void sideWheel(QPainter& p, QPointF c, double r, bool spinning, double ink) {
  fill(p, circle(c, r), pal::kTyre);
  stroke(p, circle(c, r), art::ink(ink));
  stroke(p, circle(c, r * 0.86), QPen(QColor(255, 255, 255, 30), r * 0.08));
  const double rim = r * 0.62;
  fill(p, circle(c, rim),
       gradient(c - QPointF(0, rim), c + QPointF(0, rim),
                {{0.0, QColor(0xd8, 0xdc, 0xe6)}, {1.0, QColor(0x6a, 0x70, 0x80)}}));
  if (spinning) {
    for (double k : {0.78, 0.5}) {
      stroke(p, circle(c, rim * k), QPen(QColor(0x40, 0x44, 0x52, 150), rim * 0.14));
    }
  } else {
    for (int i = 0; i < 5; ++i) {
      const double a = i * 2 * kPi / 5 - kPi / 2;
      const QPointF d(std::cos(a), std::sin(a));
      stroke(
          p,
          [&] {
            QPainterPath spoke(c + d * rim * 0.25);
            spoke.lineTo(c + d * rim * 0.92);
            return spoke;
          }(),
          QPen(QColor(0x3a, 0x3e, 0x4c), rim * 0.2, Qt::SolidLine, Qt::RoundCap));
    }
  }
  fill(p, circle(c, rim * 0.22), QColor(0x2a, 0x2c, 0x36));
  stroke(p, circle(c, rim), art::ink(ink * 0.6));
}

// A race car in profile, the rear wheel's ground point at `rear`, `length`
// pixels from tail to nose, facing right (`facing` = 1) or left (-1).
// `rim` is the colour of the light catching its upper edges.
void sideCar(QPainter& p, QPointF rear, double length, int facing, const Livery& l, bool spinning,
             const QColor& rim = QColor(255, 255, 255, 150)) {
  p.save();
  p.translate(rear);
  p.scale(facing * length, length);
  const double px = 1.0 / length;  // one screen pixel in car units
  const double ink = kOutline * px;

  // Shadow on the road.
  fill(p, ellipse(QPointF(0.5, -0.005), 0.56, 0.03), QColor(10, 8, 20, 90));

  const double wheelR = 0.084;
  const QPointF rearWheel(0.19, -wheelR), frontWheel(0.8, -wheelR);
  const double arch = 0.104;

  QPainterPath body(QPointF(0.03, -0.04));
  body.lineTo(0.0, -0.1);
  body.cubicTo(-0.008, -0.15, -0.004, -0.185, 0.04, -0.19);
  body.lineTo(0.3, -0.2);
  body.cubicTo(0.37, -0.205, 0.41, -0.282, 0.5, -0.288);
  body.cubicTo(0.57, -0.29, 0.61, -0.25, 0.67, -0.205);
  body.cubicTo(0.75, -0.185, 0.86, -0.175, 0.94, -0.148);
  body.cubicTo(0.985, -0.13, 1.0, -0.105, 1.0, -0.08);
  body.lineTo(0.99, -0.04);
  body.lineTo(frontWheel.x() + arch, -0.04);
  body.arcTo(QRectF(frontWheel.x() - arch, frontWheel.y() - arch, 2 * arch, 2 * arch), 0, 180);
  body.lineTo(rearWheel.x() + arch, -0.04);
  body.arcTo(QRectF(rearWheel.x() - arch, rearWheel.y() - arch, 2 * arch, 2 * arch), 0, 180);
  body.closeSubpath();

  // Dark wheel wells, then the wheels inside them.
  for (const QPointF w : {rearWheel, frontWheel})
    fill(p, circle(w, arch), QColor(0x14, 0x14, 0x1c));
  sideWheel(p, rearWheel, wheelR, spinning, ink);
  sideWheel(p, frontWheel, wheelR * 0.97, spinning, ink);

  fill(p, body,
       gradient({0, -0.28}, {0, -0.04},
                {{0.0, l.body.lighter(135)},
                 {0.35, l.body},
                 {0.75, l.body.darker(115)},
                 {1.0, l.body.darker(160)}}));
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  // The livery: a broad side stripe edged in trim, and the accent along the
  // top of the nose, roof and deck where the racing stripes run.
  fill(p, rect(-0.1, -0.15, 1.2, 0.045), l.accent);
  fill(p, rect(-0.1, -0.158, 1.2, 0.007), l.trim);
  fill(p, rect(-0.1, -0.104, 1.2, 0.007), l.trim);
  QPainterPath crown(QPointF(0.0, -0.19));
  crown.lineTo(0.3, -0.2);
  crown.cubicTo(0.37, -0.205, 0.41, -0.282, 0.5, -0.288);
  crown.cubicTo(0.57, -0.29, 0.61, -0.25, 0.67, -0.205);
  crown.cubicTo(0.75, -0.185, 0.86, -0.175, 1.0, -0.13);
  stroke(p, crown, QPen(l.accent, 0.022));
  // Splitter and diffuser.
  fill(p, rect(-0.1, -0.058, 1.2, 0.02), QColor(0x1c, 0x1c, 0x26));
  // Side intake behind the door.
  fill(p, polygon({{0.3, -0.075}, {0.38, -0.075}, {0.35, -0.14}, {0.28, -0.135}}),
       QColor(0x1a, 0x1a, 0x24));
  p.restore();

  // Rim light along the top, then the ink.
  QPainterPath top(QPointF(0.04, -0.187));
  top.lineTo(0.3, -0.197);
  top.cubicTo(0.37, -0.202, 0.41, -0.279, 0.5, -0.285);
  top.cubicTo(0.57, -0.287, 0.61, -0.247, 0.67, -0.202);
  top.cubicTo(0.75, -0.182, 0.86, -0.172, 0.94, -0.145);
  stroke(p, top, QPen(rim, 2.2 * px, Qt::SolidLine, Qt::RoundCap));
  stroke(p, body, art::ink(ink));

  // The canopy.
  QPainterPath glass(QPointF(0.355, -0.2));
  glass.cubicTo(0.4, -0.24, 0.44, -0.27, 0.5, -0.272);
  glass.cubicTo(0.56, -0.274, 0.6, -0.24, 0.645, -0.2);
  glass.closeSubpath();
  fillOutlined(
      p, glass,
      gradient({0.4, -0.26}, {0.6, -0.19},
               {{0.0, pal::kGlassSheen}, {0.5, pal::kGlass}, {1.0, pal::kGlass.darker(130)}}),
      ink * 0.7);
  fill(p, polygon({{0.44, -0.255}, {0.49, -0.266}, {0.44, -0.205}, {0.4, -0.205}}),
       QColor(255, 255, 255, 110));

  // Number roundel on the door.
  if (l.number > 0) {
    const QPointF c(0.52, -0.128);
    fillOutlined(p, ellipse(c, 0.042, 0.042), pal::kWhite, ink * 0.6);
    p.save();
    // Numbers always read left to right.
    p.translate(c);
    p.scale(facing, 1);
    p.translate(-c);
    stroke(p, numberPath(l.number, c, 0.05), QPen(pal::kInk, 0.011, Qt::SolidLine, Qt::RoundCap));
    p.restore();
  }

  // Headlight and tail light.
  fillOutlined(p, polygon({{0.9, -0.158}, {0.975, -0.135}, {0.988, -0.112}, {0.93, -0.13}}),
               pal::kHeadlight, ink * 0.5);
  fillOutlined(p, rect(-0.008, -0.17, 0.02, 0.028), pal::kTailLight, ink * 0.5);

  // The rear wing on its post.
  fill(p, rect(0.06, -0.25, 0.018, 0.06), QColor(0x2a, 0x2a, 0x36));
  QPainterPath wing;
  wing.addRoundedRect(QRectF(-0.03, -0.278, 0.17, 0.032), 0.01, 0.01);
  fillOutlined(
      p, wing,
      gradient({0, -0.278}, {0, -0.246}, {{0.0, l.trim.lighter(120)}, {1.0, l.trim.darker(125)}}),
      ink * 0.8);
  fillOutlined(p, rect(-0.036, -0.286, 0.032, 0.075), l.accent.darker(110), ink * 0.6);
  p.restore();
}

// Speed streaks trailing behind a car moving to the right.
void speedLines(QPainter& p, QRectF area, int count, std::uint32_t seed, const QColor& colour) {
  Dice dice(seed);
  for (int i = 0; i < count; ++i) {
    const double y = dice.uniform(area.top(), area.bottom());
    const double x1 = dice.uniform(area.left() + area.width() * 0.4, area.right());
    const double len = dice.uniform(area.width() * 0.25, area.width() * 0.6);
    drawStreak(p, QPointF(x1, y), QPointF(x1 - len, y), dice.uniform(1.0, 2.4),
               withAlpha(colour, 90 + dice.below(100)));
  }
}

// A car seen head-on, its ground line centred at `base`, `width` pixels
// across the wheels. With the lamps lit the beams reach out to the viewer.
void frontCar(QPainter& p, QPointF base, double width, const Livery& l, bool lampsOn, bool spine) {
  p.save();
  p.translate(base);
  p.scale(width, width);
  const double px = 1.0 / width;
  const double ink = kOutline * px;

  fill(p, ellipse(QPointF(0, 0.0), 0.62, 0.05), QColor(10, 8, 20, 110));
  // Tyres.
  for (double side : {-1.0, 1.0}) {
    QPainterPath tyre;
    tyre.addRoundedRect(QRectF(side * 0.5 - (side > 0 ? 0.15 : 0), -0.2, 0.15, 0.2), 0.03, 0.03);
    fillOutlined(p, tyre, pal::kTyre, ink);
  }
  // The body: wide fenders, the bonnet dipping between them.
  QPainterPath body(QPointF(-0.52, -0.05));
  body.lineTo(-0.54, -0.16);
  body.cubicTo(-0.54, -0.25, -0.48, -0.3, -0.38, -0.3);
  body.cubicTo(-0.3, -0.3, -0.26, -0.27, -0.2, -0.265);
  body.lineTo(0.2, -0.265);
  body.cubicTo(0.26, -0.27, 0.3, -0.3, 0.38, -0.3);
  body.cubicTo(0.48, -0.3, 0.54, -0.25, 0.54, -0.16);
  body.lineTo(0.52, -0.05);
  body.closeSubpath();
  // The cabin above it.
  QPainterPath cabin(QPointF(-0.3, -0.27));
  cabin.lineTo(-0.2, -0.43);
  cabin.cubicTo(-0.1, -0.455, 0.1, -0.455, 0.2, -0.43);
  cabin.lineTo(0.3, -0.27);
  cabin.closeSubpath();
  fillOutlined(
      p, cabin,
      gradient({0, -0.45}, {0, -0.27}, {{0.0, l.body.lighter(115)}, {1.0, l.body.darker(110)}}),
      ink);
  QPainterPath screen(QPointF(-0.26, -0.28));
  screen.lineTo(-0.18, -0.41);
  screen.cubicTo(-0.08, -0.43, 0.08, -0.43, 0.18, -0.41);
  screen.lineTo(0.26, -0.28);
  screen.closeSubpath();
  fillOutlined(
      p, screen,
      gradient({0, -0.43}, {0, -0.28},
               {{0.0, pal::kGlassSheen}, {0.45, pal::kGlass}, {1.0, pal::kGlass.darker(140)}}),
      ink * 0.7);
  fill(p, polygon({{-0.16, -0.4}, {-0.08, -0.415}, {-0.19, -0.29}, {-0.24, -0.29}}),
       QColor(255, 255, 255, 70));

  fill(p, body,
       gradient({0, -0.3}, {0, -0.05},
                {{0.0, l.body.lighter(130)}, {0.4, l.body}, {1.0, l.body.darker(150)}}));
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  if (spine) {
    fill(p, rect(-0.075, -0.4, 0.15, 0.4), l.trim);
    fill(p, rect(-0.06, -0.4, 0.12, 0.4), l.accent);
  } else {
    fill(p, rect(-0.09, -0.4, 0.06, 0.4), l.accent);
    fill(p, rect(0.03, -0.4, 0.06, 0.4), l.accent);
  }
  // The intake and splitter.
  QPainterPath intake(QPointF(-0.3, -0.13));
  intake.lineTo(0.3, -0.13);
  intake.lineTo(0.26, -0.07);
  intake.lineTo(-0.26, -0.07);
  intake.closeSubpath();
  fillOutlined(p, intake, QColor(0x16, 0x16, 0x20), ink * 0.6);
  for (double x = -0.24; x < 0.25; x += 0.06) {
    stroke(
        p,
        [&] {
          QPainterPath slat(QPointF(x, -0.125));
          slat.lineTo(x, -0.075);
          return slat;
        }(),
        QPen(QColor(0x3a, 0x3c, 0x4a), 0.012));
  }
  fill(p, rect(-0.6, -0.06, 1.2, 0.02), QColor(0x1a, 0x1a, 0x22));
  p.restore();
  if (spine) {
    stroke(
        p,
        [] {
          QPainterPath s(QPointF(-0.075, -0.265));
          s.lineTo(-0.075, -0.13);
          s.moveTo(0.075, -0.265);
          s.lineTo(0.075, -0.13);
          return s;
        }(),
        QPen(pal::kInk, ink * 0.4));
  }
  stroke(p, body, art::ink(ink));
  if (spine) {
    fill(p, polygon({{-0.06, -0.27}, {0.06, -0.27}, {0.04, -0.43}, {-0.04, -0.43}}), l.accent);
  }

  // Headlamps: slits swept up into the fenders.
  for (double side : {-1.0, 1.0}) {
    QPainterPath lamp(QPointF(side * 0.22, -0.2));
    lamp.lineTo(side * 0.46, -0.245);
    lamp.lineTo(side * 0.49, -0.205);
    lamp.lineTo(side * 0.26, -0.175);
    lamp.closeSubpath();
    fillOutlined(p, lamp, lampsOn ? QColor(0xff, 0xfc, 0xe8) : pal::kHeadlight, ink * 0.6);
  }
  if (lampsOn) {
    for (double side : {-1.0, 1.0}) {
      const QPointF c(side * 0.36, -0.21);
      glow(p, c, 0.3, QColor(0xff, 0xf6, 0xc8), 230);
      twinkle(p, c, 0.16, QColor(255, 255, 240, 230));
      twinkle(p, c, 0.07, Qt::white);
    }
  }
  p.restore();
}

// --- Small props --------------------------------------------------------------------------------

// A flag on a pole, its free end rippling. `chequer` draws the black and
// white squares of the finish flag.
void flag(QPainter& p, QPointF foot, double pole, double w, double h, const QColor& colour,
          bool chequer, double wave) {
  const QPointF top = foot - QPointF(0, pole);
  stroke(
      p,
      [&] {
        QPainterPath stick(foot);
        stick.lineTo(top);
        return stick;
      }(),
      QPen(QColor(0x5a, 0x4a, 0x3a), 1.6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath cloth(top);
  cloth.cubicTo(top + QPointF(w * 0.35, -wave), top + QPointF(w * 0.65, wave), top + QPointF(w, 0));
  cloth.lineTo(top + QPointF(w, h));
  cloth.cubicTo(top + QPointF(w * 0.65, h + wave), top + QPointF(w * 0.35, h - wave),
                top + QPointF(0, h));
  cloth.closeSubpath();
  if (chequer) {
    fill(p, cloth, pal::kWhite);
    p.save();
    p.setClipPath(cloth, Qt::IntersectClip);
    const double s = h / 4;
    for (int r = -1; r < 5; ++r) {
      for (int c = 0; c * s < w + s; ++c) {
        if ((r + c) % 2) continue;
        const double dy = wave * std::sin(c * s / w * 2 * kPi) * 0.8;
        fill(p, rect(top.x() + c * s, top.y() + r * s + dy, s, s), pal::kInk);
      }
    }
    p.restore();
  } else {
    fill(p, cloth,
         gradient(top, top + QPointF(w, 0),
                  {{0.0, colour}, {0.5, colour.lighter(120)}, {1.0, colour.darker(115)}}));
  }
  stroke(p, cloth, art::ink(1.1));
}

// A crowd along a barrier: heads and shoulders in a jumble of colours,
// some with arms up.
void crowd(QPainter& p, double x0, double x1, double y, double size, std::uint32_t seed,
           int alpha = 255) {
  Dice dice(seed);
  const QColor shirts[] = {pal::kCarRed,   pal::kCarBlue,   pal::kCarYellow, pal::kWhite,
                           pal::kCarGreen, pal::kSkyOrange, pal::kTeal,      pal::kCarPurple};
  const QColor skins[] = {QColor(0xf4, 0xc8, 0xa2), QColor(0xd8, 0x9a, 0x6c),
                          QColor(0x9a, 0x64, 0x42), QColor(0xfa, 0xdc, 0xc4)};
  for (double x = x0; x < x1; x += size * dice.uniform(0.75, 1.05)) {
    const double jitter = dice.uniform(-size * 0.25, size * 0.2);
    const QPointF head(x, y - size * 1.3 + jitter);
    const QColor shirt = withAlpha(shirts[dice.below(8)], alpha);
    QPainterPath body;
    body.addRoundedRect(QRectF(x - size * 0.55, head.y() + size * 0.45, size * 1.1, size * 1.4),
                        size * 0.4, size * 0.4);
    fill(p, body, shirt);
    if (dice.below(3) == 0) {
      const double side = dice.below(2) ? 1 : -1;
      stroke(
          p,
          [&] {
            QPainterPath arm(QPointF(x + side * size * 0.4, head.y() + size * 0.7));
            arm.lineTo(x + side * size * 0.7, head.y() - size * 0.6);
            return arm;
          }(),
          QPen(shirt, size * 0.3, Qt::SolidLine, Qt::RoundCap));
    }
    fill(p, circle(head, size * 0.38), withAlpha(skins[dice.below(4)], alpha));
    if (dice.below(2)) {
      fill(p, ellipse(head - QPointF(0, size * 0.2), size * 0.4, size * 0.22),
           withAlpha(QColor(0x3a, 0x2c, 0x28), alpha));
    }
  }
}

// The Vantor chevron.
QPainterPath vantorChevron(QPointF c, double s) {
  QPainterPath v;
  for (double dx : {-0.45, 0.35}) {
    v.addPolygon(
        QPolygonF({c + QPointF((dx - 0.3) * s, -0.5 * s), c + QPointF((dx + 0.05) * s, 0),
                   c + QPointF((dx - 0.3) * s, 0.5 * s), c + QPointF((dx + 0.05) * s, 0.5 * s),
                   c + QPointF((dx + 0.4) * s, 0), c + QPointF((dx + 0.05) * s, -0.5 * s)}));
    v.closeSubpath();
  }
  return v;
}

// A team member seen from behind, arms reaching to `leftHand` and
// `rightHand`: `head` is the centre of the head, `s` its radius, `bottom`
// where the body leaves the picture.
void crewMember(QPainter& p, QPointF head, double s, double bottom, const QColor& shirt,
                const QColor& hair, QPointF leftHand, QPointF rightHand, bool cap = false) {
  const double shoulderY = head.y() + s * 1.6;
  const QPointF leftShoulder(head.x() - s * 2.3, shoulderY + s * 0.5);
  const QPointF rightShoulder(head.x() + s * 2.3, shoulderY + s * 0.5);
  for (const auto& [from, to] :
       {std::pair{leftShoulder, leftHand}, std::pair{rightShoulder, rightHand}}) {
    QPainterPath arm(from);
    arm.quadTo((from + to) / 2 + QPointF((to.x() - from.x()) * 0.15, s * 0.3), to);
    stroke(p, arm, QPen(pal::kInk, s * 1.05 + 2 * kOutline, Qt::SolidLine, Qt::RoundCap));
    stroke(p, arm, QPen(shirt, s * 1.05, Qt::SolidLine, Qt::RoundCap));
    fillOutlined(p, circle(to, s * 0.55), QColor(0x2a, 0x2a, 0x36), kOutline);
  }
  QPainterPath torso(QPointF(head.x() - s * 0.8, shoulderY - s * 0.3));
  torso.cubicTo(head.x() - s * 2.0, shoulderY - s * 0.3, head.x() - s * 2.9, shoulderY + s * 0.1,
                head.x() - s * 2.9, shoulderY + s * 1.5);
  torso.cubicTo(head.x() - s * 2.8, shoulderY + s * 4, head.x() - s * 2.4, bottom - s,
                head.x() - s * 2.5, bottom + 4);
  torso.lineTo(head.x() + s * 2.5, bottom + 4);
  torso.cubicTo(head.x() + s * 2.4, bottom - s, head.x() + s * 2.8, shoulderY + s * 4,
                head.x() + s * 2.9, shoulderY + s * 1.5);
  torso.cubicTo(head.x() + s * 2.9, shoulderY + s * 0.1, head.x() + s * 2.0, shoulderY - s * 0.3,
                head.x() + s * 0.8, shoulderY - s * 0.3);
  torso.closeSubpath();
  fillOutlined(p, torso,
               gradient({head.x() - s * 3, 0}, {head.x() + s * 3, 0},
                        {{0.0, shirt.darker(130)}, {0.5, shirt}, {1.0, shirt.darker(115)}}),
               kOutline);
  // Creases where the arms lift the shirt.
  for (double side : {-1.0, 1.0}) {
    stroke(
        p,
        [&] {
          QPainterPath crease(QPointF(head.x() + side * s * 2.6, shoulderY + s * 1.2));
          crease.quadTo(QPointF(head.x() + side * s * 1.8, shoulderY + s * 2.4),
                        QPointF(head.x() + side * s * 1.6, shoulderY + s * 3.6));
          return crease;
        }(),
        QPen(withAlpha(shirt.darker(160), 180), 1.0, Qt::SolidLine, Qt::RoundCap));
  }
  // The team chevron across the shoulders.
  fill(p, vantorChevron(QPointF(head.x(), shoulderY + s * 2.2), s * 1.6),
       withAlpha(shirt == pal::kWhite ? pal::kCarRed : pal::kWhite, 230));
  fillOutlined(p, rect(head.x() - s * 0.45, head.y() + s * 0.6, s * 0.9, s * 0.9),
               QColor(0xe6, 0xb8, 0x94), kOutline * 0.8);
  for (double side : {-1.0, 1.0}) {
    fillOutlined(p, ellipse(head + QPointF(side * s * 0.95, s * 0.1), s * 0.22, s * 0.32),
                 QColor(0xf0, 0xc0, 0x9c), kOutline * 0.7);
  }
  fillOutlined(
      p, circle(head, s),
      gradient(head - QPointF(0, s), head + QPointF(0, s), {{0.0, hair.lighter(130)}, {1.0, hair}}),
      kOutline);
  if (cap) {
    QPainterPath crown;
    crown.addEllipse(head - QPointF(0, s * 0.25), s * 1.02, s * 0.8);
    crown = crown.intersected(rect(head.x() - 2 * s, head.y() - 2 * s, 4 * s, s * 2.1));
    fillOutlined(p, crown, pal::kCarRed, kOutline);
    fill(p, ellipse(head + QPointF(0, s * 0.02), s * 0.3, s * 0.12), pal::kWhite);
  }
}

// The letter P and the digit 1 as strokes, for the pit board.
QPainterPath boardMark(QPointF at, double h) {
  QPainterPath path(at + QPointF(0, h));
  path.lineTo(at);
  path.lineTo(at + QPointF(h * 0.3, 0));
  path.cubicTo(at + QPointF(h * 0.62, 0), at + QPointF(h * 0.62, h * 0.5),
               at + QPointF(h * 0.3, h * 0.5));
  path.lineTo(at + QPointF(0, h * 0.5));
  const QPointF one = at + QPointF(h * 0.78, 0);
  path.moveTo(one + QPointF(-h * 0.12, h * 0.14));
  path.lineTo(one + QPointF(h * 0.08, 0));
  path.lineTo(one + QPointF(h * 0.08, h));
  return path;
}

// A round hay bale seen end-on, its spiral of straw facing us.
void hayBale(QPainter& p, QPointF c, double r) {
  fill(p, ellipse(c + QPointF(r * 0.3, r * 0.95), r * 1.1, r * 0.22), QColor(20, 40, 10, 70));
  QPainterPath side(c + QPointF(0, -r));
  side.lineTo(c + QPointF(r * 0.9, -r));
  side.arcTo(QRectF(c.x() + r * 0.9 - r * 0.45, c.y() - r, r * 0.9, 2 * r), 90, -180);
  side.lineTo(c + QPointF(0, r));
  side.closeSubpath();
  fillOutlined(p, side,
               gradient(c, c + QPointF(r * 1.4, 0),
                        {{0.0, QColor(0xd8, 0xb0, 0x50)}, {1.0, QColor(0xb0, 0x84, 0x30)}}),
               1.3);
  fillOutlined(p, circle(c, r),
               gradient(c - QPointF(r, r), c + QPointF(r, r),
                        {{0.0, QColor(0xf6, 0xd8, 0x7a)}, {1.0, QColor(0xd0, 0xa4, 0x44)}}),
               1.3);
  QPainterPath spiral;
  for (int i = 0; i <= 60; ++i) {
    const double t = i / 60.0;
    const double a = t * 5 * kPi;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r * 0.85 * t;
    i == 0 ? spiral.moveTo(q) : spiral.lineTo(q);
  }
  stroke(p, spiral, QPen(QColor(0xa8, 0x7c, 0x2c), 0.9));
}

// --- Stage 1: the countryside heat --------------------------------------------------------------

void sceneCountryside(QPainter& p) {
  const double W = 557, H = 392;
  const double horizon = 92;
  // A clear summer sky.
  p.fillRect(QRectF(0, 0, W, horizon + 20), gradient({0, 0}, {0, horizon},
                                                     {{0.0, QColor(0x3c, 0x9c, 0xf0)},
                                                      {0.7, QColor(0x8c, 0xd0, 0xff)},
                                                      {1.0, QColor(0xd6, 0xf0, 0xff)}}));
  glow(p, QPointF(60, 20), 90, QColor(0xff, 0xf6, 0xd0), 170);
  fill(p, circle(QPointF(60, 20), 13), QColor(0xff, 0xf6, 0xd6));
  cloud(p, {150, 40}, 110, pal::kWhite, QColor(0xb8, 0xd4, 0xf0), 1);
  cloud(p, {390, 30}, 90, pal::kWhite, QColor(0xb8, 0xd4, 0xf0), 2);
  cloud(p, {520, 62}, 70, pal::kWhite, QColor(0xb8, 0xd4, 0xf0), 3);
  cloud(p, {270, 72}, 60, pal::kWhite, QColor(0xc0, 0xda, 0xf2), 4);

  // Rolling hills, hazy far off and greener near.
  QPainterPath far(QPointF(0, horizon));
  far.cubicTo(80, 62, 160, 70, 230, 80);
  far.cubicTo(300, 90, 360, 58, 450, 66);
  far.cubicTo(500, 70, 530, 78, W, 74);
  far.lineTo(W, 140);
  far.lineTo(0, 140);
  far.closeSubpath();
  fill(p, far,
       gradient({0, 60}, {0, 110},
                {{0.0, QColor(0x8c, 0xc4, 0x8e)}, {1.0, QColor(0x6c, 0xb0, 0x6a)}}));
  QPainterPath near(QPointF(0, 96));
  near.cubicTo(100, 80, 180, 92, 280, 90);
  near.cubicTo(380, 88, 440, 80, W, 92);
  near.lineTo(W, 140);
  near.lineTo(0, 140);
  near.closeSubpath();
  fill(p, near,
       gradient({0, 80}, {0, 120},
                {{0.0, QColor(0x62, 0xb4, 0x4e)}, {1.0, QColor(0x4a, 0x9a, 0x3e)}}));
  // Hedgerows and trees along the fields.
  Dice dice(101);
  for (int i = 0; i < 22; ++i) {
    const double x = dice.uniform(0, W);
    const double y = 88 + dice.uniform(-4, 8);
    const double r = dice.uniform(5, 9);
    QPainterPath tree;
    tree.addEllipse(QPointF(x, y - r), r, r);
    tree.addEllipse(QPointF(x + r * 0.7, y - r * 0.6), r * 0.7, r * 0.7);
    fill(p, tree.simplified(),
         gradient({x, y - 2 * r}, {x, y},
                  {{0.0, QColor(0x4c, 0x9a, 0x3a)}, {1.0, QColor(0x2e, 0x6e, 0x2e)}}));
  }
  // A red barn on the hill.
  fillOutlined(p, polygon({{462, 84}, {492, 84}, {492, 68}, {477, 58}, {462, 68}}),
               QColor(0xc8, 0x3a, 0x32), 1.2);
  fill(p, rect(472, 74, 10, 10), QColor(0x6a, 0x1c, 0x1c));
  stroke(p, polygon({{462, 68}, {477, 58}, {492, 68}}), QPen(pal::kWhite, 1.4));

  // The grandstand side: a low white barrier, the crowd behind it and
  // flags waving over them.
  const double wallTop = 112, trackTop = 128;
  crowd(p, 0, W, wallTop - 1, 6.5, 5);
  fillOutlined(
      p, rect(-2, wallTop, W + 4, trackTop - wallTop - 4),
      gradient({0, wallTop}, {0, trackTop}, {{0.0, pal::kWhite}, {1.0, QColor(0xc8, 0xcc, 0xd8)}}),
      1.2);
  for (double x = 20; x < W; x += 64) {
    fill(p, rect(x, wallTop + 3, 34, 6), x == 148 ? pal::kCarRed : QColor(0x2f, 0x7d, 0xff, 200));
  }
  fill(p, vantorChevron(QPointF(165, wallTop + 6), 6), pal::kWhite);
  flag(p, {30, wallTop}, 36, 24, 15, pal::kCarRed, false, 3);
  flag(p, {96, wallTop}, 30, 20, 13, pal::kTeal, false, -2.5);
  flag(p, {214, wallTop}, 34, 22, 14, pal::kCarYellow, false, 3);
  flag(p, {488, wallTop}, 32, 22, 14, pal::kCarBlue, false, -3);
  flag(p, {536, wallTop}, 28, 18, 12, pal::kCarRed, false, 2.5);
  // The marshal's platform by the line, the chequered flag flying.
  fillOutlined(p, rect(392, 82, 40, 30), QColor(0xee, 0xee, 0xf2), 1.2);
  fill(p, rect(392, 82, 40, 5), pal::kKerbRed);
  fill(p, circle(QPointF(404, 74), 4), QColor(0xf4, 0xc8, 0xa2));
  fill(
      p,
      [] {
        QPainterPath m;
        m.addRoundedRect(QRectF(398, 77, 12, 10), 3, 3);
        return m;
      }(),
      QColor(0xff, 0x7e, 0x22));
  stroke(
      p,
      [] {
        QPainterPath arm(QPointF(408, 79));
        arm.lineTo(416, 64);
        return arm;
      }(),
      QPen(QColor(0xff, 0x7e, 0x22), 3, Qt::SolidLine, Qt::RoundCap));
  flag(p, {416, 66}, 30, 36, 22, pal::kWhite, true, 4);

  // The track: far kerb, asphalt, near kerb.
  const double trackBottom = 198;
  p.fillRect(QRectF(0, trackTop, W, trackBottom - trackTop),
             gradient({0, trackTop}, {0, trackBottom},
                      {{0.0, QColor(0x5a, 0x5c, 0x66)}, {1.0, QColor(0x44, 0x46, 0x52)}}));
  for (double x = -10; x < W; x += 22) {
    fill(
        p,
        polygon({{x, trackTop}, {x + 11, trackTop}, {x + 12, trackTop + 4}, {x + 1, trackTop + 4}}),
        pal::kKerbRed);
    fill(p,
         polygon({{x + 11, trackTop},
                  {x + 22, trackTop},
                  {x + 23, trackTop + 4},
                  {x + 12, trackTop + 4}}),
         pal::kWhite);
  }
  fill(p, rect(0, trackTop + 8, W, 1.6), withAlpha(pal::kWhite, 200));
  fill(p, rect(0, trackBottom - 10, W, 2), withAlpha(pal::kWhite, 220));
  for (double x = -10; x < W; x += 28) {
    fill(p,
         polygon({{x, trackBottom - 6},
                  {x + 14, trackBottom - 6},
                  {x + 12, trackBottom + 2},
                  {x - 2, trackBottom + 2}}),
         pal::kKerbRed);
    fill(p,
         polygon({{x + 14, trackBottom - 6},
                  {x + 28, trackBottom - 6},
                  {x + 26, trackBottom + 2},
                  {x + 12, trackBottom + 2}}),
         pal::kWhite);
  }
  // Rubber marks along the racing line.
  for (int i = 0; i < 40; ++i) {
    const double y = dice.uniform(trackTop + 14, trackBottom - 14);
    const double x = dice.uniform(0, W);
    fill(p, rect(x, y, dice.uniform(20, 70), 0.8), QColor(0, 0, 0, 30));
  }
  // The finish line across the track, leaning with the view.
  const double lineX = 336;
  for (int row = 0; row < 8; ++row) {
    const double y0 = trackTop + 4 + row * (trackBottom - trackTop - 10) / 8.0;
    const double y1 = y0 + (trackBottom - trackTop - 10) / 8.0;
    for (int col = 0; col < 2; ++col) {
      const double x0 = lineX + (y0 - trackTop) * 0.28 + col * 6;
      const double x1 = lineX + (y1 - trackTop) * 0.28 + col * 6;
      fill(p, polygon({{x0, y0}, {x0 + 6, y0}, {x1 + 6, y1}, {x1, y1}}),
           (row + col) % 2 ? pal::kInk : pal::kWhite);
    }
  }

  // The player's car, red with white stripes, crossing the line flat out.
  speedLines(p, QRectF(60, 140, 170, 46), 14, 7, pal::kWhite);
  sideCar(p, {210, 182}, 175, 1, {pal::kCarRed, pal::kWhite, pal::kWhite, 7}, true);
  // Dust kicked up behind it.
  for (int i = 0; i < 8; ++i) {
    glow(p, QPointF(200 - i * 11, 178 - dice.uniform(0, 8)), 10 + i * 1.5, QColor(0xe8, 0xe0, 0xd0),
         110 - i * 12);
  }

  // The pit wall in front, and the Vantor pit board held out over it.
  const double pitTop = 198;
  fillOutlined(p, rect(-2, pitTop, W + 4, 16),
               gradient({0, pitTop}, {0, pitTop + 16},
                        {{0.0, QColor(0xe8, 0xea, 0xf0)}, {1.0, QColor(0xa8, 0xac, 0xbc)}}),
               1.4);
  for (double x = 0; x < W; x += 40) fill(p, rect(x, pitTop + 1, 20, 3), pal::kKerbRed);
  QPainterPath board;
  board.addRoundedRect(QRectF(22, 124, 78, 52), 4, 4);
  fill(p, board.translated(2, 3), QColor(0, 0, 0, 60));
  fillOutlined(p, board,
               gradient({0, 124}, {0, 176},
                        {{0.0, QColor(0x30, 0x30, 0x3e)}, {1.0, QColor(0x1c, 0x1c, 0x26)}}),
               kOutline);
  fill(p, rect(26, 128, 70, 10), pal::kCarRed);
  fill(p, vantorChevron(QPointF(61, 133), 7), pal::kWhite);
  stroke(p, boardMark(QPointF(34, 144), 24),
         QPen(pal::kCarYellow, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  stroke(
      p,
      [] {
        QPainterPath tick(QPointF(70, 158));
        tick.lineTo(77, 166);
        tick.lineTo(92, 146);
        return tick;
      }(),
      QPen(pal::kCarGreen, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  fillOutlined(p, polygon({{58, 176}, {63, 176}, {54, 262}, {49, 262}}), QColor(0x9a, 0x9e, 0xac),
               1.2);
  // The grass verge in front: mown stripes, hay bales and wild flowers.
  const double grassTop = pitTop + 16;
  p.fillRect(QRectF(0, grassTop, W, H - grassTop),
             gradient({0, grassTop}, {0, H},
                      {{0.0, QColor(0x5a, 0xae, 0x48)}, {1.0, QColor(0x6c, 0xbc, 0x52)}}));
  for (double x = -40; x < W; x += 60) {
    fill(p, polygon({{x, grassTop}, {x + 30, grassTop}, {x + 70, H}, {x + 40, H}}),
         QColor(255, 255, 255, 16));
  }
  for (int i = 0; i < 260; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(grassTop + 4, H));
    const double len = 2 + (at.y() - grassTop) / 60;
    stroke(
        p,
        [&] {
          QPainterPath blade(at);
          blade.lineTo(at + QPointF(dice.uniform(-1, 1), -len));
          return blade;
        }(),
        QPen(QColor(0x3e, 0x8a, 0x34, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
  }
  for (int i = 0; i < 60; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(grassTop + 10, H));
    fill(p, circle(at, 1.3), i % 3 ? QColor(0xff, 0xfa, 0xee) : QColor(0xff, 0xd2, 0x4a));
  }
  hayBale(p, {200, 268}, 20);
  hayBale(p, {404, 262}, 22);
  hayBale(p, {440, 300}, 28);
  hayBale(p, {250, 350}, 26);

  // The crew: one holding the board out, one cheering the car home.
  crewMember(p, {86, 206}, 12, H, pal::kCarRed, QColor(0x3a, 0x2c, 0x28), {58, 174}, {55, 196},
             true);
  crewMember(p, {506, 210}, 12, H, pal::kWhite, QColor(0x6a, 0x48, 0x30), {470, 166}, {544, 164});
}

// --- Stage 2: the coast road at sunset ----------------------------------------------------------

// A palm tree: a leaning, ringed trunk and a crown of drooping fronds,
// backlit by the low sun so it stands dark against the sky.
void palm(QPainter& p, QPointF foot, QPointF crownAt, double size, const QColor& dark,
          const QColor& rim) {
  QPainterPath trunk(foot + QPointF(-size * 0.1, 0));
  trunk.quadTo((foot + crownAt) / 2 + QPointF(size * 0.25, 0), crownAt + QPointF(-size * 0.06, 0));
  trunk.lineTo(crownAt + QPointF(size * 0.06, 0));
  trunk.quadTo((foot + crownAt) / 2 + QPointF(size * 0.33, 0), foot + QPointF(size * 0.09, 0));
  trunk.closeSubpath();
  fillOutlined(
      p, trunk,
      gradient(foot, foot + QPointF(size * 0.2, 0), {{0.0, dark}, {1.0, dark.lighter(140)}}), 1.2);
  for (double t = 0.08; t < 0.95; t += 0.07) {
    const QPointF a = foot + (crownAt - foot) * t + QPointF(size * 0.29 * std::sin(t * kPi), 0);
    stroke(
        p,
        [&] {
          QPainterPath ring(a - QPointF(size * 0.07, 0));
          ring.quadTo(a + QPointF(0, size * 0.03), a + QPointF(size * 0.07, 0));
          return ring;
        }(),
        QPen(withAlpha(rim, 140), 1.0));
  }
  // Fronds: an arching rib hung with leaflets that droop towards the tip.
  const double angles[] = {-168, -140, -110, -75, -42, -12, 14, 196};
  for (double deg : angles) {
    const double a = deg * kPi / 180;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF tip = crownAt + dir * size + QPointF(0, size * 0.55);
    const QPointF ctrl = crownAt + dir * size * 0.6 - QPointF(0, size * 0.25);
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    for (double t = 0.1; t < 0.98; t += 0.045) {
      const QPointF q = crownAt * (1 - t) * (1 - t) + ctrl * 2 * t * (1 - t) + tip * t * t;
      const QPointF next = crownAt * (1 - t - 0.02) * (1 - t - 0.02) +
                           ctrl * 2 * (t + 0.02) * (1 - t - 0.02) + tip * (t + 0.02) * (t + 0.02);
      QPointF along = next - q;
      const double len = std::hypot(along.x(), along.y());
      along /= len > 0 ? len : 1;
      const double leaf = size * 0.42 * (1.15 - t);
      for (double side : {-1.0, 1.0}) {
        const QPointF out = QPointF(-along.y(), along.x()) * side;
        const QPointF end = q + (out * 0.7 + QPointF(0, 1.0) + along * 0.5) * leaf;
        leaves.addPolygon(QPolygonF({q - along * size * 0.02, q + along * size * 0.05, end}));
        leaves.closeSubpath();
      }
    }
    fill(p, leaves, gradient(crownAt, tip, {{0.0, dark.lighter(125)}, {1.0, dark}}));
    QPainterPath rib(crownAt);
    rib.quadTo(ctrl, tip);
    stroke(p, rib, QPen(dark.darker(120), 2.0, Qt::SolidLine, Qt::RoundCap));
    stroke(p, rib.translated(0, -0.8), QPen(withAlpha(rim, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
  }
  fill(p, circle(crownAt + QPointF(0, size * 0.06), size * 0.08), dark.darker(130));
}

void sceneCoast(QPainter& p) {
  const double W = 576, H = 323;
  const double horizon = 102;
  const QPointF sun(432, horizon + 6);
  p.fillRect(QRectF(0, 0, W, horizon + 2), gradient({0, 0}, {0, horizon},
                                                    {{0.0, pal::kSkyNight},
                                                     {0.3, pal::kSkyViolet},
                                                     {0.6, pal::kSkyMagenta},
                                                     {0.85, pal::kSkyOrange},
                                                     {1.0, pal::kSkyGold}}));
  Dice dice(202);
  for (int i = 0; i < 30; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(2, 40));
    fill(p, circle(at, dice.uniform(0.4, 1.0)),
         withAlpha(pal::kWhite, static_cast<int>(200 - at.y() * 4)));
  }
  glow(p, sun, 260, pal::kSkyGold, 170);
  fill(p, circle(sun, 40),
       gradient(sun - QPointF(0, 40), sun + QPointF(0, 20),
                {{0.0, pal::kSunCore}, {0.6, pal::kSkyGold}, {1.0, pal::kSkyOrange}}));
  // Long clouds lit gold underneath.
  struct Streak {
    double x, y, w, h;
  };
  for (const Streak& c : {Streak{300, 54, 220, 5}, Streak{40, 36, 200, 6}, Streak{380, 26, 160, 4},
                          Streak{120, 74, 150, 4}, Streak{470, 80, 110, 4}}) {
    QPainterPath band;
    band.addRoundedRect(QRectF(c.x, c.y, c.w, c.h), c.h / 2, c.h / 2);
    band.addEllipse(QPointF(c.x + c.w * 0.35, c.y + c.h * 0.2), c.w * 0.14, c.h * 1.2);
    fill(p, band.simplified(),
         gradient({0, c.y - c.h}, {0, c.y + c.h},
                  {{0.0, withAlpha(mix(pal::kSkyViolet, pal::kSkyMagenta, 0.4), 230)},
                   {1.0, withAlpha(pal::kSkyGold, 230)}}));
  }
  // Distant islands and the headland with its lighthouse.
  fill(p, polygon({{170, horizon}, {196, horizon - 9}, {220, horizon - 6}, {250, horizon}}),
       withAlpha(mix(pal::kSkyViolet, pal::kSkyMagenta, 0.3), 230));
  QPainterPath headland(QPointF(-2, horizon + 30));
  headland.lineTo(-2, 68);
  headland.cubicTo(30, 62, 60, 64, 84, 76);
  headland.cubicTo(104, 84, 118, 94, 140, horizon + 2);
  headland.lineTo(150, horizon + 30);
  headland.closeSubpath();
  fillOutlined(p, headland,
               gradient({0, 64}, {0, horizon + 20},
                        {{0.0, QColor(0x5a, 0x2c, 0x5c)}, {1.0, QColor(0x2c, 0x18, 0x3a)}}),
               1.4);
  fillOutlined(p, polygon({{48, 66}, {60, 66}, {58, 30}, {50, 30}}), pal::kWhite, 1.2);
  fill(p, polygon({{49.2, 54}, {58.8, 54}, {58.5, 46}, {49.5, 46}}), pal::kKerbRed);
  fill(p, polygon({{49.8, 40}, {58.2, 40}, {58, 34}, {50, 34}}), pal::kKerbRed);
  fillOutlined(p, rect(48, 24, 12, 6), pal::kHeadlight, 1.0);
  fillOutlined(p, polygon({{46, 24}, {62, 24}, {54, 17}}), pal::kKerbRed, 1.0);
  glow(p, QPointF(54, 27), 22, pal::kHeadlight, 200);
  drawStreak(p, QPointF(60, 27), QPointF(150, 14), 10, withAlpha(pal::kHeadlight, 90));

  // The sea, a path of glitter running to the sun.
  const double roadTop = 152;
  p.fillRect(QRectF(0, horizon, W, roadTop - horizon), gradient({0, horizon}, {0, roadTop},
                                                                {{0.0, QColor(0x9a, 0x48, 0x7a)},
                                                                 {0.5, QColor(0x5a, 0x30, 0x6e)},
                                                                 {1.0, QColor(0x34, 0x22, 0x58)}}));
  for (int i = 0; i < 150; ++i) {
    const double t = std::pow(dice.uniform(0, 1), 0.8);
    const double y = horizon + 2 + t * (roadTop - horizon - 4);
    const double spread = 18 + t * 110;
    const double x = sun.x() + dice.uniform(-spread, spread);
    fill(p, rect(x, y, dice.uniform(3, 4 + t * 14), 1.1 + t * 0.8),
         withAlpha(dice.below(2) ? pal::kSunCore : pal::kSkyGold, 120 + dice.below(130)));
  }
  for (int i = 0; i < 40; ++i) {
    const double y = dice.uniform(horizon + 6, roadTop);
    const double x = dice.uniform(0, W);
    stroke(
        p,
        [&] {
          QPainterPath swell(QPointF(x, y));
          swell.quadTo(x + 8, y - 1.5, x + 16 + (y - horizon) * 0.3, y);
          return swell;
        }(),
        QPen(withAlpha(pal::kSkyMagenta.lighter(130), 70), 1.0));
  }

  // The guard rail on the sea side.
  for (double x = 6; x < W; x += 30) {
    fillOutlined(p, rect(x, roadTop - 10, 3.5, 13), QColor(0x6a, 0x5a, 0x6e), 0.9);
  }
  QPainterPath rail = rect(-2, roadTop - 10, W + 4, 6);
  fillOutlined(p, rail,
               gradient({0, roadTop - 10}, {0, roadTop - 4},
                        {{0.0, QColor(0xff, 0xe0, 0xa0)},
                         {0.4, QColor(0xc0, 0x9a, 0xa0)},
                         {1.0, QColor(0x6a, 0x52, 0x6e)}}),
               1.2);

  // The road, shining where the sun catches it.
  const double roadBottom = 212;
  p.fillRect(QRectF(0, roadTop, W, roadBottom - roadTop),
             gradient({0, roadTop}, {0, roadBottom},
                      {{0.0, QColor(0x6a, 0x4e, 0x6a)},
                       {0.3, QColor(0x4a, 0x3a, 0x56)},
                       {1.0, QColor(0x30, 0x28, 0x3e)}}));
  QRadialGradient sheen(QPointF(sun.x(), roadTop + 6), 240);
  sheen.setColorAt(0, withAlpha(pal::kSkyGold, 150));
  sheen.setColorAt(1, withAlpha(pal::kSkyOrange, 0));
  fill(p, rect(0, roadTop, W, roadBottom - roadTop), sheen);
  fill(p, rect(0, roadTop + 3, W, 1.6), withAlpha(QColor(0xff, 0xe9, 0xc9), 200));
  for (double x = -20; x < W; x += 46)
    fill(p, rect(x, roadTop + 27, 26, 2.4), withAlpha(QColor(0xff, 0xe2, 0xbd), 220));
  fill(p, rect(0, roadBottom - 6, W, 1.8), withAlpha(QColor(0xff, 0xe9, 0xc9), 200));

  // Quellan's teal car in the far lane, the player's red car beside it.
  const QColor gold(0xff, 0xd2, 0x70, 230);
  speedLines(p, QRectF(40, 132, 200, 70), 16, 21, QColor(0xff, 0xe6, 0xb0));
  sideCar(p, {262, 180}, 148, 1,
          {QColor(0x1a, 0xb4, 0xaa), pal::kWhite, QColor(0xc8, 0xd0, 0xdc), 3}, true, gold);
  sideCar(p, {176, 204}, 172, 1, {pal::kCarRed, pal::kWhite, pal::kWhite, 7}, true, gold);

  // Below the road: a low stone wall, then dunes and beach grass.
  const double wallTop = 212;
  fillOutlined(p, rect(-2, wallTop, W + 4, 14),
               gradient({0, wallTop}, {0, wallTop + 14},
                        {{0.0, QColor(0xe8, 0xb4, 0x8a)}, {1.0, QColor(0xa8, 0x70, 0x5c)}}),
               1.4);
  for (double x = 0; x < W; x += 26)
    stroke(
        p,
        [&] {
          QPainterPath joint(QPointF(x, wallTop + 1));
          joint.lineTo(x, wallTop + 13);
          return joint;
        }(),
        QPen(QColor(0x8a, 0x56, 0x4a, 160), 1.0));
  const double duneTop = wallTop + 14;
  p.fillRect(QRectF(0, duneTop, W, H - duneTop),
             gradient({0, duneTop}, {0, H},
                      {{0.0, QColor(0xc8, 0x7c, 0x62)}, {1.0, QColor(0xe6, 0xa0, 0x74)}}));
  QPainterPath dune(QPointF(0, H));
  dune.lineTo(0, 272);
  dune.cubicTo(120, 252, 220, 282, 330, 266);
  dune.cubicTo(430, 252, 500, 276, W, 262);
  dune.lineTo(W, H);
  dune.closeSubpath();
  fill(p, dune,
       gradient({0, 252}, {0, H},
                {{0.0, QColor(0xf2, 0xb8, 0x84)}, {1.0, QColor(0xe0, 0x96, 0x6a)}}));
  for (int i = 0; i < 70; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(duneTop + 6, H));
    for (int k = -1; k <= 1; ++k) {
      stroke(
          p,
          [&] {
            QPainterPath blade(at);
            blade.quadTo(at + QPointF(k * 2, -5),
                         at + QPointF(k * 4 + 2, -9 - (at.y() - duneTop) * 0.05));
            return blade;
          }(),
          QPen(QColor(0x7a, 0x6a, 0x3a, 200), 1.0, Qt::SolidLine, Qt::RoundCap));
    }
  }
  palm(p, {540, H + 4}, {522, 52}, 56, QColor(0x3a, 0x1e, 0x34), pal::kSkyGold);
  palm(p, {22, H + 4}, {44, 136}, 40, QColor(0x3a, 0x1e, 0x34), pal::kSkyGold);
}

// --- Stage 3: the city at night -----------------------------------------------------------------

// A neon tube along `path`: a wide soft halo, a bright core.
void neon(QPainter& p, const QPainterPath& path, const QColor& colour, double width = 2.2) {
  stroke(p, path,
         QPen(withAlpha(colour, 50), width * 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, path,
         QPen(withAlpha(colour, 110), width * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, path, QPen(colour.lighter(140), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, path,
         QPen(withAlpha(Qt::white, 200), width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A tower block with rows of lit windows.
void tower(QPainter& p, const QRectF& r, const QColor& wall, Dice& dice, const QColor& window,
           double ink) {
  fillOutlined(p, rect(r.x(), r.y(), r.width(), r.height()),
               gradient(r.topLeft(), r.topRight(), {{0.0, wall.lighter(118)}, {1.0, wall}}), ink);
  for (double y = r.top() + 5; y < r.bottom() - 4; y += 7) {
    for (double x = r.left() + 4; x < r.right() - 4; x += 6) {
      if (dice.below(3) == 0) continue;
      fill(p, rect(x, y, 3, 3.6), withAlpha(window, 90 + dice.below(150)));
    }
  }
}

void sceneCity(QPainter& p) {
  const double W = 570, H = 395;
  const double street = 212;
  p.fillRect(QRectF(0, 0, W, street), gradient({0, 0}, {0, street},
                                               {{0.0, QColor(0x0c, 0x0a, 0x26)},
                                                {0.55, QColor(0x2a, 0x16, 0x52)},
                                                {1.0, QColor(0x6a, 0x24, 0x6a)}}));
  Dice dice(303);
  for (int i = 0; i < 40; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(2, 70));
    fill(p, circle(at, dice.uniform(0.4, 1.0)),
         withAlpha(pal::kWhite, 160 - static_cast<int>(at.y() * 1.5)));
  }
  // A crescent moon.
  fill(p, circle(QPointF(498, 34), 16).subtracted(circle(QPointF(506, 28), 14)),
       QColor(0xff, 0xf4, 0xd0));
  glow(p, QPointF(494, 38), 40, QColor(0xff, 0xf0, 0xc8), 60);
  // The far skyline, hazy violet, windows pricked out in gold.
  for (double x = 110; x < 470; x += dice.uniform(18, 30)) {
    const double h = dice.uniform(50, 130);
    tower(p, QRectF(x, street - 40 - h, dice.uniform(16, 28), h + 40), QColor(0x3a, 0x2a, 0x6a),
          dice, QColor(0xff, 0xd0, 0x80), 0);
    if (dice.below(3) == 0) {
      fill(p, circle(QPointF(x + 8, street - 44 - h), 1.6), pal::kTailLight);
    }
  }
  // Nearer blocks on either side, darker, with big neon signs.
  tower(p, QRectF(-2, 20, 120, street), QColor(0x26, 0x1e, 0x44), dice, QColor(0x9a, 0xe8, 0xff),
        kOutline);
  tower(p, QRectF(452, 34, 120, street), QColor(0x24, 0x1c, 0x40), dice, QColor(0xff, 0xb0, 0xe0),
        kOutline);
  // Left: a pink heart-and-arrow sign and a cyan tube frame.
  const QColor pink(0xff, 0x3f, 0xb4), cyan(0x3f, 0xf0, 0xff), amber(0xff, 0xb0, 0x3f);
  QPainterPath frame;
  frame.addRoundedRect(QRectF(14, 44, 84, 50), 8, 8);
  fill(p, frame, QColor(0x14, 0x0e, 0x26, 230));
  neon(p, frame, cyan);
  QPainterPath zig(QPointF(24, 78));
  for (int i = 0; i < 6; ++i) zig.lineTo(32 + i * 10, i % 2 ? 78 : 58);
  neon(p, zig, pink);
  QPainterPath arrowSign(QPointF(20, 130));
  arrowSign.lineTo(80, 130);
  arrowSign.moveTo(66, 118);
  arrowSign.lineTo(82, 130);
  arrowSign.lineTo(66, 142);
  neon(p, arrowSign, amber, 2.6);
  // Right: a ringed planet and a star.
  neon(p, ellipse(QPointF(512, 84), 20, 20), pink);
  neon(p, ellipse(QPointF(512, 84), 34, 9), cyan);
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const QPointF q = QPointF(500, 150) + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? 7 : 16);
    i == 0 ? star.moveTo(q) : star.lineTo(q);
  }
  star.closeSubpath();
  neon(p, star, amber);

  // The pit lane's neon gantry over both cars: two chevrons meeting.
  fillOutlined(p, rect(150, 28, 8, street - 28), QColor(0x30, 0x2c, 0x44), 1.2);
  fillOutlined(p, rect(412, 28, 8, street - 28), QColor(0x30, 0x2c, 0x44), 1.2);
  QPainterPath beam;
  beam.addRoundedRect(QRectF(140, 24, 290, 34), 6, 6);
  fillOutlined(p, beam,
               gradient({0, 24}, {0, 58},
                        {{0.0, QColor(0x2a, 0x26, 0x40)}, {1.0, QColor(0x16, 0x12, 0x26)}}),
               kOutline);
  for (double side : {-1.0, 1.0}) {
    QPainterPath chev;
    for (int k = 0; k < 3; ++k) {
      const double x = 285 - side * (30 + k * 22);
      chev.moveTo(x - side * 8, 32);
      chev.lineTo(x + side * 4, 41);
      chev.lineTo(x - side * 8, 50);
    }
    neon(p, chev, side < 0 ? amber : cyan, 2.0);
  }
  neon(p, circle(QPointF(285, 41), 8), pink, 2.0);

  // The wet street, the signs smeared across it.
  p.fillRect(QRectF(0, street, W, H - street),
             gradient({0, street}, {0, H},
                      {{0.0, QColor(0x1e, 0x1a, 0x30)}, {1.0, QColor(0x10, 0x0e, 0x1a)}}));
  struct Smear {
    double x, w;
    QColor c;
  };
  for (const Smear& sm :
       {Smear{56, 70, cyan}, Smear{50, 50, pink}, Smear{512, 60, pink}, Smear{500, 30, amber},
        Smear{285, 200, amber}, Smear{200, 60, amber}, Smear{370, 60, cyan}}) {
    for (int k = 0; k < 10; ++k) {
      const double y = street + 4 + k * 16 + dice.uniform(0, 6);
      const double w = sm.w * (1 - k * 0.07) * dice.uniform(0.6, 1.0);
      fill(p, rect(sm.x - w / 2 + dice.uniform(-6, 6), y, w, dice.uniform(1.5, 3.5)),
           withAlpha(sm.c, 90 - k * 7));
    }
  }
  // The pit lane lines.
  fill(p, rect(0, street + 2, W, 2), withAlpha(pal::kWhite, 150));
  for (double x = -10; x < W; x += 40)
    fill(p, rect(x, street + 44, 22, 3), withAlpha(QColor(0xff, 0xd2, 0x3a), 190));
  fill(p, rect(0, H - 70, W, 3), withAlpha(pal::kWhite, 90));

  // Brisko's orange car and the player's, nose to nose.
  const QColor neonRim(0xff, 0x9a, 0xe0, 200);
  for (const QPointF c : {QPointF(220, street - 4), QPointF(352, street - 4)}) {
    QRadialGradient pool(c, 90);
    pool.setColorAt(0, QColor(0xff, 0xd8, 0xa0, 70));
    pool.setColorAt(1, QColor(0xff, 0xd8, 0xa0, 0));
    fill(p, ellipse(c, 90, 18), pool);
  }
  sideCar(p, {138, street}, 138, 1,
          {QColor(0xff, 0x86, 0x1e), QColor(0x26, 0x24, 0x2e), pal::kWhite, 9}, false, neonRim);
  sideCar(p, {432, street}, 138, -1, {pal::kCarRed, pal::kWhite, pal::kWhite, 7}, false,
          QColor(0x9a, 0xf0, 0xff, 200));
  // Their reflections in the wet lane.
  for (const auto& [x, c] :
       {std::pair{215.0, QColor(0xff, 0x86, 0x1e)}, std::pair{355.0, pal::kCarRed}}) {
    for (int k = 0; k < 6; ++k) {
      fill(p, rect(x - 60 + k * 3, street + 6 + k * 6, 120 - k * 6, 2.4),
           withAlpha(c, 90 - k * 14));
    }
  }

  // The pit boxes painted on the lane, running towards us.
  for (double x : {120.0, 285.0, 450.0}) {
    stroke(
        p,
        [&] {
          QPainterPath line(QPointF(x, street + 6));
          line.lineTo(x + (x - 285) * 0.9, H);
          return line;
        }(),
        QPen(withAlpha(pal::kWhite, 60), 2.0));
  }
  // A stack of tyres and a tool trolley in the pit lane, lit by the signs.
  for (int k = 0; k < 4; ++k) {
    QPainterPath t;
    t.addRoundedRect(QRectF(20, 262 - k * 16, 62, 16), 6, 6);
    fillOutlined(p, t,
                 gradient({20, 0}, {82, 0},
                          {{0.0, QColor(0x2a, 0x2a, 0x34)},
                           {0.4, QColor(0x4a, 0x4a, 0x5a)},
                           {1.0, QColor(0x1c, 0x1c, 0x24)}}),
                 1.4);
    stroke(
        p,
        [&] {
          QPainterPath band(QPointF(24, 270 - k * 16));
          band.lineTo(78, 270 - k * 16);
          return band;
        }(),
        QPen(withAlpha(cyan, 140), 1.0));
  }
  QPainterPath trolley;
  trolley.addRoundedRect(QRectF(486, 226, 60, 44), 4, 4);
  fillOutlined(p, trolley,
               gradient({0, 226}, {0, 270}, {{0.0, pal::kCarRed}, {1.0, pal::kCarRed.darker(150)}}),
               1.4);
  for (double y : {236.0, 248.0, 260.0}) {
    fill(p, rect(490, y, 52, 1.5), QColor(0, 0, 0, 90));
    fill(p, rect(510, y - 4, 12, 2.5), QColor(0xd8, 0xdc, 0xe4));
  }
  for (double x : {494.0, 538.0}) fillOutlined(p, circle(QPointF(x, 274), 4), pal::kTyre, 1.0);
  // Puddles holding the signs' colours.
  for (const auto& [c, colour] :
       {std::pair{QPointF(150, 330), pink}, std::pair{QPointF(420, 350), cyan},
        std::pair{QPointF(300, 372), amber}}) {
    fill(p, ellipse(c, 56, 9),
         gradient(c - QPointF(56, 0), c + QPointF(56, 0),
                  {{0.0, withAlpha(colour, 0)},
                   {0.5, withAlpha(colour, 90)},
                   {1.0, withAlpha(colour, 0)}}));
    stroke(p, ellipse(c, 40, 6), QPen(withAlpha(colour.lighter(150), 90), 0.8));
  }
  // A concrete barrier along the front, a neon strip along its top.
  const double barrier = H - 34;
  fillOutlined(p, rect(-2, barrier, W + 4, 40),
               gradient({0, barrier}, {0, H},
                        {{0.0, QColor(0x4a, 0x46, 0x5e)}, {1.0, QColor(0x22, 0x20, 0x30)}}),
               kOutline);
  neon(
      p,
      [&] {
        QPainterPath strip(QPointF(0, barrier + 5));
        strip.lineTo(W, barrier + 5);
        return strip;
      }(),
      pink, 1.6);
  for (double x = 30; x < W; x += 90) {
    fill(p, vantorChevron(QPointF(x, barrier + 20), 10), withAlpha(pal::kWhite, 40));
  }
}

// --- Stage 4: the mountain pass in the rain -----------------------------------------------------

// A jagged ridge line from left to right.
QPainterPath ridge(double bottom, std::initializer_list<QPointF> peaks) {
  QPainterPath path;
  const std::vector<QPointF> pts(peaks);
  path.moveTo(pts.front().x(), bottom);
  for (const QPointF& q : pts) path.lineTo(q);
  path.lineTo(pts.back().x(), bottom);
  path.closeSubpath();
  return path;
}

// A dark fir seen from the side.
void fir(QPainter& p, QPointF foot, double h, const QColor& colour) {
  QPainterPath tree(foot + QPointF(0, -h));
  for (int i = 1; i <= 4; ++i) {
    const double y = foot.y() - h + h * i / 4.0;
    const double w = h * 0.1 * i + h * 0.05;
    tree.lineTo(foot.x() + w, y);
    if (i < 4) tree.lineTo(foot.x() + w * 0.45, y - h * 0.04);
  }
  for (int i = 4; i >= 1; --i) {
    const double y = foot.y() - h + h * i / 4.0;
    const double w = h * 0.1 * i + h * 0.05;
    if (i < 4) tree.lineTo(foot.x() - w * 0.45, y - h * 0.04);
    tree.lineTo(foot.x() - w, y);
  }
  tree.closeSubpath();
  fill(p, tree, colour);
}

void sceneMountain(QPainter& p) {
  const double W = 640, H = 480;
  p.fillRect(QRectF(0, 0, W, H), gradient({0, 0}, {0, 200},
                                          {{0.0, QColor(0x1a, 0x1e, 0x2e)},
                                           {0.6, QColor(0x3a, 0x44, 0x5a)},
                                           {1.0, QColor(0x5e, 0x6c, 0x80)}}));
  Dice dice(404);
  // Heavy storm clouds.
  for (int i = 0; i < 14; ++i) {
    const QPointF c(dice.uniform(-40, W + 40), dice.uniform(0, 70));
    const double r = dice.uniform(30, 60);
    fill(p, ellipse(c, r * 1.6, r * 0.6),
         gradient(c - QPointF(0, r * 0.6), c + QPointF(0, r * 0.6),
                  {{0.0, QColor(0x4a, 0x52, 0x68, 200)}, {1.0, QColor(0x22, 0x26, 0x36, 220)}}));
  }
  // Lightning far off over the peaks.
  QPainterPath bolt(QPointF(512, 20));
  bolt.lineTo(500, 48);
  bolt.lineTo(512, 52);
  bolt.lineTo(494, 92);
  bolt.moveTo(500, 48);
  bolt.lineTo(486, 62);
  glow(p, QPointF(502, 56), 70, QColor(0xc8, 0xdc, 0xff), 120);
  stroke(p, bolt,
         QPen(QColor(0xc8, 0xdc, 0xff, 160), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, bolt, QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // Ridges, layered into the mist.
  fill(p,
       ridge(200, {{-10, 120},
                   {60, 80},
                   {110, 100},
                   {180, 62},
                   {240, 96},
                   {300, 84},
                   {360, 110},
                   {430, 70},
                   {500, 96},
                   {560, 76},
                   {650, 104}}),
       gradient({0, 60}, {0, 200},
                {{0.0, QColor(0x62, 0x70, 0x86)}, {1.0, QColor(0x7a, 0x86, 0x98)}}));
  fill(p,
       ridge(220, {{-10, 140},
                   {40, 116},
                   {120, 146},
                   {200, 112},
                   {260, 138},
                   {340, 124},
                   {420, 150},
                   {520, 114},
                   {600, 138},
                   {650, 126}}),
       gradient({0, 110}, {0, 220},
                {{0.0, QColor(0x3e, 0x4a, 0x5c)}, {1.0, QColor(0x56, 0x62, 0x74)}}));
  for (double x = -6; x < W; x += dice.uniform(7, 12)) {
    fir(p, {x, 168 + dice.uniform(-6, 10)}, dice.uniform(14, 24), QColor(0x26, 0x34, 0x3a));
  }
  // Mist lying in the valley.
  fill(p, rect(0, 150, W, 40),
       gradient({0, 150}, {0, 190},
                {{0.0, QColor(0x9a, 0xa6, 0xb6, 0)},
                 {0.5, QColor(0x9a, 0xa6, 0xb6, 110)},
                 {1.0, QColor(0x9a, 0xa6, 0xb6, 0)}}));

  // The ground: a cliff on the left, the road sweeping down towards us.
  fill(p, rect(0, 176, W, H - 176),
       gradient({0, 176}, {0, H},
                {{0.0, QColor(0x2a, 0x36, 0x32)}, {1.0, QColor(0x1a, 0x22, 0x22)}}));
  // The road bends away behind the rock at its far end.
  QPainterPath road(QPointF(120, 138));
  road.cubicTo(160, 134, 200, 133, 222, 136);
  road.cubicTo(240, 139, 250, 144, 262, 150);
  road.cubicTo(330, 174, 520, 270, 640, 390);
  road.lineTo(640, H);
  road.lineTo(50, H);
  road.cubicTo(120, 330, 160, 200, 170, 156);
  road.lineTo(120, 150);
  road.closeSubpath();
  // Beyond the rail the mountainside drops away into the mist.
  QPainterPath drop(QPointF(262, 152));
  drop.cubicTo(330, 176, 520, 272, 640, 392);
  drop.lineTo(640, 176);
  drop.lineTo(255, 176);
  drop.closeSubpath();
  fill(p, drop,
       gradient({0, 170}, {0, 400},
                {{0.0, QColor(0x6a, 0x78, 0x8a)}, {1.0, QColor(0x3a, 0x46, 0x56)}}));
  for (double x = 300; x < W; x += dice.uniform(10, 16)) {
    fir(p, {x, 196 + (x - 300) * 0.2 + dice.uniform(0, 30)}, dice.uniform(18, 30),
        QColor(0x2c, 0x3a, 0x44, 200));
  }
  fill(p, drop,
       gradient({0, 170}, {0, 400},
                {{0.0, QColor(0x9a, 0xa6, 0xb6, 60)}, {1.0, QColor(0x9a, 0xa6, 0xb6, 140)}}));
  fill(p, road,
       gradient({0, 150}, {0, H},
                {{0.0, QColor(0x5a, 0x62, 0x70)},
                 {0.4, QColor(0x3a, 0x40, 0x4c)},
                 {1.0, QColor(0x26, 0x2a, 0x34)}}));
  // Wet sheen of the sky on the road.
  p.save();
  p.setClipPath(road, Qt::IntersectClip);
  fill(p, rect(0, 150, W, H),
       gradient({0, 150}, {0, 330},
                {{0.0, QColor(0xa8, 0xb8, 0xd0, 80)}, {1.0, QColor(0xa8, 0xb8, 0xd0, 0)}}));
  // The centre line, yellow, curving with the road.
  QPainterPath centre(QPointF(150, 137));
  centre.cubicTo(200, 134, 226, 150, 234, 180);
  centre.cubicTo(250, 240, 300, 360, 330, H + 10);
  QPen dash(QColor(0xf2, 0xc2, 0x30), 3.0, Qt::CustomDashLine, Qt::FlatCap);
  dash.setDashPattern({4, 3});
  stroke(p, centre, dash);
  p.restore();
  stroke(p, road, QPen(withAlpha(pal::kWhite, 180), 2.0));
  // The rock face rising on the left.
  QPainterPath cliff(QPointF(-2, 150));
  cliff.lineTo(60, 128);
  cliff.lineTo(130, 140);
  cliff.cubicTo(168, 150, 166, 186, 158, 216);
  cliff.cubicTo(138, 300, 84, 400, 26, H + 2);
  cliff.lineTo(-2, H + 2);
  cliff.closeSubpath();
  fillOutlined(p, cliff,
               gradient({0, 140}, {180, 0},
                        {{0.0, QColor(0x3a, 0x40, 0x4a)}, {1.0, QColor(0x56, 0x5c, 0x66)}}),
               kOutline);
  p.save();
  p.setClipPath(cliff, Qt::IntersectClip);
  for (int i = 0; i < 26; ++i) {
    const QPointF c(dice.uniform(0, 180), dice.uniform(140, H));
    stroke(
        p,
        [&] {
          QPainterPath crack(c);
          crack.lineTo(c + QPointF(dice.uniform(-14, 14), dice.uniform(8, 24)));
          crack.lineTo(c + QPointF(dice.uniform(-20, 20), dice.uniform(24, 40)));
          return crack;
        }(),
        QPen(QColor(0x1e, 0x22, 0x2a, 160), 1.2));
  }
  p.restore();
  // The guard rail along the outside of the bend, with a warning sign.
  QPainterPath railLine(QPointF(266, 156));
  railLine.cubicTo(340, 184, 520, 268, 650, 378);
  for (double t = 0.05; t < 1.0; t += 0.075) {
    const QPointF q = railLine.pointAtPercent(t);
    const double s = 0.4 + t * 1.6;
    fillOutlined(p, rect(q.x() - 1.5 * s, q.y() - 2 * s, 3 * s, 12 * s), QColor(0x8a, 0x90, 0x9a),
                 0.8);
    fill(p, circle(q + QPointF(0, 1 * s), 1.4 * s), pal::kTailLight);
  }
  stroke(p, railLine.translated(0, -6),
         QPen(QColor(0xc8, 0xce, 0xd8), 5.0, Qt::SolidLine, Qt::FlatCap));
  stroke(p, railLine.translated(0, -6), QPen(QColor(0x5a, 0x60, 0x6a), 1.2));
  fillOutlined(p, rect(566, 244, 4, 58), QColor(0x6a, 0x70, 0x7a), 1.0);
  QPainterPath sign;
  sign.addRoundedRect(QRectF(546, 214, 44, 32), 3, 3);
  fillOutlined(p, sign, pal::kCarYellow, kOutline);
  for (double x : {556.0, 570.0}) {
    fill(p, polygon({{x, 220}, {x + 8, 230}, {x, 240}, {x + 5, 240}, {x + 13, 230}, {x + 5, 220}}),
         pal::kInk);
  }

  // Dorrin's car behind, lamps on, and the Ultrapex coming through the spray.
  const Livery dorrin{QColor(0x26, 0x24, 0x30), QColor(0xe8, 0x26, 0x36), QColor(0xe8, 0x26, 0x36)};
  const Livery ultrapex{QColor(0xf0, 0xb8, 0x3c), QColor(0x17, 0x16, 0x1f), pal::kWhite};
  fill(p, polygon({{196, 162}, {232, 162}, {252, 200}, {176, 200}}), QColor(0xff, 0xf0, 0xc0, 40));
  frontCar(p, {214, 164}, 52, dorrin, true, false);
  // The Ultrapex's beams pour down the wet road towards us.
  QPainterPath beams(QPointF(250, 200));
  beams.lineTo(350, 200);
  beams.lineTo(470, H);
  beams.lineTo(140, H);
  beams.closeSubpath();
  fill(p, beams,
       gradient({0, 200}, {0, H},
                {{0.0, QColor(0xff, 0xf4, 0xc8, 120)}, {1.0, QColor(0xff, 0xf4, 0xc8, 0)}}));
  // Reflections of the lamps stretched down the wet tarmac.
  for (const double x : {246.0, 354.0}) {
    for (int k = 0; k < 14; ++k) {
      const double y = 220 + k * 9;
      const double w = 14 - k * 0.6;
      fill(p, rect(x - w / 2 + dice.uniform(-2, 2), y, w, 2.2),
           QColor(0xff, 0xf0, 0xb8, 170 - k * 11));
    }
  }
  for (int k = 0; k < 10; ++k) {
    fill(p, rect(300 - 40 + k * 2, 222 + k * 8, 80 - k * 4, 2),
         QColor(0xf0, 0xb8, 0x3c, 110 - k * 10));
  }
  frontCar(p, {300, 216}, 150, ultrapex, true, true);
  // Spray from the tyres.
  for (double side : {-1.0, 1.0}) {
    for (int k = 0; k < 6; ++k) {
      glow(p, QPointF(300 + side * (70 + k * 8), 210 - k * 3), 14 + k * 3, QColor(0xd0, 0xd8, 0xe6),
           90 - k * 12);
    }
  }

  // Rain over everything, slanting on the wind, and rings where it lands.
  for (int i = 0; i < 420; ++i) {
    const QPointF a(dice.uniform(-20, W), dice.uniform(-10, H));
    const double len = dice.uniform(8, 18);
    stroke(
        p,
        [&] {
          QPainterPath drop(a);
          drop.lineTo(a + QPointF(len * 0.3, len));
          return drop;
        }(),
        QPen(QColor(0xd0, 0xe0, 0xf6, 50 + dice.below(80)), dice.uniform(0.6, 1.2), Qt::SolidLine,
             Qt::RoundCap));
  }
  p.save();
  p.setClipPath(road, Qt::IntersectClip);
  for (int i = 0; i < 70; ++i) {
    const QPointF c(dice.uniform(60, W), dice.uniform(220, H));
    const double r = 2 + (c.y() - 200) / 40;
    stroke(p, ellipse(c, r, r * 0.3), QPen(QColor(0xd0, 0xe0, 0xf6, 90), 0.8));
  }
  p.restore();
}

// --- Stage 5: the final's podium ----------------------------------------------------------------

// A firework burst: streaks radiating out, each tipped with a spark.
void firework(QPainter& p, QPointF c, double r, const QColor& colour, std::uint32_t seed) {
  Dice dice(seed);
  glow(p, c, r * 1.3, colour, 80);
  const int rays = 22;
  for (int i = 0; i < rays; ++i) {
    const double a = i * 2 * kPi / rays + dice.uniform(-0.08, 0.08);
    const QPointF d(std::cos(a), std::sin(a));
    const double len = r * dice.uniform(0.75, 1.0);
    drawStreak(p, c + d * len, c + d * len * 0.3, 2.2, withAlpha(colour.lighter(130), 230));
    fill(p, circle(c + d * len + QPointF(0, 1.5), 1.6), withAlpha(Qt::white, 230));
    fill(p, circle(c + d * len * 1.15 + QPointF(0, 5), 0.9), withAlpha(colour.lighter(150), 180));
  }
  fill(p, circle(c, 3), Qt::white);
}

// The winner's cup: a deep bowl with two handles on a stepped base.
void trophy(QPainter& p, QPointF foot, double h) {
  const QColor gold(0xf6, 0xc0, 0x3a), deep(0xb0, 0x76, 0x16), light(0xff, 0xee, 0xa8);
  const double w = h * 0.7;
  const double cx = foot.x();
  const QLinearGradient metal = gradient({cx - w / 2, 0}, {cx + w / 2, 0},
                                         {{0.0, deep}, {0.3, light}, {0.55, gold}, {1.0, deep}});
  // Handles.
  for (double side : {-1.0, 1.0}) {
    QPainterPath handle(QPointF(cx + side * w * 0.42, foot.y() - h * 0.92));
    handle.cubicTo(QPointF(cx + side * w * 0.8, foot.y() - h * 0.95),
                   QPointF(cx + side * w * 0.8, foot.y() - h * 0.6),
                   QPointF(cx + side * w * 0.3, foot.y() - h * 0.52));
    stroke(p, handle, QPen(pal::kInk, h * 0.07 + 2 * kOutline, Qt::SolidLine, Qt::RoundCap));
    stroke(p, handle, QPen(gold, h * 0.07, Qt::SolidLine, Qt::RoundCap));
  }
  QPainterPath bowl(QPointF(cx - w * 0.48, foot.y() - h));
  bowl.lineTo(cx + w * 0.48, foot.y() - h);
  bowl.cubicTo(QPointF(cx + w * 0.46, foot.y() - h * 0.6),
               QPointF(cx + w * 0.2, foot.y() - h * 0.42),
               QPointF(cx + w * 0.08, foot.y() - h * 0.38));
  bowl.lineTo(cx + w * 0.08, foot.y() - h * 0.22);
  bowl.cubicTo(QPointF(cx + w * 0.2, foot.y() - h * 0.2),
               QPointF(cx + w * 0.28, foot.y() - h * 0.17),
               QPointF(cx + w * 0.28, foot.y() - h * 0.14));
  bowl.lineTo(cx - w * 0.28, foot.y() - h * 0.14);
  bowl.cubicTo(QPointF(cx - w * 0.28, foot.y() - h * 0.17),
               QPointF(cx - w * 0.2, foot.y() - h * 0.2),
               QPointF(cx - w * 0.08, foot.y() - h * 0.22));
  bowl.lineTo(cx - w * 0.08, foot.y() - h * 0.38);
  bowl.cubicTo(QPointF(cx - w * 0.2, foot.y() - h * 0.42),
               QPointF(cx - w * 0.46, foot.y() - h * 0.6), QPointF(cx - w * 0.48, foot.y() - h));
  bowl.closeSubpath();
  fillOutlined(p, bowl, metal, kOutline);
  fillOutlined(p, ellipse(QPointF(cx, foot.y() - h), w * 0.48, h * 0.06),
               gradient({cx - w / 2, 0}, {cx + w / 2, 0}, {{0.0, deep.darker(120)}, {1.0, deep}}),
               kOutline);
  QPainterPath base;
  base.addRoundedRect(QRectF(cx - w * 0.34, foot.y() - h * 0.14, w * 0.68, h * 0.14), 2, 2);
  fillOutlined(p, base, QColor(0x2a, 0x22, 0x30), kOutline);
  fill(p, rect(cx - w * 0.16, foot.y() - h * 0.11, w * 0.32, h * 0.06), gold);
  fill(p,
       polygon({{cx - w * 0.3, foot.y() - h * 0.94},
                {cx - w * 0.2, foot.y() - h * 0.94},
                {cx - w * 0.12, foot.y() - h * 0.5},
                {cx - w * 0.18, foot.y() - h * 0.52}}),
       withAlpha(Qt::white, 150));
  twinkle(p, QPointF(cx + w * 0.3, foot.y() - h * 0.85), h * 0.16, Qt::white);
}

void sceneStadium(QPainter& p) {
  const double W = 576, H = 432;
  p.fillRect(QRectF(0, 0, W, H),
             gradient({0, 0}, {0, 150},
                      {{0.0, QColor(0x0a, 0x0c, 0x26)}, {1.0, QColor(0x2e, 0x22, 0x5e)}}));
  Dice dice(505);
  for (int i = 0; i < 30; ++i) {
    fill(p, circle(QPointF(dice.uniform(0, W), dice.uniform(0, 80)), 0.7),
         withAlpha(pal::kWhite, 150));
  }
  firework(p, {110, 50}, 40, pal::kSkyGold, 1);
  firework(p, {300, 34}, 30, QColor(0xff, 0x5a, 0xb8), 2);
  firework(p, {468, 58}, 44, pal::kTeal, 3);
  firework(p, {210, 92}, 22, QColor(0xb8, 0x9a, 0xff), 4);
  firework(p, {390, 100}, 20, pal::kCarRed.lighter(120), 5);

  // The stands, rising in tiers round the track, packed and lit.
  QPainterPath stands(QPointF(-2, 168));
  stands.lineTo(-2, 110);
  stands.cubicTo(150, 96, 426, 96, W + 2, 110);
  stands.lineTo(W + 2, 168);
  stands.closeSubpath();
  fillOutlined(p, stands,
               gradient({0, 96}, {0, 168},
                        {{0.0, QColor(0x2a, 0x2c, 0x4c)}, {1.0, QColor(0x1a, 0x1a, 0x30)}}),
               kOutline);
  p.save();
  p.setClipPath(stands, Qt::IntersectClip);
  const QColor shirts[] = {pal::kCarRed, pal::kCarBlue, pal::kCarYellow,
                           pal::kWhite,  pal::kTeal,    pal::kSkyOrange};
  for (double y = 106; y < 168; y += 5) {
    for (double x = dice.uniform(0, 4); x < W; x += 4.2) {
      if (dice.below(4) == 0) continue;
      fill(p, circle(QPointF(x, y + dice.uniform(-1, 1)), 1.2),
           withAlpha(shirts[dice.below(6)], 150));
    }
  }
  for (double y : {122.0, 142.0}) fill(p, rect(0, y, W, 2), QColor(0x5a, 0x60, 0x80));
  p.restore();
  // The roof rim and its row of lamps.
  QPainterPath roof(QPointF(-2, 112));
  roof.cubicTo(150, 98, 426, 98, W + 2, 112);
  stroke(p, roof, QPen(QColor(0xd8, 0xdc, 0xe8), 4));
  for (double t = 0.02; t < 1; t += 0.04)
    fill(p, circle(roof.pointAtPercent(t), 1.6), pal::kHeadlight);

  // Floodlight towers at each side, beams crossing over the podium.
  for (double side : {-1.0, 1.0}) {
    const double x = side < 0 ? 40 : W - 40;
    QPainterPath beam(QPointF(x - 18, 28));
    beam.lineTo(x + 18, 28);
    beam.lineTo(288 + side * 40, 230);
    beam.lineTo(288 + side * 160, 230);
    beam.closeSubpath();
    fill(p, beam,
         gradient({x, 28}, {288, 230},
                  {{0.0, QColor(0xf0, 0xf6, 0xff, 90)}, {1.0, QColor(0xf0, 0xf6, 0xff, 0)}}));
    fillOutlined(p, polygon({{x - 4, 170}, {x + 4, 170}, {x + 2, 40}, {x - 2, 40}}),
                 QColor(0x4a, 0x4e, 0x62), 1.2);
    QPainterPath bank;
    bank.addRoundedRect(QRectF(x - 20, 14, 40, 26), 3, 3);
    fillOutlined(p, bank, QColor(0x3a, 0x3e, 0x50), kOutline);
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 4; ++c) {
        fill(p, circle(QPointF(x - 13.5 + c * 9, 20 + r * 7.5), 3), QColor(0xff, 0xfc, 0xec));
      }
    }
    glow(p, QPointF(x, 27), 46, QColor(0xf4, 0xf8, 0xff), 170);
  }

  // The podium, the winner holding the cup high on the top step, the
  // runner-up beside, and the Vantor crew cheering round it.
  struct Step {
    double x, top, w;
    int place;
    QColor stripe;
  };
  const double floor = 176;
  for (const Step& s : {Step{206, 132, 56, 2, QColor(0xc8, 0xd0, 0xdc)},
                        Step{314, 140, 56, 3, QColor(0xd8, 0x8a, 0x4a)},
                        Step{260, 118, 56, 1, QColor(0xf6, 0xc0, 0x3a)}}) {
    QPainterPath block;
    block.addRect(QRectF(s.x, s.top, s.w, floor - s.top));
    fillOutlined(
        p, block,
        gradient({s.x, 0}, {s.x + s.w, 0}, {{0.0, pal::kWhite}, {1.0, QColor(0xc8, 0xcc, 0xdc)}}),
        kOutline);
    fill(p, rect(s.x + 1, s.top + 1, s.w - 2, 6), s.stripe);
    stroke(p, numberPath(s.place, QPointF(s.x + s.w / 2, s.top + 20), 16),
           QPen(pal::kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  const QColor silhouette(0x1c, 0x1a, 0x2c);
  crewMember(p, {288, 88}, 7, 118, pal::kCarRed, silhouette, {278, 66}, {298, 66}, true);
  trophy(p, {288, 64}, 34);
  crewMember(p, {234, 104}, 6.5, 132, pal::kWhite, silhouette, {214, 84}, {254, 84});
  crewMember(p, {342, 116}, 6, 140, QColor(0x4a, 0x4e, 0x62), silhouette, {330, 98}, {354, 100});
  for (const auto& [x, shirt] : {std::pair{176.0, pal::kCarRed}, std::pair{402.0, pal::kCarRed},
                                 std::pair{152.0, pal::kWhite}, std::pair{426.0, pal::kWhite}}) {
    crewMember(p, {x, 146}, 7.5, floor + 4, shirt, silhouette, {x - 16, 124}, {x + 16, 122},
               x < 200 || x > 410);
  }

  // The track in front, the finish line under the car.
  p.fillRect(QRectF(0, floor, W, H - floor),
             gradient({0, floor}, {0, H},
                      {{0.0, QColor(0x3a, 0x3c, 0x4a)}, {1.0, QColor(0x22, 0x24, 0x30)}}));
  fill(p, rect(0, floor, W, 4), QColor(0xd8, 0xda, 0xe4));
  for (int row = 0; row < 2; ++row) {
    for (double x = 0; x < W; x += 12) {
      if ((static_cast<int>(x / 12) + row) % 2) continue;
      fill(p, rect(x, 206 + row * 8, 12, 8), withAlpha(pal::kWhite, 210));
    }
  }
  // Light pooling on the tarmac.
  QRadialGradient pool(QPointF(288, 210), 220);
  pool.setColorAt(0, QColor(0xff, 0xf0, 0xc8, 80));
  pool.setColorAt(1, QColor(0xff, 0xf0, 0xc8, 0));
  fill(p, ellipse(QPointF(288, 210), 260, 60), pool);

  // The fireworks and floodlights shine back off the polished track.
  for (const auto& [x, colour] : {std::pair{110.0, pal::kSkyGold}, std::pair{468.0, pal::kTeal},
                                  std::pair{40.0, pal::kWhite}, std::pair{536.0, pal::kWhite}}) {
    for (int k = 0; k < 9; ++k) {
      const double w = 40 - k * 3;
      fill(p, rect(x - w / 2 + dice.uniform(-4, 4), 236 + k * 13, w, 2.2),
           withAlpha(colour, 80 - k * 8));
    }
  }
  // A red carpet laid up to the car for the presentation.
  QPainterPath carpet(QPointF(250, 228));
  carpet.lineTo(326, 228);
  carpet.lineTo(420, H + 2);
  carpet.lineTo(156, H + 2);
  carpet.closeSubpath();
  fill(p, carpet,
       gradient({0, 228}, {0, H},
                {{0.0, QColor(0xa8, 0x18, 0x2c)}, {1.0, QColor(0xd8, 0x2a, 0x3a)}}));
  stroke(p, carpet, QPen(QColor(0xf6, 0xc0, 0x3a), 2.0));
  const Livery ultrapex{QColor(0xf0, 0xb8, 0x3c), QColor(0x17, 0x16, 0x1f), pal::kWhite};
  frontCar(p, {288, 226}, 160, ultrapex, false, true);
  // Its reflection in the polished track.
  for (int k = 0; k < 8; ++k) {
    fill(p, rect(288 - 70 + k * 4, 232 + k * 5, 140 - k * 8, 2.5),
         QColor(0xf0, 0xb8, 0x3c, 100 - k * 12));
  }

  // The crowd at the front, dark against the glow, arms up and cameras out.
  const QColor shadowCrowd(0x12, 0x10, 0x20);
  const QColor rimLight(0x8a, 0x7a, 0xd8);
  for (double x = -6; x < W + 20; x += dice.uniform(30, 40)) {
    const QPointF head(x, dice.uniform(388, 402));
    const double r = dice.uniform(11, 14);
    if (dice.below(3) != 0) {
      const double side = dice.below(2) ? 1 : -1;
      const QPointF hand = head + QPointF(side * r * 1.4, -r * dice.uniform(2.6, 3.6));
      QPainterPath arm(head + QPointF(side * r * 1.2, r * 1.6));
      arm.quadTo(head + QPointF(side * r * 1.8, 0), hand);
      stroke(p, arm, QPen(shadowCrowd, r * 0.7, Qt::SolidLine, Qt::RoundCap));
      if (dice.below(2)) {
        fill(p, rect(hand.x() - 3, hand.y() - 8, 6, 9), QColor(0x2a, 0x2a, 0x3a));
        glow(p, hand + QPointF(0, -5), 14, Qt::white, 200);
        fill(p, rect(hand.x() - 2, hand.y() - 7, 4, 2), Qt::white);
      } else {
        fill(p, circle(hand, r * 0.42), shadowCrowd);
      }
    }
    QPainterPath person;
    person.addEllipse(head, r, r * 1.1);
    person.addRoundedRect(QRectF(head.x() - r * 2.2, head.y() + r * 0.9, r * 4.4, r * 4), r, r);
    person = person.simplified();
    fill(p, person, shadowCrowd);
    stroke(p, person.intersected(rect(x - 40, 370, 80, 24)), QPen(withAlpha(rimLight, 160), 1.2));
  }

  // Confetti and streamers over everything.
  const QColor bits[] = {pal::kCarRed,  pal::kCarYellow,          pal::kTeal,
                         pal::kWhite,   QColor(0xff, 0x5a, 0xb8), pal::kCarBlue,
                         pal::kCarGreen};
  for (int i = 0; i < 200; ++i) {
    const QPointF c(dice.uniform(0, W), dice.uniform(0, H));
    p.save();
    p.translate(c);
    p.rotate(dice.uniform(0, 180));
    const double w = dice.uniform(2.5, 5), h = dice.uniform(1.4, 2.6);
    fill(p, rect(-w / 2, -h / 2, w, h), bits[dice.below(7)]);
    p.restore();
  }
  for (int i = 0; i < 10; ++i) {
    const QPointF a(dice.uniform(20, W - 20), dice.uniform(0, 150));
    QPainterPath ribbon(a);
    for (int k = 1; k <= 4; ++k) {
      ribbon.quadTo(a + QPointF(k % 2 ? 8 : -8, k * 7 - 3.5), a + QPointF(0, k * 7));
    }
    stroke(p, ribbon, QPen(bits[i % 7], 1.6, Qt::SolidLine, Qt::RoundCap));
  }
}

QRectF scenePhoto() {
  // The paper shows all round the photo, a little wider than the widest gap
  // a scene leaves at the window's edge (19 pixels); the band below holds
  // the story.
  const double margin = 22;
  const QRectF window(QPointF(0, 0), titleWindow());
  return QRectF(margin, margin, window.width() - 2 * margin, storyPanel().top() - 4 - margin);
}

}  // namespace

void paintScene(QPainter& p, int stage) {
  p.save();
  // Paper to the picture's edges, where it meets the window's own.
  p.fillRect(QRectF(0, 0, 640, 480), storyPaper());

  const QRectF photo = scenePhoto();
  QPainterPath print;
  print.addRoundedRect(photo, 5, 5);
  fill(p, print.translated(0, 2.5), QColor(0x3c, 0x30, 0x50, 60));
  fill(p, print.translated(0, 1), QColor(0x3c, 0x30, 0x50, 60));

  p.save();
  p.setClipPath(print);
  p.fillRect(photo, pal::kAsphaltDeep);
  // The scene as the window would show it bare, from its left edge to the
  // window's right, shrunk to fit the photo.
  const double shown =
      std::min<double>(nativeSize("scene-" + std::to_string(std::clamp(stage, 1, 5))).width(),
                       titleWindow().width());
  const double scale = photo.width() / shown;
  p.save();
  p.translate(photo.topLeft());
  p.scale(scale, scale);
  switch (stage) {
    case 1:
      sceneCountryside(p);
      break;
    case 2:
      sceneCoast(p);
      break;
    case 3:
      sceneCity(p);
      break;
    case 4:
      sceneMountain(p);
      break;
    default:
      sceneStadium(p);
      break;
  }
  p.restore();
  // The sunset stripe of the title's panel, along the foot of the photo.
  const QRectF stripe(photo.left(), photo.bottom() - 4, photo.width(), 4);
  p.fillRect(stripe,
             gradient(stripe.topLeft(), stripe.topRight(),
                      {{0.0, pal::kSkyMagenta}, {0.5, pal::kSkyOrange}, {1.0, pal::kSkyGold}}));
  p.restore();
  stroke(p, print, art::ink());
  p.restore();
}

}  // namespace art
