// A window on the desktop repaints only what changed: after sprites move
// over a road, pass one another, vanish and come back, and readouts change
// tick after tick, the window on the screen shows exactly what a fresh
// drawing of it shows, with no trail left behind and no old letters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <string>

#include "media/media.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/render.h"
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
  explicit Track(ui::Program& p) : Window(p, "Track") {}
  const ui::Design& design() const override {
    static const ui::Design d = [] {
      ui::Design d{"Track", 8880, 5175, "stage-bg-1", ui::colour::kBlack, {}};
      d.elements.push_back(ui::pictureArea("Road", 1920, 0, 3735, 5175).picture("road-1"));
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
      return d;
    }();
    return d;
  }
};

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

}  // namespace
