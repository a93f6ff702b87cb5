#include "battle/battle_screen.h"

#include <array>
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

constexpr std::int16_t kTurboSpeed = 510;

// The design settles the blue car's speed before the red one's.
constexpr std::array<int, 2> kBlueFirst = {kBlue, kRed};

int other(int player) { return 1 - player; }

// Each player's keys: W A S D with G to fire and H for turbo on the left of
// the keyboard, the arrows with keypad 1 and 2 on the right.
struct Keys {
  int accelerate, brake, left, right, turbo, fire;
};
constexpr Keys kKeys[2] = {{ui::vk::letter('W'), ui::vk::letter('S'), ui::vk::letter('A'),
                            ui::vk::letter('D'), ui::vk::letter('H'), ui::vk::letter('G')},
                           {ui::vk::kUp, ui::vk::kDown, ui::vk::kLeft, ui::vk::kRight,
                            ui::vk::numpad(2), ui::vk::numpad(1)}};

// How the computer cars pick up speed: c1 to 390 by 10 a tick, c2 to 375 by 25.
constexpr struct { std::int16_t top, step; } kRivalPace[2] = {{390, 10}, {375, 25}};

// Top-left corners closer than 1000 twips on both axes.
bool hit(const Element& a, const Element& b) {
  return std::fabs(a.Top - b.Top) < 1000 && std::fabs(a.Left - b.Left) < 1000;
}

}  // namespace

BattleScreen::BattleScreen(ui::Program& program) : Window(program, "Form3") {
  auto forBoth = [this](const char* name, std::int16_t Player::*field) {
    for (int i = 0; i < 2; ++i) var(name + std::to_string(i + 1), players[i].*field);
  };
  forBoth("speed", &Player::speed);
  forBoth("distance", &Player::distance);
  var("battleTicks", battleTicks);
  for (int i = 0; i < 2; ++i) {
    var("left" + std::to_string(i + 1), players[i].leftHeld);
    var("right" + std::to_string(i + 1), players[i].rightHeld);
  }
  forBoth("turboHeld", &Player::turboHeld);
  forBoth("turbo", &Player::turboLeft);
  for (int k = 0; k < 2; ++k) var("rivalSpeed" + std::to_string(k + 1), rivalSpeeds[k]);
  var("battleCountdown", battleCountdown);
  on(Event::Load, "", [this] { resetBattle(); });
  on(Event::Timer, "Timer1", [this] { battleTick(); });
  on(Event::Timer, "Timer2", [this] { countdownTick(); });
  // Both views take both players' keys; only the right-hand view lets a
  // steering key cancel the opposite one.
  onKey(Event::KeyDown, "Picture1", [this](int k) { battleKeyDown(k, false); });
  onKey(Event::KeyDown, "Picture2", [this](int k) { battleKeyDown(k, true); });
  onKey(Event::KeyUp, "Picture1", [this](int k) { battleKeyUp(k); });
  onKey(Event::KeyUp, "Picture2", [this](int k) { battleKeyUp(k); });
}

const ui::Design& BattleScreen::design() const {
  using namespace ui;
  static const Design d = [] {
    Design d{.caption = "2 P Battle Mode",
             .width = 8610,
             .height = 5235,
             .picture = "battle-bg",
             .backColor = colour::rgb(16, 18, 28),
             .elements = {}};
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
    // The countdown in the middle of each view, then who won, over the winner's view.
    for (int v = 0; v < 2; ++v)
      e.push_back(label("Label3", 1560, 2280, 735, 735, v)
                      .in(v == 0 ? "Picture1" : "Picture2")
                      .caption("3")
                      .fore(v == 0 ? red : blue)
                      .font(27, true)
                      .align(Align::Center));
    for (int v = 0; v < 2; ++v)
      e.push_back(label("Label1", v == 0 ? 960 : 840, 480, 2175, 1455, v)
                      .in(v == 0 ? "Picture1" : "Picture2")
                      .caption(v == 0 ? "Red Win !" : "Blue Win !")
                      .fore(v == 0 ? red : blue)
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

Element& BattleScreen::car(int player, int view) {
  return el(player == kRed ? "car1" : "car2", view);
}
Element& BattleScreen::rivalCar(int k, int view) { return el(k == 0 ? "c1" : "c2", view); }
Element& BattleScreen::missile(int player, int view) {
  return el(player == kRed ? "missile1" : "missile2", view);
}
Element& BattleScreen::finishLine(int view) { return el("Image6", view); }
Element& BattleScreen::laneMarking(int view) { return el("Image1", view); }
Element& BattleScreen::markerAhead(int player) { return el(player == kRed ? "red1" : "blue1"); }
Element& BattleScreen::markerBehind(int player) { return el(player == kRed ? "red2" : "blue2"); }
Element& BattleScreen::speedReadout(int player) { return el("Label2", 2 + player); }
Element& BattleScreen::turboReadout(int player) { return el("Label2", 7 + player); }
Element& BattleScreen::clock() { return el("Label2", 5); }
Element& BattleScreen::countdownLabel(int view) { return el("Label3", view); }
Element& BattleScreen::winBanner(int player) { return el("Label1", player); }

std::optional<int> BattleScreen::whoWon() {
  for (int p = 0; p < 2; ++p)
    if (winBanner(p).Visible) return p;
  return std::nullopt;
}
Element& BattleScreen::raceTimer() { return el("Timer1"); }
Element& BattleScreen::countdownTimer() { return el("Timer2"); }

bool BattleScreen::ahead(int i) { return car(i, 0).Top < car(other(i), 0).Top; }

// The car in both views, in its own colour or in turbo gold; the pictures
// wait in hidden elements of the design.
void BattleScreen::paintCar(int i, bool gold) {
  const ui::Element& paint = el(gold ? "gold" : i == kRed ? "red" : "blue");
  for (int v = 0; v < 2; ++v) car(i, v).Picture = paint.Picture;
}

// ---- start ---------------------------------------------------------------------

// A new battle; keys held when the window closed stay held.
void BattleScreen::resetBattle() {
  setMusic("3.mid");
  raceTimer().setEnabled(false);
  battleCountdown = 4;
  for (Player& p : players) {
    p.speed = 0;
    p.distance = 0;
    p.turboLeft = 200;
  }
  rivalSpeeds = {0, 0};
  battleTicks = 0;
}

void BattleScreen::countdownTick() {
  auto show = [this](const std::string& text) {
    for (int v = 0; v < 2; ++v) countdownLabel(v).Caption = text;
  };
  battleCountdown = sat16(battleCountdown - 1);
  show(std::to_string(battleCountdown));
  if (battleCountdown > 0) playWave("\\1.wav");
  if (battleCountdown == 0) {
    playWave("\\Ding.wav");
    show("Go");
  }
  if (battleCountdown < 0) {
    for (Player& p : players) p.speed = 0;
    raceTimer().setEnabled(true);
    show("");
    countdownTimer().setEnabled(false);
  }
}

// ---- keys ----------------------------------------------------------------------

// The missile starts from the car, in both views.
void BattleScreen::launch(int i) {
  for (int v = 0; v < 2; ++v) {
    missile(i, v).Top = car(i, v).Top;
    missile(i, v).Left = car(i, v).Left;
  }
  playWave("\\Shoot.wav");
}

void BattleScreen::battleKeyDown(int key, bool clearsOpposite) {
  for (int i = 0; i < 2; ++i) {
    const Keys& keys = kKeys[i];
    Player& p = players[i];
    if (key == keys.turbo) p.turboHeld = 1;
    if (key == keys.accelerate) p.speed = sat16(p.speed + 50);
    if (key == keys.brake) p.speed = sat16(p.speed - 100);
    if (key == keys.left) {
      p.leftHeld = 1;
      if (clearsOpposite) p.rightHeld = 0;
    }
    if (key == keys.right) {
      p.rightHeld = 1;
      if (clearsOpposite) p.leftHeld = 0;
    }
    if (key == keys.fire) launch(i);
  }
}

void BattleScreen::battleKeyUp(int key) {
  for (int i = 0; i < 2; ++i) {
    Player& p = players[i];
    if (key == kKeys[i].turbo) p.turboHeld = 0;
    if (key == kKeys[i].left) p.leftHeld = 0;
    if (key == kKeys[i].right) p.rightHeld = 0;
  }
}

// ---- the tick ------------------------------------------------------------------

void BattleScreen::battleTick() {
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
  for (int i = 0; i < 2; ++i) {
    Player& p = players[i];
    if (p.turboLeft == 0) paintCar(i, false);
    if (p.turboHeld == 1 && p.turboLeft > 0) {
      p.speed = kTurboSpeed;
      paintCar(i, true);
      p.turboLeft = sat16(p.turboLeft - 1);
      p.rightHeld = p.leftHeld = 0;
    }
    if (p.turboHeld == 0) paintCar(i, false);
    turboReadout(i).Caption = std::to_string(p.turboLeft);
  }
}

// The computer cars come down each view by its player's speed, speed up to
// their pace and drift towards the car they chase: c1 the red, c2 the blue.
void BattleScreen::moveRivals() {
  for (int v = 0; v < 2; ++v)
    for (int k = 0; k < 2; ++k)
      rivalCar(k, v).Top += static_cast<float>(players[v].speed - rivalSpeeds[k]);
  for (int k = 0; k < 2; ++k)
    if (rivalSpeeds[k] < kRivalPace[k].top)
      rivalSpeeds[k] = sat16(rivalSpeeds[k] + kRivalPace[k].step);
  for (int k = 0; k < 2; ++k) {
    const float lane = car(k, 0).Left;
    if (lane < rivalCar(k, 0).Left)
      for (int v = 0; v < 2; ++v) rivalCar(k, v).Left -= 10;
    if (lane > rivalCar(k, 0).Left)
      for (int v = 0; v < 2; ++v) rivalCar(k, v).Left += 10;
  }
}

// Arrows at the edge of a view point at the other car when it is out of sight.
void BattleScreen::markers() {
  for (int i = 0; i < 2; ++i) {
    markerAhead(i).Visible = markerBehind(i).Visible = false;
    markerAhead(i).Left = markerBehind(i).Left = car(i, other(i)).Left;
  }
  for (int i = 0; i < 2; ++i)
    if (car(i, other(i)).Top < -1000)
      markerAhead(i).Visible = markerBehind(other(i)).Visible = true;
}

// Steering costs speed, twice as much for the leader.
void BattleScreen::steer() {
  const bool leads[2] = {ahead(kRed), ahead(kBlue)};
  for (int i = 0; i < 2; ++i) {
    Player& p = players[i];
    for (const auto& [held, by] :
         {std::pair{p.rightHeld, 100.0f}, std::pair{p.leftHeld, -100.0f}}) {
      if (held != 1) continue;
      for (int v = 0; v < 2; ++v) car(i, v).Left += by;
      p.speed = sat16(p.speed - 5);
      if (leads[i]) p.speed = sat16(p.speed - 5);
    }
  }
}

void BattleScreen::speedColours() {
  for (int i = 0; i < 2; ++i)
    speedReadout(i).ForeColor = players[i].speed > 400 ? ui::colour::kRed : ui::colour::kYellow;
}

void BattleScreen::keepOnRoad() {
  for (int i = 0; i < 2; ++i) {
    if (car(i, 0).Left > 2800)
      for (int v = 0; v < 2; ++v) car(i, v).Left = 2800;
    if (car(i, 0).Left < 0)
      for (int v = 0; v < 2; ++v) car(i, v).Left = 0;
  }
}

// Over 510 the engine overheats; over 400 a car slows by 10 a tick.
void BattleScreen::overheatAndDecay() {
  for (int i : kBlueFirst)
    if (players[i].speed > 510) players[i].speed = 0;
  clock().Caption = std::to_string(battleTicks);
  for (int i : kBlueFirst) {
    std::int16_t& speed = players[i].speed;
    if (speed > 400) speed = sat16(speed - 10);
    if (speed < 0) speed = 0;
  }
}

void BattleScreen::addDistance() {
  for (Player& p : players) p.distance = ui::roundHalfEven16(p.distance + p.speed / 100.0);
  for (int i = 0; i < 2; ++i) speedReadout(i).Caption = std::to_string(players[i].speed);
}

// Each view scrolls by its own player's speed; the other player's car moves
// by the difference; the missiles fly.
void BattleScreen::moveTheWorld() {
  const bool leads[2] = {ahead(kRed), ahead(kBlue)};
  for (int i = 0; i < 2; ++i)
    if (leads[i] && players[i].distance > 6000) finishLine(i).Top += players[i].speed;
  for (int i = 0; i < 2; ++i)
    car(i, other(i)).Top += static_cast<float>(players[other(i)].speed - players[i].speed);
  for (int v = 0; v < 2; ++v) laneMarking(v).Top += players[v].speed;
  for (int i = 0; i < 2; ++i)
    for (int v = 0; v < 2; ++v) missile(i, v).Top -= 1000;
}

// Into a computer car: the player stops, the computer car slows to 50.
// A missile stops a computer car dead and flies on.
void BattleScreen::crashes() {
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 2; ++k) {
      if (!hit(rivalCar(k, i), car(i, i))) continue;
      players[i].speed = 0;
      rivalSpeeds[k] = 50;
      playWave("\\C6.wav");
    }
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 2; ++k) {
      if (!hit(missile(i, i), rivalCar(k, i))) continue;
      rivalSpeeds[k] = 0;
      playWave("\\C6.wav");
    }
}

// The lane marking hides past the finish line and repeats until near the end.
void BattleScreen::laneMarkings() {
  for (int v = 0; v < 2; ++v) {
    Element& lane = laneMarking(v);
    if (lane.Top < finishLine(v).Top) lane.Visible = false;
    if (lane.Top > finishLine(v).Top) lane.Visible = true;
    if (lane.Top > 8200 && players[v].distance < 5950) lane.Top = -1000;
  }
}

// The players' cars against each other (silent), then missiles against cars:
// a player's own missile never hits the own car.
void BattleScreen::carCrashes() {
  for (int v = 0; v < 2; ++v)
    if (hit(car(kRed, v), car(kBlue, v))) players[kRed].speed = players[kBlue].speed = 0;
  for (int i = 0; i < 2; ++i) {
    if (!hit(missile(i, i), car(other(i), i))) continue;
    playWave("\\C6.wav");
    players[other(i)].speed = 0;
  }
}

// A car past the finish line in its own view, ahead of the other, wins.
void BattleScreen::winner() {
  for (int i = 0; i < 2; ++i) {
    const float top = car(i, i).Top;
    if (top < finishLine(i).Top && top < car(other(i), i).Top) {
      winBanner(i).Visible = true;
      raceTimer().setEnabled(false);
    }
  }
}

// Once the leader is past 6000, the trailing view gets the finish line too,
// placed by the leader's car, which both views show.
void BattleScreen::handOverFinishLine() {
  for (int i = 0; i < 2; ++i) {
    const int trailer = other(i);
    if (car(trailer, i).Top < 5200 && ahead(i) && players[i].distance > 6000) {
      finishLine(trailer).Top = finishLine(i).Top + car(i, trailer).Top - car(i, i).Top;
      players[trailer].distance = 6000;
    }
  }
}

// The left view's computer cars follow the right view's; while the red view
// shows no arrow, the trailing view's lane marking follows the leader's.
void BattleScreen::copyViews() {
  const float shift = car(kRed, 0).Top - car(kRed, 1).Top;
  for (int k = 0; k < 2; ++k) rivalCar(k, 0).Top = rivalCar(k, 1).Top + shift;
  const bool noArrows = !markerAhead(kBlue).Visible && !markerBehind(kBlue).Visible;
  for (int i = 0; i < 2; ++i) {
    const int trailer = other(i);
    if (ahead(i) && noArrows)
      laneMarking(trailer).Top =
          laneMarking(i).Top + car(trailer, trailer).Top - car(trailer, i).Top;
  }
}

}  // namespace battle
