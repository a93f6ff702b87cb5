#include "battle/battle_screen.h"

#include <cmath>
#include <string>

#include "ui/arith.h"
#include "ui/keys.h"
#include "ui/program.h"

namespace battle {

using ui::Element;
using ui::Event;
using ui::sat16;

namespace {

constexpr std::int32_t kRed = ui::colour::kRed;
constexpr std::int32_t kYellow = ui::colour::kYellow;
constexpr std::int16_t kTurboSpeed = 510;

// Top-left corners closer than 1000 twips on both axes.
bool hit(const Element& a, const Element& b) {
  return std::fabs(a.Top - b.Top) < 1000 && std::fabs(a.Left - b.Left) < 1000;
}

}  // namespace

BattleScreen::BattleScreen(ui::Program& program) : Window(program, "Form3") {
  var("speed1", speed1);
  var("speed2", speed2);
  var("distance1", distance1);
  var("distance2", distance2);
  var("battleTicks", battleTicks);
  var("left1", left1);
  var("right1", right1);
  var("left2", left2);
  var("right2", right2);
  var("turboHeld1", turboHeld1);
  var("turboHeld2", turboHeld2);
  var("turbo1", turbo1);
  var("turbo2", turbo2);
  var("rivalSpeed1", rivalSpeed1);
  var("rivalSpeed2", rivalSpeed2);
  var("battleCountdown", battleCountdown);
  on(Event::Load, "", [this] { Form_Load(); });
  on(Event::Timer, "Timer1", [this] { Timer1_Timer(); });
  on(Event::Timer, "Timer2", [this] { Timer2_Timer(); });
  // Both views take both players' keys; only the right-hand view lets a
  // steering key cancel the opposite one.
  onKey(Event::KeyDown, "Picture1", [this](int k) { KeyDown(k, false); });
  onKey(Event::KeyDown, "Picture2", [this](int k) { KeyDown(k, true); });
  onKey(Event::KeyUp, "Picture1", [this](int k) { KeyUp(k); });
  onKey(Event::KeyUp, "Picture2", [this](int k) { KeyUp(k); });
}

const ui::Design& BattleScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    Design d;
    d.caption = "2 P Battle Mode";
    d.width = 8610;
    d.height = 5235;
    d.picture = "battle-bg";
    d.backColor = colour::rgb(16, 18, 28);
    const std::int32_t red = colour::kRed, blue = colour::kBlue;
    auto& e = d.elements;
    e.push_back(pictureArea("Picture1", 120, 0, 3735, 5175).picture("battle-road").tab(0));
    // The column between the views; the right-hand view covers what overhangs.
    const struct {
      int index;
      float top;
      const char* caption;
    } column[] = {{0, 120, "1P Speed:"},  {2, 480, "0"},  {4, 960, "1P Turbo:"},  {7, 1200, "200"},
                  {1, 3120, "2P Speed:"}, {3, 3480, "0"}, {6, 4080, "2P Turbo:"}, {8, 4320, "200"}};
    for (const auto& c : column)
      e.push_back(label("Label2", 3840, c.top, 1695, 495, c.index)
                      .caption(c.caption)
                      .fore(colour::kYellow)
                      .font(c.index == 2 || c.index == 3 || c.index >= 7 ? 11.25f : 8.25f, true));
    // The clock between the views only shows the time: the keys stay with the views.
    e.push_back(
        pictureArea("Picture3", 3960, 1800, 735, 855).back(colour::rgb(24, 28, 44)).unfocusable());
    e.push_back(label("Time", 0, 0, 735, 360)
                    .in("Picture3")
                    .caption("Time")
                    .fore(colour::kWhite)
                    .font(8.25f, true));
    e.push_back(label("Label2", 0, 360, 735, 495, 5)
                    .in("Picture3")
                    .caption("0")
                    .fore(colour::kYellow)
                    .font(9.75f, true));
    e.push_back(pictureArea("Picture2", 4800, 0, 3735, 5175).picture("battle-road").tab(1));
    // Both views hold the same things; element 0 is in the left view, 1 in the right.
    for (int v = 0; v < 2; ++v) {
      const std::string view = v == 0 ? "Picture1" : "Picture2";
      e.push_back(image("Image6", -120, -1400, 3975, 765, v).in(view).picture("battle-finish"));
      e.push_back(image("Image1", 1680, 240, 180, 1065, v).in(view).picture("battle-lane"));
      e.push_back(image("Image5", 240, -1400, 915, 1245, v).in(view).picture("battle-deco"));
      e.push_back(image("c1", 480, 0, 915, 1245, v).in(view).picture("battle-rival-1"));
      e.push_back(image("c2", 2280, 0, 915, 1245, v).in(view).picture("battle-rival-2"));
      e.push_back(image("missile1", v == 0 ? 840 : 0, -1000, 615, 1065, v)
                      .in(view)
                      .picture("battle-missile-red"));
      e.push_back(image("missile2", v == 0 ? 1560 : 2880, -1000, 615, 1065, v)
                      .in(view)
                      .picture("battle-missile-blue"));
      e.push_back(image("car1", 120, 2040, 915, 1245, v).in(view).picture("battle-car-red"));
      e.push_back(image("car2", 2640, 2040, 915, 1245, v).in(view).picture("battle-car-blue"));
    }
    e.push_back(
        image("blue1", 120, 0, 435, 510).in("Picture1").picture("marker-blue-ahead").hidden());
    e.push_back(
        image("blue2", 240, 4600, 435, 510).in("Picture1").picture("marker-blue-behind").hidden());
    e.push_back(
        image("red1", 2280, 0, 435, 510).in("Picture2").picture("marker-red-ahead").hidden());
    e.push_back(
        image("red2", 2760, 4600, 435, 510).in("Picture2").picture("marker-red-behind").hidden());
    e.push_back(label("Label3", 1560, 2280, 735, 735, 0)
                    .in("Picture1")
                    .caption("3")
                    .fore(red)
                    .font(27, true)
                    .align(Align::Center));
    e.push_back(label("Label3", 1560, 2280, 735, 735, 1)
                    .in("Picture2")
                    .caption("3")
                    .fore(blue)
                    .font(27, true)
                    .align(Align::Center));
    e.push_back(label("Label1", 960, 480, 2175, 1455, 0)
                    .in("Picture1")
                    .caption("Red Win !")
                    .fore(red)
                    .font(24, true)
                    .align(Align::Center)
                    .hidden());
    e.push_back(label("Label1", 840, 480, 2175, 1455, 1)
                    .in("Picture2")
                    .caption("Blue Win !")
                    .fore(blue)
                    .font(24, true)
                    .align(Align::Center)
                    .hidden());
    e.push_back(image("red", 0, 0, 915, 1245).picture("battle-car-red").hidden());
    e.push_back(image("blue", 0, 0, 915, 1245).picture("battle-car-blue").hidden());
    e.push_back(image("gold", 0, 0, 915, 1245).picture("battle-car-gold").hidden());
    e.push_back(timer("Timer1", 25, false));
    e.push_back(timer("Timer2", 1000, true));
    return d;
  }();
  return d;
}

void BattleScreen::both(const char* name, float Element::*field, float value) {
  el(name, 0).*field = value;
  el(name, 1).*field = value;
}

void BattleScreen::moveBoth(const char* name, float Element::*field, float by) {
  el(name, 0).*field += by;
  el(name, 1).*field += by;
}

void BattleScreen::showCar(const char* car, const char* picture) {
  el(car, 0).Picture = el(picture).Picture;
  el(car, 1).Picture = el(picture).Picture;
}

// ---- start ---------------------------------------------------------------------

void BattleScreen::Form_Load() {
  setMusic("3.mid");
  el("Timer1").setEnabled(false);
  battleCountdown = 4;
  speed1 = speed2 = 0;
  rivalSpeed1 = rivalSpeed2 = 0;
  distance1 = distance2 = 0;
  battleTicks = 0;
  turbo1 = turbo2 = 200;
}

void BattleScreen::Timer2_Timer() {
  battleCountdown = sat16(battleCountdown - 1);
  el("Label3", 1).Caption = el("Label3", 0).Caption = std::to_string(battleCountdown);
  if (battleCountdown > 0) playWave("\\1.wav");
  if (battleCountdown == 0) {
    playWave("\\Ding.wav");
    el("Label3", 1).Caption = el("Label3", 0).Caption = "Go";
  }
  if (battleCountdown < 0) {
    speed1 = speed2 = 0;
    el("Timer1").setEnabled(true);
    el("Label3", 1).Caption = el("Label3", 0).Caption = "";
    el("Timer2").setEnabled(false);
  }
}

// ---- keys ----------------------------------------------------------------------

void BattleScreen::launch(const char* missile, const char* car) {
  for (int v = 0; v < 2; ++v) {
    el(missile, v).Top = el(car, v).Top;
    el(missile, v).Left = el(car, v).Left;
  }
  playWave("\\Shoot.wav");
}

void BattleScreen::KeyDown(int key, bool clearsOpposite) {
  using namespace ui::vk;
  switch (key) {
    case letter('H'):
      turboHeld1 = 1;
      break;
    case numpad(2):
      turboHeld2 = 1;
      break;
    case letter('W'):
      speed1 = sat16(speed1 + 50);
      break;
    case letter('S'):
      speed1 = sat16(speed1 - 100);
      break;
    case kUp:
      speed2 = sat16(speed2 + 50);
      break;
    case kDown:
      speed2 = sat16(speed2 - 100);
      break;
    case letter('A'):
      left1 = 1;
      if (clearsOpposite) right1 = 0;
      break;
    case letter('D'):
      right1 = 1;
      if (clearsOpposite) left1 = 0;
      break;
    case kLeft:
      left2 = 1;
      if (clearsOpposite) right2 = 0;
      break;
    case kRight:
      right2 = 1;
      if (clearsOpposite) left2 = 0;
      break;
    case letter('G'):
      launch("missile1", "car1");
      break;
    case numpad(1):
      launch("missile2", "car2");
      break;
    default:
      break;
  }
}

void BattleScreen::KeyUp(int key) {
  using namespace ui::vk;
  if (key == letter('H')) turboHeld1 = 0;
  if (key == numpad(2)) turboHeld2 = 0;
  if (key == letter('A')) left1 = 0;
  if (key == letter('D')) right1 = 0;
  if (key == kLeft) left2 = 0;
  if (key == kRight) right2 = 0;
}

// ---- the tick ------------------------------------------------------------------

void BattleScreen::Timer1_Timer() {
  turbo();
  moveRivals();
  markers();
  steer();
  speedColours();
  battleTicks = sat16(battleTicks + 1);
  keepOnRoad();
  overheatAndDecay();
  addDistance();
  moveTheWorld();
  crashes();
  laneMarkings();
  carCrashes();
  winner();
  handOverFinishLine();
  copyViews();
}

// Turbo holds the speed at 510 and shows the gold car while it lasts.
void BattleScreen::turbo() {
  if (turbo1 == 0) showCar("car1", "red");
  if (turbo2 == 0) showCar("car2", "blue");
  if (turboHeld1 == 1 && turbo1 > 0) {
    speed1 = kTurboSpeed;
    showCar("car1", "gold");
    turbo1 = sat16(turbo1 - 1);
    right1 = left1 = 0;
  }
  if (turboHeld2 == 1 && turbo2 > 0) {
    speed2 = kTurboSpeed;
    showCar("car2", "gold");
    turbo2 = sat16(turbo2 - 1);
    right2 = left2 = 0;
  }
  if (turboHeld1 == 0) showCar("car1", "red");
  if (turboHeld2 == 0) showCar("car2", "blue");
  el("Label2", 7).Caption = std::to_string(turbo1);
  el("Label2", 8).Caption = std::to_string(turbo2);
}

// The computer cars come down each view by its player's speed, speed up to
// their pace and drift towards the car they chase: c1 the red, c2 the blue.
void BattleScreen::moveRivals() {
  el("c1", 0).Top += static_cast<float>(speed1 - rivalSpeed1);
  el("c2", 0).Top += static_cast<float>(speed1 - rivalSpeed2);
  el("c1", 1).Top += static_cast<float>(speed2 - rivalSpeed1);
  el("c2", 1).Top += static_cast<float>(speed2 - rivalSpeed2);
  if (rivalSpeed1 < 390) rivalSpeed1 = sat16(rivalSpeed1 + 10);
  if (rivalSpeed2 < 375) rivalSpeed2 = sat16(rivalSpeed2 + 25);
  if (el("car2", 0).Left < el("c2", 0).Left) moveBoth("c2", &Element::Left, -10);
  if (el("car1", 0).Left < el("c1", 0).Left) moveBoth("c1", &Element::Left, -10);
  if (el("car2", 0).Left > el("c2", 0).Left) moveBoth("c2", &Element::Left, 10);
  if (el("car1", 0).Left > el("c1", 0).Left) moveBoth("c1", &Element::Left, 10);
}

// Arrows at the edge of a view point at the other car when it is out of sight.
void BattleScreen::markers() {
  for (const char* m : {"blue1", "blue2", "red1", "red2"}) el(m).Visible = false;
  el("blue1").Left = el("blue2").Left = el("car2", 0).Left;
  el("red1").Left = el("red2").Left = el("car1", 1).Left;
  if (el("car1", 1).Top < -1000) el("blue2").Visible = el("red1").Visible = true;
  if (el("car2", 0).Top < -1000) el("blue1").Visible = el("red2").Visible = true;
}

// Steering costs speed, twice as much for the leader.
void BattleScreen::steer() {
  const bool redLeads = el("car1", 0).Top < el("car2", 0).Top;
  const bool blueLeads = el("car1", 0).Top > el("car2", 0).Top;
  auto turn = [&](std::int16_t held, const char* car, float by, std::int16_t& speed, bool leads) {
    if (held != 1) return;
    moveBoth(car, &Element::Left, by);
    speed = sat16(speed - 5);
    if (leads) speed = sat16(speed - 5);
  };
  turn(right1, "car1", 100, speed1, redLeads);
  turn(left1, "car1", -100, speed1, redLeads);
  turn(right2, "car2", 100, speed2, blueLeads);
  turn(left2, "car2", -100, speed2, blueLeads);
}

void BattleScreen::speedColours() {
  el("Label2", 2).ForeColor = speed1 > 400 ? kRed : kYellow;
  el("Label2", 3).ForeColor = speed2 > 400 ? kRed : kYellow;
}

void BattleScreen::keepOnRoad() {
  for (const char* car : {"car1", "car2"}) {
    if (el(car, 0).Left > 2800) both(car, &Element::Left, 2800);
    if (el(car, 0).Left < 0) both(car, &Element::Left, 0);
  }
}

// Over 510 the engine overheats; over 400 a car slows by 10 a tick.
void BattleScreen::overheatAndDecay() {
  if (speed2 > 510) speed2 = 0;
  if (speed1 > 510) speed1 = 0;
  el("Label2", 5).Caption = std::to_string(battleTicks);
  for (std::int16_t* speed : {&speed2, &speed1}) {
    if (*speed > 400) *speed = sat16(*speed - 10);
    if (*speed < 0) *speed = 0;
  }
}

void BattleScreen::addDistance() {
  distance1 = ui::roundHalfEven16(distance1 + speed1 / 100.0);
  distance2 = ui::roundHalfEven16(distance2 + speed2 / 100.0);
  el("Label2", 2).Caption = std::to_string(speed1);
  el("Label2", 3).Caption = std::to_string(speed2);
}

// Each view scrolls by its own player's speed; the other player's car moves
// by the difference; the missiles fly.
void BattleScreen::moveTheWorld() {
  const bool redAhead = el("car1", 0).Top < el("car2", 0).Top;
  const bool blueAhead = el("car1", 0).Top > el("car2", 0).Top;
  if (redAhead && distance1 > 6000) el("Image6", 0).Top += speed1;
  if (blueAhead && distance2 > 6000) el("Image6", 1).Top += speed2;
  el("car1", 1).Top += static_cast<float>(speed2 - speed1);
  el("car2", 0).Top += static_cast<float>(speed1 - speed2);
  el("Image1", 0).Top += speed1;
  el("Image1", 1).Top += speed2;
  for (const char* m : {"missile1", "missile2"}) moveBoth(m, &Element::Top, -1000);
}

// Into a computer car: the player stops, the computer car slows to 50.
// A missile stops a computer car dead and flies on.
void BattleScreen::crashes() {
  const struct {
    const char* rival;
    int view;
    std::int16_t* speed;
    std::int16_t* rivalSpeed;
  } crashes[] = {{"c1", 0, &speed1, &rivalSpeed1},
                 {"c2", 0, &speed1, &rivalSpeed2},
                 {"c1", 1, &speed2, &rivalSpeed1},
                 {"c2", 1, &speed2, &rivalSpeed2}};
  for (const auto& c : crashes) {
    if (!hit(el(c.rival, c.view), el(c.view == 0 ? "car1" : "car2", c.view))) continue;
    *c.speed = 0;
    *c.rivalSpeed = 50;
    playWave("\\C6.wav");
  }
  const struct {
    const char* missile;
    int view;
    const char* rival;
    std::int16_t* speed;
  } hits[] = {{"missile1", 0, "c2", &rivalSpeed2},
              {"missile1", 0, "c1", &rivalSpeed1},
              {"missile2", 1, "c2", &rivalSpeed2},
              {"missile2", 1, "c1", &rivalSpeed1}};
  for (const auto& h : hits) {
    if (!hit(el(h.missile, h.view), el(h.rival, h.view))) continue;
    *h.speed = 0;
    playWave("\\C6.wav");
  }
}

// The lane marking hides past the finish line and repeats until near the end.
void BattleScreen::laneMarkings() {
  for (int v = 0; v < 2; ++v) {
    Element& lane = el("Image1", v);
    if (lane.Top < el("Image6", v).Top) lane.Visible = false;
    if (lane.Top > el("Image6", v).Top) lane.Visible = true;
  }
  if (el("Image1", 0).Top > 8200 && distance1 < 5950) el("Image1", 0).Top = -1000;
  if (el("Image1", 1).Top > 8200 && distance2 < 5950) el("Image1", 1).Top = -1000;
}

// The players' cars against each other (silent), then missiles against cars:
// a player's own missile never hits the own car.
void BattleScreen::carCrashes() {
  for (int v = 0; v < 2; ++v)
    if (hit(el("car1", v), el("car2", v))) speed1 = speed2 = 0;
  if (hit(el("missile1", 0), el("car2", 0))) {
    playWave("\\C6.wav");
    speed2 = 0;
  }
  if (hit(el("missile2", 1), el("car1", 1))) {
    playWave("\\C6.wav");
    speed1 = 0;
  }
}

void BattleScreen::winner() {
  if (el("car1", 0).Top < el("Image6", 0).Top && el("car1", 0).Top < el("car2", 0).Top) {
    el("Label1", 0).Visible = true;
    el("Timer1").setEnabled(false);
  }
  if (el("car2", 1).Top < el("Image6", 1).Top && el("car2", 1).Top < el("car1", 1).Top) {
    el("Label1", 1).Visible = true;
    el("Timer1").setEnabled(false);
  }
}

// Once the leader is past 6000, the trailing view gets the finish line too,
// placed by the car that both views show.
void BattleScreen::handOverFinishLine() {
  if (el("car2", 0).Top < 5200 && el("car1", 0).Top < el("car2", 0).Top && distance1 > 6000) {
    el("Image6", 1).Top = el("Image6", 0).Top + el("car1", 1).Top - el("car1", 0).Top;
    distance2 = 6000;
  }
  if (el("car1", 1).Top < 5200 && el("car1", 0).Top > el("car2", 0).Top && distance2 > 6000) {
    el("Image6", 0).Top = el("Image6", 1).Top + el("car2", 0).Top - el("car2", 1).Top;
    distance1 = 6000;
  }
}

void BattleScreen::copyViews() {
  const float shift = el("car1", 0).Top - el("car1", 1).Top;
  el("c1", 0).Top = el("c1", 1).Top + shift;
  el("c2", 0).Top = el("c2", 1).Top + shift;
  const bool markersHidden = !el("blue1").Visible && !el("blue2").Visible;
  if (el("car1", 0).Top < el("car2", 0).Top && markersHidden)
    el("Image1", 1).Top = el("Image1", 0).Top + el("car2", 1).Top - el("car2", 0).Top;
  if (el("car1", 0).Top > el("car2", 0).Top && markersHidden)
    el("Image1", 0).Top = el("Image1", 1).Top + el("car1", 0).Top - el("car1", 1).Top;
}

}  // namespace battle
