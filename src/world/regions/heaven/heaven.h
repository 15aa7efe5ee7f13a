#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Gates Of Heaven: the menu of the city above the clouds, where the
// crossroads leads and where the library and the temple come back to.
Transition heaven(Player* player);

}  // namespace vaskarn
