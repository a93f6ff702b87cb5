#include "ui/qt/render.h"

#include <QPixmap>

#include "ui/qt/window_view.h"

namespace ui::qt {

QImage renderWindow(Program& program, Window& window, int scale) {
  WindowView view(program, window, scale, false);
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.show();
  QImage image = view.grab().toImage();
  view.hide();
  return image;
}

}  // namespace ui::qt
