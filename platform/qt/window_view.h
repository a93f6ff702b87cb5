// A game window on the desktop: a Qt window whose canvas draws the game's
// own elements, with a Qt widget for each control the player types or
// clicks into, kept in step with the elements after every event.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "ui/element.h"

namespace ui {
class Program;
class Window;
}  // namespace ui

namespace platform::qt {

class GlassTag;

class Canvas;
class DrawnElement;

class WindowView : public QWidget {
 public:
  // `interactive` connects the widgets to the program; a view made only to
  // be drawn into a picture leaves it out.
  WindowView(ui::Program& program, ui::Window& window, int scale, bool interactive);

  ui::Window& window() const { return window_; }
  int scale() const { return scale_; }
  // Draws the window afresh at another whole scale, its widgets rebuilt and
  // brought in line with the elements.
  void setScale(int scale);
  // Draws the window afresh at its scale: its texts in the language now
  // chosen.
  void rebuild();
  // Fills the screen: the window's content drawn at the largest whole scale
  // that fits, centred on black. Off again, the window returns to `scale`.
  void setFullScreenMode(bool on, int normalScale);
  bool fullScreenMode() const { return fullScreen_; }
  // The largest whole scale at which the window fits inside `area`.
  int fittingScale(QSize area) const;
  // Where the window's own content sits inside this view.
  QRect contentRect() const;
  // Brings every widget in line with its element.
  void sync();
  // Words after the window's caption in its title bar ("  ·  Replay").
  void setTitleNote(const QString& note);
  // Words on a glass tag over the window's top corner; empty: no tag.
  void setTag(const QString& text);
  // The element a widget of this view stands for, or nullptr. A picture
  // area that takes the keys has a widget standing in for it.
  ui::Element* elementOf(const QWidget* widget) const;
  // The widget of an element: a desktop control, or the stand-in of a
  // picture area that takes the keys; nullptr for one only drawn.
  QWidget* widgetOf(const ui::Element& e) const;
  // What the canvas draws for an element, or nullptr for a desktop control.
  DrawnElement* drawnOf(const ui::Element& e) const;
  // Where an element sits in this view, whole.
  QRect rectOf(const ui::Element& e) const;
  // The element a click at `at` (in this view) reaches, or nullptr.
  ui::Element* elementAt(QPoint at) const;
  // The widget the game's own elements are drawn on.
  QWidget* canvas() const;
  // Gives the keyboard focus to the widget of the window's focused element.
  void syncFocus();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void closeEvent(QCloseEvent* ev) override;

 private:
  struct Item {
    std::string name;
    int index;
    QWidget* widget = nullptr;
    ui::Element last;
    bool synced = false;
  };
  void build(bool interactive);
  QWidget* makeWidget(const ui::Element& e, bool interactive);
  void syncItem(std::size_t index, const ui::Element& e);
  int indexOf(const ui::Element& e) const;

  QSize contentSize() const;

  ui::Program& program_;
  ui::Window& window_;
  int scale_;
  bool interactive_;
  bool fullScreen_ = false;
  QString titleNote_;
  GlassTag* tag_ = nullptr;
  QRect normalGeometry_;
  Canvas* canvas_ = nullptr;
  std::vector<Item> items_;
  bool syncing_ = false;
};

}  // namespace platform::qt
