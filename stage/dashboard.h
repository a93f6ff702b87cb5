// The dashboard on the right of the stage windows: where each caption and
// read-out is written, in twips, and in what type. The window's design puts
// its labels here and the dashboard picture draws its dials and boxes around
// the same places, so the two never drift apart.
#pragma once

namespace stage::dashboard {

struct Text {
  float left, top, width, height;  // twips, as the label's rectangle
  float points;                    // type size
  bool bold;
  // For a number, how many digits it shows for most of a race and at most;
  // zero for a caption.
  int usualDigits;
  int mostDigits;
};

inline constexpr Text kSpeedCaption{5640, 0, 1500, 375, 10.5f, true, 0, 0};
// A few hundred at racing speed.
inline constexpr Text kSpeed{6600, 720, 2175, 975, 30, true, 3, 3};
// "極速!!" at top speed, "Over Heat !" past it, blank below.
inline constexpr Text kSpeedState{6000, 1440, 1815, 615, 14, true, 0, 0};
inline constexpr Text kRankCaption{5880, 2400, 1500, 375, 10.5f, true, 0, 0};
inline constexpr Text kRank{6960, 2640, 735, 615, 16, true, 1, 1};
// The rank grows to this size while the player leads.
inline constexpr float kLeadingRankPoints = 28;
inline constexpr Text kTimeCaption{5760, 3840, 1935, 375, 10.5f, true, 0, 0};
// Ticks since the start: three digits for most of a race, four near its end.
inline constexpr Text kTime{6240, 4200, 1935, 375, 14, true, 3, 4};
inline constexpr Text kQuitHint{5880, 4800, 2900, 300, 9, false, 0, 0};

}  // namespace stage::dashboard
