#include "stage/stage_screen.h"

#include <cmath>
#include <string>

#include "stage/dashboard.h"
#include "ui/arith.h"
#include "ui/keys.h"
#include "ui/program.h"
#include "ui/words.h"

namespace stage {

using ui::Event;
using ui::sat16;

namespace {
constexpr std::int32_t kRed = ui::colour::kRed;
constexpr std::int32_t kYellow = ui::colour::kYellow;
constexpr std::int32_t kWhite = ui::colour::kWhite;
const char* const kRivals[3] = {"Image2", "Image3", "Image4"};

// A label of the dashboard, where the dashboard picture expects it.
ui::Element readout(const char* name, const dashboard::Text& t, int index = -1) {
  return ui::label(name, t.left, t.top, t.width, t.height, index).font(t.points, t.bold);
}

ui::Design makeDesign(const StageParams& p) {
  using namespace ui;
  const std::string n = std::to_string(p.stage);
  Design d;
  d.caption = "Stage " + n;
  d.width = 8880;
  d.height = 5175;
  d.picture = "stage-bg-" + n;
  d.backColor = colour::rgb(16, 18, 28);
  const char* player = p.proCar ? "car-pro-normal" : "car-player";
  // Sprites are listed bottom to top: markings under the cars, the player on top.
  d.elements = {
      pictureArea("Picture1", 1920, 0, 3735, 5175).picture("road-" + n).tab(0),
      image("Image7", 0, 120, 1860, 2025).in("Picture1").picture("roadside"),
      image("Image6", -120, -1400, 3975, 765).in("Picture1").picture("finish-banner"),
      image("Image5", 240, -1400, 915, 1245).in("Picture1").picture("car-slow"),
      image("Image2", p.rivalStart[0][0], p.rivalStart[0][1], 915, 1245)
          .in("Picture1")
          .picture("car-rival-1"),
      image("Image3", p.rivalStart[1][0], p.rivalStart[1][1], 915, 1245)
          .in("Picture1")
          .picture("car-rival-2"),
      image("Image4", p.rivalStart[2][0], p.rivalStart[2][1], 915, 1245)
          .in("Picture1")
          .picture("car-rival-3"),
      image("Image1", 2760, 3840, 915, 1245).in("Picture1").picture(player),
      readout("Label1", dashboard::kSpeed).caption("0").fore(kYellow),
      readout("Label2", dashboard::kSpeedCaption).caption("Speed:").fore(kWhite),
      readout("Label3", dashboard::kRank).caption("4").fore(kWhite),
      readout("Label4", dashboard::kRankCaption).caption("Rank :").fore(kWhite),
      readout("Label5", dashboard::kTime, 0).caption("0").fore(kWhite),
      readout("Label5", dashboard::kTimeCaption, 1).caption("Time").fore(kWhite),
      label("Label6", 840, 360, 2535, 1815)
          .caption("  Press Space       to Start")
          .fore(kRed)
          .font(18, true),
      readout("Label7", dashboard::kSpeedState).fore(kRed),
      readout("Label8", dashboard::kQuitHint).caption("Press Shift to Quit the Game").fore(kWhite),
      textBox("Text1", 240, 4680, 1455, 270)
          .text(std::string("Password:") + p.password)
          .locked()
          .unfocusable()
          .tab(1),
      timer("Timer1", 25, false),
      timer("Timer2", 1000, false),
  };
  if (p.proCar) {
    d.elements.push_back(image("normal", 0, 0, 915, 1245).picture("car-pro-normal").hidden());
    d.elements.push_back(image("trun", 0, 0, 915, 1245).picture("car-pro-trun").hidden());
    d.elements.push_back(image("speed2", 0, 0, 915, 1245).picture("car-pro-speed2").hidden());
  }
  return d;
}
}  // namespace

StageScreen::StageScreen(ui::Program& program, int stage,
                         const std::optional<std::int16_t>& difficultyBonus)
    : Window(program, "frm" + std::to_string(stage)),
      p_(stageParams(stage)),
      difficultyBonus_(difficultyBonus) {
  var("playerSpeed", playerSpeed);
  var("playerRank", playerRank);
  var("distanceTravelled", distanceTravelled);
  var("elapsedTicks", elapsedTicks);
  var("steerLeftHeld", steerLeftHeld);
  var("steerRightHeld", steerRightHeld);
  var("countdownValue", countdownValue);
  on(Event::Load, "", [this] { resetRace(); });
  on(Event::Timer, "Timer1", [this] { raceTick(); });
  on(Event::Timer, "Timer2", [this] { countdownTick(); });
  onKey(Event::KeyDown, "Picture1", [this](int k) { raceKeyDown(k); });
  onKey(Event::KeyUp, "Picture1", [this](int k) { steerKeyUp(k); });
}

const ui::Design& StageScreen::design() const {
  static const std::array<ui::Design, 5> designs = [] {
    std::array<ui::Design, 5> all;
    for (const StageParams& p : stages()) all[p.stage - 1] = makeDesign(p);
    return all;
  }();
  return designs[p_.stage - 1];
}

ui::Element& StageScreen::playerCar() { return el("Image1"); }
ui::Element& StageScreen::rival(int k) { return el(kRivals[k]); }
ui::Element& StageScreen::slowCar() { return el("Image5"); }
ui::Element& StageScreen::finishBanner() { return el("Image6"); }
ui::Element& StageScreen::roadside() { return el("Image7"); }
ui::Element& StageScreen::speedReadout() { return el("Label1"); }
ui::Element& StageScreen::speedState() { return el("Label7"); }
ui::Element& StageScreen::rankReadout() { return el("Label3"); }
ui::Element& StageScreen::timeReadout() { return el("Label5", 0); }
ui::Element& StageScreen::messageLabel() { return el("Label6"); }
ui::Element& StageScreen::raceTimer() { return el("Timer1"); }
ui::Element& StageScreen::countdownTimer() { return el("Timer2"); }

std::int16_t StageScreen::difficulty() const { return difficultyBonus_.value_or(0); }

bool StageScreen::finished() { return playerCar().Top < finishBanner().Top; }
bool StageScreen::notFinished() { return playerCar().Top > finishBanner().Top; }

// The pro car's looks wait in hidden elements of its design.
void StageScreen::showCar(Look look) {
  static const char* const holders[] = {"normal", "trun", "speed2"};
  playerCar().Picture = el(holders[static_cast<int>(look)]).Picture;
}

// ---- start ---------------------------------------------------------------

void StageScreen::resetRace() {
  if (p_.music != nullptr) setMusic(p_.music);
  playerSpeed = 0;
  elapsedTicks = 0;
  distanceTravelled = 0;
  countdownValue = 4;
  raceTimer().setEnabled(false);
  countdownTimer().setEnabled(false);
}

// 3, 2, 1 with a beep each second, "   GO!" with the bell, then the race.
void StageScreen::countdownTick() {
  ui::Element& message = messageLabel();
  countdownValue = sat16(countdownValue - 1);
  message.Caption = std::to_string(countdownValue);
  message.Left = 1600;
  if (countdownValue > 0) playWave("\\1.wav");
  if (countdownValue == 0) {
    playWave("\\Ding.wav");
    message.Left = 840;
    message.Caption = "   GO!";
  }
  if (countdownValue < 0) {
    raceTimer().setEnabled(true);
    message.Caption = "";
    message.Left = 840;
    countdownTimer().setEnabled(false);
  }
}

// ---- the race tick ---------------------------------------------------------

void StageScreen::raceTick() {
  steer(steerLeftHeld, -1.0f);
  steer(steerRightHeld, 1.0f);
  showSpeedState();
  sizeRank();
  addDistanceAndTime();
  scrollWorld();
  limitSpeed();
  showValues();
  respawnSlowCar();
  wrapRoadside();
  collide();
  keepOnRoad();
  chase();
  rank();
  keepRivalsNear();
  finish();
  showTopSpeedPicture();
}

// Steering moves the car and costs speed, more for the leaders.
void StageScreen::steer(std::int16_t held, float direction) {
  if (held != 1) return;
  playerCar().Left += direction * p_.steerStep;
  if (p_.proCar) showCar(Look::Turning);
  playerSpeed = sat16(playerSpeed - p_.steerDrag);
  if (playerRank == 1) playerSpeed = sat16(playerSpeed - p_.leaderSteerDrag);
  if (playerRank == 2) playerSpeed = sat16(playerSpeed - p_.secondSteerDrag);
}

void StageScreen::showSpeedState() {
  ui::Element& value = speedReadout();
  ui::Element& state = speedState();
  if (playerSpeed > 100) state.Caption = "";
  if (playerSpeed > p_.topSpeed) {
    value.ForeColor = kRed;
    state.Caption = ui::Words::tr("極速!!");
  }
  if (playerSpeed > p_.overheatSpeed) state.Caption = "Over Heat !";
  if (playerSpeed < p_.topSpeed + 1) value.ForeColor = kYellow;
}

void StageScreen::sizeRank() {
  if (playerRank == 1) rankReadout().FontSize = dashboard::kLeadingRankPoints;
  if (playerRank > 1) rankReadout().FontSize = dashboard::kRank.points;
}

void StageScreen::addDistanceAndTime() {
  distanceTravelled = ui::roundHalfEven16(distanceTravelled + playerSpeed / 100.0);
  elapsedTicks = sat16(elapsedTicks + 1);
  timeReadout().Caption = std::to_string(elapsedTicks);
}

void StageScreen::scrollWorld() {
  for (int k = 0; k < 3; ++k)
    rival(k).Top += static_cast<float>(playerSpeed - p_.rivalPace[k] + difficulty());
  ui::Element& slow = slowCar();
  slow.Top += static_cast<float>(playerSpeed - p_.slowCarPace);
  // While the player is behind, easier races hold the slow vehicle off the road.
  if (playerRank > 1 && difficulty() == 20 && slow.Top < 0) slow.Top = -10000;
  if (playerRank > 2 && difficulty() == 10 && slow.Top < 0) slow.Top = -10000;
  roadside().Top += playerSpeed;
  if (distanceTravelled > 3999) finishBanner().Top += playerSpeed;
}

// Over top speed the car loses 10 a tick; too far over, the engine overheats.
void StageScreen::limitSpeed() {
  if (playerSpeed > p_.topSpeed) playerSpeed = sat16(playerSpeed - 10);
  if (playerSpeed > p_.overheatSpeed) playerSpeed = 0;
  if (playerSpeed < 0) playerSpeed = 0;
}

void StageScreen::showValues() {
  speedReadout().Caption = std::to_string(playerSpeed);
  rankReadout().Caption = std::to_string(playerRank);
}

// The slow vehicle comes back far ahead, in the player's lane.
void StageScreen::respawnSlowCar() {
  ui::Element& car = playerCar();
  ui::Element& slow = slowCar();
  if (slow.Top > car.Top + 400) {
    slow.Left = car.Left;
    slow.Top = car.Top - 12000;
  }
}

void StageScreen::wrapRoadside() {
  ui::Element& side = roadside();
  if (side.Top > 5200) side.Top = -2000;
}

// A touch stops the car dead, every tick it lasts.
void StageScreen::collide() {
  const ui::Element& car = playerCar();
  for (const ui::Element* other : {&rival(0), &rival(1), &rival(2), &slowCar()}) {
    if (std::fabs(car.Top - other->Top) < 1000 && std::fabs(car.Left - other->Left) < 1000) {
      playerSpeed = 0;
      playWave("\\C6.wav");
    }
  }
}

void StageScreen::keepOnRoad() {
  ui::Element& car = playerCar();
  if (car.Left > 2800) car.Left = 2800;
  if (car.Left < 0) car.Left = 0;
}

// Rivals drift towards the player's lane: all move right first, then left.
void StageScreen::chase() {
  const float lane = playerCar().Left;
  for (int k = 0; k < 3; ++k)
    if (lane > rival(k).Left) rival(k).Left += p_.chaseStep[k];
  for (int k = 0; k < 3; ++k)
    if (lane < rival(k).Left) rival(k).Left -= p_.chaseStep[k];
}

// Each later test overrides: rival 3 is taken to lead rival 2, which leads rival 1.
void StageScreen::rank() {
  const float top = playerCar().Top;
  if (top > rival(0).Top) playerRank = 4;
  if (top < rival(0).Top) playerRank = 3;
  if (top < rival(1).Top) playerRank = 2;
  if (top < rival(2).Top) playerRank = 1;
}

// Rivals left far behind are pulled back within reach: the first from
// furthest, the last close behind.
void StageScreen::keepRivalsNear() {
  const struct { float reach, pulledTo; } leash[3] = {{10000, 10000}, {5000, 5000}, {1000, 1200}};
  const float top = playerCar().Top;
  for (int k = 0; k < 3; ++k)
    if (rival(k).Top - leash[k].reach > top) rival(k).Top = top + leash[k].pulledTo;
}

void StageScreen::finish() {
  if (!finished()) return;
  ui::Element& message = messageLabel();
  if (playerRank < p_.passRankLimit) message.Caption = p_.passMessage;
  if (playerRank >= p_.passRankLimit) message.Caption = "Game Over (Press Space)";
  raceTimer().setEnabled(false);
}

void StageScreen::showTopSpeedPicture() {
  if (p_.proCar && playerSpeed > 350) showCar(Look::FlatOut);
}

// ---- keys --------------------------------------------------------------

void StageScreen::raceKeyDown(int key) {
  switch (key) {
    case ui::vk::letter('P'):
      togglePause();
      return;
    case ui::vk::kSpace:
      startOrLeave();
      return;
    case ui::vk::kShift:
      program().end();  // never returns: the program is over
      return;
    case ui::vk::kUp:
      pedal(50);
      return;
    case ui::vk::kDown:
      pedal(-100);
      return;
    case ui::vk::kLeft:
      steerLeftHeld = 1;
      steerRightHeld = 0;
      return;
    case ui::vk::kRight:
      steerRightHeld = 1;
      steerLeftHeld = 0;
      return;
    default:
      return;
  }
}

void StageScreen::togglePause() {
  if (countdownValue >= 0) return;
  // After the finish the bell still rings in stages 1 to 4, and nothing else happens.
  if (p_.stage != 5) playWave("\\Ding.wav");
  if (!notFinished()) return;
  if (p_.stage == 5) playWave("\\Ding.wav");
  ui::Element& tick = raceTimer();
  const bool pause = tick.enabled();
  tick.setEnabled(!pause);
  messageLabel().Caption = pause ? "  Pause" : "";
}

void StageScreen::startOrLeave() {
  if (countdownValue == 4) countdownTimer().setEnabled(true);
  if (finished()) {
    program().unload(*this);
    // A failed stage starts again from scratch; its owner waits for a pass.
    if (playerRank >= p_.passRankLimit) program().show(*this, ui::ShowMode::Modal);
  }
}

// Up adds 50, Down takes 100. The pro car shows its plain picture while
// racing, and stage 5's on any brake; past 350 the flat-out one.
void StageScreen::pedal(std::int16_t by) {
  playerSpeed = sat16(playerSpeed + by);
  if (!p_.proCar) return;
  const bool racing = raceTimer().enabled();
  if (racing || (by < 0 && p_.stage == 5)) showCar(Look::Plain);
  if (playerSpeed > 350 && racing) showCar(Look::FlatOut);
}

void StageScreen::steerKeyUp(int key) {
  if (key == ui::vk::kLeft) steerLeftHeld = 0;
  if (key == ui::vk::kRight) steerRightHeld = 0;
}

}  // namespace stage
