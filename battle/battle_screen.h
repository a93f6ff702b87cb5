// The battle for two players at one keyboard: two views side by side, each
// following its own player's car, two computer cars in the way, turbo and
// missiles. The first car past the finish line while ahead wins.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ui/window.h"

namespace battle {

// Player 1 drives the red car in the left view, player 2 the blue car in the
// right view.
inline constexpr int kRed = 0;
inline constexpr int kBlue = 1;

struct Player {
  std::int16_t speed = 0;     // twips the own view moves down per tick
  std::int16_t distance = 0;  // hundreds of twips
  std::int16_t leftHeld = 0;
  std::int16_t rightHeld = 0;
  std::int16_t turboHeld = 0;
  std::int16_t turboLeft = 200;  // ticks of turbo
};

class BattleScreen : public ui::Window {
 public:
  explicit BattleScreen(ui::Program& program);
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;

  std::array<Player, 2> players;              // red, blue
  std::array<std::int16_t, 2> rivalSpeeds{};  // the computer cars: c1 chases red, c2 blue
  std::int16_t battleTicks = 0;
  std::int16_t battleCountdown = 4;

  // Who won: 0 red, 1 blue; nobody yet while the race is on.
  std::optional<int> whoWon();

 private:
  // Handlers.
  void resetBattle();
  void countdownTick();
  void battleTick();
  void battleKeyDown(int key, bool clearsOpposite);
  void battleKeyUp(int key);

  void launch(int player);

  // The steps of one tick, in order.
  void turbo();
  void moveRivals();
  void markers();
  void steer();
  void speedColours();
  void keepOnRoad();
  void overheatAndDecay();
  void addDistance();
  void moveTheWorld();
  void crashes();
  void laneMarkings();
  void carCrashes();
  void winner();
  void handOverFinishLine();
  void copyViews();

  // True while player i's car is ahead, as the left view shows the two.
  bool ahead(int i);
  void paintCar(int i, bool gold);

  // The elements, by role. A view is a player's half of the window, by the
  // player's number: view 0 follows red, view 1 blue. Everything on the road
  // is in both views.
  ui::Element& car(int player, int view);
  ui::Element& rivalCar(int k, int view);  // k: 0 chases red, 1 chases blue
  ui::Element& missile(int player, int view);
  ui::Element& finishLine(int view);
  ui::Element& laneMarking(int view);
  // The arrows in the other player's view that point at player i's car
  // when it is out of sight ahead or behind.
  ui::Element& markerAhead(int player);
  ui::Element& markerBehind(int player);
  ui::Element& speedReadout(int player);
  ui::Element& turboReadout(int player);
  ui::Element& clock();
  ui::Element& countdownLabel(int view);
  ui::Element& winBanner(int player);
  ui::Element& raceTimer();       // the 25 ms tick
  ui::Element& countdownTimer();  // once a second before the start
};

}  // namespace battle
