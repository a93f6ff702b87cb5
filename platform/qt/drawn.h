// The game's own element kinds as the window's canvas draws them: picture
// areas, images and labels. None is a desktop widget; each draws itself at
// its place on the canvas when the canvas asks.
#pragma once

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QTextLayout>
#include <vector>

#include "ui/element.h"

namespace platform::qt {

// Outlined captions are kept once drawn, for the next label that shows the
// same; this forgets them all, so the next are drawn from the start.
void forgetOutlinedLetters();

class DrawnElement {
 public:
  explicit DrawnElement(int scale) : scale_(scale) {}
  virtual ~DrawnElement() = default;
  DrawnElement(const DrawnElement&) = delete;
  DrawnElement& operator=(const DrawnElement&) = delete;

  // Takes the properties to draw; true when the drawing changed.
  bool setLook(const ui::Element& e);
  const ui::Element& look() const { return look_; }
  // The size it is drawn at; true when it changed.
  bool resize(QSize size);
  QSize size() const { return size_; }
  int width() const { return size_.width(); }
  int height() const { return size_.height(); }
  QRect rect() const { return QRect(QPoint(0, 0), size_); }

  // Draws the part `dirty` (in its own pixels, top-left at the painter's
  // origin); the painter is clipped to it.
  virtual void paint(QPainter& p, QRect dirty) = 0;
  // Whether it covers every pixel of `dirty` with no see-through pixel, so
  // nothing drawn under it there would show.
  virtual bool covers(const QPainter& /*p*/, QRect /*dirty*/) const { return false; }
  // The text shown when the pointer rests on it; empty for none.
  virtual QString toolTip() const { return {}; }
  // Turns the wheel over it by `delta` (120 a notch); false when it has
  // nothing to scroll, so the turn goes on to what holds it.
  virtual bool wheel(int /*delta*/) { return false; }
  // It alone, drawn on a see-through image of its size.
  QImage picture(qreal ratio = 1.0);

 protected:
  // Called by setLook when something changed; `before` is the old look
  // (meaningless on the first call, `first`).
  virtual void lookChanged(const ui::Element& /*before*/, bool /*first*/) {}
  virtual void resized() {}
  int scale_;
  ui::Element look_;
  bool hasLook_ = false;
  QSize size_;
};

class DrawnPictureArea : public DrawnElement {
 public:
  using DrawnElement::DrawnElement;
  // Offset of the inner area, where contained elements sit.
  int inset() const;
  void paint(QPainter& p, QRect dirty) override;
  bool covers(const QPainter& p, QRect dirty) const override;

 private:
  QRect pictureRect() const;
};

class DrawnImage : public DrawnElement {
 public:
  using DrawnElement::DrawnElement;
  void paint(QPainter& p, QRect dirty) override;
  bool covers(const QPainter& p, QRect dirty) const override;

 private:
  QRect pictureRect() const;
};

// A caption, wrapped on whole words. Only lines whose letters fit whole in
// the label are drawn; the wheel scrolls through the others a line at a
// time, and the whole caption is the label's tool tip. Over a picture the
// letters get a thin outline that sets them apart from it.
class DrawnLabel : public DrawnElement {
 public:
  using DrawnElement::DrawnElement;
  // True when the drawing changed.
  bool setOutlined(bool on);
  bool outlined() const { return outlined_; }
  // The caption's lines, the first one shown and how many are shown.
  int lineCount() const;
  int firstLine() const { return first_; }
  int shownLines() const;
  // Moves the shown lines by whole lines, as the wheel does, never past the
  // first line or beyond the point where the last one shows.
  void scrollLines(int by);
  void paint(QPainter& p, QRect dirty) override;
  bool covers(const QPainter& p, QRect dirty) const override;
  QString toolTip() const override { return tip_; }
  bool wheel(int delta) override;

 protected:
  void lookChanged(const ui::Element& before, bool first) override;
  void resized() override;

 private:
  struct Line {
    qreal top;        // of the line box, in the laid-out caption
    qreal inkBottom;  // lowest point of its letters
  };
  // A letter of the shown lines: its glyph in its font, where its run places
  // it, and the box its ink fills in the label.
  struct Letter {
    quint32 glyph;
    QPointF place;
    QRectF ink;
    QRawFont font;
    bool sameAs(const Letter& o) const {
      return glyph == o.glyph && place == o.place && font == o.font;
    }
  };
  void layOut();
  int fittingFrom(int first) const;
  int lastFirst() const;
  int thickening() const;
  void drawLetters(QPainter& p) const;
  std::vector<Letter> lettersShown() const;
  void redrawLetters(QPainter& p, QRectF area) const;
  // The shown lines' letters with their outline, as an image the label's size.
  QImage outlinedLetters(qreal ratio);
  // Keeps outlined letters for this label and for others drawn alike.
  QImage keep(const QString& key, const QImage& drawn);

  QTextLayout layout_;
  std::vector<Line> lines_;
  bool laidOut_ = false;
  int first_ = 0;
  int wheel_ = 0;  // wheel turn not yet a whole line
  bool outlined_ = false;
  QString tip_;
  QImage drawn_;  // letters and outline, kept until something changes
  // Letters outlined lately, the latest first, each with its outline and
  // where its letters are: those of another caption drawn alike are drawn
  // on them.
  struct DrawnBefore {
    QString kind;  // what it shares with captions drawn alike
    QImage letters;
    QImage outline;
    std::vector<Letter> shown;
  };
  std::vector<DrawnBefore> drawnBefore_;
  bool outlinedOnce_ = false;
  // Its own outlined captions, up to 16 of them and 4 MiB: a speed comes
  // back to the same few values while the clock beside it never does, and
  // the clock's captions must not push the speed's out of those all labels
  // share.
  static constexpr qsizetype kKeptKiB = 4096;
  QCache<QString, QImage> kept_{kKeptKiB};
};

}  // namespace platform::qt
