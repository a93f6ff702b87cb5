// Pictures against the windows that show them: where the designs put their
// elements, and what the art draws there.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "art.h"
#include "frontend/game.h"
#include "tests/support/tone.h"
#include "ui/virtual/session.h"
#include "ui/window.h"

namespace {

using tone::contrast;
using tone::luminance;
using tone::measure;
using tone::Tone;

QImage picture(const std::string& name) {
  return art::render(name, art::nativeSize(name)).convertToFormat(QImage::Format_ARGB32);
}

// The designs of the game's windows, as the program holds them.
const ui::Design& design(const char* window) {
  static ui::VirtualSession game(frontend::addWindows);
  return game.program().window(window).design();
}

const ui::Element& element(const ui::Design& d, const std::string& id) {
  for (const ui::Element& e : d.elements) {
    if (e.id() == id) return e;
  }
  throw std::invalid_argument("no element " + id);
}

// Where an element shows in its window, in pixels at scale 1. A framed
// picture area holds its elements inside its two-pixel frame.
QRectF placed(const ui::Design& d, const std::string& id) {
  const ui::Element& e = element(d, id);
  QPointF origin;
  if (!e.container.empty()) {
    const double frame = element(d, e.container).Border ? 2 : 0;
    origin = placed(d, e.container).topLeft() + QPointF(frame, frame);
  }
  return QRectF(origin + QPointF(e.Left / 15.0, e.Top / 15.0),
                QSizeF(e.Width / 15.0, e.Height / 15.0));
}

QRect pixels(const QRectF& r, const QImage& image) {
  return r.toAlignedRect().intersected(image.rect());
}

// Pixels of a player's car paint: a strong red, or a strong blue.
bool red(QColor c) { return c.red() > 170 && c.green() < 110 && c.blue() < 120; }
bool blue(QColor c) { return c.blue() > 170 && c.red() < 110; }

template <typename Test>
int count(const QImage& image, const QRect& area, Test test) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += test(image.pixelColor(x, y));
  }
  return n;
}

double columnLuminance(const QImage& image, int x) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) sum += luminance(image.pixelColor(x, y));
  return sum / image.height();
}

}  // namespace

// --- The arena road, under the battle and the network race
// -----------------------------------------

TEST(ArenaRoad, KerbsRunWhereTheNetworkRaceScrollsItsRoadMarks) {
  const ui::Design& net = design("Form5");
  const QImage road = picture("battle-road");
  const QPointF track = placed(net, "Picture1").topLeft();
  for (const char* mark : {"Image1(0)", "Image1(3)"}) {
    const QRectF r = placed(net, mark).translated(-track);
    // Kerb paint under the middle of the mark, asphalt just beside it.
    for (double x : {r.center().x() - 2, r.center().x() + 2}) {
      const QColor c = road.pixelColor(static_cast<int>(x), road.height() / 2);
      EXPECT_GT(c.red(), c.blue() + 100) << mark << " x " << x;
      EXPECT_GT(luminance(c), 0.25) << mark << " x " << x;
    }
    const bool left = r.center().x() < road.width() / 2.0;
    const int beside = static_cast<int>(left ? r.right() + 1.5 : r.left() - 2.5);
    EXPECT_LT(columnLuminance(road, beside), 0.04) << mark << ": the kerb is wider than the mark";
  }
}

TEST(ArenaRoad, LaneLineRunsWhereTheBattleScrollsItsDash) {
  const ui::Design& battle = design("Form3");
  const QImage road = picture("battle-road");
  for (const char* view : {"Picture1", "Picture2"}) {
    const std::string dashId = std::string("Image1(") + (view[7] == '1' ? "0" : "1") + ")";
    const QRectF dash = placed(battle, dashId).translated(-placed(battle, view).topLeft());
    // Between the two lanes, the brightest line of the road is the one the
    // dash runs down.
    int brightest = -1;
    double best = 0;
    for (int x = static_cast<int>(dash.left()) - 40; x < static_cast<int>(dash.right()) + 40; ++x) {
      const double l = columnLuminance(road, x);
      if (l > best) best = l, brightest = x;
    }
    EXPECT_GE(brightest, dash.left()) << view;
    EXPECT_LT(brightest, dash.right()) << view;
  }
}

// --- The battle's window
// ----------------------------------------------------------------------------

// --- The network race's window
// ----------------------------------------------------------------------

namespace {
const char* const kNetBackgrounds[] = {"net-bg", "net-bg-host", "net-bg-guest"};
}

TEST(NetWindow, HasABackgroundOfItsOwnWithNothingOfTheBattleBetweenRoadAndDashboard) {
  const ui::Design& net = design("Form5");
  EXPECT_EQ(net.picture, "net-bg");
  QRectF gap = placed(net, "Picture1");
  gap.setLeft(gap.right());
  gap.setRight(placed(net, "Picture2").left());
  gap.setBottom(net.height / 15.0);
  for (const char* name : kNetBackgrounds) {
    const QImage bg = picture(name);
    const QRect area = pixels(gap, bg);
    EXPECT_EQ(count(bg, area, red), 0) << name;
    EXPECT_EQ(count(bg, area, blue), 0) << name;
  }
}

TEST(NetWindow, OwnNameCarriesTheRedCarOnceTheSideIsKnown) {
  const ui::Design& net = design("Form5");
  const struct {
    const char* picture;
    const char* own;    // the name with the red car, or none
    const char* other;  // the name with the blue car, or none
  } sides[] = {{"net-bg-host", "Label1(1)", "Label1(3)"},
               {"net-bg-guest", "Label1(3)", "Label1(1)"},
               {"net-bg", nullptr, nullptr}};
  for (const auto& side : sides) {
    const QImage bg = picture(side.picture);
    for (const char* name : {"Label1(1)", "Label1(3)"}) {
      const QRect area = pixels(placed(net, name), bg);
      const bool own = side.own && std::string(name) == side.own;
      const bool other = side.other && std::string(name) == side.other;
      const int reds = count(bg, area, red);
      const int blues = count(bg, area, blue);
      EXPECT_EQ(reds >= 25, own) << side.picture << " " << name << ": " << reds << " red";
      EXPECT_EQ(blues >= 25, other) << side.picture << " " << name << ": " << blues << " blue";
    }
  }
}

TEST(NetWindow, RedMarksWhatIsThisPlayersAndBlueWhatIsTheOthers) {
  const ui::Design& net = design("Form5");
  for (const char* name : kNetBackgrounds) {
    const QImage bg = picture(name);
    // The speed captions: "My speed" and "Their speed".
    const QRect mine = pixels(placed(net, "Label9(0)"), bg);
    const QRect theirs = pixels(placed(net, "Label9(1)"), bg);
    EXPECT_GE(count(bg, mine, red), 15) << name;
    EXPECT_EQ(count(bg, mine, blue), 0) << name;
    EXPECT_GE(count(bg, theirs, blue), 15) << name;
    EXPECT_EQ(count(bg, theirs, red), 0) << name;
    // The chat lines: a bar just left of each, the other player's above and
    // this player's own below.
    auto bar = [&](const char* id) {
      const QRectF text = placed(net, id);
      return pixels(QRectF(text.left() - 6, text.top(), 6, text.height()), bg);
    };
    EXPECT_GE(count(bg, bar("Label1(0)"), blue), 10) << name;
    EXPECT_GE(count(bg, bar("Label3(1)"), red), 10) << name;
  }
}

// --- The shooter's window
// ---------------------------------------------------------------------------
