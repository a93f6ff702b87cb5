// The picture catalog, rendering at every scale, and the title, help, icon
// and setup pictures.

#include "art.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <string>

#include "tests/support/art_pictures.h"

using namespace art_pictures;

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

TEST(Render, DoubleScaleHasTheRequestedSize) {
  for (const art::PictureDef& def : art::catalog()) {
    const QSize want(def.width * 2, def.height * 2);
    EXPECT_EQ(art::render(def.name, want).size(), want) << def.name;
  }
}

TEST(Render, EmptyTargetGivesNullImage) {
  EXPECT_TRUE(art::render("title", QSize(0, 0)).isNull());
  EXPECT_TRUE(art::render("no-such-picture", QSize(0, 10)).isNull());
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

TEST(Icon, BadgeHasTransparentCornersAndSolidMiddle) {
  for (int size : {32, 256}) {
    const QImage image = art::render("icon", QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0) << size;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 8)), 255) << size;
  }
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
      {"blue text", QRect(QPoint(48, 128), QPoint(585, 177)), QColor(0, 0, 255), 7.0},
  };
  const QImage image = picture();
  for (const Label& label : labels) {
    const Tone t = measure(image, scaled(label.area, GetParam()));
    EXPECT_GE(t.mean, 0.78) << label.what;
    EXPECT_GE(contrast(t.darkest, luminance(label.ink)), label.minContrast) << label.what;
  }
}

TEST_P(HelpLegibility, RedTextSitsOnBlackTape) {
  // Pure red reads only on a dark ground: its line has a strip of its own.
  const Tone t = measure(picture(), scaled(QRect(QPoint(48, 182), QPoint(600, 202)), GetParam()));
  EXPECT_LE(t.mean, 0.06);
  EXPECT_GE(contrast(t.brightest, luminance(QColor(255, 0, 0))), 4.5);
}

TEST_P(HelpLegibility, DarkStripSuitsWhiteLabels) {
  const Tone t = measure(picture(), scaled(QRect(QPoint(0, 280), QPoint(537, 337)), GetParam()));
  EXPECT_LE(t.mean, 0.06);
  EXPECT_GE(contrast(t.brightest, 1.0), 7.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, HelpLegibility, testing::Values(1, 2));

TEST(Setup, LightAndCalmWhereTheLabelsAndButtonsAre) {
  const QImage image = renderAt("setup", 1);
  const Tone labels = measure(image, QRect(QPoint(8, 16), QPoint(250, 110)));
  EXPECT_GE(labels.mean, 0.85);
  EXPECT_GE(contrast(labels.darkest, 0.0), 12.0);
  const Tone buttons = measure(image, QRect(QPoint(8, 148), QPoint(250, 182)));
  EXPECT_GE(buttons.mean, 0.8);
  EXPECT_LT(buttons.brightest - buttons.darkest, 0.15);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
