#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

Transition tool(Player* player);

}  // namespace vaskarn
