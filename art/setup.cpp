// The race setup window: pale paper for the name and password labels and the
// difficulty buttons, with a faint racing road curling round the right-hand
// side, a chequered corner and a strip of kerb along the foot.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "style.h"

namespace art {
namespace {

constexpr double kW = 320;
constexpr double kH = 213;

// Everything printed on the paper stays this faint, so black labels and the
// buttons keep the eye.
QColor faded(const QColor& c, double amount) { return mix(pal::kPaper, c, amount); }

void paintPaper(QPainter& p) {
  p.fillRect(QRectF(0, 0, kW, kH),
             gradient({0, 0}, {kW, kH}, {{0.0, pal::kPaper}, {1.0, pal::kPaperShade}}));
  // A sunset band across the top, as on the title screen.
  p.fillRect(QRectF(0, 0, kW, 3.5),
             gradient({0, 0}, {kW, 0},
                      {{0.0, pal::kSkyMagenta}, {0.5, pal::kSkyOrange}, {1.0, pal::kSkyGold}}));
}

void paintCurve(QPainter& p) {
  // A road sweeping in from the bottom right and away over the top edge.
  QPainterPath centre(QPointF(kW + 40, 196));
  centre.cubicTo(270, 178, 258, 100, 298, 66);
  centre.cubicTo(314, 52, 334, 46, kW + 30, 44);
  // Laid down in strokes, widest first: outline, kerbs, asphalt, edge lines.
  const QColor asphalt = faded(pal::kAsphaltLight, 0.2);
  auto lay = [&](const QPen& pen) {
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(centre);
  };
  lay(QPen(faded(pal::kInk, 0.25), 47, Qt::SolidLine, Qt::FlatCap));
  lay(QPen(pal::kWhite, 45, Qt::SolidLine, Qt::FlatCap));
  QPen kerb(faded(pal::kKerbRed, 0.4), 45, Qt::CustomDashLine, Qt::FlatCap);
  kerb.setDashPattern({0.12, 0.12});
  lay(kerb);
  lay(QPen(asphalt, 37, Qt::SolidLine, Qt::FlatCap));
  lay(QPen(pal::kWhite, 33, Qt::SolidLine, Qt::FlatCap));
  lay(QPen(asphalt, 30.6, Qt::SolidLine, Qt::FlatCap));
  QPen dashes(faded(pal::kTeal, 0.5), 2.2, Qt::CustomDashLine, Qt::FlatCap);
  dashes.setDashPattern({2.5, 2.5});
  lay(dashes);

  // The finish line across the road, just before it leaves the sheet.
  const double finishAt = 0.8;
  p.save();
  p.translate(centre.pointAtPercent(finishAt));
  p.rotate(-centre.angleAtPercent(finishAt));
  const double cell = 37.0 / 8;
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 8; ++col) {
      p.setBrush((row + col) % 2 ? faded(pal::kInk, 0.42) : pal::kWhite);
      p.drawRect(QRectF(row * cell - cell, -18.5 + col * cell, cell, cell));
    }
  }
  p.restore();

  // A car on its way round to it, printed pale like the rest.
  const double carAt = 0.5;
  p.save();
  p.setOpacity(0.5);
  p.translate(centre.pointAtPercent(carAt));
  p.rotate(90 - centre.angleAtPercent(carAt));
  drawCarTopDown(p, QRectF(-8.5, -14.5, 17, 29), pal::kCarRed, pal::kWhite, 1.2);
  p.restore();
}

void paintKerbFoot(QPainter& p) {
  // A strip of kerb along the bottom edge, well below the buttons.
  const double top = kH - 7;
  for (int i = -1; i < 30; ++i) {
    const double x = i * 14.0;
    QPolygonF block(
        {QPointF(x, kH), QPointF(x + 3, top), QPointF(x + 17, top), QPointF(x + 14, kH)});
    p.setPen(Qt::NoPen);
    p.setBrush(i % 2 ? faded(pal::kWhite, 1.0) : faded(pal::kKerbRed, 0.45));
    p.drawPolygon(block);
  }
  p.setPen(QPen(faded(pal::kInk, 0.3), 1.0));
  p.drawLine(QPointF(0, top - 0.5), QPointF(kW, top - 0.5));
}

}  // namespace

void paintSetup(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  paintPaper(p);
  paintCurve(p);
  paintKerbFoot(p);
  p.restore();
}

}  // namespace art
