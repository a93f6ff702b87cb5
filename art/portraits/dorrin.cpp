// Dorrin, Halvard's old rival: spiky red hair, heavy brows drawn down over
// gold eyes, a fierce smirk, and a black suit slashed with red.

#include "portraits/card.h"
#include "portraits/face.h"
#include "portraits/hair.h"
#include "portraits/suit.h"
#include "style.h"

namespace art {
namespace {

using namespace portrait;

// His colours: red hair and brows, gold eyes, the black suit slashed with
// red, a gold bolt on his badge, and a deep crimson card.
constexpr HairTone kHair{{0xe0, 0x30, 0x34}, {0x8a, 0x10, 0x24}, {0xff, 0x9a, 0x70}};
constexpr QColor kBrow{0x8a, 0x12, 0x22};
constexpr Skin kSkin{{0xf6, 0xcc, 0xaa}, {0xd8, 0x98, 0x7e}};
constexpr QColor kGoldEyes{0xf0, 0xa8, 0x18}, kBolt{0xff, 0xd2, 0x3a};
constexpr QColor kSuit{0x1e, 0x1c, 0x26}, kRed{0xe8, 0x26, 0x36}, kZip{0x5a, 0x58, 0x6a};
constexpr Card kCard{
    130, true, {0xa8, 0x1e, 0x36}, {0x30, 0x0c, 0x1a}, {0xd0, 0x3c, 0x52}, {0xff, 0x9a, 0x8a}};

constexpr Face kFace{kSkin,
                     {.brow = {70, 50}, .cheek = {69.5, 60}, .chin = {59, 81.5}, .jaw = {39, 70}},
                     {.iris = kGoldEyes, .y = 57.5, .height = 7.2, .lid = 0.18, .irisShift = 0.16},
                     {.colour = kBrow, .lift = 5.4, .tilt = 2.4, .weight = 2.8, .arch = 0.4}};

// Spikes swept back off the crown, each tip bowed out on one side and in on
// the other.
constexpr Node kSpikes[] = {{72, 36},           tip(85, 25, 0.04),  tip(71, 19, -0.05),
                            tip(79, 6, 0.04),   tip(62, 12, -0.05), tip(50, 3, 0.04),
                            tip(43, 12, -0.05), tip(24, 5, 0.04),   tip(26, 18, -0.05),
                            tip(4, 19, 0.04),   tip(17, 31, -0.05), tip(2, 42, 0.04),
                            tip(19, 46, -0.05), tip(9, 62, 0.04),   {26, 58},
                            {34, 66},           {42, 48},           {58, 38}};
constexpr Flow kSpikeStrands[] = {{{40, 40}, {24, 40}, {8, 44}}};

// Spikes falling over the forehead, joined to the crown.
constexpr QPointF kHairline[] = {{-10, 72}, {25, 72}, {27, 50}, {38, 44},
                                 {50, 36},  {66, 34}, {80, 36}};
constexpr Node kFringe[] = {{38, 36},
                            {40, 46},
                            tip(37.5, 62, 0.05),
                            {44, 46},
                            tip(48.5, 51, 0.08),
                            {52, 41},
                            tip(60, 50, 0.08),
                            {62, 40},
                            tip(70.5, 47, 0.06),
                            {73, 36},
                            {60, 30},
                            {46, 30}};
constexpr Flow kFringeSheen[] = {{{74, 20}, {58, 10}, {30, 14}}};
constexpr Flow kFringeStrands[] = {{{50, 30}, {48, 40}, {48.5, 48}},
                                   {{58, 30}, {60, 40}, {60, 47}},
                                   {{56, 24}, {40, 14}, {26, 8}},
                                   {{46, 32}, {26, 26}, {10, 24}}};

// The red slashes across the suit's chest, and the red near shoulder.
constexpr QPointF kSlash[] = {{104, 100}, {104, 112}, {30, 140}, {14, 140}};
constexpr QPointF kThinSlash[] = {{104, 116}, {104, 121}, {48, 140}, {40, 140}};
constexpr PathStep kShoulder[] = {moveTo(-4, 106), cubicTo({4, 96}, {16, 91}, {30, 89}),
                                  lineTo(26, 97), cubicTo({14, 100}, {4, 108}, {-4, 116}),
                                  closePath()};

// A lightning bolt on his badge.
constexpr QPointF kBoltBadge[] = {{89, 5},  {80, 18}, {86, 18}, {82, 29},
                                  {93, 14}, {87, 14}, {92, 5}};

void bust(QPainter& p, double h) {
  const QPainterPath mass = outline(kSpikes);
  paintHair(p, mass, kHair, {}, kSpikeStrands);

  const QPainterPath torso =
      paintSuit(p, h,
                {.cloth = kSuit,
                 .shadow = kSuit.darker(170),
                 .panels = {{polygon(kSlash).united(polygon(kThinSlash)), kRed},
                            {tracePath(kShoulder), kRed}},
                 .zip = kZip});
  inkTorso(p, torso);

  paintNeck(p, kFace);
  const QPainterPath fringe = mass.intersected(above(kHairline)).united(outline(kFringe));
  paintFace(p, kFace, fringe, Mouth::kSmirk);
  // A crease between the brows.
  paintCrease(p, kFace, {56, 51}, {55, 53}, {55.5, 55});
  paintHair(p, fringe, kHair, kFringeSheen, kFringeStrands);

  paintCollar(p, kRed, kSuit, 1.0);
  paintBadge(p, polygon(kBoltBadge), kBolt);
}

}  // namespace

void paintPortraitDorrin(QPainter& p) { paintCard(p, kCard, bust); }

}  // namespace art
