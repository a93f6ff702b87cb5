#include "bonus/bonus_screen.h"

#include <cmath>
#include <string>

#include "bonus/field.h"
#include "ui/arith.h"
#include "ui/keys.h"
#include "ui/program.h"

namespace bonus {

using ui::Event;
using ui::sat16;

namespace {

constexpr float kBossLowest = 6825;
const char* const kMissiles[3] = {"Image1", "Image2", "Image3"};

// The boss looks at the second ship before the first.
constexpr int kBossOrder[2] = {1, 0};

// Each ship's keys.
struct Keys {
  int up, down, fire;
};
constexpr Keys kKeys[2] = {{ui::vk::letter('W'), ui::vk::letter('S'), ui::vk::letter('G')},
                           {ui::vk::kUp, ui::vk::kDown, ui::vk::numpad(1)}};

// Top-left corners closer than `limit` on both axes.
bool near(const ui::Element& a, const ui::Element& b, float limit) {
  return std::fabs(a.Left - b.Left) < limit && std::fabs(a.Top - b.Top) < limit;
}

void hide(ui::Element& e) { e.Visible = false; }
void show(ui::Element& e) { e.Visible = true; }

}  // namespace

BonusScreen::BonusScreen(ui::Program& program) : Window(program, "frmMain") {
  var("level", level);
  var("score", score);
  var("wallSpeed", wallSpeed);
  var("twoPlayer", twoPlayer);
  for (int i = 0; i < 2; ++i) {
    const std::string side = i == 0 ? "L" : "R";
    var("upHeld" + side, ships[i].upHeld);
    var("downHeld" + side, ships[i].downHeld);
  }
  var("enemyHP", enemyHP);
  var("playerHP", playerHP);
  vars().add("fireRequest", ships, &Ship::fireRequest);
  var("waveDevices", waveDevices);
  on(Event::Load, "", [this] { newGame(); });
  on(Event::Click, "Command1", [this] { onePlayerClicked(); });
  on(Event::Click, "cmdStart", [this] { twoPlayerClicked(); });
  on(Event::LostFocus, "", [this] { focusLost(); });
  onKey(Event::KeyDown, "", [this](int k) { shipKeyDown(k); });
  onKey(Event::KeyUp, "", [this](int k) { shipKeyUp(k); });
  on(Event::Click, "Label1", [this] { playAgainClicked(); });
  on(Event::Click, "Level1", [this] { nextLevelClicked(); });
  on(Event::Timer, "tmrMove", [this] { moveTick(); });
}

float BonusScreen::fieldHeight() { return field().scaleHeight(); }

ui::Element& BonusScreen::field() { return el("picBK"); }
ui::Element& BonusScreen::wreck() { return el("imgDead"); }
ui::Element& BonusScreen::ship(int i) { return el(i == 0 ? "imgLeft" : "imgRight", 0); }
ui::Element& BonusScreen::shot(int i) { return el(i == 0 ? "imgFireL" : "imgFireR", 0); }
ui::Element& BonusScreen::wall(int i) { return el("imgWall", i); }
ui::Element& BonusScreen::wallMissile(int i) { return el(kMissiles[i]); }
ui::Element& BonusScreen::aimedMissile() { return el("Picture1"); }
ui::Element& BonusScreen::boss() { return el("Picture2"); }
ui::Element& BonusScreen::bossShot() { return el("Picture3"); }
ui::Element& BonusScreen::hpReadout() { return el("Text1"); }
ui::Element& BonusScreen::enemyHpReadout() { return el("Text2"); }
ui::Element& BonusScreen::scoreReadout() { return el("Text3"); }
ui::Element& BonusScreen::onePlayerButton() { return el("Command1"); }
ui::Element& BonusScreen::twoPlayerButton() { return el("cmdStart"); }
ui::Element& BonusScreen::gameOverBanner() { return el("Label1"); }
bool BonusScreen::gameOver() { return gameOverBanner().Visible; }
ui::Element& BonusScreen::levelClearBanner() { return el("Level1"); }
ui::Element& BonusScreen::moveTimer() { return el("tmrMove"); }

void BonusScreen::sound(const char* name) {
  if (waveDevices != 0) playWave(name);
}

// ---- load, start, restart, next level ------------------------------------------

void BonusScreen::newGame() {
  score = 0;
  level = 1;
  hide(gameOverBanner());
  wallSpeed = 0;
  waveDevices = sat16(deviceCount());
  moveTimer().setInterval(25);
  moveTimer().setEnabled(false);
  enemyHP = 30;
  playerHP = 6;
}

void BonusScreen::launch(bool secondShip) {
  sound("\\playstart.WAV");
  hide(wreck());
  show(ship(0));
  ship(1).Visible = secondShip;
  moveTimer().setEnabled(true);
  twoPlayerButton().setEnabled(false);
}

void BonusScreen::hideStartButtons() {
  hide(onePlayerButton());
  hide(twoPlayerButton());
}

// One ship against a weaker enemy.
void BonusScreen::onePlayerClicked() {
  launch(false);
  enemyHP = sat16(enemyHP - 15);
  hideStartButtons();
}

void BonusScreen::twoPlayerClicked() {
  twoPlayer = 1;
  launch(true);
  hideStartButtons();
}

// Coming back to the window resumes the game with both ships.
void BonusScreen::focusLost() { launch(true); }

void BonusScreen::placeWalls() {
  for (int i = 0; i < 3; ++i) {
    wall(i).Left = field::kWallHome[i][0];
    wall(i).Top = field::kWallHome[i][1];
    show(wall(i));
  }
}

void BonusScreen::playAgainClicked() {
  score = 0;
  level = 1;
  wallSpeed = 0;
  placeWalls();
  show(ship(0));
  enemyHP = 15;
  playerHP = 6;
  hide(gameOverBanner());
  moveTimer().setEnabled(true);
  if (twoPlayer == 1) {
    enemyHP = 30;
    show(ship(1));
  }
}

void BonusScreen::nextLevelClicked() {
  if (enemyHP < 0 && !moveTimer().enabled()) {
    wallSpeed = sat16(wallSpeed + 10);
    placeWalls();
    enemyHP = sat16(wallSpeed + 15);
    level = sat16(level + 1);
    score = sat16(score + wallSpeed);
    playerHP = sat16(2 * ui::roundHalfEven16(wallSpeed / 10.0 + 6));
    hide(levelClearBanner());
    moveTimer().setEnabled(true);
    if (twoPlayer == 1) enemyHP = sat16(enemyHP + 15);
  }
  if (level > 4) level = 1;
}

// ---- keys ----------------------------------------------------------------------

// Up and down cancel each other; the second ship fires only in a game for two.
void BonusScreen::shipKeyDown(int key) {
  if (!moveTimer().enabled()) return;
  program().processPendingEvents();
  for (int i = 0; i < 2; ++i) {
    Ship& s = ships[i];
    if (key == kKeys[i].up) s.upHeld = 1, s.downHeld = 0;
    if (key == kKeys[i].down) s.downHeld = 1, s.upHeld = 0;
    if (key == kKeys[i].fire && (i == 0 || twoPlayer == 1)) s.fireRequest = -1;
  }
}

void BonusScreen::shipKeyUp(int key) {
  for (int i = 0; i < 2; ++i) {
    if (key == kKeys[i].up) ships[i].upHeld = 0;
    if (key == kKeys[i].down) ships[i].downHeld = 0;
  }
}

// ---- the tick ----------------------------------------------------------------------

void BonusScreen::moveTick() {
  moveShips();
  setUpLevel();
  bossFights();
  flyAimedMissile();
  wallMissiles();
  riseWalls();
  parkSecondShip();
  gameOverTest();
  wallContacts(1);
  wallHits(1);
  wallZero();
  missilesAgainstShips();
  wallContacts(2);
  wallHits(2);
  wallCycle();
  fire(0);
  fire(1);
  flyShotsAndClear();
  wallOneCoincidences();
  display();
}

void BonusScreen::moveShips() {
  const float height = fieldHeight();
  for (int i = 0; i < 2; ++i) {
    if (ships[i].upHeld != 1) continue;
    ship(i).Top -= 300;
    if (ship(i).Top < 0) ship(i).Top = 0;
  }
  for (int i = 0; i < 2; ++i) {
    if (ships[i].downHeld != 1) continue;
    ui::Element& s = ship(i);
    s.Top += 300;
    if (height - s.Height < s.Top) s.Top = height - s.Height;
  }
}

void BonusScreen::setUpLevel() {
  if (level < 3) {
    hide(aimedMissile());
    aimedMissile().Left = 9000;
  }
  if (level > 3) show(boss());
  if (level < 4) {
    hide(bossShot());
    hide(boss());
  }
  if (!bossShot().Visible && boss().Visible) {
    show(bossShot());
    bossShot().Top = boss().Top;
    bossShot().Left = boss().Left;
  }
}

// The boss takes two from the enemy's points a hit; its shot takes one of
// the players'. None of these look at who is shown.
void BonusScreen::bossFights() {
  ui::Element &b = boss(), &bs = bossShot();
  if (level >= 4) {
    for (int i : kBossOrder) {
      if (!near(shot(i), b, 500)) continue;
      enemyHP = sat16(enemyHP - 2);
      hide(shot(i));
      score = sat16(score + 15);
    }
    for (int i : kBossOrder) {
      if (!near(ship(i), bs, 500)) continue;
      playerHP = sat16(playerHP - 1);
      hide(bs);
    }
  }
  if (bs.Left < 0) hide(bs);
  if (bs.Visible) bs.Left -= 1000;
  // The boss follows the first ship's height.
  if (ship(0).Top > b.Top) b.Top += 30;
  if (ship(0).Top < b.Top) b.Top -= 30;
  if (b.Top > kBossLowest) b.Top = 0;
}

// The aimed missile hits whether it is shown or not: at levels 1 and 2 it
// waits, hidden, at Left 9000 and still takes shots.
void BonusScreen::flyAimedMissile() {
  ui::Element& missile = aimedMissile();
  for (int i = 0; i < 2; ++i) {
    if (!near(ship(i), missile, 500)) continue;
    playerHP = sat16(playerHP - 1);
    hide(missile);
  }
  for (int i = 0; i < 2; ++i) {
    if (!near(shot(i), missile, 500)) continue;
    hide(shot(i));
    hide(missile);
    score = sat16(score + 10);
    enemyHP = sat16(enemyHP - 1);
  }
  if (level >= 3) {
    missile.Left -= 500;
    if (missile.Left < 0) hide(missile);
    if (!missile.Visible) {
      show(missile);
      missile.Left = 9690;
      missile.Top = ship(0).Top;  // aimed at launch, never steered
    }
  }
}

// From level 2 each wall fires a missile that flies left; a new one leaves
// the wall as soon as the last is gone.
void BonusScreen::wallMissiles() {
  if (level == 1) {
    for (int i = 0; i < 3; ++i) hide(wallMissile(i));
    return;
  }
  if (level <= 1) return;
  for (int i = 0; i < 3; ++i) wallMissile(i).Left -= 150;
  for (int i = 0; i < 3; ++i)
    if (wallMissile(i).Left < 0) hide(wallMissile(i));
  for (int i = 0; i < 3; ++i) {
    ui::Element& m = wallMissile(i);
    if (m.Visible) continue;
    m.Top = wall(i).Top;
    m.Left = wall(i).Left;
    show(m);
  }
}

// The walls rise the faster the higher the level.
void BonusScreen::riseWalls() {
  for (int i = 0; i < 3; ++i) wall(i).Top -= wallSpeed;
}

// The second ship, out of play, waits in the corner.
void BonusScreen::parkSecondShip() {
  if (!ship(1).Visible) ship(1).Top = 0;
}

void BonusScreen::gameOverTest() {
  if (playerHP >= 1) return;
  show(gameOverBanner());
  moveTimer().setEnabled(false);
  hide(ship(0));
  hide(ship(1));
}

// A ship inside a wall's box loses a point every tick it stays there.
void BonusScreen::wallContacts(int w) {
  for (int i = 0; i < 2; ++i)
    if (near(wall(w), ship(i), 1000)) playerHP = sat16(playerHP - 1);
}

void BonusScreen::wallHits(int w) {
  for (int i = 0; i < 2; ++i) {
    if (!shot(i).Visible || !near(wall(w), shot(i), 1000)) continue;
    enemyHP = sat16(enemyHP - 1);
    score = sat16(score + 10);
    hide(shot(i));
    wall(w).Left += 150;
  }
}

// Wall 0 has its own order: contacts, the first ship's hit, missiles shot
// down, the second ship's hit, then the first ship's shot pushing it even
// when hidden.
void BonusScreen::wallZero() {
  ui::Element& w = wall(0);
  wallContacts(0);
  if (shot(0).Visible && near(w, shot(0), 1000)) {
    enemyHP = sat16(enemyHP - 1);
    score = sat16(score + 10);
    hide(shot(0));
  }
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 3; ++k) {
      ui::Element& m = wallMissile(k);
      if (level > 1 && m.Visible && near(m, shot(i), 1000)) {
        hide(m);
        score = sat16(score + 5);
      }
    }
  if (shot(1).Visible && near(w, shot(1), 1000)) {
    enemyHP = sat16(enemyHP - 1);
    score = sat16(score + 10);
    hide(shot(1));
    w.Left += 150;
  }
  if (near(w, shot(0), 1000)) {
    hide(shot(0));
    w.Left += 150;
  }
}

void BonusScreen::missilesAgainstShips() {
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 3; ++k) {
      ui::Element& m = wallMissile(k);
      if (level > 1 && near(m, ship(i), 500)) {
        playerHP = sat16(playerHP - 1);
        hide(m);
      }
    }
}

// Walls rise; out of the top they come back from below a thousand twips
// nearer, and past the left edge they start again at the right.
void BonusScreen::wallCycle() {
  const float bottom = field().Height;
  for (int i = 0; i < 3; ++i) {
    ui::Element& w = wall(i);
    w.Top -= 100;
    if (w.Top < -w.Height) {
      w.Left -= 1000;
      w.Top = bottom;
    }
    if (enemyHP < 0) hide(w);
    if (w.Left < 0) w.Left = field::kWidth;
  }
}

// One shot in flight per ship: a request while it flies is dropped. The
// first ship fires from its nose, the second from its middle.
void BonusScreen::fire(int i) {
  std::int16_t& request = ships[i].fireRequest;
  if (request == 0) return;
  request = 0;
  ui::Element& s = shot(i);
  if (s.Visible) return;
  s.Top = ship(i).Top;
  s.Left = i == 0 ? ship(0).Left + 400 : ship(1).Left - ship(1).Width / 2;
  show(s);
  sound("\\Shoot.wav");
}

void BonusScreen::flyShotsAndClear() {
  ui::Element &first = shot(0), &second = shot(1);
  if (first.Visible) {
    first.Left += 300;
    twoPlayerButton().Caption = "Start";
    twoPlayerButton().setEnabled(true);
  }
  if (enemyHP < 0) {
    moveTimer().setEnabled(false);
    show(levelClearBanner());
  }
  if (second.Visible) second.Left += 500;
  if (second.Left > field::kWidth) hide(second);
  if (first.Left > field::kWidth) hide(first);
}

// Exact coincidences with wall 1, shown or not.
void BonusScreen::wallOneCoincidences() {
  ui::Element& w = wall(1);
  if (shot(1).Left == w.Left + 200 && shot(1).Top + 200 == w.Top) sound("\\dead.WAV");
  if (shot(0).Left == w.Left + 200 && shot(0).Top + 200 == w.Top) {
    w.Left += 200;
    sound("\\dead.WAV");
    twoPlayerButton().Caption = "Start";
    twoPlayerButton().setEnabled(true);
  }
}

void BonusScreen::display() {
  hpReadout().Text = std::to_string(playerHP);
  scoreReadout().Text = std::to_string(score);
  enemyHpReadout().Text = std::to_string(enemyHP + 1);
}

}  // namespace bonus
