#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Rainforest, north of the crossroads: its menu, where the path's story
// and every place around it come back to.
Transition rainforest(Player* player);

}  // namespace vaskarn
