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

namespace {

// Works out the outline of `letters` (premultiplied) for every pixel of
// `area`, writing it into `out`, an image of the same size.
void outlineWithin(QImage& out, const QImage& letters, QRect area, int radius, QColor colour) {
  area &= letters.rect();
  if (area.isEmpty()) return;
  radius = std::max(radius, 0);
  const int reach = radius + 1;

  // The letters around the area, as far as the pen reaches, with nothing
  // beyond the image's edges. A pixel a quarter covered by a letter already
  // shows it: the outline starts where the eye sees the letter end, not at
  // its faintest rim.
  const QRect around = area.adjusted(-reach, -reach, reach, reach);
  const int w = around.width(), h = around.height();
  std::vector<float> ink(static_cast<std::size_t>(w) * h, 0.0f);
  // How many inked pixels lie above and left of each point: whether the
  // pen's square around a pixel holds any letter is then four look-ups.
  std::vector<int> inked(static_cast<std::size_t>(w + 1) * (h + 1), 0);
  for (int y = 0; y < h; ++y) {
    const int sy = y + around.top();
    const QRgb* row = sy >= 0 && sy < letters.height()
                          ? reinterpret_cast<const QRgb*>(letters.constScanLine(sy))
                          : nullptr;
    int inRow = 0;
    for (int x = 0; x < w; ++x) {
      const int sx = x + around.left();
      const float a = row != nullptr && sx >= 0 && sx < letters.width()
                          ? std::min(1.0f, qAlpha(row[sx]) / 255.0f * 4.0f)
                          : 0.0f;
      ink[static_cast<std::size_t>(y) * w + x] = a;
      inRow += a > 0 ? 1 : 0;
      inked[static_cast<std::size_t>(y + 1) * (w + 1) + (x + 1)] =
          inked[static_cast<std::size_t>(y) * (w + 1) + (x + 1)] + inRow;
    }
  }
  auto inkedBefore = [&](int x, int y) { return inked[static_cast<std::size_t>(y) * (w + 1) + x]; };

  // A round pen: full within the radius, fading over the next pixel.
  struct Tap {
    std::ptrdiff_t offset;
    float weight;
    int distance;  // squared
  };
  std::vector<Tap> pen;
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const float weight =
          std::clamp(static_cast<float>(radius + 1) -
                         std::hypot(static_cast<float>(dx), static_cast<float>(dy)),
                     0.0f, 1.0f);
      if (weight > 0)
        pen.push_back({static_cast<std::ptrdiff_t>(dy) * w + dx, weight, dx * dx + dy * dy});
    }
  // Nearest first: inside and right beside the letters the first taps decide.
  std::stable_sort(pen.begin(), pen.end(),
                   [](const Tap& a, const Tap& b) { return a.distance < b.distance; });

  const QRgb full = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), 255));
  for (int y = reach; y < h - reach; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y + around.top())) + around.left();
    for (int x = reach; x < w - reach; ++x) {
      row[x] = 0;
      if (inkedBefore(x + reach + 1, y + reach + 1) - inkedBefore(x - reach, y + reach + 1) -
              inkedBefore(x + reach + 1, y - reach) + inkedBefore(x - reach, y - reach) ==
          0)
        continue;
      const float* at = &ink[static_cast<std::size_t>(y) * w + x];
      float a = 0;
      for (const Tap& t : pen) {
        // The pen weakens outwards and no letter is more than whole: once
        // the outline is this strong, the farther taps cannot add to it.
        if (a >= t.weight) break;
        a = std::max(a, at[t.offset] * t.weight);
      }
      if (a <= 0) continue;
      const int alpha = static_cast<int>(std::lround(a * 255));
      row[x] = qRgba(qRed(full) * alpha / 255, qGreen(full) * alpha / 255,
                     qBlue(full) * alpha / 255, alpha);
    }
  }
}

}  // namespace

QImage outlineOf(const QImage& letters, int radius, QColor colour) {
  const QImage src = letters.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(src.size(), QImage::Format_ARGB32_Premultiplied);
  out.setDevicePixelRatio(letters.devicePixelRatio());
  out.fill(Qt::transparent);
  outlineWithin(out, src, src.rect(), radius, colour);
  return out;
}

void redoOutline(QImage& outline, const QImage& letters, QRect changed, int radius, QColor colour) {
  // A pixel's outline comes from the letters within the pen's reach of it.
  const int reach = std::max(radius, 0) + 1;
  outlineWithin(outline, letters.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                changed.adjusted(-reach, -reach, reach, reach), radius, colour);
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
