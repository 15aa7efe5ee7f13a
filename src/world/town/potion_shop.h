#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

Transition potionshop(Player* player);

}  // namespace vaskarn
