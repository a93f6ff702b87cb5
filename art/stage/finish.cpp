// The finish banner of the stage races: chequers painted right across the
// road, four rows deep, with "FINISH" on a red board in the middle.

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <span>
#include <string_view>

#include "stage/road_paint.h"
#include "style.h"

namespace art {
namespace {

constexpr double kW = 265;
constexpr double kH = 51;

const QColor kBoardShadow = shadowTint(90);
const QColor kWordShadow = shadowTint(110);

// The banner's letters, built from strokes so no font is involved. Each is
// drawn in a 10 x 18 box from its top-left corner; a stroke is a polyline.
constexpr QPointF kF1[] = {{1, 18}, {1, 1}, {9.5, 1}};
constexpr QPointF kF2[] = {{1, 9}, {7.5, 9}};
constexpr QPointF kI[] = {{3, 1}, {3, 17}};
constexpr QPointF kN[] = {{1, 17}, {1, 1}, {9, 17}, {9, 1}};
constexpr QPointF kH1[] = {{1, 1}, {1, 17}};
constexpr QPointF kH2[] = {{9, 1}, {9, 17}};
constexpr QPointF kH3[] = {{1, 9}, {9, 9}};

using Stroke = std::span<const QPointF>;

void addStrokes(QPainterPath& s, QPointF at, std::initializer_list<Stroke> strokes) {
  for (Stroke stroke : strokes) {
    s.moveTo(at + stroke.front());
    for (const QPointF& q : stroke.subspan(1)) s.lineTo(at + q);
  }
}

QPainterPath letter(char c, QPointF at) {
  QPainterPath s;
  auto P = [&](double x, double y) { return at + QPointF(x, y); };
  switch (c) {
    case 'F':
      addStrokes(s, at, {kF1, kF2});
      break;
    case 'I':
      addStrokes(s, at, {kI});
      break;
    case 'N':
      addStrokes(s, at, {kN});
      break;
    case 'S':
      s.moveTo(P(9, 3));
      s.cubicTo(P(7.5, 0.5), P(1, 0.2), P(1, 4.8));
      s.cubicTo(P(1, 9), P(9.2, 8), P(9.2, 12.8));
      s.cubicTo(P(9.2, 17.6), P(2, 17.6), P(0.8, 14.8));
      break;
    case 'H':
      addStrokes(s, at, {kH1, kH2, kH3});
      break;
    default:
      break;
  }
  return s;
}

QPainterPath finishWord(QPointF origin) {
  QPainterPath word;
  double x = origin.x();
  for (char c : std::string_view("FINISH")) {
    word.addPath(letter(c, QPointF(x, origin.y())));
    x += c == 'I' ? 9 : 15;
  }
  QPainterPathStroker stroker;
  stroker.setWidth(3.6);
  stroker.setCapStyle(Qt::SquareCap);
  stroker.setJoinStyle(Qt::BevelJoin);
  QPainterPath solid = stroker.createStroke(word).simplified();
  // A forward lean, for speed.
  QTransform lean;
  lean.translate(0, origin.y() + 9);
  lean.shear(-0.22, 0);
  lean.translate(0, -(origin.y() + 9));
  return lean.map(solid);
}

// The word on a red board in the middle, with a gold rim.
void board(QPainter& p) {
  const QRectF board(kW / 2 - 62, 8, 124, 35);
  const QPainterPath plate = roundedRect(board, 6);
  p.setBrush(kBoardShadow);
  p.drawPath(plate.translated(1.5, 2));
  fillOutlined(p, plate,
               gradient(board.topLeft(), board.bottomLeft(),
                        {{0.0, pal::kKerbRed.lighter(112)}, {1.0, pal::kKerbRed.darker(130)}}),
               kOutline);
  p.setPen(QPen(withAlpha(pal::kSkyGold, 230), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(board.adjusted(3, 3, -3, -3), 4, 4);
  const QPainterPath word = finishWord(QPointF(kW / 2 - 38, 16.5));
  p.setPen(Qt::NoPen);
  p.setBrush(kWordShadow);
  p.drawPath(word.translated(1.2, 1.4));
  fillOutlined(p, word, pal::kWhite, 1.0);
}

}  // namespace

void paintFinishBanner(QPainter& p) {
  antialiased(p, [&] {
    const double cell = kH / 4;
    p.fillRect(QRectF(0, 0, kW, kH), pal::kWhite);
    road::chequers(p, kW, 0, cell, 4, 1);
    // Scuffed by tyres along the wheel tracks.
    p.setPen(Qt::NoPen);
    road::tyreScuffs(p, {34.0, 76.0, 110.0, 152.0, 186.0, 228.0}, 6, kH);
    board(p);
    road::inkEdges(p, kW, kH);
  });
}

}  // namespace art
