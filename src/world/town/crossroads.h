#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The hub of the world: every region's exit leads back here.
Transition crossroads(Player* player);

}  // namespace vaskarn
