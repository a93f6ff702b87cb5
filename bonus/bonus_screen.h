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

// One of the two ships: the first flies on W, S and G, the second on the
// arrows and keypad 1.
struct Ship {
  std::int16_t upHeld = 0;
  std::int16_t downHeld = 0;
  std::int16_t fireRequest = 0;  // -1: a shot asked for
};

class BonusScreen : public ui::Window {
 public:
  explicit BonusScreen(ui::Program& program);
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;

  // The field's height: the background's inner height (ScaleHeight), which
  // is the height of the window, 6825 twips, though the picture runs on
  // below it.
  float fieldHeight();
  // The last ship is down and the banner asks for another game.
  bool gameOver();

  std::int16_t level = 1;
  std::int16_t score = 0;
  std::int16_t wallSpeed = 0;  // extra rise of the walls per tick
  std::int16_t twoPlayer = 0;
  std::array<Ship, 2> ships;
  std::int16_t enemyHP = 30;  // shown plus one
  std::int16_t playerHP = 6;  // shared by both ships
  std::int16_t waveDevices = 0;

 private:
  // Handlers.
  void newGame();
  void onePlayerClicked();
  void twoPlayerClicked();
  void focusLost();
  void shipKeyDown(int key);
  void shipKeyUp(int key);
  void playAgainClicked();
  void nextLevelClicked();
  void moveTick();

  // The steps of one tick, in order.
  void moveShips();
  void setUpLevel();
  void bossFights();
  void flyAimedMissile();
  void wallMissiles();
  void riseWalls();
  void parkSecondShip();
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
  // What both start buttons and a lost focus share: the ships take off, the
  // second one only if asked.
  void launch(bool secondShip);
  void hideStartButtons();

  // The elements, by role.
  ui::Element& field();  // the background, with its own scale
  ui::Element& wreck();
  ui::Element& ship(int i);
  ui::Element& shot(int i);
  ui::Element& wall(int i);
  ui::Element& wallMissile(int i);  // fired by wall i
  ui::Element& aimedMissile();
  ui::Element& boss();
  ui::Element& bossShot();
  ui::Element& hpReadout();
  ui::Element& enemyHpReadout();
  ui::Element& scoreReadout();
  ui::Element& onePlayerButton();
  ui::Element& twoPlayerButton();
  ui::Element& gameOverBanner();    // click to play again
  ui::Element& levelClearBanner();  // click for the next level
  ui::Element& moveTimer();
};

}  // namespace bonus
