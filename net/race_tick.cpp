// The network race's timers: the race tick, the countdown, the broadcasts
// of speed and place, and the result claims.
#include <cmath>
#include <cstdlib>
#include <string>

#include "net/race_screen.h"
#include "ui/arith.h"

namespace net {

using ui::Element;
using ui::sat16;

namespace {

// How the computer cars pick up speed: c1 to 390 by 10 a tick, c2 to 375
// by 25.
constexpr struct {
  std::int16_t top;
  std::int16_t gain;
} kRivalDrive[] = {{390, 10}, {375, 25}};

// 400 holds within 10; 350 down to 0 within 25; above 425 nothing snaps.
std::int16_t snap(std::int16_t speed) {
  if (std::abs(speed - 400) < 10) return 400;
  for (int level = 350; level >= 0; level -= 50)
    if (std::abs(speed - level) < 25) return static_cast<std::int16_t>(level);
  return speed;
}

bool crash(const Element& a, const Element& b) {
  return std::fabs(a.Top - b.Top) < 1000 && std::fabs(a.Left - b.Left) < 1000;
}

}  // namespace

bool RaceScreen::resultShown() { return resultBanner().Visible; }

void RaceScreen::raceTick() {
  goldCarForKelmot();
  closeTalk();
  snapSpeeds();
  showTime();
  reportPlaces();
  hideConnectButton();
  showFinishLine();
  showTurbo();
  moveRivals();
  markPeerOutOfSight();
  colourSpeeds();
  countTick();
  keepCarsOnRoad();
  coolEngines();
  addDistance();
  showSpeeds();
  movePeerCar();
  flyMissiles();
  collide();
  moveFinishLine();
  decideResult();
  scrollLaneMarks();
}

// The name that brings the gold car and endless turbo, on either seat.
void RaceScreen::goldCarForKelmot() {
  for (std::int16_t seat : {kHostSeat, kGuestSeat}) {
    if (nameLabel(seat).Caption != seatTag(seat) + "Kelmot") continue;
    car(seatSide(seat)).Picture = goldCar().Picture;
    players_[seatSide(seat)].turbo = 999;
  }
}

void RaceScreen::closeTalk() { talkButton().setEnabled(false); }

void RaceScreen::snapSpeeds() {
  for (Player& p : players_) p.speed = snap(p.speed);
}

void RaceScreen::showTime() { timeLabel().Caption = std::to_string(raceTicks_); }

// Where the cars stand as this screen sees them, for the other side to
// follow: this car ahead, far ahead, far behind, and the other car stopped.
void RaceScreen::reportPlaces() {
  const Element& theirs = peerCar();
  if (myCar().Top < theirs.Top) send(Code::Ahead, 4);
  if (std::fabs(theirs.Top - 4600) < 500) send(Code::FarAhead);
  if (peer().speed < 11) send(Code::Halt);
  if (std::fabs(theirs.Top - 500) < 500) send(Code::FarBehind);
}

void RaceScreen::hideConnectButton() {
  if (connectButton().Visible) connectButton().Visible = false;
}

// The finish line shows to the leader, and to both once decided.
void RaceScreen::showFinishLine() {
  const float mine = myCar().Top, theirs = peerCar().Top;
  if (!resultShown() && mine > theirs) finishLine().Visible = false;
  if (mine < theirs) finishLine().Visible = true;
}

void RaceScreen::showTurbo() {
  for (Side s : kSides) turboLabel(s).Caption = std::to_string(players_[s].turbo);
}

// The computer cars come down the road by this car's speed, pick up speed
// of their own, and drift towards their prey: c1 the host's car, c2 the
// guest's.
void RaceScreen::moveRivals() {
  for (int k = 0; k < 2; ++k) {
    Element& c = rival(k);
    std::int16_t& speed = rivalSpeeds_[k];
    c.Top += static_cast<float>(me().speed - speed);
    if (speed < kRivalDrive[k].top) speed = sat16(speed + kRivalDrive[k].gain);
    const Element& prey = car(k == 0 ? hostSide() : opposite(hostSide()));
    if (prey.Left < c.Left) c.Left -= 10;
    if (prey.Left > c.Left) c.Left += 10;
  }
}

// Markers for the other car out of sight, above or below the road.
void RaceScreen::markPeerOutOfSight() {
  const Element& theirs = peerCar();
  Element &ahead = peerAheadMarker(), &behind = peerBehindMarker();
  if (theirs.Top < -1000) {
    ahead.Visible = true;
    behind.Visible = false;
  }
  if (theirs.Top > 5200) {
    behind.Visible = true;
    ahead.Visible = false;
  }
  if (theirs.Top > -1000 && theirs.Top < 5200) ahead.Visible = behind.Visible = false;
  ahead.Left = behind.Left = theirs.Left;
}

void RaceScreen::colourSpeeds() {
  for (Side s : kSides)
    speedLabel(s).ForeColor = players_[s].speed > 400 ? ui::colour::kRed : ui::colour::kYellow;
}

void RaceScreen::countTick() { raceTicks_ = sat16(raceTicks_ + 1); }

void RaceScreen::keepCarsOnRoad() {
  for (Side s : kSides) {
    Element& c = car(s);
    if (c.Left > 2800) c.Left = 2800;
    if (c.Left < 0) c.Left = 0;
  }
}

// Top speed, overheat and the slow fall back to 400. Both cars cool alike;
// only this car's own stops are told to the other side.
void RaceScreen::coolEngines() {
  Player &mine = me(), &theirs = peer();
  if (mine.speed > 90 && mine.speed < 401) speedWarning().Caption = "";
  if (mine.speed > 400) speedWarning().Caption = ui::Words::tr("極速 !!");
  if (theirs.speed > kTurboSpeed) theirs.speed = 0;
  if (mine.speed > kTurboSpeed) {
    stop(kMe);
    speedWarning().Caption = "OverHeat !!";
  }
  for (Player& p : players_)
    if (p.speed > 400) p.speed = sat16(p.speed - 10);
  if (theirs.speed < 0) theirs.speed = 0;
  if (mine.speed < 0) stop(kMe);
}

void RaceScreen::addDistance() {
  for (Player& p : players_) p.distance = sat16(p.distance + p.speed / 10);
}

void RaceScreen::showSpeeds() {
  for (Side s : kSides) speedLabel(s).Caption = std::to_string(players_[s].speed);
}

// The road moves by this car's speed; the other car by the difference.
void RaceScreen::movePeerCar() { peerCar().Top += static_cast<float>(me().speed - peer().speed); }

void RaceScreen::flyMissiles() {
  for (Side s : kSides) missile(s).Top -= 1000;
}

void RaceScreen::collide() {
  for (int k = 0; k < 2; ++k) {
    if (!crash(rival(k), myCar())) continue;
    stop(kMe);
    rivalSpeeds_[k] = 50;
    playWave("\\c9.wav");
  }
  for (Side s : kSides) {
    for (int k = 0; k < 2; ++k) {
      if (!crash(rival(k), missile(s))) continue;
      rivalSpeeds_[k] = 0;
      playWave("\\c9.wav");
    }
  }
  if (crash(peerCar(), myCar())) {
    stop(kPeer);
    stop(kMe);
  }
  // A missile stops the car it hits.
  for (Side s : {kPeer, kMe}) {
    if (!crash(car(s), missile(opposite(s)))) continue;
    playWave("\\c9.wav");
    stop(s);
  }
}

// The finish line comes slowly from far ahead, then with the road.
void RaceScreen::moveFinishLine() {
  Element& line = finishLine();
  if (line.Top > -1400) line.Top += me().speed;
  if (line.Top < -1400) line.Top += static_cast<float>(me().speed / 10);
}

// The result, decided here on this screen and claimed to the other.
void RaceScreen::decideResult() {
  if (resultShown()) return;
  const float line = finishLine().Top, mine = myCar().Top, theirs = peerCar().Top;
  if (theirs < line && theirs < mine) {
    send(Code::LossClaim, 14);
    showDefeat();
  } else if (mine < line && mine < theirs) {
    send(Code::WinClaim, 12);
    showVictory();
  }
}

void RaceScreen::scrollLaneMarks() {
  for (int k = 0; k < 2; ++k) {
    Element& mark = laneMark(k);
    if (mark.Top > 5500) mark.Top = -1400;
    mark.Top += me().speed;
  }
}

// ---- the result --------------------------------------------------------------------------

void RaceScreen::showVictory() {
  resultBanner().Visible = true;
  finishLine().Top = myCar().Top;
  peerAheadMarker().Visible = false;
  stopRace();
}

void RaceScreen::showDefeat() {
  me().distance = -10000;
  resultBanner().Caption = kYouLose;
  resultBanner().Visible = true;
  stopRace();
  peerBehindMarker().Visible = false;
}

void RaceScreen::stopRace() {
  for (Element* t : {&raceTimer(), &speedTimer(), &lineTimer(), &placeTimer(), &countdownTimer()})
    t->setEnabled(false);
}

// ---- the other timers --------------------------------------------------------------------

// 5, 4, 3, 2, 1, "Go", and the race a second later.
void RaceScreen::countdownTick() {
  countdown_ = sat16(countdown_ - 1);
  countdownLabel().Caption = std::to_string(countdown_);
  if (countdown_ > 0) playWave("\\1.wav");
  if (countdown_ == 0) {
    playWave("\\Ding.wav");
    countdownLabel().Caption = "Go";
  }
  if (countdown_ == -1) {
    for (Player& p : players_) p.speed = 300;
    rivalSpeeds_ = {300, 300};
    for (Element* t : {&raceTimer(), &speedTimer(), &placeTimer()}) t->setEnabled(true);
    countdownLabel().Caption = "";
    countdownTimer().setEnabled(false);
  }
}

void RaceScreen::sendSpeed() {
  for (const std::string& m : speedBroadcast(me().speed)) send(m);
}

// This car reached the line ahead of the other: claim it at once.
void RaceScreen::claimWinAtLine() {
  const float mine = myCar().Top;
  if (mine <= finishLine().Top && mine < peerCar().Top) {
    send(Code::WinClaim, 3);
    peerAheadMarker().Visible = false;
    finishLine().Top = mine;
  }
}

void RaceScreen::sendPlace() {
  for (const std::string& m : positionBroadcast(myCar().Left)) send(m);
  reportLead();
}

void RaceScreen::standingsTick() {
  reportLead();
  openTalkBetweenRaces();
  layFinishLineUnderWinner();
}

// Who leads, as this screen sees it, until the result is known.
void RaceScreen::reportLead() {
  if (resultShown()) return;
  const float mine = myCar().Top, theirs = peerCar().Top;
  if (mine < theirs) send(Code::Ahead);
  if (mine > theirs) send(Code::Behind);
}

void RaceScreen::openTalkBetweenRaces() {
  if (!raceTimer().enabled()) talkButton().setEnabled(true);
}

// After the race the finish line lies under the winner's car on both screens.
void RaceScreen::layFinishLineUnderWinner() {
  if (!resultShown()) return;
  Element& line = finishLine();
  const float mine = myCar().Top, theirs = peerCar().Top;
  if (mine < theirs) line.Top = mine;
  line.Visible = true;
  if (resultBanner().Caption == kYouWin) line.Top = mine;
  if (resultBanner().Caption == kYouLose) line.Top = theirs;
}

// After the result, the claim goes on being made, for a peer that missed it.
void RaceScreen::repeatResultClaim() {
  if (!resultShown()) return;
  const float mine = myCar().Top, theirs = peerCar().Top;
  if (mine < theirs) send(Code::WinClaim);
  if (mine > theirs) send(Code::LossClaim);
}

}  // namespace net
