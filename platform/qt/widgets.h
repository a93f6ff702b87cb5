// The desktop's drawing of the game's own element kinds: picture areas,
// images and labels, and the text box of several lines. Single-line text
// boxes, buttons, option buttons, frames and combos are Qt's own widgets.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/element.h"

namespace platform::qt {

// A game colour (red in the low byte) as a Qt colour.
QColor toQColor(std::int32_t colour);
// The game's font at a point size, for a window drawn at `scale`.
QFont gameFont(float pointSize, bool bold, int scale);
// Twips to pixels at a scale.
int px(float twips, int scale);
// Draws a picture of the game's art filling `target`, drawn afresh at the
// device's own pixels so it stays crisp on high-density screens.
void drawPicture(QPainter& p, const std::string& name, QRect target);
// Whether the picture drawn at `target` covers every pixel of `dirty` with
// no see-through pixel, so nothing painted under it there would show.
bool hidesWhatLiesUnder(const QPainter& p, const std::string& name, QRect target, QRect dirty);
// Paints the area a paint event asks for one rectangle at a time, each
// clipped to itself. Within a plain rectangle Qt copies pictures and fills
// straight into the window; a ragged area of several rectangles would send
// every fill through its pool of threads, waking them each frame.
void paintByRects(QPainter& p, const QRegion& area, const std::function<void(QRect)>& paint);

// What an element widget shows, and where clicks go.
class ElementWidget : public QWidget {
 public:
  ElementWidget(QWidget* parent, int scale) : QWidget(parent), scale_(scale) {}
  // Takes the properties to draw; repaints only when something changed.
  void setLook(const ui::Element& e);
  std::function<void()> onClick;
  std::function<void()> onDoubleClick;

 protected:
  // Called by setLook when something changed; `before` is the old look
  // (meaningless on the first call, `first`).
  virtual void lookChanged(const ui::Element& /*before*/, bool /*first*/) {}
  void mouseReleaseEvent(QMouseEvent* ev) override;
  void mouseDoubleClickEvent(QMouseEvent* ev) override;
  int scale_;
  ui::Element look_;
  bool hasLook_ = false;
};

class PictureAreaWidget : public ElementWidget {
 public:
  using ElementWidget::ElementWidget;
  // Offset of the inner area, where contained elements sit.
  int inset() const;

 protected:
  void lookChanged(const ui::Element& before, bool first) override;
  void paintEvent(QPaintEvent*) override;
};

class ImageWidget : public ElementWidget {
 public:
  using ElementWidget::ElementWidget;

 protected:
  void paintEvent(QPaintEvent*) override;
};

// A caption, wrapped on whole words. Only lines whose letters fit whole in
// the label are drawn; the wheel scrolls through the others a line at a
// time, and the whole caption is the label's tool tip. Over a picture the
// letters get a thin outline that sets them apart from it.
class LabelWidget : public ElementWidget {
 public:
  using ElementWidget::ElementWidget;
  void setOutlined(bool on);
  bool outlined() const { return outlined_; }
  // The caption's lines, the first one shown and how many are shown.
  int lineCount() const;
  int firstLine() const { return first_; }
  int shownLines() const;
  // Moves the shown lines by whole lines, as the wheel does, never past the
  // first line or beyond the point where the last one shows.
  void scrollLines(int by);

 protected:
  void lookChanged(const ui::Element& before, bool first) override;
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void wheelEvent(QWheelEvent* ev) override;

 private:
  struct Line {
    qreal top;        // of the line box, in the laid-out caption
    qreal inkBottom;  // lowest point of its letters
  };
  void layOut();
  int fittingFrom(int first) const;
  int lastFirst() const;
  void drawLetters(QPainter& p) const;
  // The shown lines' letters with their outline, as an image the label's size.
  QImage outlinedLetters();

  QTextLayout layout_;
  std::vector<Line> lines_;
  bool laidOut_ = false;
  int first_ = 0;
  int wheel_ = 0;  // wheel turn not yet a whole line
  bool outlined_ = false;
  QImage drawn_;  // letters and outline, kept until something changes
  // The letters last outlined, and their outline in `outlineColour_`.
  QImage letters_;
  QImage outline_;
  QRgb outlineColour_ = 0;
  bool outlinedOnce_ = false;
};

// A text box of several lines. Long lines wrap on whole words; only lines
// that fit whole are drawn, and the wheel or the keys scroll to the rest.
// Instead of scroll bars, small marks at the right edge tell that there is
// more above or below.
class TextBoxWidget : public QPlainTextEdit {
 public:
  explicit TextBoxWidget(QWidget* parent);
  // Lines of the text as wrapped, and those drawn at the moment.
  int lineCount() const;
  int firstShownLine() const;
  int shownLineCount() const;

 protected:
  void paintEvent(QPaintEvent* ev) override;
  void resizeEvent(QResizeEvent* ev) override;
  void changeEvent(QEvent* ev) override;

 private:
  class Marks;
  // The height of the viewport taken by whole lines.
  int wholeLinesHeight() const;
  void placeMarks();
  Marks* marks_;
};

}  // namespace platform::qt
