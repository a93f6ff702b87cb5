// The stage races' pictures: the cars, the roads and roadside, the stage
// windows and the race dashboard.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "art.h"
#include "platform/qt/render.h"
#include "platform/qt/widgets.h"
#include "stage/dashboard.h"
#include "tests/support/art_pictures.h"
#include "ui/virtual/session.h"
#include "ui/window.h"

using namespace art_pictures;

// --- Stage races --------------------------------------------------------------------------------

namespace {

// The racers and the van, in the order the game's sprites list them.
const char* const kCarSprites[] = {"car-player",   "car-rival-1",   "car-rival-2",
                                   "car-rival-3",  "car-slow",      "car-pro-normal",
                                   "car-pro-trun", "car-pro-speed2"};
QImage shownCar(const char* name) {
  return art::render(name, kShownCar).convertToFormat(QImage::Format_ARGB32);
}

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
    const std::vector<double> rows = rowBrightness(image);
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

TEST(Roadside, WrapsWithoutASeam) {
  // The picture repeats as it scrolls: its top and bottom rows must match.
  const QImage image = renderAt("roadside", 1);
  const int last = image.height() - 1;
  for (int x = 0; x < image.width(); ++x)
    EXPECT_LE(std::abs(qAlpha(image.pixel(x, 0)) - qAlpha(image.pixel(x, last))), 40) << x;
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

TEST_P(StageWindow, SceneryIsCalmAroundTheNameBox) {
  const Tone t = measure(picture(), QRect(QPoint(4, 300), QPoint(108, 340)));
  EXPECT_LT(t.brightest - t.darkest, 0.12);
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
    return platform::qt::renderWindow(game_.program(), window(), scale)
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

INSTANTIATE_TEST_SUITE_P(Stages, Dashboard, testing::Values(1, 2, 3, 4, 5));
