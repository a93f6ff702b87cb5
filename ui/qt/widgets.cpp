#include "ui/qt/widgets.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "art/art.h"
#include "ui/qt/language.h"

namespace ui::qt {

QColor toQColor(std::int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QFont gameFont(float pointSize, bool bold, int scale) {
  QFont f(QStringLiteral("WenQuanYi Micro Hei"));
  f.setStyleHint(QFont::SansSerif);
  // Points at 96 dots an inch, so the game looks the same on every screen.
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 4.0 / 3.0 * scale))));
  f.setBold(bold);
  return f;
}

int px(float twips, int scale) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * scale / 15.0));
}

namespace {
bool sameLook(const Element& a, const Element& b) {
  return a.Picture == b.Picture && a.Caption == b.Caption && a.Text == b.Text &&
         a.ForeColor == b.ForeColor && a.BackColor == b.BackColor && a.BackOpaque == b.BackOpaque &&
         a.FontSize == b.FontSize && a.FontBold == b.FontBold && a.Alignment == b.Alignment &&
         a.Border == b.Border && a.Stretch == b.Stretch;
}

bool hasBoldFace(const QString& family) {
  static QHash<QString, bool> known;
  auto it = known.constFind(family);
  if (it != known.constEnd()) return *it;
  bool bold = false;
  for (const QString& style : QFontDatabase::styles(family))
    bold = bold || style.contains(QLatin1String("Bold"), Qt::CaseInsensitive);
  known.insert(family, bold);
  return bold;
}
}  // namespace

// Pictures are drawn at the pixel size they are shown at, never scaled as bitmaps.
void drawPicture(QPainter& p, const std::string& name, QRect target) {
  if (name.empty() || target.isEmpty()) return;
  const qreal ratio = p.device() != nullptr ? p.device()->devicePixelRatioF() : 1.0;
  if (ratio == 1.0) {
    p.drawImage(target.topLeft(), art::render(name, target.size()));
    return;
  }
  // Drawn into the target rectangle, the device's pixels meet the picture's one to one.
  p.drawImage(QRectF(target), art::render(name, (QSizeF(target.size()) * ratio).toSize()));
}

void ElementWidget::setLook(const Element& e) {
  if (hasLook_ && sameLook(look_, e)) return;
  look_ = e;
  hasLook_ = true;
  update();
}

void ElementWidget::mouseReleaseEvent(QMouseEvent* ev) {
  if (ev->button() == Qt::LeftButton && rect().contains(ev->position().toPoint()) && onClick)
    onClick();
}

void ElementWidget::mouseDoubleClickEvent(QMouseEvent* ev) {
  if (ev->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
}

int PictureAreaWidget::inset() const { return look_.Border ? 2 * scale_ : 0; }

void PictureAreaWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (look_.BackOpaque) p.fillRect(rect(), toQColor(look_.BackColor));
  const QSize native = art::nativeSize(look_.Picture);
  if (native.isValid()) {
    // A picture area shows its picture unscaled, from its top-left corner.
    drawPicture(p, look_.Picture, QRect(QPoint(inset(), inset()), native * scale_));
  }
  if (look_.Border) {
    const int b = inset();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 96, 96));
    p.drawRect(0, 0, width(), b / 2);
    p.drawRect(0, 0, b / 2, height());
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(0, height() - b / 2, width(), b / 2);
    p.drawRect(width() - b / 2, 0, b / 2, height());
  }
}

void ImageWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (look_.Stretch) {
    drawPicture(p, look_.Picture, rect());
  } else {
    const QSize native = art::nativeSize(look_.Picture);
    if (native.isValid()) drawPicture(p, look_.Picture, QRect(QPoint(0, 0), native * scale_));
  }
}

void LabelWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (look_.BackOpaque) p.fillRect(rect(), toQColor(look_.BackColor));
  p.setFont(gameFont(look_.FontSize, look_.FontBold, scale_));
  p.setPen(toQColor(look_.ForeColor));
  QString text = shown(look_.Caption);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  int flags = Qt::TextWordWrap | Qt::AlignTop;
  switch (look_.Alignment) {
    case Align::Left:
      flags |= Qt::AlignLeft;
      break;
    case Align::Right:
      flags |= Qt::AlignRight;
      break;
    case Align::Center:
      flags |= Qt::AlignHCenter;
      break;
  }
  p.drawText(rect(), flags, text);
  // Past 64 pixels Qt draws letters as outlines and leaves out the bolding it
  // makes up for a font without a bold face: thicken them by hand, about as
  // much as it would.
  const QFont font = p.font();
  if (font.bold() && font.pixelSize() > 64 && !hasBoldFace(QFontInfo(font).family())) {
    const int extra = std::max(1, font.pixelSize() / 24);
    for (int dx = 1; dx <= extra; ++dx) p.drawText(rect().translated(dx, 0), flags, text);
  }
}

}  // namespace ui::qt
