#include "stage/stage_screen.h"

#include <cmath>
#include <string>

#include "frontend/settings.h"
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

StageScreen::StageScreen(ui::Program& program, int stage)
    : Window(program, "frm" + std::to_string(stage)),
      p_(stageParams(stage)),
      settings_(program.module<frontend::Settings>()) {
  var("playerSpeed", playerSpeed);
  var("playerRank", playerRank);
  var("distanceTravelled", distanceTravelled);
  var("elapsedTicks", elapsedTicks);
  var("steerLeftHeld", steerLeftHeld);
  var("steerRightHeld", steerRightHeld);
  var("countdownValue", countdownValue);
  on(Event::Load, "", [this] { Form_Load(); });
  on(Event::Timer, "Timer1", [this] { Timer1_Timer(); });
  on(Event::Timer, "Timer2", [this] { Timer2_Timer(); });
  onKey(Event::KeyDown, "Picture1", [this](int k) { Picture1_KeyDown(k); });
  onKey(Event::KeyUp, "Picture1", [this](int k) { Picture1_KeyUp(k); });
}

const ui::Design& StageScreen::design() const {
  static const std::array<ui::Design, 5> designs = [] {
    std::array<ui::Design, 5> all;
    for (const StageParams& p : stages()) all[p.stage - 1] = makeDesign(p);
    return all;
  }();
  return designs[p_.stage - 1];
}

std::int16_t StageScreen::difficulty() const { return settings_.difficultyBonus.value_or(0); }

bool StageScreen::finished() { return el("Image1").Top < el("Image6").Top; }
bool StageScreen::notFinished() { return el("Image1").Top > el("Image6").Top; }

void StageScreen::showCar(const char* pictureElement) {
  el("Image1").Picture = el(pictureElement).Picture;
}

// ---- start ---------------------------------------------------------------

void StageScreen::Form_Load() {
  if (p_.music != nullptr) setMusic(p_.music);
  playerSpeed = 0;
  elapsedTicks = 0;
  distanceTravelled = 0;
  countdownValue = 4;
  el("Timer1").setEnabled(false);
  el("Timer2").setEnabled(false);
}

// 3, 2, 1 with a beep each second, "   GO!" with the bell, then the race.
void StageScreen::Timer2_Timer() {
  ui::Element& message = el("Label6");
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
    el("Timer1").setEnabled(true);
    message.Caption = "";
    message.Left = 840;
    el("Timer2").setEnabled(false);
  }
}

// ---- the race tick ---------------------------------------------------------

void StageScreen::Timer1_Timer() {
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
  el("Image1").Left += direction * p_.steerStep;
  if (p_.proCar) showCar("trun");
  playerSpeed = sat16(playerSpeed - p_.steerDrag);
  if (playerRank == 1) playerSpeed = sat16(playerSpeed - p_.leaderSteerDrag);
  if (playerRank == 2) playerSpeed = sat16(playerSpeed - p_.secondSteerDrag);
}

void StageScreen::showSpeedState() {
  ui::Element& value = el("Label1");
  ui::Element& state = el("Label7");
  if (playerSpeed > 100) state.Caption = "";
  if (playerSpeed > p_.topSpeed) {
    value.ForeColor = kRed;
    state.Caption = ui::Words::tr("極速!!");
  }
  if (playerSpeed > p_.overheatSpeed) state.Caption = "Over Heat !";
  if (playerSpeed < p_.topSpeed + 1) value.ForeColor = kYellow;
}

void StageScreen::sizeRank() {
  if (playerRank == 1) el("Label3").FontSize = dashboard::kLeadingRankPoints;
  if (playerRank > 1) el("Label3").FontSize = dashboard::kRank.points;
}

void StageScreen::addDistanceAndTime() {
  distanceTravelled = ui::roundHalfEven16(distanceTravelled + playerSpeed / 100.0);
  elapsedTicks = sat16(elapsedTicks + 1);
  el("Label5", 0).Caption = std::to_string(elapsedTicks);
}

void StageScreen::scrollWorld() {
  for (int k = 0; k < 3; ++k)
    el(kRivals[k]).Top += static_cast<float>(playerSpeed - p_.rivalPace[k] + difficulty());
  ui::Element& slow = el("Image5");
  slow.Top += static_cast<float>(playerSpeed - p_.slowCarPace);
  // While the player is behind, easier races hold the slow vehicle off the road.
  if (playerRank > 1 && difficulty() == 20 && slow.Top < 0) slow.Top = -10000;
  if (playerRank > 2 && difficulty() == 10 && slow.Top < 0) slow.Top = -10000;
  el("Image7").Top += playerSpeed;
  if (distanceTravelled > 3999) el("Image6").Top += playerSpeed;
}

// Over top speed the car loses 10 a tick; too far over, the engine overheats.
void StageScreen::limitSpeed() {
  if (playerSpeed > p_.topSpeed) playerSpeed = sat16(playerSpeed - 10);
  if (playerSpeed > p_.overheatSpeed) playerSpeed = 0;
  if (playerSpeed < 0) playerSpeed = 0;
}

void StageScreen::showValues() {
  el("Label1").Caption = std::to_string(playerSpeed);
  el("Label3").Caption = std::to_string(playerRank);
}

// The slow vehicle comes back far ahead, in the player's lane.
void StageScreen::respawnSlowCar() {
  ui::Element& car = el("Image1");
  ui::Element& slow = el("Image5");
  if (slow.Top > car.Top + 400) {
    slow.Left = car.Left;
    slow.Top = car.Top - 12000;
  }
}

void StageScreen::wrapRoadside() {
  ui::Element& side = el("Image7");
  if (side.Top > 5200) side.Top = -2000;
}

// A touch stops the car dead, every tick it lasts.
void StageScreen::collide() {
  const ui::Element& car = el("Image1");
  for (const char* other : {"Image2", "Image3", "Image4", "Image5"}) {
    const ui::Element& o = el(other);
    if (std::fabs(car.Top - o.Top) < 1000 && std::fabs(car.Left - o.Left) < 1000) {
      playerSpeed = 0;
      playWave("\\C6.wav");
    }
  }
}

void StageScreen::keepOnRoad() {
  ui::Element& car = el("Image1");
  if (car.Left > 2800) car.Left = 2800;
  if (car.Left < 0) car.Left = 0;
}

// Rivals drift towards the player's lane: all move right first, then left.
void StageScreen::chase() {
  const float lane = el("Image1").Left;
  for (int k = 0; k < 3; ++k)
    if (lane > el(kRivals[k]).Left) el(kRivals[k]).Left += p_.chaseStep[k];
  for (int k = 0; k < 3; ++k)
    if (lane < el(kRivals[k]).Left) el(kRivals[k]).Left -= p_.chaseStep[k];
}

// Each later test overrides: rival 3 is taken to lead rival 2, which leads rival 1.
void StageScreen::rank() {
  const float top = el("Image1").Top;
  if (top > el("Image2").Top) playerRank = 4;
  if (top < el("Image2").Top) playerRank = 3;
  if (top < el("Image3").Top) playerRank = 2;
  if (top < el("Image4").Top) playerRank = 1;
}

// Rivals left far behind are pulled back within reach.
void StageScreen::keepRivalsNear() {
  const float top = el("Image1").Top;
  if (el("Image2").Top - 10000 > top) el("Image2").Top = top + 10000;
  if (el("Image3").Top - 5000 > top) el("Image3").Top = top + 5000;
  if (el("Image4").Top - 1000 > top) el("Image4").Top = top + 1200;
}

void StageScreen::finish() {
  if (!finished()) return;
  ui::Element& message = el("Label6");
  if (playerRank < p_.passRankLimit) message.Caption = p_.passMessage;
  if (playerRank >= p_.passRankLimit) message.Caption = "Game Over (Press Space)";
  el("Timer1").setEnabled(false);
}

void StageScreen::showTopSpeedPicture() {
  if (p_.proCar && playerSpeed > 350) showCar("speed2");
}

// ---- keys --------------------------------------------------------------

void StageScreen::Picture1_KeyDown(int key) {
  ui::Element& tick = el("Timer1");
  switch (key) {
    case ui::vk::letter('P'): {
      if (countdownValue >= 0) return;
      // After the finish the bell still rings in stages 1 to 4, and nothing else happens.
      if (p_.stage != 5) playWave("\\Ding.wav");
      if (!notFinished()) return;
      if (p_.stage == 5) playWave("\\Ding.wav");
      const bool pause = tick.enabled();
      tick.setEnabled(!pause);
      el("Label6").Caption = pause ? "  Pause" : "";
      return;
    }
    case ui::vk::kSpace:
      if (countdownValue == 4) el("Timer2").setEnabled(true);
      if (finished()) {
        program().unload(*this);
        // A failed stage starts again from scratch; its owner waits for a pass.
        if (playerRank >= p_.passRankLimit) program().show(*this, ui::ShowMode::Modal);
      }
      return;
    case ui::vk::kShift:
      program().end();
    case ui::vk::kUp:
      playerSpeed = sat16(playerSpeed + 50);
      if (p_.proCar) {
        if (tick.enabled()) showCar("normal");
        if (playerSpeed > 350 && tick.enabled()) showCar("speed2");
      }
      return;
    case ui::vk::kDown:
      playerSpeed = sat16(playerSpeed - 100);
      if (p_.proCar) {
        if (p_.stage == 5 || tick.enabled()) showCar("normal");
        if (playerSpeed > 350 && tick.enabled()) showCar("speed2");
      }
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

void StageScreen::Picture1_KeyUp(int key) {
  if (key == ui::vk::kLeft) steerLeftHeld = 0;
  if (key == ui::vk::kRight) steerRightHeld = 0;
}

}  // namespace stage
