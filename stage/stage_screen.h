// A stage race: the player's car near the bottom of the road, three rivals,
// a slow vehicle, a roadside picture and the finish banner. The world moves
// down by the player's speed every 25 ms; the rank at the banner decides.
// frm1 to frm5 are five of these, each with its own StageParams.
#pragma once

#include <cstdint>

#include "stage/stage_params.h"
#include "ui/window.h"

namespace frontend {
class Settings;
}

namespace stage {

class StageScreen : public ui::Window {
 public:
  StageScreen(ui::Program& program, int stage);
  const ui::Design& design() const override;
  const ui::PadBindings* padBindings() const override;
  const StageParams& params() const { return p_; }

  // Screen-level variables.
  std::int16_t playerSpeed = 0;        // twips the world moves down per tick
  std::int16_t playerRank = 0;         // 1 to 4 as last computed; 0 before the first tick
  std::int16_t distanceTravelled = 0;  // the banner comes down past 3999
  std::int16_t elapsedTicks = 0;       // shown as the time
  std::int16_t steerLeftHeld = 0;
  std::int16_t steerRightHeld = 0;
  std::int16_t countdownValue = 4;  // 4 waiting, 3 to 0 counting, negative racing

  // True once the banner has passed the top of the car, false while it is
  // still ahead; at exactly level it is neither.
  bool finished();
  bool notFinished();

 private:
  void Form_Load();
  void Timer1_Timer();
  void Timer2_Timer();
  void Picture1_KeyDown(int key);
  void Picture1_KeyUp(int key);

  // The steps of one race tick, in order.
  void steer(std::int16_t held, float direction);
  void showSpeedState();
  void sizeRank();
  void addDistanceAndTime();
  void scrollWorld();
  void limitSpeed();
  void showValues();
  void respawnSlowCar();
  void wrapRoadside();
  void collide();
  void keepOnRoad();
  void chase();
  void rank();
  void keepRivalsNear();
  void finish();
  void showTopSpeedPicture();

  void showCar(const char* pictureElement);
  std::int16_t difficulty() const;

  const StageParams& p_;
  frontend::Settings& settings_;
};

}  // namespace stage
