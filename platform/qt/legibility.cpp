#include "platform/qt/legibility.h"

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/qt/widgets.h"
#include "ui/window.h"

namespace platform::qt {

double luminance(QColor c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrastRatio(QColor a, QColor b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor outlineColour(QColor text) {
  const QColor black(0, 0, 0), white(255, 255, 255);
  return contrastRatio(text, black) >= contrastRatio(text, white) ? black : white;
}

QImage outlineOf(const QImage& letters, int radius, QColor colour) {
  const QImage src = letters.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int w = src.width(), h = src.height();
  QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
  out.setDevicePixelRatio(letters.devicePixelRatio());
  out.fill(Qt::transparent);
  radius = std::max(radius, 0);

  // A pixel a quarter covered by a letter already shows it: the outline
  // starts where the eye sees the letter end, not at its faintest rim.
  std::vector<float> ink(static_cast<std::size_t>(w) * h);
  int left = w, right = -1, top = h, bottom = -1;
  for (int y = 0; y < h; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      const float a = std::min(1.0f, qAlpha(row[x]) / 255.0f * 4.0f);
      ink[static_cast<std::size_t>(y) * w + x] = a;
      if (a > 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0) return out;

  // A round pen: full within the radius, fading over the next pixel.
  struct Tap {
    int dx, dy;
    float weight;
  };
  std::vector<Tap> pen;
  const int reach = radius + 1;
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const float weight =
          std::clamp(static_cast<float>(radius + 1) -
                         std::hypot(static_cast<float>(dx), static_cast<float>(dy)),
                     0.0f, 1.0f);
      if (weight > 0) pen.push_back({dx, dy, weight});
    }
  // Nearest first: inside and right beside the letters the first taps decide.
  std::stable_sort(pen.begin(), pen.end(), [](const Tap& a, const Tap& b) {
    return a.dx * a.dx + a.dy * a.dy < b.dx * b.dx + b.dy * b.dy;
  });

  // Only pixels with a letter somewhere within the pen's square can take
  // any outline: counted row by row, then column by column.
  const int x0 = std::max(0, left - reach), x1 = std::min(w - 1, right + reach);
  const int y0 = std::max(0, top - reach), y1 = std::min(h - 1, bottom + reach);
  const int spanW = x1 - x0 + 1, spanH = y1 - y0 + 1;
  std::vector<int> across(static_cast<std::size_t>(spanW) * spanH);
  std::vector<int> prefix(static_cast<std::size_t>(std::max(spanW, spanH)) + 1);
  for (int y = y0; y <= y1; ++y) {
    const float* row = &ink[static_cast<std::size_t>(y) * w];
    for (int x = x0; x <= x1; ++x) prefix[x - x0 + 1] = prefix[x - x0] + (row[x] > 0 ? 1 : 0);
    for (int x = x0; x <= x1; ++x)
      across[static_cast<std::size_t>(y - y0) * spanW + (x - x0)] =
          prefix[std::min(spanW, x - x0 + reach + 1)] - prefix[std::max(0, x - x0 - reach)];
  }
  std::vector<char> near(across.size());
  for (int x = 0; x < spanW; ++x) {
    for (int y = 0; y < spanH; ++y)
      prefix[y + 1] = prefix[y] + across[static_cast<std::size_t>(y) * spanW + x];
    for (int y = 0; y < spanH; ++y)
      near[static_cast<std::size_t>(y) * spanW + x] =
          prefix[std::min(spanH, y + reach + 1)] - prefix[std::max(0, y - reach)] > 0;
  }

  const QRgb full = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), 255));
  for (int y = y0; y <= y1; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = x0; x <= x1; ++x) {
      if (!near[static_cast<std::size_t>(y - y0) * spanW + (x - x0)]) continue;
      float a = 0;
      for (const Tap& t : pen) {
        // The pen weakens outwards and no letter is more than whole: once
        // the outline is this strong, the farther taps cannot add to it.
        if (a >= t.weight) break;
        const int sx = x + t.dx, sy = y + t.dy;
        if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
        a = std::max(a, ink[static_cast<std::size_t>(sy) * w + sx] * t.weight);
      }
      if (a <= 0) continue;
      const int alpha = static_cast<int>(std::lround(a * 255));
      row[x] = qRgba(qRed(full) * alpha / 255, qGreen(full) * alpha / 255,
                     qBlue(full) * alpha / 255, alpha);
    }
  }
  return out;
}

QImage outlineOf(const QImage& letters, int radius, QColor colour, const QImage& earlier,
                 const QImage& earlierOutline) {
  if (letters.format() != QImage::Format_ARGB32_Premultiplied ||
      earlier.format() != letters.format() || earlier.size() != letters.size() ||
      earlierOutline.size() != letters.size() ||
      earlier.devicePixelRatio() != letters.devicePixelRatio())
    return outlineOf(letters, radius, colour);
  const int w = letters.width(), h = letters.height();
  int left = w, right = -1, top = h, bottom = -1;
  for (int y = 0; y < h; ++y) {
    const QRgb* now = reinterpret_cast<const QRgb*>(letters.constScanLine(y));
    const QRgb* was = reinterpret_cast<const QRgb*>(earlier.constScanLine(y));
    if (std::equal(now, now + w, was)) continue;
    int x = 0;
    while (now[x] == was[x]) ++x;
    left = std::min(left, x);
    x = w - 1;
    while (now[x] == was[x]) --x;
    right = std::max(right, x);
    top = std::min(top, y);
    bottom = y;
  }
  if (right < 0) return earlierOutline;
  // A pixel's outline comes from the letters within the pen's reach of it:
  // around the change, worked out from the letters within twice that reach.
  const int reach = std::max(radius, 0) + 1;
  const QRect changed(QPoint(left, top), QPoint(right, bottom));
  const QRect redo = changed.adjusted(-reach, -reach, reach, reach) & letters.rect();
  const QRect seen =
      changed.adjusted(-2 * reach, -2 * reach, 2 * reach, 2 * reach) & letters.rect();
  const QImage part = outlineOf(letters.copy(seen), radius, colour);
  QImage out = earlierOutline.copy();
  for (int y = redo.top(); y <= redo.bottom(); ++y)
    std::copy_n(reinterpret_cast<const QRgb*>(part.constScanLine(y - seen.top())) +
                    (redo.left() - seen.left()),
                redo.width(), reinterpret_cast<QRgb*>(out.scanLine(y)) + redo.left());
  return out;
}

namespace {

QRectF areaOf(const ui::Element& e) { return QRectF(e.Left, e.Top, e.Width, e.Height); }

bool showsPicture(const ui::Element& e) {
  return (e.kind == ui::Kind::PictureArea || e.kind == ui::Kind::Image) && !e.Picture.empty();
}

// Whether letters of `fore` read on a plain `back` without help.
bool readsOn(std::int32_t fore, std::int32_t back) {
  return contrastRatio(toQColor(fore), toQColor(back)) >= kReadableContrast;
}

}  // namespace

bool needsOutline(const ui::Window& window, const ui::Element& label) {
  if (label.BackOpaque) return !readsOn(label.ForeColor, label.BackColor);
  // A banner is the dark band its letters stand on.
  if (label.skin == ui::Skin::Banner) return false;
  const auto& els = window.elements();
  std::size_t below = 0;
  while (below < els.size() && &els[below] != &label) ++below;
  if (below == els.size()) return true;

  // Down through what lies under the label, nearest first: its siblings
  // drawn before it, then the picture area or frame holding it, and so on to
  // the window itself.
  QRectF area = areaOf(label);
  std::string container = label.container;
  for (;;) {
    for (std::size_t j = below; j-- > 0;) {
      const ui::Element& o = els[j];
      if (o.container != container || !o.Visible || !areaOf(o).intersects(area)) continue;
      if (showsPicture(o)) return true;
      if (o.BackOpaque && (o.kind == ui::Kind::PictureArea || o.kind == ui::Kind::Label) &&
          areaOf(o).contains(area))
        return !readsOn(label.ForeColor, o.BackColor);
    }
    if (container.empty()) break;
    std::size_t holder = 0;
    while (holder < els.size() && els[holder].id() != container) ++holder;
    if (holder == els.size()) break;
    const ui::Element& c = els[holder];
    if (showsPicture(c)) return true;
    if (c.BackOpaque) return !readsOn(label.ForeColor, c.BackColor);
    area.translate(c.Left, c.Top);
    container = c.container;
    below = holder;
  }
  const ui::Design& d = window.design();
  return !d.picture.empty() || !readsOn(label.ForeColor, d.backColor);
}

}  // namespace platform::qt
