#include "platform/qt/render.h"

#include <QPixmap>

#include "platform/qt/window_view.h"

namespace platform::qt {

QImage renderWindow(ui::Program& program, ui::Window& window, int scale) {
  WindowView view(program, window, scale, false);
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.show();
  QImage image = view.grab().toImage();
  view.hide();
  return image;
}

}  // namespace platform::qt
