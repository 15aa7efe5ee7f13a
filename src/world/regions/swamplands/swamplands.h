#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Swamplands Of Marshia, where the crossroads leads: the land of the
// working ogres, from its description.
Transition swamplands(Player* player);

}  // namespace vaskarn
