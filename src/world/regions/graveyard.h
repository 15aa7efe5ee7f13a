#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Graveyard Of Spirits: a path quest of fights, a stone, a well and
// three doors, down to the Shadow Spirit. Any fight lost or fled ends it.
Transition graveyard(Player* player);

}  // namespace vaskarn
