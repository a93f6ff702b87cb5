// The five venues of the stage races, and the measures their pictures share:
// the road down the middle of the window, the scenery column left of it and
// the dashboard on the right.
#pragma once

#include <QColor>
#include <numbers>

namespace art::stages {

inline constexpr double kPi = std::numbers::pi;

// The colours a venue paints its road and dashboard in.
struct Venue {
  QColor asphalt;      // the crown of the road
  QColor asphaltEdge;  // the gutters, darker
  QColor kerb;         // the broad band of the kerb
  QColor kerbTrim;     // its thin outer band
  QColor edgeLine;     // the solid line inside each kerb
  QColor laneLine;     // the lines between the lanes
  QColor accent;       // trims on the dashboard
  QColor panel;        // the dashboard's own tint
};

// Stage 1 to 5: countryside, sunset coast, city at night, mountain pass in
// the rain, floodlit stadium.
const Venue& venue(int stage);

// The road.
inline constexpr double kRoadW = 249;
inline constexpr double kRoadH = 345;
inline constexpr double kKerbW = 10;     // kerb on each side
inline constexpr double kEdgeLine = 13;  // where the edge line starts, from each side
// Three lanes between the edge lines, each wider than a car.
inline constexpr double kLaneLeft = kEdgeLine + 3;
inline constexpr double kLaneW = (kRoadW - 2 * kLaneLeft) / 3;

// The window around it.
inline constexpr double kColumnW = 128;   // the window shows the background left of the road
inline constexpr double kDashLeft = 377;  // the first column past the road
inline constexpr double kWindowW = 592;
inline constexpr double kWindowH = 345;

}  // namespace art::stages
