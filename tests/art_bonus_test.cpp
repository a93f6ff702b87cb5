// The bonus shooter's pictures: its sprites and its sky.

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <stdexcept>
#include <string>

#include "art.h"
#include "tests/support/art_pictures.h"

using namespace art_pictures;

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

INSTANTIATE_TEST_SUITE_P(Scales, BonusBackground, testing::Values(1, 2));
