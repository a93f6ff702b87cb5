// How an area of a picture reads behind text: its brightness as the
// accessibility guidelines measure it, for the picture tests.
#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

#include "platform/qt/legibility.h"

namespace tone {

using platform::qt::luminance;

// The contrast ratio of two luminances, 1 to 21.
inline double contrast(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The average brightness of an area and its darkest and brightest few
// percent of pixels (lone specks left out).
struct Tone {
  double mean = 0;
  double darkest = 0;
  double brightest = 0;
};

inline Tone measure(const QImage& image, const QRect& area) {
  std::vector<double> lum;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      lum.push_back(luminance(image.pixelColor(x, y)));
  Tone t;
  if (lum.empty()) return t;
  std::sort(lum.begin(), lum.end());
  for (double v : lum) t.mean += v;
  t.mean /= static_cast<double>(lum.size());
  t.darkest = lum[lum.size() * 2 / 100];
  t.brightest = lum[lum.size() * 98 / 100];
  return t;
}

}  // namespace tone
