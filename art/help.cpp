// The help screen: a pale route map on paper for the instructions, laid on
// a strip of dark asphalt that carries the closing lines of text.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "style.h"

namespace art {
namespace {

// Where the paper ends and the road begins; everything above must stay pale
// and quiet, everything below dark.
constexpr double kPaperEdge = 254;
constexpr double kRoadTop = 258;

// Faint colours for the map; all of them stay close to the paper's brightness.
constexpr QColor kPaperFar{0xf6, 0xf2, 0xe8}, kGrid{0xf4, 0xf0, 0xe7};
constexpr QColor kMapRoadCasing{0xec, 0xee, 0xf0}, kMapRoad{0xff, 0xff, 0xff};
constexpr QColor kMapWater{0xe6, 0xf1, 0xf1}, kMapPark{0xea, 0xf2, 0xe4};
constexpr QColor kTread{60, 50, 70};  // printed at the faintest of alphas
// The road's grit, the black tape across the map and the shadows the tape
// and the paper throw.
constexpr QColor kGritLight{255, 255, 255, 10}, kGritDark{0, 0, 0, 30};
constexpr QColor kTape{10, 10, 14}, kTapeShadow{0, 0, 0, 40}, kSheetShadow{0, 0, 0, 26};

void paintMap(QPainter& p) {
  p.fillRect(QRectF(0, 0, 640, 480),
             gradient({0, 0}, {640, 300}, {{0.0, pal::kPaper}, {1.0, kPaperFar}}));

  // Map grid.
  p.setPen(QPen(kGrid, 1.0));
  for (double x = 20; x < 640; x += 32) p.drawLine(QPointF(x, 0), QPointF(x, kPaperEdge + 10));
  for (double y = 24; y < kPaperEdge; y += 32) p.drawLine(QPointF(0, y), QPointF(640, y));

  // A lake and a park, soft blobs of colour.
  QPainterPath lake(QPointF(430, 150));
  lake.cubicTo(470, 120, 560, 126, 590, 160);
  lake.cubicTo(620, 196, 560, 232, 500, 222);
  lake.cubicTo(450, 214, 400, 182, 430, 150);
  p.setPen(QPen(mix(kMapWater, pal::kTeal, 0.04), 1.2));
  p.setBrush(kMapWater);
  p.drawPath(lake);
  QPainterPath park(QPointF(60, 150));
  park.cubicTo(100, 128, 190, 136, 200, 170);
  park.cubicTo(210, 206, 130, 222, 80, 206);
  park.cubicTo(36, 192, 30, 166, 60, 150);
  p.setPen(Qt::NoPen);
  p.setBrush(kMapPark);
  p.drawPath(park);

  // Streets: a pale casing with a white core, the way road maps draw them.
  QPainterPath streets;
  streets.moveTo(-10, 70);
  streets.cubicTo(120, 60, 200, 110, 320, 100);
  streets.cubicTo(430, 92, 520, 40, 650, 52);
  streets.moveTo(250, -10);
  streets.cubicTo(240, 80, 300, 160, 280, 270);
  streets.moveTo(-10, 236);
  streets.cubicTo(140, 220, 360, 250, 650, 226);
  streets.moveTo(470, -10);
  streets.cubicTo(450, 60, 400, 120, 380, 270);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kMapRoadCasing, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(streets);
  p.setPen(QPen(kMapRoad, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(streets);

  // The race route, dotted in a faint sunset pink, from the start in the
  // margin to the finish flag at the far side of the lake.
  const QPointF start(24, 238);
  const QPointF finish(524, 240);
  QPainterPath route(start);
  route.cubicTo(34, 160, 200, 160, 280, 104);
  route.cubicTo(330, 66, 420, 40, 446, 110);
  route.cubicTo(466, 170, 490, 236, finish.x(), finish.y());
  p.setPen(QPen(withAlpha(pal::kSkyMagenta, 34), 3, Qt::DotLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(route);
  for (const QPointF flag : {start, finish}) {
    p.setPen(QPen(withAlpha(pal::kInk, 70), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(flag, flag - QPointF(0, 22));
    for (int r = 0; r < 2; ++r) {
      for (int c = 0; c < 4; ++c) {
        p.fillRect(QRectF(flag.x() + 0.75 + c * 4, flag.y() - 22 + r * 4, 4, 4),
                   (r + c) % 2 ? withAlpha(pal::kInk, 60) : withAlpha(pal::kWhite, 230));
      }
    }
  }

  // A compass rose in the top corner.
  const QPointF rose(514, 21);
  p.setPen(QPen(withAlpha(pal::kInk, 40), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(rose, 11, 11);
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(rose);
    p.rotate(90.0 * i);
    QPolygonF point({QPointF(0, -16), QPointF(3.2, -3.2), QPointF(0, 0), QPointF(-3.2, -3.2)});
    p.setPen(Qt::NoPen);
    p.setBrush(i == 0 ? withAlpha(pal::kSkyMagenta, 70) : withAlpha(pal::kInk, 34));
    p.drawPolygon(point);
    p.restore();
  }

  // A little car waiting at the start, printed pale like the rest of the map.
  p.save();
  p.setOpacity(0.45);
  p.translate(24, 186);
  p.rotate(-10);
  drawCarTopDown(p, QRectF(-10, -17, 20, 34), pal::kCarRed, pal::kWhite, 1.2);
  p.restore();

  // Tyre tracks sweeping across the sheet: rows of faint tread blocks.
  Dice dice(3301);
  QPainterPath sweep(QPointF(-20, 200));
  sweep.cubicTo(160, 250, 300, 130, 660, 110);
  for (double side : {-7.0, 7.0}) {
    for (double t = 0.0; t < 1.0; t += 0.006) {
      const QPointF at = sweep.pointAtPercent(t);
      const double angle = sweep.angleAtPercent(t) * std::numbers::pi / 180.0;
      const QPointF normal(std::sin(angle), std::cos(angle));
      p.save();
      p.translate(at + normal * side);
      p.rotate(-sweep.angleAtPercent(t));
      p.setPen(Qt::NoPen);
      p.setBrush(withAlpha(kTread, 7 + dice.below(4)));
      p.drawRect(QRectF(-1.2, -2.5, 2.4, 5));
      p.restore();
    }
  }
}

void paintRoad(QPainter& p) {
  // The asphalt starts well above the road proper so it runs under the
  // paper's wavy edge without a gap.
  p.fillRect(
      QRectF(0, kPaperEdge - 20, 640, 480 - kPaperEdge + 20),
      gradient({0, kRoadTop}, {0, 360}, {{0.0, pal::kAsphaltDark}, {1.0, pal::kAsphaltDeep}}));
  Dice dice(808);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 900; ++i) {
    const QPointF at(dice.uniform(0, 640), dice.uniform(kRoadTop, 480));
    const bool light = dice.below(2) == 0;
    p.setBrush(light ? kGritLight : kGritDark);
    p.drawEllipse(at, 0.7, 0.7);
  }

  // Kerb blocks along the top of the road, then the edge line.
  const double kerbTop = kRoadTop + 2;
  const double kerbH = 8;
  for (int i = -1; i < 34; ++i) {
    const double x = i * 20.0;
    QPolygonF block({QPointF(x, kerbTop + kerbH), QPointF(x + 4, kerbTop), QPointF(x + 24, kerbTop),
                     QPointF(x + 20, kerbTop + kerbH)});
    p.setBrush(i % 2 ? pal::kWhite.darker(108) : pal::kKerbRed.darker(112));
    p.drawPolygon(block);
  }
  p.setBrush(withAlpha(pal::kWhite, 225));
  p.drawRect(QRectF(0, kerbTop + kerbH + 3, 640, 2));

  // Teal lane dashes along the bottom.
  p.setBrush(withAlpha(pal::kTeal, 200));
  for (double x = 8; x < 640; x += 44) p.drawRoundedRect(QRectF(x, 341, 24, 3), 1.5, 1.5);
}

// The red player's keys are printed on a strip of black tape across the map:
// red letters only read on a dark ground. The strip runs from the little car
// at the start to the sheet's far edge, under the whole line in any language.
void paintRedPlayersTape(QPainter& p) {
  const QRectF tape(40, 179, 620, 26);
  p.setPen(Qt::NoPen);
  p.setBrush(kTapeShadow);
  p.drawRoundedRect(tape.translated(0, 1.5), 5, 5);
  p.setBrush(kTape);
  p.drawRoundedRect(tape, 5, 5);
  // A red edge at the start, the player's colour.
  p.setBrush(pal::kCarRed);
  p.drawRoundedRect(QRectF(tape.left(), tape.top(), 4, tape.height()), 2, 2);
}

void paintSheet(QPainter& p) {
  // The paper's lower edge curls gently and throws a soft shadow on the road.
  QPainterPath rim(QPointF(0, kPaperEdge - 3));
  rim.cubicTo(150, kPaperEdge + 6, 320, kPaperEdge - 6, 460, kPaperEdge + 1);
  rim.cubicTo(540, kPaperEdge + 5, 600, kPaperEdge - 1, 640, kPaperEdge - 4);
  QPainterPath sheet(rim);
  sheet.lineTo(640, 0);
  sheet.lineTo(0, 0);
  sheet.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kSheetShadow);
  for (int i = 4; i >= 1; --i) p.drawPath(sheet.translated(0, i * 1.2));

  p.save();
  p.setClipPath(sheet);
  paintMap(p);
  paintRedPlayersTape(p);
  // A teal band printed along the foot of the sheet.
  p.setPen(QPen(withAlpha(pal::kTeal, 150), 2.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(rim.translated(0, -4));
  p.restore();

  p.setPen(QPen(pal::kInk, kOutline));
  p.setBrush(Qt::NoBrush);
  p.drawPath(rim);
}

}  // namespace

void paintHelp(QPainter& p) {
  p.save();
  paintRoad(p);
  paintSheet(p);
  p.restore();
}

}  // namespace art
