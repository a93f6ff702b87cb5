// A game window on the desktop: a Qt window with one widget per element,
// kept in step with the elements after every event.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "ui/element.h"

namespace ui {
class Program;
class Window;
}  // namespace ui

namespace ui::qt {

class WindowView : public QWidget {
 public:
  // `interactive` connects the widgets to the program; a view made only to
  // be drawn into a picture leaves it out.
  WindowView(Program& program, Window& window, int scale, bool interactive);

  Window& window() const { return window_; }
  int scale() const { return scale_; }
  // Brings every widget in line with its element.
  void sync();
  // The element a widget of this view stands for, or nullptr.
  Element* elementOf(const QWidget* widget) const;
  // Gives the keyboard focus to the widget of the window's focused element.
  void syncFocus();

 protected:
  void paintEvent(QPaintEvent*) override;
  void closeEvent(QCloseEvent* ev) override;

 private:
  struct Item {
    std::string name;
    int index;
    QWidget* widget = nullptr;
    Element last;
    bool synced = false;
  };
  void build(bool interactive);
  QWidget* makeWidget(const Element& e, bool interactive);
  void syncItem(Item& item, const Element& e);
  QWidget* containerOf(const Element& e) const;

  Program& program_;
  Window& window_;
  int scale_;
  std::vector<Item> items_;
  bool syncing_ = false;
};

}  // namespace ui::qt
