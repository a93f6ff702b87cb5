// The icon the desktop shows for Driftwing, drawn by the build from
// dist/<id>.svg, against the icon the game itself draws in art/icon.cpp:
// launchers and the game's own window must show the same picture.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "art.h"

namespace {

const std::vector<int> kSizes = {DRIFTWING_ICON_SIZES};

QImage desktopIcon(int size) {
  const QString path =
      QStringLiteral(DRIFTWING_ICON_DIR "/%1x%1/apps/" DRIFTWING_APP_ID ".png").arg(size);
  return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// How far apart two pictures of one size are: the mean difference of their
// colour and coverage channels (0 to 255), and the share of pixels where some
// channel differs by more than a quarter of its range.
struct Difference {
  double mean = 0;
  double farShare = 0;
};

Difference compare(const QImage& a, const QImage& b) {
  Difference d;
  long far = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      // Compare colours as they would show on a background: premultiplied.
      const QRgb p = qPremultiply(a.pixel(x, y));
      const QRgb q = qPremultiply(b.pixel(x, y));
      const int diffs[] = {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                           std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))};
      int worst = 0;
      for (int c : diffs) {
        d.mean += c;
        worst = std::max(worst, c);
      }
      if (worst > 64) ++far;
    }
  }
  const double pixels = static_cast<double>(a.width()) * a.height();
  d.mean /= pixels * 4;
  d.farShare = far / pixels;
  return d;
}

TEST(DesktopIcon, EverySizeIsARoundedBadgeOfItsSize) {
  for (int size : kSizes) {
    const QImage icon = desktopIcon(size);
    ASSERT_FALSE(icon.isNull()) << size << " px icon missing";
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 8)), 255) << size;
  }
}

TEST(DesktopIcon, ShowsTheSamePictureAsTheGameWindow) {
  for (int size : {256, 48}) {
    const QImage icon = desktopIcon(size);
    ASSERT_FALSE(icon.isNull()) << size;
    const QImage drawn =
        art::render("icon", QSize(size, size)).convertToFormat(QImage::Format_ARGB32);
    const Difference d = compare(icon, drawn);
    // Anti-aliasing alone stays near a mean of 1 and one pixel in a
    // thousand; a missing speed line already marks one pixel in a hundred.
    EXPECT_LT(d.mean, 2.0) << size << " px";
    EXPECT_LT(d.farShare, 0.005) << size << " px";
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
