// Stage five's scenery: the final, in a floodlit stadium. A packed grandstand
// under its roof, floodlight masts on the striped infield, and the pit wall
// with its catch fence along the road.

#include <QPainterPath>
#include <QRadialGradient>

#include "stage/scenery.h"
#include "stage/venue.h"

namespace art::stages {
namespace {

// The infield.
const QColor kInfieldShade{0x2e, 0x8c, 0x4a}, kInfield{0x38, 0xa0, 0x54}, kMowing = lightTint(9);
// The grandstand and its roof.
const QColor kSeatsBack{0x20, 0x26, 0x40}, kSeatsFront{0x30, 0x3a, 0x5e},
    kAisle = shadowTint(90), kWalkway{0x5a, 0x62, 0x7a}, kConcreteWall{0xd8, 0xda, 0xe0};
const QColor kRoofShadow = shadowTint(70), kRoofBack{0x26, 0x28, 0x36},
             kRoofFront{0x3a, 0x3e, 0x4e}, kRoofSheet = lightTint(18), kRoofGirder = shadowTint(90);
// Floodlights and the catch fence.
const QColor kFloodCore{255, 252, 240, 240}, kFloodHalo{240, 246, 255, 130},
    kFloodEdge{230, 240, 255, 0}, kLampHousing{0x3a, 0x3c, 0x48}, kCatchFence = lightTint(60);

// The grandstand: tiers of seats stepping down towards the track.
const QRectF kStand(0, 0, 62, 290);
constexpr double kWalkways[] = {68.0, 150.0, 232.0};
constexpr double kMasts[] = {186.0, 262.0};

void grandstand(QPainter& p, Dice& dice) {
  for (double x = kStand.left(); x < kStand.right(); x += 6) {
    const double t = x / kStand.right();
    p.fillRect(QRectF(x, kStand.top(), 6, kStand.height()), mix(kSeatsBack, kSeatsFront, t));
    p.fillRect(QRectF(x + 5, kStand.top(), 1, kStand.height()), kAisle);
  }
  for (double y : kWalkways) p.fillRect(QRectF(0, y, kStand.right(), 5), kWalkway);
  // Packed with the crowd.
  const QColor shirts[] = {pal::kCarRed,   pal::kCarBlue,   pal::kCarYellow, pal::kWhite,
                           pal::kCarGreen, pal::kSkyOrange, pal::kCarPurple};
  p.setPen(Qt::NoPen);
  for (double x = 2; x < kStand.right() - 2; x += 6) {
    for (double y = 3; y < kStand.bottom() - 2; y += 4.6) {
      if (dice.below(5) == 0) continue;
      p.setBrush(withAlpha(shirts[dice.below(7)], 120));
      p.drawEllipse(QPointF(x + 0.5 + dice.uniform(-0.4, 0.4), y), 1.0, 1.0);
    }
  }
  // The front wall of the stand.
  p.fillRect(QRectF(kStand.right(), 0, 4, kStand.bottom() + 4), kConcreteWall);
  p.fillRect(QRectF(0, kStand.bottom(), kStand.right() + 4, 4), kConcreteWall);
  p.setPen(QPen(pal::kInk, 1.0));
  p.drawLine(QPointF(kStand.right() + 4.5, 0),
             QPointF(kStand.right() + 4.5, kStand.bottom() + 4.5));
  p.drawLine(QPointF(0, kStand.bottom() + 4.5),
             QPointF(kStand.right() + 4.5, kStand.bottom() + 4.5));
}

// The stand's roof, shading the upper rows where the message goes.
void standRoof(QPainter& p) {
  const QPainterPath roof = rect(-2, -2, 74, 164);
  p.setPen(Qt::NoPen);
  p.setBrush(kRoofShadow);
  p.drawPath(roof.translated(4, 4));
  fillOutlined(p, roof, gradient({0, 0}, {72, 0}, {{0.0, kRoofBack}, {1.0, kRoofFront}}), kOutline);
  p.setPen(QPen(kRoofSheet, 1.0));
  for (double y = 10; y < 160; y += 14) p.drawLine(QPointF(0, y), QPointF(72, y));
  p.setPen(QPen(kRoofGirder, 1.6));
  for (double x = 18; x < 72; x += 24) p.drawLine(QPointF(x, 0), QPointF(x, 160));
}

// A floodlight mast on the infield, its bank blazing.
void floodlight(QPainter& p, QPointF c) {
  QRadialGradient glow(c, 36);
  glow.setColorAt(0, kFloodCore);
  glow.setColorAt(0.25, kFloodHalo);
  glow.setColorAt(1, kFloodEdge);
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, 36, 36);
  p.setPen(QPen(pal::kInk, 1.0));
  p.setBrush(kLampHousing);
  p.drawRect(QRectF(c.x() - 5, c.y() - 7, 10, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kHeadlight);
  for (int r = 0; r < 3; ++r) {
    for (int k = 0; k < 2; ++k) p.drawEllipse(c + QPointF(-2 + k * 4, -4 + r * 4), 1.3, 1.3);
  }
}

// The pit wall with its catch fence.
void pitWall(QPainter& p) {
  verge(p, kConcreteWall, 12);
  for (double y = 0; y < kWindowH; y += 24) p.fillRect(QRectF(116, y, 12, 12), pal::kKerbRed);
  p.setPen(QPen(kCatchFence, 0.7));
  for (double y = -10; y < kWindowH; y += 5) {
    p.drawLine(QPointF(110, y), QPointF(115, y + 5));
    p.drawLine(QPointF(115, y), QPointF(110, y + 5));
  }
  p.setPen(QPen(pal::kInk, 1.0));
  p.drawLine(QPointF(115.5, 0), QPointF(115.5, kWindowH));
}

}  // namespace

void sceneryStadium(QPainter& p) {
  // Floodlit infield grass, mown in broad stripes, between the stand and
  // the pit wall.
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH),
             gradient({0, 0}, {kColumnW, 0}, {{0.0, kInfieldShade}, {1.0, kInfield}}));
  for (double y = 0; y < kWindowH; y += 30) p.fillRect(QRectF(0, y, kColumnW, 15), kMowing);
  Dice dice(55);
  grandstand(p, dice);
  standRoof(p);
  for (double y : kMasts) floodlight(p, QPointF(86, y));
  pitWall(p);
}

}  // namespace art::stages
