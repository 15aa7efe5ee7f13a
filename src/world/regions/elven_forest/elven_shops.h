#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The elves' bow shop and arena, opened from the forest; each hands control
// back to it when the hero leaves.
Transition elvenbowshop(Player* player);
Transition elvenarena(Player* player);

}  // namespace vaskarn
