// Quellan, the rival from another team: sleek silver hair with a long
// fringe swept across the forehead, heavy-lidded calm eyes and a
// half-smile, and a teal suit with a high white collar.

#include "portraits/card.h"
#include "portraits/face.h"
#include "portraits/hair.h"
#include "portraits/suit.h"
#include "style.h"

namespace art {
namespace {

using namespace portrait;

// His colours: a teal card, silver hair and brows, violet eyes, the teal
// suit with a dark panel and silver trim, and a white collar.
constexpr Card kCard{
    125, true, {0x6e, 0xe6, 0xd8}, {0x0e, 0x78, 0x7c}, {0xb4, 0xf6, 0xee}, {0xe0, 0xff, 0xfa}};
constexpr HairTone kHair{{0xcc, 0xd4, 0xe4}, {0x84, 0x8e, 0xae}, {0xff, 0xff, 0xff}};
constexpr Skin kSkin{{0xfa, 0xdc, 0xca}, {0xe2, 0xac, 0x9c}};
constexpr QColor kViolet{0x6a, 0x5c, 0xd8}, kBrow{0x9a, 0xa2, 0xba};
constexpr QColor kSuit{0x1a, 0xb0, 0xa6}, kPanel{0x0c, 0x5c, 0x62}, kSilver{0xd8, 0xdc, 0xe4};
constexpr QColor kCollarShade{0xc4, 0xd2, 0xdc};

constexpr Face kFace{kSkin,
                     {.brow = {69, 50}, .cheek = {68, 61}, .chin = {57, 81}, .jaw = {39, 70}},
                     {.iris = kViolet, .y = 57.5, .height = 8, .lid = 0.36, .irisShift = 0.18},
                     {.colour = kBrow, .lift = 6.8, .tilt = 0.2, .weight = 1.2, .arch = 0.6}};

// Hair long enough at the back to brush the collar.
constexpr Node kHairMass[] = {{72, 40}, {76, 22}, {64, 5},           {44, 3},  {26, 10},
                              {17, 28}, {17, 50}, tip(15, 72, 0.06), {24, 66}, tip(27, 78, 0.06),
                              {34, 68}, {40, 52}, {56, 38}};
constexpr Flow kHairStrands[] = {{{30, 20}, {18, 44}, {16, 72}}, {{34, 30}, {24, 52}, {26, 80}}};

// The fringe, parted at the back of the crown and swept forward across the
// forehead into long points.
constexpr QPointF kHairline[] = {{-10, 72}, {25, 72}, {27, 50}, {36, 40},
                                 {50, 33},  {66, 31}, {80, 36}};
constexpr Node kLock1[] = {{27, 18},          {38, 11}, {42, 30}, {40.5, 46},
                           tip(37, 63, 0.04), {34, 46}, {29, 32}};
constexpr Node kLock2[] = {{33, 10},          {47, 5},  {53, 20}, {54, 36},
                           tip(56, 50, 0.06), {49, 37}, {41, 22}};
constexpr Node kLock3[] = {{45, 5},  {60, 4}, {66, 18}, {67.5, 36}, tip(68.5, 55, 0.06),
                           {62, 39}, {55, 22}};
constexpr Node kLock4[] = {{57, 4},  {71, 8}, {77, 24}, {76.5, 44}, tip(73.5, 66, 0.03),
                           {70, 45}, {65, 22}};
constexpr Flow kFringeSheen[] = {{{75, 26}, {62, 8}, {34, 14}}};

// The suit's dark diagonal panel, piped in silver, and the crest on his
// shoulder.
constexpr QPointF kSash[] = {{64, 88}, {104, 106}, {104, 124}, {58, 140}, {46, 140}};
constexpr Flow kPiping[] = {{{64, 88}, {84, 96}, {104, 106}}, {{46, 140}, {52, 112}, {64, 88}}};
constexpr Node kCrest[] = {{10, 100}, {20, 98}, {20, 106}, tip(15, 112, 0.05), {10, 106}};

// The high collar, white with teal piping.
constexpr PathStep kHighCollar[] = {moveTo(34, 78), cubicTo({42, 83}, {52, 86}, {62, 84}),
                                    lineTo(64, 93), cubicTo({54, 96}, {42, 94}, {32, 88}),
                                    closePath()};

// A crescent wave on his badge.
constexpr PathStep kWave[] = {moveTo(78, 22),
                              cubicTo({78, 12}, {88, 6}, {95, 11}),
                              cubicTo({88, 10}, {84, 16}, {88, 20}),
                              cubicTo({91, 22}, {94, 20}, {95, 18}),
                              cubicTo({94, 25}, {84, 28}, {78, 22}),
                              closePath()};

void bust(QPainter& p, double h) {
  const QPainterPath mass = outline(kHairMass);
  paintHair(p, mass, kHair, {}, kHairStrands);

  const QPainterPath torso = paintSuit(p, h,
                                       {.cloth = kSuit,
                                        .shadow = kSuit.darker(150),
                                        .panels = {{polygon(kSash), kPanel}},
                                        .piping = kSilver,
                                        .pipes = kPiping});
  fillOutlined(p, outline(kCrest), kSilver, 0.9);
  inkTorso(p, torso);

  paintNeck(p, kFace);
  const QPainterPath locks[] = {outline(kLock1), outline(kLock2), outline(kLock3), outline(kLock4)};
  const QPainterPath base = mass.intersected(above(kHairline));
  QPainterPath fringe = base;
  for (const QPainterPath& l : locks) fringe = fringe.united(l);
  paintFace(p, kFace, fringe, Mouth::kHalfSmile);
  paintLocks(p, base, locks, kHair, kFringeSheen);

  fillOutlined(p, tracePath(kHighCollar),
               gradient({0, 78}, {0, 95}, {{0.0, pal::kWhite}, {1.0, kCollarShade}}), kOutline);
  stroke(p, curve({33, 85}, {48, 92}, {63.5, 89.5}), QPen(kSuit, 1.3));
  paintBadge(p, tracePath(kWave), pal::kWhite);
}

}  // namespace

void paintPortraitQuellan(QPainter& p) { paintCard(p, kCard, bust); }

}  // namespace art
