// Halvard, the champion: black hair swept back into a quiff with his
// sunglasses pushed up into it, a broad grin, and the black Vantor suit with
// white shoulders and the champion's gold collar.

#include "portraits/card.h"
#include "portraits/face.h"
#include "portraits/hair.h"
#include "portraits/suit.h"
#include "style.h"

namespace art {
namespace {

using namespace portrait;

// His colours: blue-black hair, gold aviators with lenses that reflect the
// sky, amber eyes, the black suit with white shoulders, and a gold card.
constexpr HairTone kHair{{0x2c, 0x2a, 0x40}, {0x14, 0x12, 0x22}, {0x7a, 0x82, 0xb8}};
constexpr QColor kGold{0xf2, 0xbc, 0x3a}, kGoldDeep{0xa0, 0x68, 0x12}, kGoldShine{0xff, 0xf0, 0xb0};
constexpr QColor kBadgeGold{0xff, 0xd2, 0x4a};
constexpr QColor kLensSky{0x5a, 0x6e, 0xa8}, kLensDark{0x1c, 0x1e, 0x30},
    kLensPlum{0x3a, 0x24, 0x44};
constexpr Skin kSkin{{0xf4, 0xc8, 0xa2}, {0xd8, 0x9a, 0x7c}};
constexpr QColor kAmber{0xb0, 0x6a, 0x24};
constexpr QColor kSuit{0x22, 0x22, 0x2e}, kShoulders{0xf4, 0xf2, 0xee}, kZip{0x62, 0x64, 0x78};
constexpr Card kCard{
    130, false, {0xff, 0xd8, 0x5a}, {0xd8, 0x8c, 0x14}, {0xff, 0xf0, 0x9a}, {0xff, 0xf4, 0xc0}};

constexpr Face kFace{kSkin,
                     {.brow = {70, 50}, .cheek = {69.5, 61}, .chin = {58.5, 81}, .jaw = {38, 72}},
                     {.iris = kAmber, .y = 57, .height = 8.6, .lid = 0.1},
                     {.colour = kHair.dark, .lift = 7.2, .tilt = -0.6, .weight = 2.1, .arch = 1.5}};

// The suit's white shoulder yokes, edged in red.
constexpr PathStep kYoke[] = {
    moveTo(-4, 110), cubicTo({2, 99}, {14, 92}, {28, 90}),    lineTo(40, 88),
    lineTo(22, 108), cubicTo({12, 110}, {4, 116}, {-4, 124}), closePath()};
constexpr PathStep kFarYoke[] = {moveTo(64, 89),
                                 cubicTo({72, 92}, {84, 95}, {92, 99}),
                                 cubicTo({98, 102}, {102, 107}, {104, 114}),
                                 lineTo(104, 122),
                                 cubicTo({96, 110}, {84, 106}, {72, 106}),
                                 closePath()};
constexpr Flow kPiping[] = {{{40, 88}, {30, 100}, {22, 108}},
                            {{22, 108}, {10, 112}, {-4, 124}},
                            {{104, 122}, {90, 106}, {72, 106}}};

// Hair: short at the back and sides, the top swept up and back.
constexpr Node kHairMass[] = {{74, 36},    {78, 20}, {67, 7},          {48, 4},  {30, 8},
                              tip(11, 14), {22, 21}, tip(7, 30, 0.08), {20, 34}, tip(13, 46, 0.06),
                              {24, 46},    {25, 60}, {36, 64},         {44, 46}, {60, 36}};
constexpr QPointF kHairline[] = {{-10, 72}, {25, 72}, {27, 50}, {37, 46},
                                 {44, 37},  {56, 32}, {66, 33}, {78, 40}};
constexpr Flow kQuiffSheens[] = {{{74, 16}, {62, 4}, {40, 8}}, {{36, 10}, {24, 12}, {12, 18}}};
constexpr Flow kQuiffStrands[] = {{{72, 30}, {62, 14}, {34, 14}},
                                  {{64, 32}, {48, 22}, {24, 24}},
                                  {{52, 34}, {36, 32}, {18, 36}},
                                  {{44, 40}, {32, 42}, {18, 46}}};
// Two strands fallen loose over the forehead.
constexpr Node kLooseStrand[] = {{60, 30}, {66, 31}, tip(67.5, 46, 0.12), {63, 36}};
constexpr Node kShortStrand[] = {{55, 31}, {59, 32}, tip(57, 43, 0.12), {56, 36}};

// Gold aviator frames with dark lenses.
constexpr Node kNearLens[] = {{43, 17}, {56, 15}, {57.5, 21}, {52, 27.5}, {45, 24.5}};
constexpr Node kFarLens[] = {{62, 16}, {71, 17}, {71, 23}, {67, 27}, {61.5, 22.5}};

void paintSunglasses(QPainter& p) {
  stroke(p, curve({45, 20}, {37, 18}, {28, 23}), QPen(kGoldDeep, 1.8, Qt::SolidLine, Qt::RoundCap));
  for (const QPainterPath& lens : {outline(kNearLens), outline(kFarLens)}) {
    fillOutlined(p, lens,
                 gradient({0, 15}, {0, 27}, {{0.0, kLensSky}, {0.5, kLensDark}, {1.0, kLensPlum}}),
                 1.8, kGoldDeep);
    const QRectF b = lens.boundingRect();
    fill(p,
         lens.intersected(
             ellipse(b.topLeft() + QPointF(b.width() * 0.4, 1.4), b.width() * 0.32, 1.8)),
         withAlpha(Qt::white, 190));
  }
  stroke(p, curve({57, 17.5}, {59.5, 15.5}, {62, 18}),
         QPen(kGold, 1.7, Qt::SolidLine, Qt::RoundCap));
}

// The champion's gold collar: a band of gold round the black.
void paintGoldCollar(QPainter& p) {
  const QPainterPath collar = collarPath();
  fill(p, collar, kSuit);
  p.save();
  p.setClipPath(collar);
  const QPainterPath band = cubic({33, 85.5}, {42, 90}, {52, 92.5}, {64, 90.5});
  stroke(p, band, QPen(kGold, 2.6));
  stroke(p, band.translated(0, -0.9), QPen(kGoldShine, 0.6));
  p.restore();
  stroke(p, collar, ink());
}

void bust(QPainter& p, double h) {
  // The suit: black, white shoulder yokes edged in red, the zip, a Vantor
  // chevron on the chest and a champion's star on the shoulder.
  const QPainterPath torso =
      paintSuit(p, h,
                {.cloth = kSuit,
                 .shadow = kSuit.darker(170),
                 .panels = {{tracePath(kYoke), kShoulders}, {tracePath(kFarYoke), kShoulders}},
                 .piping = pal::kCarRed,
                 .pipes = kPiping,
                 .zip = kZip,
                 .zipLine = Flow{{62, 93}, {63.5, 112}, {66, 134}}});
  fillOutlined(p, vantorChevron(p, QPointF(82, 118), 10), pal::kCarRed, 0.8);
  fillOutlined(p, star(QPointF(14, 106), 4.8), kGold, 0.8);
  inkTorso(p, torso);

  const QPainterPath mass = outline(kHairMass);
  paintHair(p, mass, kHair);
  paintNeck(p, kFace);
  const QPainterPath front = mass.intersected(above(kHairline));
  paintFace(p, kFace, front, Mouth::kGrin);
  paintHair(p, front.united(lock({35, 44}, {41, 46}, {38, 58}, -1)), kHair, kQuiffSheens,
            kQuiffStrands);
  paintHair(p, outline(kLooseStrand), kHair);
  paintHair(p, outline(kShortStrand), kHair);

  paintSunglasses(p);
  paintGoldCollar(p);
  paintBadge(p, star(QPointF(87, 16), 7.5), kBadgeGold);
}

}  // namespace

void paintPortraitHalvard(QPainter& p) { paintCard(p, kCard, bust); }

}  // namespace art
