#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// Peter's wooden house by the pond: his bed, his rumours and his four shops.
Transition wooden_house(Player* player);

}  // namespace vaskarn
