#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The castle's practice fights against a group matched to the hero's level.
// Entered from the crossroads with GoTo; always moves back to the crossroads.
Transition training_arena(Player* player);

}  // namespace vaskarn
