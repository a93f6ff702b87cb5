#include "stage/road_paint.h"

namespace art::road {
namespace {

const QColor kScuff{40, 40, 50, 60};

}  // namespace

void grain(QPainter& p, Dice& dice, int count, double width, double height, int darkAlpha) {
  for (int i = 0; i < count; ++i) {
    const double x = dice.uniform(0, width);
    const double y = dice.uniform(-6, height);
    const double len = dice.uniform(1.5, 6);
    const bool light = dice.below(3) == 0;
    p.setBrush(light ? lightTint(10 + dice.below(10)) : shadowTint(darkAlpha + dice.below(20)));
    p.drawRoundedRect(QRectF(x, y, 0.9, len), 0.45, 0.45);
  }
}

void sealedJoints(QPainter& p, std::initializer_list<double> xs, int alpha, double bendTop,
                  double bendBottom, double height) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(shadowTint(alpha), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double x : xs) {
    QPainterPath joint(QPointF(x, -2));
    joint.cubicTo(x + 2.5, bendTop, x - 2.5, bendBottom, x + 1, height + 2);
    p.drawPath(joint);
  }
}

void chequers(QPainter& p, double width, double top, double cell, int rows, int firstBlack) {
  for (int row = 0; row < rows; ++row) {
    for (int col = (firstBlack + row) % 2; col * cell < width; col += 2) {
      p.fillRect(QRectF(col * cell, top + row * cell, cell, cell), pal::kInk);
    }
  }
}

void tyreScuffs(QPainter& p, std::initializer_list<double> xs, double half, double height) {
  for (double x : xs) softStripe(p, x, half, height, kScuff);
}

void inkEdges(QPainter& p, double width, double height) {
  p.setPen(QPen(pal::kInk, kOutline));
  p.drawLine(QPointF(0, 0.8), QPointF(width, 0.8));
  p.drawLine(QPointF(0, height - 0.8), QPointF(width, height - 0.8));
}

}  // namespace art::road
