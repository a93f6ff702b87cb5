// The battle for two players at one keyboard: two views side by side, each
// following its own player's car, two computer cars in the way, turbo and
// missiles. The first car past the finish line while ahead wins.
#pragma once

#include <cstdint>

#include "ui/window.h"

namespace battle {

class BattleScreen : public ui::Window {
 public:
  explicit BattleScreen(ui::Program& program);
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;

  std::int16_t speed1 = 0, speed2 = 0;        // red and blue
  std::int16_t distance1 = 0, distance2 = 0;  // hundreds of twips
  std::int16_t battleTicks = 0;
  std::int16_t left1 = 0, right1 = 0, left2 = 0, right2 = 0;
  std::int16_t turboHeld1 = 0, turboHeld2 = 0;
  std::int16_t turbo1 = 200, turbo2 = 200;  // turbo ticks left
  std::int16_t rivalSpeed1 = 0, rivalSpeed2 = 0;
  std::int16_t battleCountdown = 4;

 private:
  void Form_Load();
  void Timer1_Timer();
  void Timer2_Timer();
  void KeyDown(int key, bool clearsOpposite);
  void KeyUp(int key);

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

  void launch(const char* missile, const char* car);
  void both(const char* name, float ui::Element::*field, float value);
  void moveBoth(const char* name, float ui::Element::*field, float by);
  void showCar(const char* car, const char* picture);
};

}  // namespace battle
