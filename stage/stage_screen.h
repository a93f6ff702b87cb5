// A stage race: the player's car near the bottom of the road, three rivals,
// a slow vehicle, a roadside picture and the finish banner. The world moves
// down by the player's speed every 25 ms; the rank at the banner decides.
// frm1 to frm5 are five of these, each with its own StageParams.
#pragma once

#include <cstdint>
#include <optional>

#include "stage/stage_params.h"
#include "ui/window.h"

namespace stage {

class StageScreen : public ui::Window {
 public:
  // The difficulty is the program's setting, read at every tick: Easy 20,
  // Normal 10, Hard 0 added to every rival's drift; none counts as 0.
  StageScreen(ui::Program& program, int stage, const std::optional<std::int16_t>& difficultyBonus);
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
  // Handlers.
  void resetRace();
  void countdownTick();
  void raceTick();
  void raceKeyDown(int key);
  void steerKeyUp(int key);

  // What the keys do.
  void togglePause();
  void startOrLeave();
  void pedal(std::int16_t by);

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

  enum class Look { Plain, Turning, FlatOut };
  void showCar(Look look);
  std::int16_t difficulty() const;

  // The elements, by role.
  ui::Element& playerCar();
  ui::Element& rival(int k);  // 0 to 2
  ui::Element& slowCar();
  ui::Element& finishBanner();
  ui::Element& roadside();
  ui::Element& speedReadout();
  ui::Element& speedState();
  ui::Element& rankReadout();
  ui::Element& timeReadout();
  ui::Element& messageLabel();
  ui::Element& raceTimer();       // the 25 ms race tick
  ui::Element& countdownTimer();  // once a second before the start

  const StageParams& p_;
  const std::optional<std::int16_t>& difficultyBonus_;
};

}  // namespace stage
