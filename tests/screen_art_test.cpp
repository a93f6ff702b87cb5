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

QColor gameColour(std::int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

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

TEST(BattleWindow, EachPlayersReadoutsSitOnTheirOwnColour) {
  const ui::Design& battle = design("Form3");
  const QImage bg = picture(battle.picture);
  const double columnLeft = placed(battle, "Picture1").right();
  const double columnRight = placed(battle, "Picture2").left();
  auto tint = [&](int index) {
    QRectF r = placed(battle, "Label2(" + std::to_string(index) + ")");
    r.setLeft(std::max(r.left(), columnLeft));
    r.setRight(std::min(r.right(), columnRight));
    const QRect area = pixels(r, bg);
    double red = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        red += bg.pixelColor(x, y).red();
        blue += bg.pixelColor(x, y).blue();
      }
    }
    return (red - blue) / (area.width() * area.height());
  };
  for (int one : {0, 2, 4, 7}) EXPECT_GT(tint(one), 8) << "player one's Label2(" << one << ")";
  for (int two : {1, 3, 6, 8}) EXPECT_LT(tint(two), -8) << "player two's Label2(" << two << ")";
}

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

TEST(NetWindow, EveryLabelOnTheDashboardReads) {
  const ui::Design& net = design("Form5");
  for (const char* name : kNetBackgrounds) {
    const QImage bg = picture(name);
    for (const ui::Element& e : net.elements) {
      if (e.kind != ui::Kind::Label || e.container == "Picture1") continue;
      // Texts start at the left and stop well short of the right end, where
      // the badges sit.
      QRectF r = placed(net, e.id());
      if (e.Alignment == ui::Align::Left) r.setWidth(r.width() * 0.6);
      const Tone tone = measure(bg, pixels(r, bg));
      const double text = luminance(gameColour(e.ForeColor));
      EXPECT_GE(contrast(text, tone.mean), 4.0) << name << " " << e.id();
      EXPECT_GE(contrast(text, tone.brightest), 2.0) << name << " " << e.id();
    }
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

TEST(ShooterWindow, EveryLabelAndReadoutSitsOnABrassRimmedPlate) {
  const ui::Design& shooter = design("frmMain");
  const ui::Element& field = element(shooter, "picBK");
  const QImage bg = picture(field.Picture);
  // The field's picture starts inside its frame.
  const QPointF origin = placed(shooter, "picBK").topLeft() + QPointF(2, 2);
  auto brass = [](QColor c) { return c.red() > 100 && c.green() > 70 && c.red() > c.blue() + 50; };
  for (const char* id :
       {"Label2", "Text1", "Label3", "Text2", "Label5", "Text4", "Label4", "Text3"}) {
    const QPointF centre = placed(shooter, id).translated(-origin).center();
    // Out from the middle in each direction: dark plate, then the rim.
    for (const QPoint step : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
      QPoint at = centre.toPoint();
      bool rim = false;
      std::vector<double> crossed;
      for (int i = 0; i < 260 && bg.rect().contains(at) && !rim; ++i, at += step) {
        rim = brass(bg.pixelColor(at));
        if (!rim) crossed.push_back(luminance(bg.pixelColor(at)));
      }
      EXPECT_TRUE(rim) << id << " towards " << step.x() << "," << step.y();
      ASSERT_FALSE(crossed.empty()) << id;
      std::sort(crossed.begin(), crossed.end());
      EXPECT_LT(crossed[crossed.size() * 9 / 10], 0.02)
          << id << " towards " << step.x() << "," << step.y();
    }
  }
}
