// The shooter's field, in twips: what the design lays out and the game's
// rules play on.
#pragma once

namespace bonus::field {

inline constexpr float kWidth = 9600;
// The background keeps a scale of its own, as high as the window shows, so
// a ship at the bottom of the field is still all in view.
inline constexpr float kScaleHeight = 6825;
// Where the three walls start each level, Left and Top.
inline constexpr float kWallHome[3][2] = {{3960, 360}, {4920, 4800}, {7080, 2520}};

}  // namespace bonus::field
