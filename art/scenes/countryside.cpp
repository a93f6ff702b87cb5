// Stage 1: the countryside heat won. The player's red car crosses the line
// flat out past the grandstand, the Vantor crew holding the pit board out
// over the wall and cheering it home.

#include <cmath>

#include "scenes.h"

namespace art::scene {
namespace {

// A clear summer sky.
const QColor kSkyTop(0x3c9cf0), kSkyMiddle(0x8cd0ff), kSkyHaze(0xd6f0ff);
const QColor kSun(0xfff6d6), kSunGlow(0xfff6d0), kCloudShade(0xb8d4f0), kLowCloudShade(0xc0daf2);

// The fields, and a red barn on the hill.
const QColor kFarHillTop(0x8cc48e), kFarHillFoot(0x6cb06a);
const QColor kNearHillTop(0x62b44e), kNearHillFoot(0x4a9a3e);
const QColor kTreeLit(0x4c9a3a), kTreeShade(0x2e6e2e);
const QColor kBarn(0xc83a32), kBarnDoor(0x6a1c1c);

// The circuit: the barrier, the marshal's post, the track and the pit wall.
const QColor kBarrierFoot(0xc8ccd8), kFlagPole(0x5a4a3a);
const QColor kPlatform(0xeeeef2), kMarshal(0xff7e22);
const QColor kTrackFar(0x5a5c66), kTrackNear(0x444652), kDust(0xe8e0d0);
const QColor kRubber = withAlpha(Qt::black, 30);
const QColor kPitWallTop(0xe8eaf0), kPitWallFoot(0xa8acbc);
const QColor kBoardTop(0x30303e), kBoardFoot(0x1c1c26), kBoardPole(0x9a9eac);
const QColor kBoardShadow = withAlpha(Qt::black, 60);

// The verge: mown grass, flowers and hay.
const QColor kGrassFar(0x5aae48), kGrassNear(0x6cbc52);
const QColor kMownStripe = withAlpha(Qt::white, 16), kBlade = withAlpha(0x3e8a34, 150);
const QColor kDaisy(0xfffaee), kButtercup(0xffd24a);
const QColor kHayShadow = withAlpha(0x14280a, 70);
const QColor kHaySideLit(0xd8b050), kHaySideShade(0xb08430);
const QColor kHayFaceLit(0xf6d87a), kHayFaceShade(0xd0a444), kHayStraw(0xa87c2c);

// People.
const QColor kSkin(0xf4c8a2);
const QColor kSkins[] = {kSkin, QColor(0xd89a6c), QColor(0x9a6442), QColor(0xfadcc4)};
const QColor kDarkHair(0x3a2c28), kBrownHair(0x6a4830);

// The hills, hazy far off and greener near, down to the grandstand.
constexpr PathStep kFarHills[] = {
    // The skyline, from the left edge at the horizon to the right.
    moveTo(0, 92), cubicTo(80, 62, 160, 70, 230, 80), cubicTo(300, 90, 360, 58, 450, 66),
    cubicTo(500, 70, 530, 78, 557, 74),
    // Down behind the stand and back.
    lineTo(557, 140), lineTo(0, 140), closePath()};
constexpr PathStep kNearHills[] = {
    // A gentler line, nearer, down to the same place.
    moveTo(0, 96),
    cubicTo(100, 80, 180, 92, 280, 90),
    cubicTo(380, 88, 440, 80, 557, 92),
    lineTo(557, 140),
    lineTo(0, 140),
    closePath()};
constexpr QPointF kBarnWalls[] = {{462, 84}, {492, 84}, {492, 68}, {477, 58}, {462, 68}};
constexpr QPointF kBarnGable[] = {{462, 68}, {477, 58}, {492, 68}};
constexpr QPointF kBoardPoleShape[] = {{58, 176}, {63, 176}, {54, 262}, {49, 262}};

// A fluffy cumulus: a flat base with round puffs on top, shaded underneath.
void cloud(QPainter& p, QPointF base, double w, const QColor& shade, std::uint32_t seed) {
  const QColor& lit = pal::kWhite;
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

// A flag on a pole, its free end rippling. `chequer` draws the black and
// white squares of the finish flag.
void flag(QPainter& p, QPointF foot, double pole, double w, double h, const QColor& colour,
          bool chequer, double wave) {
  const QPointF top = foot - QPointF(0, pole);
  stroke(p, segment(foot, top), QPen(kFlagPole, 1.6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath cloth(top);
  cloth.cubicTo(top + QPointF(w * 0.35, -wave), top + QPointF(w * 0.65, wave), top + QPointF(w, 0));
  cloth.lineTo(top + QPointF(w, h));
  cloth.cubicTo(top + QPointF(w * 0.65, h + wave), top + QPointF(w * 0.35, h - wave),
                top + QPointF(0, h));
  cloth.closeSubpath();
  if (chequer) {
    fill(p, cloth, pal::kWhite);
    clipped(p, cloth, [&] {
      const double s = h / 4;
      for (int r = -1; r < 5; ++r) {
        for (int c = 0; c * s < w + s; ++c) {
          if ((r + c) % 2) continue;
          const double dy = wave * std::sin(c * s / w * 2 * kPi) * 0.8;
          fill(p, rect(top.x() + c * s, top.y() + r * s + dy, s, s), pal::kInk);
        }
      }
    });
  } else {
    fill(p, cloth,
         gradient(top, top + QPointF(w, 0),
                  {{0.0, colour}, {0.5, colour.lighter(120)}, {1.0, colour.darker(115)}}));
  }
  stroke(p, cloth, art::ink(1.1));
}

// A crowd along a barrier: heads and shoulders in a jumble of colours,
// some with arms up.
void crowd(QPainter& p, double x0, double x1, double y, double size, std::uint32_t seed) {
  Dice dice(seed);
  const QColor shirts[] = {pal::kCarRed,   pal::kCarBlue,   pal::kCarYellow, pal::kWhite,
                           pal::kCarGreen, pal::kSkyOrange, pal::kTeal,      pal::kCarPurple};
  for (double x = x0; x < x1; x += size * dice.uniform(0.75, 1.05)) {
    const double jitter = dice.uniform(-size * 0.25, size * 0.2);
    const QPointF head(x, y - size * 1.3 + jitter);
    const QColor shirt = shirts[dice.below(8)];
    fill(p,
         roundedRect(QRectF(x - size * 0.55, head.y() + size * 0.45, size * 1.1, size * 1.4),
                     size * 0.4),
         shirt);
    if (dice.below(3) == 0) {
      const double side = dice.below(2) ? 1 : -1;
      stroke(p,
             segment(QPointF(x + side * size * 0.4, head.y() + size * 0.7),
                     QPointF(x + side * size * 0.7, head.y() - size * 0.6)),
             QPen(shirt, size * 0.3, Qt::SolidLine, Qt::RoundCap));
    }
    fill(p, circle(head, size * 0.38), kSkins[dice.below(4)]);
    if (dice.below(2)) {
      fill(p, ellipse(head - QPointF(0, size * 0.2), size * 0.4, size * 0.22), kDarkHair);
    }
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
  fill(p, ellipse(c + QPointF(r * 0.3, r * 0.95), r * 1.1, r * 0.22), kHayShadow);
  QPainterPath side(c + QPointF(0, -r));
  side.lineTo(c + QPointF(r * 0.9, -r));
  side.arcTo(QRectF(c.x() + r * 0.9 - r * 0.45, c.y() - r, r * 0.9, 2 * r), 90, -180);
  side.lineTo(c + QPointF(0, r));
  side.closeSubpath();
  fillOutlined(p, side,
               gradient(c, c + QPointF(r * 1.4, 0), {{0.0, kHaySideLit}, {1.0, kHaySideShade}}),
               1.3);
  fillOutlined(
      p, circle(c, r),
      gradient(c - QPointF(r, r), c + QPointF(r, r), {{0.0, kHayFaceLit}, {1.0, kHayFaceShade}}),
      1.3);
  QPainterPath spiral;
  for (int i = 0; i <= 60; ++i) {
    const double t = i / 60.0;
    const double a = t * 5 * kPi;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r * 0.85 * t;
    i == 0 ? spiral.moveTo(q) : spiral.lineTo(q);
  }
  stroke(p, spiral, QPen(kHayStraw, 0.9));
}

// A kerb of red and white blocks from `top` to `bottom`, each block `block`
// wide and its foot leaning `lean` along.
void kerb(QPainter& p, double top, double bottom, double block, double lean, double width) {
  for (double x = -10; x < width; x += 2 * block) {
    for (const auto& [at, colour] :
         {std::pair{x, pal::kKerbRed}, std::pair{x + block, pal::kWhite}})
      fill(
          p,
          polygon({{at, top}, {at + block, top}, {at + block + lean, bottom}, {at + lean, bottom}}),
          colour);
  }
}

}  // namespace

void paintCountryside(QPainter& p) {
  const double W = 557, H = 392;
  const double horizon = 92;
  p.fillRect(QRectF(0, 0, W, horizon + 20),
             gradient({0, 0}, {0, horizon}, {{0.0, kSkyTop}, {0.7, kSkyMiddle}, {1.0, kSkyHaze}}));
  glow(p, QPointF(60, 20), 90, kSunGlow, 170);
  fill(p, circle(QPointF(60, 20), 13), kSun);
  cloud(p, {150, 40}, 110, kCloudShade, 1);
  cloud(p, {390, 30}, 90, kCloudShade, 2);
  cloud(p, {520, 62}, 70, kCloudShade, 3);
  cloud(p, {270, 72}, 60, kLowCloudShade, 4);

  fill(p, tracePath(kFarHills),
       gradient({0, 60}, {0, 110}, {{0.0, kFarHillTop}, {1.0, kFarHillFoot}}));
  fill(p, tracePath(kNearHills),
       gradient({0, 80}, {0, 120}, {{0.0, kNearHillTop}, {1.0, kNearHillFoot}}));
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
         gradient({x, y - 2 * r}, {x, y}, {{0.0, kTreeLit}, {1.0, kTreeShade}}));
  }
  // A red barn on the hill.
  fillOutlined(p, polygon(kBarnWalls), kBarn, 1.2);
  fill(p, rect(472, 74, 10, 10), kBarnDoor);
  stroke(p, polygon(kBarnGable), QPen(pal::kWhite, 1.4));

  // The grandstand side: a low white barrier, the crowd behind it and
  // flags waving over them.
  const double wallTop = 112, trackTop = 128;
  crowd(p, 0, W, wallTop - 1, 6.5, 5);
  fillOutlined(p, rect(-2, wallTop, W + 4, trackTop - wallTop - 4),
               gradient({0, wallTop}, {0, trackTop}, {{0.0, pal::kWhite}, {1.0, kBarrierFoot}}),
               1.2);
  for (double x = 20; x < W; x += 64) {
    fill(p, rect(x, wallTop + 3, 34, 6), x == 148 ? pal::kCarRed : withAlpha(pal::kCarBlue, 200));
  }
  fill(p, vantorChevron(QPointF(165, wallTop + 6), 6), pal::kWhite);
  flag(p, {30, wallTop}, 36, 24, 15, pal::kCarRed, false, 3);
  flag(p, {96, wallTop}, 30, 20, 13, pal::kTeal, false, -2.5);
  flag(p, {214, wallTop}, 34, 22, 14, pal::kCarYellow, false, 3);
  flag(p, {488, wallTop}, 32, 22, 14, pal::kCarBlue, false, -3);
  flag(p, {536, wallTop}, 28, 18, 12, pal::kCarRed, false, 2.5);
  // The marshal's platform by the line, the chequered flag flying.
  fillOutlined(p, rect(392, 82, 40, 30), kPlatform, 1.2);
  fill(p, rect(392, 82, 40, 5), pal::kKerbRed);
  fill(p, circle(QPointF(404, 74), 4), kSkin);
  fill(p, roundedRect(QRectF(398, 77, 12, 10), 3), kMarshal);
  stroke(p, segment({408, 79}, {416, 64}), QPen(kMarshal, 3, Qt::SolidLine, Qt::RoundCap));
  flag(p, {416, 66}, 30, 36, 22, pal::kWhite, true, 4);

  // The track: far kerb, asphalt, near kerb.
  const double trackBottom = 198;
  p.fillRect(QRectF(0, trackTop, W, trackBottom - trackTop),
             gradient({0, trackTop}, {0, trackBottom}, {{0.0, kTrackFar}, {1.0, kTrackNear}}));
  kerb(p, trackTop, trackTop + 4, 11, 1, W);
  fill(p, rect(0, trackTop + 8, W, 1.6), withAlpha(pal::kWhite, 200));
  fill(p, rect(0, trackBottom - 10, W, 2), withAlpha(pal::kWhite, 220));
  kerb(p, trackBottom - 6, trackBottom + 2, 14, -2, W);
  // Rubber marks along the racing line.
  for (int i = 0; i < 40; ++i) {
    const double y = dice.uniform(trackTop + 14, trackBottom - 14);
    const double x = dice.uniform(0, W);
    fill(p, rect(x, y, dice.uniform(20, 70), 0.8), kRubber);
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
  sideCar(p, {210, 182}, 175, 1, livery::kPlayer, true);
  // Dust kicked up behind it.
  for (int i = 0; i < 8; ++i) {
    glow(p, QPointF(200 - i * 11, 178 - dice.uniform(0, 8)), 10 + i * 1.5, kDust, 110 - i * 12);
  }

  // The pit wall in front, and the Vantor pit board held out over it.
  const double pitTop = 198;
  fillOutlined(p, rect(-2, pitTop, W + 4, 16),
               gradient({0, pitTop}, {0, pitTop + 16}, {{0.0, kPitWallTop}, {1.0, kPitWallFoot}}),
               1.4);
  for (double x = 0; x < W; x += 40) fill(p, rect(x, pitTop + 1, 20, 3), pal::kKerbRed);
  const QPainterPath board = roundedRect(QRectF(22, 124, 78, 52), 4);
  fill(p, board.translated(2, 3), kBoardShadow);
  fillOutlined(p, board, gradient({0, 124}, {0, 176}, {{0.0, kBoardTop}, {1.0, kBoardFoot}}),
               kOutline);
  fill(p, rect(26, 128, 70, 10), pal::kCarRed);
  fill(p, vantorChevron(QPointF(61, 133), 7), pal::kWhite);
  stroke(p, boardMark(QPointF(34, 144), 24),
         QPen(pal::kCarYellow, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  stroke(p, polyline({{70, 158}, {77, 166}, {92, 146}}),
         QPen(pal::kCarGreen, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  fillOutlined(p, polygon(kBoardPoleShape), kBoardPole, 1.2);
  // The grass verge in front: mown stripes, hay bales and wild flowers.
  const double grassTop = pitTop + 16;
  p.fillRect(QRectF(0, grassTop, W, H - grassTop),
             gradient({0, grassTop}, {0, H}, {{0.0, kGrassFar}, {1.0, kGrassNear}}));
  for (double x = -40; x < W; x += 60) {
    fill(p, polygon({{x, grassTop}, {x + 30, grassTop}, {x + 70, H}, {x + 40, H}}), kMownStripe);
  }
  for (int i = 0; i < 260; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(grassTop + 4, H));
    const double len = 2 + (at.y() - grassTop) / 60;
    stroke(p, segment(at, at + QPointF(dice.uniform(-1, 1), -len)),
           QPen(kBlade, 0.9, Qt::SolidLine, Qt::RoundCap));
  }
  for (int i = 0; i < 60; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(grassTop + 10, H));
    fill(p, circle(at, 1.3), i % 3 ? kDaisy : kButtercup);
  }
  hayBale(p, {200, 268}, 20);
  hayBale(p, {404, 262}, 22);
  hayBale(p, {440, 300}, 28);
  hayBale(p, {250, 350}, 26);

  // The crew: one holding the board out, one cheering the car home.
  crewMember(p, {86, 206}, 12, H, pal::kCarRed, kDarkHair, {58, 174}, {55, 196}, true);
  crewMember(p, {506, 210}, 12, H, pal::kWhite, kBrownHair, {470, 166}, {544, 164});
}

}  // namespace art::scene
