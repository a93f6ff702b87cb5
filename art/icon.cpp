// The application icon: a race car flat out on a strip of road, on a
// rounded sunset badge. Outlines are heavy so it still reads at 32 pixels.

#include <QPainter>
#include <QPainterPath>

#include "style.h"

namespace art {
namespace {

// The badge's shadow and the gloss over its top half.
constexpr QColor kShadow{0, 0, 0, 60};
constexpr QColor kGloss{255, 255, 255, 70};

}  // namespace

void paintIcon(QPainter& p) {
  p.save();
  const QRectF badgeRect(10, 10, 236, 236);
  const double ink = 8;
  QPainterPath badge;
  badge.addRoundedRect(badgeRect, 54, 54);

  // Drop shadow under the badge.
  p.setPen(Qt::NoPen);
  p.setBrush(kShadow);
  p.drawPath(badge.translated(0, 5));

  p.setBrush(gradient(badgeRect.topLeft(), badgeRect.bottomRight(),
                      {{0.0, pal::kSkyViolet},
                       {0.45, pal::kSkyMagenta},
                       {0.85, pal::kSkyOrange},
                       {1.0, pal::kSkyGold}}));
  p.drawPath(badge);

  p.save();
  p.setClipPath(badge);

  // The road, with white edges and teal dashes.
  const QRectF road(62, 0, 132, 256);
  p.fillRect(road,
             gradient(road.topLeft(), road.topRight(),
                      {{0.0, pal::kAsphaltDark}, {0.5, pal::kAsphalt}, {1.0, pal::kAsphaltDark}}));
  p.fillRect(QRectF(road.left() + 6, 0, 6, 256), pal::kWhite);
  p.fillRect(QRectF(road.right() - 12, 0, 6, 256), pal::kWhite);
  p.fillRect(QRectF(124, 4, 8, 22), pal::kTeal);
  p.fillRect(QRectF(124, 226, 8, 30), pal::kTeal);
  p.setPen(QPen(pal::kInk, ink * 0.75));
  p.drawLine(QPointF(road.left(), 0), QPointF(road.left(), 256));
  p.drawLine(QPointF(road.right(), 0), QPointF(road.right(), 256));

  // Speed lines on both sides of the road.
  struct Line {
    double x, y, len, w;
  };
  for (const Line& l : {Line{30, 56, 70, 7}, Line{46, 146, 60, 6}, Line{24, 194, 40, 5},
                        Line{226, 50, 56, 6}, Line{210, 116, 74, 7}, Line{232, 184, 40, 5}}) {
    drawStreak(p, QPointF(l.x, l.y), QPointF(l.x, l.y + l.len), l.w, withAlpha(pal::kWhite, 220));
  }

  // Gloss over the top half of the badge.
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, 10}, {0, 128}, {{0.0, kGloss}, {1.0, withAlpha(kGloss, 0)}}));
  QPainterPath gloss;
  gloss.addEllipse(QRectF(-40, -150, 336, 270));
  p.drawPath(gloss);
  p.restore();

  p.setPen(QPen(pal::kInk, ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(badge);

  drawCarTopDown(p, QRectF(128 - 52, 36, 104, 180), pal::kCarYellow, pal::kCarRed, 6.5);
  p.restore();
}

}  // namespace art
