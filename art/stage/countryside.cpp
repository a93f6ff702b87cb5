// Stage one's scenery: a countryside circuit on a clear day. A wood at the
// top, a meadow with a hay field and bales below, a fence along the verge.

#include <QPainterPath>

#include "stage/scenery.h"
#include "stage/venue.h"

namespace art::stages {
namespace {

// Mown grass.
const QColor kGrass{0x5c, 0xa8, 0x48}, kMowing = lightTint(14);
// The hay field and its bales.
const QColor kHayField{0xd9, 0xc0, 0x7a, 120}, kFurrow{0xa6, 0x8a, 0x4c, 90},
    kBale{0xe8, 0xc8, 0x6a}, kBaleTwine{0xa8, 0x84, 0x38}, kBaleShadow = shadowTint(50);
// Wildflowers and trees.
const QColor kDaisy{255, 250, 235, 200}, kButtercup{0xff, 0xd2, 0x4a, 210},
    kLeafDark{0x2f, 0x7a, 0x3a}, kLeafLight{0x3d, 0x86, 0x34}, kLoneTree{0x3d, 0x8c, 0x38};
// The verge.
const QColor kVergeGrass{0x6f, 0xb0, 0x52}, kGravel{0xe8, 0xdc, 0xb8};

const QRectF kHay(0, 196, 92, 72);
constexpr QPointF kBales[] = {{24, 220}, {58, 246}, {70, 212}};

// The hay field beside a lane of packed earth, its bales rolled up.
void hayField(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kHayField);
  p.drawRect(kHay);
  p.setPen(QPen(kFurrow, 1.0));
  for (double y = 200; y < 266; y += 5) p.drawLine(QPointF(0, y), QPointF(92, y));
  for (const QPointF c : kBales) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBaleShadow);
    p.drawEllipse(c + QPointF(2.5, 2.5), 8, 8);
    fillOutlined(p, circle(c, 8), kBale, 1.2);
    p.setPen(QPen(kBaleTwine, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5, 5);
    p.drawEllipse(c, 2.2, 2.2);
  }
}

// A white post-and-rail fence along the verge.
void fence(QPainter& p) {
  p.setPen(QPen(withAlpha(pal::kWhite, 230), 1.4));
  p.drawLine(QPointF(117, 0), QPointF(117, kWindowH));
  p.drawLine(QPointF(120.5, 0), QPointF(120.5, kWindowH));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kWhite);
  for (double y = 6; y < kWindowH; y += 22) p.drawRect(QRectF(116, y, 5.5, 3));
}

}  // namespace

void sceneryCountryside(QPainter& p) {
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH),
             gradient({0, 0}, {0, kWindowH}, {{0.0, kGrass.darker(115)}, {1.0, kGrass}}));
  // Mowing stripes.
  for (double x = 2; x < kColumnW; x += 24) p.fillRect(QRectF(x, 0, 12, kWindowH), kMowing);
  Dice dice(11);
  hayField(p);
  // Wildflowers in the meadow.
  for (int i = 0; i < 70; ++i) {
    const QPointF at(dice.uniform(4, 98), dice.uniform(176, 286));
    if (at.y() > 192 && at.y() < 272 && at.x() < 94) continue;
    p.setBrush(i % 3 ? kDaisy : kButtercup);
    p.drawEllipse(at, 1.0, 1.0);
  }

  // The wood at the top, its crowns crowding together.
  for (int i = 0; i < 26; ++i) {
    const QPointF c(dice.uniform(-6, 100), dice.uniform(-8, 176));
    treeCrown(p, c, dice.uniform(13, 20), i % 3 ? kLeafDark : kLeafLight, dice);
  }
  // One tree standing on its own in the field.
  treeCrown(p, QPointF(40, 266), 14, kLoneTree, dice);
  verge(p, kVergeGrass, 13);
  // Gravel on the shoulder.
  grit(p, dice, 220, 116, 127.5, 0.8, kGravel, 90, 80);
  fence(p);
}

}  // namespace art::stages
