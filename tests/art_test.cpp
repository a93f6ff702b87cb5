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
#include "platform/qt/render.h"
#include "platform/qt/widgets.h"
#include "stage/dashboard.h"
#include "tests/support/tone.h"
#include "ui/program.h"
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
  return QRect(platform::qt::px(e.Left, scale), platform::qt::px(e.Top, scale),
               platform::qt::px(e.Width, scale), platform::qt::px(e.Height, scale));
}

QSize windowPixels(const ui::Design& d, int scale) {
  return QSize(platform::qt::px(static_cast<float>(d.width), scale),
               platform::qt::px(static_cast<float>(d.height), scale));
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

// --- Stage races --------------------------------------------------------------------------------

namespace {

// The racers and the van, in the order the game's sprites list them.
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

TEST(Setup, LightAndCalmWhereTheLabelsAndButtonsAre) {
  const QImage image = renderAt("setup", 1);
  const Tone labels = measure(image, QRect(QPoint(8, 16), QPoint(250, 110)));
  EXPECT_GE(labels.mean, 0.85);
  EXPECT_GE(contrast(labels.darkest, 0.0), 12.0);
  const Tone buttons = measure(image, QRect(QPoint(8, 148), QPoint(250, 182)));
  EXPECT_GE(buttons.mean, 0.8);
  EXPECT_LT(buttons.brightest - buttons.darkest, 0.15);
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

}  // namespace

TEST(Catalog, StoryPicturesHaveTheirNativeSizes) {
  for (const CastCard& c : kCast) EXPECT_EQ(art::nativeSize(c.name), c.native) << c.name;
  for (const ScenePicture& s : kScenes) EXPECT_EQ(art::nativeSize(s.name), s.native) << s.name;
}

// --- The story on the title window ------------------------------------------------------------

namespace {

QColor titlePaper() {
  return platform::qt::toQColor(designed(designOf("Form1"), "Picture1").BackColor);
}

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
        EXPECT_GE(contrast(under.darkest, luminance(platform::qt::toQColor(e.ForeColor))), 4.5)
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

INSTANTIATE_TEST_SUITE_P(Stages, Scene, testing::Values(1, 2, 3, 4, 5));

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

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
