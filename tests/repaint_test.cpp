// A window on the desktop repaints only what changed: after sprites move
// over a road, pass one another, vanish and come back, and readouts change
// tick after tick, the window on the screen shows exactly what a fresh
// drawing of it shows, with no trail left behind and no old letters. And
// what the window draws answers the pointer and the keys as it shows: a
// click reaches the topmost element under it, and the road keeps the keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "media/media.h"
#include "platform/qt/drawn.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/render.h"
#include "platform/qt/widgets.h"
#include "platform/qt/window_view.h"
#include "ui/program.h"
#include "ui/window.h"

namespace {

class NoShell : public ui::Shell {
 public:
  void open(const std::string&) override {}
};

// Cars on a road inside a picture area, and readouts over the window's
// picture, outlined, and on a plain colour of their own.
class Track : public ui::Window {
 public:
  explicit Track(ui::Program& p) : Window(p, "Track") {
    onIndexed(ui::Event::Click, "Car", [this](int i) { heard.push_back("click Car" + idx(i)); });
    on(ui::Event::Click, "Road", [this] { heard.push_back("click Road"); });
    on(ui::Event::DblClick, "Road", [this] { heard.push_back("dblclick Road"); });
    on(ui::Event::Click, "Note", [this] { heard.push_back("click Note"); });
    onKey(ui::Event::KeyDown, "Road", [this](int code) { heard.push_back("Road " + idx(code)); });
    onKey(ui::Event::KeyDown, "Map", [this](int code) { heard.push_back("Map " + idx(code)); });
  }
  static std::string idx(int i) { return std::to_string(i); }
  std::vector<std::string> heard;
  const ui::Design& design() const override {
    static const ui::Design d = [] {
      ui::Design d{"Track", 8880, 5175, "stage-bg-1", ui::colour::kBlack, {}};
      d.elements.push_back(ui::pictureArea("Road", 1920, 0, 3735, 5175).picture("road-1").tab(0));
      for (int i = 0; i < 4; ++i)
        d.elements.push_back(ui::image("Car", 300.0f + 700.0f * i, 500.0f * i, 915, 1245, i)
                                 .in("Road")
                                 .picture("car-rival-" + std::to_string(i % 3 + 1)));
      d.elements.push_back(ui::label("Speed", 6600, 720, 2175, 975)
                               .font(30, true)
                               .fore(ui::colour::kYellow)
                               .caption("0"));
      d.elements.push_back(
          ui::label("Time", 6240, 4200, 1935, 375).font(14, true).fore(ui::colour::kWhite));
      d.elements.push_back(
          ui::label("Note", 6000, 2400, 2400, 600).back(ui::colour::kWhite).caption("Go"));
      d.elements.push_back(
          ui::pictureArea("Map", 120, 120, 1500, 1500).back(ui::colour::kBlack).tab(1));
      return d;
    }();
    return d;
  }
};

// A readout that counts up tick by tick draws only the digits that changed,
// in one colour and then another, and words come and go over it: each time,
// its letters and their outline are those of a label that shows the caption
// from the start.
TEST(Repaint, AReadoutRedrawnDigitByDigitShowsWhatAFreshLabelShows) {
  std::mt19937 pick(7);
  platform::qt::forgetOutlinedLetters();
  for (const int scale : {1, 2, 3})
    for (const float points : {14.0f, 30.0f})
      for (const ui::Align align : {ui::Align::Left, ui::Align::Center}) {
        ui::Element e =
            ui::label("Speed", 0, 0, 2175, 975).font(points, true).fore(0x00FFFF).align(align);
        const QSize size(platform::qt::px(e.Width, scale), platform::qt::px(e.Height, scale));
        platform::qt::DrawnLabel readout(scale);
        readout.resize(size);
        readout.setOutlined(true);
        for (int tick = 0; tick < 40; ++tick) {
          e.Caption = tick < 25       ? std::to_string(95 + tick)
                      : tick % 3 == 0 ? "\xe6\xa5\xb5\xe9\x80\x9f!!"
                                      : std::to_string(pick() % 2000);
          // A speed turns red past a mark, and back below it.
          e.ForeColor = tick % 7 < 4 ? 0x00FFFF : 0x0000FF;
          readout.setLook(e);
          const QImage shown = readout.picture();
          platform::qt::forgetOutlinedLetters();  // drawn from the start, not kept
          platform::qt::DrawnLabel fresh(scale);
          fresh.resize(size);
          fresh.setOutlined(true);
          fresh.setLook(e);
          EXPECT_TRUE(shown == fresh.picture()) << "\"" << e.Caption << "\" at scale " << scale;
          platform::qt::forgetOutlinedLetters();
        }
      }
}

TEST(Repaint, TheWindowOnScreenShowsWhatAFreshDrawingShows) {
  for (const int scale : {1, 2}) {
    platform::qt::QtDriver driver(scale);
    media::SilentMedia media;
    NoShell shell;
    ui::Program program(driver, media, shell, ".");
    driver.attach(program);
    auto& track = program.add<Track>();
    program.start(track);
    platform::qt::WindowView* view = driver.viewOf(track);
    ASSERT_TRUE(view != nullptr && QTest::qWaitForWindowExposed(view));
    auto onScreen = [view] {
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
      return view->screen()
          ->grabWindow(view->winId())
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
    };
    for (int tick = 1; tick <= 24; ++tick) {
      for (int i = 0; i < 4; ++i) {
        ui::Element& car = track.el("Car", i);
        car.Top += 130.0f + 45.0f * i;  // the faster cars pass the slower ones
        car.Left += (tick % 4 < 2 ? 60.0f : -60.0f) * (i % 2 != 0 ? 1.0f : -1.0f);
        if (car.Top > 5200) car.Top = -1300;
      }
      if (tick % 6 == 0) track.el("Car", 1).Visible = !track.el("Car", 1).Visible;
      track.el("Speed").Caption = std::to_string(tick * 37 % 260);
      track.el("Time").Caption = std::to_string(tick * 9);
      if (tick % 5 == 0) track.el("Note").Caption = tick % 10 != 0 ? "Over Heat !" : "";
      view->sync();
      if (tick % 4 != 0) continue;
      const QImage shown = onScreen();
      const QImage fresh =
          platform::qt::renderWindow(program, track, scale).convertToFormat(QImage::Format_RGB32);
      ASSERT_EQ(shown.size(), fresh.size());
      EXPECT_TRUE(shown == fresh) << "scale " << scale << ", tick " << tick;
    }
  }
}

// A window shown on the desktop at a scale, with the program behind it.
struct Desk {
  explicit Desk(int scale) : driver(scale), program(driver, media, shell, ".") {
    driver.attach(program);
  }
  platform::qt::QtDriver driver;
  media::SilentMedia media;
  NoShell shell;
  ui::Program program;
};

TEST(Repaint, AClickReachesTheTopmostShownElementAndTheKeysFollowTheFocus) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE("scale " + std::to_string(scale));
    Desk desk(scale);
    auto& track = desk.program.add<Track>();
    desk.program.start(track);
    platform::qt::WindowView* view = desk.driver.viewOf(track);
    ASSERT_TRUE(view != nullptr && QTest::qWaitForWindowActive(view));
    // Where the pointer is over the window's own drawing, the canvas hears it.
    QWidget* canvas = view->canvas();
    auto click = [canvas](QPoint at) {
      QTest::mouseClick(canvas, Qt::LeftButton, {}, at - canvas->pos());
    };
    auto focused = [view] {
      const ui::Element* e = view->elementOf(QApplication::focusWidget());
      return e != nullptr ? e->id() : std::string();
    };
    ASSERT_EQ(focused(), "Road");

    // A car on the road takes the click, not the road beneath it.
    ui::Element& car = track.el("Car", 2);
    const QPoint onCar = view->rectOf(car).center();
    EXPECT_EQ(view->elementAt(onCar), &car);
    click(onCar);
    ASSERT_FALSE(track.heard.empty());
    EXPECT_EQ(track.heard.back(), "click Car2");
    // Gone from the road, it takes none: the road does.
    car.Visible = false;
    view->sync();
    click(onCar);
    EXPECT_EQ(track.heard.back(), "click Road");
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, onCar - canvas->pos());
    EXPECT_EQ(std::count(track.heard.begin(), track.heard.end(), "dblclick Road"), 1);
    // A car held back lets the click through to the road that holds it.
    car.Visible = true;
    car.setEnabled(false);
    view->sync();
    click(onCar);
    EXPECT_EQ(track.heard.back(), "click Road");
    car.setEnabled(true);
    // Half off the road's edge, a car shows, and answers, only on the road.
    const ui::Element& road = track.el("Road");
    car.Left = road.Width - car.Width / 2;
    view->sync();
    const QRect carAt = view->rectOf(car), roadAt = view->rectOf(road);
    ASSERT_GT(carAt.right(), roadAt.right());
    EXPECT_EQ(view->elementAt(QPoint(roadAt.right() - 2, carAt.center().y())), &car);
    EXPECT_NE(view->elementAt(QPoint(roadAt.right() + 2, carAt.center().y())), &car);
    // A label on the window's picture answers its own clicks.
    click(view->rectOf(track.el("Note")).center());
    EXPECT_EQ(track.heard.back(), "click Note");

    // The keys stay with the road through all of that, and follow a click
    // on the map or Tab, as they would from one control to another.
    EXPECT_EQ(focused(), "Road");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(track.heard.back(), "Road 38");
    click(view->rectOf(track.el("Map")).center());
    EXPECT_EQ(focused(), "Map");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(track.heard.back(), "Map 40");
    click(onCar);
    EXPECT_EQ(focused(), "Road") << "a click on a car gives the keys to its road";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "Map");
    // A road put away gives up the keys.
    track.el("Road").Visible = false;
    view->sync();
    EXPECT_EQ(view->elementAt(onCar), nullptr);
    click(onCar);
    EXPECT_EQ(focused(), "Map");
  }
}

}  // namespace
