#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// One cell of the tunnel behind the pond's footsteps, a 10 by 12 grid whose
// walls close some moves one way only. The walk starts at the entrance,
// Screen(tunnel, 9, 0); the Rock Golem waits at (2, 11).
Transition tunnel(Player* player, int x, int y);

}  // namespace vaskarn
