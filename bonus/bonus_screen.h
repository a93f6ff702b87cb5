// The bonus game: a side-scrolling shooter for one or two players. Ships at
// the left move up and down and fire; walls rise and step nearer, with
// missiles from level 2, an aimed missile from level 3 and the boss at
// level 4. Everything moves in one 25 ms tick.
//
// Counters are 16 bits and never clamped by the game's rules; past the range
// they stop at its ends rather than wrap, so a score never turns negative.
#pragma once

#include <array>
#include <cstdint>

#include "ui/window.h"

namespace bonus {

class BonusScreen : public ui::Window {
 public:
  explicit BonusScreen(ui::Program& program);
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;

  // The field's height: the background's inner height (ScaleHeight), which
  // is the height of the window, 6825 twips, though the picture runs on
  // below it.
  float fieldHeight();

  std::int16_t level = 1;
  std::int16_t score = 0;
  std::int16_t wallSpeed = 0;  // extra rise of the walls per tick
  std::int16_t twoPlayer = 0;
  std::int16_t upHeldL = 0, downHeldL = 0;        // W, S: the first ship
  std::int16_t upHeldR = 0, downHeldR = 0;        // Up, Down: the second ship
  std::int16_t enemyHP = 30;                      // shown plus one
  std::int16_t playerHP = 6;                      // shared by both ships
  std::array<std::int16_t, 2> fireRequest{0, 0};  // -1: a shot asked for
  std::int16_t waveDevices = 0;

 private:
  void Form_Load();
  void Command1_Click();
  void cmdStart_Click();
  void Form_LostFocus();
  void Form_KeyDown(int key);
  void Form_KeyUp(int key);
  void Label1_Click();
  void Level1_Click();
  void tmrMove_Timer();

  // The steps of one tick, in order.
  void moveShips();
  void setUpLevel();
  void bossFights();
  void aimedMissile();
  void wallMissiles();
  void gameOverTest();
  void wallContacts(int wall);
  void wallHits(int wall);
  void wallZero();
  void missilesAgainstShips();
  void wallCycle();
  void fire(int ship);
  void flyShotsAndClear();
  void wallOneCoincidences();
  void display();

  void sound(const char* name);
  void placeWalls();
  void play();  // what both start buttons and a lost focus share
  ui::Element& ship(int i);
  ui::Element& shot(int i);
  ui::Element& wall(int i);
};

}  // namespace bonus
