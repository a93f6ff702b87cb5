#include <QPainter>

#include "style.h"

namespace art {
void paintRoad(QPainter& p, int) { p.fillRect(QRectF(0, 0, 249, 345), pal::kAsphalt); }
void paintStageBackground(QPainter& p, int) { p.fillRect(QRectF(0, 0, 592, 345), pal::kInk); }
void paintFinishBanner(QPainter& p) { p.fillRect(QRectF(0, 0, 265, 51), pal::kWhite); }
void paintRoadside(QPainter&) {}
}  // namespace art
