#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

Transition spellshop(Player* player);

}  // namespace vaskarn
