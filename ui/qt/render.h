// Draws a window as the player would see it, without a screen.
#pragma once

#include <QImage>

namespace ui {
class Program;
class Window;
}  // namespace ui

namespace ui::qt {

// Needs a QApplication (the offscreen platform will do).
QImage renderWindow(Program& program, Window& window, int scale);

}  // namespace ui::qt
