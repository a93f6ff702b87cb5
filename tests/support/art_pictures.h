// What the picture tests share: renders at a scale, and the game's windows
// as designed, with their elements' rectangles in pixels as the desktop
// places them.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "art.h"
#include "frontend/game.h"
#include "platform/qt/render.h"
#include "platform/qt/widgets.h"
#include "tests/support/tone.h"
#include "ui/program.h"
#include "ui/virtual/session.h"
#include "ui/window.h"

namespace art_pictures {

using tone::contrast;
using tone::luminance;
using tone::measure;
using tone::Tone;

inline int distinctColours(const QImage& image, int cap = 64) {
  std::set<QRgb> seen;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      seen.insert(image.pixel(x, y));
      if (static_cast<int>(seen.size()) >= cap) return cap;
    }
  }
  return static_cast<int>(seen.size());
}

inline QRect scaled(const QRect& r, int s) {
  return QRect(r.x() * s, r.y() * s, r.width() * s, r.height() * s);
}

inline QImage renderAt(const std::string& name, int scale) {
  return art::render(name, art::nativeSize(name) * scale);
}

// The game's windows as designed: where the pictures have to leave room.
inline const ui::Design& designOf(const std::string& window) {
  static ui::VirtualSession game(frontend::addWindows);
  return game.program().window(window).design();
}

inline const ui::Element& designed(const ui::Design& d, std::string_view name, int index = -1) {
  for (const ui::Element& e : d.elements) {
    if (e.name == name && e.index == index) return e;
  }
  throw std::invalid_argument("no element " + std::string(name));
}

// An element's rectangle in window pixels at `scale`, as the desktop places it.
inline QRect pixelsOf(const ui::Element& e, int scale) {
  return QRect(platform::qt::px(e.Left, scale), platform::qt::px(e.Top, scale),
               platform::qt::px(e.Width, scale), platform::qt::px(e.Height, scale));
}

inline QSize windowPixels(const ui::Design& d, int scale) {
  return QSize(platform::qt::px(static_cast<float>(d.width), scale),
               platform::qt::px(static_cast<float>(d.height), scale));
}

// Cars are shown stretched to this size on the road.
inline const QSize kShownCar(61, 83);

// Average colour of the opaque pixels `counts` keeps.
template <typename Counts>
QColor averageColour(const QImage& image, Counts counts) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() < 255 || !counts(c)) continue;
      r += c.red();
      g += c.green();
      b += c.blue();
      ++n;
    }
  }
  if (n == 0) return QColor();
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

// Average colour of the paintwork: opaque pixels that are clearly coloured,
// leaving out ink, tyres, glass and white trim.
inline QColor paintColour(const QImage& image) {
  return averageColour(image,
                       [](const QColor& c) { return c.hsvSaturation() >= 90 && c.value() >= 90; });
}

// Average colour and brightness of everything opaque.
inline QColor meanColour(const QImage& image) {
  return averageColour(image, [](const QColor&) { return true; });
}

inline double colourDistance(QColor a, QColor b) {
  return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

inline double luminanceOf(const QImage& image, int x, int y) {
  return luminance(image.pixelColor(x, y));
}

// The mean luminance of each row of `image`, top to bottom.
inline std::vector<double> rowBrightness(const QImage& image) {
  std::vector<double> rows;
  for (int y = 0; y < image.height(); ++y) {
    double sum = 0;
    for (int x = 0; x < image.width(); ++x) sum += luminanceOf(image, x, y);
    rows.push_back(sum / image.width());
  }
  return rows;
}

}  // namespace art_pictures
