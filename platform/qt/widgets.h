// What every drawing of the desktop shares (colours, fonts, pictures at the
// scale shown), and the text box of several lines. Single-line text boxes,
// buttons, option buttons, frames and combos are Qt's own widgets; the
// game's own element kinds are drawn by the window's canvas (drawn.h).
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

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
