#include "stage/stage_params.h"

namespace stage {

namespace {
constexpr const char* kPass = "You Pass (Press Space)";
constexpr const char* kWin = "You Win ! (Press Space)";

// clang-format off
const std::array<StageParams, 5> kStages{{
  // stage  step drag lead 2nd top  heat  rival pace       slow chase          limit message
  {1,       80,  1,   9,   1,  250, 350, {190, 205, 230}, 50, {10, 10, 10},   3,    kPass,
   {{{0, 0}, {2760, 1440}, {0, 2640}}}, false, nullptr, "6150"},
  {2,       100, 1,   10,  1,  300, 400, {240, 255, 280}, 55, {10, 10, 20},   3,    kPass,
   {{{0, 0}, {2760, 1440}, {0, 2640}}}, false, "2.mid", "9482"},
  {3,       100, 1,   10,  1,  300, 400, {245, 265, 285}, 55, {10, 10, 30},   3,    kPass,
   {{{0, 0}, {2760, 1440}, {0, 2640}}}, false, nullptr, "4637"},
  {4,       150, 2,   10,  1,  350, 450, {270, 297, 305}, 65, {10, 60, 70},   3,    kPass,
   {{{0, 2640}, {2760, 1320}, {0, 0}}}, true, "4.mid", "5091"},
  {5,       150, 2,   10,  1,  350, 450, {300, 310, 320}, 65, {31, 35, 40},   2,    kWin,
   {{{0, 2640}, {2760, 1320}, {0, 0}}}, true, nullptr, "7318"},
}};
// clang-format on
}  // namespace

const std::array<StageParams, 5>& stages() { return kStages; }

const StageParams& stageParams(int stage) {
  return kStages.at(static_cast<std::size_t>(stage - 1));
}

}  // namespace stage
