#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

Transition blacksmith(Player* player);

}  // namespace vaskarn
