// Mirelle, the team's engineer: a high pink ponytail and a full fringe, her
// radio headset, big bright eyes and an open smile, the white Vantor jacket
// and the tablet she keeps the race data on.

#include "portraits/card.h"
#include "portraits/face.h"
#include "portraits/hair.h"
#include "portraits/suit.h"
#include "style.h"

namespace art {
namespace {

using namespace portrait;

// Her colours: pink hair, a grey headset, green eyes, the white jacket in
// the team's red, a teal tablet screen, and a violet card.
constexpr HairTone kHair{{0xf2, 0x7c, 0xa8}, {0xb8, 0x46, 0x78}, {0xff, 0xd4, 0xe4}};
constexpr QColor kHeadset{0x4a, 0x4c, 0x5e}, kMic{0x2a, 0x2a, 0x36};
constexpr QColor kCupLight{0x6a, 0x6c, 0x80}, kCupDark{0x2a, 0x2a, 0x38};
constexpr Skin kSkin{{0xfd, 0xde, 0xc8}, {0xf0, 0xb0, 0x9c}};
constexpr QColor kGreen{0x26, 0xa8, 0x68};
constexpr QColor kJacket{0xf6, 0xf4, 0xf8}, kJacketShade{0xc8, 0xc4, 0xdc};
const QColor kRed = pal::kCarRed;
constexpr QColor kTablet{0x2a, 0x2c, 0x3a}, kScreenTop{0x4c, 0xe8, 0xd8},
    kScreenFoot{0x1a, 0x8a, 0x9c};
constexpr Card kCard{
    130, true, {0xc8, 0xb4, 0xff}, {0x74, 0x56, 0xd4}, {0xe6, 0xdc, 0xff}, {0xf0, 0xea, 0xff}};

constexpr Face kFace{kSkin,
                     {.brow = {69, 51}, .cheek = {68.5, 62}, .chin = {57, 79}, .jaw = {38, 70}},
                     {.iris = kGreen, .y = 58, .height = 10},
                     {.colour = kHair.dark, .lift = 8.2, .tilt = -0.9, .weight = 1.3, .arch = 1.6}};

// The ponytail, tied high at the back and swinging out behind her.
constexpr Node kPonytail[] = {{26, 22}, {14, 18},          {2, 30},  {-2, 52},
                              {4, 76},  tip(10, 96, 0.06), {12, 78}, tip(18, 88, 0.08),
                              {16, 62}, {20, 40},          {30, 32}};
constexpr Flow kPonytailSheen[] = {{{12, 24}, {0, 40}, {6, 70}}};
constexpr Flow kPonytailStrands[] = {{{18, 26}, {4, 40}, {8, 80}}, {{22, 32}, {12, 50}, {15, 78}}};

// The rest of her hair, a rounded mass with a lock behind the far cheek.
constexpr Node kHairMass[] = {{73, 40}, {76, 26}, {68, 10}, {50, 5},  {32, 9},
                              {22, 22}, {22, 42}, {28, 62}, {40, 60}, {56, 38}};
constexpr Node kCheekLock[] = {{70, 44}, {75, 52}, {75, 68}, tip(72, 80, 0.05), {70, 64}};

// The fringe: pointed locks down to the brows, and a long lock in front of
// the ear.
constexpr Node kFringe[] = {{30, 26},
                            {37, 44},
                            tip(37, 72, 0.06),
                            {41, 52},
                            tip(44.5, 53),
                            {48, 44},
                            tip(53.5, 52),
                            {57.5, 43},
                            tip(63, 51),
                            {66, 45},
                            tip(71.5, 52, 0.08),
                            {74, 40},
                            {75, 26},
                            {64, 10},
                            {44, 9}};
constexpr Flow kFringeSheen[] = {{{76, 30}, {62, 13}, {36, 19}}};
constexpr Flow kFringeStrands[] = {{{50, 14}, {46, 30}, {44.5, 50}},
                                   {{60, 14}, {60, 32}, {63, 48}},
                                   {{40, 18}, {36, 40}, {38, 66}}};

// The jacket's red shoulders.
constexpr PathStep kShoulder[] = {moveTo(-4, 104), cubicTo({4, 96}, {16, 91}, {30, 89}),
                                  lineTo(34, 96), cubicTo({20, 98}, {8, 104}, {-4, 114}),
                                  closePath()};
constexpr PathStep kFarShoulder[] = {moveTo(66, 89), cubicTo({76, 92}, {90, 96}, {104, 106}),
                                     lineTo(104, 114), cubicTo({92, 104}, {80, 100}, {66, 96}),
                                     closePath()};

// The tablet, its screen showing a lap trace.
constexpr QPointF kTabletCase[] = {{56, 106}, {94, 100}, {100, 134}, {60, 138}};
constexpr QPointF kScreen[] = {{60, 109}, {91, 104}, {96, 134}, {63, 136}};
constexpr QPointF kGlare[] = {{60, 109}, {74, 107}, {64, 124}};
constexpr PathStep kLapTrace[] = {moveTo(68, 120), cubicTo({66, 112}, {80, 108}, {84, 112}),
                                  cubicTo({90, 116}, {86, 126}, {78, 126}),
                                  cubicTo({72, 126}, {70, 124}, {68, 120})};

// The wrench on her badge: a ring and a handle.
constexpr QPointF kWrenchHandle[] = {{84, 14}, {93, 24}, {90.5, 26.5}, {81.5, 16.5}};

// A wire of the headset: ink round a grey core.
void paintWire(QPainter& p, const QPainterPath& wire, double width, double core) {
  stroke(p, wire, QPen(pal::kInk, width, Qt::SolidLine, Qt::RoundCap));
  stroke(p, wire, QPen(kHeadset, core, Qt::SolidLine, Qt::RoundCap));
}

// Her headset: a band over the head, an ear cup and a boom microphone.
void paintHeadset(QPainter& p) {
  paintWire(p, curve({33, 50}, {30, 12}, {62, 6}), 3.4, 1.8);
  paintWire(p, curve({34, 62}, {42, 78}, {54, 75}), 2.6, 1.2);
  fillOutlined(p, ellipse(QPointF(54.5, 74.8), 2.2, 1.8), kMic, 1.0);
  fillOutlined(p, ellipse(QPointF(32, 57), 6, 7.5),
               gradient({26, 50}, {38, 64}, {{0.0, kCupLight}, {1.0, kCupDark}}), kOutline);
  fillOutlined(p, ellipse(QPointF(32.5, 57), 3.4, 4.4), kRed, 0.9);
  fill(p, ellipse(QPointF(31.5, 55), 1.2, 1.6), withAlpha(Qt::white, 160));
}

// The tablet, held up in front of her, with her fingers curled over its edge.
void paintTablet(QPainter& p) {
  fillOutlined(p, polygon(kTabletCase), kTablet, kOutline);
  const QPainterPath screen = polygon(kScreen);
  fill(p, screen, gradient({60, 104}, {96, 136}, {{0.0, kScreenTop}, {1.0, kScreenFoot}}));
  stroke(p, tracePath(kLapTrace), QPen(Qt::white, 1.3));
  fill(p, ellipse(QPointF(84, 112), 1.6, 1.6), pal::kCarRed);
  fill(p, screen.intersected(polygon(kGlare)), withAlpha(Qt::white, 60));
  for (int i = 0; i < 3; ++i) {
    QPainterPath finger;
    finger.addRoundedRect(QRectF(53.5 + i * 0.5, 111.5 + i * 4.4, 8, 3.8), 1.9, 1.9);
    fillOutlined(p, finger, kSkin.tone, 0.9);
  }
}

void bust(QPainter& p, double h) {
  paintHair(p, outline(kPonytail), kHair, kPonytailSheen, kPonytailStrands);

  // The jacket: white, red shoulders, the Vantor chevron.
  const QPainterPath torso =
      paintSuit(p, h,
                {.cloth = kJacket,
                 .shadow = kJacketShade,
                 .panels = {{tracePath(kShoulder), kRed}, {tracePath(kFarShoulder), kRed}},
                 .zip = kJacketShade.darker(120),
                 .zipLine = Flow{{61, 93}, {62, 112}, {64, 134}}});
  fillOutlined(p, vantorChevron(p, QPointF(24, 112), 9), kRed, 0.8);
  inkTorso(p, torso);

  paintNeck(p, kFace);
  paintHair(p, outline(kHairMass), kHair);
  paintHair(p, outline(kCheekLock), kHair);
  const QPainterPath fringe = outline(kFringe);
  paintFace(p, kFace, fringe, Mouth::kHappy, true);
  paintHair(p, fringe, kHair, kFringeSheen, kFringeStrands);

  paintHeadset(p);
  paintCollar(p, kRed, withAlpha(Qt::white, 150), 0.8);
  paintTablet(p);
  paintBadge(p,
             circle(QPointF(82, 12), 5)
                 .united(polygon(kWrenchHandle))
                 .subtracted(ellipse(QPointF(80, 9.5), 2.6, 2.6)),
             pal::kWhite);
}

}  // namespace

void paintPortraitMirelle(QPainter& p) { paintCard(p, kCard, bust); }

}  // namespace art
