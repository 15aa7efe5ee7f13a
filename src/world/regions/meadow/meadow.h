#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Meadow, east of the crossroads: its menu, where every place around it
// comes back to.
Transition meadow(Player* player);

// The row of houses by the road; `knocks` counts the doors knocked on in the
// right order since the reset button was last hit (-1: a wrong one since).
Transition meadowhouses(Player* player, int knocks);

}  // namespace vaskarn
