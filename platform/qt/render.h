// Draws a window as the player would see it, without a screen.
#pragma once

#include <QImage>

#include "ui/window.h"

namespace platform::qt {

// Needs a QApplication (the offscreen platform will do).
QImage renderWindow(ui::Program& program, ui::Window& window, int scale);

}  // namespace platform::qt
