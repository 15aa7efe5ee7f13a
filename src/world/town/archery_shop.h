#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

Transition archery_shop(Player* player);

}  // namespace vaskarn
