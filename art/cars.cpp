// The cars of the stage races, seen from straight above with the nose
// pointing up: the player's car, three rivals, the slow delivery van and the
// Ultrapex, the pro car lent to the player for the last two stages.
//
// Every sprite is 24 x 34 native pixels but the game shows it about two and a
// half times larger, so each one is drawn on a 60 x 85 grid (the size it is
// shown at) and scaled down. That keeps the ink lines at the house weight on
// screen. The rivals differ in shape as well as paint so a glance is enough
// to tell them apart: a closed-wheel prototype, a boxy rally hatch and an
// open-wheel single-seater.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <vector>

#include "style.h"

namespace art {
namespace {

// The design grid: 60 x 85 units map onto the 24 x 34 native pixels.
constexpr double kGrid = 2.5;
constexpr double kMid = 30;  // the car's centre line on the grid

struct Curve {
  QPointF c1, c2, end;
};

QPointF mirrored(QPointF q) { return {2 * kMid - q.x(), q.y()}; }

// A body outline that is symmetric about the centre line, built from its left
// half: curves that run from the middle of the nose round to the middle of
// the tail.
QPainterPath symmetric(QPointF nose, const std::vector<Curve>& left) {
  QPainterPath path(nose);
  for (const Curve& c : left) path.cubicTo(c.c1, c.c2, c.end);
  for (int i = static_cast<int>(left.size()) - 1; i >= 0; --i) {
    const QPointF start = i > 0 ? left[i - 1].end : nose;
    path.cubicTo(mirrored(left[i].c2), mirrored(left[i].c1), mirrored(start));
  }
  path.closeSubpath();
  return path;
}

// The same rectangle on both sides of the centre line.
QRectF mirrored(const QRectF& r) { return {2 * kMid - r.right(), r.top(), r.width(), r.height()}; }

// Paint that rounds over the body: dark flanks, a bright crown left of centre.
QLinearGradient paintwork(const QColor& body, double left, double right) {
  return gradient({left, 0}, {right, 0},
                  {{0.0, body.darker(140)},
                   {0.2, body},
                   {0.42, body.lighter(118)},
                   {0.78, body},
                   {1.0, body.darker(155)}});
}

// Sunlight from the top of the screen: a touch brighter at the nose.
void topLight(QPainter& p, const QPainterPath& body, double top, double bottom) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, top}, {0, bottom},
                      {{0.0, QColor(255, 255, 255, 40)},
                       {0.45, QColor(255, 255, 255, 0)},
                       {1.0, QColor(0, 0, 0, 45)}}));
  p.drawPath(body);
  p.restore();
}

void dropShadow(QPainter& p, const QPainterPath& body) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 8, 20, 70));
  p.drawPath(body.translated(2.4, 2.2));
  p.restore();
}

// A tyre, turned by `angle` degrees about its centre.
void tyre(QPainter& p, const QRectF& r, double angle = 0) {
  p.save();
  p.translate(r.center());
  p.rotate(angle);
  p.setPen(fineInk());
  p.setBrush(pal::kTyre);
  const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
  p.drawRoundedRect(local, 1.6, 1.6);
  // Tread blocks catching the light.
  p.setPen(QPen(QColor(255, 255, 255, 38), 0.8));
  for (double y = local.top() + 2.5; y < local.bottom() - 1.5; y += 2.6) {
    p.drawLine(QPointF(local.left() + 1.2, y), QPointF(local.right() - 1.2, y));
  }
  p.restore();
}

// Tinted glass with a sheen at its leading edge and a diagonal glint.
void glass(QPainter& p, const QPainterPath& shape, double top, double bottom, bool glint = true) {
  fillOutlined(p, shape,
               gradient({0, top}, {0, bottom},
                        {{0.0, pal::kGlassSheen}, {0.45, pal::kGlass}, {1.0, pal::kGlass}}),
               kOutline * 0.8);
  if (!glint) return;
  const QRectF b = shape.boundingRect();
  QPainterPath shine;
  shine.moveTo(b.left() + b.width() * 0.18, b.top() + b.height() * 0.42);
  shine.lineTo(b.left() + b.width() * 0.42, b.top() + b.height() * 0.1);
  shine.lineTo(b.left() + b.width() * 0.56, b.top() + b.height() * 0.1);
  shine.lineTo(b.left() + b.width() * 0.28, b.top() + b.height() * 0.48);
  shine.closeSubpath();
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawPath(shine);
  p.restore();
}

// Race numbers are painted strokes, not type.
void paintNumber(QPainter& p, int digit, const QPointF& centre, double h, const QColor& color) {
  const double w = h * 0.62;
  auto at = [&](double u, double v) {
    return QPointF(centre.x() + (u - 0.5) * w, centre.y() + (v - 0.5) * h);
  };
  QPainterPath stroke;
  switch (digit) {
    case 4:
      stroke.moveTo(at(0.7, 1.0));
      stroke.lineTo(at(0.7, 0.0));
      stroke.lineTo(at(0.0, 0.66));
      stroke.lineTo(at(1.0, 0.66));
      break;
    case 7:
      stroke.moveTo(at(0.0, 0.0));
      stroke.lineTo(at(1.0, 0.0));
      stroke.lineTo(at(0.35, 1.0));
      break;
    default:  // 1
      stroke.moveTo(at(0.25, 0.2));
      stroke.lineTo(at(0.6, 0.0));
      stroke.lineTo(at(0.6, 1.0));
      break;
  }
  p.save();
  p.setPen(QPen(color, h * 0.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stroke);
  p.restore();
}

// Runs `draw` on the 60 x 85 design grid.
template <typename Draw>
void onGrid(QPainter& p, Draw draw) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(1.0 / kGrid, 1.0 / kGrid);
  draw();
  p.restore();
}

// --- The rivals ---------------------------------------------------------------------------------

// Rival one: a blue closed-wheel prototype, long and low, with a white arrow
// over the nose and a roundel on the engine cover.
void paintPrototype(QPainter& p) {
  const QColor body = pal::kCarBlue;
  const QPainterPath shell = symmetric({kMid, 3}, {
                                                      {{25, 3}, {21, 3.5}, {18.5, 5.5}},
                                                      {{13, 8.5}, {8, 11}, {8, 18}},
                                                      {{8, 22}, {8, 26}, {8.5, 29}},
                                                      {{9.5, 33}, {14, 33}, {14, 38}},
                                                      {{14, 43}, {14, 46}, {14, 50}},
                                                      {{14, 54}, {7, 53}, {7, 60}},
                                                      {{7, 66}, {7, 72}, {8.5, 77}},
                                                      {{10, 81.5}, {18, 82}, {kMid, 82}},
                                                  });
  dropShadow(p, shell);
  for (const QRectF& r : {QRectF(6, 15, 6, 14), QRectF(5, 58, 7, 16)}) {
    tyre(p, r);
    tyre(p, mirrored(r));
  }
  fillOutlined(p, shell, paintwork(body, 7, 53), 0);
  topLight(p, shell, 3, 82);

  p.save();
  p.setClipPath(shell, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // The white arrow over the nose, pointing the way.
  p.setBrush(pal::kWhite);
  p.drawPolygon(QPolygonF({{kMid, 6}, {47, 21}, {47, 27}, {kMid, 14}, {13, 27}, {13, 21}}));
  // Dark side intakes behind the front wheels.
  p.setBrush(body.darker(260));
  p.drawRoundedRect(QRectF(15.5, 38, 3, 12), 1.5, 1.5);
  p.drawRoundedRect(mirrored(QRectF(15.5, 38, 3, 12)), 1.5, 1.5);
  p.restore();

  // Headlights in the tips of the front wings.
  p.setPen(fineInk());
  p.setBrush(pal::kHeadlight);
  p.drawEllipse(QRectF(11, 10, 5.5, 3.5));
  p.drawEllipse(mirrored(QRectF(11, 10, 5.5, 3.5)));
  stroke(p, shell);

  QPainterPath canopy(QPointF(kMid, 28));
  canopy.cubicTo(39, 28, 40, 34, 39.5, 40);
  canopy.cubicTo(39, 47, 35, 52, kMid, 53);
  canopy.cubicTo(25, 52, 21, 47, 20.5, 40);
  canopy.cubicTo(20, 34, 21, 28, kMid, 28);
  glass(p, canopy, 28, 53);

  // The roundel on the engine cover, with the car's number.
  p.setPen(fineInk());
  p.setBrush(pal::kWhite);
  p.drawEllipse(QPointF(kMid, 65), 6.5, 6.5);
  paintNumber(p, 7, {kMid, 65}, 7.5, pal::kInk);

  // The rear wing, dark, on blue end plates.
  QPainterPath wing;
  wing.addRoundedRect(QRectF(9, 75.5, 42, 6.5), 2, 2);
  fillOutlined(p, wing,
               gradient({0, 75.5}, {0, 82}, {{0, QColor(0x3a, 0x3f, 0x5a)}, {1, pal::kInk}}),
               kOutline);
  p.setPen(fineInk());
  p.setBrush(body);
  p.drawRoundedRect(QRectF(8, 74, 4, 9), 1, 1);
  p.drawRoundedRect(mirrored(QRectF(8, 74, 4, 9)), 1, 1);
}

// Rival two: a violet rally hatch, square-shouldered, with a black bonnet,
// a pod of spotlights and flared arches.
void paintRallyHatch(QPainter& p) {
  const QColor body = pal::kCarPurple;
  const QColor matte(0x26, 0x25, 0x2f);
  const QPainterPath shell = symmetric({kMid, 4.5}, {
                                                        {{22, 4.5}, {16, 4.5}, {13, 6.5}},
                                                        {{10, 8}, {9, 10}, {9, 14}},
                                                        {{9, 35}, {9, 55}, {9, 76}},
                                                        {{9, 79.5}, {11, 81.5}, {15, 81.5}},
                                                        {{20, 81.5}, {25, 81.5}, {kMid, 81.5}},
                                                    });
  // Flared arches stand out from the flanks.
  QPainterPath arches;
  arches.setFillRule(Qt::WindingFill);
  for (const QRectF& r : {QRectF(6, 11, 7, 19), QRectF(6, 55, 7, 20)}) {
    arches.addRoundedRect(r, 3, 3);
    arches.addRoundedRect(mirrored(r), 3, 3);
  }
  dropShadow(p, shell.united(arches));
  for (const QRectF& r : {QRectF(5, 13, 5, 15), QRectF(5, 57, 5, 16)}) {
    tyre(p, r);
    tyre(p, mirrored(r));
  }
  fillOutlined(p, arches.simplified(), matte, kOutline * 0.8);
  fillOutlined(p, shell, paintwork(body, 9, 51), 0);
  topLight(p, shell, 4.5, 81.5);

  p.save();
  p.setClipPath(shell, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // Matte black bonnet with two vents.
  QPainterPath bonnet(QPointF(13, 4));
  bonnet.lineTo(47, 4);
  bonnet.lineTo(45.5, 24);
  bonnet.lineTo(14.5, 24);
  bonnet.closeSubpath();
  p.setBrush(matte);
  p.drawPath(bonnet);
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawRoundedRect(QRectF(19, 14, 8, 2.2), 1, 1);
  p.drawRoundedRect(QRectF(33, 14, 8, 2.2), 1, 1);
  // A black band down the flanks ties bonnet and tail together.
  p.setBrush(matte);
  p.drawRect(QRectF(8, 30, 3.2, 25));
  p.drawRect(mirrored(QRectF(8, 30, 3.2, 25)));
  p.restore();
  stroke(p, shell);

  // Spotlights across the nose.
  p.setPen(fineInk());
  for (double x : {18.5, 25.5, 34.5, 41.5}) {
    QRadialGradient lamp(QPointF(x - 0.6, 8.3), 2.6);
    lamp.setColorAt(0, QColor(255, 255, 255));
    lamp.setColorAt(1, pal::kHeadlight);
    p.setBrush(lamp);
    p.drawEllipse(QPointF(x, 9), 2.6, 2.6);
  }

  // Windscreen, roof with its scoop and number board, rear window.
  QPainterPath screen(QPointF(13, 25));
  screen.lineTo(47, 25);
  screen.lineTo(44, 34);
  screen.lineTo(16, 34);
  screen.closeSubpath();
  glass(p, screen, 25, 34);
  QPainterPath roof;
  roof.addRoundedRect(QRectF(15.5, 34, 29, 27), 2.5, 2.5);
  fillOutlined(p, roof, paintwork(body.lighter(106), 15.5, 44.5), kOutline * 0.6);
  p.setPen(fineInk());
  p.setBrush(matte);
  p.drawRoundedRect(QRectF(25.5, 35.5, 9, 4), 1.2, 1.2);
  p.setBrush(pal::kWhite);
  p.drawRoundedRect(QRectF(22.5, 42, 15, 14), 2, 2);
  paintNumber(p, 4, {kMid, 49}, 9, pal::kInk);
  QPainterPath rear(QPointF(16, 62));
  rear.lineTo(44, 62);
  rear.lineTo(45.5, 70);
  rear.lineTo(14.5, 70);
  rear.closeSubpath();
  glass(p, rear, 62, 70, false);
  // Roof spoiler and tail lights.
  p.setPen(fineInk());
  p.setBrush(matte);
  p.drawRoundedRect(QRectF(14, 59.5, 32, 3.5), 1.2, 1.2);
  p.setBrush(pal::kTailLight);
  p.drawRoundedRect(QRectF(11.5, 77.5, 6, 3), 1, 1);
  p.drawRoundedRect(mirrored(QRectF(11.5, 77.5, 6, 3)), 1, 1);
  // Wing mirrors.
  p.setBrush(body);
  p.drawEllipse(QRectF(5.5, 26, 5, 3.5));
  p.drawEllipse(mirrored(QRectF(5.5, 26, 5, 3.5)));
}

// Rival three: a green open-wheel single-seater: a needle nose between bare
// wheels, wide wings front and back, the driver's helmet in the cockpit.
void paintSingleSeater(QPainter& p) {
  const QColor body = pal::kCarGreen;
  const QColor accent(0x34, 0x36, 0x48);  // carbon wings and engine band
  const QPainterPath chassis = symmetric({kMid, 2.5}, {
                                                          {{28, 2.5}, {26.5, 4}, {26, 8}},
                                                          {{25.5, 14}, {25, 22}, {24, 29}},
                                                          {{21, 31}, {16, 33}, {15.5, 38}},
                                                          {{15, 46}, {15, 52}, {16, 58}},
                                                          {{17, 64}, {22, 68}, {24, 74}},
                                                          {{25, 77}, {27.5, 78}, {kMid, 78}},
                                                      });
  QPainterPath frontWing;
  frontWing.addRoundedRect(QRectF(6.5, 4.5, 47, 6.5), 2, 2);
  QPainterPath rearWing;
  rearWing.addRoundedRect(QRectF(12, 76, 36, 7), 2, 2);
  dropShadow(p, chassis.united(frontWing).united(rearWing));

  // Suspension arms out to the bare wheels.
  p.setPen(QPen(pal::kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (double side : {-1.0, 1.0}) {
    p.drawLine(QPointF(kMid + side * 4, 17), QPointF(kMid + side * 18, 20));
    p.drawLine(QPointF(kMid + side * 4, 24), QPointF(kMid + side * 18, 22));
    p.drawLine(QPointF(kMid + side * 13, 60), QPointF(kMid + side * 20, 64));
    p.drawLine(QPointF(kMid + side * 12, 68), QPointF(kMid + side * 20, 67));
  }
  for (const QRectF& r : {QRectF(5.5, 13, 9, 16), QRectF(3, 56, 11.5, 20)}) {
    tyre(p, r);
    tyre(p, mirrored(r));
  }

  fillOutlined(p, frontWing,
               gradient({0, 4.5}, {0, 11}, {{0, accent.lighter(125)}, {1, accent.darker(120)}}),
               kOutline);
  p.setPen(QPen(pal::kWhite, 1.2));
  p.drawLine(QPointF(9, 8.8), QPointF(51, 8.8));

  fillOutlined(p, chassis, paintwork(body, 15, 45), 0);
  topLight(p, chassis, 2.5, 78);
  p.save();
  p.setClipPath(chassis, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // A white flash along the nose and a carbon band over the engine cover.
  p.setBrush(pal::kWhite);
  p.drawRect(QRectF(28.2, 0, 3.6, 30));
  p.setBrush(accent);
  p.drawRect(QRectF(14, 54, 32, 5));
  // Side pod inlets.
  p.setBrush(body.darker(240));
  p.drawRoundedRect(QRectF(16.5, 33.5, 5, 3), 1.2, 1.2);
  p.drawRoundedRect(mirrored(QRectF(16.5, 33.5, 5, 3)), 1.2, 1.2);
  p.restore();
  stroke(p, chassis);

  // Cockpit and the driver's helmet.
  QPainterPath cockpit;
  cockpit.addRoundedRect(QRectF(24.5, 33, 11, 17), 5, 5);
  fillOutlined(p, cockpit, pal::kInk.lighter(140), kOutline * 0.8);
  QRadialGradient helmet(QPointF(28.8, 39.5), 5);
  helmet.setColorAt(0, pal::kWhite);
  helmet.setColorAt(1, pal::kCarYellow);
  p.setPen(fineInk());
  p.setBrush(helmet);
  p.drawEllipse(QPointF(kMid, 41), 4.2, 4.6);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kGlass);
  p.drawRoundedRect(QRectF(26.8, 37, 6.4, 2.2), 1, 1);
  // Air box behind the driver.
  p.setPen(fineInk());
  p.setBrush(body.darker(115));
  p.drawRoundedRect(QRectF(27, 50.5, 6, 8), 2, 2);

  fillOutlined(p, rearWing,
               gradient({0, 76}, {0, 83}, {{0, accent.lighter(125)}, {1, accent.darker(125)}}),
               kOutline);
  p.setPen(QPen(pal::kWhite, 1.2));
  p.drawLine(QPointF(15, 79.5), QPointF(45, 79.5));
}

// --- The slow van -------------------------------------------------------------------------------

// A small delivery van: a teal cab with amber roof beacons in front of a
// tall white box with a painted arrow on its roof.
void paintVan(QPainter& p) {
  const QColor cab = mix(pal::kTeal, pal::kTealDark, 0.35);
  const QColor box = pal::kPaper;
  const QPainterPath shell = symmetric({kMid, 2}, {
                                                      {{21, 2}, {14, 2.3}, {11, 4.5}},
                                                      {{9, 6.5}, {8.5, 9}, {8.5, 13}},
                                                      {{8.5, 40}, {8.5, 60}, {8.5, 80}},
                                                      {{8.5, 82}, {9.5, 83}, {12, 83}},
                                                      {{20, 83}, {25, 83}, {kMid, 83}},
                                                  });
  dropShadow(p, shell);
  for (const QRectF& r : {QRectF(6.5, 9, 4.5, 12), QRectF(6.5, 64, 4.5, 13)}) {
    tyre(p, r);
    tyre(p, mirrored(r));
  }
  // Wing mirrors on stalks.
  p.setPen(fineInk());
  p.setBrush(cab);
  p.drawRoundedRect(QRectF(3.5, 15, 5.5, 4), 1.2, 1.2);
  p.drawRoundedRect(mirrored(QRectF(3.5, 15, 5.5, 4)), 1.2, 1.2);

  fillOutlined(p, shell, paintwork(cab, 8.5, 51.5), 0);
  p.save();
  p.setClipPath(shell, Qt::IntersectClip);
  // The cargo box, with stiffening ribs across its roof.
  const QRectF cargo(7, 25, 46, 60);
  p.fillRect(
      cargo,
      gradient(
          {8.5, 0}, {51.5, 0},
          {{0.0, box.darker(118)}, {0.3, box}, {0.75, box.darker(104)}, {1.0, box.darker(125)}}));
  p.setPen(QPen(QColor(0x1c, 0x17, 0x30, 40), 1.0));
  for (double y = 31; y < 82; y += 6.5) p.drawLine(QPointF(9, y), QPointF(51, y));
  // The firm's arrow, pointing the way.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kSkyOrange);
  p.drawPolygon(QPolygonF({{kMid, 40}, {44, 54}, {44, 61}, {kMid, 47}, {16, 61}, {16, 54}}));
  p.setBrush(cab);
  p.drawRect(QRectF(7, 73, 46, 4));
  p.restore();
  topLight(p, shell, 2, 83);
  stroke(p, shell);
  p.setPen(fineInk());
  p.drawLine(QPointF(8.5, 25), QPointF(51.5, 25));

  // Windscreen wrapping round the cab front, and the cab roof.
  QPainterPath screen(QPointF(12, 8));
  screen.cubicTo(20, 6, 40, 6, 48, 8);
  screen.lineTo(48.5, 15);
  screen.cubicTo(40, 13.5, 20, 13.5, 11.5, 15);
  screen.closeSubpath();
  glass(p, screen, 6.5, 15);
  // Amber beacons on the cab roof: this one takes its time.
  for (double x : {16.0, 40.0}) {
    QRadialGradient beacon(QPointF(x + 2, 20), 6);
    beacon.setColorAt(0, withAlpha(pal::kSkyGold, 150));
    beacon.setColorAt(1, withAlpha(pal::kSkyOrange, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(beacon);
    p.drawEllipse(QPointF(x + 2, 20), 6, 6);
    p.setPen(fineInk());
    p.setBrush(pal::kSkyGold);
    p.drawRoundedRect(QRectF(x, 18, 4, 4), 1.2, 1.2);
  }
  // Headlights and tail lights.
  p.setBrush(pal::kHeadlight);
  p.drawRoundedRect(QRectF(11.5, 2.8, 6, 2.6), 1, 1);
  p.drawRoundedRect(mirrored(QRectF(11.5, 2.8, 6, 2.6)), 1, 1);
  p.setBrush(pal::kTailLight);
  p.drawRoundedRect(QRectF(9.5, 80.5, 4, 2.5), 0.8, 0.8);
  p.drawRoundedRect(mirrored(QRectF(9.5, 80.5, 4, 2.5)), 0.8, 0.8);
}

// --- The Ultrapex -------------------------------------------------------------------------------

const QColor kGold{0xf0, 0xb8, 0x3c};
const QColor kGoldLight{0xff, 0xe6, 0x9a};
const QColor kGoldDeep{0xa8, 0x6c, 0x14};
const QColor kJet{0x17, 0x16, 0x1f};

// How the pro car is posed.
enum class Pose { kStraight, kSteering, kFlatOut };

// The tail sits short of the sprite's bottom edge to leave room for tyre
// smoke and exhaust flames behind it.
constexpr double kProTail = 74;

QPainterPath proShell() {
  return symmetric({kMid, 2}, {
                                  {{26, 2}, {23.5, 2.6}, {21, 4}},
                                  {{15, 6}, {10, 10}, {9, 17}},
                                  {{8.5, 21}, {8.5, 24}, {9.5, 28}},
                                  {{11, 32}, {13, 35}, {13, 40}},
                                  {{13, 45}, {8, 46}, {8, 53}},
                                  {{8, 58}, {8, 62}, {9, 67}},
                                  {{10, 71}, {13, 73.5}, {19, 74}},
                                  {{23, 74.5}, {27, 74.5}, {kMid, kProTail}},
                              });
}

void paintUltrapex(QPainter& p, double steer) {
  const QPainterPath shell = proShell();
  dropShadow(p, shell);
  tyre(p, QRectF(6.5, 13, 6, 13), steer);
  tyre(p, mirrored(QRectF(6.5, 13, 6, 13)), steer);
  tyre(p, QRectF(5.5, 51, 7, 15));
  tyre(p, mirrored(QRectF(5.5, 51, 7, 15)));

  // Burnished gold, brightest along the crown of each wing.
  fillOutlined(p, shell,
               gradient({8, 0}, {52, 0},
                        {{0.0, kGoldDeep},
                         {0.16, kGold},
                         {0.3, kGoldLight},
                         {0.45, kGold},
                         {0.7, kGold},
                         {0.86, kGoldLight.darker(112)},
                         {1.0, kGoldDeep}}),
               0);
  topLight(p, shell, 2, kProTail);

  p.save();
  p.setClipPath(shell, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // A jet-black spine nose to tail, edged with white pinstripes.
  p.setBrush(pal::kWhite);
  p.drawRect(QRectF(24.2, 0, 11.6, 80));
  p.setBrush(kJet);
  p.drawRect(QRectF(25.6, 0, 8.8, 80));
  // Black splitter lip and ducktail.
  p.drawRect(QRectF(0, 0, 60, 3.6));
  QPainterPath duck(QPointF(8, 69));
  duck.cubicTo(20, 67, 40, 67, 52, 69);
  duck.lineTo(52, 80);
  duck.lineTo(8, 80);
  duck.closeSubpath();
  p.drawPath(duck);
  // Side blades sweeping into the intakes.
  for (double side : {-1.0, 1.0}) {
    QPainterPath blade(QPointF(kMid + side * 17, 36));
    blade.cubicTo(QPointF(kMid + side * 15, 41), QPointF(kMid + side * 15.5, 46),
                  QPointF(kMid + side * 20, 50));
    blade.lineTo(QPointF(kMid + side * 17.5, 50.5));
    blade.cubicTo(QPointF(kMid + side * 14, 46), QPointF(kMid + side * 13.5, 41),
                  QPointF(kMid + side * 15.5, 36));
    blade.closeSubpath();
    p.drawPath(blade);
  }
  p.restore();
  stroke(p, shell);

  // Headlights: thin slits swept back into the wings.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kWhite);
  for (double side : {-1.0, 1.0}) {
    QPainterPath slit(QPointF(kMid + side * 9, 5.2));
    slit.lineTo(QPointF(kMid + side * 18, 8));
    slit.lineTo(QPointF(kMid + side * 19.5, 11.5));
    slit.lineTo(QPointF(kMid + side * 16.5, 9.4));
    slit.closeSubpath();
    p.drawPath(slit);
  }

  // A low teardrop canopy of smoked glass, set well forward.
  QPainterPath canopy(QPointF(kMid, 21));
  canopy.cubicTo(35, 21, 39.5, 27, 39.5, 34);
  canopy.cubicTo(39.5, 41, 36.5, 48, kMid, 49.5);
  canopy.cubicTo(23.5, 48, 20.5, 41, 20.5, 34);
  canopy.cubicTo(20.5, 27, 25, 21, kMid, 21);
  fillOutlined(
      p, canopy,
      gradient({0, 21}, {0, 49.5},
               {{0.0, QColor(0x6a, 0x6f, 0x8a)}, {0.35, QColor(0x22, 0x22, 0x30)}, {1.0, kJet}}),
      kOutline * 0.8);
  QPainterPath glint(QPointF(22.5, 31));
  glint.lineTo(27.5, 24.5);
  glint.lineTo(31, 24.5);
  glint.lineTo(23.5, 33.5);
  glint.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawPath(glint);

  // Engine louvres behind the canopy.
  p.setPen(QPen(kGold.darker(110), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double y = 54; y < 66; y += 3) p.drawLine(QPointF(26.8, y), QPointF(33.2, y));

  // A light bar across the tail, and twin exhausts in the diffuser.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kTailLight);
  p.drawRoundedRect(QRectF(12, 70, 36, 1.6), 0.8, 0.8);
  p.setPen(fineInk());
  p.setBrush(QColor(0x8a, 0x8c, 0x98));
  p.drawEllipse(QPointF(25.5, kProTail - 0.5), 2.2, 1.6);
  p.drawEllipse(QPointF(34.5, kProTail - 0.5), 2.2, 1.6);
}

// Blue flames from the exhausts at full power.
void paintAfterburn(QPainter& p) {
  for (double x : {25.5, 34.5}) {
    const QPointF mouth(x, kProTail);
    QRadialGradient glow(mouth + QPointF(0, 4), 9);
    glow.setColorAt(0, QColor(0x7f, 0xd8, 0xff, 200));
    glow.setColorAt(1, QColor(0x2f, 0x7d, 0xff, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(mouth + QPointF(0, 4), 9, 9);
    QPainterPath flame(mouth + QPointF(-3.4, -1));
    flame.cubicTo(mouth + QPointF(-3.8, 4), mouth + QPointF(-1.2, 8), mouth + QPointF(0, 11));
    flame.cubicTo(mouth + QPointF(1.2, 8), mouth + QPointF(3.8, 4), mouth + QPointF(3.4, -1));
    flame.closeSubpath();
    p.setBrush(gradient(mouth, mouth + QPointF(0, 11),
                        {{0.0, QColor(255, 255, 255)},
                         {0.35, QColor(0x9b, 0xe8, 0xff)},
                         {1.0, QColor(0x2f, 0x7d, 0xff, 0)}}));
    p.drawPath(flame);
  }
}

// Speed streaks flying past the flanks.
void paintSpeedStreaks(QPainter& p) {
  struct Streak {
    double x, y, len, w;
  };
  const QColor ice(0xc8, 0xee, 0xff);
  for (const Streak& s :
       {Streak{5, 14, 56, 2.6}, Streak{2.2, 38, 44, 2}, Streak{55, 18, 54, 2.6},
        Streak{57.8, 42, 40, 2}, Streak{7, 58, 24, 1.6}, Streak{53, 60, 22, 1.6}}) {
    drawStreak(p, QPointF(s.x, s.y), QPointF(s.x, s.y + s.len), s.w, withAlpha(ice, 230));
  }
}

// Tyre smoke boiling off the rear wheels as the car slides.
void paintTyreSmoke(QPainter& p) {
  Dice dice(1417);
  p.setPen(Qt::NoPen);
  for (double x : {10.0, 50.0}) {
    for (int i = 0; i < 7; ++i) {
      const double t = i / 6.0;
      const QPointF c(x + 5 * t + dice.uniform(-1.5, 1.5), 66 + 14 * t);
      const double r = 3 + 3.5 * t;
      QRadialGradient puff(c, r);
      puff.setColorAt(0, QColor(238, 238, 244, static_cast<int>(150 - 70 * t)));
      puff.setColorAt(1, QColor(238, 238, 244, 0));
      p.setBrush(puff);
      p.drawEllipse(c, r, r);
    }
  }
}

void paintPro(QPainter& p, Pose pose) {
  onGrid(p, [&] {
    switch (pose) {
      case Pose::kStraight:
        paintUltrapex(p, 0);
        break;
      case Pose::kSteering: {
        // The tail steps out as the nose turns in: a slight yaw to the left,
        // front wheels on opposite lock, smoke from the rears.
        paintTyreSmoke(p);
        p.save();
        p.translate(kMid, 40);
        p.rotate(-8);
        p.translate(-kMid, -40);
        paintUltrapex(p, -22);
        p.restore();
        break;
      }
      case Pose::kFlatOut:
        paintSpeedStreaks(p);
        paintUltrapex(p, 0);
        paintAfterburn(p);
        break;
    }
  });
}

}  // namespace

void paintCarPlayer(QPainter& p) {
  onGrid(p, [&] { drawCarTopDown(p, QRectF(6, 2, 48, 80.5), pal::kCarRed, pal::kWhite); });
}

void paintCarRival1(QPainter& p) {
  onGrid(p, [&] { paintPrototype(p); });
}
void paintCarRival2(QPainter& p) {
  onGrid(p, [&] { paintRallyHatch(p); });
}
void paintCarRival3(QPainter& p) {
  onGrid(p, [&] { paintSingleSeater(p); });
}
void paintCarSlow(QPainter& p) {
  onGrid(p, [&] { paintVan(p); });
}

void paintCarProNormal(QPainter& p) { paintPro(p, Pose::kStraight); }
void paintCarProTurn(QPainter& p) { paintPro(p, Pose::kSteering); }
void paintCarProSpeed(QPainter& p) { paintPro(p, Pose::kFlatOut); }

}  // namespace art
