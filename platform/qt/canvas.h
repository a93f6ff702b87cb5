// The window's own area: one widget that draws the window's background and
// every drawn element (picture areas, images, labels, banners, readouts) in
// the designed order, repainting only where something changed. Clicks, the
// wheel and tool tips go to the topmost drawn element under the pointer.
// The desktop's own controls sit above it as widgets of their own.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/drawn.h"
#include "ui/window.h"

namespace ui {
class Program;
}

namespace platform::qt {

class Canvas : public QWidget {
 public:
  // `program` is where clicks go; nullptr for a canvas only drawn.
  Canvas(QWidget* parent, ui::Window& window, ui::Program* program);

  // Makes the drawn elements afresh at `scale`.
  void build(int scale);
  // Where an element sits and whether it shows, worked out from its own
  // properties and those of what holds it.
  struct Place {
    QRect rect;    // on the canvas, whole
    QRect clip;    // the part its holders leave to be seen
    QPoint inner;  // where the elements it holds are placed from
    bool shown = false;
    bool enabled = false;
  };
  // Brings every drawn element and every place in line with the window,
  // and repaints what changed.
  void sync();
  // Of the element at `index` in the window's list, as of the last sync.
  const Place& place(std::size_t index) const { return places_[index]; }
  // The drawn element for the element at `index`, or nullptr.
  DrawnElement* drawn(std::size_t index) const;
  // The index of the drawn element a click at `at` reaches, -1 for none.
  int elementAt(QPoint at) const;
  // The element holding the element at `index`, -1 for the window.
  int holderOf(std::size_t index) const {
    return index < container_.size() ? container_[index] : -1;
  }
  // Lifts above the desktop's controls each drawn element designed after a
  // control it overlaps, and what it holds: drawn on the canvas it would lie
  // under that control. `controls` holds each element's control or nullptr.
  void liftOver(const std::vector<QWidget*>& controls);
  // The widget a lifted element is drawn on, or nullptr.
  QWidget* liftedOf(std::size_t index) const;
  // The widget that takes the keys for a drawn element (a picture area).
  void setFocusStandIn(std::size_t index, QWidget* standIn);

 protected:
  void paintEvent(QPaintEvent* ev) override;
  void mousePressEvent(QMouseEvent* ev) override;
  void mouseReleaseEvent(QMouseEvent* ev) override;
  void mouseDoubleClickEvent(QMouseEvent* ev) override;
  void wheelEvent(QWheelEvent* ev) override;
  bool event(QEvent* ev) override;

 private:
  struct Piece {
    std::size_t index;  // in the window's elements
    std::unique_ptr<DrawnElement> drawn;
    Place drawnAt;  // where it was last drawn
    QPointer<QWidget> standIn;
    QPointer<QWidget> lifted;
  };
  void placeAll();
  const Place& placeOf(std::size_t index, std::vector<char>& done);
  // The topmost shown element under `at`, -1 for none.
  int topmostAt(QPoint at) const;
  // From `index` out through its holders, to the first that `accepts`.
  int outwards(int index, const std::function<bool(int)>& accepts) const;
  void paintRect(QPainter& p, QRect dirty);
  void paintBackdrop(QPainter& p, QRect dirty);
  void click(int index, bool twice);

  ui::Window& window_;
  ui::Program* program_;
  int scale_ = 1;
  std::vector<Piece> pieces_;   // in the order they are drawn
  std::vector<int> pieceOf_;    // by element index, -1 for none
  std::vector<int> container_;  // by element index, -1 for the window
  std::vector<Place> places_;   // by element index
  int pressed_ = -1;            // the element a press went to
  std::string backdrop_;        // the background picture last drawn
};

}  // namespace platform::qt
