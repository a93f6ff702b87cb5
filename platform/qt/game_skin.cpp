#include "platform/qt/game_skin.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/qt/language.h"
#include "platform/qt/widgets.h"

namespace platform::qt {

namespace {
using skin::kRim;
const QColor kBand(0x0c, 0x08, 0x1c);
}  // namespace

void paintGlassPlate(QPainter& p, const QRectF& plate, double s) {
  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath shape;
  shape.addRoundedRect(plate, 3 * s, 3 * s);
  QLinearGradient glass(plate.topLeft(), plate.bottomLeft());
  glass.setColorAt(0, skin::kGlassTop);
  glass.setColorAt(1, skin::kGlassFoot);
  p.setPen(QPen(QColor(kRim.red(), kRim.green(), kRim.blue(), 200), s));
  p.setBrush(glass);
  p.drawPath(shape);
  // A glint along the top edge of the glass.
  p.setPen(QPen(QColor(255, 255, 255, 40), s));
  p.drawLine(QPointF(plate.left() + 4 * s, plate.top() + 1.5 * s),
             QPointF(plate.right() - 4 * s, plate.top() + 1.5 * s));
}

void DrawnReadout::paint(QPainter& p, QRect) {
  const double s = scale_;
  const QRectF plate = QRectF(rect()).adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s);
  paintGlassPlate(p, plate, s);

  p.setFont(gameFont(look_.FontSize, true, scale_));
  const QString text = shown(look_.Text);
  const QRectF inside = plate.adjusted(6 * s, 0, -6 * s, 0);
  p.setPen(QColor(0, 0, 0, 200));
  p.drawText(inside.translated(0, s), Qt::AlignVCenter | Qt::AlignLeft, text);
  p.setPen(skin::kText);
  p.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, text);
}

void DrawnBanner::paint(QPainter& p, QRect dirty) {
  {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // The band holds one line of the message, from the top where the label
    // writes it.
    const int line = QFontMetrics(gameFont(look_.FontSize, look_.FontBold, scale_)).height();
    const QRectF r(0, 0, width(), std::min(height(), line + 2 * scale_));
    auto faded = [&](const QColor& c, int alpha) {
      QLinearGradient g(r.topLeft(), r.topRight());
      g.setColorAt(0, QColor(c.red(), c.green(), c.blue(), 0));
      g.setColorAt(0.08, QColor(c.red(), c.green(), c.blue(), alpha));
      g.setColorAt(0.92, QColor(c.red(), c.green(), c.blue(), alpha));
      g.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
      return g;
    };
    p.fillRect(r, faded(kBand, 215));
    const double rule = scale_;
    p.fillRect(QRectF(r.left(), r.top(), r.width(), rule), faded(kRim, 230));
    p.fillRect(QRectF(r.left(), r.bottom() - rule, r.width(), rule), faded(kRim, 230));
    p.restore();
  }
  DrawnLabel::paint(p, dirty);
}

GlassTag::GlassTag(QWidget* parent, int scale) : QWidget(parent), scale_(scale) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void GlassTag::setText(const QString& text) {
  text_ = text;
  const QFontMetrics m(gameFont(10, true, scale_));
  resize(m.horizontalAdvance(text) + 16 * scale_, m.height() + 6 * scale_);
  setVisible(!text.isEmpty());
  raise();
  update();
}

void GlassTag::placeIn(const QRect& area) {
  move(area.topLeft() + QPoint(6, 6) * scale_);
  raise();
}

void GlassTag::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const double s = scale_;
  paintGlassPlate(p, QRectF(rect()).adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s), s);
  p.setFont(gameFont(10, true, scale_));
  const QRectF inside = QRectF(rect()).adjusted(8 * s, 0, -8 * s, 0);
  p.setPen(QColor(0, 0, 0, 200));
  p.drawText(inside.translated(0, s), Qt::AlignVCenter | Qt::AlignLeft, text_);
  p.setPen(skin::kText);
  p.drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, text_);
}

}  // namespace platform::qt
