#include "platform/qt/drawn.h"

#include <QCache>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "art/art.h"
#include "platform/qt/language.h"
#include "platform/qt/legibility.h"
#include "platform/qt/widgets.h"

namespace platform::qt {

namespace {
bool sameLook(const ui::Element& a, const ui::Element& b) {
  return a.Picture == b.Picture && a.Caption == b.Caption && a.Text == b.Text &&
         a.ForeColor == b.ForeColor && a.BackColor == b.BackColor && a.BackOpaque == b.BackOpaque &&
         a.FontSize == b.FontSize && a.FontBold == b.FontBold && a.Alignment == b.Alignment &&
         a.Border == b.Border && a.Stretch == b.Stretch;
}

// Outlined letters of captions drawn lately, by what they show.
QCache<QString, QImage>& keptLetters() {
  static QCache<QString, QImage> kept(1024);  // kilobytes
  return kept;
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

void forgetOutlinedLetters() { keptLetters().clear(); }

namespace {
// The letters drawn over a copy of their outline.
QImage lettersOn(const QImage& outline, const QImage& letters) {
  QImage drawn = outline.copy();
  QPainter p(&drawn);
  p.drawImage(QPoint(0, 0), letters);
  return drawn;
}

qsizetype kilobytesOf(const QImage& image) {
  return std::max<qsizetype>(1, image.sizeInBytes() / 1024);
}
}  // namespace

bool DrawnElement::setLook(const ui::Element& e) {
  if (hasLook_ && sameLook(look_, e)) return false;
  const ui::Element before = look_;
  const bool first = !hasLook_;
  look_ = e;
  hasLook_ = true;
  lookChanged(before, first);
  return true;
}

bool DrawnElement::resize(QSize size) {
  if (size == size_) return false;
  size_ = size;
  resized();
  return true;
}

QImage DrawnElement::picture(qreal ratio) {
  QImage image((QSizeF(size_) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  paint(p, rect());
  return image;
}

int DrawnPictureArea::inset() const { return look_.Border ? 2 * scale_ : 0; }

// A picture area shows its picture unscaled, from its top-left corner.
QRect DrawnPictureArea::pictureRect() const {
  const QSize native = art::nativeSize(look_.Picture);
  return native.isValid() ? QRect(QPoint(inset(), inset()), native * scale_) : QRect();
}

// With its colour behind it, the area covers every pixel of its own.
bool DrawnPictureArea::covers(const QPainter& p, QRect dirty) const {
  return rect().contains(dirty) &&
         (look_.BackOpaque || hidesWhatLiesUnder(p, look_.Picture, pictureRect(), dirty));
}

void DrawnPictureArea::paint(QPainter& p, QRect dirty) {
  const QRect picture = pictureRect();
  if (look_.BackOpaque && !hidesWhatLiesUnder(p, look_.Picture, picture, dirty))
    p.fillRect(rect(), toQColor(look_.BackColor));
  if (picture.isValid()) drawPicture(p, look_.Picture, picture);
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

QRect DrawnImage::pictureRect() const {
  if (look_.Stretch) return rect();
  const QSize native = art::nativeSize(look_.Picture);
  return native.isValid() ? QRect(QPoint(0, 0), native * scale_) : QRect();
}

void DrawnImage::paint(QPainter& p, QRect) {
  const QRect target = pictureRect();
  if (target.isValid()) drawPicture(p, look_.Picture, target);
}

bool DrawnImage::covers(const QPainter& p, QRect dirty) const {
  return rect().contains(dirty) && hidesWhatLiesUnder(p, look_.Picture, pictureRect(), dirty);
}

bool DrawnLabel::setOutlined(bool on) {
  if (on == outlined_) return false;
  outlined_ = on;
  drawn_ = QImage();
  return true;
}

void DrawnLabel::lookChanged(const ui::Element& before, bool first) {
  if (first || before.Caption != look_.Caption || before.FontSize != look_.FontSize ||
      before.FontBold != look_.FontBold || before.Alignment != look_.Alignment) {
    if (first || before.Caption != look_.Caption) first_ = 0;
    layOut();
  }
  drawn_ = QImage();
}

void DrawnLabel::resized() {
  if (hasLook_) layOut();
  drawn_ = QImage();
}

bool DrawnLabel::covers(const QPainter&, QRect dirty) const {
  return look_.BackOpaque && rect().contains(dirty);
}

// Lines are placed as Qt places the lines of a text drawn in a rectangle:
// one below the other on whole pixels, the font's leading between them.
void DrawnLabel::layOut() {
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
    tip_ = QStringLiteral("<p style='white-space:pre-wrap'>") + tip + QStringLiteral("</p>");
  } else {
    tip_.clear();
  }
}

// How many lines, from `first` on, show their letters whole in the label;
// at least one, so a label too small for its font still shows something.
int DrawnLabel::fittingFrom(int first) const {
  const int count = static_cast<int>(lines_.size());
  if (first >= count) return 0;
  int n = 1;
  while (first + n < count && lines_[first + n].inkBottom - lines_[first].top <= height() + 0.5)
    ++n;
  return n;
}

int DrawnLabel::lastFirst() const {
  const int count = static_cast<int>(lines_.size());
  int first = 0;
  while (first < count - 1 && first + fittingFrom(first) < count) ++first;
  return first;
}

int DrawnLabel::lineCount() const { return static_cast<int>(lines_.size()); }
int DrawnLabel::shownLines() const { return fittingFrom(first_); }

void DrawnLabel::scrollLines(int by) {
  const int first = std::clamp(first_ + by, 0, lastFirst());
  if (first == first_) return;
  first_ = first;
  drawn_ = QImage();
}

bool DrawnLabel::wheel(int delta) {
  if (lastFirst() == 0) return false;
  wheel_ += delta;
  const int lines = wheel_ / 120;
  wheel_ -= lines * 120;
  scrollLines(-lines);
  return true;
}

// Past 64 pixels Qt draws letters as outlines and leaves out the bolding it
// makes up for a font without a bold face: the letters are thickened by hand,
// drawn again this many pixels to the right, about as much as Qt would.
int DrawnLabel::thickening() const {
  const QFont font = layout_.font();
  if (!font.bold() || font.pixelSize() <= 64 || hasBoldFace(QFontInfo(font).family())) return 0;
  return std::max(1, font.pixelSize() / 24);
}

void DrawnLabel::drawLetters(QPainter& p) const {
  if (first_ >= lineCount()) return;
  p.setPen(toQColor(look_.ForeColor));
  const int last = first_ + shownLines();
  const QPointF at(0, -lines_[first_].top);
  for (int dx = 0; dx <= thickening(); ++dx)
    for (int i = first_; i < last; ++i) layout_.lineAt(i).draw(&p, at + QPointF(dx, 0));
}

std::vector<DrawnLabel::Letter> DrawnLabel::lettersShown() const {
  std::vector<Letter> shown;
  if (first_ >= lineCount()) return shown;
  const int last = first_ + shownLines();
  const QPointF at(0, -lines_[first_].top);
  const qreal extra = thickening();
  for (int i = first_; i < last; ++i)
    for (const QGlyphRun& run : layout_.lineAt(i).glyphRuns()) {
      const QRawFont font = run.rawFont();
      const QList<quint32> glyphs = run.glyphIndexes();
      const QList<QPointF> places = run.positions();
      for (qsizetype g = 0; g < glyphs.size() && g < places.size(); ++g) {
        const QRectF ink = font.boundingRect(glyphs[g]).translated(places[g] + at);
        shown.push_back({glyphs[g], places[g], ink.adjusted(0, 0, extra, 0), font});
      }
    }
  return shown;
}

// Draws again only the letters in `area`, on letters drawn before: the
// caption is drawn as ever, but lands only there.
void DrawnLabel::redrawLetters(QPainter& p, QRectF area) const {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(area, Qt::transparent);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setClipRect(area);
  drawLetters(p);
  p.restore();
}

void DrawnLabel::paint(QPainter& p, QRect) {
  if (!laidOut_) layOut();
  if (outlined_) {
    // The letters are drawn on their own first, so their outline can follow
    // exactly the pixels they cover; it is one pixel wide a scale step.
    const qreal ratio = p.device() != nullptr ? p.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio)
      drawn_ = outlinedLetters(ratio);
  }
  if (look_.BackOpaque) p.fillRect(rect(), toQColor(look_.BackColor));
  if (outlined_)
    p.drawImage(QPoint(0, 0), drawn_);
  else
    drawLetters(p);
}

// Readouts come back to the same few captions (a speed, a rank, a countdown
// step): their outlined letters are kept, the most recently drawn first. A
// caption not kept costs only the outline of the letters that changed.
QImage DrawnLabel::outlinedLetters(qreal ratio) {
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  // Everything but the caption's text: letters drawn alike share it.
  const QString kind = QStringList{QString::number(pixels.width()),
                                   QString::number(pixels.height()),
                                   QString::number(ratio),
                                   QString::number(scale_),
                                   layout_.font().key(),
                                   QString::number(static_cast<int>(look_.Alignment)),
                                   QString::number(look_.ForeColor),
                                   QString::number(first_),
                                   QString::number(lines_.empty() ? 0.0 : lines_[first_].top)}
                           .join(QLatin1Char('|'));
  const QString key = kind + QLatin1Char('|') + layout_.text();
  if (const QImage* known = kept_.object(key)) return *known;
  if (const QImage* known = keptLetters().object(key)) return keep(key, *known);

  const int radius = std::max(1, static_cast<int>(std::lround(scale_ * ratio)));
  const QColor colour = outlineColour(toQColor(look_.ForeColor));
  std::vector<Letter> shown = lettersShown();
  auto same = std::find_if(drawnBefore_.begin(), drawnBefore_.end(),
                           [&](const DrawnBefore& d) { return d.kind == kind; });
  if (same != drawnBefore_.end()) {
    // Most changes are a digit or two of a readout: only where letters came
    // or went are they, and their outline, drawn again.
    DrawnBefore& before = *same;
    auto among = [](const Letter& l, const std::vector<Letter>& others) {
      return std::any_of(others.begin(), others.end(),
                         [&](const Letter& o) { return o.sameAs(l); });
    };
    QRectF changed;
    for (const Letter& l : shown)
      if (!among(l, before.shown)) changed |= l.ink;
    for (const Letter& l : before.shown)
      if (!among(l, shown)) changed |= l.ink;
    if (!changed.isEmpty()) {
      // On whole pixels of the image, with room for the letters' soft rims.
      const QRect inPixels = QRectF(changed.topLeft() * ratio, changed.size() * ratio)
                                 .toAlignedRect()
                                 .adjusted(-2, -2, 2, 2) &
                             before.letters.rect();
      {
        QPainter lp(&before.letters);
        redrawLetters(lp,
                      QRectF(QPointF(inPixels.topLeft()) / ratio, QSizeF(inPixels.size()) / ratio));
      }
      redoOutline(before.outline, before.letters, inPixels, radius, colour);
    }
    before.shown = std::move(shown);
    std::rotate(drawnBefore_.begin(), same, same + 1);  // the latest first
    return keep(key, lettersOn(drawnBefore_.front().outline, drawnBefore_.front().letters));
  }

  QImage letters(pixels, QImage::Format_ARGB32_Premultiplied);
  letters.setDevicePixelRatio(ratio);
  letters.fill(Qt::transparent);
  {
    QPainter lp(&letters);
    drawLetters(lp);
  }
  QImage outline = outlineOf(letters, radius, colour);
  // Only a label that has changed once is likely to change again: the
  // others keep no letters to draw on. A readout that changes colour, as
  // a speed does past a mark, keeps the letters of both colours.
  if (outlinedOnce_) {
    drawnBefore_.insert(drawnBefore_.begin(), {kind, letters, outline, std::move(shown)});
    if (drawnBefore_.size() > 2) drawnBefore_.pop_back();
  }
  outlinedOnce_ = true;
  return keep(key, lettersOn(outline, letters));
}

QImage DrawnLabel::keep(const QString& key, const QImage& drawn) {
  // A small caption counts as a sixteenth of the room: a clock's captions,
  // which never come back, take 16 places, not hundreds.
  kept_.insert(key, new QImage(drawn), std::max<qsizetype>(kilobytesOf(drawn), kKeptKiB / 16));
  keptLetters().insert(key, new QImage(drawn), kilobytesOf(drawn));
  return drawn;
}

}  // namespace platform::qt
