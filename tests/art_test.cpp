#include "art.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(QColor c) {
  auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// How the background behind a label reads: its average brightness and the
// darkest and brightest few percent of its pixels (ignoring lone specks).
struct Tone {
  double mean = 0;
  double darkest = 0;
  double brightest = 0;
};

Tone measure(const QImage& image, const QRect& area) {
  std::vector<double> lum;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      lum.push_back(luminance(image.pixelColor(x, y)));
  }
  std::sort(lum.begin(), lum.end());
  Tone t;
  for (double v : lum) t.mean += v;
  t.mean /= static_cast<double>(lum.size());
  t.darkest = lum[lum.size() * 2 / 100];
  t.brightest = lum[lum.size() * 98 / 100];
  return t;
}

int distinctColours(const QImage& image, int cap = 64) {
  std::set<QRgb> seen;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      seen.insert(image.pixel(x, y));
      if (static_cast<int>(seen.size()) >= cap) return cap;
    }
  }
  return static_cast<int>(seen.size());
}

QRect scaled(const QRect& r, int s) {
  return QRect(r.x() * s, r.y() * s, r.width() * s, r.height() * s);
}

QImage renderAt(const std::string& name, int scale) {
  return art::render(name, art::nativeSize(name) * scale);
}

}  // namespace

// --- The catalog --------------------------------------------------------------------------------

TEST(Catalog, NamesAreUniqueAndSizesPositive) {
  std::set<std::string> names;
  for (const art::PictureDef& def : art::catalog()) {
    EXPECT_FALSE(def.name.empty());
    EXPECT_TRUE(names.insert(def.name).second) << "duplicate picture " << def.name;
    EXPECT_GT(def.width, 0) << def.name;
    EXPECT_GT(def.height, 0) << def.name;
    EXPECT_TRUE(static_cast<bool>(def.paint)) << def.name;
  }
}

TEST(Catalog, ScreensAndIconHaveTheirNativeSizes) {
  EXPECT_EQ(art::nativeSize("title"), QSize(640, 480));
  EXPECT_EQ(art::nativeSize("help"), QSize(640, 480));
  EXPECT_EQ(art::nativeSize("icon"), QSize(256, 256));
}

TEST(Catalog, UnknownNameHasNoSize) { EXPECT_FALSE(art::nativeSize("no-such-picture").isValid()); }

// --- Rendering ----------------------------------------------------------------------------------

TEST(Render, EveryPictureHasContentAtNativeScale) {
  for (const art::PictureDef& def : art::catalog()) {
    const QImage image = renderAt(def.name, 1);
    ASSERT_EQ(image.size(), QSize(def.width, def.height)) << def.name;
    EXPECT_GE(distinctColours(image), 64) << def.name << " is blank or nearly so";
  }
}

TEST(Render, EveryPictureHasContentAtTripleScale) {
  for (const art::PictureDef& def : art::catalog()) {
    const QImage image = renderAt(def.name, 3);
    ASSERT_EQ(image.size(), QSize(def.width * 3, def.height * 3)) << def.name;
    EXPECT_GE(distinctColours(image), 64) << def.name << " is blank or nearly so";
  }
}

TEST(Render, DoubleScaleHasTheRequestedSize) {
  for (const art::PictureDef& def : art::catalog()) {
    const QSize want(def.width * 2, def.height * 2);
    EXPECT_EQ(art::render(def.name, want).size(), want) << def.name;
  }
}

TEST(Render, OddTargetSizeIsHonoured) {
  EXPECT_EQ(art::render("icon", QSize(37, 20)).size(), QSize(37, 20));
}

TEST(Render, UnknownNameIsTransparent) {
  const QImage image = art::render("no-such-picture", QSize(40, 30));
  ASSERT_EQ(image.size(), QSize(40, 30));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);
  }
}

TEST(Render, EmptyTargetGivesNullImage) {
  EXPECT_TRUE(art::render("title", QSize(0, 0)).isNull());
  EXPECT_TRUE(art::render("no-such-picture", QSize(0, 10)).isNull());
}

TEST(Render, RepeatedRequestIsServedFromCache) {
  const QImage first = art::render("help", QSize(320, 240));
  const QImage second = art::render("help", QSize(320, 240));
  EXPECT_EQ(first.cacheKey(), second.cacheKey());
}

// Drawing must follow the painter's scale: the picture at 2x, shrunk back to
// 1x, has to look like the picture drawn at 1x.
TEST(Render, DoubleScaleShowsTheSameComposition) {
  for (const art::PictureDef& def : art::catalog()) {
    const QImage one = renderAt(def.name, 1).convertToFormat(QImage::Format_ARGB32);
    const QImage two = renderAt(def.name, 2)
                           .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_ARGB32);
    double diff = 0;
    for (int y = 0; y < one.height(); ++y) {
      for (int x = 0; x < one.width(); ++x) {
        const QRgb a = one.pixel(x, y);
        const QRgb b = two.pixel(x, y);
        diff += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
      }
    }
    diff /= 4.0 * one.width() * one.height();
    EXPECT_LT(diff, 6.0) << def.name << " changes with scale";
  }
}

// --- The screens --------------------------------------------------------------------------------

TEST(Screens, BackgroundsAreOpaqueWhereTheWindowShowsThem) {
  const struct {
    const char* name;
    QSize visible;
  } screens[] = {{"title", {576, 351}}, {"help", {543, 346}}};
  for (const auto& screen : screens) {
    const QImage image = renderAt(screen.name, 1);
    for (int y = 0; y < screen.visible.height(); ++y) {
      for (int x = 0; x < screen.visible.width(); ++x) {
        ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << screen.name << " at " << x << "," << y;
      }
    }
  }
}

TEST(Screens, TitleShowpieceIsLivelierThanTheMenuArea) {
  // The sunset and the cars carry the picture; the menu area stays calm.
  const QImage image = renderAt("title", 1);
  auto spread = [&](const QRect& r) {
    const Tone t = measure(image, r);
    return t.brightest - t.darkest;
  };
  EXPECT_GT(spread(QRect(0, 0, 576, 200)), 0.3);
  EXPECT_LT(spread(QRect(60, 323, 450, 13)), 0.1);
}

TEST(Screens, TitleLinkRowReadsForDarkLinks) {
  const QImage image = renderAt("title", 1);
  const Tone t = measure(image, QRect(56, 321, 458, 16));
  EXPECT_GE(contrast(t.darkest, luminance(QColor(0, 0, 255))), 4.5);
}

TEST(Icon, BadgeHasTransparentCornersAndSolidMiddle) {
  for (int size : {32, 256}) {
    const QImage image = art::render("icon", QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0) << size;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 8)), 255) << size;
  }
}

TEST(Icon, CarStandsOutFromTheRoadAtSmallSize) {
  // At 32 px the car's paint must still differ clearly from the asphalt.
  const QImage image = art::render("icon", QSize(32, 32));
  const double road = luminance(image.pixelColor(11, 2));
  double brightestCar = 0;
  for (int y = 10; y < 22; ++y) {
    for (int x = 12; x < 20; ++x)
      brightestCar = std::max(brightestCar, luminance(image.pixelColor(x, y)));
  }
  EXPECT_GE(contrast(brightestCar, road), 3.0);
}

// --- Help screen legibility ---------------------------------------------------------------------

struct Label {
  const char* what;
  QRect area;
  QColor ink;
  double minContrast;
};

class HelpLegibility : public testing::TestWithParam<int> {
 protected:
  QImage picture() const { return renderAt("help", GetParam()); }
};

TEST_P(HelpLegibility, LightAreaSuitsDarkLabels) {
  const Label labels[] = {
      {"first heading", QRect(8, 8, 240, 20), QColor(192, 0, 192), 4.5},
      {"black text", QRect(QPoint(16, 40), QPoint(537, 97)), Qt::black, 10.0},
      {"second heading", QRect(8, 96, 240, 20), QColor(192, 0, 192), 4.5},
      {"blue text", QRect(QPoint(48, 128), QPoint(585, 185)), QColor(0, 0, 255), 7.0},
      {"red text", QRect(QPoint(48, 184), QPoint(513, 241)), QColor(255, 0, 0), 3.0},
  };
  const QImage image = picture();
  for (const Label& label : labels) {
    const Tone t = measure(image, scaled(label.area, GetParam()));
    EXPECT_GE(t.mean, 0.78) << label.what;
    EXPECT_GE(contrast(t.darkest, luminance(label.ink)), label.minContrast) << label.what;
  }
}

TEST_P(HelpLegibility, DarkStripSuitsWhiteLabels) {
  const Tone t = measure(picture(), scaled(QRect(QPoint(0, 280), QPoint(537, 337)), GetParam()));
  EXPECT_LE(t.mean, 0.06);
  EXPECT_GE(contrast(t.brightest, 1.0), 7.0);
}

TEST_P(HelpLegibility, PaperTurnsToRoadBetweenTheTextBlocks) {
  // Rows just above the strip are still paper, rows just below already road.
  const QImage image = picture();
  const int s = GetParam();
  EXPECT_GE(measure(image, scaled(QRect(0, 242, 543, 6), s)).mean, 0.7);
  EXPECT_LE(measure(image, scaled(QRect(0, 274, 543, 6), s)).mean, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Scales, HelpLegibility, testing::Values(1, 2));

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
