#include <QPainter>

#include "style.h"

namespace art {
void paintSetup(QPainter& p) { p.fillRect(QRectF(0, 0, 320, 213), pal::kPaper); }
}  // namespace art
