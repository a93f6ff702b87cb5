// The network race window as it is laid out: the road on the left, the
// dashboard on the right, and which element plays which part in the race.
#include "net/race_screen.h"

namespace net {

using ui::Element;

const ui::Design& RaceScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    const std::int32_t white = colour::kWhite, yellow = colour::kYellow, red = colour::kRed;
    const std::int32_t pink = colour::rgb(255, 120, 120), sky = colour::rgb(120, 170, 255);
    Design d;
    d.caption = ui::Words::tr("Driftwing 網上對戰");
    d.width = 8610;
    d.height = 5235;
    d.picture = "net-bg";
    d.backColor = colour::rgb(16, 18, 28);
    auto& e = d.elements;
    e.push_back(pictureArea("Picture1", 120, 0, 3735, 5175).picture("battle-road").tab(0));
    const char* track = "Picture1";
    e.push_back(image("Image6", -120, -99999, 3975, 765, 0).in(track).picture("battle-finish"));
    e.push_back(image("Image1", 0, -1400, 180, 1065, 0).in(track).picture("battle-lane"));
    e.push_back(image("Image1", 3555, 2400, 180, 1065, 3).in(track).picture("battle-lane"));
    e.push_back(image("c1", 480, 0, 915, 1245, 0).in(track).picture("battle-rival-1"));
    e.push_back(image("c2", 2280, 0, 915, 1245, 0).in(track).picture("battle-rival-2"));
    e.push_back(
        image("missile1", 840, -1000, 615, 1065, 0).in(track).picture("battle-missile-red"));
    e.push_back(
        image("missile2", 1560, -1000, 615, 1065, 0).in(track).picture("battle-missile-blue"));
    e.push_back(image("car2", 2640, 2040, 915, 1245, 0).in(track).picture("battle-car-blue"));
    e.push_back(image("car1", 120, 2040, 915, 1245, 0).in(track).picture("battle-car-red"));
    e.push_back(image("blue1", 120, 0, 435, 510).in(track).picture("marker-blue-ahead").hidden());
    e.push_back(
        image("blue2", 240, 4600, 435, 510).in(track).picture("marker-blue-behind").hidden());
    e.push_back(label("Label3", 1080, 1800, 1575, 735, 0)
                    .in(track)
                    .fore(yellow)
                    .font(27, true)
                    .align(Align::Center));
    e.push_back(label("Label1", 480, 600, 2775, 1000, 5)
                    .in(track)
                    .caption(kYouWin)
                    .fore(red)
                    .font(24, true)
                    .align(Align::Center)
                    .hidden());
    e.push_back(image("gold", 4200, 600, 345, 510).picture("battle-car-gold").hidden());
    // The panel on the right: status, names, speeds, chat and buttons.
    // The dashboard is the window's own background, drawn through the areas.
    e.push_back(pictureArea("Picture2", 4080, 0, 4410, 3135).seeThrough().tab(1));
    const struct {
      const char* name;
      int index;
      float left, top, width, height;
      const char* caption;
      std::int32_t colour;
      float size;
      bool bold;
    } panel[] = {
        {"Label2", 0, 120, 60, 4170, 330, kNotConnected, white, 10.5f, true},
        {"Label1", 1, 120, 420, 2040, 330, "", pink, 10.5f, true},
        {"Label1", 3, 2220, 420, 2040, 330, "", sky, 10.5f, true},
        {"Label9", 0, 120, 840, 2040, 300, "My speed", white, 9, false},
        {"Label9", 1, 2220, 840, 2040, 300, "Their speed", white, 9, false},
        {"Label2", 2, 120, 1110, 2040, 450, "0", yellow, 15, true},
        {"Label2", 3, 2220, 1110, 2040, 450, "0", yellow, 15, true},
        {"Label8", -1, 120, 1620, 4170, 360, "", red, 12, true},
        {"Label9", 2, 120, 2040, 1320, 300, "Turbo", white, 9, false},
        {"Label2", 7, 120, 2340, 1320, 390, "200", yellow, 12, true},
        {"Label2", 8, 1560, 2340, 1320, 390, "200", yellow, 12, true},
        {"Label9", 3, 3000, 2040, 1320, 300, "Time", white, 9, false},
        {"Label2", 5, 3000, 2340, 1320, 390, "0", yellow, 12, true},
    };
    for (const auto& p : panel)
      e.push_back(label(p.name, p.left, p.top, p.width, p.height, p.index)
                      .in("Picture2")
                      .caption(p.caption)
                      .fore(p.colour)
                      .font(p.size, p.bold));
    e.push_back(comboBox("Combo1", 4200, 3240, 2415, 330).font(9).tab(2));
    e.push_back(button("Com1", 6720, 3240, 855, 330, ui::Words::tr("對話"), 0).font(9).tab(3));
    e.push_back(button("Com1", 7635, 3240, 855, 330, ui::Words::tr("清除"), 1).font(9).tab(4));
    e.push_back(label("Label1", 4200, 3630, 4290, 300, 0).fore(sky).font(9));
    e.push_back(label("Label3", 4200, 3930, 4290, 300, 1).fore(pink).font(9));
    e.push_back(button("Com1", 4200, 4350, 1335, 375, ui::Words::tr("重新開始"), 2).font(9).tab(5));
    e.push_back(button("Com1", 5640, 4350, 1335, 375, ui::Words::tr("連線"), 3).font(9).tab(6));
    e.push_back(button("Com1", 7080, 4350, 1335, 375, ui::Words::tr("離開遊戲"), 4).font(9).tab(7));
    e.push_back(pictureArea("Picture3", 4080, 4800, 4410, 375).seeThrough().tab(8));
    e.push_back(label("Label5", 60, 60, 4290, 300)
                    .in("Picture3")
                    .caption(ui::Words::tr("A,D鍵移動 W鍵加速 S鍵減速 G放飛彈 H用Turbo"))
                    .fore(white)
                    .font(9));
    e.push_back(label("Label4", 4200, 2880, 4290, 300)
                    .caption("Use mouse double click here")
                    .fore(colour::rgb(200, 200, 200))
                    .font(8.25f));
    e.push_back(ui::socket("Winsock1"));
    e.push_back(ui::socket("Winsock2"));
    e.push_back(timer("Timer1", 25, false));
    e.push_back(timer("Timer2", 1000, false));
    e.push_back(timer("Timer3", 20, false));
    e.push_back(timer("Timer4", 30, true));
    e.push_back(timer("Timer5", 30, false));
    e.push_back(timer("Timer6", 15, true));
    e.push_back(timer("Timer7", 49, true));
    return d;
  }();
  return d;
}

// ---- the elements, by the part they play ----------------------------------------------

Element& RaceScreen::track() { return el("Picture1"); }
Element& RaceScreen::car(Side side) { return el(side == kMe ? "car1" : "car2", 0); }
Element& RaceScreen::missile(Side side) { return el(side == kMe ? "missile1" : "missile2", 0); }
Element& RaceScreen::rival(int k) { return el(k == 0 ? "c1" : "c2", 0); }
Element& RaceScreen::goldCar() { return el("gold"); }
Element& RaceScreen::finishLine() { return el("Image6", 0); }
Element& RaceScreen::laneMark(int k) { return el("Image1", k == 0 ? 0 : 3); }
Element& RaceScreen::peerAheadMarker() { return el("blue1"); }
Element& RaceScreen::peerBehindMarker() { return el("blue2"); }
Element& RaceScreen::countdownLabel() { return el("Label3", 0); }
Element& RaceScreen::resultBanner() { return el("Label1", 5); }
Element& RaceScreen::statusLabel() { return el("Label2", 0); }
Element& RaceScreen::nameLabel(std::int16_t seat) {
  return el("Label1", seat == kHostSeat ? 1 : 3);
}
Element& RaceScreen::speedLabel(Side side) { return el("Label2", side == kMe ? 2 : 3); }
Element& RaceScreen::turboLabel(Side side) { return el("Label2", side == kMe ? 7 : 8); }
Element& RaceScreen::timeLabel() { return el("Label2", 5); }
Element& RaceScreen::speedWarning() { return el("Label8"); }
Element& RaceScreen::chatBox() { return el("Combo1"); }
Element& RaceScreen::peerLine() { return el("Label1", 0); }
Element& RaceScreen::myLine() { return el("Label3", 1); }
Element& RaceScreen::hint() { return el("Label4"); }
Element& RaceScreen::talkButton() { return el("Com1", 0); }
Element& RaceScreen::restartButton() { return el("Com1", 2); }
Element& RaceScreen::connectButton() { return el("Com1", 3); }
Element& RaceScreen::raceTimer() { return el("Timer1"); }
Element& RaceScreen::countdownTimer() { return el("Timer2"); }
Element& RaceScreen::speedTimer() { return el("Timer3"); }
Element& RaceScreen::lineTimer() { return el("Timer4"); }
Element& RaceScreen::placeTimer() { return el("Timer5"); }
Element& RaceScreen::socketElement() { return el("Winsock1"); }

std::string RaceScreen::backdrop() const {
  // This player's side is known from the moment they host or join until they
  // press connect to start again: then the status reads "not connected".
  for (const Element& e : elements()) {
    if (e.name == "Label2" && e.index == 0 && e.Caption != kNotConnected)
      return seat_ == kGuestSeat ? "net-bg-guest" : "net-bg-host";
  }
  return design().picture;
}

}  // namespace net
