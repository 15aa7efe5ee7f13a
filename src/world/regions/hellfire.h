#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Bottomless Abyss Of Hell Fire: its demon, fought to the death.
Transition hellfireabyss(Player* player);

}  // namespace vaskarn
