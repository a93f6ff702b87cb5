#include "net/badges.h"

#include <QPainterPath>

#include "style.h"

namespace art::netrace {
namespace {

constexpr double kLetterH = 6.4;  // the tag's capitals
constexpr double kLetterW = 4.4;

// The strokes of the "Y" across a letter's box, from its top-left corner.
constexpr QPointF kYArms[] = {{0, 0}, {2.2, kLetterH * 0.5}, {4.4, 0}};
constexpr QPointF kYStem[] = {{2.2, kLetterH * 0.5}, {2.2, kLetterH}};

}  // namespace

void carBadge(QPainter& p, QPointF c, double h, const QColor& paint) {
  const double w = h * 0.6;
  drawCarTopDown(p, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), paint, pal::kWhite, 0.8);
}

void youTag(QPainter& p, QPointF centre, const QColor& red) {
  const QRectF pill(centre.x() - 13, centre.y() - 6, 26, 12);
  p.setPen(QPen(pal::kInk, 1.0));
  p.setBrush(gradient(pill.topLeft(), pill.bottomLeft(),
                      {{0.0, red.lighter(115)}, {1.0, red.darker(120)}}));
  p.drawRoundedRect(pill, 6, 6);
  const double h = kLetterH;
  const double top = centre.y() - h / 2;
  double x = pill.left() + 5;
  QPainterPath word;
  for (const auto& stroke : {std::span<const QPointF>(kYArms), std::span<const QPointF>(kYStem)}) {
    word.moveTo(x + stroke.front().x(), top + stroke.front().y());
    for (const QPointF& q : stroke.subspan(1)) word.lineTo(x + q.x(), top + q.y());
  }
  x += 6;
  word.addEllipse(QRectF(x, top, kLetterW, h));
  x += 6.2;
  // U
  word.moveTo(x, top);
  word.lineTo(x, top + h - 2.2);
  word.quadTo(x, top + h, x + 2.2, top + h);
  word.quadTo(x + 4.4, top + h, x + 4.4, top + h - 2.2);
  word.lineTo(x + 4.4, top);
  p.setPen(QPen(pal::kWhite, 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(word);
}

}  // namespace art::netrace
