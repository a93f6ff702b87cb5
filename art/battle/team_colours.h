// The colours of the two sides in the battle and the network race: red for
// player one (on the network, this player), blue for player two (the other).
#pragma once

#include <QColor>

namespace art::team {

inline const QColor kRed{0xe0, 0x34, 0x48};
inline const QColor kBlue{0x2f, 0x7d, 0xff};

}  // namespace art::team
