// The photo mount every scene shares, and the touches more than one scene
// uses: glows and twinkles of light, the Vantor chevron and the crew.
//
// The title window shows each picture unscaled from its top-left corner. The
// picture is a photo mounted on paper: the paper runs round it and to the
// window's edge, and the band of paper below holds the story box and the
// links as the title's panel does. The menu buttons sit on the photo's
// foot, so every scene keeps its story in the top two hundred pixels and
// its calmer ground below.

#include <QRadialGradient>
#include <algorithm>
#include <string>
#include <utility>

#include "art.h"
#include "scenes.h"
#include "style.h"

namespace art {
namespace scene {
namespace {

// The shadow under the photo, and the crew's gloves and skin.
const QColor kPrintShadow = withAlpha(0x3c3050, 60);
const QColor kGlove(0x2a2a36), kNeck(0xe6b894), kEar(0xf0c09c);

// The Vantor chevron: two arrowheads side by side, in units of its height
// from the centre of each.
constexpr QPointF kArrowhead[] = {{-0.3, -0.5}, {0.05, 0}, {-0.3, 0.5},
                                  {0.05, 0.5},  {0.4, 0},  {0.05, -0.5}};

}  // namespace

void glow(QPainter& p, QPointF c, double r, const QColor& colour, int alpha) {
  QRadialGradient g(c, r);
  g.setColorAt(0, withAlpha(colour, alpha));
  g.setColorAt(0.4, withAlpha(colour, alpha / 3));
  g.setColorAt(1, withAlpha(colour, 0));
  fill(p, circle(c, r), g);
}

void twinkle(QPainter& p, QPointF c, double s, const QColor& colour) {
  fill(p, fourPointStar(c, s), colour);
}

QPainterPath vantorChevron(QPointF c, double s) {
  QPainterPath v;
  for (double dx : {-0.45, 0.35}) {
    QPolygonF head;
    for (const QPointF& q : kArrowhead) head << c + QPointF((dx + q.x()) * s, q.y() * s);
    v.addPolygon(head);
    v.closeSubpath();
  }
  return v;
}

void crewMember(QPainter& p, QPointF head, double s, double bottom, const QColor& shirt,
                const QColor& hair, QPointF leftHand, QPointF rightHand, bool cap) {
  const double shoulderY = head.y() + s * 1.6;
  const QPointF leftShoulder(head.x() - s * 2.3, shoulderY + s * 0.5);
  const QPointF rightShoulder(head.x() + s * 2.3, shoulderY + s * 0.5);
  for (const auto& [from, to] :
       {std::pair{leftShoulder, leftHand}, std::pair{rightShoulder, rightHand}}) {
    const QPainterPath arm =
        curve(from, (from + to) / 2 + QPointF((to.x() - from.x()) * 0.15, s * 0.3), to);
    stroke(p, arm, QPen(pal::kInk, s * 1.05 + 2 * kOutline, Qt::SolidLine, Qt::RoundCap));
    stroke(p, arm, QPen(shirt, s * 1.05, Qt::SolidLine, Qt::RoundCap));
    fillOutlined(p, circle(to, s * 0.55), kGlove, kOutline);
  }
  QPainterPath torso(QPointF(head.x() - s * 0.8, shoulderY - s * 0.3));
  torso.cubicTo(head.x() - s * 2.0, shoulderY - s * 0.3, head.x() - s * 2.9, shoulderY + s * 0.1,
                head.x() - s * 2.9, shoulderY + s * 1.5);
  torso.cubicTo(head.x() - s * 2.8, shoulderY + s * 4, head.x() - s * 2.4, bottom - s,
                head.x() - s * 2.5, bottom + 4);
  torso.lineTo(head.x() + s * 2.5, bottom + 4);
  torso.cubicTo(head.x() + s * 2.4, bottom - s, head.x() + s * 2.8, shoulderY + s * 4,
                head.x() + s * 2.9, shoulderY + s * 1.5);
  torso.cubicTo(head.x() + s * 2.9, shoulderY + s * 0.1, head.x() + s * 2.0, shoulderY - s * 0.3,
                head.x() + s * 0.8, shoulderY - s * 0.3);
  torso.closeSubpath();
  fillOutlined(p, torso,
               gradient({head.x() - s * 3, 0}, {head.x() + s * 3, 0},
                        {{0.0, shirt.darker(130)}, {0.5, shirt}, {1.0, shirt.darker(115)}}),
               kOutline);
  // Creases where the arms lift the shirt.
  for (double side : {-1.0, 1.0}) {
    stroke(p,
           curve(QPointF(head.x() + side * s * 2.6, shoulderY + s * 1.2),
                 QPointF(head.x() + side * s * 1.8, shoulderY + s * 2.4),
                 QPointF(head.x() + side * s * 1.6, shoulderY + s * 3.6)),
           QPen(withAlpha(shirt.darker(160), 180), 1.0, Qt::SolidLine, Qt::RoundCap));
  }
  // The team chevron across the shoulders.
  fill(p, vantorChevron(QPointF(head.x(), shoulderY + s * 2.2), s * 1.6),
       withAlpha(shirt == pal::kWhite ? pal::kCarRed : pal::kWhite, 230));
  fillOutlined(p, rect(head.x() - s * 0.45, head.y() + s * 0.6, s * 0.9, s * 0.9), kNeck,
               kOutline * 0.8);
  for (double side : {-1.0, 1.0}) {
    fillOutlined(p, ellipse(head + QPointF(side * s * 0.95, s * 0.1), s * 0.22, s * 0.32), kEar,
                 kOutline * 0.7);
  }
  fillOutlined(
      p, circle(head, s),
      gradient(head - QPointF(0, s), head + QPointF(0, s), {{0.0, hair.lighter(130)}, {1.0, hair}}),
      kOutline);
  if (cap) {
    QPainterPath crown;
    crown.addEllipse(head - QPointF(0, s * 0.25), s * 1.02, s * 0.8);
    crown = crown.intersected(rect(head.x() - 2 * s, head.y() - 2 * s, 4 * s, s * 2.1));
    fillOutlined(p, crown, pal::kCarRed, kOutline);
    fill(p, ellipse(head + QPointF(0, s * 0.02), s * 0.3, s * 0.12), pal::kWhite);
  }
}

namespace {

// Where the photo sits on the paper. The paper shows all round it, a little
// wider than the widest gap a scene leaves at the window's edge (19 pixels);
// the band below holds the story.
QRectF scenePhoto() {
  const double margin = 22;
  const QRectF window(QPointF(0, 0), titleWindow());
  return QRectF(margin, margin, window.width() - 2 * margin, storyPanel().top() - 4 - margin);
}

void paintBareScene(QPainter& p, int stage) {
  switch (stage) {
    case 1:
      paintCountryside(p);
      break;
    case 2:
      paintCoast(p);
      break;
    case 3:
      paintCity(p);
      break;
    case 4:
      paintMountain(p);
      break;
    default:
      paintPodium(p);
      break;
  }
}

}  // namespace
}  // namespace scene

void paintScene(QPainter& p, int stage) {
  p.save();
  // Paper to the picture's edges, where it meets the window's own.
  p.fillRect(QRectF(0, 0, 640, 480), storyPaper());

  const QRectF photo = scene::scenePhoto();
  const QPainterPath print = roundedRect(photo, 5);
  fill(p, print.translated(0, 2.5), scene::kPrintShadow);
  fill(p, print.translated(0, 1), scene::kPrintShadow);

  p.save();
  p.setClipPath(print);
  p.fillRect(photo, pal::kAsphaltDeep);
  // The scene as the window would show it bare, from its left edge to the
  // window's right, shrunk to fit the photo.
  const double shown =
      std::min<double>(nativeSize("scene-" + std::to_string(std::clamp(stage, 1, 5))).width(),
                       titleWindow().width());
  const double scale = photo.width() / shown;
  p.save();
  p.translate(photo.topLeft());
  p.scale(scale, scale);
  scene::paintBareScene(p, stage);
  p.restore();
  // The sunset stripe of the title's panel, along the foot of the photo.
  const QRectF stripe(photo.left(), photo.bottom() - 4, photo.width(), 4);
  p.fillRect(stripe,
             gradient(stripe.topLeft(), stripe.topRight(),
                      {{0.0, pal::kSkyMagenta}, {0.5, pal::kSkyOrange}, {1.0, pal::kSkyGold}}));
  p.restore();
  stroke(p, print, art::ink());
  p.restore();
}

}  // namespace art
