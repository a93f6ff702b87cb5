// The two-player battle's pictures.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

#include "art.h"
#include "tests/support/art_pictures.h"

using namespace art_pictures;

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
  const std::vector<double> rows = rowBrightness(image);
  const auto [lo, hi] = std::minmax_element(rows.begin(), rows.end());
  EXPECT_LT(*hi - *lo, 0.012);
}

TEST(BattleLane, BrightDashReadsOnTheRoad) {
  const QImage dash = shown("battle-lane", {12, 71});
  const double road = luminanceOf(renderAt("battle-road", 1), 124, 172);
  EXPECT_GE(contrast(luminanceOf(dash, 6, 35), road), 6.0);
}
