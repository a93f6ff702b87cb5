#include "platform/qt/widgets.h"

#include <QCache>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScrollBar>
#include <QStringList>
#include <QTextBlock>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "art/art.h"
#include "platform/qt/language.h"
#include "platform/qt/legibility.h"

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

namespace {
bool sameLook(const ui::Element& a, const ui::Element& b) {
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

bool hidesWhatLiesUnder(const QPainter& p, const std::string& name, QRect target, QRect dirty) {
  if (name.empty() || !target.contains(dirty)) return false;
  if (p.device() == nullptr || p.device()->devicePixelRatioF() != 1.0) return false;
  static std::map<std::pair<std::string, std::pair<int, int>>, bool> known;
  const auto key = std::make_pair(name, std::make_pair(target.width(), target.height()));
  if (auto it = known.find(key); it != known.end()) return it->second;
  const QImage image =
      art::render(name, target.size()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  bool opaque = !image.isNull();
  for (int y = 0; y < image.height() && opaque; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width() && opaque; ++x) opaque = qAlpha(row[x]) == 255;
  }
  return known[key] = opaque;
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

void ElementWidget::setLook(const ui::Element& e) {
  if (hasLook_ && sameLook(look_, e)) return;
  const ui::Element before = look_;
  const bool first = !hasLook_;
  look_ = e;
  hasLook_ = true;
  lookChanged(before, first);
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

// With its colour behind it, the area covers every pixel of its own: Qt then
// leaves out what lies beneath it when it repaints.
void PictureAreaWidget::lookChanged(const ui::Element&, bool) {
  setAttribute(Qt::WA_OpaquePaintEvent, look_.BackOpaque);
}

void PictureAreaWidget::paintEvent(QPaintEvent* ev) {
  QPainter p(this);
  // A picture area shows its picture unscaled, from its top-left corner.
  const QSize native = art::nativeSize(look_.Picture);
  const QRect picture =
      native.isValid() ? QRect(QPoint(inset(), inset()), native * scale_) : QRect();
  paintByRects(p, ev->region(), [&](QRect dirty) {
    if (look_.BackOpaque && !hidesWhatLiesUnder(p, look_.Picture, picture, dirty))
      p.fillRect(rect(), toQColor(look_.BackColor));
    if (native.isValid()) drawPicture(p, look_.Picture, picture);
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
  });
}

void ImageWidget::paintEvent(QPaintEvent* ev) {
  QPainter p(this);
  QRect target = rect();
  if (!look_.Stretch) {
    const QSize native = art::nativeSize(look_.Picture);
    if (!native.isValid()) return;
    target = QRect(QPoint(0, 0), native * scale_);
  }
  paintByRects(p, ev->region(), [&](QRect) { drawPicture(p, look_.Picture, target); });
}

void LabelWidget::setOutlined(bool on) {
  if (on == outlined_) return;
  outlined_ = on;
  drawn_ = QImage();
  update();
}

void LabelWidget::lookChanged(const ui::Element& before, bool first) {
  if (first || before.Caption != look_.Caption || before.FontSize != look_.FontSize ||
      before.FontBold != look_.FontBold || before.Alignment != look_.Alignment) {
    if (first || before.Caption != look_.Caption) first_ = 0;
    layOut();
  }
  drawn_ = QImage();
  setAttribute(Qt::WA_OpaquePaintEvent, look_.BackOpaque);
}

void LabelWidget::resizeEvent(QResizeEvent*) {
  if (hasLook_) layOut();
  drawn_ = QImage();
}

// Lines are placed as Qt places the lines of a text drawn in a rectangle:
// one below the other on whole pixels, the font's leading between them.
void LabelWidget::layOut() {
  QString text = shown(look_.Caption);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  const QFont font = gameFont(look_.FontSize, look_.FontBold, scale_);
  layout_.setText(text);
  layout_.setFont(font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setAlignment(look_.Alignment == ui::Align::Right    ? Qt::AlignRight
                      : look_.Alignment == ui::Align::Center ? Qt::AlignHCenter
                                                             : Qt::AlignLeft);
  layout_.setTextOption(option);
  layout_.setCacheEnabled(true);

  lines_.clear();
  const QFontMetricsF metrics(font);
  qreal y = -metrics.leading();
  layout_.beginLayout();
  for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
    line.setLineWidth(width());
    y = std::ceil(y + metrics.leading());
    line.setPosition(QPointF(0, y));
    QString letters = text.mid(line.textStart(), line.textLength());
    letters.remove(QChar::LineSeparator);
    const QRectF ink = metrics.tightBoundingRect(letters);
    lines_.push_back({y, ink.isEmpty() ? y : y + line.ascent() + ink.bottom()});
    y += line.height();
  }
  layout_.endLayout();
  laidOut_ = true;
  first_ = std::clamp(first_, 0, lastFirst());

  // A caption that does not fit whole is there to read in full as a tip.
  if (lastFirst() > 0) {
    QString tip = shown(look_.Caption).toHtmlEscaped();
    tip.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    tip.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    setToolTip(QStringLiteral("<p style='white-space:pre-wrap'>") + tip + QStringLiteral("</p>"));
  } else {
    setToolTip(QString());
  }
}

// How many lines, from `first` on, show their letters whole in the label;
// at least one, so a label too small for its font still shows something.
int LabelWidget::fittingFrom(int first) const {
  const int count = static_cast<int>(lines_.size());
  if (first >= count) return 0;
  int n = 1;
  while (first + n < count && lines_[first + n].inkBottom - lines_[first].top <= height() + 0.5)
    ++n;
  return n;
}

int LabelWidget::lastFirst() const {
  const int count = static_cast<int>(lines_.size());
  int first = 0;
  while (first < count - 1 && first + fittingFrom(first) < count) ++first;
  return first;
}

int LabelWidget::lineCount() const { return static_cast<int>(lines_.size()); }
int LabelWidget::shownLines() const { return fittingFrom(first_); }

void LabelWidget::scrollLines(int by) {
  const int first = std::clamp(first_ + by, 0, lastFirst());
  if (first == first_) return;
  first_ = first;
  drawn_ = QImage();
  update();
}

void LabelWidget::wheelEvent(QWheelEvent* ev) {
  if (lastFirst() == 0) {
    ev->ignore();
    return;
  }
  wheel_ += ev->angleDelta().y();
  const int lines = wheel_ / 120;
  wheel_ -= lines * 120;
  scrollLines(-lines);
  ev->accept();
}

void LabelWidget::drawLetters(QPainter& p) const {
  if (first_ >= lineCount()) return;
  p.setPen(toQColor(look_.ForeColor));
  const int last = first_ + shownLines();
  const QPointF at(0, -lines_[first_].top);
  for (int i = first_; i < last; ++i) layout_.lineAt(i).draw(&p, at);
  // Past 64 pixels Qt draws letters as outlines and leaves out the bolding it
  // makes up for a font without a bold face: thicken them by hand, about as
  // much as it would.
  const QFont font = layout_.font();
  if (font.bold() && font.pixelSize() > 64 && !hasBoldFace(QFontInfo(font).family())) {
    const int extra = std::max(1, font.pixelSize() / 24);
    for (int dx = 1; dx <= extra; ++dx)
      for (int i = first_; i < last; ++i) layout_.lineAt(i).draw(&p, at + QPointF(dx, 0));
  }
}

void LabelWidget::paintEvent(QPaintEvent* ev) {
  QPainter p(this);
  if (!laidOut_) layOut();
  if (outlined_) {
    // The letters are drawn on their own first, so their outline can follow
    // exactly the pixels they cover; it is one pixel wide a scale step.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio) drawn_ = outlinedLetters();
  }
  paintByRects(p, ev->region(), [&](QRect) {
    if (look_.BackOpaque) p.fillRect(rect(), toQColor(look_.BackColor));
    if (outlined_)
      p.drawImage(QPoint(0, 0), drawn_);
    else
      drawLetters(p);
  });
}

// Readouts come back to the same few captions (a speed, a rank, a countdown
// step): their outlined letters are kept, the most recently drawn first. A
// caption not kept costs only the outline of the letters that changed.
QImage LabelWidget::outlinedLetters() {
  static QCache<QString, QImage> kept(1024);  // kilobytes
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  const QString key = QStringList{QString::number(pixels.width()),
                                  QString::number(pixels.height()),
                                  QString::number(ratio),
                                  QString::number(scale_),
                                  layout_.font().key(),
                                  QString::number(static_cast<int>(look_.Alignment)),
                                  QString::number(look_.ForeColor),
                                  QString::number(first_),
                                  layout_.text()}
                          .join(QLatin1Char('|'));
  if (const QImage* known = kept.object(key)) return *known;
  QImage drawn;
  {
    QImage letters(pixels, QImage::Format_ARGB32_Premultiplied);
    letters.setDevicePixelRatio(ratio);
    letters.fill(Qt::transparent);
    {
      QPainter lp(&letters);
      drawLetters(lp);
    }
    const int radius = std::max(1, static_cast<int>(std::lround(scale_ * ratio)));
    const QColor colour = outlineColour(toQColor(look_.ForeColor));
    // The radius follows the size and pixel ratio, which the letters' image shares.
    if (colour.rgb() != outlineColour_) outline_ = QImage();
    QImage outline = outlineOf(letters, radius, colour, letters_, outline_);
    // Only a label that has changed once is likely to change again: the
    // others keep no letters to compare with.
    if (outlinedOnce_) {
      letters_ = letters;
      outline_ = outline;
      outlineColour_ = colour.rgb();
    }
    outlinedOnce_ = true;
    drawn = outline;  // painted on, it parts from the outline kept
    QPainter dp(&drawn);
    dp.drawImage(QPoint(0, 0), letters);
  }
  kept.insert(key, new QImage(drawn), std::max<qsizetype>(1, drawn.sizeInBytes() / 1024));
  return drawn;
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
