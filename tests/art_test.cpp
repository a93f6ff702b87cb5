#include "art.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "frontend/game.h"
#include "stage/dashboard.h"
#include "tests/support/tone.h"
#include "ui/program.h"
#include "ui/qt/render.h"
#include "ui/qt/widgets.h"
#include "ui/virtual/session.h"
#include "ui/window.h"

namespace {

using tone::contrast;
using tone::luminance;
using tone::measure;
using tone::Tone;

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

// The game's windows as designed: where the pictures have to leave room.
const ui::Design& designOf(const std::string& window) {
  static ui::VirtualSession game(frontend::addWindows);
  return game.program().window(window).design();
}

const ui::Element& designed(const ui::Design& d, std::string_view name, int index = -1) {
  for (const ui::Element& e : d.elements) {
    if (e.name == name && e.index == index) return e;
  }
  throw std::invalid_argument("no element " + std::string(name));
}

// An element's rectangle in window pixels at `scale`, as the desktop places it.
QRect pixelsOf(const ui::Element& e, int scale) {
  return QRect(ui::qt::px(e.Left, scale), ui::qt::px(e.Top, scale), ui::qt::px(e.Width, scale),
               ui::qt::px(e.Height, scale));
}

QSize windowPixels(const ui::Design& d, int scale) {
  return QSize(ui::qt::px(static_cast<float>(d.width), scale),
               ui::qt::px(static_cast<float>(d.height), scale));
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

TEST_P(HelpLegibility, PaperTurnsToRoadBetweenTheTextBlocks) {
  // Rows just above the strip are still paper, rows just below already road.
  const QImage image = picture();
  const int s = GetParam();
  EXPECT_GE(measure(image, scaled(QRect(0, 242, 543, 6), s)).mean, 0.7);
  EXPECT_LE(measure(image, scaled(QRect(0, 274, 543, 6), s)).mean, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Scales, HelpLegibility, testing::Values(1, 2));

// --- Stage races --------------------------------------------------------------------------------

namespace {

// The racers and the van, in the order the game's sprites list them.
const char* const kRacers[] = {"car-player", "car-rival-1", "car-rival-2", "car-rival-3"};
const char* const kCarSprites[] = {"car-player",   "car-rival-1",   "car-rival-2",
                                   "car-rival-3",  "car-slow",      "car-pro-normal",
                                   "car-pro-trun", "car-pro-speed2"};
// Cars are shown stretched to this size on the road.
const QSize kShownCar(61, 83);

QImage shownCar(const char* name) {
  return art::render(name, kShownCar).convertToFormat(QImage::Format_ARGB32);
}

// Average colour of the paintwork: opaque pixels that are clearly coloured,
// leaving out ink, tyres, glass and white trim.
QColor paintColour(const QImage& image) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() < 255 || c.hsvSaturation() < 90 || c.value() < 90) continue;
      r += c.red();
      g += c.green();
      b += c.blue();
      ++n;
    }
  }
  if (n == 0) return QColor();
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

// Average colour and brightness of everything opaque.
QColor meanColour(const QImage& image) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb px = image.pixel(x, y);
      if (qAlpha(px) < 255) continue;
      r += qRed(px);
      g += qGreen(px);
      b += qBlue(px);
      ++n;
    }
  }
  if (n == 0) return QColor();
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

double colourDistance(QColor a, QColor b) {
  return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

// How far the picture's silhouette is from its own mirror image: 0 when the
// alpha mask is perfectly symmetric left to right, up to 1.
double lopsidedness(const QImage& image) {
  double diff = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      diff += std::abs(qAlpha(image.pixel(x, y)) - qAlpha(image.pixel(image.width() - 1 - x, y)));
    }
  }
  return diff / (255.0 * image.width() * image.height());
}

double luminanceOf(const QImage& image, int x, int y) { return luminance(image.pixelColor(x, y)); }

}  // namespace

TEST(Catalog, StagePicturesHaveTheirNativeSizes) {
  for (int stage = 1; stage <= 5; ++stage) {
    const std::string n = std::to_string(stage);
    EXPECT_EQ(art::nativeSize("road-" + n), QSize(249, 345)) << stage;
    EXPECT_EQ(art::nativeSize("stage-bg-" + n), QSize(592, 345)) << stage;
  }
  for (const char* car : kCarSprites) EXPECT_EQ(art::nativeSize(car), QSize(24, 34)) << car;
  EXPECT_EQ(art::nativeSize("finish-banner"), QSize(265, 51));
  EXPECT_EQ(art::nativeSize("roadside"), QSize(124, 135));
  EXPECT_EQ(art::nativeSize("setup"), QSize(320, 213));
}

TEST(Cars, SpritesSitInATransparentMarginWithASolidBody) {
  for (const char* name : kCarSprites) {
    const QImage image = shownCar(name);
    const int w = image.width();
    const int h = image.height();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
          << name << " corner " << corner.x() << "," << corner.y();
    // Down the middle the body is solid for most of the sprite's height.
    int solid = 0;
    for (int y = 0; y < h; ++y) solid += qAlpha(image.pixel(w / 2, y)) == 255;
    EXPECT_GE(solid, h * 3 / 4) << name;
    // And at its widest it fills the box from side to side.
    int widest = 0;
    for (int y = 0; y < h; ++y) {
      int across = 0;
      for (int x = 0; x < w; ++x) across += qAlpha(image.pixel(x, y)) == 255;
      widest = std::max(widest, across);
    }
    EXPECT_GE(widest, w * 3 / 4) << name;
  }
}

TEST(Cars, RacersWearClearlyDifferentPaint) {
  // The player and the three rivals, and the pro car that stands in for the
  // player in the last stages, must not be confused at a glance.
  const char* const players[] = {"car-player", "car-pro-normal"};
  const char* const rivals[] = {"car-rival-1", "car-rival-2", "car-rival-3"};
  for (const char* a : rivals) {
    for (const char* b : players) {
      EXPECT_GE(colourDistance(paintColour(shownCar(a)), paintColour(shownCar(b))), 70.0)
          << a << " and " << b << " are painted too alike";
    }
    for (const char* b : rivals) {
      if (std::string(a) >= b) continue;
      EXPECT_GE(colourDistance(paintColour(shownCar(a)), paintColour(shownCar(b))), 70.0)
          << a << " and " << b << " are painted too alike";
    }
  }
}

TEST(Cars, RacersAreBoldlyColoured) {
  for (const char* name : kRacers) {
    int painted = 0, opaque = 0;
    const QImage image = shownCar(name);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        opaque += c.alpha() == 255;
        painted += c.alpha() == 255 && c.hsvSaturation() >= 90 && c.value() >= 90;
      }
    }
    EXPECT_GE(painted, opaque / 3) << name << " is too grey to stand out";
  }
}

TEST(Cars, SlowVanIsAPaleBoxAmongTheRacers) {
  const double van = luminance(meanColour(shownCar("car-slow")));
  for (const char* name : kRacers)
    EXPECT_GE(van, luminance(meanColour(shownCar(name))) + 0.1) << name;
}

TEST(Cars, NativeSizeKeepsTheMarginToo) {
  for (const char* name : kCarSprites) {
    const QImage image = renderAt(name, 1);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
    EXPECT_EQ(qAlpha(image.pixel(23, 0)), 0) << name;
    EXPECT_EQ(qAlpha(image.pixel(12, 17)), 255) << name;
  }
}

TEST(Cars, ProPicturesShowTheSameCar) {
  // Swapping between the three poses must not look like a change of car.
  const QColor normal = paintColour(shownCar("car-pro-normal"));
  for (const char* pose : {"car-pro-trun", "car-pro-speed2"})
    EXPECT_LT(colourDistance(paintColour(shownCar(pose)), normal), 25.0) << pose;
}

TEST(Cars, StraightPosesAreSymmetric) {
  for (const char* name : {"car-player", "car-rival-1", "car-rival-2", "car-rival-3", "car-slow",
                           "car-pro-normal", "car-pro-speed2"})
    EXPECT_LT(lopsidedness(shownCar(name)), 0.03) << name;
}

TEST(Cars, ProCarSteeringPoseIsTurned) { EXPECT_GT(lopsidedness(shownCar("car-pro-trun")), 0.06); }

TEST(Cars, ProCarAtTopSpeedBurnsBlueBehindTheTail) {
  // Below the tail the plain pose is empty road, the flat-out pose glows blue.
  auto blueGlow = [](const QImage& image) {
    int glowing = 0;
    for (int y = image.height() - 7; y < image.height(); ++y) {
      for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
        const QRgb px = image.pixel(x, y);
        glowing += qAlpha(px) > 90 && qBlue(px) > qRed(px) + 40;
      }
    }
    return glowing;
  };
  EXPECT_EQ(blueGlow(shownCar("car-pro-normal")), 0);
  EXPECT_GE(blueGlow(shownCar("car-pro-speed2")), 20);
}

TEST(Roads, OpaqueOverTheirWholeArea) {
  for (int stage = 1; stage <= 5; ++stage) {
    for (int scale : {1, 2}) {
      const QImage image = renderAt("road-" + std::to_string(stage), scale);
      int holes = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) holes += qAlpha(image.pixel(x, y)) != 255;
      }
      EXPECT_EQ(holes, 0) << "road-" << stage << " at " << scale << "x";
    }
  }
}

TEST(Roads, LookTheSameAllTheWayDown) {
  // The game moves the cars, not the road: anything that changes down the
  // picture (dashes, stripes across) would seem to ride along with the player.
  for (int stage = 1; stage <= 5; ++stage) {
    const QImage image = renderAt("road-" + std::to_string(stage), 1);
    std::vector<double> rows;
    for (int y = 0; y < image.height(); ++y) {
      double sum = 0;
      for (int x = 0; x < image.width(); ++x) sum += luminanceOf(image, x, y);
      rows.push_back(sum / image.width());
    }
    const auto [lo, hi] = std::minmax_element(rows.begin(), rows.end());
    EXPECT_LT(*hi - *lo, 0.012) << "road-" << stage;
  }
}

TEST(Roads, MarkingsReadAgainstTheAsphalt) {
  // Kerb trim at the very edge, the edge line and the lane lines, each
  // against the asphalt of the lane next to it, half way down.
  for (int stage = 1; stage <= 5; ++stage) {
    const QImage image = renderAt("road-" + std::to_string(stage), 1);
    const int y = 172;
    const double asphalt = luminanceOf(image, 50, y);
    EXPECT_GE(contrast(luminanceOf(image, 14, y), asphalt), 3.0) << "edge line, road-" << stage;
    EXPECT_GE(contrast(luminanceOf(image, 88, y), asphalt), 1.8) << "lane line, road-" << stage;
    EXPECT_GE(contrast(luminanceOf(image, 6, y), asphalt), 1.8) << "kerb, road-" << stage;
  }
}

TEST(Roads, AsphaltUnderTheMessageLetsRedTextRead) {
  // The game's red message runs on from the left column over the road.
  const double red = luminance(QColor(255, 0, 0));
  for (int stage = 1; stage <= 5; ++stage) {
    const Tone t = measure(renderAt("road-" + std::to_string(stage), 1),
                           QRect(QPoint(17, 24), QPoint(97, 145)));
    EXPECT_GE(contrast(t.mean, red), 2.2) << "road-" << stage;
  }
}

TEST(Roads, EachVenueHasItsOwnAsphalt) {
  std::vector<QColor> asphalt;
  for (int stage = 1; stage <= 5; ++stage) {
    asphalt.push_back(meanColour(renderAt("road-" + std::to_string(stage), 1)
                                     .copy(20, 0, 209, 345)
                                     .convertToFormat(QImage::Format_ARGB32)));
  }
  for (size_t a = 0; a < asphalt.size(); ++a) {
    for (size_t b = a + 1; b < asphalt.size(); ++b)
      EXPECT_GE(colourDistance(asphalt[a], asphalt[b]), 10.0)
          << "roads " << a + 1 << " and " << b + 1;
  }
}

TEST(Roadside, StaysMostlyClearAndSoftSoCarsReadOverIt) {
  const QImage image = renderAt("roadside", 1);
  int clear = 0;
  int maxAlpha = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int a = qAlpha(image.pixel(x, y));
      clear += a < 10;
      maxAlpha = std::max(maxAlpha, a);
    }
  }
  EXPECT_GE(clear, image.width() * image.height() * 6 / 10);
  EXPECT_LE(maxAlpha, 200);
  EXPECT_GE(maxAlpha, 60) << "nothing painted at all";
}

TEST(Roadside, WrapsWithoutASeam) {
  // The picture repeats as it scrolls: its top and bottom rows must match.
  const QImage image = renderAt("roadside", 1);
  const int last = image.height() - 1;
  for (int x = 0; x < image.width(); ++x)
    EXPECT_LE(std::abs(qAlpha(image.pixel(x, 0)) - qAlpha(image.pixel(x, last))), 40) << x;
}

TEST(FinishBanner, IsASolidChequeredStrip) {
  const QImage image = renderAt("finish-banner", 1);
  int dark = 0, light = 0;
  for (int x = 0; x < image.width(); ++x) {
    for (int y : {6, 44}) {
      ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
      const double l = luminanceOf(image, x, y);
      dark += l < 0.05;
      light += l > 0.7;
    }
  }
  const int n = 2 * image.width();
  EXPECT_GE(dark, n / 4);
  EXPECT_GE(light, n / 4);
}

// --- Stage windows: legibility of the game's texts --------------------------------------------

class StageWindow : public testing::TestWithParam<int> {
 protected:
  QImage picture(int scale = 1) const {
    return renderAt("stage-bg-" + std::to_string(GetParam()), scale);
  }
};

TEST_P(StageWindow, OpaqueEverywhere) {
  const QImage image = picture();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
  }
}

TEST_P(StageWindow, SceneryIsDarkBehindTheRedMessage) {
  const Tone t = measure(picture(), QRect(QPoint(56, 24), QPoint(127, 145)));
  const double red = luminance(QColor(255, 0, 0));
  EXPECT_GE(contrast(t.mean, red), 3.0);
  EXPECT_GE(contrast(t.brightest, red), 1.5);
}

TEST_P(StageWindow, SceneryIsCalmAroundTheNameBox) {
  const Tone t = measure(picture(), QRect(QPoint(4, 300), QPoint(108, 340)));
  EXPECT_LT(t.brightest - t.darkest, 0.12);
}

TEST_P(StageWindow, SceneryIsLivelierThanTheDashboard) {
  // The left column shows a place; the dashboard stays quiet.
  const QImage image = picture();
  const Tone scenery = measure(image, QRect(QPoint(0, 150), QPoint(127, 295)));
  const Tone dash = measure(image, QRect(QPoint(396, 180), QPoint(450, 250)));
  EXPECT_GT(scenery.brightest - scenery.darkest, 2 * (dash.brightest - dash.darkest));
}

TEST_P(StageWindow, RoadRunsUnderTheMiddle) {
  // Where the road picture sits, the background shows the same road, so a
  // seam or a late repaint never reveals anything else.
  const QImage window = picture().convertToFormat(QImage::Format_ARGB32);
  const QImage road =
      renderAt("road-" + std::to_string(GetParam()), 1).convertToFormat(QImage::Format_ARGB32);
  int off = 0;
  for (int y = 0; y < road.height(); y += 3) {
    for (int x = 0; x < road.width(); x += 3) {
      const QRgb a = window.pixel(128 + x, y);
      const QRgb b = road.pixel(x, y);
      off += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                 std::abs(qBlue(a) - qBlue(b)) >
             12;
    }
  }
  EXPECT_EQ(off, 0);
}

INSTANTIATE_TEST_SUITE_P(Stages, StageWindow, testing::Values(1, 2, 3, 4, 5));

TEST(StageWindows, EachVenueHasItsOwnScenery) {
  std::vector<QColor> looks;
  for (int stage = 1; stage <= 5; ++stage) {
    const QImage image = renderAt("stage-bg-" + std::to_string(stage), 1)
                             .copy(0, 0, 128, 345)
                             .convertToFormat(QImage::Format_ARGB32);
    looks.push_back(meanColour(image));
  }
  for (size_t a = 0; a < looks.size(); ++a) {
    for (size_t b = a + 1; b < looks.size(); ++b)
      EXPECT_GE(colourDistance(looks[a], looks[b]), 14.0) << "stages " << a + 1 << " and " << b + 1;
  }
}

// --- The race dashboard -----------------------------------------------------------------------

namespace {

// A stage window as the desktop draws it, its dashboard showing what a test
// writes into its labels.
class Dashboard : public testing::TestWithParam<int> {
 protected:
  Dashboard() : game_(frontend::addWindows) { game_.start(name()); }

  std::string name() const { return "frm" + std::to_string(GetParam()); }
  ui::Window& window() { return game_.program().window(name()); }
  const ui::Element& label(const char* name, int index = -1) {
    return designed(window().design(), name, index);
  }

  // Where a label puts its ink showing `caption` at `points` (its designed
  // size when 0): what changes in its rectangle when the caption appears.
  QRect ink(const char* name, int index, const std::string& caption, int scale, float points = 0) {
    for (ui::Element& e : window().elements()) {
      if (e.kind == ui::Kind::Label) e.Caption.clear();
    }
    const QImage bare = draw(scale);
    ui::Element& e = window().el(name, index);
    e.Caption = caption;
    e.FontSize = points > 0 ? points : label(name, index).FontSize;
    const QImage shown = draw(scale);
    QRect box;
    const QRect area = pixelsOf(e, scale) & shown.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (shown.pixel(x, y) != bare.pixel(x, y)) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }

  QImage picture(int scale) const {
    return renderAt("stage-bg-" + std::to_string(GetParam()), scale)
        .convertToFormat(QImage::Format_ARGB32);
  }

  // Where the dashboard begins: right of the road.
  int dashboardLeft(int scale) {
    return pixelsOf(designed(window().design(), "Picture1"), scale).right() + 1;
  }

 private:
  QImage draw(int scale) {
    return ui::qt::renderWindow(game_.program(), window(), scale)
        .convertToFormat(QImage::Format_ARGB32);
  }
  ui::VirtualSession game_;
};

// The glass of the dial or box at `at` in a dashboard picture: every pixel
// as dark as the glass that can be reached from `at` without crossing its
// bezel. Empty when `at` is not on glass.
QRect glassAt(const QImage& picture, QPoint at) {
  auto dark = [&](QPoint q) { return luminance(picture.pixelColor(q)) < 0.008; };
  if (!picture.rect().contains(at) || !dark(at)) return QRect();
  std::vector<bool> seen(static_cast<size_t>(picture.width()) * picture.height());
  std::vector<QPoint> todo{at};
  QRect glass;
  while (!todo.empty()) {
    const QPoint q = todo.back();
    todo.pop_back();
    if (!picture.rect().contains(q)) continue;
    const size_t i = static_cast<size_t>(q.y()) * picture.width() + q.x();
    if (seen[i] || !dark(q)) continue;
    seen[i] = true;
    glass |= QRect(q, QSize(1, 1));
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
      todo.push_back(q + d);
  }
  return glass;
}

struct Readout {
  const char* label;
  int index;
  std::vector<std::string> centred;  // what it shows for most of a race
  std::vector<std::string> others;   // what else it shows
  double slack;                      // how far off centre, as a share of the glass
};

}  // namespace

TEST_P(Dashboard, EveryReadoutSitsCentredInItsGlass) {
  const Readout readouts[] = {
      {"Label1", -1, {"304", "450", "188"}, {"0", "75"}, 0.06},
      {"Label5", 0, {"899", "1429"}, {"0", "42"}, 0.08},
      {"Label3", -1, {"2", "3", "4"}, {}, 0.1},
  };
  for (int scale : {1, 2}) {
    const QImage picture = this->picture(scale);
    for (const Readout& r : readouts) {
      const QRect home = ink(r.label, r.index, r.centred.front(), scale);
      const QRect glass = glassAt(picture, home.center());
      ASSERT_FALSE(glass.isEmpty()) << r.label << " has no glass at " << scale << "x";
      const int m = 2 * scale;
      auto check = [&](const QRect& shown, const std::string& caption, bool centred) {
        EXPECT_TRUE(glass.contains(shown.adjusted(-m, -m, m, m)))
            << r.label << " showing " << caption << " leaves its glass at " << scale << "x";
        if (!centred) return;
        const QPointF off = QRectF(shown).center() - QRectF(glass).center();
        EXPECT_LE(std::abs(off.x()), r.slack * glass.width() + scale)
            << r.label << " showing " << caption << " at " << scale << "x";
        EXPECT_LE(std::abs(off.y()), r.slack * glass.height() + scale)
            << r.label << " showing " << caption << " at " << scale << "x";
      };
      for (const std::string& caption : r.centred)
        check(ink(r.label, r.index, caption, scale), caption, true);
      for (const std::string& caption : r.others)
        check(ink(r.label, r.index, caption, scale), caption, false);
    }
    // The leader's big digit shares the dial with the others.
    const QRect glass = glassAt(picture, ink("Label3", -1, "3", scale).center());
    const QRect leader = ink("Label3", -1, "1", scale, stage::dashboard::kLeadingRankPoints);
    EXPECT_TRUE(glass.contains(leader.adjusted(-2 * scale, -2 * scale, 2 * scale, 2 * scale)))
        << scale << "x";
    const QPointF off = QRectF(leader).center() - QRectF(glass).center();
    EXPECT_LE(std::hypot(off.x(), off.y()), 0.1 * glass.width() + scale) << scale << "x";
  }
}

TEST_P(Dashboard, CaptionsAndWarningsStandClearOfEveryBezel) {
  // Each caption, and the speed warning in both its texts, lies on the bare
  // panel: no glass, rim or bezel within two pixels of its letters.
  const struct {
    const char* label;
    int index;
    std::string caption;
  } captions[] = {
      {"Label2", -1, label("Label2").Caption},
      {"Label4", -1, label("Label4").Caption},
      {"Label5", 1, label("Label5", 1).Caption},
      {"Label8", -1, label("Label8").Caption},
      {"Label7", -1, "極速!!"},
      {"Label7", -1, "Over Heat !"},
  };
  for (int scale : {1, 2}) {
    const QImage picture = this->picture(scale);
    std::vector<QRect> glasses;
    for (const auto& [name, index, value] :
         {std::tuple("Label1", -1, "304"), std::tuple("Label3", -1, "3"),
          std::tuple("Label5", 0, "899")})
      glasses.push_back(glassAt(picture, ink(name, index, value, scale).center()));
    for (const auto& c : captions) {
      QRect around = ink(c.label, c.index, c.caption, scale)
                         .adjusted(-2 * scale, -2 * scale, 2 * scale, 2 * scale);
      around.setLeft(std::max(around.left(), dashboardLeft(scale)));
      around &= picture.rect();
      for (const QRect& glass : glasses)
        EXPECT_FALSE(around.intersects(glass)) << c.caption << " at " << scale << "x";
      // A rim, its ink or an accent line would stand out from the panel.
      const Tone t = measure(picture, around);
      EXPECT_LT(t.brightest - t.darkest, 0.02) << c.caption << " at " << scale << "x";
    }
  }
}

TEST_P(Dashboard, ReadoutsAndCaptionsReadOnTheirBackground) {
  const struct {
    const char* label;
    int index;
    std::string caption;
    double minContrast;
  } texts[] = {
      {"Label1", -1, "304", 7.0},
      {"Label3", -1, "3", 7.0},
      {"Label5", 0, "1429", 7.0},
      {"Label2", -1, "Speed:", 7.0},
      {"Label4", -1, "Rank :", 7.0},
      {"Label5", 1, "Time", 7.0},
      {"Label8", -1, label("Label8").Caption, 7.0},
      {"Label7", -1, "Over Heat !", 3.5},
  };
  for (int scale : {1, 2}) {
    const QImage picture = this->picture(scale);
    for (const auto& t : texts) {
      QRect area = ink(t.label, t.index, t.caption, scale);
      area.setLeft(std::max(area.left(), dashboardLeft(scale)));
      const Tone under = measure(picture, area);
      const double ink = luminance(ui::qt::toQColor(label(t.label, t.index).ForeColor));
      EXPECT_LE(under.mean, 0.03) << t.caption << " at " << scale << "x";
      EXPECT_GE(contrast(under.brightest, ink), t.minContrast)
          << t.caption << " at " << scale << "x";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Stages, Dashboard, testing::Values(1, 2, 3, 4, 5));

TEST(Setup, LightAndCalmWhereTheLabelsAndButtonsAre) {
  const QImage image = renderAt("setup", 1);
  const Tone labels = measure(image, QRect(QPoint(8, 16), QPoint(250, 110)));
  EXPECT_GE(labels.mean, 0.85);
  EXPECT_GE(contrast(labels.darkest, 0.0), 12.0);
  const Tone buttons = measure(image, QRect(QPoint(8, 148), QPoint(250, 182)));
  EXPECT_GE(buttons.mean, 0.8);
  EXPECT_LT(buttons.brightest - buttons.darkest, 0.15);
}

TEST(Setup, RacingMotifLivensTheRightSide) {
  const QImage image = renderAt("setup", 1);
  const Tone left = measure(image, QRect(QPoint(8, 16), QPoint(150, 140)));
  const Tone right = measure(image, QRect(QPoint(262, 16), QPoint(319, 200)));
  EXPECT_GT(right.brightest - right.darkest, 3 * (left.brightest - left.darkest));
}

// --- The bonus shooter --------------------------------------------------------------------------

namespace {

// A sprite of the bonus shooter as the game shows it: stretched to `shown`,
// or, in a picture area, drawn unscaled and cut to its top-left `shown`.
struct BonusSprite {
  const char* name;
  QSize native;
  QSize shown;
  bool inPictureArea;
};

const BonusSprite kBonusSprites[] = {
    {"bonus-ship-1", {81, 74}, {81, 74}, false},
    {"bonus-ship-2", {84, 78}, {84, 78}, false},
    {"bonus-shot-1", {72, 38}, {72, 38}, false},
    {"bonus-shot-2", {72, 38}, {72, 38}, false},
    {"bonus-wall", {96, 114}, {99, 93}, false},
    {"bonus-wall-missile", {43, 28}, {43, 28}, false},
    {"bonus-aimed-missile", {60, 57}, {49, 49}, true},
    {"bonus-boss", {116, 108}, {113, 89}, true},
    {"bonus-boss-shot", {34, 30}, {33, 25}, true},
    {"bonus-dead", {48, 48}, {40, 40}, false},
};

const BonusSprite& bonusSprite(const std::string& name) {
  for (const BonusSprite& s : kBonusSprites) {
    if (name == s.name) return s;
  }
  throw std::invalid_argument(name);
}

QImage shownSprite(const std::string& name, int scale = 1) {
  const BonusSprite& s = bonusSprite(name);
  QImage image = s.inPictureArea ? renderAt(name, scale).copy(QRect(QPoint(0, 0), s.shown * scale))
                                 : art::render(name, s.shown * scale);
  return image.convertToFormat(QImage::Format_ARGB32);
}

bool solid(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 255; }

// The first and last columns holding solid pixels.
std::pair<int, int> solidColumns(const QImage& image) {
  int first = image.width(), last = -1;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (!solid(image, x, y)) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

// How thick the solid silhouette is, on average, over the outermost eighth
// of its length at the left or the right end. A nose is thin, a tail with
// its fins and engines thick.
double endThickness(const QImage& image, bool rightEnd) {
  const auto [first, last] = solidColumns(image);
  const int span = std::max(3, (last - first + 1) / 8);
  const int x0 = rightEnd ? last - span + 1 : first;
  int count = 0;
  for (int x = x0; x < x0 + span; ++x) {
    for (int y = 0; y < image.height(); ++y) count += solid(image, x, y);
  }
  return static_cast<double>(count) / span;
}

// Engine glow and light trails: bright pixels that are see-through, in the
// columns [x0, x1).
int glowPixels(const QImage& image, int x0, int x1) {
  int n = 0;
  for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      const QColor c = image.pixelColor(x, y);
      n += c.alpha() >= 24 && c.alpha() < 250 && c.value() >= 180;
    }
  }
  return n;
}

// +1 for a craft pointing right, -1 for one pointing left, 0 when its shape
// does not say: the nose has to be the slim end and the glow has to trail.
int heading(const QImage& image) {
  const auto [first, last] = solidColumns(image);
  const int middle = (first + last) / 2;
  const double left = endThickness(image, false), right = endThickness(image, true);
  const int glowLeft = glowPixels(image, 0, middle), glowRight = glowPixels(image, middle, 9999);
  if (right < 0.5 * left && glowLeft >= 3 * glowRight + 10) return 1;
  if (left < 0.5 * right && glowRight >= 3 * glowLeft + 10) return -1;
  return 0;
}

// The centre of the solid pixels, as a fraction of the picture's width.
double solidCentre(const QImage& image) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!solid(image, x, y)) continue;
      sum += x;
      ++n;
    }
  }
  return n ? sum / n / image.width() : 0.5;
}

// The first and last columns with anything visible at all.
std::pair<int, int> visibleColumns(const QImage& image) {
  int first = image.width(), last = -1;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (qAlpha(image.pixel(x, y)) < 24) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  return {first, last};
}

// Average colour of everything at least half opaque.
QColor glowColour(const QImage& image) {
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.alpha() < 128) continue;
      r += c.red();
      g += c.green();
      b += c.blue();
      ++n;
    }
  }
  if (n == 0) return QColor();
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

}  // namespace

TEST(Catalog, BonusPicturesHaveTheirNativeSizes) {
  EXPECT_EQ(art::nativeSize("bonus-bg"), QSize(640, 480));
  for (const BonusSprite& s : kBonusSprites) EXPECT_EQ(art::nativeSize(s.name), s.native) << s.name;
}

TEST(BonusSprites, SitInATransparentMarginWithASolidBody) {
  for (const BonusSprite& s : kBonusSprites) {
    for (int scale : {1, 2}) {
      const QImage image = shownSprite(s.name, scale);
      const int w = image.width(), h = image.height();
      for (const QPoint corner :
           {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
            << s.name << " corner " << corner.x() << "," << corner.y() << " at " << scale << "x";
      }
      int solidPixels = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) solidPixels += solid(image, x, y);
      }
      EXPECT_GE(solidPixels, w * h / 20) << s.name << " at " << scale << "x";
      EXPECT_LE(solidPixels, w * h * 3 / 4) << s.name << " at " << scale << "x";
    }
  }
}

TEST(BonusSprites, PictureAreaShapesStayInsideTheirFrames) {
  // The game shows these unscaled from the top-left of a smaller frame:
  // anything past the frame would be cut off, and the shape should still
  // fill most of what is shown.
  for (const BonusSprite& s : kBonusSprites) {
    if (!s.inPictureArea) continue;
    for (int scale : {1, 2}) {
      const QImage image = renderAt(s.name, scale).convertToFormat(QImage::Format_ARGB32);
      const QRect frame(QPoint(0, 0), s.shown * scale);
      int outside = 0;
      QRect shapeBox;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const int alpha = qAlpha(image.pixel(x, y));
          if (!frame.contains(x, y)) outside += alpha != 0;
          if (alpha >= 24) shapeBox |= QRect(x, y, 1, 1);
        }
      }
      EXPECT_EQ(outside, 0) << s.name << " at " << scale << "x";
      EXPECT_GE(shapeBox.width(), frame.width() * 3 / 4) << s.name << " at " << scale << "x";
      EXPECT_GE(shapeBox.height(), frame.height() * 2 / 3) << s.name << " at " << scale << "x";
    }
  }
}

TEST(BonusCraft, PlayersShipsPointRight) {
  for (const char* name : {"bonus-ship-1", "bonus-ship-2"}) {
    for (int scale : {1, 2}) {
      const QImage ship = shownSprite(name, scale);
      EXPECT_EQ(heading(ship), 1) << name << scale;
      // Turned round, the same ship has to read the other way.
      EXPECT_EQ(heading(ship.mirrored(true, false)), -1) << name << scale;
    }
  }
}

TEST(BonusCraft, FortressCraftPointLeft) {
  for (const char* name : {"bonus-wall-missile", "bonus-aimed-missile", "bonus-boss"}) {
    for (int scale : {1, 2}) EXPECT_EQ(heading(shownSprite(name, scale)), -1) << name << scale;
  }
}

TEST(BonusShots, FlyHeadFirstWithTheTrailBehind) {
  for (const char* name : {"bonus-shot-1", "bonus-shot-2"}) {
    const QImage image = shownSprite(name);
    EXPECT_GT(solidCentre(image), 0.6) << name;
    EXPECT_LE(visibleColumns(image).first, solidColumns(image).first - 12) << name;
  }
  const QImage boss = shownSprite("bonus-boss-shot");
  EXPECT_LT(solidCentre(boss), 0.45);
  EXPECT_GE(visibleColumns(boss).second, solidColumns(boss).second + 8);
}

TEST(BonusShips, WearTheTeamsRedAndBlue) {
  const QColor one = paintColour(shownSprite("bonus-ship-1"));
  const QColor two = paintColour(shownSprite("bonus-ship-2"));
  EXPECT_GT(one.red(), one.blue() + 60);
  EXPECT_GT(two.blue(), two.red() + 60);
  EXPECT_GE(colourDistance(one, two), 150.0);
}

TEST(BonusShots, EachGlowsInItsOwnShipsColours) {
  const QColor shipOne = paintColour(shownSprite("bonus-ship-1"));
  const QColor shipTwo = paintColour(shownSprite("bonus-ship-2"));
  const QColor one = glowColour(shownSprite("bonus-shot-1"));
  const QColor two = glowColour(shownSprite("bonus-shot-2"));
  EXPECT_GT(one.red(), one.blue() + 60);
  EXPECT_GT(two.blue(), two.red() + 60);
  EXPECT_GE(colourDistance(one, two), 150.0);
  EXPECT_LT(colourDistance(one, shipOne), colourDistance(one, shipTwo));
  EXPECT_LT(colourDistance(two, shipTwo), colourDistance(two, shipOne));
}

TEST(BonusSprites, BrightDetailsReadAgainstTheSky) {
  // Every sprite has something bright enough to pick it out of the dusk:
  // the brightest twentieth of its solid pixels against the sky's average.
  const double sky = measure(renderAt("bonus-bg", 1), QRect(0, 60, 640, 340)).mean;
  for (const BonusSprite& s : kBonusSprites) {
    const QImage image = shownSprite(s.name);
    std::vector<double> lum;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (solid(image, x, y)) lum.push_back(luminance(image.pixelColor(x, y)));
      }
    }
    ASSERT_FALSE(lum.empty()) << s.name;
    std::sort(lum.begin(), lum.end());
    EXPECT_GE(contrast(lum[lum.size() * 95 / 100], sky), 4.0) << s.name;
  }
}

TEST(BonusSprites, BurstIsHottestInTheMiddle) {
  const QImage image = shownSprite("bonus-dead");
  const Tone middle = measure(image, QRect(16, 16, 8, 8));
  const Tone whole = measure(image, image.rect());
  EXPECT_GE(middle.mean, 0.6);
  EXPECT_GE(middle.mean, whole.mean + 0.3);
}

class BonusBackground : public testing::TestWithParam<int> {
 protected:
  QImage picture() const { return renderAt("bonus-bg", GetParam()); }
};

TEST_P(BonusBackground, OpaqueWhereTheWindowShowsIt) {
  const QImage image = picture();
  const QRect shown = scaled(QRect(0, 0, 640, 455), GetParam());
  for (int y = shown.top(); y <= shown.bottom(); ++y) {
    for (int x = shown.left(); x <= shown.right(); ++x)
      ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
  }
}

TEST_P(BonusBackground, DarkBehindTheWhiteLabels) {
  const QColor white(255, 255, 255);
  const Label labels[] = {
      {"player's points", QRect(QPoint(88, 16), QPoint(175, 41)), white, 7.0},
      {"enemy's points", QRect(QPoint(368, 16), QPoint(431, 41)), white, 7.0},
      {"password", QRect(QPoint(440, 315), QPoint(535, 340)), white, 7.0},
      {"score", QRect(QPoint(480, 347), QPoint(535, 372)), white, 7.0},
  };
  const QImage image = picture();
  for (const Label& label : labels) {
    const Tone t = measure(image, scaled(label.area, GetParam()));
    EXPECT_LE(t.mean, 0.03) << label.what;
    EXPECT_GE(contrast(t.brightest, luminance(label.ink)), label.minContrast) << label.what;
  }
}

TEST_P(BonusBackground, GoldenMessagesReadInTheMiddle) {
  // "Game Over" and the level-clear line, centred in gold.
  const double gold = luminance(QColor(255, 214, 90));
  const Tone t = measure(picture(), scaled(QRect(QPoint(200, 168), QPoint(449, 193)), GetParam()));
  EXPECT_GE(contrast(t.mean, gold), 7.0);
  EXPECT_GE(contrast(t.brightest, gold), 4.5);
}

INSTANTIATE_TEST_SUITE_P(Scales, BonusBackground, testing::Values(1, 2));

TEST(BonusBackgroundScene, DuskGlowsLowWhileTheTopBandStaysNight) {
  const QImage image = renderAt("bonus-bg", 1);
  const Tone top = measure(image, QRect(0, 0, 640, 50));
  const Tone horizon = measure(image, QRect(0, 360, 400, 40));
  EXPECT_GE(horizon.mean, 4 * top.mean);
  EXPECT_GT(horizon.brightest - horizon.darkest, 0.05);
}

// --- The story ----------------------------------------------------------------------------------

namespace {

// A character card as the title screen shows it, stretched into its box on
// the left or the right of the window.
struct CastCard {
  const char* name;
  QSize native;
  QSize shown;
  bool onLeft;
};

const CastCard kCast[] = {
    {"portrait-halvard", {100, 130}, {104, 134}, true},
    {"portrait-mirelle", {100, 130}, {104, 134}, false},
    {"portrait-quellan", {100, 125}, {104, 129}, false},
    {"portrait-brisko", {100, 131}, {104, 135}, true},
    {"portrait-dorrin", {100, 130}, {104, 134}, false},
};

struct ScenePicture {
  const char* name;
  QSize native;
};

const ScenePicture kScenes[] = {{"scene-1", {557, 392}},
                                {"scene-2", {576, 323}},
                                {"scene-3", {570, 395}},
                                {"scene-4", {640, 480}},
                                {"scene-5", {576, 432}}};

QImage shownCard(const CastCard& c, int scale = 1) {
  return art::render(c.name, c.shown * scale).convertToFormat(QImage::Format_ARGB32);
}

// `area`, given in native card pixels for a character on the left, in the
// pixels of `image`; mirrored for a character on the right, who is drawn
// as the mirror image.
QRect onCard(const CastCard& c, const QImage& image, QRect area) {
  if (!c.onLeft) area.moveLeft(c.native.width() - 1 - area.right());
  const double sx = static_cast<double>(image.width()) / c.native.width();
  const double sy = static_cast<double>(image.height()) / c.native.height();
  return QRect(QPoint(static_cast<int>(area.left() * sx), static_cast<int>(area.top() * sy)),
               QPoint(static_cast<int>((area.right() + 1) * sx) - 1,
                      static_cast<int>((area.bottom() + 1) * sy) - 1));
}

// The per-channel median of an area, so an outline or an accessory crossing
// it does not move the result.
QColor medianColour(const QImage& image, const QRect& area) {
  std::vector<int> r, g, b;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb px = image.pixel(x, y);
      r.push_back(qRed(px));
      g.push_back(qGreen(px));
      b.push_back(qBlue(px));
    }
  }
  auto median = [](std::vector<int>& v) {
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
  };
  return QColor(median(r), median(g), median(b));
}

// The crown of the head and a strip along the top of the card's background.
const QRect kCrown(30, 16, 12, 10);
const QRect kTintStrip(10, 5, 80, 5);

bool isSkin(const QColor& c) {
  const float hue = c.hsvHueF() * 360;
  return c.alpha() == 255 && hue >= 8 && hue <= 35 && c.hsvSaturationF() >= 0.12f &&
         c.hsvSaturationF() <= 0.55f && c.valueF() >= 0.6f;
}

// How many skin pixels there are and where they sit across the card, as a
// fraction of its width.
std::pair<int, double> skinSpread(const QImage& image) {
  int n = 0;
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!isSkin(image.pixelColor(x, y))) continue;
      sum += x + 0.5;
      ++n;
    }
  }
  return {n, n ? sum / n / image.width() : 0.5};
}

// Saturated, bright pixels with a hue in [from, to] degrees (wrapping past 360).
int paintPixels(const QImage& image, const QRect& area, double from, double to) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.hsvSaturationF() < 0.55f || c.valueF() < 0.6f) continue;
      const double hue = c.hsvHueF() * 360;
      n += from <= to ? (hue >= from && hue <= to) : (hue >= from || hue <= to);
    }
  }
  return n;
}

// The share of pixels in each of six hue sectors (for clearly coloured
// pixels) and three grey levels (for the rest); the shares add up to one.
std::vector<double> colourMix(const QImage& image) {
  std::vector<double> mix(9, 0.0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.hsvSaturationF() >= 0.25f && c.valueF() >= 0.2f) {
        mix[std::min(5, static_cast<int>(c.hsvHueF() * 6))] += 1;
      } else {
        mix[6 + std::min(2, static_cast<int>(c.valueF() * 3))] += 1;
      }
    }
  }
  for (double& share : mix) share /= static_cast<double>(image.width()) * image.height();
  return mix;
}

QColor meanOver(const QImage& image, const QRect& area) {
  return meanColour(image.copy(area).convertToFormat(QImage::Format_ARGB32));
}

}  // namespace

TEST(Catalog, StoryPicturesHaveTheirNativeSizes) {
  for (const CastCard& c : kCast) EXPECT_EQ(art::nativeSize(c.name), c.native) << c.name;
  for (const ScenePicture& s : kScenes) EXPECT_EQ(art::nativeSize(s.name), s.native) << s.name;
}

TEST(Portraits, AreOpaqueCardsWithRoundedCorners) {
  for (const CastCard& c : kCast) {
    for (int scale : {1, 2}) {
      const QImage image = shownCard(c, scale);
      const int w = image.width(), h = image.height();
      for (const QPoint corner :
           {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
            << c.name << " corner " << corner.x() << "," << corner.y() << " at " << scale << "x";
      }
      // Away from the rounded corners the card is solid to its very edge.
      const int round = 11 * scale;
      int holes = 0;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const bool inCorner = (x < round || x >= w - round) && (y < round || y >= h - round);
          if (!inCorner) holes += qAlpha(image.pixel(x, y)) != 255;
        }
      }
      EXPECT_EQ(holes, 0) << c.name << " at " << scale << "x";
    }
  }
}

TEST(Portraits, PaleBorderFramesEachCard) {
  // A light frame just inside the edge lifts the card off any picture.
  for (const CastCard& c : kCast) {
    const QImage image = shownCard(c, 2);
    const int w = image.width(), h = image.height(), in = 5;
    for (const QPoint at : {QPoint(w / 2, in), QPoint(w / 2, h - 1 - in), QPoint(in, h / 2),
                            QPoint(w - 1 - in, h / 2), QPoint(w / 4, in), QPoint(in, h / 4)}) {
      EXPECT_GE(luminance(image.pixelColor(at)), 0.7)
          << c.name << " at " << at.x() << "," << at.y();
    }
  }
}

TEST(Portraits, EachCharacterHasTheirOwnHair) {
  std::vector<QColor> hair;
  for (const CastCard& c : kCast) {
    const QImage image = shownCard(c);
    hair.push_back(medianColour(image, onCard(c, image, kCrown)));
  }
  for (size_t a = 0; a < hair.size(); ++a) {
    for (size_t b = a + 1; b < hair.size(); ++b) {
      EXPECT_GE(colourDistance(hair[a], hair[b]), 60.0)
          << kCast[a].name << " and " << kCast[b].name << " have hair too alike";
    }
  }
}

TEST(Portraits, EachCardIsTintedInItsOwnColour) {
  std::vector<QColor> tint;
  for (const CastCard& c : kCast) {
    const QImage image = shownCard(c);
    const QColor t = medianColour(image, onCard(c, image, kTintStrip));
    EXPECT_GE(t.hsvSaturation(), 60) << c.name << " card is too grey to carry a colour";
    tint.push_back(t);
  }
  for (size_t a = 0; a < tint.size(); ++a) {
    for (size_t b = a + 1; b < tint.size(); ++b) {
      EXPECT_GE(colourDistance(tint[a], tint[b]), 50.0)
          << kCast[a].name << " and " << kCast[b].name << " cards are tinted too alike";
    }
  }
}

TEST(Portraits, FacesLookTowardsTheMiddleOfTheWindow) {
  // Each head sits back from the middle of its card, leaving room in front of
  // the face on the side it looks towards: the right for the characters on
  // the left of the window, the left for those on the right.
  for (const CastCard& c : kCast) {
    const QImage image = shownCard(c);
    const auto [skin, centre] = skinSpread(image);
    EXPECT_GE(skin, image.width() * image.height() / 25) << c.name << " shows too little face";
    if (c.onLeft) {
      EXPECT_LT(centre, 0.47) << c.name << " should look right";
    } else {
      EXPECT_GT(centre, 0.53) << c.name << " should look left";
    }
  }
}

// --- The story on the title window ------------------------------------------------------------

namespace {

QColor titlePaper() { return ui::qt::toQColor(designed(designOf("Form1"), "Picture1").BackColor); }

// The title window behind its elements while it shows `picture`: the picture
// area's own colour, and the picture drawn unscaled from the top-left corner.
QImage titleWindowShowing(const std::string& picture, int scale) {
  const QSize size = windowPixels(designOf("Form1"), scale);
  QImage window(size, QImage::Format_ARGB32);
  window.fill(titlePaper());
  QPainter p(&window);
  p.drawImage(0, 0, renderAt(picture, scale));
  p.end();
  return window;
}

// Where a scene's photo sits on its paper: whatever is not paper in the part
// of the picture the window shows above the story box, inside its outline.
QRect photoOf(const QImage& scene) {
  const ui::Design& d = designOf("Form1");
  const QColor paper = titlePaper();
  const int right = std::min(scene.width(), windowPixels(d, 1).width());
  const int bottom = std::min(scene.height(), pixelsOf(designed(d, "Text1"), 1).top());
  QRect photo;
  for (int y = 0; y < bottom; ++y) {
    for (int x = 0; x < right; ++x) {
      if (colourDistance(scene.pixelColor(x, y), paper) > 40) photo |= QRect(x, y, 1, 1);
    }
  }
  return photo.adjusted(3, 3, -3, -3);
}

// Where the story leaves a scene's photo uncovered while the portraits are
// up: between the two portrait boxes, down to the photo's foot.
QRect betweenPortraits(const QImage& scene) {
  const ui::Design& d = designOf("Form1");
  const QRect left = pixelsOf(designed(d, "Image2"), 1);
  const QRect right = pixelsOf(designed(d, "Image1"), 1);
  return QRect(QPoint(left.right() + 1, right.top()),
               QPoint(right.left() - 1, photoOf(scene).bottom()));
}

}  // namespace

TEST(StoryPictures, PaperUnderTheStoryBoxAndTheLinks) {
  // The title and every scene lay the same light paper under the story box
  // and the two links, so the box looks the same on all six and the blue
  // links read.
  const ui::Design& d = designOf("Form1");
  for (const char* picture : {"title", "scene-1", "scene-2", "scene-3", "scene-4", "scene-5"}) {
    for (int scale : {1, 2}) {
      const QImage window = titleWindowShowing(picture, scale);
      const int m = 3 * scale;
      const Tone box =
          measure(window, pixelsOf(designed(d, "Text1"), scale).adjusted(-m, -m, m, m));
      EXPECT_GE(box.darkest, 0.6) << picture << " at " << scale << "x";
      EXPECT_GE(box.mean, 0.75) << picture << " at " << scale << "x";
      for (const char* link : {"Label1", "Label2"}) {
        const ui::Element& e = designed(d, link);
        const Tone under = measure(window, pixelsOf(e, scale));
        EXPECT_GE(contrast(under.darkest, luminance(ui::qt::toQColor(e.ForeColor))), 4.5)
            << link << " on " << picture << " at " << scale << "x";
      }
    }
  }
}

TEST(StoryPictures, PaperRunsOnToTheWindowEdgeWithoutASeam) {
  // Where a scene is narrower or shorter than the window, the picture area's
  // own colour shows; the scene's paper meets it there in the same colour.
  const ui::Design& d = designOf("Form1");
  const QColor paper = titlePaper();
  int edges = 0;
  for (const ScenePicture& s : kScenes) {
    for (int scale : {1, 2}) {
      const QImage image = renderAt(s.name, scale).convertToFormat(QImage::Format_ARGB32);
      const QSize window = windowPixels(d, scale);
      const int w = image.width(), h = image.height();
      int seams = 0;
      if (w < window.width()) {
        ++edges;
        for (int y = 0; y < std::min(h, window.height()); ++y)
          seams += colourDistance(image.pixelColor(w - 1, y), paper) > 3;
      }
      if (h < window.height()) {
        ++edges;
        for (int x = 0; x < std::min(w, window.width()); ++x)
          seams += colourDistance(image.pixelColor(x, h - 1), paper) > 3;
      }
      EXPECT_EQ(seams, 0) << s.name << " at " << scale << "x";
    }
  }
  EXPECT_GT(edges, 0) << "no scene is smaller than the window any more";
}

TEST(StoryPictures, SceneShowsAboveTheBandAndRoundThePortraits) {
  // The photo fills the window above the band, from the window's top to the
  // menu buttons, and the band starts below it.
  const ui::Design& d = designOf("Form1");
  const QRect buttons = pixelsOf(designed(d, "Command1"), 1);
  const QRect box = pixelsOf(designed(d, "Text1"), 1);
  const QRect portrait = pixelsOf(designed(d, "Image2"), 1);
  for (const ScenePicture& s : kScenes) {
    const QRect photo = photoOf(renderAt(s.name, 1));
    EXPECT_LE(photo.top(), portrait.top() - 20) << s.name;
    EXPECT_GE(photo.bottom(), buttons.bottom()) << s.name;
    EXPECT_LT(photo.bottom(), box.top()) << s.name;
    EXPECT_GE(photo.width(), windowPixels(d, 1).width() * 9 / 10) << s.name;
  }
}

class Scene : public testing::TestWithParam<int> {
 protected:
  const ScenePicture& scene() const { return kScenes[GetParam() - 1]; }
  QImage picture(int scale = 1) const { return renderAt(scene().name, scale); }
};

TEST_P(Scene, OpaqueOverItsWholeSize) {
  for (int scale : {1, 2}) {
    const QImage image = picture(scale);
    int holes = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) holes += qAlpha(image.pixel(x, y)) != 255;
    }
    EXPECT_EQ(holes, 0) << scene().name << " at " << scale << "x";
  }
}

TEST_P(Scene, LivelyWhereTheDialogueLeavesItVisible) {
  // The top two hundred rows carry the story: many colours, light and shade.
  const QImage top = picture().copy(0, 0, scene().native.width(), 200);
  EXPECT_GE(distinctColours(top, 3000), 3000) << scene().name;
  const Tone t = measure(top, top.rect());
  EXPECT_GE(t.brightest - t.darkest, 0.4) << scene().name;
}

TEST_P(Scene, CarShowsBetweenThePortraits) {
  // The player's red car in the first three stages, the gold Ultrapex in
  // the last two, where the portraits leave the picture uncovered.
  const QImage image = picture().convertToFormat(QImage::Format_ARGB32);
  if (GetParam() <= 3) {
    EXPECT_GE(paintPixels(image, betweenPortraits(image), 350, 8), 150) << scene().name;
  } else {
    EXPECT_GE(paintPixels(image, betweenPortraits(image), 36, 50), 800) << scene().name;
  }
}

INSTANTIATE_TEST_SUITE_P(Stages, Scene, testing::Values(1, 2, 3, 4, 5));

TEST(Scenes, EachStageHasItsOwnLook) {
  // Compare what the colours are made of, not only their average: a stormy
  // grey and a night full of fireworks can average out alike.
  std::vector<std::vector<double>> looks;
  for (const ScenePicture& s : kScenes) {
    looks.push_back(colourMix(renderAt(s.name, 1).copy(0, 0, s.native.width(), 200)));
  }
  for (size_t a = 0; a < looks.size(); ++a) {
    for (size_t b = a + 1; b < looks.size(); ++b) {
      double apart = 0;
      for (size_t k = 0; k < looks[a].size(); ++k) apart += std::abs(looks[a][k] - looks[b][k]);
      EXPECT_GE(apart, 0.4) << kScenes[a].name << " and " << kScenes[b].name;
    }
  }
}

TEST(Scenes, SkyTellsTheTimeOfDay) {
  // The heat runs by day under a blue sky, the coast road at sunset with
  // the horizon glowing warm; the city, the storm and the final are at night.
  const QImage day = renderAt("scene-1", 1);
  const QRect daySky = photoOf(day).intersected(QRect(0, 0, 557, 60));
  EXPECT_GE(measure(day, daySky).mean, 0.3);
  EXPECT_GT(meanOver(day, daySky).blue(), meanOver(day, daySky).red() + 50);

  const QImage sunset = renderAt("scene-2", 1);
  const QRect horizon = photoOf(sunset).intersected(QRect(0, 82, 576, 18));
  EXPECT_GT(meanOver(sunset, horizon).red(), meanOver(sunset, horizon).blue() + 80);
  EXPECT_GE(measure(sunset, horizon).mean, 0.25);
  EXPECT_LE(measure(sunset, photoOf(sunset).intersected(QRect(0, 0, 576, 30))).mean, 0.1);

  for (const char* night : {"scene-3", "scene-4", "scene-5"}) {
    const QImage image = renderAt(night, 1);
    EXPECT_LE(measure(image, photoOf(image).intersected(QRect(0, 0, 640, 40))).mean, 0.1) << night;
  }
}

TEST(SceneContent, CountrysideHeatRunsThroughGreenFields) {
  // Green hills behind the crowd and verges in front, under a blue sky.
  const QImage image = renderAt("scene-1", 1).convertToFormat(QImage::Format_ARGB32);
  const QRect photo = photoOf(image);
  int green = 0;
  for (int y = photo.top(); y <= photo.bottom(); ++y) {
    for (int x = photo.left(); x <= photo.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const double hue = c.hsvHueF() * 360;
      green += c.hsvSaturationF() > 0.3f && hue > 80 && hue < 160;
    }
  }
  EXPECT_GE(green, photo.width() * photo.height() / 10);
}

TEST(SceneContent, CityGlowsInPinkCyanAndAmberNeon) {
  const QImage image = renderAt("scene-3", 1).convertToFormat(QImage::Format_ARGB32);
  const QRect top(0, 0, image.width(), 200);
  EXPECT_GE(paintPixels(image, top, 300, 340), 200) << "pink";
  EXPECT_GE(paintPixels(image, top, 175, 200), 200) << "cyan";
  EXPECT_GE(paintPixels(image, top, 28, 45), 200) << "amber";
}

TEST(SceneContent, UltrapexHeadlampsBlazeThroughTheRain) {
  // The storm is dark; the only near-white light in the middle of the
  // picture comes from the lamps of the cars on the pass.
  const QImage image = renderAt("scene-4", 1);
  int blazing = 0;
  const QRect between = betweenPortraits(image);
  for (int y = between.top(); y <= between.bottom(); ++y) {
    for (int x = between.left(); x <= between.right(); ++x)
      blazing += luminance(image.pixelColor(x, y)) > 0.85;
  }
  EXPECT_GE(blazing, 300);
  EXPECT_LE(measure(image, photoOf(image).intersected(QRect(0, 0, 640, 40))).mean, 0.1);
}

TEST(SceneContent, FinalNightSkyIsFullOfFireworks) {
  // Bursts and confetti in many colours: at least four of the six hue
  // sectors are well represented in the sky.
  const QImage image = renderAt("scene-5", 1).convertToFormat(QImage::Format_ARGB32);
  int sectors = 0;
  std::string counts;
  for (int k = 0; k < 6; ++k) {
    int n = 0;
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        n += c.hsvSaturationF() >= 0.4f && c.valueF() >= 0.5f &&
             static_cast<int>(c.hsvHueF() * 6) == k;
      }
    }
    sectors += n >= 120;  // the sky of a photo mounted on its paper border
    counts += " " + std::to_string(n);
  }
  EXPECT_GE(sectors, 4) << "pixels of each hue:" << counts;
}

// --- The two-player battle ---------------------------------------------------------------------

namespace {

// Battle sprites with the size the game stretches them to.
const struct {
  const char* name;
  QSize native;
  QSize shown;
} kBattleSprites[] = {
    {"battle-car-red", {24, 34}, {61, 83}},      {"battle-car-blue", {24, 34}, {61, 83}},
    {"battle-car-gold", {24, 34}, {61, 83}},     {"battle-rival-1", {24, 34}, {61, 83}},
    {"battle-rival-2", {24, 34}, {61, 83}},      {"battle-missile-red", {41, 71}, {41, 71}},
    {"battle-missile-blue", {41, 71}, {41, 71}}, {"battle-lane", {12, 71}, {12, 71}},
    {"battle-deco", {61, 83}, {61, 83}},         {"marker-blue-ahead", {29, 34}, {29, 34}},
    {"marker-blue-behind", {29, 34}, {29, 34}},  {"marker-red-ahead", {29, 34}, {29, 34}},
    {"marker-red-behind", {29, 34}, {29, 34}},
};

QImage shown(const char* name, QSize size) {
  return art::render(name, size).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(Catalog, BattlePicturesHaveTheirNativeSizes) {
  EXPECT_EQ(art::nativeSize("battle-bg"), QSize(574, 349));
  EXPECT_EQ(art::nativeSize("battle-road"), QSize(249, 345));
  EXPECT_EQ(art::nativeSize("battle-finish"), QSize(265, 51));
  for (const auto& sprite : kBattleSprites)
    EXPECT_EQ(art::nativeSize(sprite.name), sprite.native) << sprite.name;
}

TEST(BattleSprites, SitInATransparentMarginWithASolidMiddle) {
  for (const auto& sprite : kBattleSprites) {
    for (QSize size : {sprite.native, sprite.shown}) {
      const QImage image = shown(sprite.name, size);
      const int w = image.width();
      const int h = image.height();
      for (const QPoint corner :
           {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
            << sprite.name << " " << w << "x" << h << " corner " << corner.x() << "," << corner.y();
    }
    const QImage image = shown(sprite.name, sprite.shown);
    // The middle of the sprite is solid (the cone cluster has a cone there).
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << sprite.name;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
    }
    EXPECT_GE(opaque, image.width() * image.height() / 6) << sprite.name << " is too faint";
  }
}

TEST(BattleCars, EachCarWearsItsOwnColours) {
  // Red, blue, gold and the two computer cars must never be mistaken for
  // one another, even at a glance.
  const char* const cars[] = {"battle-car-red", "battle-car-blue", "battle-car-gold",
                              "battle-rival-1", "battle-rival-2"};
  std::vector<QColor> mean;
  for (const char* car : cars) mean.push_back(meanColour(shown(car, kShownCar)));
  for (size_t a = 0; a < mean.size(); ++a) {
    for (size_t b = a + 1; b < mean.size(); ++b)
      EXPECT_GE(colourDistance(mean[a], mean[b]), 45.0)
          << cars[a] << " and " << cars[b] << ": " << mean[a].name().toStdString() << " "
          << mean[b].name().toStdString();
  }
  // And the players' paint is what its name says.
  const QColor red = paintColour(shown("battle-car-red", kShownCar));
  const QColor blue = paintColour(shown("battle-car-blue", kShownCar));
  const QColor gold = paintColour(shown("battle-car-gold", kShownCar));
  EXPECT_GT(red.red(), red.blue() + 60);
  EXPECT_GT(blue.blue(), blue.red() + 60);
  EXPECT_GT(gold.green(), gold.blue() + 50);
  EXPECT_GT(gold.red(), gold.blue() + 60);
}

TEST(BattleCars, PlayersCarsAreSymmetricAndTheTurboCarBurnsBehind) {
  for (const char* car : {"battle-car-red", "battle-car-blue", "battle-rival-1", "battle-rival-2"})
    EXPECT_LT(lopsidedness(shown(car, kShownCar)), 0.03) << car;
  // Below the tail: empty road for a plain car, a hot orange flame for turbo.
  auto flame = [](const QImage& image) {
    int hot = 0;
    for (int y = image.height() - 8; y < image.height(); ++y) {
      for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
        const QRgb px = image.pixel(x, y);
        hot += qAlpha(px) > 90 && qRed(px) > qBlue(px) + 60;
      }
    }
    return hot;
  };
  EXPECT_EQ(flame(shown("battle-car-red", kShownCar)), 0);
  EXPECT_GE(flame(shown("battle-car-gold", kShownCar)), 20);
}

TEST(BattleMissiles, FlyNoseUpWithTheExhaustBelowInTheirTeamColour) {
  for (const char* name : {"battle-missile-red", "battle-missile-blue"}) {
    const QImage image = shown(name, {41, 71});
    // The nose is a narrow point at the top, the fins spread wide near the
    // tail, and the rows below the tail glow.
    auto across = [&](int y, int alpha) {
      int n = 0;
      for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > alpha;
      return n;
    };
    const int top = across(4, 128);
    const int bottom = across(60, 40);
    EXPECT_LE(top * 3, across(45, 128)) << name;
    EXPECT_GE(bottom, 3) << name;
  }
  const QColor red = paintColour(shown("battle-missile-red", {41, 71}));
  const QColor blue = paintColour(shown("battle-missile-blue", {41, 71}));
  EXPECT_GT(red.red(), red.blue() + 60);
  EXPECT_GT(blue.blue(), blue.red() + 60);
}

TEST(BattleMarkers, AheadPointsUpAndBehindPointsDown) {
  // The arrow head is broader than its shaft: the quarter of the picture
  // just above the middle is fuller than the quarter just below it for
  // "ahead", and the other way round for "behind".
  auto upperOverLower = [](const QImage& image) {
    const int h = image.height();
    double upper = 0, lower = 0;
    for (int x = 0; x < image.width(); ++x) {
      for (int y = h / 4; y < h / 2; ++y) upper += qAlpha(image.pixel(x, y));
      for (int y = h - h / 2; y < h - h / 4; ++y) lower += qAlpha(image.pixel(x, y));
    }
    return upper / lower;
  };
  for (const char* team : {"blue", "red"}) {
    const std::string ahead = std::string("marker-") + team + "-ahead";
    const std::string behind = std::string("marker-") + team + "-behind";
    for (QSize size : {QSize(29, 34), QSize(87, 102)}) {
      EXPECT_GT(upperOverLower(shown(ahead.c_str(), size)), 1.3) << ahead;
      EXPECT_LT(upperOverLower(shown(behind.c_str(), size)), 1 / 1.3) << behind;
    }
  }
  const QColor blue = paintColour(shown("marker-blue-ahead", {29, 34}));
  const QColor red = paintColour(shown("marker-red-behind", {29, 34}));
  EXPECT_GT(blue.blue(), blue.red() + 60);
  EXPECT_GT(red.red(), red.blue() + 60);
}

TEST(BattleRoad, OpaqueEverywhereAndTheSameAllTheWayDown) {
  for (int scale : {1, 2}) {
    const QImage image = renderAt("battle-road", scale);
    int holes = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) holes += qAlpha(image.pixel(x, y)) != 255;
    }
    EXPECT_EQ(holes, 0) << scale << "x";
  }
  // The lane dash scrolls over it; the road itself must not seem to move.
  const QImage image = renderAt("battle-road", 1);
  std::vector<double> rows;
  for (int y = 0; y < image.height(); ++y) {
    double sum = 0;
    for (int x = 0; x < image.width(); ++x) sum += luminanceOf(image, x, y);
    rows.push_back(sum / image.width());
  }
  const auto [lo, hi] = std::minmax_element(rows.begin(), rows.end());
  EXPECT_LT(*hi - *lo, 0.012);
}

TEST(BattleLane, BrightDashReadsOnTheRoad) {
  const QImage dash = shown("battle-lane", {12, 71});
  const double road = luminanceOf(renderAt("battle-road", 1), 124, 172);
  EXPECT_GE(contrast(luminanceOf(dash, 6, 35), road), 6.0);
}

TEST(BattleFinish, IsASolidChequeredStrip) {
  const QImage image = renderAt("battle-finish", 1);
  int dark = 0, light = 0;
  for (int x = 0; x < image.width(); ++x) {
    for (int y : {10, 40}) {
      ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
      const double l = luminanceOf(image, x, y);
      dark += l < 0.05;
      light += l > 0.7;
    }
  }
  EXPECT_GE(dark, image.width() / 2);
  EXPECT_GE(light, image.width() / 2);
}

TEST(BattleBackground, ColumnIsDarkBehindTheYellowReadouts) {
  const QImage image = renderAt("battle-bg", 1);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << x << "," << y;
  }
  const double yellow = luminance(QColor(255, 255, 0));
  const Tone column = measure(image, QRect(256, 0, 64, 310));
  EXPECT_GE(contrast(yellow, column.mean), 10.0);
  EXPECT_GE(contrast(yellow, column.brightest), 4.5);
  // Red on the player-one side of the column, blue on the player-two side.
  const QColor left = meanColour(image.copy(256, 0, 4, 349).convertToFormat(QImage::Format_ARGB32));
  const QColor right =
      meanColour(image.copy(316, 0, 4, 349).convertToFormat(QImage::Format_ARGB32));
  EXPECT_GT(left.red(), left.blue() + 20);
  EXPECT_GT(right.blue(), right.red() + 20);
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
