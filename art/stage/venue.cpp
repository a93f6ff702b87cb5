#include "stage/venue.h"

#include <algorithm>
#include <array>

#include "draw.h"

namespace art::stages {
namespace {

// 1: a countryside circuit on a clear day.
const QColor kCountryAsphalt{0x3d, 0x39, 0x36}, kCountryGutter{0x32, 0x2f, 0x2d},
    kMeadowGreen{0x45, 0xd4, 0x7e}, kCountryPanel{0x14, 0x1a, 0x18};
// 2: a coast road at sunset.
const QColor kCoastAsphalt{0x3c, 0x31, 0x40}, kCoastGutter{0x2e, 0x25, 0x33},
    kSandLine{0xff, 0xe9, 0xc9}, kSandLane{0xff, 0xe2, 0xbd}, kCoastPanel{0x1c, 0x14, 0x1e};
// 3: the city at night.
const QColor kCityAsphalt{0x24, 0x25, 0x31}, kCityGutter{0x19, 0x19, 0x23},
    kCityKerb{0x55, 0x58, 0x6a}, kNeonCyan{0x3f, 0xf0, 0xff}, kNeonPink{0xff, 0x4f, 0xc4},
    kCityPanel{0x15, 0x11, 0x1f};
// 4: a mountain pass in the rain.
const QColor kPassAsphalt{0x2b, 0x31, 0x38}, kPassGutter{0x1f, 0x24, 0x2a},
    kPassKerb{0x66, 0x6c, 0x75}, kPassTrim{0x9a, 0xa1, 0xab}, kPassLine{0xf2, 0xc2, 0x30},
    kRainBlue{0x5a, 0xb4, 0xff}, kPassPanel{0x10, 0x15, 0x1c};
// 5: the final, in a floodlit stadium.
const QColor kStadiumAsphalt{0x30, 0x32, 0x3c}, kStadiumGutter{0x23, 0x25, 0x2e},
    kStadiumKerb{0xff, 0x33, 0x48}, kStadiumPanel{0x17, 0x15, 0x1d};

}  // namespace

const Venue& venue(int stage) {
  // Road crown and gutters, kerb and trim, edge and lane lines, dashboard
  // accent and tint.
  static const std::array<Venue, 5> venues{{
      {kCountryAsphalt, kCountryGutter, pal::kKerbRed, pal::kWhite, pal::kWhite,
       withAlpha(pal::kWhite, 215), kMeadowGreen, kCountryPanel},
      {kCoastAsphalt, kCoastGutter, pal::kSkyOrange, pal::kPaper, kSandLine,
       withAlpha(kSandLane, 205), pal::kSkyOrange, kCoastPanel},
      {kCityAsphalt, kCityGutter, kCityKerb, kNeonCyan, withAlpha(pal::kWhite, 225),
       withAlpha(pal::kWhite, 160), kNeonPink, kCityPanel},
      {kPassAsphalt, kPassGutter, kPassKerb, kPassTrim, kPassLine, withAlpha(pal::kWhite, 170),
       kRainBlue, kPassPanel},
      {kStadiumAsphalt, kStadiumGutter, kStadiumKerb, pal::kWhite, pal::kWhite,
       withAlpha(pal::kTeal, 230), pal::kSkyGold, kStadiumPanel},
  }};
  return venues[std::clamp(stage, 1, 5) - 1];
}

}  // namespace art::stages
