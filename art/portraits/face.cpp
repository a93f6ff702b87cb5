#include "portraits/face.h"

#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <algorithm>

#include "draw.h"

namespace art::portrait {
namespace {

// The face's own colours: the whites of the eyes, the pink of a blush and
// the inside of an open mouth.
constexpr QColor kEyeWhite{0xfb, 0xfa, 0xff};
constexpr QColor kBlush{0xff, 0x8a, 0x9a};
constexpr QColor kMouthInside{0x6a, 0x1c, 0x2c};
constexpr QColor kTongue{0xe0, 0x6a, 0x74};
constexpr QColor kTonguePink{0xf0, 0x78, 0x86};

constexpr double kNearEyeW = 11;
constexpr double kFarEyeW = 8;

QPen roundPen(const QColor& colour, double width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap);
}

}  // namespace

QPainterPath facePath(const Face& f) {
  const QPointF b = f.profile.brow, c = f.profile.cheek, chin = f.profile.chin, jaw = f.profile.jaw;
  const double eyeY = f.eyes.y;
  QPainterPath face(QPointF(29, 38));
  face.cubicTo(36, 25, 60, 22, 66, 34);
  face.cubicTo(QPointF(68, 38), QPointF(b.x() + 0.5, b.y() - 6), b);
  face.cubicTo(b.x() - 0.3, b.y() + 2.5, b.x() - 1.8, eyeY - 1, b.x() - 1.6, eyeY + 1.5);
  face.cubicTo(QPointF(b.x() - 1.2, eyeY + 3), QPointF(c.x(), c.y() - 3), c);
  face.cubicTo(QPointF(c.x() - 0.6, c.y() + 7), QPointF(chin.x() + 6, chin.y() - 3), chin);
  face.cubicTo(QPointF(chin.x() - 6, chin.y() + 1.5), QPointF(jaw.x() + 8, jaw.y() + 7), jaw);
  face.cubicTo(QPointF(jaw.x() - 4, jaw.y() - 6), QPointF(29, 52), QPointF(29, 38));
  face.closeSubpath();
  return face;
}

void paintNeck(QPainter& p, const Face& f) {
  const QPointF chin = f.profile.chin;
  const double top = f.profile.jaw.y() - 6;
  QPainterPath neck(QPointF(38, top));
  neck.lineTo(chin.x() - 2, chin.y() - 6);
  neck.cubicTo(QPointF(chin.x() - 1, 84), QPointF(60, 88), QPointF(61, 96));
  neck.lineTo(35, 96);
  neck.cubicTo(QPointF(37, 88), QPointF(38, 82), QPointF(38, top));
  neck.closeSubpath();
  fillOutlined(p, neck, f.skin.tone, kOutline);
  // The jaw throws a shadow down the throat.
  QPainterPath shadow = neck.intersected(facePath(f).translated(-2, 7));
  shadow = shadow.united(neck.intersected(rect(30, 60, 11, 40)));
  fill(p, shadow, f.skin.shade);
  stroke(p, neck, ink());
}

void paintEar(QPainter& p, const Face& f) {
  const QPointF at(33, 58);
  QPainterPath ear(at + QPointF(3, -6));
  ear.cubicTo(at + QPointF(-3, -10), at + QPointF(-6.5, -3), at + QPointF(-4.5, 2));
  ear.cubicTo(at + QPointF(-3.5, 6), at + QPointF(-0.5, 7.5), at + QPointF(3, 6));
  fillOutlined(p, ear, f.skin.tone, kOutline);
  QPainterPath inner(at + QPointF(0.5, -4));
  inner.cubicTo(at + QPointF(-3, -4.5), at + QPointF(-3.5, 0), at + QPointF(-1.5, 2));
  inner.cubicTo(at + QPointF(-0.5, 3.5), at + QPointF(0.5, 2), at + QPointF(0, 0.5));
  stroke(p, inner, roundPen(f.skin.shade.darker(125), 1.0));
}

namespace {

// One eye: the white, the iris and pupil with their glints, and the heavy
// upper lash line that carries the expression. `outer` is -1 when the outer
// corner is on the left (the near eye), +1 when it is on the right.
void paintEye(QPainter& p, const Eyes& e, QPointF c, double w, int outer) {
  const double h = e.height;
  const double top = c.y() - h / 2 + e.lid * h;
  const QPointF inCorner(c.x() - outer * w / 2, c.y() + h * 0.05);
  const QPointF outCorner(c.x() + outer * w / 2, c.y() - h * 0.08);
  // The opening: a tall upper curve and a flatter lower one.
  QPainterPath opening(inCorner);
  opening.cubicTo(QPointF(inCorner.x(), top), QPointF(outCorner.x(), top - h * 0.05), outCorner);
  opening.cubicTo(QPointF(outCorner.x(), c.y() + h * 0.45), QPointF(inCorner.x(), c.y() + h * 0.5),
                  inCorner);
  opening.closeSubpath();
  fill(p, opening, kEyeWhite);

  p.save();
  p.setClipPath(opening, Qt::IntersectClip);
  const QPointF irisC(c.x() + e.irisShift * w, c.y() + h * 0.06);
  const double irx = w * 0.3, iry = h * 0.5;
  fill(p, ellipse(irisC, irx, iry),
       gradient({0, irisC.y() - iry}, {0, irisC.y() + iry},
                {{0.0, e.iris.darker(230)}, {0.45, e.iris}, {1.0, e.iris.lighter(150)}}));
  fill(p, ellipse(irisC + QPointF(0, -h * 0.02), irx * 0.48, iry * 0.52), e.iris.darker(320));
  // The upper lid's shadow across the top of the eye.
  fill(p, ellipse(QPointF(c.x(), top - h * 0.1), w * 0.7, h * 0.32), withAlpha(pal::kInk, 70));
  p.restore();
  stroke(p, ellipse(irisC, irx, iry), QPen(withAlpha(pal::kInk, 140), 0.5));
  // Glints: a big one high on the lit side, a small one low.
  fill(p, ellipse(irisC + QPointF(irx * 0.35, -iry * 0.38), irx * 0.42, iry * 0.26), Qt::white);
  fill(p, ellipse(irisC + QPointF(-irx * 0.4, iry * 0.45), irx * 0.2, iry * 0.12),
       withAlpha(Qt::white, 220));

  // The lash line: thick at the top, swept up at the outer corner.
  QPainterPath lash(inCorner + QPointF(-outer * 0.3, -0.3));
  lash.cubicTo(QPointF(inCorner.x(), top - 0.6), QPointF(outCorner.x(), top - h * 0.05 - 0.6),
               outCorner + QPointF(outer * 1.1, -0.9));
  lash.lineTo(outCorner + QPointF(outer * 0.4, 0.9));
  lash.cubicTo(QPointF(outCorner.x(), top + 1.1), QPointF(inCorner.x(), top + 1.0),
               inCorner + QPointF(outer * 0.2, 0.4));
  lash.closeSubpath();
  fillOutlined(p, lash, pal::kInk, 0.6);
  // A short lower lash near the outer corner.
  stroke(p,
         curve(QPointF(c.x() + outer * w * 0.05, c.y() + h * 0.48),
               QPointF(c.x() + outer * w * 0.38, c.y() + h * 0.4), outCorner),
         roundPen(withAlpha(pal::kInk, 200), 0.8));
}

void paintBrow(QPainter& p, const Brows& b, QPointF c, double w, int outer) {
  const double y = c.y() - b.lift;
  const QPointF inner(c.x() - outer * w * 0.55, y + b.tilt);
  const QPointF outerEnd(c.x() + outer * w * 0.6, y + 0.8 - b.tilt * 0.4);
  const QPointF peak((inner.x() + outerEnd.x()) / 2 + outer * w * 0.1,
                     std::min(inner.y(), outerEnd.y()) - b.arch);
  const double t = b.weight;
  QPainterPath brow(inner + QPointF(0, -t * 0.5));
  brow.quadTo(peak + QPointF(0, -t * 0.5), outerEnd);
  brow.quadTo(peak + QPointF(0, t * 0.5), inner + QPointF(0, t * 0.5));
  brow.closeSubpath();
  fillOutlined(p, brow, b.colour, 0.5, b.colour.darker(150));
}

void paintBlush(QPainter& p, QPointF at, double rx) {
  QRadialGradient blush(at, rx);
  blush.setColorAt(0, withAlpha(kBlush, 130));
  blush.setColorAt(1, withAlpha(kBlush, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(blush);
  p.drawEllipse(at, rx, rx * 0.6);
  p.restore();
}

}  // namespace

void paintEyes(QPainter& p, const Face& f) {
  const QPointF near(kNearEyeX, f.eyes.y), far(kFarEyeX, f.eyes.y - 0.3);
  paintEye(p, f.eyes, near, kNearEyeW, -1);
  paintEye(p, f.eyes, far, kFarEyeW, 1);
  paintBrow(p, f.brows, near, kNearEyeW, -1);
  paintBrow(p, f.brows, far, kFarEyeW, 1);
}

void paintNose(QPainter& p, const Face& f) {
  // Just the tip, under the far eye: a short stroke with a soft shadow
  // falling back from it, away from the light.
  const QPointF noseTip(kFarEyeX - 0.5, f.eyes.y + 9.4);
  fill(p, ellipse(noseTip + QPointF(-1.8, 0.6), 1.9, 0.9), withAlpha(f.skin.shade, 230));
  QPainterPath line(noseTip + QPointF(-0.6, -2.6));
  line.quadTo(noseTip + QPointF(0.7, -0.8), noseTip + QPointF(0.6, 0));
  line.quadTo(noseTip + QPointF(-0.4, 0.7), noseTip + QPointF(-1.8, 0.5));
  stroke(p, line, roundPen(withAlpha(f.skin.shade.darker(170), 235), 0.85));
}

void paintSkin(QPainter& p, const Face& f, const QPainterPath& fringe, bool blush) {
  const QPainterPath face = facePath(f);
  fill(p, face, f.skin.tone);
  QPainterPath back(QPointF(20, 30));
  back.lineTo(37, 30);
  back.cubicTo(35, 48, 36, 60, 44, 72);
  back.cubicTo(46, 78, 50, 82, 50, 90);
  back.lineTo(20, 90);
  back.closeSubpath();
  QPainterPath shadow = face.intersected(back);
  if (!fringe.isEmpty()) shadow = shadow.united(face.intersected(fringe.translated(-1.5, 3.2)));
  fill(p, shadow, f.skin.shade);
  if (blush) {
    paintBlush(p, QPointF(kNearEyeX - 1, f.eyes.y + 8), 5);
    paintBlush(p, QPointF(kFarEyeX + 2, f.eyes.y + 8), 3.5);
  }
  stroke(p, face, ink());
}

void paintCrease(QPainter& p, const Face& f, QPointF a, QPointF c, QPointF b, int darker) {
  stroke(p, curve(a, c, b), roundPen(f.skin.shade.darker(darker), 0.7));
}

void paintMouth(QPainter& p, const Face& f, Mouth mouth) {
  const double x = f.profile.chin.x() + 1.5;
  const double y = f.profile.chin.y() - 8.5;
  switch (mouth) {
    case Mouth::kGrin: {
      // The champion's easy laugh.
      QPainterPath open(QPointF(x - 6.5, y - 1.2));
      open.quadTo(QPointF(x - 1, y - 0.2), QPointF(x + 4.5, y - 1.8));
      open.cubicTo(QPointF(x + 4.5, y + 3.5), QPointF(x - 2, y + 5), QPointF(x - 6.5, y - 1.2));
      open.closeSubpath();
      fillOutlined(p, open, kMouthInside, 1.0);
      fill(p, open.intersected(rect(x - 8, y - 3, 14, 3.2)), Qt::white);
      fill(p, open.intersected(ellipse(QPointF(x - 0.5, y + 3.6), 3, 1.6)), kTongue);
      stroke(p, open, ink(1.0));
      break;
    }
    case Mouth::kHappy: {
      // Bright and cheerful.
      QPainterPath open(QPointF(x - 4.5, y - 1.0));
      open.quadTo(QPointF(x - 0.5, y + 0.2), QPointF(x + 3.5, y - 1.4));
      open.cubicTo(QPointF(x + 3, y + 4.2), QPointF(x - 3.5, y + 4.2), QPointF(x - 4.5, y - 1.0));
      open.closeSubpath();
      fillOutlined(p, open, kMouthInside, 1.0);
      fill(p, open.intersected(ellipse(QPointF(x - 0.5, y + 3.2), 2.6, 1.6)), kTonguePink);
      stroke(p, open, ink(1.0));
      break;
    }
    case Mouth::kHalfSmile: {
      stroke(p, cubic({x - 4, y + 0.4}, {x - 1.5, y + 1.0}, {x + 1.5, y + 0.6}, {x + 3.6, y - 1.2}),
             roundPen(pal::kInk, 1.1));
      stroke(p, curve({x - 1.5, y + 2.6}, {x, y + 3.1}, {x + 1.2, y + 2.5}),
             roundPen(f.skin.shade.darker(135), 0.8));
      break;
    }
    case Mouth::kSoftSmile: {
      stroke(p, cubic({x - 5, y - 0.6}, {x - 2.5, y + 1.4}, {x + 1, y + 1.2}, {x + 3.4, y - 0.8}),
             roundPen(pal::kInk, 1.1));
      stroke(p, curve({x - 6.5, y - 5}, {x - 7.8, y - 1.5}, {x - 6.2, y + 1}),
             roundPen(f.skin.shade.darker(130), 0.8));
      break;
    }
    case Mouth::kSmirk: {
      // A challenge.
      fillOutlined(p, polygon({{x + 0.6, y - 0.2}, {x + 1.8, y + 2.2}, {x + 2.8, y - 0.9}}),
                   Qt::white, 0.6);
      stroke(p, cubic({x - 5, y + 0.8}, {x - 2, y + 1.2}, {x + 1.5, y + 0.2}, {x + 4.2, y - 2.4}),
             roundPen(pal::kInk, 1.2));
      stroke(p, curve({x + 3.6, y - 3.4}, {x + 4.6, y - 2.6}, {x + 4.4, y - 1.4}),
             roundPen(pal::kInk, 0.7));
      break;
    }
  }
}

void paintFace(QPainter& p, const Face& f, const QPainterPath& fringe, Mouth mouth, bool blush) {
  paintSkin(p, f, fringe, blush);
  paintEar(p, f);
  paintEyes(p, f);
  paintNose(p, f);
  paintMouth(p, f, mouth);
}

}  // namespace art::portrait
