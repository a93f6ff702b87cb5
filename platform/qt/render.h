// Draws a window as the player would see it, without a screen.
#pragma once

#include <QImage>

namespace ui {
class Program;
class Window;
}  // namespace ui

namespace platform::qt {

// Needs a QApplication (the offscreen platform will do).
QImage renderWindow(ui::Program& program, ui::Window& window, int scale);

}  // namespace platform::qt
