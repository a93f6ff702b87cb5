// Brisko, the veteran: an orange team cap over greying hair, stubble and a
// scar on his cheek, lines at the eyes and a rueful smile, the orange suit
// with black shoulders.

#include "portraits/card.h"
#include "portraits/face.h"
#include "portraits/hair.h"
#include "portraits/suit.h"
#include "style.h"

namespace art {
namespace {

using namespace portrait;

// His colours: the orange cap with its dark bill, greying brown hair,
// weathered skin with stubble and a pale scar, brown eyes, the orange suit
// with black shoulders, and an orange card.
constexpr QColor kCap{0xff, 0x8c, 0x1e}, kBill{0x2a, 0x2c, 0x40}, kFlame{0xff, 0xe0, 0x5a};
constexpr HairTone kHair{{0x6a, 0x56, 0x4a}, {0x3c, 0x2e, 0x28}, {0xa8, 0x98, 0x8c}};
constexpr QColor kGrey{0xbe, 0xba, 0xb6};
constexpr Skin kSkin{{0xe6, 0xb0, 0x88}, {0xc4, 0x86, 0x66}};
constexpr QColor kStubble{0x5a, 0x44, 0x3a}, kBristle{0x4a, 0x38, 0x30};
constexpr QColor kScar{0xf6, 0xd4, 0xbc}, kStitches{0xa0, 0x5a, 0x4a};
constexpr QColor kBrown{0x7a, 0x4a, 0x26}, kBrow{0x4a, 0x3c, 0x34};
constexpr QColor kSuit{0xff, 0x86, 0x1e}, kBlack{0x26, 0x24, 0x2e};
constexpr Card kCard{
    131, false, {0xff, 0x94, 0x30}, {0xc0, 0x46, 0x12}, {0xff, 0xc2, 0x50}, {0xff, 0xe0, 0x90}};

constexpr Face kFace{kSkin,
                     {.brow = {70.5, 50}, .cheek = {70.5, 62}, .chin = {60, 82}, .jaw = {38, 74}},
                     {.iris = kBrown, .y = 57.5, .height = 7, .lid = 0.28},
                     {.colour = kBrow, .lift = 6.2, .tilt = -1.0, .weight = 2.3, .arch = 0.9}};

// The suit's black shoulders, piped in white.
constexpr PathStep kYoke[] = {
    moveTo(-4, 106), cubicTo({4, 96}, {16, 91}, {30, 89}),    lineTo(40, 86),
    lineTo(36, 100), cubicTo({22, 102}, {8, 108}, {-4, 118}), closePath()};
constexpr PathStep kFarYoke[] = {moveTo(63, 88), cubicTo({74, 92}, {90, 96}, {104, 108}),
                                 lineTo(104, 118), cubicTo({90, 106}, {78, 102}, {66, 100}),
                                 closePath()};
constexpr Flow kPiping[] = {{{36, 100}, {16, 103}, {-4, 118}}, {{104, 118}, {86, 103}, {66, 100}}};

// Greying hair under the cap, cropped at the back, and the hair over the
// ear with a grey sideburn.
constexpr Node kBackHair[] = {{30, 30}, {22, 40}, {24, 58}, {30, 66}, {40, 62}, {42, 38}};
constexpr Flow kBackStrands[] = {{{26, 44}, {25, 52}, {28, 60}}};
constexpr Node kSideHair[] = {{20, 36}, {44, 36}, {44.5, 46}, tip(41.5, 60, 0.04),
                              {38, 48}, {30, 46}, {23, 50}};

// Stubble along the jaw and round the mouth.
constexpr PathStep kBeard[] = {moveTo(40, 66),
                               cubicTo({46, 70}, {50, 72}, {53, 72}),
                               cubicTo({56, 70}, {62, 70}, {66, 70}),
                               lineTo(70, 74),
                               lineTo(66, 90),
                               lineTo(34, 90),
                               closePath()};

// The cap: a crown of six panels and a bill that curves down towards the
// viewer, so we see its dark underside.
constexpr Node kCrown[] = {{22, 40}, {20, 22}, {34, 8},  {54, 5}, {70, 12},
                           {76, 26}, {76, 38}, {58, 37}, {40, 39}};
constexpr Flow kSeams[] = {{{50, 6}, {44, 22}, {46, 38}}, {{66, 10}, {66, 24}, {68, 37}}};
constexpr PathStep kBrim[] = {moveTo(44, 38),
                              cubicTo({56, 35}, {76, 33}, {90, 35}),
                              cubicTo({93, 36}, {92, 39.5}, {89, 41}),
                              cubicTo({80, 45.5}, {62, 46}, {50, 43}),
                              cubicTo({47, 42}, {45, 40.5}, {44, 38}),
                              closePath()};

// A flame on his badge.
constexpr PathStep kFlameBadge[] = {moveTo(86, 28),
                                    cubicTo({79, 28}, {77, 20}, {82, 15}),
                                    cubicTo({82, 19}, {84, 20}, {85, 19}),
                                    cubicTo({84, 14}, {87, 10}, {90, 8}),
                                    cubicTo({89, 13}, {94, 16}, {93, 22}),
                                    cubicTo({92.5, 26}, {90, 28}, {86, 28}),
                                    closePath()};

// The race number on his chest.
void paintNumber(QPainter& p) {
  QPainterPath patch;
  patch.addRoundedRect(QRectF(74, 108, 16, 14), 3, 3);
  fillOutlined(p, patch, pal::kWhite, 0.9);
  QPainterPath nine(QPointF(85, 112));
  nine.addEllipse(QPointF(82, 113.5), 3, 2.6);
  nine.moveTo(85, 113.5);
  nine.lineTo(84, 119.5);
  stroke(p, nine, QPen(kBlack, 1.6, Qt::SolidLine, Qt::RoundCap));
}

void paintStubble(QPainter& p) {
  const QPainterPath face = facePath(kFace);
  const QPainterPath beard = tracePath(kBeard).intersected(face);
  fill(p, beard, withAlpha(kStubble, 70));
  Dice dice(3);
  p.save();
  p.setClipPath(beard, Qt::IntersectClip);
  for (int i = 0; i < 120; ++i) {
    fill(p, ellipse(QPointF(dice.uniform(36, 72), dice.uniform(64, 88)), 0.35, 0.35),
         withAlpha(kBristle, 150));
  }
  p.restore();
  stroke(p, face, ink());
}

// The hair over the ear, greying towards the temple.
void paintSideHair(QPainter& p) {
  const QPainterPath side = outline(kSideHair);
  fill(p, side,
       gradient({22, 0}, {42, 0},
                {{0.0, kHair.base}, {0.45, mix(kHair.base, kGrey, 0.5)}, {1.0, kGrey}}));
  p.save();
  p.setClipPath(side, Qt::IntersectClip);
  for (double x : {30.0, 35.0, 39.5, 42.5}) {
    stroke(p, curve({x - 2, 36}, {x, 44}, {x - 0.5, 56}), QPen(withAlpha(pal::kWhite, 150), 0.7));
  }
  p.restore();
  stroke(p, side, ink());
}

// Crow's feet at the outer corner of the near eye, and a line under it.
void paintEyeLines(QPainter& p) {
  for (double dy : {-1.5, 1.5}) {
    paintCrease(p, kFace, {39.5, 56.5 + dy}, {37.5, 56.5 + dy * 1.4}, {36.2, 56.5 + dy * 2});
  }
  paintCrease(p, kFace, {43, 62.5}, {47, 63.8}, {51, 62.5}, 115);
}

// An old scar across the near cheek, stitched.
void paintScar(QPainter& p) {
  const QPainterPath scar = curve({41, 61}, {44, 64}, {47.5, 68});
  stroke(p, scar, QPen(kScar, 1.6, Qt::SolidLine, Qt::RoundCap));
  stroke(p, scar, QPen(kStitches, 0.6, Qt::SolidLine, Qt::RoundCap));
  for (double t : {0.3, 0.65}) {
    const QPointF c(41 + 6.5 * t, 61 + 7 * t);
    stroke(p, curve(c + QPointF(-1.3, 1.1), c, c + QPointF(1.3, -1.1)), QPen(kStitches, 0.6));
  }
}

// The cap: an orange crown with a white logo, and the dark bill reaching
// forward over his eyes.
void paintCap(QPainter& p) {
  const QPainterPath crown = outline(kCrown);
  p.save();
  p.setClipPath(crown, Qt::IntersectClip);
  fill(p, crown,
       gradient({20, 0}, {78, 0},
                {{0.0, kCap.darker(135)}, {0.45, kCap}, {1.0, kCap.lighter(115)}}));
  for (const Flow& seam : kSeams) stroke(p, flowLine(seam), QPen(kCap.darker(150), 0.9));
  fill(p, ellipse(QPointF(60, 22), 6.5, 6), pal::kWhite);
  fill(p, star(QPointF(60, 22), 4.2), kCap);
  p.restore();
  stroke(p, crown, ink());
  fillOutlined(p, ellipse(QPointF(50, 5.5), 2.6, 1.4), kCap.darker(120), 1.0);
  const QPainterPath brim = tracePath(kBrim);
  fill(p, facePath(kFace).intersected(brim.translated(-1, 4.5)), withAlpha(pal::kInk, 70));
  fillOutlined(p, brim,
               gradient({0, 34}, {0, 46},
                        {{0.0, kBill.lighter(170)}, {0.35, kBill.lighter(120)}, {1.0, kBill}}),
               kOutline);
  stroke(p, curve({48, 41.5}, {70, 46}, {89, 39.5}),
         QPen(withAlpha(kCap, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
}

void bust(QPainter& p, double h) {
  const QPainterPath torso =
      paintSuit(p, h,
                {.cloth = kSuit,
                 .shadow = kSuit.darker(140),
                 .panels = {{tracePath(kYoke), kBlack}, {tracePath(kFarYoke), kBlack}},
                 .piping = pal::kWhite,
                 .pipes = kPiping,
                 .zip = kSuit.darker(160)});
  paintNumber(p);
  inkTorso(p, torso);

  paintNeck(p, kFace);
  paintHair(p, outline(kBackHair), kHair, {}, kBackStrands);
  // His face is drawn a feature at a time: the stubble and the hair over
  // the ear go on between them.
  paintSkin(p, kFace, QPainterPath());
  paintStubble(p);
  paintEar(p, kFace);
  paintSideHair(p);
  paintEyes(p, kFace);
  paintEyeLines(p);
  paintNose(p, kFace);
  paintMouth(p, kFace, Mouth::kSoftSmile);
  paintScar(p);

  paintCap(p);
  paintBadge(p, tracePath(kFlameBadge), kFlame);
}

}  // namespace

void paintPortraitBrisko(QPainter& p) { paintCard(p, kCard, bust); }

}  // namespace art
