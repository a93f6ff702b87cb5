// The desktop's drawing of the game's own element kinds: picture areas,
// images and labels. Text boxes, buttons, option buttons, frames and combos
// are Qt's own widgets.
#pragma once

#include <QFont>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <string>

#include "ui/element.h"

namespace ui::qt {

// A game colour (red in the low byte) as a Qt colour.
QColor toQColor(std::int32_t colour);
// The game's font at a point size, for a window drawn at `scale`.
QFont gameFont(float pointSize, bool bold, int scale);
// Twips to pixels at a scale.
int px(float twips, int scale);
// Draws a picture of the game's art filling `target`, drawn afresh at the
// device's own pixels so it stays crisp on high-density screens.
void drawPicture(QPainter& p, const std::string& name, QRect target);

// What an element widget shows, and where clicks go.
class ElementWidget : public QWidget {
 public:
  ElementWidget(QWidget* parent, int scale) : QWidget(parent), scale_(scale) {}
  // Takes the properties to draw; repaints only when something changed.
  void setLook(const Element& e);
  std::function<void()> onClick;
  std::function<void()> onDoubleClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* ev) override;
  void mouseDoubleClickEvent(QMouseEvent* ev) override;
  int scale_;
  Element look_;
  bool hasLook_ = false;
};

class PictureAreaWidget : public ElementWidget {
 public:
  using ElementWidget::ElementWidget;
  // Offset of the inner area, where contained elements sit.
  int inset() const;

 protected:
  void paintEvent(QPaintEvent*) override;
};

class ImageWidget : public ElementWidget {
 public:
  using ElementWidget::ElementWidget;

 protected:
  void paintEvent(QPaintEvent*) override;
};

class LabelWidget : public ElementWidget {
 public:
  using ElementWidget::ElementWidget;

 protected:
  void paintEvent(QPaintEvent*) override;
};

}  // namespace ui::qt
