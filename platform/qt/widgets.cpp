#include "platform/qt/widgets.h"

#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

#include "art/art.h"

namespace platform::qt {

QColor toQColor(std::int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QFont gameFont(float pointSize, bool bold, int scale) {
  // Points at 96 dots an inch, so the game looks the same on every screen.
  const int pixels = std::max(1, static_cast<int>(std::lround(pointSize * 4.0 / 3.0 * scale)));
  // One font a size: copies share the font Qt found, so a caption set anew
  // does not look it up again.
  static QHash<int, QFont> fonts;
  const int key = pixels * 2 + (bold ? 1 : 0);
  if (auto it = fonts.constFind(key); it != fonts.constEnd()) return *it;
  QFont f(QStringLiteral("WenQuanYi Micro Hei"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixels);
  f.setBold(bold);
  return *fonts.insert(key, f);
}

int px(float twips, int scale) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * scale / 15.0));
}

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

bool hidesWhatLiesUnder(const QPainter& p, const std::string& name, QRect target, QRect dirty) {
  if (name.empty() || !target.contains(dirty)) return false;
  if (p.device() == nullptr || p.device()->devicePixelRatioF() != 1.0) return false;
  // The pictures kept without alpha are those with no see-through pixel.
  return art::render(name, target.size()).format() == QImage::Format_RGB32;
}

void paintByRects(QPainter& p, const QRegion& area, const std::function<void(QRect)>& paint) {
  if (area.rectCount() <= 1) {
    paint(area.boundingRect());
    return;
  }
  for (const QRect& r : area) {
    p.save();
    p.setClipRect(r);
    paint(r);
    p.restore();
  }
}

// ---- the text box of several lines -----------------------------------------

// The strip at the right edge of the box: a small triangle at its top when
// lines are scrolled off above, one at its bottom when more follow below.
class TextBoxWidget::Marks : public QWidget {
 public:
  explicit Marks(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void setMore(bool above, bool below) {
    if (above == above_ && below == below_) return;
    above_ = above;
    below_ = below;
    update();
  }
  bool above() const { return above_; }
  bool below() const { return below_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (!above_ && !below_) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Text));
    p.setOpacity(0.55);
    const qreal w = width(), side = w * 0.7, inset = (w - side) / 2, tall = side * 0.6;
    if (above_)
      p.drawPolygon(QPolygonF(
          {QPointF(inset, inset + tall), QPointF(w - inset, inset + tall), QPointF(w / 2, inset)}));
    if (below_) {
      const qreal bottom = height() - inset;
      p.drawPolygon(QPolygonF({QPointF(inset, bottom - tall), QPointF(w - inset, bottom - tall),
                               QPointF(w / 2, bottom)}));
    }
  }

 private:
  bool above_ = false, below_ = false;
};

TextBoxWidget::TextBoxWidget(QWidget* parent) : QPlainTextEdit(parent), marks_(new Marks(this)) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  auto more = [this] {
    const int first = firstShownLine();
    marks_->setMore(first > 0, first + shownLineCount() < lineCount());
  };
  connect(verticalScrollBar(), &QScrollBar::valueChanged, marks_, more);
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, marks_, more);
  connect(this, &QPlainTextEdit::textChanged, marks_, more);
  placeMarks();
}

int TextBoxWidget::lineCount() const { return document()->lineCount(); }
int TextBoxWidget::firstShownLine() const { return verticalScrollBar()->value(); }

int TextBoxWidget::shownLineCount() const {
  int shown = 0;
  const qreal height = viewport()->height();
  const QPointF offset = contentOffset();
  for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
    if (!block.isVisible()) continue;
    const QRectF area = blockBoundingGeometry(block).translated(offset);
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      const qreal top = area.top() + line.y();
      if (top < -0.5) continue;  // scrolled off above
      if (top + line.height() > height + 0.5) return shown;
      ++shown;
    }
  }
  return shown;
}

int TextBoxWidget::wholeLinesHeight() const {
  int bottom = 0, shown = shownLineCount();
  const QPointF offset = contentOffset();
  for (QTextBlock block = firstVisibleBlock(); block.isValid() && shown > 0; block = block.next()) {
    if (!block.isVisible()) continue;
    const QRectF area = blockBoundingGeometry(block).translated(offset);
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount() && shown > 0; ++i) {
      const QTextLine line = layout->lineAt(i);
      const qreal top = area.top() + line.y();
      if (top < -0.5) continue;
      bottom = static_cast<int>(std::ceil(top + line.height()));
      --shown;
    }
  }
  return bottom;
}

void TextBoxWidget::paintEvent(QPaintEvent* ev) {
  // Below the last whole line the box stays empty; a box too small for even
  // one line shows the first one cut, rather than nothing.
  const int bottom = wholeLinesHeight();
  if (bottom <= 0) {
    QPlainTextEdit::paintEvent(ev);
    return;
  }
  QPaintEvent whole(ev->rect() & QRect(0, 0, viewport()->width(), bottom));
  QPlainTextEdit::paintEvent(&whole);
}

void TextBoxWidget::placeMarks() {
  const int side = std::max(6, QFontMetrics(font()).height() / 3);
  if (viewportMargins().right() != side) setViewportMargins(0, 0, side, 0);
  const QRect inside = contentsRect();
  marks_->setGeometry(inside.right() - side + 1, inside.top(), side, inside.height());
}

void TextBoxWidget::resizeEvent(QResizeEvent* ev) {
  QPlainTextEdit::resizeEvent(ev);
  placeMarks();
}

void TextBoxWidget::changeEvent(QEvent* ev) {
  QPlainTextEdit::changeEvent(ev);
  if (ev->type() == QEvent::FontChange) placeMarks();
}

}  // namespace platform::qt
