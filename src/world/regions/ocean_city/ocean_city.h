#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Ocean City Of Narshia, below the sea: where the crossroads' trapdoor
// leads, and where the inn and the fish lab send the hero when he leaves.
Transition ocean_city(Player* player);

// The inn's menu, shown again after each of its pastimes.
Transition oceancityinn(Player* player);

}  // namespace vaskarn
