#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The huts of the meadow: the mud company, the family home, the tower and
// the shed.
Transition huts(Player* player);

// Digging for the mud company; `units` is the mud dug since the hero took up
// the shovel, paid for when he puts it down.
Transition digmud(Player* player, int units);

}  // namespace vaskarn
