#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The castle in the town: the Sword Master's arena, the kitchens, the royal
// chamber and the library. Its way out moves to the town square afresh.
Transition castle(Player* player);

}  // namespace vaskarn
