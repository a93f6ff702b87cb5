// The battle's missiles, nose up on their exhaust flame: one in each
// player's colour.

#include <QPolygonF>
#include <QRadialGradient>
#include <span>

#include "battle/team_colours.h"
#include "style.h"

namespace art {
namespace {

constexpr double kCx = 20.5;  // the missile's centre line

const QColor kRedFlame{0xff, 0x7a, 0x2a};
const QColor kBlueFlame{0x4a, 0xb8, 0xff};
const QColor kFlameCore{255, 255, 245};
const QColor kNozzle{0x4a, 0x4c, 0x58};
const QColor kGleam = lightTint(90);

// The left tail fin and canard, as offsets from the centre line and heights.
constexpr QPointF kTailFin[] = {{4, 32}, {13, 44}, {13, 49}, {4, 45}};
constexpr QPointF kCanard[] = {{4, 17}, {9, 22}, {9, 24.5}, {4, 23}};

QPolygonF onSide(double s, std::span<const QPointF> fin) {
  QPolygonF shape;
  for (const QPointF& q : fin) shape << QPointF(kCx + s * q.x(), q.y());
  return shape;
}

// Exhaust: a soft glow with a hot core, under the tail.
void exhaust(QPainter& p, const QColor& flameTint) {
  QRadialGradient glow(QPointF(kCx, 53), 13);
  glow.setColorAt(0, withAlpha(flameTint.lighter(140), 200));
  glow.setColorAt(1, withAlpha(flameTint, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(kCx, 53), 13, 13);
  QPainterPath flame(QPointF(kCx - 4.5, 47));
  flame.cubicTo(QPointF(kCx - 5.5, 55), QPointF(kCx - 2, 62), QPointF(kCx, 69));
  flame.cubicTo(QPointF(kCx + 2, 62), QPointF(kCx + 5.5, 55), QPointF(kCx + 4.5, 47));
  flame.closeSubpath();
  p.setBrush(gradient({kCx, 47}, {kCx, 69},
                      {{0.0, kFlameCore},
                       {0.3, flameTint.lighter(150)},
                       {0.7, withAlpha(flameTint, 190)},
                       {1.0, withAlpha(flameTint, 0)}}));
  p.drawPath(flame);
}

// The body: an ogive nose on a round tube.
QPainterPath tube() {
  QPainterPath body(QPointF(kCx, 2.5));
  body.cubicTo(QPointF(kCx + 3.5, 5), QPointF(kCx + 5, 10), QPointF(kCx + 5, 16));
  body.lineTo(kCx + 5, 46);
  body.lineTo(kCx - 5, 46);
  body.lineTo(kCx - 5, 16);
  body.cubicTo(QPointF(kCx - 5, 10), QPointF(kCx - 3.5, 5), QPointF(kCx, 2.5));
  body.closeSubpath();
  return body;
}

void missile(QPainter& p, const QColor& paint, const QColor& flameTint) {
  antialiased(p, [&] {
    exhaust(p, flameTint);

    // Tail fins, swept back, and small canards behind the nose.
    QPainterPath fins;
    fins.setFillRule(Qt::WindingFill);
    for (double s : {-1.0, 1.0}) {
      fins.addPolygon(onSide(s, kTailFin));
      fins.addPolygon(onSide(s, kCanard));
    }
    fillOutlined(
        p, fins.simplified(),
        gradient({kCx - 13, 0}, {kCx + 13, 0},
                 {{0, paint.darker(150)}, {0.5, paint.darker(115)}, {1, paint.darker(160)}}),
        1.3);

    const QPainterPath body = tube();
    fillOutlined(p, body,
                 gradient({kCx - 5, 0}, {kCx + 5, 0},
                          {{0.0, paint.darker(140)},
                           {0.35, paint.lighter(125)},
                           {0.7, paint},
                           {1.0, paint.darker(160)}}),
                 0);
    p.save();
    p.setClipPath(body);
    // A white nose cone and band, with a dark seeker tip.
    p.setBrush(pal::kWhite);
    p.drawRect(QRectF(kCx - 6, 0, 12, 12));
    p.drawRect(QRectF(kCx - 6, 27, 12, 3.5));
    p.setBrush(pal::kInk);
    p.drawRect(QRectF(kCx - 6, 0, 12, 5.5));
    p.setBrush(kGleam);
    p.drawRect(QRectF(kCx - 2.8, 8, 1.4, 36));
    p.restore();
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // The nozzle.
    p.setPen(QPen(pal::kInk, 1.2));
    p.setBrush(kNozzle);
    p.drawRoundedRect(QRectF(kCx - 3.5, 45.5, 7, 3), 1, 1);
  });
}

}  // namespace

void paintBattleMissileRed(QPainter& p) { missile(p, team::kRed, kRedFlame); }
void paintBattleMissileBlue(QPainter& p) { missile(p, team::kBlue, kBlueFlame); }

}  // namespace art
